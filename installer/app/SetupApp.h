#pragma once
// The installer application: start-up checks, then the wizard, run modally and torn
// down again. There is no message loop of its own; the process ends with the wizard.
class SetupApp {
public:
    // Always false: the application ends when this returns.
    bool InitInstance();
    int ExitInstance() { return 0; }
};

// The wizard and its five pages, built, registered, run modally and destroyed; what
// start-up does once its checks have passed.
void RunSetupWizard();
