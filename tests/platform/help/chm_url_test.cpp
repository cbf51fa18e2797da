#include "platform/help/chm_url.h"

#include <gtest/gtest.h>

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
