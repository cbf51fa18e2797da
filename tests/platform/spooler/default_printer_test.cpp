#include "platform/spooler/default_printer.h"

#include "support/private_cupsd.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

class DefaultPrinterTest : public testing::Test {
protected:
    void SetUp() override {
        cupsd.AddPrinter("alpha");
        cupsd.AddPrinter("beta");
    }
    PrivateCupsd cupsd;
};

std::string DefaultPrinter() {
    char name[1024] = "stale";
    std::uint32_t capacity = sizeof name;
    return GetDefaultPrinterA(name, &capacity) ? name : "(none: \"" + std::string(name) + "\")";
}

TEST_F(DefaultPrinterTest, TheServersDefaultStandsUntilTheUserChoosesAnother) {
    EXPECT_EQ("(none: \"\")", DefaultPrinter());
    cupsd.SetServerDefault("alpha");
    EXPECT_EQ("alpha", DefaultPrinter());
    EXPECT_EQ(0, SetDefaultPrinterA(""));
    EXPECT_EQ(0, SetDefaultPrinterA(nullptr));
    EXPECT_EQ("alpha", DefaultPrinter());
    ASSERT_EQ(1, SetDefaultPrinterA("beta"));
    EXPECT_EQ("beta", DefaultPrinter());

    char name[4];
    std::uint32_t capacity = sizeof name;
    EXPECT_EQ(0, GetDefaultPrinterA(name, &capacity));
    EXPECT_EQ(5u, capacity) << "a small buffer learns the length needed";
    EXPECT_EQ(0, GetDefaultPrinterA(name, nullptr));
    ASSERT_EQ(1, SetDefaultPrinterA("alpha"));
    EXPECT_EQ("alpha", DefaultPrinter());

    setenv("LPDEST", "alpha", 1);
    EXPECT_EQ(0, SetDefaultPrinterA("beta")) << "a default the environment overrides is not reported as set";
    unsetenv("LPDEST");
}

}  // namespace
