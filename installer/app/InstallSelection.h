#pragma once
// Everything the user chose, held by the wizard; the install fills the port fields and
// the worker reads it. Text fields keep the limits the install records have.
#include <cstddef>
#include <string>

struct InstallSelection {
    static constexpr std::size_t kModelNameLimit = 199;  // 200-byte record field
    static constexpr std::size_t kPortNameLimit = 99;    // 100-byte record field

    int printerType = 0;  // 0 receipt, 1 ticket, 2 label, 3 embedded
    int osCode = 0;       // 0..7
    int driverFamily = 0; // 0 STD key set, 1 GDI key set
    std::string modelName;
    std::string portName;
    std::string altPortName;
    int setDefault = 0;
    int baudRate = 0;
    int byteSize = 0;
    double stopBits = 0;
    char parity = 0;
    char flowControl = 0;
    int updateFlags = 0;  // 1 serial monitor, 2 USB monitor, 4 language monitor, 8 processor
    std::string setupIniPath;
    std::string typeIniPath;
    int portKind = 0;     // 0 serial, 1 parallel, 2 USB, 3 network
};
