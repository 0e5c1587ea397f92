#include "edit/prefixes.h"
#include "markedtext.h"

#include <gtest/gtest.h>

namespace {

struct PrefixCase
{
    const char *name;
    const char *before;
    const char *prefix;
    bool add;
    const char *after;
};

class PrefixCases : public ::testing::TestWithParam<PrefixCase>
{
};

TEST_P(PrefixCases, Result)
{
    const PrefixCase &c = GetParam();
    const QString prefix = QString::fromUtf8(c.prefix);
    EXPECT_EQ(RunMarked(c.before,
                  [&](const EditRequest &r) -> std::optional<TextEdit> {
                      if (auto edit = AddRemovePrefix(r, prefix, c.add))
                          return edit->edit;
                      return std::nullopt;
                  }),
        c.after);
}

INSTANTIATE_TEST_SUITE_P(AddRemovePrefix, PrefixCases,
    ::testing::Values(PrefixCase { "add_to_whole_lines", "a\nb[b\nc\nd]d\ne", "> ", true,
                          "a\n[> bb\n> c\n> dd]\ne" },
        PrefixCase { "add_to_empty_lines_too", "[a\n\nb]", "#", true, "[#a\n#\n#b]" },
        PrefixCase { "add_caret_line", "a\nb|\nc", "//", true, "a\n[//b]\nc" },
        PrefixCase { "remove_only_where_present", "[//a\nb\n//c]", "//", false, "[a\nb\nc]" },
        PrefixCase { "remove_not_after_a_space", "[ //a\n//b]", "//", false, "[ //a\nb]" },
        PrefixCase { "remove_needs_the_whole_string", "[//x\n// y]", "// ", false, "[//x\ny]" },
        PrefixCase { "remove_is_case_sensitive", "[rem a\nRem b]", "REM", false, "unchanged" },
        PrefixCase { "remove_line_that_is_the_string", "[ab\nab]c", "ab", false, "[\nc]" },
        PrefixCase { "remove_longer_than_line", "[a]", "ab", false, "unchanged" },
        PrefixCase { "empty_prefix_does_nothing", "[a\nb]", "", true, "unchanged" }),
    [](const auto &info) { return std::string(info.param.name); });

struct ShiftCase
{
    const char *name;
    const char *before;
    const char *prefix;
    bool add;
    int shift;
    bool singleLine;
};

class PrefixShift : public ::testing::TestWithParam<ShiftCase>
{
};

TEST_P(PrefixShift, MovesTheSelectionWithItsText)
{
    const ShiftCase &c = GetParam();
    const MarkedText input = ParseMarked(c.before);
    const StringEditSource source(input.text);
    const auto edit = AddRemovePrefix(
        { source, input.anchor, input.caret }, QString::fromUtf8(c.prefix), c.add);
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->shift, c.shift);
    EXPECT_EQ(edit->singleLine, c.singleLine);
}

INSTANTIATE_TEST_SUITE_P(AddRemovePrefix, PrefixShift,
    ::testing::Values(ShiftCase { "add_moves_right", "x\nab|c", "> ", true, 2, true },
        ShiftCase { "remove_far_from_line_start", "x\nREM abcde|f", "REM ", false, -4, true },
        ShiftCase { "remove_never_before_line_start", "x\nRE|M abc", "REM ", false, -2, true },
        ShiftCase { "remove_at_line_start", "x\n|REM abc", "REM ", false, 0, true },
        ShiftCase { "several_lines", "x\n>a[b\n>c]", ">", false, -1, false }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ShownPrefix, LongStringsAreCutTo33AndDots)
{
    const QString of36(36, u'x');
    EXPECT_EQ(ShownPrefix(of36), of36);
    EXPECT_EQ(ShownPrefix(QString(37, u'y')), QString(33, u'y') + QStringLiteral("..."));
    const QString of40 = QStringLiteral("0123456789").repeated(4);
    EXPECT_EQ(ShownPrefix(of40), of40.left(33) + QStringLiteral("..."));
}

TEST(PrefixMemory, CaptionsFollowTheLastString)
{
    PrefixMemory memory;
    memory.SetBaseCaptions(QStringLiteral("Add last"), QStringLiteral("Remove last"));
    EXPECT_FALSE(memory.QuickCommandsEnabled());
    EXPECT_EQ(memory.AddCaption(), u"Add last");

    memory.SetLastPrefix(QStringLiteral("// "));
    EXPECT_TRUE(memory.QuickCommandsEnabled());
    EXPECT_EQ(memory.AddCaption(), u"Add last (// )");
    EXPECT_EQ(memory.RemoveCaption(), u"Remove last (// )");

    memory.SetLastPrefix(QStringLiteral("0123456789").repeated(4));
    EXPECT_EQ(memory.AddCaption(), u"Add last (012345678901234567890123456789012...)");

    // The base is never lost to a longer caption.
    memory.SetLastPrefix({});
    EXPECT_FALSE(memory.QuickCommandsEnabled());
    EXPECT_EQ(memory.RemoveCaption(), u"Remove last");
}

} // namespace
