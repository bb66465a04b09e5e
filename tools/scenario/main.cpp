// scenario MACHINE_FILE SCRIPT [--json FILE] [--package DIR]
// Runs drvsetup on the simulated machine the machine file describes, doing the script's
// steps, and prints the transcript; --json writes it as JSON as well. The driver package
// is drive D: (the program is D:\drvsetup.exe unless the machine file says otherwise):
// the folder --package names, else the machine file's own D=, else the sample package
// of the build. The exit status
// is 0 when every step could be done, 1 when one could not, 2 for a bad argument,
// machine file or script.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "platform/sim/SimMachine.h"
#include "tools/scenario/Runner.h"

int main(int argc, char** argv) {
    std::string machineFile, scriptFile, jsonFile, package;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--json" && i + 1 < argc) jsonFile = argv[++i];
        else if (arg == "--package" && i + 1 < argc) package = argv[++i];
        else if (machineFile.empty()) machineFile = arg;
        else if (scriptFile.empty()) scriptFile = arg;
        else machineFile.clear(), i = argc;
    }
    if (machineFile.empty() || scriptFile.empty()) {
        std::cerr << "usage: scenario MACHINE_FILE SCRIPT [--json FILE] [--package DIR]\n";
        return 2;
    }
    std::string error;
    auto machine = plat::sim::SimMachine::Load(machineFile, &error);
    if (!machine) {
        std::cerr << error << "\n";
        return 2;
    }
    if (package.empty() && machine->Disk().GetAttributes("D:\\", nullptr) == plat::kInvalidFileAttributes)
        package = SAMPLE_PACKAGE_DIR;
    if (!package.empty()) {
        if (!std::filesystem::is_directory(package)) {
            std::cerr << package << ": no such folder\n";
            return 2;
        }
        machine->Disk().MapDrive('D', package);
    }
    std::ifstream in(scriptFile, std::ios::binary);
    if (!in) {
        std::cerr << scriptFile << ": cannot be read\n";
        return 2;
    }
    std::ostringstream text;
    text << in.rdbuf();
    std::vector<ScriptStep> steps;
    if (!ParseScript(text.str(), steps, &error)) {
        std::cerr << scriptFile << ": " << error << "\n";
        return 2;
    }

    Transcript transcript;
    bool ok = ScenarioRunner(*machine, steps, transcript).Run();
    transcript.WriteText(std::cout);
    if (!jsonFile.empty()) {
        std::ofstream json(jsonFile, std::ios::binary);
        transcript.WriteJson(json);
        if (!json) {
            std::cerr << jsonFile << ": cannot be written\n";
            return 2;
        }
    }
    return ok ? 0 : 1;
}
