#include "platform/placement.h"
#include "platform/texthelpers.h"
#include "platform/timeformat.h"

#include <QLocale>
#include <QTime>

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

namespace {

struct TimeFormatCase
{
    const char *name;
    const char *format;
    const char *expected;
};

class TimeStampFormat : public testing::TestWithParam<TimeFormatCase>
{
};

// Regression: under the C locales the .LOG stamp carried seconds.
TEST_P(TimeStampFormat, HasNoSeconds)
{
    EXPECT_EQ(TimeFormatWithoutSeconds(QString::fromUtf8(GetParam().format)),
        QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Locales, TimeStampFormat,
    testing::Values(TimeFormatCase { "c_locale", "HH:mm:ss", "HH:mm" },
        TimeFormatCase { "already_without", "h:mm AP", "h:mm AP" },
        TimeFormatCase { "seconds_before_am_pm", "h:mm:ss AP", "h:mm AP" },
        TimeFormatCase { "dots", "HH.mm.ss", "HH.mm" },
        TimeFormatCase { "milliseconds_too", "HH:mm:ss.zzz", "HH:mm" },
        TimeFormatCase { "time_zone_kept", "HH:mm:ss t", "HH:mm t" },
        TimeFormatCase { "quoted_s_kept", "'um' HH:mm:ss 'Uhr'", "'um' HH:mm 'Uhr'" },
        TimeFormatCase { "am_pm_first", "AP h:mm:ss", "AP h:mm" }),
    [](const testing::TestParamInfo<TimeFormatCase> &info) {
        return std::string(info.param.name);
    });

TEST(TimeStampFormat, NoLocaleGivesSeconds)
{
    for (const char *name :
        { "C", "en_US", "de_DE", "fr_FR", "ja_JP", "ko_KR", "zh_CN", "ar_EG" }) {
        const QLocale locale(QString::fromLatin1(name));
        const QString format = TimeFormatWithoutSeconds(locale.timeFormat(QLocale::ShortFormat));
        EXPECT_EQ(
            locale.toString(QTime(13, 7, 42), format), locale.toString(QTime(13, 7, 0), format))
            << name << ": " << qPrintable(format);
        EXPECT_FALSE(locale.toString(QTime(13, 7, 42), format).contains(u"42")) << name;
    }
}

} // namespace
