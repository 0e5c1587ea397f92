#include "editorfixture.h"
#include "testseams.h"
#include "view/clipboardtext.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QWheelEvent>

#include <set>
#include <vector>

namespace {

const std::vector<int> allWaits { 50, 100, 150, 200, 250 };

// Lines: "ab" CR LF, "cd" CR "e" LF "f" CR LF, the surrogate pair and "g".
const QString mixedText = QStringLiteral("ab\r\ncd\re\nf\r\n\U0001F600g");

TEST_F(EditorTest, LinesAndIndexesCountCrLfAsTwo)
{
    editor->setText(mixedText);
    EXPECT_EQ(editor->LineCount(), 3);
    EXPECT_EQ(editor->LineIndex(0), 0);
    EXPECT_EQ(editor->LineIndex(1), 4);
    EXPECT_EQ(editor->LineIndex(2), 12);
    EXPECT_EQ(editor->LineIndex(3), -1);
    EXPECT_EQ(editor->LineFromCharIndex(2), 0);
    EXPECT_EQ(editor->LineFromCharIndex(4), 1);
    EXPECT_EQ(editor->LineFromCharIndex(11), 1); // the lone LF belongs to its line
    EXPECT_EQ(editor->LineFromCharIndex(15), 2);

    editor->SetSel(8, 8);
    EXPECT_EQ(editor->LineIndex(-1), 4);
    const TMemoPad::LineOfChar line = editor->LineFromChar(-1);
    EXPECT_EQ(line.line, 1);
    EXPECT_EQ(line.lineStart, 4);
}

TEST_F(EditorTest, SelectionKeepsAnchorAndCaretInProgramIndexes)
{
    editor->setText(mixedText);
    editor->SetSel(14, 2); // backwards, ending after the surrogate pair
    int start = 0;
    int end = 0;
    EXPECT_EQ(editor->GetSel(&start, &end), 2 | 14 << 16);
    EXPECT_EQ(start, 2);
    EXPECT_EQ(end, 14);
    EXPECT_EQ(editor->Anchor(), 14);
    EXPECT_EQ(editor->Caret(), 2);
    EXPECT_EQ(editor->GetCaretCharIndex(), 2);
    EXPECT_EQ(editor->SelectedText(), QStringLiteral("\r\ncd\re\nf\r\n\U0001F600"));

    editor->SetSel(0, -1);
    EXPECT_EQ(editor->SelectedText(), mixedText);
    editor->SetSel(-1, 0);
    EXPECT_EQ(editor->SelLength(), 0);
    EXPECT_EQ(editor->Caret(), int(mixedText.size()));
}

TEST_F(EditorTest, GetSelGivesMinusOneBeyondSixteenBits)
{
    editor->setText(QString(70000, QLatin1Char('a')));
    editor->SetSel(65535, 65535);
    EXPECT_EQ(editor->GetSel(), int(0xFFFFFFFFu & (65535u | 65535u << 16)));
    int start = 0;
    int end = 0;
    editor->SetSel(10, 65536);
    EXPECT_EQ(editor->GetSel(&start, &end), -1);
    EXPECT_EQ(start, 10);
    EXPECT_EQ(end, 65536);
}

TEST_F(EditorTest, ReplaceSelIsOneUndoStepWithTheCaretAfterIt)
{
    editor->setText(QStringLiteral("hello world"));
    editor->SetSel(5, 0);
    editor->ReplaceSel(QStringLiteral("bye\r\nthere\rX"));
    EXPECT_EQ(editor->text(), QStringLiteral("bye\r\nthere\rX world"));
    EXPECT_EQ(editor->Caret(), 12);
    EXPECT_EQ(editor->SelLength(), 0);
    editor->undo();
    EXPECT_EQ(editor->text(), QStringLiteral("hello world"));
    EXPECT_FALSE(editor->document()->isUndoAvailable());
}

// Visual lines of the first, visible, text line, read from where its
// characters are drawn: one line per distinct y.
int drawnLinesOfFirstLine(const TMemoPad &editor, int length)
{
    std::set<int> tops;
    for (int index = 0; index < length; ++index)
        tops.insert(editor.PosFromChar(index)->y());
    return int(tops.size());
}

// Every text line is as long as the first, so all wrap like it, painted or not.
void expectWrappedLikeTheFirstLine(const TMemoPad &editor, int textLines, int lineLength)
{
    const int perTextLine = drawnLinesOfFirstLine(editor, lineLength);
    ASSERT_GT(perTextLine, 1);
    const int width = editor.LineIndex(1);
    EXPECT_EQ(editor.LineCount(), textLines * perTextLine + 1);
    for (int line = 0; line < textLines * perTextLine; ++line) {
        const int expected = line / perTextLine * (lineLength + 2) + line % perTextLine * width;
        ASSERT_EQ(editor.LineIndex(line), expected) << line;
        ASSERT_EQ(editor.LineFromCharIndex(expected), line);
    }
}

TEST_F(EditorTest, WrappedLinesAreCountedAndIndexedAsDrawn)
{
    // Far more lines than the view shows, so most are never painted.
    const QString longLine(60, QLatin1Char('w'));
    editor->setText(numberedLines(40, longLine) + QLatin1String("end"));
    EXPECT_EQ(editor->LineCount(), 41);

    editor->SetWordWrap(true);
    editor->resize(12 * editor->AverageCharWidth() + 40, 300);
    expectWrappedLikeTheFirstLine(*editor, 40, 60);
    const int lines = editor->LineCount();

    // Narrower still: the count follows the new width.
    editor->resize(6 * editor->AverageCharWidth() + 40, 300);
    EXPECT_GT(editor->LineCount(), lines);
    expectWrappedLikeTheFirstLine(*editor, 40, 60);

    // An edit that adds lines while wrapping.
    editor->SetSel(62, 62);
    editor->ReplaceSel(numberedLines(3, longLine));
    expectWrappedLikeTheFirstLine(*editor, 43, 60);

    editor->SetWordWrap(false);
    EXPECT_EQ(editor->LineCount(), 44);
}

TEST_F(EditorTest, CharFromPointFindsTheCharacterDrawnThere)
{
    editor->setText(mixedText);
    const int height = editor->fontMetrics().height();
    for (int index : { 0, 1, 4, 7, 12, 14, 15 }) {
        const QPoint at = *editor->PosFromChar(index) + QPoint(1, height / 2);
        const TMemoPad::PointChar found = editor->CharFromPoint(at.x(), at.y());
        EXPECT_TRUE(found.found) << index;
        EXPECT_EQ(found.index, index);
        EXPECT_EQ(found.line, editor->LineFromCharIndex(index));
        EXPECT_EQ(found.lineStart, editor->LineIndex(found.line));
    }
    // Outside the text area the point is clamped into it.
    EXPECT_EQ(editor->CharFromPoint(-50, -50).index, 0);
}

TEST_F(EditorTest, CharFromPointBelowLine65535)
{
    editor->setText(numberedLines(70000) + QLatin1String("end"));
    const int index = editor->LineIndex(66000);
    ASSERT_EQ(index, 66000 * 3);
    editor->SetSel(index, index);
    editor->ScrollCaret();
    ASSERT_GT(editor->FirstVisibleLine(), 65535);

    const QPoint at = *editor->PosFromChar(index) + QPoint(1, editor->fontMetrics().height() / 2);
    const TMemoPad::PointChar found = editor->CharFromPoint(at.x(), at.y());
    EXPECT_EQ(found.line, 66000);
    EXPECT_EQ(found.index, index);
    EXPECT_EQ(found.lineStart, index);
    EXPECT_EQ(
        editor->CharFromPos16(at), int(quint32(index & 0xFFFF) | quint32(66000 & 0xFFFF) << 16));
}

// Folding a 16-bit reply goes wrong on a line this long; the full values do not.
TEST_F(EditorTest, CharFromPointOnALineLongerThan65535)
{
    editor->setText(QLatin1String("ab\r\n") + QString(70000, QLatin1Char('z')));
    const int index = 4 + 69000;
    editor->SetSel(index, index);
    editor->ScrollCaret();
    const QPoint at = *editor->PosFromChar(index) + QPoint(1, editor->fontMetrics().height() / 2);
    const TMemoPad::PointChar found = editor->CharFromPoint(at.x(), at.y());
    EXPECT_EQ(found.line, 1);
    EXPECT_EQ(found.index, index);
    EXPECT_EQ(found.lineStart, 4);
}

bool keepsGlyphs(const TMemoPad &editor, int block)
{
    return editor.document()->findBlockByNumber(block).layout()->cacheEnabled();
}

TEST_F(EditorTest, LongLinesKeepTheirGlyphsWhetherLoadedOrTyped)
{
    constexpr int Long = TMemoPad::LongLine;
    editor->setText(QLatin1String("short\r\n") + QString(Long - 1, QLatin1Char('x'))
        + QLatin1String("\r\n") + QString(Long, QLatin1Char('y')) + QLatin1String("\r\nend"));
    EXPECT_FALSE(keepsGlyphs(*editor, 0));
    EXPECT_FALSE(keepsGlyphs(*editor, 1));
    EXPECT_TRUE(keepsGlyphs(*editor, 2));
    EXPECT_FALSE(keepsGlyphs(*editor, 3));

    editor->setText(QString(Long - 1, QLatin1Char('x')));
    EXPECT_FALSE(keepsGlyphs(*editor, 0));
    editor->SetSel(0, 0);
    editor->ReplaceSel(QStringLiteral("z"));
    EXPECT_TRUE(keepsGlyphs(*editor, 0));

    // Not beyond the limit, however many long lines there are.
    const int fit = int(TMemoPad::KeptGlyphsLimit / (Long + 1));
    const QString line = QString(Long, QLatin1Char('y')) + QLatin1String("\r\n");
    editor->setText(line.repeated(fit + 1));
    EXPECT_TRUE(keepsGlyphs(*editor, fit - 1));
    EXPECT_FALSE(keepsGlyphs(*editor, fit));
}

TEST_F(EditorTest, LineScrollMovesByLinesAndAverageCharacterWidths)
{
    editor->setText(numberedLines(100, QString(300, QLatin1Char('h'))));
    editor->LineScroll(5, 7);
    EXPECT_EQ(editor->FirstVisibleLine(), 7);
    EXPECT_EQ(editor->HorizontalScrollPos(), 5 * editor->AverageCharWidth());
    editor->LineScroll(-2, -3);
    EXPECT_EQ(editor->FirstVisibleLine(), 4);
    EXPECT_EQ(editor->HorizontalScrollPos(), 3 * editor->AverageCharWidth());
    EXPECT_EQ(GetAverageCharWidth(editor.get()), editor->AverageCharWidth());
    EXPECT_EQ(GetAverageCharWidth(nullptr), -1);
}

TEST_F(EditorTest, TabStopsAreInQuarterCharacterWidths)
{
    editor->SetTabStops(32);
    // The font's real average, not the whole pixels reported as the average width.
    EXPECT_DOUBLE_EQ(
        editor->tabStopDistance(), 8.0 * QFontMetricsF(editor->font()).averageCharWidth());
}

// ---- paste and copy -------------------------------------------------------

class PasteTest : public EditorTest
{
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        editor->setText(QStringLiteral("one two"));
        editor->SetSel(3, 7);
        fake.clipboard = QStringLiteral("a\nb\r\nc\rd");
    }

    void expectPasted()
    {
        EXPECT_EQ(editor->text(), QStringLiteral("onea\r\nb\r\nc\rd"));
        EXPECT_EQ(editor->Caret(), editor->TextLength());
        editor->undo();
        EXPECT_EQ(editor->text(), QStringLiteral("one two"));
        EXPECT_FALSE(editor->document()->isUndoAvailable());
    }

    FakeSeams fake;
};

TEST_F(PasteTest, SlotNormalisesLineBreaksAsOneUndoableEdit)
{
    editor->MyPaste();
    expectPasted();
}

TEST_F(PasteTest, CtrlV)
{
    QTest::keyClick(editor.get(), Qt::Key_V, Qt::ControlModifier);
    expectPasted();
}

TEST_F(PasteTest, ShiftInsert)
{
    QTest::keyClick(editor.get(), Qt::Key_Insert, Qt::ShiftModifier);
    expectPasted();
}

TEST_F(PasteTest, ContextMenu)
{
    // The menu enables Paste only when the system clipboard holds text.
    QGuiApplication::clipboard()->setText(QStringLiteral("enables the item"));
    std::unique_ptr<QMenu> menu(editor->CreateContextMenu(QPoint(5, 5)));
    QAction *paste = menu->findChild<QAction *>(QStringLiteral("edit-paste"));
    ASSERT_NE(paste, nullptr);
    paste->trigger();
    expectPasted();
}

TEST_F(PasteTest, RetriesABusyClipboard)
{
    fake.clipboardFailures = 5;
    editor->MyPaste();
    EXPECT_EQ(fake.waits, allWaits);
    expectPasted();
}

TEST_F(PasteTest, GivesUpSilentlyAndKeepsTheSelection)
{
    fake.clipboardFailures = 6;
    editor->MyPaste();
    EXPECT_EQ(fake.waits, allWaits);
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_EQ(editor->text(), QStringLiteral("one two"));
    EXPECT_EQ(editor->SelectedText(), QStringLiteral(" two"));
}

TEST_F(PasteTest, NothingIntoReadOnlyText)
{
    editor->setReadOnly(true);
    editor->MyPaste();
    EXPECT_EQ(editor->text(), QStringLiteral("one two"));
}

TEST_F(EditorTest, CopyPutsTheProgramTextOnTheClipboard)
{
    editor->setText(QStringLiteral("a\rb\r\nc\nd"));
    editor->SetSel(0, -1);
    QTest::keyClick(editor.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("a\rb\r\nc\nd"));
}

TEST(CopyTextToClipboard, RetriesThenReportsTheFailureWhenAsked)
{
    FakeSeams fake;
    fake.clipboardFailures = 3;
    EXPECT_TRUE(CopyTextToClipboard(QStringLiteral("x"), true));
    EXPECT_EQ(fake.clipboard, QStringLiteral("x"));
    EXPECT_EQ(fake.waits, (std::vector<int> { 50, 100, 150 }));

    fake.clipboardFailures = 6;
    EXPECT_FALSE(CopyTextToClipboard(QStringLiteral("y"), false));
    EXPECT_TRUE(fake.messages.empty());

    fake.clipboardFailures = 6;
    EXPECT_FALSE(CopyTextToClipboard(QStringLiteral("y"), true));
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, QStringLiteral("Clipboard busy"));
    EXPECT_EQ(fake.clipboard, QStringLiteral("x"));
}

// ---- keyboard -------------------------------------------------------------

TEST_F(EditorTest, EnterAndShiftEnterBreakTheLineWithCrLf)
{
    editor->setText(QStringLiteral("abc"));
    editor->SetSel(1, 1);
    QTest::keyClick(editor.get(), Qt::Key_Return);
    QTest::keyClick(editor.get(), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(editor->text(), QStringLiteral("a\r\n\r\nbc"));
}

// A stand-in's mark must not pass to what is typed after it.
TEST_F(EditorTest, TypingAfterALoneBreakKeepsTheTypedCharacters)
{
    editor->setText(QStringLiteral("a\r"));
    editor->SetSel(2, 2);
    // Typed as a keyboard layout with the character would send it.
    QKeyEvent picture(QEvent::KeyPress, 0x240D, Qt::NoModifier, QStringLiteral("\u240D"));
    QApplication::sendEvent(editor.get(), &picture);
    QTest::keyClick(editor.get(), Qt::Key_Z);
    EXPECT_EQ(editor->text(), QStringLiteral("a\r\u240Dz"));
}

// The owner's handlers as the events arrive: what each saw, and the key to take.
struct RecordingEvents : TMemoPadEvents
{
    int takeKey = 0;
    std::vector<int> keysUp;
    int presses = 0;
    int releases = 0;
    int doubleClicks = 0;
    std::vector<std::pair<QPoint, Qt::KeyboardModifiers>> moves;
    int selectionAtPress = -1; // the control has handled the press first

    explicit RecordingEvents(TMemoPad *memo)
        : memo(memo)
    {
        memo->SetEvents(this);
    }
    ~RecordingEvents() override { memo->SetEvents(nullptr); }

    bool MemoKeyDown(QKeyEvent *event) override { return event->key() == takeKey; }
    void MemoKeyUp(QKeyEvent *event) override { keysUp.push_back(event->key()); }
    void MemoMouseDown(QMouseEvent *) override
    {
        ++presses;
        selectionAtPress = memo->SelStart();
    }
    void MemoMouseMove(QMouseEvent *event) override
    {
        moves.emplace_back(event->position().toPoint(), event->modifiers());
    }
    void MemoMouseUp(QMouseEvent *) override { ++releases; }
    void MemoDblClick(QMouseEvent *) override { ++doubleClicks; }

    TMemoPad *memo;
};

TEST_F(EditorTest, KeyDownHandlerCanTakeAKey)
{
    editor->setText(QString());
    RecordingEvents events(editor.get());
    events.takeKey = Qt::Key_X;
    QTest::keyClicks(editor.get(), QStringLiteral("axb"));
    EXPECT_EQ(editor->text(), QStringLiteral("ab"));
    // Releases are reported for taken keys too.
    EXPECT_EQ(events.keysUp, (std::vector<int> { Qt::Key_A, Qt::Key_X, Qt::Key_B }));
}

TEST_F(EditorTest, MouseHandlersRunAfterTheControl)
{
    editor->setText(QStringLiteral("word other"));
    RecordingEvents events(editor.get());
    QTest::mouseClick(
        editor->viewport(), Qt::LeftButton, Qt::NoModifier, *editor->PosFromChar(5) + QPoint(1, 4));
    EXPECT_EQ(events.presses, 1);
    EXPECT_EQ(events.releases, 1);
    EXPECT_EQ(events.selectionAtPress, 5);
}

// ---- mouse ----------------------------------------------------------------

void sendWheel(QWidget *viewport, QPoint angle, Qt::KeyboardModifiers modifiers)
{
    QWheelEvent event(QPointF(10, 10), viewport->mapToGlobal(QPointF(10, 10)), QPoint(), angle,
        Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &event);
}

TEST_F(EditorTest, CtrlWheelFiresOneZoomEventPerMessageAndDoesNotScroll)
{
    editor->setText(numberedLines(200));
    QSignalSpy up(editor.get(), &TMemoPad::OnCtrlMouseScrollWheelUp);
    QSignalSpy down(editor.get(), &TMemoPad::OnCtrlMouseScrollWheelDown);
    sendWheel(editor->viewport(), QPoint(0, -120), Qt::ControlModifier);
    sendWheel(editor->viewport(), QPoint(0, -360), Qt::ControlModifier);
    sendWheel(editor->viewport(), QPoint(0, 15), Qt::ControlModifier);
    EXPECT_EQ(up.count(), 1);
    EXPECT_EQ(down.count(), 2);
    EXPECT_EQ(up.at(0).at(0).value<QObject *>(), editor.get());
    EXPECT_EQ(editor->FirstVisibleLine(), 0);

    sendWheel(editor->viewport(), QPoint(0, -120), Qt::NoModifier);
    EXPECT_GT(editor->FirstVisibleLine(), 0);
    EXPECT_EQ(up.count() + down.count(), 3);
}

TEST_F(EditorTest, DoubleClickGoesToTheProgramWithCustomWordSelection)
{
    editor->setText(QStringLiteral("word other"));
    RecordingEvents events(editor.get());
    const QPoint at = *editor->PosFromChar(1) + QPoint(1, 4);
    QTest::mouseDClick(editor->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_EQ(events.doubleClicks, 1);
    EXPECT_EQ(editor->SelLength(), 0);

    editor->SetUseCustomWordSelection(false);
    QTest::mouseDClick(editor->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_EQ(events.doubleClicks, 2);
    EXPECT_EQ(editor->SelectedText(), QStringLiteral("word"));
}

void sendMove(QWidget *viewport, QPoint at, Qt::KeyboardModifiers modifiers)
{
    QMouseEvent event(
        QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, modifiers);
    QApplication::sendEvent(viewport, &event);
}

TEST_F(EditorTest, CtrlDragGoesToTheProgramWithoutSelecting)
{
    editor->setText(QStringLiteral("some words to drag over"));
    RecordingEvents events(editor.get());
    const auto &moves = events.moves;
    const QPoint from = *editor->PosFromChar(0) + QPoint(1, 4);
    const QPoint to = *editor->PosFromChar(10) + QPoint(1, 4);
    QTest::mousePress(editor->viewport(), Qt::LeftButton, Qt::NoModifier, from);
    sendMove(editor->viewport(), to, Qt::ControlModifier);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves.at(0).first, to);
    EXPECT_EQ(moves.at(0).second, Qt::KeyboardModifiers(Qt::ControlModifier));
    EXPECT_EQ(editor->SelLength(), 0);

    // Without Ctrl the control drags a selection and the program still hears of it.
    sendMove(editor->viewport(), to, Qt::NoModifier);
    EXPECT_EQ(moves.size(), 2u);
    EXPECT_EQ(editor->SelLength(), 10);
    QTest::mouseRelease(editor->viewport(), Qt::LeftButton, Qt::NoModifier, to);
}

} // namespace
