// Serial settings, the maker's USB port keys and the Standard TCP/IP port.
#include "installer/engine/PortRegistration.h"
#include "installer/engine/RegKey.h"
#include "tests/native/SpoolerEngineFixture.h"

namespace {

using plat::sim::SimRegistry;

std::vector<std::pair<std::string, std::string>> shownMessages;
void RecordMessage(const std::string& text, const std::string& title) { shownMessages.push_back({text, title}); }

class PortRegistrationTest : public SpoolerEngineTest {
protected:
    void SetUp() override {
        SpoolerEngineTest::SetUp();
        shownMessages.clear();
        portMessageBox = RecordMessage;
    }
    void TearDown() override {
        portMessageBox = nullptr;
        SpoolerEngineTest::TearDown();
    }
    std::optional<uint32_t> Dword(const std::string& key, const std::string& name) {
        const plat::sim::RegistryValue* v = Registry().FindValue(key, name);
        return v ? SimRegistry::AsDword(*v) : std::nullopt;
    }
};

TEST(SerialSettingsTest, SettingsText) {
    struct Case { int baud, bits; double stop; char parity, flow; const char* text; } cases[] = {
        {9600, 8, 1, 'n', 'p', "9600,n,8,1,p"},
        {9600, 8, 1.5, 'n', 'p', "9600,n,8,1.5,p"},
        {9600, 8, 2, 'n', 'p', "9600,n,8,2,p"},
        {115200, 7, 1, 'e', 'x', "115200,e,7,1,x"},
        {19200, 8, 1, 's', ' ', "19200,s,8,1, "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SerialSettingsText(c.baud, c.bits, c.stop, c.parity, c.flow), c.text) << c.text;
}

TEST(SerialSettingsTest, DeviceControlBlock) {
    struct Case { char parity; uint8_t value; uint32_t checked; } parities[] = {
        {'n', 0, 0}, {'o', 1, 1}, {'e', 2, 1}, {'m', 3, 1}, {'s', 4, 1},
    };
    for (const Case& c : parities) {
        Dcb dcb = MakeSerialDcb(9600, 8, 1, c.parity, ' ');
        EXPECT_EQ(dcb.Parity, c.value) << c.parity;
        EXPECT_EQ(dcb.fParity, c.checked) << c.parity;
        EXPECT_EQ(dcb.fErrorChar, c.checked) << c.parity;
    }
    struct Stop { double bits; uint8_t value; } stops[] = {{1, 0}, {1.5, 1}, {2, 2}, {3, 0}};
    for (const Stop& s : stops) EXPECT_EQ(MakeSerialDcb(9600, 8, s.bits, 'n', ' ').StopBits, s.value) << s.bits;

    Dcb hardware = MakeSerialDcb(38400, 7, 1, 'e', 'p');
    EXPECT_EQ(hardware.DCBlength, 28u);
    EXPECT_EQ(hardware.BaudRate, 38400u);
    EXPECT_EQ(hardware.ByteSize, 7);
    EXPECT_EQ(hardware.fBinary, 1u);
    EXPECT_EQ(hardware.fOutxCtsFlow, 1u);
    EXPECT_EQ(hardware.fRtsControl, 1u);
    EXPECT_EQ(hardware.fOutX, 0u);
    Dcb software = MakeSerialDcb(9600, 8, 1, 'n', 'x');
    EXPECT_EQ(software.fOutX, 1u);
    EXPECT_EQ(software.fInX, 1u);
    EXPECT_EQ(software.XonChar, 0x11);
    EXPECT_EQ(software.XoffChar, 0x13);
    EXPECT_EQ(software.fOutxCtsFlow, 0u);

    // The record as Windows lays it out: length, baud, the bit fields, then the bytes.
    std::string bytes = hardware.ToBytes();
    ASSERT_EQ(bytes.size(), 28u);
    EXPECT_EQ(bytes.substr(0, 8), std::string("\x1c\0\0\0\x00\x96\0\0", 8));
    // fBinary (bit 0), fParity (1), fOutxCtsFlow (2), fErrorChar (10), fRtsControl 1 (12).
    EXPECT_EQ(bytes.substr(8, 4), std::string("\x07\x14\0\0", 4));
    EXPECT_EQ(bytes[18], 7);  // ByteSize
    EXPECT_EQ(bytes[19], 2);  // Parity even
    EXPECT_EQ(bytes[20], 0);  // StopBits one
}

TEST_F(PortRegistrationTest, Windows98WritesTheDcbOfTheNthSerialPort) {
    struct Case { int port; const char* dcbKey; } cases[] = {{1, "0001"}, {2, "0003"}, {3, nullptr}};
    for (const Case& c : cases) {
        SetUp();
        UseWindows("98");
        const std::string ports = "HKLM\\System\\CurrentControlSet\\Services\\Class\\Ports\\";
        Registry().PutValue(ports + "0000", "PortSubClass", plat::kRegBinary, std::string("\x00", 1));
        Registry().PutValue(ports + "0001", "PortSubClass", plat::kRegBinary, std::string("\x01", 1));
        Registry().PutValue(ports + "0002", "PortSubClass", plat::kRegBinary, std::string("\x00", 1));
        Registry().PutValue(ports + "0003", "PortSubClass", plat::kRegBinary, std::string("\x01", 1));
        std::string name = "COM" + std::to_string(c.port) + ":";
        WriteSerialSettings98(c.port, name, 9600, 8, 1, 's', 'p');
        for (const char* key : {"0000", "0001", "0002", "0003"}) {
            const plat::sim::RegistryValue* dcb = Registry().FindValue(ports + key, "DCB");
            bool expected = c.dcbKey && std::string(c.dcbKey) == key;
            ASSERT_EQ(dcb != nullptr, expected) << c.port << " " << key;
            if (dcb) {
                EXPECT_EQ(dcb->type, plat::kRegNone);
                EXPECT_EQ(dcb->data, MakeSerialDcb(9600, 8, 1, 's', 'p').ToBytes());
                EXPECT_EQ(dcb->data[19], 4);  // space parity
            }
        }
        std::string winIni;
        machine->Disk().ReadWholeFile("C:\\WINDOWS\\win.ini", winIni);
        EXPECT_EQ(winIni, "[Ports]\r\n" + name + "=9600,s,8,1,p\r\n") << c.port;
        ASSERT_EQ(machine->WindowBroadcasts().Sent().size(), 1u);
        EXPECT_TRUE(machine->WindowBroadcasts().Sent()[0].notify);
        EXPECT_EQ(machine->WindowBroadcasts().Sent()[0].section, std::optional<std::string>("Ports"));
        TearDown();
    }
}

TEST_F(PortRegistrationTest, NtWritesThePortsValueButCreatesNoKey) {
    WriteSerialSettingsNT("COM1:", 19200, 7, 1.5, 'o', 'x');
    const std::string key = "HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports";
    EXPECT_EQ(SimRegistry::AsText(*Registry().FindValue(key, "COM1:")), "19200,o,7,1.5,x");
    EXPECT_TRUE(machine->WindowBroadcasts().Sent().empty());

}

TEST_F(PortRegistrationTest, UsbPortKeysLandInThe64BitView) {
    struct Case { const char* release; int bits; const char* port; uint32_t number; } cases[] = {
        {"7", 64, "USB_QMX-K660_3", 3}, {"xp", 32, "USB_QMX-K660_2", 2}, {"7", 64, "USB_OTHER_1", 0},
    };
    for (const Case& c : cases) {
        SetUp();
        UseWindows(c.release, c.bits);
        Put("DRVCONFIG\\setup.ini", "[SUPPORTED-USB-DEVICE]\r\nUSB_QMX-K660_2=2\r\nUSB_QMX-K660_3=3\r\n");
        RegisterUsbPortName(c.port);
        EXPECT_EQ(Dword("HKLM\\SOFTWARE\\VELOXIA\\PORTNAME", c.port), std::optional<uint32_t>(c.number)) << c.port;
        EXPECT_TRUE(Registry().KeyExists("HKLM\\SOFTWARE\\VELOXIA\\PRINTERPORT"));
        EXPECT_FALSE(Registry().KeyExists("HKLM\\SOFTWARE\\Wow6432Node\\VELOXIA"));
        EXPECT_EQ(machine->Reg().OpenKeyCount(), 0u);
        EXPECT_TRUE(shownMessages.empty());
        TearDown();
    }
}

TEST_F(PortRegistrationTest, TcpIpPortRecord) {
    std::string bytes = MakeTcpIpPortData("KQIP_192.168.0.20", "192.168.0.20").ToBytes();
    ASSERT_EQ(bytes.size(), 964u);
    auto dword = [&](std::size_t at) {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
        return v;
    };
    auto wide = [&](std::size_t at) {
        std::string text;
        for (std::size_t i = at; bytes[i] || bytes[i + 1]; i += 2) text += bytes[i];
        return text;
    };
    EXPECT_EQ(wide(0), "KQIP_192.168.0.20");
    EXPECT_EQ(dword(128), 1u);    // version
    EXPECT_EQ(dword(132), 1u);    // raw TCP
    EXPECT_EQ(dword(136), 964u);  // size
    EXPECT_EQ(wide(144), "192.168.0.20");
    EXPECT_EQ(wide(242), "vortex");
    EXPECT_EQ(dword(308), 1u);  // double spool
    EXPECT_EQ(dword(952), 9100u);
    EXPECT_EQ(dword(956), 0u);  // SNMP off
    EXPECT_EQ(dword(960), 1u);  // SNMP device index
    EXPECT_EQ(wide(312), "");   // queue
    EXPECT_EQ(wide(378), "");   // IP address field stays empty
    // Texts keep at most 31 characters.
    EXPECT_EQ(MakeTcpIpPortData(std::string(40, 'p'), "h").sztPortName, std::u16string(31, u'p'));
}

TEST_F(PortRegistrationTest, AddTcpIpPort) {
    EXPECT_EQ(AddTcpIpPort("KQIP_10.0.0.5", "10.0.0.5"), 1);
    std::string key = Spooler().TcpPortKey("KQIP_10.0.0.5");
    EXPECT_EQ(SimRegistry::AsText(*Registry().FindValue(key, "HostName")), "10.0.0.5");
    EXPECT_EQ(Dword(key, "PortNumber"), std::optional<uint32_t>(9100));
    // The port exists now: the monitor says so in its status, the call still succeeds.
    EXPECT_EQ(AddTcpIpPort("KQIP_10.0.0.5", "10.0.0.5"), 1);
    EXPECT_TRUE(shownMessages.empty());

    Spooler().Settings().xcvCallError = plat::kErrorAccessDenied;
    Spooler().Settings().xcvStatus = plat::kErrorAccessDenied;
    EXPECT_EQ(AddTcpIpPort("KQIP_10.0.0.6", "10.0.0.6"), 0);
    ASSERT_EQ(shownMessages.size(), 1u);
    EXPECT_EQ(shownMessages[0].second, "ERROR");
    EXPECT_EQ(shownMessages[0].first, "Access is denied.\r\n");
}

TEST_F(PortRegistrationTest, NoTcpIpMonitorBeforeWindows2000) {
    UseWindows("nt4");
    EXPECT_EQ(AddTcpIpPort("KQIP_10.0.0.5", "10.0.0.5"), 0);
    ASSERT_EQ(shownMessages.size(), 1u);
    EXPECT_EQ(shownMessages[0].first, "The printer name is invalid.\r\n");
}

}  // namespace
