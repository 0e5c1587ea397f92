#include "platform/placement.h"
#include "platform/texthelpers.h"

#include <gtest/gtest.h>

namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

TEST(PathHelpers, FileNameOfAndFolderOf)
{
    EXPECT_EQ(FileNameOf(u"/art/x.nfo", u"/"), s("x.nfo"));
    EXPECT_EQ(FileNameOf(u"x.nfo", u"/"), s("x.nfo")); // no delimiter
    EXPECT_EQ(FileNameOf(u"/art/", u"/"), s("/art/")); // delimiter last
    EXPECT_EQ(FolderOf(u"/art/x.nfo", u"/"), s("/art"));
    EXPECT_EQ(FolderOf(u"x.nfo", u"/"), s("x.nfo"));
    EXPECT_EQ(FolderOf(u"/x.nfo", u"/"), s("/x.nfo")); // delimiter first
}

TEST(ShortenText, KeepStartKeepEndAndNoChange)
{
    EXPECT_EQ(ShortenText(s("abcdefgh"), 3, true), s("abc..."));
    EXPECT_EQ(ShortenText(s("abcdefgh"), 3, false), s("...  efgh"));
    EXPECT_EQ(ShortenText(s("abc"), 3, true), s("abc"));
    EXPECT_EQ(ShortenText(s("abc"), -1, true), s("abc"));
}

TEST(ExpandLineBreakEscapes, BackslashNAndR)
{
    EXPECT_EQ(ExpandLineBreakEscapes(s("a\\nb\\rc\\\\x")), s("a\nb\rc\\\\x"));
}

TEST(Placement, DialogCentredOnMainWindow)
{
    const QRect desktop(0, 0, 1920, 1080);
    EXPECT_EQ(DialogPosition(QRect(100, 100, 695, 586), QSize(401, 201), desktop),
        QPoint(100 + 347 - 200, 100 + 293 - 100));
}

TEST(Placement, DialogClampedToDesktopWithTaskbarMargin)
{
    const QRect desktop(0, 0, 1000, 800);
    // Far right and bottom: pulled in, 30 pixels kept free below.
    EXPECT_EQ(DialogPosition(QRect(900, 700, 400, 400), QSize(200, 100), desktop),
        QPoint(800, 800 - 100 - 30));
    // Far left and top.
    EXPECT_EQ(DialogPosition(QRect(-500, -500, 100, 100), QSize(200, 100), desktop), QPoint(0, 0));
    // A second monitor left of the first.
    const QRect wide(-1280, 0, 3200, 1080);
    EXPECT_EQ(DialogPosition(QRect(-1280, 0, 200, 200), QSize(300, 100), wide), QPoint(-1280, 50));
}

TEST(Placement, WindowPulledBackOntoDesktop)
{
    const QRect desktop(0, 0, 1920, 1080);
    EXPECT_EQ(WindowPositionOnDesktop(QPoint(240, 40), QSize(695, 586), desktop), QPoint(240, 40));
    EXPECT_EQ(WindowPositionOnDesktop(QPoint(50000, 50000), QSize(695, 586), desktop),
        QPoint(1920 - 695, 1080 - 586));
    EXPECT_EQ(
        WindowPositionOnDesktop(QPoint(-9000, -9000), QSize(695, 586), desktop), QPoint(0, 0));
}

} // namespace
