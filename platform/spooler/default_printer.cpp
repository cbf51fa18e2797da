#include "platform/spooler/default_printer.h"

#include "platform/spooler/cups_printers.h"

#include <cstring>
#include <string>

int GetDefaultPrinterA(char* buffer, std::uint32_t* capacity) {
    if (!capacity)
        return 0;
    const std::string name = spooler::UserDefaultPrinter();
    if (name.empty()) {
        if (buffer && *capacity > 0)
            buffer[0] = '\0';
        return 0;
    }
    const auto needed = static_cast<std::uint32_t>(name.size() + 1);
    const bool fits = buffer && *capacity >= needed;
    *capacity = needed;
    if (!fits)
        return 0;
    std::memcpy(buffer, name.c_str(), needed);
    return 1;
}

int SetDefaultPrinterA(const char* name) {
    if (!name || !*name)
        return 0;
    return spooler::MakeUserDefaultPrinter(name);
}
