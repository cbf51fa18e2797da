#include "app/printer/set_default_printer_by_name.h"

#include "platform/spooler/default_printer.h"
#include "platform/spooler/profile_string.h"
#include "support/private_cupsd.h"

#include <gtest/gtest.h>

#include <string>

namespace {

OSVERSIONINFOA Version(std::uint32_t platform, std::uint32_t major) {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    version.dwPlatformId = platform;
    version.dwMajorVersion = major;
    return version;
}

class SetDefaultPrinterByNameTest : public testing::Test {
protected:
    void SetUp() override {
        cupsd.AddPrinter("alpha");
        cupsd.AddPrinter("beta");
        cupsd.SetServerDefault("alpha");
        Reset();
    }

    static void Reset() {
        WriteProfileStringA("windows", nullptr, nullptr);
        SetDefaultPrinterA("alpha");
    }
    static std::string DefaultPrinter() {
        char name[256];
        std::uint32_t capacity = sizeof name;
        return GetDefaultPrinterA(name, &capacity) ? name : "(none)";
    }
    static std::string ProfileDevice() {
        char device[1024];
        GetProfileStringA("windows", "device", "(none)", device, sizeof device);
        return device;
    }

    PrivateCupsd cupsd;
};

TEST_F(SetDefaultPrinterByNameTest, ThisSystemMakesThePrinterTheUsersDefault) {
    EXPECT_EQ(1, SetDefaultPrinterByName(nullptr));
    EXPECT_EQ(1, SetDefaultPrinterByName("gamma"));
    EXPECT_EQ("alpha", DefaultPrinter());
    EXPECT_EQ(0, SetDefaultPrinterByName("beta"));
    EXPECT_EQ("beta", DefaultPrinter());
    EXPECT_EQ("(none)", ProfileDevice());
}

// What each family's way leaves behind: the result, the default printer and the profile.
TEST_F(SetDefaultPrinterByNameTest, EachFamilyTakesItsOwnWay) {
    const OSVERSIONINFOA windows98 = Version(VER_PLATFORM_WIN32_WINDOWS, 4);
    const OSVERSIONINFOA nt4 = Version(VER_PLATFORM_WIN32_NT, 4);
    const OSVERSIONINFOA xp = Version(VER_PLATFORM_WIN32_NT, 5);
    const OSVERSIONINFOA win32s = Version(VER_PLATFORM_WIN32s, 6);
    const std::string nt4Device = "beta,Quillory File Printer,file://" + cupsd.OutputPath("beta").string();
    struct Case {
        const char* name;
        OSVERSIONINFOA version;
        int result;
        std::string defaultPrinter, device;
    };
    const Case cases[] = {
        {"beta", windows98, 0, "beta", "(none)"}, {"beta", nt4, 0, "alpha", nt4Device},
        {"beta", win32s, 0, "alpha", "(none)"},   {"beta", Version(3, 6), 0, "alpha", "(none)"},
        {"gamma", windows98, 1, "alpha", "(none)"}, {"gamma", nt4, 1, "alpha", "(none)"},
        {"gamma", xp, 1, "alpha", "(none)"},      {nullptr, windows98, 1, "alpha", "(none)"},
        {nullptr, nt4, 1, "alpha", "(none)"},     {nullptr, xp, 1, "alpha", "(none)"},
        {nullptr, Version(3, 10), 1, "alpha", "(none)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.name ? c.name : "null") << " on platform " << c.version.dwPlatformId
                                        << " version " << c.version.dwMajorVersion);
        Reset();
        EXPECT_EQ(c.result, SetDefaultPrinterForVersion(c.name, c.version));
        EXPECT_EQ(c.defaultPrinter, DefaultPrinter());
        EXPECT_EQ(c.device, ProfileDevice());
    }
}

}  // namespace
