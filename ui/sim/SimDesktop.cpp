#include "ui/sim/SimDesktop.h"

#include <algorithm>

#include "ui/sim/SimWindow.h"

namespace ui::sim {

namespace {

std::string Describe(const MessageRecord& box) {
    return "unexpected message box \"" + box.title + "\": " + box.text;
}

// The buttons of a message-box style, default (first) button first.
std::vector<int> ButtonsOf(unsigned style) {
    switch (style & 0xF) {
    case kMbOkCancel: return {kIdOk, kIdCancel};
    case 0x2: return {kIdAbort, kIdRetry, kIdIgnore};
    case kMbYesNoCancel: return {kIdYes, kIdNo, kIdCancel};
    case kMbYesNo: return {kIdYes, kIdNo};
    case kMbRetryCancel: return {kIdRetry, kIdCancel};
    default: return {kIdOk};
    }
}

}  // namespace

UnexpectedMessage::UnexpectedMessage(const MessageRecord& b) : std::runtime_error(Describe(b)), box(b) {}

Desktop& Desktop::Current() {
    static Desktop desktop;
    return desktop;
}

void Desktop::Reset() {
    answers_.clear();
    answerDefault_ = false;
    messages_.clear();
    script_ = nullptr;
    leftOpen_.clear();
    onMessage = nullptr;
    onWindow = nullptr;
}

void Desktop::QueueAnswer(int answer) { answers_.push_back(answer); }

int Desktop::ShowBox(Dialog* owner, const std::string& text, const std::string& title, unsigned style) {
    MessageRecord box;
    if (owner) {
        box.ownerTitle = owner->Title();
        box.ownerTemplate = owner->TemplateId();
    }
    box.title = title;
    box.text = text;
    box.style = style;
    std::vector<int> buttons = ButtonsOf(style);
    if (!answers_.empty()) {
        box.answer = answers_.front();
        answers_.erase(answers_.begin());
    } else if (answerDefault_) {
        box.answer = buttons.front();
    } else {
        messages_.push_back(box);
        throw UnexpectedMessage(box);
    }
    messages_.push_back(box);
    if (std::find(buttons.begin(), buttons.end(), box.answer) == buttons.end()) {
        throw UnexpectedMessage(box);
    }
    if (onMessage) onMessage(box);
    return box.answer;
}

std::vector<Dialog*> Desktop::OpenDialogs() const {
    std::vector<Dialog*> open;
    for (SimWindow* w : windows_) open.push_back(&w->Owner());
    return open;
}

Dialog* Desktop::Find(int templateId) const {
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
        if ((*it)->Owner().TemplateId() == templateId) return &(*it)->Owner();
    }
    return nullptr;
}

void Desktop::Add(SimWindow* window) { windows_.push_back(window); }

void Desktop::Remove(SimWindow* window) {
    windows_.erase(std::remove(windows_.begin(), windows_.end(), window), windows_.end());
}

void Desktop::RunScript(Dialog& dialog) {
    if (script_) {
        ModalScript script = script_;  // the script may replace itself
        script(dialog);
    }
}

Rect DialogUnitsToPixels(int x, int y, int width, int height) {
    auto px = [](int units) { return units * 6 / 4; };
    auto py = [](int units) { return units * 12 / 8; };
    return Rect{px(x), py(y), px(x + width), py(y + height)};
}

}  // namespace ui::sim
