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

const OSVERSIONINFOA kWindows98 = Version(VER_PLATFORM_WIN32_WINDOWS, 4);
const OSVERSIONINFOA kNt4 = Version(VER_PLATFORM_WIN32_NT, 4);
const OSVERSIONINFOA kXp = Version(VER_PLATFORM_WIN32_NT, 5);

class SetDefaultPrinterByNameTest : public testing::Test {
protected:
    void SetUp() override {
        WriteProfileStringA("windows", nullptr, nullptr);
        cupsd.AddPrinter("alpha");
        cupsd.AddPrinter("beta");
        cupsd.SetServerDefault("alpha");
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
    EXPECT_EQ(0, SetDefaultPrinterByName("beta"));
    EXPECT_EQ("beta", DefaultPrinter());
    EXPECT_EQ("(none)", ProfileDevice());
}

TEST_F(SetDefaultPrinterByNameTest, AnUnknownPrinterFailsOnEveryFamily) {
    EXPECT_EQ(1, SetDefaultPrinterByName("gamma"));
    for (const OSVERSIONINFOA& version : {kWindows98, kNt4, kXp})
        EXPECT_EQ(1, SetDefaultPrinterForVersion("gamma", version)) << version.dwPlatformId;
    EXPECT_EQ("alpha", DefaultPrinter());
    EXPECT_EQ("(none)", ProfileDevice());
}

TEST_F(SetDefaultPrinterByNameTest, ANullNameGives1AndTouchesNothing) {
    EXPECT_EQ(1, SetDefaultPrinterByName(nullptr));
    for (const OSVERSIONINFOA& version : {kWindows98, kNt4, kXp, Version(3, 10)})
        EXPECT_EQ(1, SetDefaultPrinterForVersion(nullptr, version)) << version.dwPlatformId;
    EXPECT_EQ("alpha", DefaultPrinter());
    EXPECT_EQ("(none)", ProfileDevice());
}

TEST_F(SetDefaultPrinterByNameTest, TheWindows95FamilyMarksThePrintersRecord) {
    EXPECT_EQ(0, SetDefaultPrinterForVersion("beta", kWindows98));
    EXPECT_EQ("beta", DefaultPrinter());
}

TEST_F(SetDefaultPrinterByNameTest, NtBefore5WritesNameDriverAndPortToTheProfile) {
    EXPECT_EQ(0, SetDefaultPrinterForVersion("beta", kNt4));
    EXPECT_EQ("beta,Quillory File Printer,file://" + cupsd.OutputPath("beta").string(),
              ProfileDevice());
    EXPECT_EQ("alpha", DefaultPrinter());
}

TEST_F(SetDefaultPrinterByNameTest, AnotherPlatformDoesNothingAndSucceeds) {
    for (std::uint32_t platform : {VER_PLATFORM_WIN32s, 3u})
        EXPECT_EQ(0, SetDefaultPrinterForVersion("beta", Version(platform, 6)));
    EXPECT_EQ("alpha", DefaultPrinter());
    EXPECT_EQ("(none)", ProfileDevice());
}

}  // namespace
