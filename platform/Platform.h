#pragma once
// The seam between the programs' logic and the operating system. Program code reaches
// every OS service through os(); the Windows entry points install the win32 back end,
// tests and the scenario runner install a SimMachine.
#include "platform/Broadcasts.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/Security.h"
#include "platform/Shell.h"
#include "platform/Files.h"
#include "platform/MessageTable.h"
#include "platform/Profile.h"
#include "platform/Registry.h"
#include "platform/Services.h"
#include "platform/Spooler.h"
#include "platform/SystemInfo.h"

namespace plat {

class Platform {
public:
    virtual ~Platform() = default;
    virtual SystemInfo& System() = 0;
    virtual Profile& Profiles() = 0;
    virtual Files& FileSystem() = 0;
    virtual Clock& Time() = 0;
    virtual Desktop& DesktopWindows() = 0;
    virtual Shell& Launcher() = 0;
    virtual Security& UserSecurity() = 0;
    virtual MessageTable& Messages() = 0;
    virtual Registry& Reg() = 0;
    virtual Spooler& PrintSpooler() = 0;
    virtual ServiceManager& Services() = 0;
    virtual Broadcasts& WindowBroadcasts() = 0;
};

// The active platform. Installing nullptr is allowed only between tests.
Platform& os();
void InstallPlatform(Platform* platform);

}  // namespace plat
