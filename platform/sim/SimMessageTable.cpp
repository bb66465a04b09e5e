#include "platform/sim/SimMessageTable.h"

#include <map>

namespace plat::sim {

bool SimMessageTable::SystemMessageText(uint32_t code, std::string& text) {
    static const std::map<uint32_t, const char*> texts = {
        {0, "The operation completed successfully."},
        {2, "The system cannot find the file specified."},
        {3, "The system cannot find the path specified."},
        {5, "Access is denied."},
        {6, "The handle is invalid."},
        {18, "There are no more files."},
        {32, "The process cannot access the file because it is being used by another process."},
        {80, "The file exists."},
        {87, "The parameter is incorrect."},
        {112, "There is not enough space on the disk."},
        {122, "The data area passed to a system call is too small."},
        {126, "The specified module could not be found."},
        {127, "The specified procedure could not be found."},
        {183, "Cannot create a file when that file already exists."},
        {234, "More data is available."},
        {1056, "An instance of the service is already running."},
        {1058, "The service cannot be started, either because it is disabled or because it has no enabled devices associated with it."},
        {1060, "The specified service does not exist as an installed service."},
        {1061, "The service cannot accept control messages at this time."},
        {1062, "The service has not been started."},
        {1796, "The specified port is unknown."},
        {1797, "The printer driver is unknown."},
        {1798, "The print processor is unknown."},
        {1801, "The printer name is invalid."},
        {1802, "The printer already exists."},
        {1805, "The environment specified is invalid."},
        {1812, "The specified image file did not contain a resource section."},
        {3005, "The specified print processor has already been installed."},
        {3006, "The specified print monitor has already been installed."},
    };
    auto it = texts.find(code);
    if (it == texts.end()) return false;
    text = std::string(it->second) + "\r\n";
    return true;
}

}  // namespace plat::sim
