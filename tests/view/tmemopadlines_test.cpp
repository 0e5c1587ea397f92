// Wrapped line numbers come from counts made without laying the document
// out; they must equal what the document's own layout gives when every
// block is laid out.
#include "edit/editcommand.h"
#include "editorfixture.h"
#include "view/tmemopadlines.h"

#include <QAbstractTextDocumentLayout>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextLayout>

#include <algorithm>
#include <vector>

namespace {

// Start of every drawn line, as program indexes, from a full layout.
std::vector<int> drawnLineStarts(const TMemoPad &editor)
{
    QTextDocument *document = editor.document();
    std::vector<int> starts;
    for (QTextBlock block = document->firstBlock(); block.isValid(); block = block.next()) {
        document->documentLayout()->blockBoundingRect(block);
        const QTextLayout *layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i)
            starts.push_back(editor.ToIndex(block.position() + layout->lineAt(i).textStart()));
    }
    return starts;
}

std::vector<int> countedLineStarts(const TMemoPad &editor);

// Counted first: the full layout would otherwise answer for the counts.
bool countedEqualDrawn(const TMemoPad &editor)
{
    const std::vector<int> counted = countedLineStarts(editor);
    return counted == drawnLineStarts(editor);
}

std::vector<int> countedLineStarts(const TMemoPad &editor)
{
    std::vector<int> starts;
    const int count = editor.LineCount();
    for (int line = 0; line < count; ++line)
        starts.push_back(editor.LineIndex(line));
    return starts;
}

QString repeatedLines(const QString &line, int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += line.left(i % (line.size() + 1)) + QLatin1String("\r\n");
    return text;
}

struct WrapCase
{
    const char *name;
    QString text;
};

std::vector<WrapCase> wrapCases()
{
    return {
        { "tabs", repeatedLines(QStringLiteral("a\tbb\t\tccc dddd\te\t\t\tf ghij\tk"), 60) },
        { "wide characters",
            repeatedLines(QStringLiteral("\u4E2D\u6587 text \uFF21\uFF22 \U0001F600 \u00E9\u0301 "
                                         "\u05E9\u05DC\u05D5\u05DD \u0627\u0644 xx"),
                60) },
        { "long words",
            repeatedLines(QStringLiteral("short "
                                         "averyveryveryverylongwordthatcannotfitonanylineatall "
                                         "http://example.com/a/b-c-d/e?f=g x-y-z"),
                90) },
        { "blocks and boxes",
            repeatedLines(QStringLiteral("\u2588\u2588\u2593\u2592\u2591 \u2554\u2550\u2557 "
                                         "\u2022\u2026\u2014\u00AB\u00BB art "),
                80) },
        { "spaces past the edge",
            repeatedLines(QString(30, QLatin1Char(0x20)) + QLatin1Char(0x77), 90) },
        { "prose",
            repeatedLines(QStringLiteral("It's 12:30, (they said) \"the $1,234.50 fee\" is "
                                         "due-today; see http://example.com/x?y=z or a/b."),
                90) },
        { "lone breaks",
            repeatedLines(QStringLiteral("one\rtwo\nthree and four and five and six\rseven"), 50) },
    };
}

class WrappedLinesTest : public EditorTest
{
};

// Once in a font whose plain ASCII lines are counted by arithmetic, once in
// one whose glyphs reach past their advance, which are laid out.
TEST_F(WrappedLinesTest, CountedLinesEqualTheFullLayout)
{
    QFont fixedAdvance(QStringLiteral("Liberation Mono"));
    fixedAdvance.setPixelSize(13);
    for (const QFont &font : { editor->font(), fixedAdvance }) {
        editor->setFont(font);
        const int charWidth = editor->AverageCharWidth();
        for (const WrapCase &c : wrapCases()) {
            for (int columns : { 7, 13, 20, 31 }) {
                editor->setText(c.text);
                editor->SetWordWrap(true);
                editor->resize(columns * charWidth + 40, 200);
                const std::vector<int> counted = countedLineStarts(*editor);
                const std::vector<int> drawn = drawnLineStarts(*editor);
                ASSERT_EQ(counted, drawn) << c.name << ", " << columns << " columns";
                for (size_t line = 0; line < drawn.size(); ++line)
                    ASSERT_EQ(editor->LineFromCharIndex(drawn[line]), int(line)) << c.name;
            }
        }
    }
}

// Lines far down are numbered right without the lines above being laid out.
TEST_F(WrappedLinesTest, FarLinesNeedNoLayoutAbove)
{
    const QString text
        = repeatedLines(QStringLiteral("wrap\tme a little further than the edge"), 400);
    editor->setText(text);
    editor->SetWordWrap(true);
    editor->resize(15 * editor->AverageCharWidth() + 40, 200);
    const int end = editor->TextLength();
    const int line = editor->LineFromCharIndex(end);
    int laidOut = 0;
    for (QTextBlock block = editor->document()->firstBlock(); block.isValid(); block = block.next())
        laidOut += block.layout()->lineCount() > 0 ? 1 : 0;
    EXPECT_LT(laidOut, 100);
    EXPECT_EQ(line, int(drawnLineStarts(*editor).size()) - 1);
}

// Enough lines that they are read in several batches and counted on several
// threads; questions about near lines and far lines and the counting in
// idle steps all give the full layout's answers.
TEST_F(WrappedLinesTest, ManyLinesCountedInBatchesAgreeWithTheLayout)
{
    QFont fixedAdvance(QStringLiteral("Liberation Mono"));
    fixedAdvance.setPixelSize(13);
    editor->setFont(fixedAdvance);
    const QString text = repeatedLines(QStringLiteral("It's 12:30, (they said) \"the $1,234.50 "
                                                      "fee\" is\tdue-today; see a/b or x-y-z."),
                             3000)
        + repeatedLines(QStringLiteral("\u4E2D\u6587 wide \u2588\u2593 art"), 300);
    editor->SetWordWrap(true);
    editor->setText(text);
    editor->resize(17 * editor->AverageCharWidth() + 40, 200);
    // A few idle steps count part of the text, the questions the rest.
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    const int middle = editor->TextLength() / 2;
    const int middleLine = editor->LineFromCharIndex(middle);
    const int farLine = editor->LineFromCharIndex(editor->TextLength() * 9 / 10);
    const int farStart = editor->LineIndex(farLine);
    const std::vector<int> counted = countedLineStarts(*editor);
    const std::vector<int> drawn = drawnLineStarts(*editor);
    ASSERT_EQ(counted, drawn);
    const auto lineOf = [&](int index) {
        return int(std::upper_bound(drawn.begin(), drawn.end(), index) - drawn.begin()) - 1;
    };
    EXPECT_EQ(middleLine, lineOf(middle));
    EXPECT_EQ(farStart, drawn[size_t(farLine)]);
}

// What is kept about a block's text tells plain text from other text and
// text with tabs at any length, and follows edits.
TEST_F(EditorTest, PlainBlocksAreKnownAtAnyLength)
{
    const QString longLine(1100000, QLatin1Char('a'));
    editor->setText(QStringLiteral("short \u00E9\r\n") + longLine
        + QStringLiteral("\r\nab\u05D0c\r\ntab\there\r\n") + longLine + QLatin1Char('\t'));
    const auto plain = [&](int block) {
        return BlockLineCounter::IsPlainWithoutTabs(editor->document()->findBlockByNumber(block));
    };
    EXPECT_TRUE(plain(0));
    EXPECT_TRUE(plain(1));
    EXPECT_FALSE(plain(2));
    EXPECT_FALSE(plain(3));
    EXPECT_FALSE(plain(4));
    const int inLongLine = 8 + 1000;
    editor->SetSel(inLongLine, inLongLine);
    editor->ReplaceSel(QStringLiteral("b c"));
    EXPECT_TRUE(plain(1));
    editor->ReplaceSel(QStringLiteral("\u05D0"));
    EXPECT_FALSE(plain(1));
}

// Counts made earlier follow edits, above and within wrapped lines.
TEST_F(WrappedLinesTest, CountsFollowEdits)
{
    editor->setText(repeatedLines(QStringLiteral("edit me and see the lines move along"), 80));
    editor->SetWordWrap(true);
    editor->resize(12 * editor->AverageCharWidth() + 40, 200);
    ASSERT_TRUE(countedEqualDrawn(*editor));
    for (int at : { 3, 400, editor->TextLength() - 5 }) {
        editor->SetSel(at, at + 2);
        editor->ReplaceSel(QStringLiteral("a much longer piece\r\nof text\twith a tab"));
        ASSERT_TRUE(countedEqualDrawn(*editor)) << at;
    }
    // A large edit that changes the lines in place, each longer than before.
    editor->setText(repeatedLines(QStringLiteral("short line that grows"), 600));
    ASSERT_TRUE(countedEqualDrawn(*editor));
    QString longer = editor->text();
    longer.replace(QStringLiteral("\r\n"), QStringLiteral(" and grows and grows\r\n"));
    editor->ApplyEdit(TextEdit { 0, editor->TextLength(), longer, false });
    EXPECT_EQ(editor->text(), longer);
    EXPECT_TRUE(countedEqualDrawn(*editor));
}

// The counts follow a new font (a zoom step) and new tab stops.
TEST_F(WrappedLinesTest, CountsFollowFontAndTabStops)
{
    editor->setText(repeatedLines(QStringLiteral("zoom\tme in and out\tand see the lines"), 80));
    editor->SetWordWrap(true);
    editor->resize(20 * editor->AverageCharWidth() + 40, 200);
    ASSERT_TRUE(countedEqualDrawn(*editor));
    QFont larger = editor->font();
    larger.setPixelSize(24);
    editor->setFont(larger);
    EXPECT_TRUE(countedEqualDrawn(*editor));
    editor->SetTabStops(64);
    EXPECT_TRUE(countedEqualDrawn(*editor));
}

} // namespace

namespace {

// A large text goes in piece by piece with the same result as at once:
// the same text, no undo step, the caret at the start, as many change signals,
// and the steps' shares growing to 100.
TEST_F(EditorTest, TextInStepsEqualsTextAtOnce)
{
    const QString line = QStringLiteral("a line\twith words\r\n");
    const QString marked = QStringLiteral("a lone\rbreak and \u2028 more\r\n");
    const QString text = marked + line.repeated(int(5 * TMemoPad::TextStep / 2 / line.size()))
        + marked + QStringLiteral("last\nline");
    QSignalSpy changes(editor.get(), &QPlainTextEdit::textChanged);
    editor->setText(text);
    const qsizetype changesAtOnce = changes.count();
    changes.clear();
    std::vector<int> shares;
    editor->SetTextInSteps(QString(text), [&](int percent) { shares.push_back(percent); });

    EXPECT_EQ(editor->text(), text);
    EXPECT_EQ(changes.count(), changesAtOnce);
    EXPECT_FALSE(editor->document()->isUndoAvailable());
    EXPECT_EQ(editor->Caret(), 0);
    ASSERT_GE(shares.size(), 3u);
    EXPECT_TRUE(std::is_sorted(shares.begin(), shares.end()));
    EXPECT_EQ(shares.back(), 100);
    // No block was cut between two pieces.
    EXPECT_EQ(editor->LineCount(), int(text.count(QLatin1String("\r\n"))) + 1);
}

} // namespace
