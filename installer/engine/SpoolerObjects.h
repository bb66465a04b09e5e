#pragma once
// Wrappers around the spooler calls that create the installed objects. Each turns a
// failure into the error text (a "Message" text, then the system's text for the code)
// and decides which "already there" answers count as success.
#include <cstdint>
#include <string>

#include "platform/Spooler.h"

class ErrorText;

// The most numbered names tried after the plain one: "name(1)" .. "name(98)".
constexpr int kMaxPrinterNumber = 98;

// Adds the printer at level 2. A taken name is retried as name(1) .. name(98) unless
// noNumbering (USB ports); the record then holds the accepted name. 1 added, 0 failed.
int AddPrinterEntry(plat::PrinterInfo2& printer, uint32_t level, bool noNumbering, ErrorText& error);
// 1 added, 0 failed ("IDS_ERR_ADDPRNDRV3").
int AddDriverEntry(const plat::DriverInfo3& driver, ErrorText& error);
// 1 added or already installed, 0 failed ("IDS_ERR_ADDMONITOR" when the system can say why).
int AddMonitorEntry(const plat::MonitorInfo2& monitor, ErrorText& error);
// 1 added; 3005, 183 or 87 as Windows answered; 0 for any other failure. No error text.
uint32_t AddProcessorEntry(const std::string& processorName, const std::string& dllName, int osCode);
// 1 done, 0 failed; no error text.
int MakeDefaultPrinter(const std::string* printerName);
// Has the spooler enumerate its ports (before a USB printer is added). 1 or 0.
int ProbePortList(ErrorText& error);
