// The spooler's printer calls (winspool's EnumPrintersA, OpenPrinterA, GetPrinterA,
// SetPrinterA, ClosePrinter) over the queues of the CUPS server. Results follow the
// spooler: non-zero on success, 0 on failure; nothing throws.
#pragma once

#include "platform/spooler/printer_info.h"

#include <cstdint>

struct PrinterHandle;
struct PRINTER_DEFAULTSA;

// Local printers (the CUPS server's queues, in its order) at level 1. A buffer too small
// gives 0 with the bytes needed; no printers at all is success with nothing returned.
int EnumPrintersA(std::uint32_t flags, const char* name, std::uint32_t level,
                  unsigned char* buffer, std::uint32_t capacity, std::uint32_t* bytes_needed,
                  std::uint32_t* returned);

// CUPS has no per-handle access rights, so the defaults are not looked at.
int OpenPrinterA(const char* name, PrinterHandle** printer, const PRINTER_DEFAULTSA* defaults);

// Level 2 only: name, port (the device URI), driver (make and model), comment, location
// and the default, shared and local attributes.
int GetPrinterA(PrinterHandle* printer, std::uint32_t level, unsigned char* buffer,
                std::uint32_t capacity, std::uint32_t* bytes_needed);

// Level 2 with command 0. Only the default attribute can be changed here: setting it makes
// the printer the user's default; a record that changes anything else is refused.
int SetPrinterA(PrinterHandle* printer, std::uint32_t level, const unsigned char* record,
                std::uint32_t command);

int ClosePrinter(PrinterHandle* printer);
