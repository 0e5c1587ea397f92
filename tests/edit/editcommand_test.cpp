#include "edit/editcommand.h"

#include <gtest/gtest.h>

namespace {

// "ab" CR LF, "c" CR "d" LF (lone breaks stay inside a line), an empty line, "e".
const QString sample = QStringLiteral("ab\r\nc\rd\n\r\n\r\ne");

TEST(StringEditSource, SplitsOnlyAtCrLf)
{
    const StringEditSource source(sample);
    ASSERT_EQ(source.LineCount(), 4);
    EXPECT_EQ(source.LineText(0), u"ab");
    EXPECT_EQ(source.LineText(1), u"c\rd\n");
    EXPECT_EQ(source.LineText(2), u"");
    EXPECT_EQ(source.LineText(3), u"e");
    EXPECT_EQ(source.LineStart(3), 12);
    EXPECT_EQ(source.LineStart(4), -1);
    EXPECT_EQ(source.LineText(4), u"");
}

TEST(StringEditSource, IndexesInsideABreakBelongToTheLineItEnds)
{
    const StringEditSource source(sample);
    EXPECT_EQ(source.LineFromChar(0), 0);
    EXPECT_EQ(source.LineFromChar(2), 0); // the CR
    EXPECT_EQ(source.LineFromChar(3), 0); // between CR and LF
    EXPECT_EQ(source.LineFromChar(4), 1);
    EXPECT_EQ(source.LineFromChar(13), 3); // the end of the text
    EXPECT_EQ(source.LineFromChar(99), 3);
    EXPECT_EQ(source.LineFromChar(-5), 0);
}

TEST(StringEditSource, EmptyTextHasOneEmptyLine)
{
    const StringEditSource source { QString() };
    EXPECT_EQ(source.LineCount(), 1);
    EXPECT_EQ(source.LineLength(0), 0);
    EXPECT_EQ(source.LineFromChar(0), 0);
}

TEST(StringEditSource, RangesAreClampedToTheText)
{
    const StringEditSource source(sample);
    EXPECT_EQ(source.TextRange(-3, 2), u"ab");
    EXPECT_EQ(source.TextRange(12, 50), u"e");
    EXPECT_EQ(source.TextRange(5, 2), u"");
}

TEST(EditRequest, BackwardSelectionGivesTheSameRange)
{
    const StringEditSource source(sample);
    const EditRequest request { source, 8, 4 };
    EXPECT_EQ(request.SelStart(), 4);
    EXPECT_EQ(request.SelEnd(), 8);
    EXPECT_EQ(request.SelectedText(), u"c\rd\n");
    EXPECT_EQ(ReplacingSelection(request, QStringLiteral("x"), false),
        (TextEdit { 4, 8, QStringLiteral("x"), false }));
}

} // namespace
