#include "view_fixture.h"

#include "support/private_cupsd.h"

#include <fstream>

// One print server for the process: libcups settles on its server at the first call.
TEST_F(ViewTest, EachPrintIsAJobOnTheDefaultPrinterWithoutAnyDialog)
{
    PrivateCupsd cupsd;
    cupsd.AddPrinter("classroom");
    ASSERT_TRUE(view->LoadString("<body><h1>Crossword</h1><p>1. pet</p></body></html>"));
    ASSERT_TRUE(PumpUntil([&] { return view->RenderedText().find("pet") != std::string::npos; }));

    view->Print(" ", " ");
    PumpUntil([] { return false; }, 1000);
    EXPECT_EQ(cupsd.CompletedJobs("classroom"), 0) << "printed with no default printer";

    // Requests made while the page is still printing each make a job of their own.
    cupsd.SetServerDefault("classroom");
    for (int copy = 0; copy < 3; ++copy)
        view->Print(" ", " ");
    EXPECT_TRUE(PumpUntil([&] { return cupsd.CompletedJobs("classroom") >= 3; }, 60000));
    PumpUntil([] { return false; }, 500);
    EXPECT_EQ(cupsd.CompletedJobs("classroom"), 3);
    EXPECT_GT(cupsd.OutputSize("classroom"), 0u);
    std::ifstream output(cupsd.OutputPath("classroom"), std::ios::binary);
    std::string start(4, '\0');
    output.read(&start[0], 4);
    EXPECT_EQ(start, "%PDF") << "the printed page, as GTK hands it to CUPS";
}
