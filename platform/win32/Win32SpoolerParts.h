#pragma once
// The registry, spooler, service-manager and broadcast services of the win32 back end.
#include "platform/Broadcasts.h"
#include "platform/Registry.h"
#include "platform/Services.h"
#include "platform/Spooler.h"

namespace plat::win32 {

Registry& Win32RegistryService();
Spooler& Win32SpoolerService();
ServiceManager& Win32ServiceManager();
Broadcasts& Win32BroadcastService();

}  // namespace plat::win32
