// A very long unwrapped line is drawn from the part in view; the viewport
// must look exactly as when the control draws a whole line of the same
// text, with selections and the caret.
#include "view/longlinepaint.h"
#include "view/tmemopad.h"

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

QString words(int length)
{
    const QStringList list
        = { QStringLiteral("lorem"), QStringLiteral("ipsum"), QStringLiteral("Dolor,"),
              QStringLiteral("sit"), QStringLiteral("amet."), QStringLiteral("fi"),
              QStringLiteral("\u00E9t\u00E9"), QStringLiteral("W"), QStringLiteral("AVAV") };
    QString text;
    for (int i = 0; text.size() < length; ++i)
        text += list[(i * 5 + i / 3) % list.size()] + QLatin1Char(' ');
    return text.left(length);
}

std::unique_ptr<TMemoPad> shownEditor(const QFont &font, const QString &text)
{
    auto editor = std::make_unique<TMemoPad>();
    editor->setFont(font);
    editor->resize(420, 90);
    editor->setText(text);
    editor->show();
    return editor;
}

// As drawn with the caret on: the editor has the focus and the caret does not blink.
QImage drawn(TMemoPad &editor, int anchor, int caret, bool overwrite)
{
    editor.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&editor));
    editor.setFocus();
    editor.setOverwriteMode(overwrite);
    editor.SetSel(anchor, caret);
    editor.ScrollCaret();
    QCoreApplication::processEvents();
    return editor.viewport()->grab().toImage();
}

struct Selection
{
    int anchor;
    int caret;
    bool overwrite;
};

TEST(LongLinePaint, LooksAsTheWholeLineDrawnByTheControl)
{
    QApplication::setCursorFlashTime(0);
    // Lines above and below, and a long line whose start is the whole of a
    // short one, which is short enough for the control to draw whole.
    const QString above = QStringLiteral("above\r\n");
    const QString below = QStringLiteral("\r\nbelow\r\nend");
    QString line = words(TMemoPad::LongLine + 3000);
    // A pair the proportional font kerns, across the end of a shaping run,
    // where the layout does not kern it.
    for (int run : { 5, 7 }) {
        line[run * 4096 - 1] = u'A';
        line[run * 4096] = u'V';
    }
    const QString text = above + line + below;
    const QString shortText = above + line.left(40000) + below;
    const int at = int(above.size());
    const std::vector<Selection> selections {
        { at, at, false },
        { at + 3000, at + 3010, false },
        { at + 20000, at + 20000, true },
        { 2, at + 25000, false },
        { at + 25000, at + 30, false },
        { at + 30000, at + 30008, true },
        { 1, 1, false },
        // Around the end of one of the layout's shaping runs.
        { at + 5 * 4096 - 12, at + 5 * 4096 + 9, false },
        { at + 7 * 4096 + 2, at + 7 * 4096 + 2, false },
    };
    QFont fixed(QStringLiteral("Liberation Mono"));
    fixed.setPixelSize(14);
    QFont proportional(QStringLiteral("DejaVu Sans"));
    proportional.setPixelSize(13);
    for (const QFont &font : { fixed, proportional }) {
        const auto whole = shownEditor(font, shortText);
        const auto part = shownEditor(font, text);
        for (const Selection &s : selections) {
            const QImage expected = drawn(*whole, s.anchor, s.caret, s.overwrite);
            const QImage actual = drawn(*part, s.anchor, s.caret, s.overwrite);
            EXPECT_EQ(expected, actual)
                << font.family().toStdString() << ", " << s.anchor << " to " << s.caret;
        }
    }
    QApplication::setCursorFlashTime(1000);
}

// Drawn with the character at position at the left of the clip; the view
// not scrolled at all for a negative position, the margin in view.
bool drawsPartAt(TMemoPad &editor, int position)
{
    const QTextBlock block = editor.document()->firstBlock();
    editor.document()->documentLayout()->blockBoundingRect(block);
    const int x = position < 0 ? 0 : int(block.layout()->lineAt(0).cursorToX(position));
    QImage image(600, 40, QImage::Format_RGB32);
    QPainter painter(&image);
    return PaintLongLine(painter, block, QPointF(-x, 0), QRect(0, 0, 300, 20), {});
}

// The part is drawn, not the whole line, wherever the clip is, near the
// line's start, its end and the layout's run ends; a tab or a second format
// in the line leaves it to the layout.
TEST(LongLinePaint, DrawsThePartAnywhereInAPlainLine)
{
    const QString line = words(TMemoPad::LongLine + 3000);
    const auto editor = shownEditor(QFont(QStringLiteral("Liberation Mono")), line);
    for (int position :
        { -1, 0, 3, 4090, 4096, 100000, int(line.size()) - 70, int(line.size()) - 5 })
        EXPECT_TRUE(drawsPartAt(*editor, position)) << position;
    editor->SetSel(200000, 200000);
    editor->ReplaceSel(QStringLiteral("\t"));
    EXPECT_FALSE(drawsPartAt(*editor, 1000));
    // A lone CR is shown by a stand-in of a format of its own.
    editor->setText(line.left(200000) + QLatin1Char('\r') + line.mid(200000));
    EXPECT_FALSE(drawsPartAt(*editor, 1000));
}

} // namespace
