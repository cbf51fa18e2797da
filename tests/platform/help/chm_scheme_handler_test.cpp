#include "platform/help/chm_scheme_handler.h"

#include "platform/help/chm_file.h"
#include "platform/help/chm_url.h"

#include <gtest/gtest.h>
#include <wx/filesys.h>

#include <memory>

TEST(ChmUrl, MapsPagesToAddressesAndBack)
{
    EXPECT_EQ(ChmUrl("chm", "index.html"), "chm:///index.html");
    EXPECT_EQ(ChmUrl("chm2", "/sub/page one.html#part"), "chm2:///sub/page%20one.html#part");
    EXPECT_EQ(ChmPathFromUrl("chm:///index.html"), "/index.html");
    EXPECT_EQ(ChmPathFromUrl("chm2:///sub/page%20one.html#part"), "/sub/page one.html");
    EXPECT_EQ(ChmPathFromUrl("chm:///a.html?x=1"), "/a.html");
    EXPECT_EQ(ChmPathFromUrl("chm:///50%"), "/50%");
    EXPECT_EQ(ChmPathFromUrl("chm:///caf%E9.html"), "/caf\xe9.html");
}

namespace {

std::string Body(wxFSFile& file)
{
    std::string bytes;
    char buffer[4096];
    wxInputStream* stream = file.GetStream();
    while (stream->Read(buffer, sizeof buffer).LastRead() > 0)
        bytes.append(buffer, stream->LastRead());
    return bytes;
}

} // namespace

TEST(ChmSchemeHandler, ServesTheObjectsOfTheFileWithTheirTypes)
{
    auto file = std::make_shared<ChmFile>();
    ASSERT_TRUE(file->Open("help.chm"));
    ChmSchemeHandler handler("chm", file);
    EXPECT_EQ(handler.GetName(), "chm");

    std::unique_ptr<wxFSFile> page(handler.GetFile("chm:///printing.html#top"));
    ASSERT_TRUE(page);
    std::string expected;
    ASSERT_TRUE(file->Read("/printing.html", expected));
    EXPECT_EQ(Body(*page), expected);
    EXPECT_EQ(page->GetMimeType(), "text/html");

    std::unique_ptr<wxFSFile> style(handler.GetFile("chm:///style.css"));
    ASSERT_TRUE(style);
    EXPECT_EQ(style->GetMimeType(), "text/css");

    EXPECT_EQ(handler.GetFile("chm:///missing.html"), nullptr);
}
