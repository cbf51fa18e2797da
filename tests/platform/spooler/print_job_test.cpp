#include "platform/spooler/print_job.h"

#include "platform/spooler/default_printer.h"
#include "support/private_cupsd.h"

#include <gtest/gtest.h>

namespace {

const std::string kPage = "<html><body><p>Across: 1. quill</p></body></html>";

class PrintJobTest : public testing::Test {
protected:
    void SetUp() override {
        cupsd.AddPrinter("alpha");
        cupsd.AddPrinter("beta");
        cupsd.SetServerDefault("alpha");
    }
    PrivateCupsd cupsd;
};

TEST_F(PrintJobTest, EachCopyIsACompletedJobOnTheDefaultPrinter) {
    ASSERT_EQ(1, SetDefaultPrinterA("beta"));
    for (int copy = 0; copy < 3; ++copy)
        EXPECT_GT(spooler::PrintDocument("", "Untitled Puzzle", "text/html", kPage), 0);
    ASSERT_TRUE(cupsd.WaitForCompletedJobs("beta", 3));
    EXPECT_EQ(3, cupsd.CompletedJobs("beta"));
    EXPECT_EQ(kPage.size(), cupsd.OutputSize("beta"));
    EXPECT_EQ(0, cupsd.CompletedJobs("alpha"));
    EXPECT_EQ(0u, cupsd.OutputSize("alpha"));
}

TEST_F(PrintJobTest, ANamedPrinterGetsTheDocument) {
    const std::string pdf = "%PDF-1.4\n%%EOF\n";
    EXPECT_GT(spooler::PrintDocument("beta", "sheet", "application/pdf", pdf), 0);
    ASSERT_TRUE(cupsd.WaitForCompletedJobs("beta", 1));
    EXPECT_EQ(pdf.size(), cupsd.OutputSize("beta"));
}

TEST_F(PrintJobTest, AnUnknownPrinterOrNoServerPrintsNothing) {
    EXPECT_EQ(0, spooler::PrintDocument("gamma", "sheet", "text/html", kPage));
    cupsd.Stop();
    EXPECT_EQ(0, spooler::PrintDocument("alpha", "sheet", "text/html", kPage));
}

}  // namespace
