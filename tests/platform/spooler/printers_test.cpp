#include "platform/spooler/printers.h"

#include "platform/spooler/default_printer.h"
#include "support/private_cupsd.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class PrintersTest : public testing::Test {
protected:
    PrivateCupsd cupsd;
};

// The two calls the print dialog makes: the size first, then the records into just that room.
std::vector<std::string> LocalPrinterNames() {
    std::uint32_t needed = 0;
    std::uint32_t count = 99;
    EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 1, nullptr, 0, &needed, &count);
    std::vector<unsigned char> buffer(needed);
    EXPECT_EQ(1, EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 1, buffer.data(),
                               static_cast<std::uint32_t>(buffer.size()), &needed, &count));
    const auto* records = reinterpret_cast<const PRINTER_INFO_1A*>(buffer.data());
    std::vector<std::string> names;
    for (std::uint32_t i = 0; i < count; ++i)
        names.push_back(records[i].pName);
    return names;
}

std::vector<unsigned char> Level2(PrinterHandle* printer) {
    std::uint32_t needed = 0;
    EXPECT_EQ(0, GetPrinterA(printer, 2, nullptr, 0, &needed));
    std::vector<unsigned char> buffer(needed);
    EXPECT_EQ(1, GetPrinterA(printer, 2, buffer.data(), needed, &needed));
    return buffer;
}

// Asked without room, it gives the size needed and writes nothing.
TEST_F(PrintersTest, ListsTheServersQueuesInItsOrderIntoABufferWithRoom) {
    cupsd.AddPrinter("Zeta");
    cupsd.AddPrinter("alpha");
    cupsd.AddPrinter("beta");
    EXPECT_EQ((std::vector<std::string>{"alpha", "beta", "Zeta"}), LocalPrinterNames());

    std::uint32_t needed = 0;
    std::uint32_t count = 99;
    EXPECT_EQ(0, EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 1, nullptr, 0, &needed, &count));
    EXPECT_GT(needed, 3 * sizeof(PRINTER_INFO_1A));
    EXPECT_EQ(0u, count);
    std::vector<unsigned char> buffer(needed, 0xEE);
    EXPECT_EQ(0, EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 1, buffer.data(), needed - 1, &needed, &count));
    EXPECT_EQ(0xEE, buffer[0]);
}

TEST_F(PrintersTest, NoPrintersIsAnEmptyListButAStoppedServerIsAFailure) {
    std::uint32_t needed = 99;
    std::uint32_t count = 99;
    EXPECT_EQ(1, EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 1, nullptr, 0, &needed, &count));
    EXPECT_EQ(0u, needed);
    EXPECT_EQ(0u, count);

    cupsd.AddPrinter("alpha");
    cupsd.Stop();
    EXPECT_EQ(0, EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 1, nullptr, 0, &needed, &count));
    PrinterHandle* printer = nullptr;
    EXPECT_EQ(0, OpenPrinterA("alpha", &printer, nullptr));
}

TEST_F(PrintersTest, ChangesThisPlatformCannotMakeAreRefused) {
    cupsd.AddPrinter("alpha");
    cupsd.SetServerDefault("alpha");
    PrinterHandle* printer = nullptr;
    ASSERT_EQ(1, OpenPrinterA("alpha", &printer, nullptr));
    auto buffer = Level2(printer);
    auto& info = *reinterpret_cast<PRINTER_INFO_2A*>(buffer.data());
    EXPECT_NE(0u, info.Attributes & PRINTER_ATTRIBUTE_DEFAULT);
    char other_comment[] = "moved to room 12";
    info.pComment = other_comment;
    EXPECT_EQ(0, SetPrinterA(printer, 2, buffer.data(), 0));

    buffer = Level2(printer);
    auto& fresh = *reinterpret_cast<PRINTER_INFO_2A*>(buffer.data());
    fresh.Attributes &= ~PRINTER_ATTRIBUTE_DEFAULT;
    EXPECT_EQ(0, SetPrinterA(printer, 2, buffer.data(), 0)) << "no printer can stop being the default";
    EXPECT_EQ(0, SetPrinterA(printer, 2, buffer.data(), 1)) << "pausing is not carried out";
    ClosePrinter(printer);
}

}  // namespace
