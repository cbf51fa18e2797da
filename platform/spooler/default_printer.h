// The spooler's default-printer calls (winspool's GetDefaultPrinterA and SetDefaultPrinterA)
// over the user's default CUPS destination, the one `lpoptions -d` sets.
#pragma once

#include <cstdint>

// Copies the default printer's name; the capacity is in characters and becomes the length
// needed, terminator included. Without a default printer the result is 0 and the buffer,
// when it has room, holds the empty string.
int GetDefaultPrinterA(char* buffer, std::uint32_t* capacity);

// Makes the named printer the user's default; 0 for a null or empty name, an unknown
// printer, or a default that LPDEST or PRINTER in the environment would override.
int SetDefaultPrinterA(const char* name);
