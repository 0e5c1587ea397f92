#include "search/textsearch.h"
#include "view/programtext.h"
#include "view/tmemopad.h"

#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>
#include <random>

namespace {

struct RoundTripCase
{
    const char *name;
    QString text;
};

std::vector<RoundTripCase> roundTripCases()
{
    return {
        { "empty", QString() },
        { "crlf_lines", QStringLiteral("ab\r\ncd\r\n") },
        { "lone_cr", QStringLiteral("a\rb") },
        { "lone_lf", QStringLiteral("a\nb") },
        { "lf_then_cr", QStringLiteral("\n\r") },
        { "cr_before_crlf", QStringLiteral("a\r\r\nb") },
        { "trailing_lone_cr", QStringLiteral("end\r") },
        { "separators", QStringLiteral("x\u2028y\u2029z") },
        { "frame_marks", QStringLiteral("\uFDD0a\uFDD1") },
        { "real_control_pictures", QStringLiteral("\u240D\u240A\u00B6\uFFFD") },
        { "pictures_beside_stand_ins", QStringLiteral("\u00B6\u2029\u00B6\r\u240D\r\n") },
        { "surrogates", QStringLiteral("\U0001F600\r\n\U0001F600\r") },
        { "nbsp_and_tab", QStringLiteral("a\u00A0b\tc") },
    };
}

class RoundTrip : public ::testing::TestWithParam<RoundTripCase>
{
};

TEST_P(RoundTrip, EditorGivesBackExactlyWhatWasSet)
{
    TMemoPad editor;
    editor.setText(GetParam().text);
    EXPECT_EQ(editor.text(), GetParam().text);
    EXPECT_EQ(editor.TextLength(), GetParam().text.size());
}

TEST_P(RoundTrip, InsertedTextComesBackAndCopiesExactly)
{
    TMemoPad editor;
    editor.setText(QStringLiteral("[]"));
    editor.SetSel(1, 1);
    editor.ReplaceSel(GetParam().text);
    EXPECT_EQ(editor.text(), QLatin1Char('[') + GetParam().text + QLatin1Char(']'));
    editor.SetSel(1, 1 + int(GetParam().text.size()));
    EXPECT_EQ(editor.SelectedText(), GetParam().text);
}

// Long runs of plain text are read back faster than the rest; breaks,
// stand-ins and their pictures among them still come back exactly.
TEST(ProgramText, LongMixedTextsComeBackExactly)
{
    const QString rare = QStringLiteral("\r\n\u2028\u2029\uFDD0\u240D\u00B6\u00E9");
    std::mt19937 random(17);
    TMemoPad editor;
    for (int round = 0; round < 60; ++round) {
        QString text;
        for (int n = int(random() % 400); n > 0; --n) {
            if (random() % 10 == 0)
                text += random() % 3 == 0 ? QStringLiteral("\r\n")
                                          : QString(rare[int(random() % rare.size())]);
            else
                text += QChar(char16_t(u'a' + random() % 26));
        }
        editor.setText(text);
        ASSERT_EQ(editor.text(), text);
    }
}

INSTANTIATE_TEST_SUITE_P(ProgramText, RoundTrip, ::testing::ValuesIn(roundTripCases()),
    [](const auto &info) { return std::string(info.param.name); });

// Program index of every document position, counted the slow way.
std::vector<int> naiveIndexes(const QString &programText)
{
    std::vector<int> indexes;
    for (int i = 0; i < programText.size(); ++i) {
        indexes.push_back(i);
        if (programText.at(i) == u'\r' && i + 1 < programText.size()
            && programText.at(i + 1) == u'\n')
            ++i;
    }
    indexes.push_back(int(programText.size()));
    return indexes;
}

// Lines of many lengths and a long run of empty lines, where narrowing down
// the block of an index takes its slowest path.
QString manyLines()
{
    QString text = QStringLiteral("ab\r\ncd\re\nf\r\n\r\n\U0001F600g\r\n");
    for (int i = 0; i < 400; ++i)
        text += QString(i % 70, QLatin1Char('t')) + QLatin1String("\r\n");
    for (int i = 0; i < 2000; ++i)
        text += QLatin1String("\r\n");
    for (int i = 0; i < 400; ++i)
        text += QString(i % 13, QLatin1Char('u')) + QLatin1String(i % 7 ? "\r\n" : "\r");
    return text;
}

TEST(ProgramPositions, MatchACountOfTheCharactersOnEveryPosition)
{
    const QString text = manyLines();
    QTextDocument document;
    QTextCursor cursor(&document);
    InsertProgramText(cursor, text);

    const std::vector<int> expected = naiveIndexes(text);
    ASSERT_EQ(int(expected.size()), document.characterCount());
    EXPECT_EQ(ProgramLength(document), text.size());
    for (int position = 0; position < int(expected.size()); ++position) {
        EXPECT_EQ(ToProgramIndex(document, position), expected[position]) << position;
        EXPECT_EQ(ToDocumentPosition(document, expected[position]), position) << position;
    }
}

TEST(ProgramPositions, BetweenCrAndLfOrOutsideTheTextAreClamped)
{
    QTextDocument document;
    QTextCursor cursor(&document);
    InsertProgramText(cursor, QStringLiteral("ab\r\ncd"));
    EXPECT_EQ(ToDocumentPosition(document, 3), 2); // the LF of the break: end of line 0
    EXPECT_EQ(ToDocumentPosition(document, -5), 0);
    EXPECT_EQ(ToDocumentPosition(document, 99), 5);
    EXPECT_EQ(ToProgramIndex(document, 99), 6);
}

TEST(NormalizeLineBreaks, EveryLineFeedBecomesCrLfAndLoneCrStays)
{
    EXPECT_EQ(NormalizeLineBreaks(QStringLiteral("a\nb\n")), QStringLiteral("a\r\nb\r\n"));
    EXPECT_EQ(NormalizeLineBreaks(QStringLiteral("a\r\nb")), QStringLiteral("a\r\nb"));
    EXPECT_EQ(NormalizeLineBreaks(QStringLiteral("a\rb")), QStringLiteral("a\rb"));
    EXPECT_EQ(NormalizeLineBreaks(QStringLiteral("\n\r\r\n")), QStringLiteral("\r\n\r\r\n"));
}

TEST(ReplaceAllText, CountsAndReplacesWithOrWithoutCase)
{
    QString text = QStringLiteral("Abc abc ABC");
    EXPECT_EQ(ReplaceAllText(text, u"abc", u"x", true), 1);
    EXPECT_EQ(text, QStringLiteral("Abc x ABC"));
    EXPECT_EQ(ReplaceAllText(text, u"aBc", u"yy", false), 2);
    EXPECT_EQ(text, QStringLiteral("yy x yy"));
}

TEST(ReplaceAllText, ReplacementHoldingThePatternIsNotScannedAgain)
{
    QString text = QStringLiteral("aXa");
    EXPECT_EQ(ReplaceAllText(text, u"a", u"aa", true), 2);
    EXPECT_EQ(text, QStringLiteral("aaXaa"));
}

TEST(ReplaceAllText, EmptyPatternChangesNothing)
{
    QString text = QStringLiteral("abc");
    EXPECT_EQ(ReplaceAllText(text, u"", u"x", false), 0);
    EXPECT_EQ(text, QStringLiteral("abc"));
}

// Lower-casing must not change lengths, or matches land on the wrong characters.
TEST(ReplaceAllText, CaseFoldingKeepsPositions)
{
    QString text = QStringLiteral("\u0130ab");
    EXPECT_EQ(ReplaceAllText(text, u"AB", u"-", false), 1);
    EXPECT_EQ(text, QStringLiteral("\u0130-"));
}

} // namespace
