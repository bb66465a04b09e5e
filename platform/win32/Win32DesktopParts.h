#pragma once
// The win32 back end's windows-and-mutexes, shell and security services, one file each.
#include "platform/Desktop.h"
#include "platform/Security.h"
#include "platform/Shell.h"

namespace plat::win32 {

Desktop& Win32Desktop();
Shell& Win32Shell();
Security& Win32Security();

}  // namespace plat::win32
