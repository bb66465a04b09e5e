#include "installer/engine/PortRegistration.h"

#include <cstdio>
#include <memory>

#include "installer/config/SetupIni.h"
#include "installer/engine/RegKey.h"
#include "platform/Platform.h"

PortMessageBox portMessageBox = nullptr;

namespace {

constexpr uint32_t kPortSubClassSerial = 1;

void ShowPortMessage(const std::string& text, const std::string& title) {
    if (portMessageBox) portMessageBox(text, title);
}

void PutDword(std::string& bytes, std::size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

void PutWord(std::string& bytes, std::size_t at, uint16_t value) {
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>(value >> 8);
}

// ANSI to UTF-16 as the system code page gives it; the port names and addresses are
// ASCII, other bytes pass as they are.
std::u16string Widen(const std::string& text) {
    std::u16string wide;
    for (unsigned char c : text) wide += static_cast<char16_t>(c);
    return wide;
}

}  // namespace

std::string Dcb::ToBytes() const {
    std::string bytes(28, '\0');
    PutDword(bytes, 0, DCBlength);
    PutDword(bytes, 4, BaudRate);
    uint32_t bits = (fBinary & 1) | (fParity & 1) << 1 | (fOutxCtsFlow & 1) << 2 | (fOutxDsrFlow & 1) << 3 |
                    (fDtrControl & 3) << 4 | (fDsrSensitivity & 1) << 6 | (fTXContinueOnXoff & 1) << 7 |
                    (fOutX & 1) << 8 | (fInX & 1) << 9 | (fErrorChar & 1) << 10 | (fNull & 1) << 11 |
                    (fRtsControl & 3) << 12 | (fAbortOnError & 1) << 14;
    PutDword(bytes, 8, bits);
    PutWord(bytes, 12, wReserved);
    PutWord(bytes, 14, XonLim);
    PutWord(bytes, 16, XoffLim);
    bytes[18] = static_cast<char>(ByteSize);
    bytes[19] = static_cast<char>(Parity);
    bytes[20] = static_cast<char>(StopBits);
    bytes[21] = XonChar;
    bytes[22] = XoffChar;
    bytes[23] = ErrorChar;
    bytes[24] = EofChar;
    bytes[25] = EvtChar;
    PutWord(bytes, 26, wReserved1);
    return bytes;
}

std::string SerialSettingsText(int baudRate, int byteSize, double stopBits, char parity, char flowControl) {
    char text[96];
    const char* format = stopBits == 1.5 ? "%d,%c,%d,%.1f,%c" : "%d,%c,%d,%.0f,%c";
    std::snprintf(text, sizeof(text), format, baudRate, parity, byteSize, stopBits, flowControl);
    return text;
}

Dcb MakeSerialDcb(int baudRate, int byteSize, double stopBits, char parity, char flowControl) {
    Dcb dcb;
    dcb.BaudRate = static_cast<uint32_t>(baudRate);
    dcb.ByteSize = static_cast<uint8_t>(byteSize);
    dcb.fBinary = 1;
    dcb.StopBits = stopBits == 1 ? 0 : stopBits == 1.5 ? 1 : stopBits == 2 ? 2 : 0;
    const std::string parities = "noems";
    std::size_t p = parities.find(parity);
    if (p != std::string::npos && parity != '\0') {
        dcb.Parity = static_cast<uint8_t>(p);
        dcb.fParity = dcb.fErrorChar = p == 0 ? 0 : 1;
    }
    if (flowControl == 'p') {
        dcb.fOutxCtsFlow = 1;
        dcb.fRtsControl = 1;
    } else if (flowControl == 'x') {
        dcb.fOutX = dcb.fInX = 1;
        dcb.XonChar = 0x11;
        dcb.XoffChar = 0x13;
    }
    return dcb;
}

void WriteSerialSettings98(int portNumber, const std::string& portName, int baudRate, int byteSize,
                           double stopBits, char parity, char flowControl) {
    Dcb dcb = MakeSerialDcb(baudRate, byteSize, stopBits, parity, flowControl);
    if (portNumber == 1 || portNumber == 2) {
        int serialSeen = 0;
        for (int n = 0; n < 4; ++n) {
            char key[80];
            std::snprintf(key, sizeof(key), "System\\CurrentControlSet\\Services\\Class\\Ports\\000%d", n);
            RegKey ports;
            if (!ports.Open(plat::kHkeyLocalMachine, key)) continue;
            std::string subClass;
            if (!ports.QueryValue("PortSubClass", subClass, 3) || subClass.empty() ||
                static_cast<unsigned char>(subClass[0]) != kPortSubClassSerial)
                continue;
            if (++serialSeen == portNumber) {
                ports.SetValue("DCB", dcb.ToBytes(), plat::kRegNone, 28);
                break;
            }
        }
    }
    auto& profile = plat::os().Profiles();
    profile.WriteString(std::string("Ports"), portName,
                        SerialSettingsText(baudRate, byteSize, stopBits, parity, flowControl), "win.ini");
    plat::os().WindowBroadcasts().NotifyIniChange("Ports");
    profile.WriteString(std::nullopt, std::nullopt, std::nullopt, "win.ini");
}

void WriteSerialSettingsNT(const std::string& portName, int baudRate, int byteSize, double stopBits, char parity,
                           char flowControl) {
    RegKey ports;
    if (!ports.Open(plat::kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports")) return;
    ports.SetString(portName, SerialSettingsText(baudRate, byteSize, stopBits, parity, flowControl));
}

void RegisterUsbPortName(const std::string& portName) {
    uint32_t number = static_cast<uint32_t>(ReadSetupInt("DRVCONFIG\\setup.ini", "SUPPORTED-USB-DEVICE", portName));
    std::unique_ptr<plat::RedirectionSwitch> redirection;
    if (is64BitWindows) {
        redirection = plat::os().FileSystem().LoadRedirectionSwitch();
        if (!redirection) ShowPortMessage("Can't Load Kernel32.dll", "");
        else if (!redirection->HasDisable())
            ShowPortMessage("Can't Get Function Wow64DisableWow64FsRedirection Address", "");
        else redirection->Disable();
    }
    RegKey key;
    const std::string portNames = "SOFTWARE\\VELOXIA\\PORTNAME\\";
    if (key.Open(plat::kHkeyLocalMachine, portNames) ||
        (CreateRegKey(plat::kHkeyLocalMachine, portNames) && key.Open(plat::kHkeyLocalMachine, portNames)))
        key.SetDword(portName, number);
    const std::string printerPorts = "SOFTWARE\\VELOXIA\\PRINTERPORT\\";
    if (!key.Open(plat::kHkeyLocalMachine, printerPorts)) CreateRegKey(plat::kHkeyLocalMachine, printerPorts);
    key.Close();
    if (redirection) {
        if (!redirection->HasRevert()) ShowPortMessage("Can't Get Function Wow64RevertWow64FsRedirection Address", "");
        else redirection->Revert();
    }
}

plat::PortData1 MakeTcpIpPortData(const std::string& portName, const std::string& ipAddress) {
    plat::PortData1 data;
    data.sztPortName = Widen(portName.substr(0, 31));
    data.dwVersion = 1;
    data.dwProtocol = 1;
    data.cbSize = plat::PortData1::kSize;
    data.sztHostAddress = Widen(ipAddress.substr(0, 31));
    data.sztSNMPCommunity = u"vortex";
    data.dwDoubleSpool = 1;
    data.dwPortNumber = 9100;
    data.dwSNMPEnabled = 0;
    data.dwSNMPDevIndex = 1;
    return data;
}

int AddTcpIpPort(const std::string& portName, const std::string& ipAddress) {
    auto& spooler = plat::os().PrintSpooler();
    plat::PrinterHandle monitor = 0;
    uint32_t error = spooler.OpenPrinterHandle(",XcvMonitor Standard TCP/IP Port", plat::kServerAccessAdminister, monitor);
    int result = 0;
    if (error == 0) {
        std::string output;
        uint32_t status = 0;
        error = spooler.XcvCall(monitor, u"AddPort", MakeTcpIpPortData(portName, ipAddress).ToBytes(), 260, output,
                                status);
        if (error == 0) result = 1;
        else error = status;
        spooler.ClosePrinterHandle(monitor);
    }
    if (!result) {
        std::string text;
        plat::os().Messages().SystemMessageText(error, text);
        ShowPortMessage(text, "ERROR");
    }
    return result;
}
