#pragma once
// Putting the printer's port in place: serial line settings where Windows keeps them,
// the maker's two USB port keys, and a Standard TCP/IP port for a network printer.
#include <cstdint>
#include <string>

#include "platform/Spooler.h"

// DCB, the Windows 98 device-control block (28 bytes with its bit fields).
struct Dcb {
    uint32_t DCBlength = 28;
    uint32_t BaudRate = 0;
    uint32_t fBinary = 0;
    uint32_t fParity = 0;
    uint32_t fOutxCtsFlow = 0;
    uint32_t fOutxDsrFlow = 0;
    uint32_t fDtrControl = 0;
    uint32_t fDsrSensitivity = 0;
    uint32_t fTXContinueOnXoff = 0;
    uint32_t fOutX = 0;
    uint32_t fInX = 0;
    uint32_t fErrorChar = 0;
    uint32_t fNull = 0;
    uint32_t fRtsControl = 0;
    uint32_t fAbortOnError = 0;
    uint16_t wReserved = 0;
    uint16_t XonLim = 0;
    uint16_t XoffLim = 0;
    uint8_t ByteSize = 0;
    uint8_t Parity = 0;
    uint8_t StopBits = 0;
    char XonChar = 0;
    char XoffChar = 0;
    char ErrorChar = 0;
    char EofChar = 0;
    char EvtChar = 0;
    uint16_t wReserved1 = 0;

    // The 28 bytes as Windows lays the record out.
    std::string ToBytes() const;
};

// "9600,n,8,1,p": baud, parity letter, data bits, stop bits (one decimal for 1.5), flow letter.
std::string SerialSettingsText(int baudRate, int byteSize, double stopBits, char parity, char flowControl);
Dcb MakeSerialDcb(int baudRate, int byteSize, double stopBits, char parity, char flowControl);

// Windows 98: the DCB of serial port 1 or 2 in the Ports class keys, and WIN.INI [Ports].
void WriteSerialSettings98(int portNumber, const std::string& portName, int baudRate, int byteSize,
                           double stopBits, char parity, char flowControl);
// NT family: the port's value under HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Ports.
void WriteSerialSettingsNT(const std::string& portName, int baudRate, int byteSize, double stopBits,
                           char parity, char flowControl);
// The maker's keys SOFTWARE\VELOXIA\PORTNAME\ (the port's number from setup.ini) and
// SOFTWARE\VELOXIA\PRINTERPORT\.
void RegisterUsbPortName(const std::string& portName);
// The record the Standard TCP/IP port monitor receives for a raw port on 9100.
plat::PortData1 MakeTcpIpPortData(const std::string& portName, const std::string& ipAddress);
// 1 added; 0 failed after the system's message in a message box titled "ERROR".
int AddTcpIpPort(const std::string& portName, const std::string& ipAddress);

// Shows the port steps' own messages ("ERROR" for a failed TCP/IP port, the redirection
// messages) in a message box; the program sets it to the application's message box at
// start-up, tests to a recorder. Unset, the messages are not shown.
using PortMessageBox = void (*)(const std::string& text, const std::string& title);
extern PortMessageBox portMessageBox;
