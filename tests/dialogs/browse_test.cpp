#include "dialogs/browse.h"
#include "support/fake_platform.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(BrowseFileName, GivesTheBareNameInTheAskedCase)
{
    FakePlatform fake;
    fake.openNames = {u"/home/user/サイト/Back Ground.GIF"_s, u"/home/user/Images/Ｌｏｇｏ.Gif"_s,
                      u"relative/Pic.GIF"_s};
    EXPECT_EQ(browseFileName(nullptr, u"GIFﾌｧｲﾙ(*.GIF)|*.GIF"_s, NameCase::Keep),
              u"Back Ground.GIF"_s);
    EXPECT_EQ(browseFileName(nullptr, u"x|*.*"_s, NameCase::Lower), u"ｌｏｇｏ.gif"_s);
    EXPECT_EQ(browseFileName(nullptr, u"x|*.*"_s, NameCase::Lower), u"pic.gif"_s);
    ASSERT_EQ(fake.openRequests.size(), 3);
    EXPECT_EQ(fake.openRequests.at(0).filter, u"GIFﾌｧｲﾙ(*.GIF)|*.GIF"_s);
}

TEST(BrowseFileName, CancelGivesNothing)
{
    FakePlatform fake;
    EXPECT_EQ(browseFileName(nullptr, u"x|*.*"_s, NameCase::Keep), std::nullopt);
}

} // namespace
