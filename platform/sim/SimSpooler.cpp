#include "platform/sim/SimSpooler.h"

#include "platform/ErrorCodes.h"
#include "platform/sim/IniText.h"
#include "platform/sim/SimFileSystem.h"
#include "platform/sim/SimMachine.h"
#include "platform/sim/SimRegistry.h"

namespace plat::sim {

namespace {

constexpr uint32_t kErrorUnknownPrintMonitor = 3000;
constexpr uint32_t kErrorNotSupported = 50;
constexpr uint32_t kErrorInvalidData = 13;
constexpr uint32_t kErrorInvalidLevel = 124;
// sizeof(PRINTER_INFO_2) and sizeof(PORT_INFO_1) for a 32-bit program.
constexpr uint32_t kPrinterInfo2Size = 84;
constexpr uint32_t kPortInfo1Size = 4;

constexpr const char* kPortsKey = "HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports";
constexpr const char* kPrintersSoftwareKey = "HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Print\\Printers";
constexpr const char* kDefaultPrinterKey = "HKCU\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";

std::string Narrow(const std::u16string& text) {
    std::string out;
    for (char16_t c : text) out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

std::string FirstField(const std::string& text) { return text.substr(0, text.find(',')); }

// The names of a zero-separated list, up to the first empty entry.
std::vector<std::string> ListNames(const std::string& list) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start < list.size()) {
        std::size_t end = list.find('\0', start);
        if (end == std::string::npos) end = list.size();
        if (end == start) break;
        names.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

std::string FileName(const std::string& path) {
    std::size_t slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

SimSpooler::SimSpooler(MachineIdentity& id, SimRegistry& registry, SimFileSystem& disk)
    : id_(id), registry_(registry), disk_(disk) {}

bool SimSpooler::Exists(const std::string& path) const {
    return disk_.GetAttributes(path, nullptr) != kInvalidFileAttributes;
}

void SimSpooler::Prepare() {
    std::string directory;
    DriverDirectory("", directory);
    ProcessorDirectory("", directory);
    if (NineX()) return;
    if (!registry_.KeyExists(kPortsKey)) {
        for (const char* port : {"COM1:", "COM2:", "COM3:", "COM4:"})
            registry_.PutValue(kPortsKey, port, kRegSz, SimRegistry::Text("9600,n,8,1"));
        for (const char* port : {"LPT1:", "LPT2:", "LPT3:", "FILE:"})
            registry_.PutValue(kPortsKey, port, kRegSz, SimRegistry::Text(""));
    }
    std::string winPrint = ProcessorKey(DefaultEnvironment(), "WinPrint");
    if (!registry_.KeyExists(winPrint)) registry_.PutValue(winPrint, "Driver", kRegSz, SimRegistry::Text("winprint.dll"));
    if (!registry_.KeyExists(MonitorKey("Local Port")))
        registry_.PutValue(MonitorKey("Local Port"), "Driver", kRegSz, SimRegistry::Text("localspl.dll"));
    if (id_.version.major >= 5 && !registry_.KeyExists(MonitorKey(kTcpMonitor)))
        registry_.PutValue(MonitorKey(kTcpMonitor), "Driver", kRegSz, SimRegistry::Text("tcpmon.dll"));
}

bool SimSpooler::NineX() const { return id_.version.platformId != kPlatformWin32Nt; }

std::string SimSpooler::DefaultEnvironment() const {
    if (NineX()) return kEnvironmentWin9x;
    if (id_.nativeArchitecture == kProcessorArchitectureAmd64) return kEnvironmentX64;
    if (id_.nativeArchitecture == kProcessorArchitectureIa64) return "Windows IA64";
    return kEnvironmentNtX86;
}

std::string SimSpooler::Environment(const std::string& requested) const {
    if (requested.empty()) return DefaultEnvironment();
    if (NineX()) return EqualsNoCase(requested, kEnvironmentWin9x) ? kEnvironmentWin9x : "";
    for (const char* known : {kEnvironmentNtX86, kEnvironmentWin9x, kEnvironmentX64, "Windows IA64"})
        if (EqualsNoCase(requested, known)) return known;
    return "";
}

std::string SimSpooler::EnvironmentFolder(const std::string& environment) const {
    if (environment == kEnvironmentX64) return "x64";
    if (environment == kEnvironmentWin9x) return "WIN40";
    if (environment == "Windows IA64") return "IA64";
    return "W32X86";
}

std::string SimSpooler::Spool() const { return id_.windowsDirectory + "\\system32\\spool"; }

std::string SimSpooler::EnvironmentKey(const std::string& environment) const {
    return std::string(kPrintKey) + "\\Environments\\" + environment;
}

std::string SimSpooler::DriverKey(const std::string& environment, uint32_t version, const std::string& name) const {
    if (environment == kEnvironmentWin9x) return EnvironmentKey(environment) + "\\Drivers\\" + name;
    return EnvironmentKey(environment) + "\\Drivers\\Version-" + std::to_string(version) + "\\" + name;
}

std::string SimSpooler::PrinterKey(const std::string& name) const { return std::string(kPrintKey) + "\\Printers\\" + name; }
std::string SimSpooler::MonitorKey(const std::string& name) const { return std::string(kPrintKey) + "\\Monitors\\" + name; }
std::string SimSpooler::ProcessorKey(const std::string& environment, const std::string& name) const {
    return EnvironmentKey(environment) + "\\Print Processors\\" + name;
}
std::string SimSpooler::TcpPortKey(const std::string& name) const {
    return MonitorKey(kTcpMonitor) + "\\Ports\\" + name;
}

std::string SimSpooler::PrinterKeyFor(const std::string& name) const {
    std::string key = PrinterKey(name);
    return registry_.KeyExists(key) ? key : "";
}

void SimSpooler::PutPrinter(const std::string& name, const std::string& driver, const std::string& port) {
    PrinterInfo2 printer;
    printer.pPrinterName = name;
    printer.pDriverName = driver;
    printer.pPortName = port;
    printer.pPrintProcessor = "WinPrint";
    printer.pDatatype = "RAW";
    Store(PrinterKey(name), printer, false);
}

void SimSpooler::PutMonitor(const std::string& name, const std::string& dll, const std::string* driverVersion) {
    registry_.PutValue(MonitorKey(name), "Driver", kRegSz, SimRegistry::Text(dll));
    if (driverVersion)
        registry_.PutValue(MonitorKey(name), "DriverVersion", kRegDword,
                           SimRegistry::Dword(static_cast<uint32_t>(std::stoul(*driverVersion))));
}

void SimSpooler::PutProcessor(const std::string& environment, const std::string& name, const std::string& dll,
                              const std::string* driverVersion) {
    std::string key = ProcessorKey(Environment(environment), name);
    registry_.PutValue(key, "Driver", kRegSz, SimRegistry::Text(dll));
    if (driverVersion)
        registry_.PutValue(key, "DriverVersion", kRegDword,
                           SimRegistry::Dword(static_cast<uint32_t>(std::stoul(*driverVersion))));
}

uint32_t SimSpooler::DriverDirectory(const std::string& environment, std::string& directory) {
    std::string env = Environment(environment);
    if (env.empty()) return kErrorInvalidEnvironment;
    directory = NineX() ? id_.windowsDirectory + "\\SYSTEM" : Spool() + "\\DRIVERS\\" + EnvironmentFolder(env);
    disk_.PutDirectory(directory);
    return 0;
}

uint32_t SimSpooler::ProcessorDirectory(const std::string& environment, std::string& directory) {
    std::string env = Environment(environment);
    if (env.empty()) return kErrorInvalidEnvironment;
    directory = NineX() ? id_.windowsDirectory + "\\SYSTEM" : Spool() + "\\PRTPROCS\\" + EnvironmentFolder(env);
    disk_.PutDirectory(directory);
    return 0;
}

uint32_t SimSpooler::AddDriver3(const DriverInfo3& driver) {
    if (!id_.administrator) return kErrorAccessDenied;
    std::string env = Environment(driver.pEnvironment);
    if (env.empty()) return kErrorInvalidEnvironment;
    if (driver.pName.empty() || driver.pDriverPath.empty() || driver.pDataFile.empty() || driver.pConfigFile.empty())
        return kErrorInvalidParameter;
    if (!driver.pMonitorName.empty() && !registry_.KeyExists(MonitorKey(driver.pMonitorName)))
        return kErrorUnknownPrintMonitor;
    std::string directory;
    DriverDirectory(env, directory);
    std::vector<std::string> files = {driver.pDriverPath, driver.pDataFile, driver.pConfigFile};
    if (!driver.pHelpFile.empty()) files.push_back(driver.pHelpFile);
    for (const std::string& name : ListNames(driver.pDependentFiles)) files.push_back(name);
    // Every file must already be in the driver directory (or installed with an
    // earlier driver of the same version); Windows moves them into the version folder.
    std::string versionFolder = NineX() ? directory : directory + "\\" + std::to_string(driver.cVersion);
    std::vector<std::pair<std::string, std::string>> copies;
    for (const std::string& file : files) {
        std::string name = FileName(file);
        std::string source = file.find('\\') == std::string::npos ? directory + "\\" + file : file;
        std::string contents;
        if (disk_.ReadWholeFile(source, contents) == 0) {
            copies.push_back({versionFolder + "\\" + name, contents});
        } else if (!Exists(versionFolder + "\\" + name)) {
            return kErrorFileNotFound;
        }
    }
    if (!NineX()) {
        if (!Exists(versionFolder)) disk_.MakeDirectory(versionFolder);
        for (const auto& [target, contents] : copies) disk_.WriteWholeFile(target, contents);
    }
    std::string key = DriverKey(env, driver.cVersion, driver.pName);
    registry_.CreateKey(key);
    registry_.SetValue(key, "Driver", kRegSz, SimRegistry::Text(FileName(driver.pDriverPath)));
    registry_.SetValue(key, "Data File", kRegSz, SimRegistry::Text(FileName(driver.pDataFile)));
    registry_.SetValue(key, "Configuration File", kRegSz, SimRegistry::Text(FileName(driver.pConfigFile)));
    registry_.SetValue(key, "Help File", kRegSz, SimRegistry::Text(FileName(driver.pHelpFile)));
    std::string dependent;
    for (const std::string& name : ListNames(driver.pDependentFiles)) dependent += FileName(name) + '\0';
    registry_.SetValue(key, "Dependent Files", kRegMultiSz, dependent + '\0');
    registry_.SetValue(key, "Monitor", kRegSz, SimRegistry::Text(driver.pMonitorName));
    registry_.SetValue(key, "Datatype", kRegSz, SimRegistry::Text(driver.pDefaultDataType));
    registry_.SetValue(key, "Version", kRegDword, SimRegistry::Dword(driver.cVersion));
    return 0;
}

PrinterInfo2 SimSpooler::Load(const std::string& key) const {
    auto text = [&](const char* name) {
        const RegistryValue* v = registry_.FindValue(key, name);
        return v ? SimRegistry::AsText(*v) : std::string();
    };
    auto number = [&](const char* name) {
        const RegistryValue* v = registry_.FindValue(key, name);
        auto n = v ? SimRegistry::AsDword(*v) : std::nullopt;
        return n ? *n : 0u;
    };
    PrinterInfo2 p;
    p.pPrinterName = text("Name");
    p.pShareName = text("Share Name");
    p.pPortName = text("Port");
    p.pDriverName = text("Printer Driver");
    p.pComment = text("Description");
    p.pLocation = text("Location");
    p.pSepFile = text("Separator File");
    p.pPrintProcessor = text("Print Processor");
    p.pDatatype = text("Datatype");
    p.pParameters = text("Parameters");
    p.Attributes = number("Attributes");
    p.Priority = number("Priority");
    p.DefaultPriority = number("Default Priority");
    p.StartTime = number("StartTime");
    p.UntilTime = number("UntilTime");
    p.Status = number("Status");
    return p;
}

void SimSpooler::Store(const std::string& key, const PrinterInfo2& p, bool record) {
    auto put = [&](const char* name, uint32_t type, const std::string& data) {
        if (record) registry_.SetValue(key, name, type, data);
        else registry_.PutValue(key, name, type, data);
    };
    auto text = [&](const char* name, const std::string& value) { put(name, kRegSz, SimRegistry::Text(value)); };
    auto number = [&](const char* name, uint32_t value) { put(name, kRegDword, SimRegistry::Dword(value)); };
    if (record) registry_.CreateKey(key);
    else registry_.PutKey(key);
    text("Name", p.pPrinterName);
    text("Share Name", p.pShareName);
    text("Port", p.pPortName);
    text("Printer Driver", p.pDriverName);
    text("Description", p.pComment);
    text("Location", p.pLocation);
    text("Separator File", p.pSepFile);
    text("Print Processor", p.pPrintProcessor);
    text("Datatype", p.pDatatype);
    text("Parameters", p.pParameters);
    number("Attributes", p.Attributes);
    number("Priority", p.Priority);
    number("Default Priority", p.DefaultPriority);
    number("StartTime", p.StartTime);
    number("UntilTime", p.UntilTime);
    number("Status", p.Status);
}

uint32_t SimSpooler::AddPrinter2(const PrinterInfo2& printer, PrinterHandle& handle) {
    handle = 0;
    if (!id_.administrator) return kErrorAccessDenied;
    if (printer.pPrinterName.empty() || printer.pPortName.empty() || printer.pDriverName.empty() ||
        printer.pPrintProcessor.empty())
        return kErrorInvalidParameter;
    if (!PrinterKeyFor(printer.pPrinterName).empty()) return kErrorPrinterAlreadyExists;
    // A printer needs a driver, and a processor, of the machine's own environment.
    std::vector<std::string> environments = {DefaultEnvironment()};
    bool driverKnown = false, processorKnown = EqualsNoCase(printer.pPrintProcessor, "WinPrint");
    for (const std::string& env : environments) {
        std::string drivers = EnvironmentKey(env) + "\\Drivers";
        if (registry_.KeyExists(drivers + "\\" + printer.pDriverName)) driverKnown = true;
        for (const std::string& version : registry_.SubKeyNames(drivers))
            if (registry_.KeyExists(drivers + "\\" + version + "\\" + printer.pDriverName)) driverKnown = true;
        if (registry_.KeyExists(ProcessorKey(env, printer.pPrintProcessor))) processorKnown = true;
    }
    if (!driverKnown) return kErrorUnknownPrinterDriver;
    if (!processorKnown) return kErrorUnknownPrintProcessor;
    PrinterInfo2 stored = printer;
    stored.pServerName.clear();
    Store(PrinterKey(printer.pPrinterName), stored, true);
    if (!NineX()) registry_.CreateKey(std::string(kPrintersSoftwareKey) + "\\" + printer.pPrinterName);
    handle = next_;
    next_ += 4;
    open_[handle] = {printer.pPrinterName, "", kPrinterAllAccess};
    return 0;
}

uint32_t SimSpooler::AddMonitor2(const MonitorInfo2& monitor) {
    if (!id_.administrator) return kErrorAccessDenied;
    if (monitor.pName.empty() || monitor.pDLLName.empty()) return kErrorInvalidParameter;
    if (Environment(monitor.pEnvironment).empty()) return kErrorInvalidEnvironment;
    if (registry_.KeyExists(MonitorKey(monitor.pName))) return kErrorPrintMonitorAlreadyInstalled;
    // The spooler loads the monitor from its own system directory.
    std::string dll = id_.windowsDirectory + (NineX() ? "\\SYSTEM\\" : "\\system32\\") + monitor.pDLLName;
    if (!Exists(dll)) return kErrorModNotFound;
    registry_.CreateKey(MonitorKey(monitor.pName));
    registry_.SetValue(MonitorKey(monitor.pName), "Driver", kRegSz, SimRegistry::Text(monitor.pDLLName));
    return 0;
}

uint32_t SimSpooler::AddProcessor(const std::string& environment, const std::string& dllName,
                                  const std::string& processorName) {
    if (!id_.administrator) return kErrorAccessDenied;
    std::string env = Environment(environment);
    if (env.empty()) return kErrorInvalidEnvironment;
    if (dllName.empty() || processorName.empty()) return kErrorInvalidParameter;
    std::string key = ProcessorKey(env, processorName);
    if (registry_.KeyExists(key)) return settings_.processorExistsError;
    std::string directory;
    ProcessorDirectory(env, directory);
    if (!Exists(directory + "\\" + dllName)) return kErrorFileNotFound;
    registry_.CreateKey(key);
    registry_.SetValue(key, "Driver", kRegSz, SimRegistry::Text(dllName));
    return 0;
}

uint32_t SimSpooler::OpenPrinterHandle(const std::string& name, uint32_t access, PrinterHandle& handle) {
    handle = 0;
    Opened opened{"", "", access};
    const std::string xcv = ",XcvMonitor ";
    if (name.compare(0, xcv.size(), xcv) == 0) {
        std::string monitor = name.substr(xcv.size());
        // The Standard TCP/IP port monitor came with Windows 2000.
        if (NineX() || id_.version.major < 5 || !EqualsNoCase(monitor, kTcpMonitor)) return kErrorInvalidPrinterName;
        if ((access & kServerAccessAdminister) && !id_.administrator) return kErrorAccessDenied;
        opened.xcvMonitor = kTcpMonitor;
    } else {
        std::string key = PrinterKeyFor(name);
        if (key.empty()) return kErrorInvalidPrinterName;
        opened.printer = Load(key).pPrinterName;
    }
    handle = next_;
    next_ += 4;
    open_[handle] = opened;
    return 0;
}

uint32_t SimSpooler::ClosePrinterHandle(PrinterHandle handle) { return open_.erase(handle) ? 0 : kErrorInvalidHandle; }

uint32_t SimSpooler::ReadPrinter2(PrinterHandle handle, uint32_t bufferSize, uint32_t& needed, PrinterInfo2& printer) {
    auto it = open_.find(handle);
    if (it == open_.end() || it->second.printer.empty()) return kErrorInvalidHandle;
    PrinterInfo2 p = Load(PrinterKey(it->second.printer));
    needed = kPrinterInfo2Size;
    for (const std::string* s : {&p.pServerName, &p.pPrinterName, &p.pShareName, &p.pPortName, &p.pDriverName,
                                 &p.pComment, &p.pLocation, &p.pSepFile, &p.pPrintProcessor, &p.pDatatype,
                                 &p.pParameters})
        if (!s->empty()) needed += static_cast<uint32_t>(s->size() + 1);
    if (bufferSize < needed) return kErrorInsufficientBuffer;
    printer = p;
    return 0;
}

uint32_t SimSpooler::WritePrinter2(PrinterHandle handle, const PrinterInfo2& printer) {
    auto it = open_.find(handle);
    if (it == open_.end() || it->second.printer.empty()) return kErrorInvalidHandle;
    if (!id_.administrator) return kErrorAccessDenied;
    PrinterInfo2 stored = printer;
    stored.pPrinterName = it->second.printer;
    stored.pServerName.clear();
    // On Windows 9x the default attribute moves the default printer here.
    if (NineX() && (printer.Attributes & kPrinterAttributeDefault)) {
        for (const std::string& other : registry_.SubKeyNames(std::string(kPrintKey) + "\\Printers")) {
            if (EqualsNoCase(other, stored.pPrinterName)) continue;
            PrinterInfo2 p = Load(PrinterKey(other));
            if (p.Attributes & kPrinterAttributeDefault) {
                p.Attributes &= ~kPrinterAttributeDefault;
                Store(PrinterKey(other), p, true);
            }
        }
    }
    Store(PrinterKey(stored.pPrinterName), stored, true);
    return 0;
}

std::vector<std::string> SimSpooler::PortNames() const {
    std::vector<std::string> names;
    if (NineX()) {
        for (const char* port : {"LPT1:", "COM1:", "COM2:", "FILE:"}) names.push_back(port);
        return names;
    }
    for (const RegistryValue& value : registry_.Values(kPortsKey)) names.push_back(value.name);
    for (const std::string& port : registry_.SubKeyNames(MonitorKey(kTcpMonitor) + "\\Ports")) names.push_back(port);
    return names;
}

uint32_t SimSpooler::EnumPorts1(uint32_t bufferSize, uint32_t& needed, std::vector<PortInfo1>& ports) {
    std::vector<std::string> names = PortNames();
    needed = 0;
    for (const std::string& name : names) needed += kPortInfo1Size + static_cast<uint32_t>(name.size() + 1);
    if (bufferSize < needed) return kErrorInsufficientBuffer;
    ports.clear();
    for (const std::string& name : names) ports.push_back({name});
    return 0;
}

uint32_t SimSpooler::SetDefaultPrinterNamed(const std::string& name) {
    if (!settings_.hasSetDefaultPrinter || NineX() || id_.version.major < 5) return kErrorProcNotFound;
    std::string key = PrinterKeyFor(name);
    if (key.empty()) return kErrorInvalidPrinterName;
    PrinterInfo2 p = Load(key);
    registry_.SetValue(kDefaultPrinterKey, "Device", kRegSz,
                       SimRegistry::Text(p.pPrinterName + ",winspool," + p.pPortName));
    return 0;
}

uint32_t SimSpooler::DefaultPrinterName(std::string& name) {
    if (const RegistryValue* device = registry_.FindValue(kDefaultPrinterKey, "Device")) {
        name = FirstField(SimRegistry::AsText(*device));
        return 0;
    }
    std::string winIni;
    if (disk_.ReadWholeFile(id_.windowsDirectory + "\\win.ini", winIni) == 0) {
        if (auto device = IniText::Parse(winIni).Find("windows", "device"); device && !device->empty()) {
            name = FirstField(*device);
            return 0;
        }
    }
    for (const std::string& printer : registry_.SubKeyNames(std::string(kPrintKey) + "\\Printers")) {
        PrinterInfo2 p = Load(PrinterKey(printer));
        if (p.Attributes & kPrinterAttributeDefault) {
            name = p.pPrinterName;
            return 0;
        }
    }
    return kErrorFileNotFound;
}

uint32_t SimSpooler::XcvCall(PrinterHandle monitor, const std::u16string& command, const std::string& input,
                             uint32_t, std::string& output, uint32_t& status) {
    auto it = open_.find(monitor);
    if (it == open_.end() || it->second.xcvMonitor.empty()) return kErrorInvalidHandle;
    if (settings_.xcvCallError) {
        status = settings_.xcvStatus;
        return settings_.xcvCallError;
    }
    output.clear();
    if (command != u"AddPort") {
        status = kErrorNotSupported;
        return 0;
    }
    PortData1 record;
    if (input.empty()) status = kErrorInvalidData;
    else if (!(it->second.access & kServerAccessAdminister)) status = kErrorAccessDenied;
    else if (!PortData1::FromBytes(input, record)) status = kErrorInvalidParameter;
    else if (record.dwVersion != 1) status = kErrorInvalidLevel;
    else if (settings_.xcvStatus) status = settings_.xcvStatus;
    else if (registry_.KeyExists(TcpPortKey(Narrow(record.sztPortName)))) status = kErrorAlreadyExists;
    else {
        std::string key = TcpPortKey(Narrow(record.sztPortName));
        registry_.CreateKey(key);
        registry_.SetValue(key, "Protocol", kRegDword, SimRegistry::Dword(record.dwProtocol));
        registry_.SetValue(key, "Version", kRegDword, SimRegistry::Dword(record.dwVersion));
        registry_.SetValue(key, "HostName", kRegSz, SimRegistry::Text(Narrow(record.sztHostAddress)));
        registry_.SetValue(key, "IPAddress", kRegSz, SimRegistry::Text(Narrow(record.sztIPAddress)));
        registry_.SetValue(key, "PortNumber", kRegDword, SimRegistry::Dword(record.dwPortNumber));
        registry_.SetValue(key, "SNMP Community", kRegSz, SimRegistry::Text(Narrow(record.sztSNMPCommunity)));
        registry_.SetValue(key, "SNMP Enabled", kRegDword, SimRegistry::Dword(record.dwSNMPEnabled));
        registry_.SetValue(key, "SNMP Index", kRegDword, SimRegistry::Dword(record.dwSNMPDevIndex));
        registry_.SetValue(key, "Double Spool", kRegDword, SimRegistry::Dword(record.dwDoubleSpool));
        status = 0;
    }
    return 0;
}

}  // namespace plat::sim
