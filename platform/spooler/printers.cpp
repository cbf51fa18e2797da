#include "platform/spooler/printers.h"

#include "platform/spooler/cups_printers.h"
#include "platform/spooler/record_buffer.h"

#include <new>
#include <string>

struct PrinterHandle {
    std::string name;
};

namespace {

using spooler::CupsPrinter;

std::string Description(const CupsPrinter& p) {
    return p.name + "," + p.make_and_model + "," + p.location;
}

std::size_t Level1Bytes(const CupsPrinter& p) {
    const std::string description = Description(p);
    return sizeof(PRINTER_INFO_1A) + spooler::TextBytes({&description, &p.name, &p.info});
}

void WriteLevel1(const CupsPrinter& p, PRINTER_INFO_1A& record, spooler::TextArea& texts) {
    record.Flags = PRINTER_ENUM_ICON8;
    record.pDescription = texts.Put(Description(p));
    record.pName = texts.Put(p.name);
    record.pComment = texts.Put(p.info);
}

std::uint32_t Attributes(const CupsPrinter& p) {
    std::uint32_t attributes = PRINTER_ATTRIBUTE_LOCAL;
    if (p.shared)
        attributes |= PRINTER_ATTRIBUTE_SHARED;
    if (spooler::UserDefaultPrinter() == p.name)
        attributes |= PRINTER_ATTRIBUTE_DEFAULT;
    return attributes;
}

std::size_t Level2Bytes(const CupsPrinter& p) {
    return sizeof(PRINTER_INFO_2A) +
           spooler::TextBytes({&p.name, &p.device_uri, &p.make_and_model, &p.info, &p.location});
}

void WriteLevel2(const CupsPrinter& p, PRINTER_INFO_2A& record, spooler::TextArea& texts) {
    record = PRINTER_INFO_2A();
    record.pPrinterName = texts.Put(p.name);
    record.pPortName = texts.Put(p.device_uri);
    record.pDriverName = texts.Put(p.make_and_model);
    record.pComment = texts.Put(p.info);
    record.pLocation = texts.Put(p.location);
    record.Attributes = Attributes(p);
}

bool SameText(const char* given, const std::string& current) {
    return current == (given ? given : "");
}

// The only change this platform carries out is making the printer the default.
bool ChangesOnlyDefault(const PRINTER_INFO_2A& record, const CupsPrinter& p) {
    const std::uint32_t current = Attributes(p);
    const bool same_attributes = record.Attributes == current ||
                                 record.Attributes == (current | PRINTER_ATTRIBUTE_DEFAULT);
    return same_attributes && SameText(record.pPrinterName, p.name) &&
           SameText(record.pPortName, p.device_uri) &&
           SameText(record.pDriverName, p.make_and_model) && SameText(record.pComment, p.info) &&
           SameText(record.pLocation, p.location);
}

}  // namespace

int EnumPrintersA(std::uint32_t flags, const char* name, std::uint32_t level,
                  unsigned char* buffer, std::uint32_t capacity, std::uint32_t* bytes_needed,
                  std::uint32_t* returned) {
    if (!bytes_needed || !returned || !(flags & PRINTER_ENUM_LOCAL) || (name && *name) ||
        level != 1)
        return 0;
    *returned = 0;
    const auto printers = spooler::LocalCupsPrinters();
    if (!printers)
        return 0;
    std::size_t needed = 0;
    for (const CupsPrinter& p : *printers)
        needed += Level1Bytes(p);
    if (!spooler::BufferHolds(needed, buffer, capacity, bytes_needed))
        return 0;
    auto* records = reinterpret_cast<PRINTER_INFO_1A*>(buffer);
    spooler::TextArea texts(buffer, printers->size() * sizeof(PRINTER_INFO_1A));
    for (std::size_t i = 0; i < printers->size(); ++i)
        WriteLevel1((*printers)[i], records[i], texts);
    *returned = static_cast<std::uint32_t>(printers->size());
    return 1;
}

int OpenPrinterA(const char* name, PrinterHandle** printer, const PRINTER_DEFAULTSA*) {
    if (!printer)
        return 0;
    *printer = nullptr;
    if (!name || !spooler::FindCupsPrinter(name))
        return 0;
    *printer = new (std::nothrow) PrinterHandle{name};
    return *printer != nullptr;
}

int GetPrinterA(PrinterHandle* printer, std::uint32_t level, unsigned char* buffer,
                std::uint32_t capacity, std::uint32_t* bytes_needed) {
    if (!printer || level != 2 || !bytes_needed)
        return 0;
    const auto found = spooler::FindCupsPrinter(printer->name);
    if (!found || !spooler::BufferHolds(Level2Bytes(*found), buffer, capacity, bytes_needed))
        return 0;
    spooler::TextArea texts(buffer, sizeof(PRINTER_INFO_2A));
    WriteLevel2(*found, *reinterpret_cast<PRINTER_INFO_2A*>(buffer), texts);
    return 1;
}

int SetPrinterA(PrinterHandle* printer, std::uint32_t level, const unsigned char* record,
                std::uint32_t command) {
    if (!printer || level != 2 || !record || command != 0)
        return 0;
    const auto found = spooler::FindCupsPrinter(printer->name);
    const auto& info = *reinterpret_cast<const PRINTER_INFO_2A*>(record);
    if (!found || !ChangesOnlyDefault(info, *found))
        return 0;
    if (!(info.Attributes & PRINTER_ATTRIBUTE_DEFAULT))
        return 1;
    return spooler::MakeUserDefaultPrinter(found->name);
}

int ClosePrinter(PrinterHandle* printer) {
    if (!printer)
        return 0;
    delete printer;
    return 1;
}
