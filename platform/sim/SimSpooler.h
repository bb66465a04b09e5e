#pragma once
// The simulated print spooler. It keeps its objects where Windows keeps them: drivers,
// printers, monitors and print processors as keys of the simulated registry below
// HKLM\SYSTEM\CurrentControlSet\Control\Print, driver and processor files on the disk
// below System32\spool; the Standard TCP/IP port monitor takes "AddPort" calls.
#include <map>
#include <string>
#include <vector>

#include "platform/Spooler.h"

namespace plat::sim {

struct MachineIdentity;
class IniText;
class SimMachine;
class SimRegistry;
class SimFileSystem;

// Applies a machine file's [Spooler] and [SpoolerService] sections
// (docs/machine-file.md); "" or what is wrong.
std::string ApplySpoolerSettings(const IniText& ini, SimMachine& machine);

struct SpoolerSettings {
    // What adding a print processor that exists already answers (unconfirmed on
    // Windows: 3005 or 183).
    uint32_t processorExistsError = kErrorPrintProcessorAlreadyInstalled;
    // The XcvData call itself fails with this code (0: the monitor is reached).
    uint32_t xcvCallError = 0;
    // The status the monitor answers "AddPort" with when it is reached and the record
    // is sound (0: the port is added).
    uint32_t xcvStatus = 0;
    // winspool.drv exports SetDefaultPrinterA (Windows 2000 and later).
    bool hasSetDefaultPrinter = true;
};

class SimSpooler : public Spooler {
public:
    static constexpr const char* kPrintKey = "HKLM\\SYSTEM\\CurrentControlSet\\Control\\Print";
    static constexpr const char* kTcpMonitor = "Standard TCP/IP Port";

    SimSpooler(MachineIdentity& id, SimRegistry& registry, SimFileSystem& disk);

    SpoolerSettings& Settings() { return settings_; }
    // Lays out what a fresh Windows has: the spool folders, the local ports and the
    // system's own monitors. Called when the machine's system folders are made.
    void Prepare();

    // Machine set-up (not listed as changes): objects that exist before the run.
    void PutPrinter(const std::string& name, const std::string& driver = "", const std::string& port = "LPT1:");
    void PutMonitor(const std::string& name, const std::string& dll, const std::string* driverVersion);
    void PutProcessor(const std::string& environment, const std::string& name, const std::string& dll,
                      const std::string* driverVersion);

    // Keys of the objects, for tests and the change listing.
    std::string EnvironmentKey(const std::string& environment) const;
    std::string DriverKey(const std::string& environment, uint32_t version, const std::string& name) const;
    std::string PrinterKey(const std::string& name) const;
    std::string MonitorKey(const std::string& name) const;
    std::string ProcessorKey(const std::string& environment, const std::string& name) const;
    std::string TcpPortKey(const std::string& name) const;
    // The environment a null environment stands for: the machine's own, also for a
    // 32-bit program on 64-bit Windows (its driver and processor keys are the x64 ones).
    std::string DefaultEnvironment() const;

    uint32_t AddDriver3(const DriverInfo3& driver) override;
    uint32_t AddPrinter2(const PrinterInfo2& printer, PrinterHandle& handle) override;
    uint32_t AddMonitor2(const MonitorInfo2& monitor) override;
    uint32_t AddProcessor(const std::string& environment, const std::string& dllName,
                          const std::string& processorName) override;
    uint32_t OpenPrinterHandle(const std::string& name, uint32_t access, PrinterHandle& handle) override;
    uint32_t ClosePrinterHandle(PrinterHandle handle) override;
    uint32_t ReadPrinter2(PrinterHandle handle, uint32_t bufferSize, uint32_t& needed, PrinterInfo2& printer) override;
    uint32_t WritePrinter2(PrinterHandle handle, const PrinterInfo2& printer) override;
    uint32_t EnumPorts1(uint32_t bufferSize, uint32_t& needed, std::vector<PortInfo1>& ports) override;
    uint32_t DriverDirectory(const std::string& environment, std::string& directory) override;
    uint32_t ProcessorDirectory(const std::string& environment, std::string& directory) override;
    uint32_t SetDefaultPrinterNamed(const std::string& name) override;
    uint32_t DefaultPrinterName(std::string& name) override;
    uint32_t XcvCall(PrinterHandle monitor, const std::u16string& command, const std::string& input,
                     uint32_t outputSize, std::string& output, uint32_t& status) override;

private:
    struct Opened {
        std::string printer;     // a printer's name, or
        std::string xcvMonitor;  // the monitor an Xcv handle reaches
        uint32_t access = 0;
    };
    bool NineX() const;
    bool Exists(const std::string& path) const;
    // The environment name as the spooler files it; "" for an unknown one.
    std::string Environment(const std::string& requested) const;
    std::string EnvironmentFolder(const std::string& environment) const;
    std::string PrinterKeyFor(const std::string& name) const;  // existing key, any case; "" if none
    std::string Spool() const;
    std::vector<std::string> PortNames() const;
    PrinterInfo2 Load(const std::string& key) const;
    void Store(const std::string& key, const PrinterInfo2& printer, bool record);

    MachineIdentity& id_;
    SimRegistry& registry_;
    SimFileSystem& disk_;
    SpoolerSettings settings_;
    std::map<PrinterHandle, Opened> open_;
    PrinterHandle next_ = 0x3000;
};

}  // namespace plat::sim
