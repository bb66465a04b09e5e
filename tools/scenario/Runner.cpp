#include "tools/scenario/Runner.h"

#include <iconv.h>

#include <cstdlib>

#include "installer/app/LangText.h"
#include "installer/app/SetupApp.h"
#include "installer/app/WizardDialog.h"
#include "ui/sim/SimDesktop.h"

namespace {

const char* const kPageNames[] = {"licence", "model", "mode", "os", "port"};

ui::sim::Desktop& Screen() { return ui::sim::Desktop::Current(); }

std::string AnswerName(int answer) {
    switch (answer) {
    case ui::kIdOk: return "OK";
    case ui::kIdCancel: return "Cancel";
    case ui::kIdAbort: return "Abort";
    case ui::kIdRetry: return "Retry";
    case ui::kIdIgnore: return "Ignore";
    case ui::kIdYes: return "Yes";
    case ui::kIdNo: return "No";
    default: return std::to_string(answer);
    }
}

int AnswerOf(const std::string& name) {
    for (int answer = ui::kIdOk; answer <= ui::kIdNo; ++answer)
        if (AnswerName(answer) == name) return answer;
    return 0;
}

std::vector<std::string> ButtonsOf(unsigned style) {
    switch (style & 0xF) {
    case ui::kMbOkCancel: return {"OK", "Cancel"};
    case 2: return {"Abort", "Retry", "Ignore"};
    case ui::kMbYesNoCancel: return {"Yes", "No", "Cancel"};
    case ui::kMbYesNo: return {"Yes", "No"};
    case ui::kMbRetryCancel: return {"Retry", "Cancel"};
    default: return {"OK"};
    }
}

std::string KindName(ui::ControlKind kind) {
    switch (kind) {
    case ui::ControlKind::PushButton: return "button";
    case ui::ControlKind::DefPushButton: return "default button";
    case ui::ControlKind::AutoCheckBox: return "check box";
    case ui::ControlKind::AutoRadioButton: return "radio button";
    case ui::ControlKind::GroupBox: return "group box";
    case ui::ControlKind::Label: return "label";
    case ui::ControlKind::Frame: return "picture";
    case ui::ControlKind::EtchedLine: return "line";
    case ui::ControlKind::Icon: return "icon";
    case ui::ControlKind::Edit: return "edit";
    case ui::ControlKind::DropDownList: return "list";
    case ui::ControlKind::IpAddress: return "ip address";
    case ui::ControlKind::Progress: return "progress bar";
    }
    return "control";
}

std::string DialogName(const ui::Dialog& dialog, const WizardDialog* wizard) {
    if (&dialog == wizard) return "wizard";
    if (wizard)
        for (int i = 0; i < wizard->PageCount(); ++i)
            if (wizard->PageAt(i) == &dialog) return kPageNames[i];
    return dialog.TemplateId() == 100 ? "about" : "dialog " + std::to_string(dialog.TemplateId());
}

std::string Words(const ScriptStep& step) {
    std::string words = step.verb;
    for (const std::string& a : step.args) words += " " + (a.find(' ') == std::string::npos ? a : '"' + a + '"');
    return words;
}

}  // namespace

std::string ScenarioRunner::Readable(const std::string& text) const {
    // The programs' texts are in the machine's ANSI code page; the transcript is UTF-8.
    const char* codePage = IsChineseLanguageId(machine_.Identity().languageId) ? "GBK" : "CP1252";
    iconv_t convert = iconv_open("UTF-8", codePage);
    if (convert == reinterpret_cast<iconv_t>(-1)) return text;
    std::string out(text.size() * 4 + 4, '\0');
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char* to = out.data();
    std::size_t outLeft = out.size();
    while (inLeft > 0) {
        if (iconv(convert, &in, &inLeft, &to, &outLeft) != static_cast<std::size_t>(-1)) break;
        *to++ = '?';  // a byte the code page does not have
        --outLeft;
        ++in;
        --inLeft;
    }
    iconv_close(convert);
    out.resize(out.size() - outLeft);
    return out;
}

std::vector<std::string> ScenarioRunner::Readable(const std::vector<std::string>& texts) const {
    std::vector<std::string> out;
    for (const std::string& t : texts) out.push_back(Readable(t));
    return out;
}

bool ScenarioRunner::Run() {
    const plat::sim::MachineIdentity& id = machine_.Identity();
    transcript_.Add("start")
        .Add("windows", std::to_string(id.version.major) + "." + std::to_string(id.version.minor) + "." +
                            std::to_string(id.version.build))
        .Add("platform", id.version.platformId == plat::kPlatformWin32Nt ? "NT" : "9x")
        .Add("bits", id.wow64 ? 64 : 32)
        .Add("language", static_cast<int>(id.languageId))
        .Add("administrator", id.administrator)
        .Add("program", id.programPath);

    plat::InstallPlatform(&machine_);
    Screen().Reset();
    Screen().AnswerUnqueuedWithDefault(true);
    Screen().onMessage = [this](const ui::sim::MessageRecord& box) {
        ReportChanges();
        transcript_.Add("message")
            .Add("title", Readable(box.title))
            .Add("text", Readable(box.text))
            .Add("buttons", ButtonsOf(box.style))
            .Add("answer", AnswerName(box.answer))
            .Add("owner", box.ownerTemplate == 0 ? "application" : box.ownerTemplate == 102 ? "wizard" : "dialog");
    };
    Screen().SetModalScript([this](ui::Dialog& dialog) { OnModal(dialog); });

    SetupApp app;
    app.InitInstance();

    ReportChanges();
    for (; next_ < steps_.size(); ++next_) Fail(steps_[next_], "the program had ended");
    Screen().SetModalScript(nullptr);
    Screen().onMessage = nullptr;
    if (!wizard_) transcript_.Add("end").Add("how", "start-up stopped before the wizard");
    plat::InstallPlatform(nullptr);
    return !failed_;
}

void ScenarioRunner::OnModal(ui::Dialog& dialog) {
    modal_.push_back(&dialog);
    if (auto* wizard = dynamic_cast<WizardDialog*>(&dialog)) wizard_ = wizard;
    else transcript_.Add("dialog").Add("opened", DialogName(dialog, wizard_)).Add("title", Readable(dialog.Title()));
    ReportChanges();
    while (next_ < steps_.size() && !ui::sim::IsEnded(dialog)) {
        const ScriptStep& step = steps_[next_++];
        if (step.verb != "state") transcript_.Add("step").Add("line", step.line).Add("do", Words(step));
        Execute(step);
        ReportChanges();
    }
    bool open = !ui::sim::IsEnded(dialog);
    std::string how = open ? "left open at the end of the script (cancelled)"
                           : dialog.ModalResult() == ui::kIdOk ? "OK" : "cancelled";
    if (&dialog == wizard_) transcript_.Add("end").Add("how", "wizard " + how);
    else transcript_.Add("dialog").Add("closed", DialogName(dialog, wizard_)).Add("how", how);
    modal_.pop_back();
}

void ScenarioRunner::ReportChanges() {
    if (wizard_ && wizard_->IsCreated() && wizard_->currentPage != reportedPage_) {
        reportedPage_ = wizard_->currentPage;
        if (reportedPage_ >= 0 && reportedPage_ < 5) {
            const ui::sim::SimControl* ok = ui::sim::ControlOf(*wizard_, ui::kIdOk);
            const ui::sim::SimControl* back = ui::sim::ControlOf(*wizard_, WizardDialog::kBack);
            transcript_.Add("page")
                .Add("index", reportedPage_)
                .Add("name", kPageNames[reportedPage_])
                .Add("ok", ok ? Readable(ok->text) : "")
                .Add("okEnabled", ok && ok->enabled)
                .Add("backEnabled", back && back->enabled);
        }
    }
    const auto& launches = machine_.Launcher().Launches();
    for (; reportedLaunches_ < launches.size(); ++reportedLaunches_) {
        const auto& l = launches[reportedLaunches_];
        transcript_.Add("launch")
            .Add("verb", l.verb)
            .Add("file", Readable(l.file))
            .Add("path", Readable(l.resolvedPath))
            .Add("parameters", l.parameters)
            .Add("result", static_cast<long long>(l.result))
            .Add("started", l.result > 32);
    }
    const auto& actions = machine_.DesktopWindows().Actions();
    for (; reportedActions_ < actions.size(); ++reportedActions_)
        transcript_.Add("front").Add("call", actions[reportedActions_].call).Add("window", Readable(actions[reportedActions_].title));
}

ui::Dialog* ScenarioRunner::DialogNamed(const std::string& name) {
    if (name == "about" || name == "dialog") return Innermost() != wizard_ ? Innermost() : nullptr;
    if (name == "wizard") return wizard_;
    if (!wizard_) return nullptr;
    if (name == "page") return wizard_->PageAt(wizard_->currentPage);
    for (int i = 0; i < 5; ++i)
        if (name == kPageNames[i]) return wizard_->PageAt(i);
    return nullptr;
}

bool ScenarioRunner::Resolve(const std::string& target, ui::Dialog*& dialog, int& id, std::string* why) {
    std::string control = target;
    dialog = nullptr;
    std::size_t colon = target.find(':');
    if (colon != std::string::npos) {
        dialog = DialogNamed(target.substr(0, colon));
        control = target.substr(colon + 1);
        if (!dialog) {
            *why = "no dialog '" + target.substr(0, colon) + "'";
            return false;
        }
    }
    static const std::pair<const char*, int> buttons[] = {
        {"Next", ui::kIdOk}, {"Install", ui::kIdOk}, {"OK", ui::kIdOk}, {"Back", WizardDialog::kBack}, {"Cancel", ui::kIdCancel}};
    id = -1;
    for (const auto& [name, buttonId] : buttons)
        if (control == name) id = buttonId;
    bool named = id != -1;
    if (!named) {
        char* end = nullptr;
        long value = std::strtol(control.c_str(), &end, 10);
        if (control.empty() || *end) {
            *why = "'" + control + "' is neither a control id nor a button name";
            return false;
        }
        id = static_cast<int>(value);
    }
    if (!dialog) {
        ui::Dialog* inner = Innermost();
        if (named || inner != wizard_) dialog = inner;
        else if (ui::Dialog* page = wizard_->PageAt(wizard_->currentPage); page && ui::sim::ControlOf(*page, id))
            dialog = page;
        else dialog = wizard_;
    }
    if (!dialog || !ui::sim::ControlOf(*dialog, id)) {
        *why = "no control " + control + (dialog ? " in " + DialogName(*dialog, wizard_) : "");
        return false;
    }
    return true;
}

void ScenarioRunner::Fail(const ScriptStep& step, const std::string& why) {
    failed_ = true;
    transcript_.Add("error").Add("line", step.line).Add("step", Words(step)).Add("why", why);
}

void ScenarioRunner::ReportState(const std::string& target) {
    ui::Dialog* dialog = nullptr;
    int id = 0;
    std::string why;
    if (!Resolve(target, dialog, id, &why)) {
        transcript_.Add("state").Add("control", target).Add("missing", why);
        return;
    }
    const ui::sim::SimControl& c = *ui::sim::ControlOf(*dialog, id);
    TranscriptEvent& e = transcript_.Add("state")
                             .Add("dialog", DialogName(*dialog, wizard_))
                             .Add("id", id)
                             .Add("kind", KindName(c.kind))
                             .Add("text", Readable(c.text))
                             .Add("enabled", c.enabled)
                             .Add("visible", c.visible)
                             .Add("shown", ui::sim::IsShown(*dialog, id));
    if (c.kind == ui::ControlKind::AutoCheckBox || c.kind == ui::ControlKind::AutoRadioButton) e.Add("checked", c.check == 1);
    if (c.kind == ui::ControlKind::DropDownList) {
        e.Add("items", Readable(c.items)).Add("selection", c.selection);
        e.Add("selected", c.selection >= 0 && c.selection < static_cast<int>(c.items.size()) ? Readable(c.items[c.selection]) : "");
    }
    if (c.kind == ui::ControlKind::IpAddress) e.Add("blank", c.addressBlank);
}

void ScenarioRunner::Execute(const ScriptStep& step) {
    const std::string& verb = step.verb;
    if (verb == "answer") {
        int answer = AnswerOf(step.args[0]);
        if (!answer) return Fail(step, "answers are OK, Cancel, Abort, Retry, Ignore, Yes, No");
        Screen().QueueAnswer(answer);
        return;
    }
    if (verb == "state") {
        for (const std::string& target : step.args) ReportState(target);
        return;
    }
    if (verb == "expect-page") {
        int page = wizard_ ? wizard_->currentPage : -1;
        std::string name = page >= 0 && page < 5 ? kPageNames[page] : "none";
        if (name != step.args[0]) Fail(step, "the wizard is on the " + name + " page");
        return;
    }
    if (verb == "f1" || verb == "sysmenu") {
        ui::Dialog* dialog = Innermost();
        if (verb == "f1" && !step.args.empty()) dialog = DialogNamed(step.args[0]);
        else if (verb == "f1" && dialog == wizard_ && wizard_->PageAt(wizard_->currentPage))
            dialog = wizard_->PageAt(wizard_->currentPage);  // the focus is in the page
        if (!dialog) return Fail(step, "no such dialog");
        if (verb == "f1") {
            if (!ui::sim::PressF1(*dialog)) Fail(step, "F1 was not handled");
            return;
        }
        unsigned command = step.args[0] == "about" ? WizardDialog::kAboutCommand
                                                   : static_cast<unsigned>(std::strtoul(step.args[0].c_str(), nullptr, 0));
        if (!ui::sim::SystemCommand(*dialog, command)) Fail(step, "the system command was not handled");
        return;
    }
    ui::Dialog* dialog = nullptr;
    int id = 0;
    std::string why;
    if (!Resolve(step.args[0], dialog, id, &why)) return Fail(step, why);
    bool done = false;
    if (verb == "click") {
        done = ui::sim::Click(*dialog, id);
    } else if (verb == "choose") {
        const std::string& item = step.args[1];
        if (item.size() > 1 && item[0] == '#') done = ui::sim::ChooseItem(*dialog, id, std::atoi(item.c_str() + 1));
        else done = ui::sim::ChooseItem(*dialog, id, item);
    } else if (verb == "type") {
        done = ui::sim::TypeText(*dialog, id, step.args[1]);
    }
    if (!done) Fail(step, "the control cannot be reached or has no such item (hidden, disabled or missing)");
}
