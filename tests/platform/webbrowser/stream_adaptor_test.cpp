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
    EXPECT_EQ(ReadOnce(adaptor, 4), "<htm");
    EXPECT_EQ(ReadOnce(adaptor, 50), "l>");
    EXPECT_EQ(ReadOnce(adaptor, 3), "pag");
    EXPECT_EQ(ReadOnce(adaptor, 3), "e");
    EXPECT_EQ(ReadOnce(adaptor, 3), "");
    EXPECT_EQ(ReadOnce(adaptor, 3), "");
    adaptor->Release();
}

TEST(StreamAdaptor, ReadWithoutCountStillFillsTheBuffer)
{
    IStreamAdaptorBase* adaptor = PageAdaptor("xy");
    char buffer[8] = {};
    EXPECT_EQ(adaptor->Read(buffer, 8, nullptr), S_OK);
    EXPECT_STREQ(buffer, "<html>");
    EXPECT_EQ(adaptor->Read(buffer, 8, nullptr), S_OK);
    EXPECT_EQ(std::string(buffer, 2), "xy");
    adaptor->Release();
}

TEST(StreamAdaptor, AnswersForTheStreamInterfacesOnly)
{
    IStreamAdaptorBase* adaptor = PageAdaptor("");
    void* object = nullptr;
    EXPECT_EQ(adaptor->QueryInterface(IID_ISequentialStream, &object), S_OK);
    EXPECT_EQ(object, static_cast<IStream*>(adaptor));
    EXPECT_EQ(adaptor->Release(), 1u);
    object = adaptor;
    EXPECT_EQ(adaptor->QueryInterface(IID_IDispatch, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(adaptor->QueryInterface(IID_IStream, nullptr), E_FAIL);
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

TEST(DocHandler, AnswersOnlyItsInterfaces)
{
    auto* handler = new MyDocHandler;
    void* object = handler;
    EXPECT_EQ(handler->QueryInterface(IID_IOleCommandTarget, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(handler->QueryInterface(IID_IDocHostUIHandler, &object), S_OK);
    EXPECT_EQ(handler->Release(), 1u);
    EXPECT_EQ(handler->Release(), 0u);
}
