#include "document/logstamp.h"

#include <gtest/gtest.h>

namespace {

struct StampCase
{
    const char *name;
    const char16_t *text;
    const char16_t *appended; // nullptr: no stamp
};

class LogStampTest : public ::testing::TestWithParam<StampCase>
{
};

TEST_P(LogStampTest, Stamp)
{
    const StampCase &c = GetParam();
    const QString text = QString::fromUtf16(c.text);
    const auto stamp = LogStamp(StringEditSource(text), QStringLiteral("T"));
    if (!c.appended) {
        EXPECT_FALSE(stamp);
        return;
    }
    ASSERT_TRUE(stamp);
    const int length = int(text.size());
    EXPECT_EQ(*stamp, (TextEdit { length, length, QString::fromUtf16(c.appended), false }));
}

INSTANTIATE_TEST_SUITE_P(Texts, LogStampTest,
    ::testing::Values(StampCase { "marker_alone", u".LOG", u"\r\n\r\nT" },
        StampCase { "last_line_ended", u".LOG\r\n", u"\r\nT" },
        StampCase { "entries_after_the_marker", u".LOG\r\nentry", u"\r\n\r\nT" },
        StampCase { "entries_ended", u".LOG\r\nentry\r\n", u"\r\nT" },
        // A lone CR also ends the first line, but not the last one.
        StampCase { "marker_then_lone_cr", u".LOG\r", u"\r\n\r\nT" },
        StampCase { "lower_case_is_no_log", u".log\r\nentry", nullptr },
        StampCase { "longer_first_line_is_no_log", u".LOGS\r\n", nullptr },
        StampCase { "marker_after_a_space_is_no_log", u" .LOG", nullptr },
        StampCase { "empty_text", u"", nullptr }),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
