#pragma once
// Runs drvsetup's start-up and wizard on a simulated machine, driving the simulated
// screen from a script and writing what happened into a transcript.
#include <string>
#include <vector>

#include "platform/sim/SimMachine.h"
#include "tools/scenario/Script.h"
#include "tools/scenario/Transcript.h"

namespace ui {
class Dialog;
}
class WizardDialog;

class ScenarioRunner {
public:
    ScenarioRunner(plat::sim::SimMachine& machine, std::vector<ScriptStep> steps, Transcript& transcript)
        : machine_(machine), steps_(std::move(steps)), transcript_(transcript) {}

    // false when a step could not be done or an expectation failed (the transcript
    // has an "error" event for each).
    bool Run();

private:
    void OnModal(ui::Dialog& dialog);
    void Execute(const ScriptStep& step);
    // The dialog and control a target names: [dialog:]id or a button name.
    bool Resolve(const std::string& target, ui::Dialog*& dialog, int& id, std::string* why);
    ui::Dialog* DialogNamed(const std::string& name);
    ui::Dialog* Innermost() const { return modal_.empty() ? nullptr : modal_.back(); }
    void ReportChanges();
    void ReportState(const std::string& target);
    void Fail(const ScriptStep& step, const std::string& why);
    std::string Readable(const std::string& text) const;
    std::vector<std::string> Readable(const std::vector<std::string>& texts) const;

    plat::sim::SimMachine& machine_;
    std::vector<ScriptStep> steps_;
    std::size_t next_ = 0;
    Transcript& transcript_;
    std::vector<ui::Dialog*> modal_;
    WizardDialog* wizard_ = nullptr;
    int reportedPage_ = -2;
    std::size_t reportedLaunches_ = 0;
    std::size_t reportedActions_ = 0;
    bool failed_ = false;
};
