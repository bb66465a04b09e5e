#pragma once
// Whether the maker's shared spooler components (the serial and USB port monitors, the
// USB language monitor and the print processor) are missing, outdated or current. A
// missing one is installed at once; an outdated one is flagged for the install worker,
// which replaces its DLL with the spooler stopped.
#include <string>

class ErrorText;
class ModelCatalogue;

constexpr int kSerialMonitorOutdated = 1;
constexpr int kUsbMonitorOutdated = 2;
constexpr int kLanguageMonitorOutdated = 4;
constexpr int kProcessorOutdated = 8;
constexpr int kAddMonitorFailed = -15;
constexpr int kAddProcessorFailed = -14;

// The catalogue's current type is set to printerType first.
int CheckPortMonitors(ModelCatalogue& catalogue, int printerType, int osCode, const std::string& portName,
                      ErrorText& error);
int CheckLanguageMonitor(ModelCatalogue& catalogue, int printerType, int osCode, const std::string& portName,
                         ErrorText& error);
int CheckPrintProcessor(int osCode, const std::string& processorName, const std::string& processorDllName,
                        ErrorText& error);

// The spooler keys holding an installed component's DriverVersion.
std::string MonitorKeyPath(const std::string& monitorName);
std::string ProcessorKeyPath(int osCode, const std::string& processorName);

// Windows' own driver files the model needs besides its package (Windows 98: ICONLIB
// and UNIDRV; 2000 and later with the DDK flag: the Unidrv support files).
void CheckSystemDriverFiles(int osCode, bool ddkFlag, ErrorText& error);
// A per-printer spool folder on the system drive, then a spooler restart.
void SetSpoolDirectory(const std::string& printerName);
