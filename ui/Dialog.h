#pragma once
// The dialog base class: our stand-in for the dialog class of a Windows class library.
// A dialog is built from its template (ui/Template.h) by the back end linked into the
// program: real windows in the MinGW builds (ui/win32), in-memory controls in the native
// build (ui/sim). Subclasses override the handlers they need and list their control
// notifications in a command map.
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "ui/Controls.h"
#include "ui/Font.h"
#include "ui/Template.h"
#include "ui/Types.h"

namespace ui {

class Dialog;
class DataExchange;

namespace detail {
class DialogWindow;
}

// One line of a command map: (control id, notification) -> handler.
struct CommandEntry {
    int id;
    Notify code;
    void (Dialog::*handler)();
};

// Makes a command-map line from a handler of a subclass:
//   ui::OnCommand(1057, ui::Notify::Clicked, &LicencePage::OnAccept)
template <class D>
constexpr CommandEntry OnCommand(int id, Notify code, void (D::*handler)()) {
    return CommandEntry{id, code, static_cast<void (Dialog::*)()>(handler)};
}

class Dialog {
public:
    explicit Dialog(int templateId);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    int TemplateId() const { return templateId_; }
    const DialogTemplate* Template() const;

    // Runs the dialog modally; returns the EndDialog result, or -1 when the dialog could
    // not be made. The owner is disabled meanwhile (nullptr: the main window, if any).
    int DoModal(Dialog* owner = nullptr);
    // Makes the dialog modeless: a child page inside `parent` when the template is a
    // child page, else a top-level window owned by it. False when it could not be made.
    bool Create(Dialog* parent);
    void EndDialog(int result);
    void DestroyWindow();
    bool IsCreated() const { return window_ != nullptr; }
    Dialog* Parent() const { return parent_; }

    // Data exchange: save true copies controls into members, false the other way.
    // Returns false when a binding refused its value.
    bool UpdateData(bool save);

    // The window itself.
    void SetTitle(const std::string& text);
    std::string Title() const;
    void ShowWindow(bool show);
    bool IsVisible() const;
    bool IsMinimised() const;
    void MoveWindow(const Rect& rect);  // in the parent's client coordinates
    Rect ClientRect() const;
    void Invalidate();
    void SetIcon(int resourceId);  // big and small icon; also the dragged icon
    // Appends a separator and the item to the system menu; false when there is none.
    bool AppendSystemMenuItem(unsigned command, const std::string& text);
    bool SetTimer(int timerId, unsigned milliseconds);
    void KillTimer(int timerId);
    // WM_SETFONT with redraw to the dialog itself and then to every child control.
    void ApplyFontToAll(const Font& font);

    // Controls by id. An id that the template does not have gives a control whose
    // operations do nothing and read as empty.
    Control Item(int id) { return Control(this, id); }
    Button ButtonItem(int id) { return Button(this, id); }
    ComboBox Combo(int id) { return ComboBox(this, id); }
    Edit EditItem(int id) { return Edit(this, id); }
    IpAddress IpItem(int id) { return IpAddress(this, id); }
    ProgressBar ProgressItem(int id) { return ProgressBar(this, id); }
    bool HasItem(int id) const;
    void SetItemText(int id, const std::string& text) { Item(id).SetText(text); }
    std::string ItemText(int id) { return Item(id).Text(); }
    void EnableItem(int id, bool enable) { Item(id).Enable(enable); }
    void ShowItem(int id, bool show) { Item(id).Show(show); }
    void FocusItem(int id) { Item(id).Focus(); }
    // Checks `id` and unchecks every other button from first to last, whatever their
    // groups (an id outside the range is left alone).
    void CheckRadioButton(int first, int last, int id);
    int IsButtonChecked(int id) const;
    void CheckButton(int id, int state);

    // --- Handlers; the defaults do what the class library's do. ---
    // Called when the window and its controls exist; the base runs UpdateData(false).
    // Return true to let the dialog manager focus the first control.
    virtual bool OnInitDialog();
    virtual void OnOK();      // UpdateData(true), then EndDialog(kIdOk)
    virtual void OnCancel();  // EndDialog(kIdCancel)
    virtual void OnShowWindow(bool show) { (void)show; }  // after the default processing
    virtual void OnTimer(int timerId) { (void)timerId; }
    virtual void OnPaint() {}  // draw with the Canvas classes (ui/Canvas.h)
    // A system-menu command; return false for the default processing.
    virtual bool OnSysCommand(unsigned command) { (void)command; return false; }
    // F1 (WM_HELP); return false to pass it on to the parent dialog.
    virtual bool OnHelp() { return false; }
    virtual void DoDataExchange(DataExchange& dx) { (void)dx; }
    // The command map of the class, looked up before OnOK/OnCancel for ids 1 and 2.
    virtual std::span<const CommandEntry> CommandMap() const { return {}; }

    // --- Entry points of the back ends (window messages arriving). ---
    void AttachWindow(std::unique_ptr<detail::DialogWindow> window);
    void DetachWindow();
    detail::DialogWindow* Window() const { return window_.get(); }
    bool HandleInit();
    void HandleCommand(int id, Notify code);
    void HandleShow(bool show) { OnShowWindow(show); }
    void HandleTimer(int timerId) { OnTimer(timerId); }
    void HandlePaint() { OnPaint(); }
    bool HandleSysCommand(unsigned command) { return OnSysCommand(command); }
    bool HandleHelp();
    // Colours set on a control by Control::SetTextColour/SetBackColour.
    struct ItemColours {
        int id;
        bool hasText = false, hasBack = false;
        Colour text = 0, back = 0;
    };
    ItemColours* ColoursOf(int id);
    ItemColours& ColoursFor(int id);
    int IconId() const { return iconId_; }
    void SetParentForBackEnd(Dialog* parent) { parent_ = parent; }
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }

private:
    int templateId_;
    std::unique_ptr<detail::DialogWindow> window_;
    Dialog* parent_ = nullptr;
    int iconId_ = 0;
    int modalResult_ = 0;
    std::vector<ItemColours> colours_;
};

// Binds controls and members, in the order DoDataExchange calls it.
class DataExchange {
public:
    DataExchange(Dialog& dialog, bool save) : dialog_(dialog), save_(save) {}
    bool Saving() const { return save_; }
    bool Failed() const { return failed_; }
    // The ids bound so far, in order.
    const std::vector<int>& Order() const { return order_; }

    // Attaches a control object to control `id` (both directions).
    void Control(int id, ui::Control& control);
    // A check box or radio button and an int (0, 1, 2).
    void Check(int id, int& value);
    // A control's text and a string.
    void Text(int id, std::string& value);
    // A combo box's selection index (-1 for none) and an int.
    void ComboIndex(int id, int& index);
    // A group of radio buttons from first to last (ids in order) and the index of the
    // checked one (-1 for none).
    void Radio(int first, int last, int& index);
    // Refuses the exchange (a value did not pass); UpdateData then returns false.
    void Fail() { failed_ = true; }

private:
    Dialog& dialog_;
    bool save_;
    bool failed_ = false;
    std::vector<int> order_;
};

// The main window of the program (the class library's main-window pointer): the owner
// of application message boxes and of modal dialogs made without an owner.
void SetMainWindow(Dialog* dialog);
Dialog* MainWindow();

}  // namespace ui
