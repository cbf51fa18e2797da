#include "platform/spooler/os_version.h"
#include "platform/spooler/profile_string.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(GetVersionExA, AnswersAsTheNtFamilyFromVersion5ForItsOwnRecordSize) {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = 148;
    ASSERT_EQ(1, GetVersionExA(&version));
    EXPECT_EQ(VER_PLATFORM_WIN32_NT, version.dwPlatformId);
    EXPECT_GE(version.dwMajorVersion, 5u);

    OSVERSIONINFOA other{};
    other.dwOSVersionInfoSize = 156;
    EXPECT_EQ(0, GetVersionExA(&other));
    EXPECT_EQ(0u, other.dwPlatformId);
    EXPECT_EQ(0, GetVersionExA(nullptr));
}

std::string Profile(const char* section, const char* key) {
    char value[32];
    GetProfileStringA(section, key, "(none)", value, sizeof value);
    return value;
}

TEST(ProfileString, KeepsWhatWasWrittenUntilItsSectionIsRemoved) {
    ASSERT_EQ(1, WriteProfileStringA("windows", "device", "beta,Quillory File Printer,file:/x"));
    EXPECT_EQ("beta,Quillory File Printer,file", Profile("windows", "device")) << "cut to the room given";
    ASSERT_EQ(1, WriteProfileStringA("windows", nullptr, nullptr));
    EXPECT_EQ("(none)", Profile("windows", "device"));
    EXPECT_EQ(0, WriteProfileStringA(nullptr, "device", "x"));
}

}  // namespace
