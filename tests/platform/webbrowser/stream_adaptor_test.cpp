#include "browser/my_doc_handler.h"
#include "browser/stream_adaptor.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// An adaptor over a copy of the page, as LoadString builds it, with the
// reference its creator holds.
IStreamAdaptorBase* PageAdaptor(const std::string& page)
{
    auto* buffer = static_cast<char*>(std::malloc(page.size() + 1));
    std::memcpy(buffer, page.data(), page.size());
    auto* adaptor = new IwxStreamAdaptor(new wxOwnedMemInputStream(buffer, page.size()));
    adaptor->AddRef();
    adaptor->prefix = "<html>";
    return adaptor;
}

std::string ReadOnce(IStreamAdaptorBase* adaptor, ULONG count)
{
    char buffer[64] = {};
    ULONG read = 99;
    EXPECT_EQ(adaptor->Read(buffer, count, &read), S_OK);
    return std::string(buffer, read);
}

class WatchedStream : public wxMemoryInputStream {
public:
    explicit WatchedStream(bool& gone) : wxMemoryInputStream("x", 1), gone_(gone) {}
    ~WatchedStream() override { gone_ = true; }

private:
    bool& gone_;
};

}  // namespace

TEST(StreamAdaptor, ServesThePrefixInReadsOfItsOwnThenThePageInTheSizesAsked)
{
    IStreamAdaptorBase* adaptor = PageAdaptor("page");
    char buffer[8] = {};
    EXPECT_EQ(adaptor->Read(buffer, 4, nullptr), S_OK) << "a read need not say how much it gave";
    EXPECT_STREQ(buffer, "<htm");
    EXPECT_EQ(ReadOnce(adaptor, 50), "l>");
    EXPECT_EQ(ReadOnce(adaptor, 3), "pag");
    EXPECT_EQ(ReadOnce(adaptor, 3), "e");
    EXPECT_EQ(ReadOnce(adaptor, 3), "");
    EXPECT_EQ(ReadOnce(adaptor, 3), "");
    adaptor->Release();
}

TEST(StreamAdaptor, LastReleaseDeletesTheWrappedStream)
{
    bool gone = false;
    auto* adaptor = new IwxStreamAdaptor(new WatchedStream(gone));
    adaptor->AddRef();
    adaptor->AddRef();
    EXPECT_EQ(adaptor->Release(), 1u);
    EXPECT_FALSE(gone);
    EXPECT_EQ(adaptor->Release(), 0u);
    EXPECT_TRUE(gone);
}

// The view hands a new handler to the document and gives back the reference it was made with.
TEST(DocHandler, StartsWithTheReferenceOfItsCreator)
{
    auto* handler = new MyDocHandler;
    EXPECT_EQ(handler->AddRef(), 2u);
    EXPECT_EQ(handler->Release(), 1u);
    EXPECT_EQ(handler->Release(), 0u);
}
