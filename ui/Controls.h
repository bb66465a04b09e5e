#pragma once
// Controls of a dialog, reached by id. A control object is a light handle (dialog and
// id); it does nothing until it is attached, by Dialog::Item and friends or by data
// exchange. The operations are the ones Windows' own messages give, with their answers.
#include <cstdint>
#include <string>

#include "ui/Font.h"
#include "ui/Types.h"

namespace ui {

class Dialog;

// System colours (GetSysColor indexes).
constexpr int kColourWindow = 5;
constexpr int kColourWindowText = 8;
constexpr int kColourButtonFace = 15;
Colour SystemColour(int index);

class Control {
public:
    Control() = default;
    Control(Dialog* dialog, int id) : dialog_(dialog), id_(id) {}
    virtual ~Control() = default;

    void Attach(Dialog* dialog, int id) { dialog_ = dialog; id_ = id; }
    bool IsAttached() const { return dialog_ != nullptr; }
    int Id() const { return id_; }
    Dialog* Owner() const { return dialog_; }

    void SetText(const std::string& text);
    std::string Text() const;
    void Enable(bool enable);
    bool IsEnabled() const;
    void Show(bool show);
    bool IsVisible() const;
    void Focus();
    void SetFont(const Font& font);  // WM_SETFONT with redraw
    // Colours the control answers its colour query with (the reflected WM_CTLCOLOR*);
    // a control without them draws in the system's colours.
    void SetTextColour(Colour colour);
    void SetBackColour(Colour colour);
    void Redraw();  // invalidate, erase, update now
    Rect WindowRect() const;  // in the dialog's client coordinates

protected:
    Dialog* dialog_ = nullptr;
    int id_ = -1;
};

class Button : public Control {
public:
    using Control::Control;
    void SetCheck(int state);  // kUnchecked, kChecked, kIndeterminate
    int Check() const;
};

class Edit : public Control {
public:
    using Control::Control;
};

class Static : public Control {
public:
    using Control::Control;
};

// A combo box. Indexes are 0-based; kComboError (-1) is Windows' CB_ERR.
class ComboBox : public Control {
public:
    using Control::Control;
    // CB_ADDSTRING: appends, or inserts in order when the box is sorted (case-insensitive);
    // returns the index where the item landed.
    int AddString(const std::string& text);
    int InsertString(int index, const std::string& text);  // -1 appends
    void ResetContent();
    int Count() const;
    int CurSel() const;
    // CB_SETCURSEL: an index outside the list clears the selection and returns -1.
    int SetCurSel(int index);
    // CB_FINDSTRING: case-insensitive prefix match starting after `start`, wrapping
    // round to `start` itself; start -1 searches from the top; -1 when none matches.
    int FindString(int start, const std::string& text) const;
    int FindStringExact(int start, const std::string& text) const;
    // CB_GETLBTEXT: the text's length, or -1 for an index outside the list (text untouched).
    int ItemText(int index, std::string& text) const;
};

class IpAddress : public Control {
public:
    using Control::Control;
    // The four fields, first field in the high byte (IPM_SETADDRESS / IPM_GETADDRESS).
    void SetAddress(uint32_t address);
    // Returns the number of fields that are not blank; blank fields read as 0.
    int Address(uint32_t& address) const;
    bool IsBlank() const;
    void Clear();
};

class ProgressBar : public Control {
public:
    using Control::Control;
    void SetRange(int low, int high);
    int SetPos(int position);  // returns the previous position
    int Pos() const;
};

// A tooltip window owned by a dialog, with tools on its controls. It sees the mouse
// messages of its tools by itself; no relaying is needed.
class Tooltip {
public:
    bool Create(Dialog& owner);
    void Activate(bool active);
    void SetMaxTipWidth(int pixels);
    bool AddTool(int controlId, const std::string& text);

private:
    Dialog* owner_ = nullptr;
};

}  // namespace ui
