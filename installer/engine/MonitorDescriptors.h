#pragma once
// The maker's shared spooler components as DRVCONFIG\setup.ini describes them, one
// "COMMON-MONITOR" section per Windows version.
#include <cstdint>
#include <string>

#include "platform/Spooler.h"

// The serial and the USB port monitor; each record can go to AddMonitorEntry as it is.
struct PortMonitorPair {
    plat::MonitorInfo2 serial;
    plat::MonitorInfo2 usb;
    std::string serialUiDll;
    std::string usbUiDll;
    uint32_t serialVersion = 0;
    uint32_t usbVersion = 0;
};

// The USB language monitor; name and DLL empty when the package sets none.
struct LanguageMonitorInfo {
    plat::MonitorInfo2 monitor;
    uint32_t version = 0;
};
