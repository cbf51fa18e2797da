#include "app/printer/set_default_printer_by_name.h"

#include "platform/spooler/default_printer.h"
#include "platform/spooler/printers.h"
#include "platform/spooler/profile_string.h"
#include "platform/spooler/setting_change.h"

#include <string>
#include <vector>

namespace {

const char kWindowsSection[] = "windows";

void BroadcastSettingChange(const char* section) {
    SendMessageTimeoutA(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<std::intptr_t>(section),
                        SMTO_NORMAL, 1000, nullptr);
}

// A printer opened with its level-2 record read; closed when it goes.
class OpenedPrinter {
public:
    explicit OpenedPrinter(const char* name) {
        if (!OpenPrinterA(name, &handle_, nullptr) || !handle_)
            return;
        std::uint32_t needed = 0;
        GetPrinterA(handle_, 2, nullptr, 0, &needed);
        if (needed == 0)
            return;
        record_.assign(needed, 0);
        if (!GetPrinterA(handle_, 2, record_.data(), needed, &needed))
            record_.clear();
    }
    ~OpenedPrinter() {
        if (handle_)
            ClosePrinter(handle_);
    }
    OpenedPrinter(const OpenedPrinter&) = delete;
    OpenedPrinter& operator=(const OpenedPrinter&) = delete;

    bool Read() const { return !record_.empty(); }
    PRINTER_INFO_2A& Info() { return *reinterpret_cast<PRINTER_INFO_2A*>(record_.data()); }
    bool Write() { return SetPrinterA(handle_, 2, record_.data(), 0); }

private:
    PrinterHandle* handle_ = nullptr;
    std::vector<unsigned char> record_;
};

// The Windows 95 family marks the printer's record as the default.
int MakeDefaultByAttribute(const char* name) {
    OpenedPrinter printer(name);
    if (!printer.Read())
        return 1;
    printer.Info().Attributes |= PRINTER_ATTRIBUTE_DEFAULT;
    if (!printer.Write())
        return 1;
    BroadcastSettingChange(kWindowsSection);
    return 0;
}

// NT before version 5 keeps the default as "name,driver,port" in the profile.
int MakeDefaultByProfile(const char* name) {
    OpenedPrinter printer(name);
    if (!printer.Read())
        return 1;
    const PRINTER_INFO_2A& info = printer.Info();
    if (!info.pDriverName || !info.pPortName)
        return 1;
    const std::string device = std::string(name) + "," + info.pDriverName + "," + info.pPortName;
    if (!WriteProfileStringA(kWindowsSection, "device", device.c_str()))
        return 1;
    BroadcastSettingChange(nullptr);
    return 0;
}

int MakeDefaultBySpooler(const char* name) {
    if (!SetDefaultPrinterA(name))
        return 1;
    BroadcastSettingChange(nullptr);
    return 0;
}

}  // namespace

int SetDefaultPrinterForVersion(const char* name, const OSVERSIONINFOA& version) {
    if (!name)
        return 1;
    switch (version.dwPlatformId) {
    case VER_PLATFORM_WIN32_WINDOWS:
        return MakeDefaultByAttribute(name);
    case VER_PLATFORM_WIN32_NT:
        return version.dwMajorVersion >= 5 ? MakeDefaultBySpooler(name) : MakeDefaultByProfile(name);
    default:
        return 0;
    }
}

int SetDefaultPrinterByName(const char* name) {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    return SetDefaultPrinterForVersion(name, version);
}
