#pragma once
// The print spooler of the local machine. The records carry what the Windows records
// carry, field for field; an empty text stands for a null pointer.
#include <cstdint>
#include <string>
#include <vector>

namespace plat {

using PrinterHandle = uintptr_t;

constexpr uint32_t kErrorProcNotFound = 127;
constexpr uint32_t kErrorModNotFound = 126;
constexpr uint32_t kErrorUnknownPort = 1796;
constexpr uint32_t kErrorUnknownPrinterDriver = 1797;
constexpr uint32_t kErrorUnknownPrintProcessor = 1798;
constexpr uint32_t kErrorInvalidPrinterName = 1801;
constexpr uint32_t kErrorPrinterAlreadyExists = 1802;
constexpr uint32_t kErrorInvalidEnvironment = 1805;
constexpr uint32_t kErrorPrintProcessorAlreadyInstalled = 3005;
constexpr uint32_t kErrorPrintMonitorAlreadyInstalled = 3006;

constexpr uint32_t kPrinterAttributeDefault = 0x04;
constexpr uint32_t kServerAccessAdminister = 0x01;
constexpr uint32_t kPrinterAccessAdminister = 0x04;
constexpr uint32_t kPrinterAccessUse = 0x08;
constexpr uint32_t kPrinterAllAccess = 0xF000C;

// The environments the spooler keeps drivers for.
inline constexpr const char* kEnvironmentWin9x = "Windows 4.0";
inline constexpr const char* kEnvironmentNtX86 = "Windows NT x86";
inline constexpr const char* kEnvironmentX64 = "Windows x64";

// DRIVER_INFO_3. dependentFiles holds the names each followed by a zero byte; the
// closing extra zero is implied, so "" is the empty list.
struct DriverInfo3 {
    uint32_t cVersion = 0;
    std::string pName;
    std::string pEnvironment;
    std::string pDriverPath;
    std::string pDataFile;
    std::string pConfigFile;
    std::string pHelpFile;
    std::string pDependentFiles;
    std::string pMonitorName;
    std::string pDefaultDataType;
};

// PRINTER_INFO_2. The device mode and the security descriptor are always null here.
struct PrinterInfo2 {
    std::string pServerName;
    std::string pPrinterName;
    std::string pShareName;
    std::string pPortName;
    std::string pDriverName;
    std::string pComment;
    std::string pLocation;
    std::string pSepFile;
    std::string pPrintProcessor;
    std::string pDatatype;
    std::string pParameters;
    uint32_t Attributes = 0;
    uint32_t Priority = 0;
    uint32_t DefaultPriority = 0;
    uint32_t StartTime = 0;
    uint32_t UntilTime = 0;
    uint32_t Status = 0;
    uint32_t cJobs = 0;
    uint32_t AveragePPM = 0;
};

// MONITOR_INFO_2.
struct MonitorInfo2 {
    std::string pName;
    std::string pEnvironment;
    std::string pDLLName;
};

// PORT_INFO_1.
struct PortInfo1 {
    std::string pName;
};

// PORT_DATA_1, the input of the Standard TCP/IP port monitor's "AddPort" call: 964
// bytes, texts in UTF-16 with fixed room (the last character always zero).
struct PortData1 {
    static constexpr std::size_t kSize = 964;
    static constexpr std::size_t kPortNameChars = 64;
    static constexpr std::size_t kHostAddressChars = 49;
    static constexpr std::size_t kSnmpCommunityChars = 33;
    static constexpr std::size_t kQueueChars = 33;
    static constexpr std::size_t kIpAddressChars = 16;

    std::u16string sztPortName;
    uint32_t dwVersion = 0;
    uint32_t dwProtocol = 0;
    uint32_t cbSize = 0;
    uint32_t dwReserved = 0;
    std::u16string sztHostAddress;
    std::u16string sztSNMPCommunity;
    uint32_t dwDoubleSpool = 0;
    std::u16string sztQueue;
    std::u16string sztIPAddress;
    uint32_t dwPortNumber = 0;
    uint32_t dwSNMPEnabled = 0;
    uint32_t dwSNMPDevIndex = 0;

    // The record as the monitor receives it (little-endian; texts cut to their room).
    std::string ToBytes() const;
    // Reads a record; false when bytes is not 964 long.
    static bool FromBytes(const std::string& bytes, PortData1& record);
};

class Spooler {
public:
    virtual ~Spooler() = default;
    // AddPrinterDriverA level 3 on the local machine.
    virtual uint32_t AddDriver3(const DriverInfo3& driver) = 0;
    // AddPrinterA level 2; on success the caller owns the handle and closes it.
    virtual uint32_t AddPrinter2(const PrinterInfo2& printer, PrinterHandle& handle) = 0;
    // AddMonitorA level 2.
    virtual uint32_t AddMonitor2(const MonitorInfo2& monitor) = 0;
    // AddPrintProcessorA; environment "" is the caller's.
    virtual uint32_t AddProcessor(const std::string& environment, const std::string& dllName,
                                  const std::string& processorName) = 0;
    // OpenPrinterA with no data type and no device mode; ",XcvMonitor NAME" opens a
    // monitor for XcvCall.
    virtual uint32_t OpenPrinterHandle(const std::string& name, uint32_t access, PrinterHandle& handle) = 0;
    virtual uint32_t ClosePrinterHandle(PrinterHandle handle) = 0;
    // GetPrinterA level 2 into a buffer of bufferSize bytes: needed is always set; a
    // buffer too small gives 122.
    virtual uint32_t ReadPrinter2(PrinterHandle handle, uint32_t bufferSize, uint32_t& needed,
                                  PrinterInfo2& printer) = 0;
    // SetPrinterA level 2.
    virtual uint32_t WritePrinter2(PrinterHandle handle, const PrinterInfo2& printer) = 0;
    // EnumPortsA level 1 on the local machine into a buffer of bufferSize bytes.
    virtual uint32_t EnumPorts1(uint32_t bufferSize, uint32_t& needed, std::vector<PortInfo1>& ports) = 0;
    // GetPrinterDriverDirectoryA / GetPrintProcessorDirectoryA, level 1; "" is the
    // caller's environment.
    virtual uint32_t DriverDirectory(const std::string& environment, std::string& directory) = 0;
    virtual uint32_t ProcessorDirectory(const std::string& environment, std::string& directory) = 0;
    // SetDefaultPrinterA, looked up in winspool.drv at run time: 126 or 127 when the
    // library or the function is not there, else 0 or the call's error.
    virtual uint32_t SetDefaultPrinterNamed(const std::string& name) = 0;
    // GetDefaultPrinterA; 2 when there is none.
    virtual uint32_t DefaultPrinterName(std::string& name) = 0;
    // XcvDataW: the call's own error is returned, the monitor's answer goes to status.
    virtual uint32_t XcvCall(PrinterHandle monitor, const std::u16string& command, const std::string& input,
                             uint32_t outputSize, std::string& output, uint32_t& status) = 0;
};

}  // namespace plat
