#include "document/timedate.h"
#include "edit/linecommands.h"
#include "edit/selectedlines.h"
#include "markedtext.h"

#include <QCollator>

#include <gtest/gtest.h>
#include <random>

namespace {

struct LineCase
{
    const char *name;
    const char *before;
    const char *after;
};

std::string CaseName(const ::testing::TestParamInfo<LineCase> &info)
{
    return info.param.name;
}

// ---- the selected lines ---------------------------------------------------

struct BlockCase
{
    const char *name;
    const char *marked;
    int first;
    int last;
    const char *block;
};

class SelectedLinesCases : public ::testing::TestWithParam<BlockCase>
{
};

TEST_P(SelectedLinesCases, CoverWholeLines)
{
    const MarkedText input = ParseMarked(GetParam().marked);
    const StringEditSource source(input.text);
    const SelectedLines lines = FindSelectedLines({ source, input.anchor, input.caret });
    EXPECT_EQ(lines.first, GetParam().first);
    EXPECT_EQ(lines.last, GetParam().last);
    EXPECT_EQ(source.TextRange(lines.blockStart, lines.blockEnd).toStdString(),
        ParseMarked(GetParam().block).text.toStdString());
}

INSTANTIATE_TEST_SUITE_P(SelectedLines, SelectedLinesCases,
    ::testing::Values(BlockCase { "caret_only", "a\nb|c\nd", 1, 1, "bc" },
        BlockCase { "middle_to_middle", "a\nb[b\nc\nd]d\ne", 1, 3, "bb\nc\ndd" },
        BlockCase { "backwards", "a\nb]b\nc\nd[d\ne", 1, 3, "bb\nc\ndd" },
        BlockCase { "end_at_line_start_includes_that_line", "a\n[b\nc\n]d\ne", 1, 3, "b\nc\nd" },
        BlockCase { "last_line_without_break", "a\n[b\nc]", 1, 2, "b\nc" },
        BlockCase { "empty_last_line", "a\n[b\n]", 1, 2, "b\n" },
        BlockCase { "lone_breaks_inside_a_line", "x\ra[b\rc\n]", 0, 1, "x\rab\rc\n" }),
    [](const auto &info) { return std::string(info.param.name); });

// ---- Delete Line ----------------------------------------------------------

class DeleteLineCases : public ::testing::TestWithParam<LineCase>
{
};

TEST_P(DeleteLineCases, Result)
{
    EXPECT_EQ(RunMarked(GetParam().before, DeleteLine), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(DeleteLine, DeleteLineCases,
    ::testing::Values(
        LineCase { "middle_line_caret_to_next_start", "1\n2\n3|3\n4\n5", "1\n2\n|4\n5" },
        LineCase { "first_line", "|1\n2", "|2" },
        LineCase { "last_line_without_break_leaves_empty_line", "1\n2\n3|3", "1\n2\n|" },
        LineCase { "selection_only_deletes_selection", "1[2\n3]4\n5", "1|4\n5" },
        LineCase { "backward_selection", "1]2\n3[4", "1|4" },
        LineCase { "empty_line", "1\n|\n3", "1\n|3" },
        LineCase { "lone_break_is_part_of_the_line", "1\r|2\n3", "|3" },
        LineCase { "empty_text_does_nothing", "|", "unchanged" }),
    CaseName);

// ---- Tab decides --------------------------------------------------------

struct TabCase
{
    const char *name;
    const char *marked;
    bool indents;
};

class TabDecides : public ::testing::TestWithParam<TabCase>
{
};

TEST_P(TabDecides, WhetherToIndent)
{
    const MarkedText input = ParseMarked(GetParam().marked);
    const StringEditSource source(input.text);
    EXPECT_EQ(TabIndentsLines({ source, input.anchor, input.caret }), GetParam().indents);
}

INSTANTIATE_TEST_SUITE_P(IndentLines, TabDecides,
    ::testing::Values(TabCase { "no_selection_types_a_tab", "ab|c", false },
        TabCase { "whole_line", "[abc]\nd", true },
        TabCase { "non_blank_text_of_line", " \t[ab c]  \nd", true },
        TabCase { "with_surrounding_blanks", "x\n[  ab c\t]", true },
        TabCase { "part_of_line_types_a_tab", "a[bc]", false },
        TabCase { "only_blanks", "[   ]x", false },
        TabCase { "blank_line_wholly", "a\n[  ]\nb", false },
        TabCase { "two_lines", "a[b\nc]d", true },
        TabCase { "end_at_next_line_start", "[abc\n]def", true }),
    [](const auto &info) { return std::string(info.param.name); });

// ---- Tabify and Untabify ------------------------------------------------

struct UnindentCase
{
    const char *name;
    const char *line;
    int tabWidth;
    const char *after;
};

class UnindentOneLine : public ::testing::TestWithParam<UnindentCase>
{
};

TEST_P(UnindentOneLine, Result)
{
    const QString line = QString::fromUtf8(GetParam().line);
    EXPECT_EQ(UnindentedLine(line, GetParam().tabWidth).toStdString(), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(IndentLines, UnindentOneLine,
    ::testing::Values(UnindentCase { "ten_spaces_width_8", "          x", 8, "  x" },
        UnindentCase { "three_spaces_then_tab", "   \tx", 8, "x" },
        UnindentCase { "two_spaces", "  x", 8, "x" },
        UnindentCase { "leading_tab", "\t\tx", 8, "\tx" },
        UnindentCase { "tab_after_a_full_width_of_spaces_stays", "        \tx", 8, "\tx" },
        UnindentCase { "width_4", "      x", 4, "  x" },
        UnindentCase { "spaces_then_tab_past_width_4", "    \tx", 4, "\tx" },
        UnindentCase { "only_spaces_shorter_than_width", "   ", 8, "" },
        UnindentCase { "other_first_character", "x  ", 8, "x  " },
        UnindentCase { "empty", "", 8, "" }),
    [](const auto &info) { return std::string(info.param.name); });

class TabifyCases : public ::testing::TestWithParam<LineCase>
{
};

TEST_P(TabifyCases, Indent)
{
    EXPECT_EQ(
        RunMarked(GetParam().before, [](const EditRequest &r) { return IndentLines(r, true, 8); }),
        GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(IndentLines, TabifyCases,
    ::testing::Values(LineCase { "caret_line", "a\nb|b\nc", "a\n[\tbb]\nc" },
        LineCase { "partial_lines_count_whole", "a[a\n\nb]b", "[\taa\n\t\n\tbb]" },
        LineCase { "end_at_line_start", "[a\n]b\nc", "[\ta\n\tb]\nc" },
        LineCase { "empty_text", "|", "[\t]" }),
    CaseName);

class UntabifyCases : public ::testing::TestWithParam<LineCase>
{
};

TEST_P(UntabifyCases, Unindent)
{
    EXPECT_EQ(
        RunMarked(GetParam().before, [](const EditRequest &r) { return IndentLines(r, false, 8); }),
        GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(IndentLines, UntabifyCases,
    ::testing::Values(LineCase { "caret_line", "a\n\tb|b\nc", "a\n[bb]\nc" },
        LineCase { "only_indented_lines_change", "[\ta\nb\n  c]", "[a\nb\nc]" },
        LineCase { "nothing_to_remove", "[a\nb]", "unchanged" }),
    CaseName);

// ---- Sort -----------------------------------------------------------------

class SortAscending : public ::testing::TestWithParam<LineCase>
{
};

TEST_P(SortAscending, Result)
{
    EXPECT_EQ(RunMarked(GetParam().before, [](const EditRequest &r) { return SortLines(r, true); }),
        GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(SortLines, SortAscending,
    ::testing::Values(
        LineCase { "case_ignored", "[cherry\nBanana\napple]", "[apple\nBanana\ncherry]" },
        LineCase { "partial_lines_sort_whole", "x\nd[d\nb\nc]c\ny", "x\n[b\ncc\ndd]\ny" },
        LineCase { "end_at_line_start_includes_it", "x\n[d\nc\nb\n]a", "x\n[a\nb\nc\nd]" },
        LineCase { "empty_line_first", "[b\n\na]", "[\na\nb]" },
        LineCase { "inside_one_line", "b[an]ana\napple", "unchanged" },
        LineCase { "no_selection", "b|\na", "unchanged" }),
    CaseName);

TEST(SortLines, DescendingIsTheAscendingOrderReversed)
{
    EXPECT_EQ(RunMarked("[apple\ncherry\nBanana]",
                  [](const EditRequest &r) { return SortLines(r, false); }),
        "[cherry\nBanana\napple]");
}

TEST(SortLines, LocaleOrderNotCodeUnitOrder)
{
    // By code unit "Z" < "a" < "é" < "z".
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(RunMarked("[z\n\u00E9\nZed\na]",
                  [&](const EditRequest &r) { return SortLines(r, true, german); }),
        "[a\n\u00E9\nz\nZed]");
}

TEST(SortLines, CaseIgnoredInEveryLocale)
{
    for (const QLocale &locale : { QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates),
             QLocale(QLocale::Turkish, QLocale::Turkey) }) {
        EXPECT_EQ(RunMarked("[cherry\nBanana\napple]",
                      [&](const EditRequest &r) { return SortLines(r, true, locale); }),
            "[apple\nBanana\ncherry]")
            << locale.name().toStdString();
    }
}

// A sort only reorders: the same lines, as many times each.
void expectSameLines(QStringList before, QStringList after)
{
    before.sort();
    after.sort();
    EXPECT_EQ(before, after);
}

// The C locale's folded keys must give its collator's own order, also for
// letters whose folding is not plain lowercasing and for surrogate pairs.
TEST(SortLines, CLocaleOrderIsTheCollatorsOrder)
{
    const QString units = QStringLiteral("aAbBzZ -_~09\u00DF\u1E9E\u017F\u212A\u00C5\u212B\u03A3"
                                         "\u03C3\u03C2\u0130\u0131iIkK\u00B5\u039C\u00E9\u00C9");
    const QString astral = QStringLiteral("\U00010400\U00010428");
    QCollator collator(QLocale::c());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::mt19937 random(3);
    for (const bool withAstral : { false, true }) {
        QStringList lines;
        for (int i = 0; i < 400; ++i) {
            QString line;
            for (int n = int(random() % 5); n > 0; --n)
                line += units[int(random() % units.size())];
            if (withAstral && i % 7 == 0)
                line.insert(
                    int(random() % (line.size() + 1)), astral.mid(int(random() % 2) * 2, 2));
            lines << line;
        }
        const StringEditSource source(lines.join(QStringLiteral("\r\n")));
        const std::optional<TextEdit> edit
            = SortLines({ source, 0, source.TextLength() }, true, QLocale::c());
        ASSERT_TRUE(edit);
        const QStringList sorted = edit->text.split(QStringLiteral("\r\n"));
        for (qsizetype i = 1; i < sorted.size(); ++i)
            ASSERT_LE(collator.compare(sorted[i - 1], sorted[i]), 0)
                << withAstral << " " << sorted[i - 1].toStdString() << " / "
                << sorted[i].toStdString();
        expectSameLines(lines, sorted);
    }
}

// Enough lines to be sorted in shares on several threads and merged.
TEST(SortLines, ManyLinesComeOutInOrder)
{
    std::mt19937 random(5);
    QStringList lines;
    for (int i = 0; i < 50000; ++i) {
        QString line;
        for (int n = 1 + int(random() % 6); n > 0; --n)
            line += QChar(char16_t(u"aAbBcC \u00E9\u00C9zZ"[random() % 11]));
        lines << line;
    }
    const StringEditSource source(lines.join(QStringLiteral("\r\n")));
    for (const QLocale &locale :
        { QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates) }) {
        QCollator collator(locale);
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        for (const bool ascending : { true, false }) {
            const std::optional<TextEdit> edit
                = SortLines({ source, 0, source.TextLength() }, ascending, locale);
            ASSERT_TRUE(edit);
            const QStringList sorted = edit->text.split(QStringLiteral("\r\n"));
            ASSERT_EQ(sorted.size(), lines.size());
            for (qsizetype i = 1; i < sorted.size(); ++i) {
                const int order = collator.compare(sorted[i - 1], sorted[i]);
                ASSERT_TRUE(ascending ? order <= 0 : order >= 0)
                    << locale.name().toStdString() << " at " << i;
            }
            expectSameLines(lines, sorted);
        }
    }
}

// ---- Insert Time/Date ---------------------------------------------------

TEST(InsertText, ReplacesTheSelectionCaretAfter)
{
    const auto insert = [](const EditRequest &r) { return InsertText(r, QStringLiteral("T D")); };
    EXPECT_EQ(RunMarked("a[bc]d", insert), "aT D|d");
    EXPECT_EQ(RunMarked("ab|", insert), "abT D|");
    EXPECT_EQ(
        RunMarked("a[b]", [](const EditRequest &r) { return InsertText(r, {}); }), "unchanged");
}

TEST(TimeDateText, TimeWithoutSecondsThenShortDate)
{
    const QDateTime when(QDate(2026, 12, 8), QTime(14, 5, 59));
    EXPECT_EQ(TimeDateText(QLocale(QLocale::German, QLocale::Germany), when), u"14:05 08.12.26");
    // The C locale's short time has seconds; the stamp drops them.
    EXPECT_TRUE(TimeDateText(QLocale::c(), when).startsWith(u"14:05 "))
        << TimeDateText(QLocale::c(), when).toStdString();
}

} // namespace
