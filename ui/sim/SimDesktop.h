#pragma once
// The screen of the simulated machine: the dialogs that are open, the message boxes that
// were shown, and the hands of the user. Tests and the scenario runner drive programs
// through it; docs/ui.md describes how.
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/Dialog.h"
#include "ui/Font.h"
#include "ui/Template.h"
#include "ui/Types.h"

namespace ui::sim {

// One control of a simulated dialog, as Windows would hold it.
struct SimControl {
    int id = -1;
    ControlKind kind = ControlKind::Label;
    uint32_t style = 0;
    Rect rect;  // pixels, in the dialog's client coordinates
    std::string text;
    bool enabled = true;
    bool visible = true;
    int check = 0;
    std::vector<std::string> items;
    int selection = -1;
    bool hasFont = false;
    FontSpec font;
    uint32_t address = 0;  // IP address control
    bool addressBlank = true;
    int rangeLow = 0, rangeHigh = 100, position = 0;
    std::vector<int> positions;  // every position the progress bar was set to
    int redraws = 0;
};

// One drawing call of a paint handler.
struct PaintOp {
    enum Kind { StretchBitmap, TextCentred, Icon };
    Kind kind = StretchBitmap;
    int controlId = 0;  // 0: the dialog itself
    Rect target;
    std::string bitmapPath;
    int bitmapWidth = 0, bitmapHeight = 0;
    std::string text;
    FontSpec font;
    Colour colour = 0;
    int iconId = 0;
};

struct MessageRecord {
    std::string ownerTitle;  // "" when the box had no owner window
    int ownerTemplate = 0;   // template id of the owner dialog, 0 for none
    std::string title;
    std::string text;
    unsigned style = 0;
    int answer = 0;
};

// A message box appeared that no queued answer was meant for.
class UnexpectedMessage : public std::runtime_error {
public:
    explicit UnexpectedMessage(const MessageRecord& box);
    MessageRecord box;
};

class SimWindow;

class Desktop {
public:
    static Desktop& Current();
    // Forgets every record, queued answer and script (between tests). Open windows stay.
    void Reset();

    // --- Message boxes ---
    // Queues the answer to the next message box. An answer that is not one of the box's
    // buttons is refused with UnexpectedMessage when the box shows.
    void QueueAnswer(int answer);
    size_t QueuedAnswers() const { return answers_.size(); }
    // With no answer queued a box throws UnexpectedMessage (the default), or, after
    // AnswerUnqueuedWithDefault(true), gets its default (first) button.
    void AnswerUnqueuedWithDefault(bool on) { answerDefault_ = on; }
    const std::vector<MessageRecord>& Messages() const { return messages_; }
    // Called for every box after it is recorded (a runner prints it).
    std::function<void(const MessageRecord&)> onMessage;
    int ShowBox(Dialog* owner, const std::string& text, const std::string& title, unsigned style);

    // --- Modal loops ---
    // Runs in place of the message loop of every modal dialog, after its initialisation,
    // for as long as the dialog is open; nested DoModal calls run it again for the inner
    // dialog. A dialog the script leaves open is ended with kIdCancel and listed in
    // LeftOpen().
    using ModalScript = std::function<void(Dialog& dialog)>;
    void SetModalScript(ModalScript script) { script_ = std::move(script); }
    const std::vector<int>& LeftOpen() const { return leftOpen_; }
    // Called whenever a dialog window is made or destroyed (template id, made).
    std::function<void(Dialog&, bool)> onWindow;

    // --- Windows on the screen ---
    std::vector<Dialog*> OpenDialogs() const;
    // The most recently made open dialog with this template, or nullptr.
    Dialog* Find(int templateId) const;

    // Internal: window bookkeeping of the sim back end.
    void Add(SimWindow* window);
    void Remove(SimWindow* window);
    const std::vector<SimWindow*>& Windows() const { return windows_; }
    void RunScript(Dialog& dialog);
    void NoteLeftOpen(int templateId) { leftOpen_.push_back(templateId); }

private:
    std::vector<SimWindow*> windows_;
    std::vector<int> answers_;
    bool answerDefault_ = false;
    std::vector<MessageRecord> messages_;
    ModalScript script_;
    std::vector<int> leftOpen_;
};

// --- The user's hands. Each acts only on a control the user could reach: the control
// and every dialog around it visible and enabled; it returns false and changes nothing
// otherwise. Notifications go to the dialog as Windows sends them. ---

// A button: push buttons notify; auto check boxes toggle, auto radio buttons check
// themselves and clear the other radio buttons of their group, then notify.
bool Click(Dialog& dialog, int controlId);
// Picks an item of a drop-down list (CBN_SELCHANGE); by index or by its exact text.
bool ChooseItem(Dialog& dialog, int comboId, int index);
bool ChooseItem(Dialog& dialog, int comboId, const std::string& text);
// Types into an edit control (EN_CHANGE) or an IP address control ("a.b.c.d").
bool TypeText(Dialog& dialog, int controlId, const std::string& text);
// F1 with the focus in `dialog`: WM_HELP to it, passed on to its parents while unhandled.
bool PressF1(Dialog& dialog);
// A system-menu command; SC_CLOSE (0xF060) unhandled ends up as Cancel.
bool SystemCommand(Dialog& dialog, unsigned command);
// Fires a timer the dialog has set; false when there is none of that id.
bool FireTimer(Dialog& dialog, int timerId);
// Paints the dialog and returns the drawing calls of its paint handler.
std::vector<PaintOp> Paint(Dialog& dialog);

// --- Reading the screen ---
const SimControl* ControlOf(const Dialog& dialog, int controlId);
// The control as the user sees it: itself and every dialog around it visible.
bool IsShown(const Dialog& dialog, int controlId);
bool IsEnded(const Dialog& dialog);
int FocusedId(const Dialog& dialog);
bool HasTimer(const Dialog& dialog, int timerId);
bool IsOwnerDisabled(const Dialog& dialog);
const FontSpec* DialogFont(const Dialog& dialog);  // nullptr when none was set
int IconOf(const Dialog& dialog);
// The items appended to the system menu: (command, text).
std::vector<std::pair<unsigned, std::string>> SystemMenuItems(const Dialog& dialog);
struct TooltipState {
    bool created = false;
    bool active = false;
    int maxWidth = -1;
    std::vector<std::pair<int, std::string>> tools;
};
TooltipState TooltipOf(const Dialog& dialog);
Rect WindowRectOf(const Dialog& dialog);  // in the parent's client coordinates

// Dialog units to the sim's pixels (a dialog font of 6 x 12 base units).
Rect DialogUnitsToPixels(int x, int y, int width, int height);

}  // namespace ui::sim
