// The printer records the spooler hands out, with the flags the program reads in them.
#pragma once

#include <cstdint>

constexpr std::uint32_t PRINTER_ENUM_LOCAL = 0x00000002;
constexpr std::uint32_t PRINTER_ENUM_ICON8 = 0x00800000;

constexpr std::uint32_t PRINTER_ATTRIBUTE_DEFAULT = 0x00000004;
constexpr std::uint32_t PRINTER_ATTRIBUTE_SHARED = 0x00000008;
constexpr std::uint32_t PRINTER_ATTRIBUTE_LOCAL = 0x00000040;

struct PRINTER_INFO_1A {
    std::uint32_t Flags;
    char* pDescription;
    char* pName;
    char* pComment;
};

struct PRINTER_INFO_2A {
    char* pServerName;
    char* pPrinterName;
    char* pShareName;
    char* pPortName;
    char* pDriverName;
    char* pComment;
    char* pLocation;
    void* pDevMode;
    char* pSepFile;
    char* pPrintProcessor;
    char* pDatatype;
    char* pParameters;
    void* pSecurityDescriptor;
    std::uint32_t Attributes;
    std::uint32_t Priority;
    std::uint32_t DefaultPriority;
    std::uint32_t StartTime;
    std::uint32_t UntilTime;
    std::uint32_t Status;
    std::uint32_t cJobs;
    std::uint32_t AveragePPM;
};

using PRINTER_INFO_1 = PRINTER_INFO_1A;
using PRINTER_INFO_2 = PRINTER_INFO_2A;
