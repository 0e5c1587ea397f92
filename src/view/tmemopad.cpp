#include "tmemopad.h"

#include "clipboardtext.h"
#include "edit/editcommand.h"
#include "edit/linechanges.h"
#include "longlinepaint.h"
#include "programtext.h"
#include "tmemopadlines.h"

#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QMenu>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>

#include <algorithm>

namespace {

bool fitsSixteenBits(int value)
{
    return value >= 0 && value <= 0xFFFF;
}

int packSixteen(int low, int high)
{
    return int(quint32(low & 0xFFFF) | quint32(high & 0xFFFF) << 16);
}

bool hasLongLine(QStringView text)
{
    constexpr qsizetype LongLine = TMemoPad::LongLine;
    qsizetype from = 0;
    while (text.size() - from >= LongLine) {
        const qsizetype lastBreak = text.sliced(from, LongLine).lastIndexOf(u'\n');
        if (lastBreak < 0)
            return true;
        from += lastBreak + 1;
    }
    return false;
}

} // namespace

TMemoPad::TMemoPad(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setLineWrapMode(NoWrap);
    // Long words break anywhere rather than run past the edge, as in the classic control.
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setTabChangesFocus(false);
    m_countTimer = new QTimer(this);
    m_countTimer->setSingleShot(true);
    m_countTimer->setInterval(0);
    connect(m_countTimer, &QTimer::timeout, this, &TMemoPad::CountSomeLines);
    connect(document(), &QTextDocument::contentsChange, this, &TMemoPad::NoteContentsChange);
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &TMemoPad::DropMarkFormat);
}

TMemoPad::~TMemoPad() = default;

// ---- text -----------------------------------------------------------------

void TMemoPad::setText(const QString &text)
{
    setText(QString(text));
}

void TMemoPad::setText(QString &&text)
{
    SetTextInSteps(std::move(text), {});
}

void TMemoPad::SetTextInSteps(QString &&text, const std::function<void(int percent)> &step)
{
    const DocumentForm form = ToDocumentForm(std::move(text));
    m_settingText = true;
    m_longLinesComing = hasLongLine(form.text);
    m_keptGlyphs = 0;
    if (step && form.text.size() > TextStep)
        InsertInSteps(form.text, step);
    else
        setPlainText(form.text);
    m_settingText = false;
    BlockLineCounter::NoteTexts(*document(), form.text);
    if (!form.marks.isEmpty()) {
        // Marking the stand-ins is part of setting the text, not an edit to undo.
        document()->setUndoRedoEnabled(false);
        ApplyMarks(*document(), form, 0);
        document()->setUndoRedoEnabled(true);
    }
    InvalidateLayout();
}

// Pieces end after a line break, so no block is split between two of them.
void TMemoPad::InsertInSteps(const QString &text, const std::function<void(int percent)> &step)
{
    {
        // The program hears of the new text once, when it is all there.
        const QSignalBlocker quiet(this);
        clear();
        document()->setUndoRedoEnabled(false);
        QTextCursor cursor(document());
        const qsizetype n = text.size();
        for (qsizetype from = 0; from < n;) {
            qsizetype to = std::min(n, from + TextStep);
            if (to < n) {
                // A block put in by halves would be laid out again for each.
                qsizetype lineEnd = text.lastIndexOf(QLatin1Char('\n'), to - 1);
                if (lineEnd < from)
                    lineEnd = text.indexOf(QLatin1Char('\n'), to);
                to = lineEnd < 0 ? n : lineEnd + 1;
            }
            cursor.insertText(text.sliced(from, to - from));
            from = to;
            step(int(from * 100 / n));
        }
        document()->setUndoRedoEnabled(true);
        setTextCursor(QTextCursor(document()));
    }
    emit textChanged();
    emit cursorPositionChanged();
}

QString TMemoPad::text() const
{
    return ProgramText(*document());
}

int TMemoPad::TextLength() const
{
    return ProgramLength(*document());
}

QString TMemoPad::TextRange(int start, int end) const
{
    return ProgramText(*document(), ToPosition(start), ToPosition(end));
}

QString TMemoPad::SelectedText() const
{
    const QTextCursor cursor = textCursor();
    return ProgramText(*document(), cursor.selectionStart(), cursor.selectionEnd());
}

void TMemoPad::InsertText(const QString &programText)
{
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    InsertProgramText(cursor, programText);
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
}

// Text typed right after a stand-in would take over its mark.
void TMemoPad::DropMarkFormat()
{
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection() && IsMarkFormat(cursor.charFormat()))
        setCurrentCharFormat(QTextCharFormat());
}

// ---- wrapping and layout --------------------------------------------------

void TMemoPad::SetWordWrap(bool on)
{
    setLineWrapMode(on ? WidgetWidth : NoWrap);
    InvalidateLayout();
}

bool TMemoPad::WordWrap() const
{
    return lineWrapMode() != NoWrap;
}

void TMemoPad::InvalidateLayout()
{
    m_unlaidFrom = 0;
    m_unlaidTo = INT_MAX;
    m_counter.reset();
    StartCounting();
}

// Kept while font, tab stops and width stay, so the advances it looked up
// serve the next question too.
BlockLineCounter &TMemoPad::Counter() const
{
    const qreal width = WrapWidth();
    if (!m_counter || m_counterWidth != width) {
        m_counter = std::make_unique<BlockLineCounter>(
            document()->defaultFont(), document()->defaultTextOption(), width);
        m_counterWidth = width;
    }
    return *m_counter;
}

// Heard before the document layout hears of the change, so a long line
// keeps its glyphs from its first layout on.
void TMemoPad::NoteContentsChange(int from, int charsRemoved, int charsAdded)
{
    // A new text is noted as a whole once it is in, and is looked through
    // only when it has a long line.
    if (!m_settingText || m_longLinesComing) {
        const QTextBlock last = document()->findBlock(from + charsAdded);
        for (QTextBlock b = document()->findBlock(from); b.isValid(); b = b.next()) {
            if (!m_settingText)
                BlockLineCounter::ForgetText(b);
            if (b.length() > LongLine && !b.layout()->cacheEnabled()
                && m_keptGlyphs + b.length() <= KeptGlyphsLimit) {
                b.layout()->setCacheEnabled(true);
                m_keptGlyphs += b.length();
            }
            if (b == last)
                break;
        }
    }
    int to = from + charsAdded;
    if (m_unlaidFrom <= m_unlaidTo) {
        // Move the older range's end along with the text after the change.
        int oldTo = m_unlaidTo;
        if (oldTo != INT_MAX && oldTo >= from + charsRemoved)
            oldTo += charsAdded - charsRemoved;
        to = std::max(to, oldTo);
        from = std::min(from, m_unlaidFrom);
    }
    m_unlaidFrom = from;
    m_unlaidTo = to;
    StartCounting();
}

// While nobody asks, the rest of the document is counted in short steps, so
// that later questions about far lines find the counts ready.
void TMemoPad::StartCounting()
{
    if (WordWrap() && !m_countTimer->isActive())
        m_countTimer->start();
}

void TMemoPad::CountSomeLines()
{
    constexpr qint64 StepMs = 10;
    if (!CountLines(INT_MAX, INT_MAX, StepMs))
        m_countTimer->start();
}

// The width the document layout breaks lines at: the viewport's, less the
// margins; 0 when it has none yet.
qreal TMemoPad::WrapWidth() const
{
    const int width = viewport()->width();
    return width > 0 ? width - 2 * document()->documentMargin() : 0;
}

// The plain-text layout lays out blocks lazily and counts one line for each
// block it has not laid out yet, so wrapped line numbers need the real
// counts of the blocks in front. Makes them exact for every block that
// starts at or before position or whose first line is at or before line,
// and stops after budgetMs when that is not negative. True when no block is
// left uncounted.
bool TMemoPad::CountLines(int position, int line, qint64 budgetMs) const
{
    if (!WordWrap() || m_unlaidFrom > m_unlaidTo)
        return true;
    BlockLineCounter &counter = Counter();
    QElapsedTimer clock;
    clock.start();
    bool changed = false;
    QTextBlock block = document()->findBlock(m_unlaidFrom);
    // Positions and line numbers are added up on the way: asking each block
    // for its own costs a search of the document.
    int blockPosition = block.isValid() ? block.position() : 0;
    const bool lineBound = line >= 0 && line < INT_MAX;
    int firstLine = lineBound && block.isValid() ? block.firstLineNumber() : 0;
    const auto beyond = [&] {
        return line != INT_MAX && blockPosition > position && (!lineBound || firstLine > line);
    };
    // Blocks are read in batches that grow, so that a question about a
    // near line reads few blocks past it, and the next batch is read while
    // other threads count the last one.
    constexpr size_t MaxBatch = 1024;
    size_t batch = 64;
    QTextBlock unread = block;
    int unreadPosition = blockPosition;
    const auto overBudget = [&] { return budgetMs >= 0 && clock.elapsed() >= budgetMs; };
    const auto read = [&](std::vector<BlockLineCounter::Step> &steps) {
        steps.clear();
        for (; unread.isValid() && unreadPosition <= m_unlaidTo && steps.size() < batch;
             unread = unread.next()) {
            if (!lineBound && line != INT_MAX && unreadPosition > position)
                break;
            // Reading may lay blocks out, which takes its time too.
            if (steps.size() % 64 == 63 && overBudget())
                break;
            steps.push_back({ unread, {}, {}, {} });
            counter.Begin(steps.back());
            unreadPosition += unread.length();
        }
        batch = std::min(batch * 2, MaxBatch);
    };
    std::vector<BlockLineCounter::Step> steps;
    std::vector<BlockLineCounter::Step> next;
    read(steps);
    while (!steps.empty() && !beyond()) {
        // A question about a line reads on only once this batch has not reached it.
        {
            BlockLineCounter::Batch counting(counter, steps);
            if (!lineBound && !overBudget())
                read(next);
        }
        for (BlockLineCounter::Step &step : steps) {
            if (beyond())
                break;
            const int lines = counter.End(step);
            if (step.block.lineCount() != lines) {
                step.block.setLineCount(lines);
                changed = true;
            }
            blockPosition += step.block.length();
            firstLine += lines;
            block = step.block.next();
        }
        if (lineBound && !beyond() && !overBudget())
            read(next);
        steps.swap(next);
        next.clear();
    }
    const bool done = !block.isValid() || blockPosition > m_unlaidTo;
    if (done) {
        m_unlaidFrom = INT_MAX;
        m_unlaidTo = -1;
    } else {
        m_unlaidFrom = blockPosition;
    }
    // Lets the scroll bars follow the new line counts.
    if (changed) {
        QAbstractTextDocumentLayout *layout = document()->documentLayout();
        emit layout->documentSizeChanged(layout->documentSize());
    }
    return done;
}

// The block's own lines, laid out by the document when the block has more
// than one.
const QTextLayout *TMemoPad::LinesWithin(const QTextBlock &block) const
{
    if (block.lineCount() > 1 && block.layout()->lineCount() == 0)
        document()->documentLayout()->blockBoundingRect(block);
    return block.layout();
}

void TMemoPad::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    // Only the width changes where lines wrap.
    if (event->oldSize().width() != event->size().width())
        InvalidateLayout();
}

void TMemoPad::changeEvent(QEvent *event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        InvalidateLayout();
}

bool TMemoPad::LongLineIn(const QRect &area) const
{
    QPointF offset = contentOffset();
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF rect = blockBoundingRect(block).translated(offset);
        if (rect.top() > area.bottom() || rect.top() > viewport()->height())
            return false;
        if (block.isVisible() && block.length() > LongLine && rect.bottom() >= area.top())
            return true;
        offset.ry() += rect.height();
    }
    return false;
}

// With a long unwrapped line in view, the blocks are drawn here as the
// control draws them, the long lines by the part in view.
void TMemoPad::paintEvent(QPaintEvent *event)
{
    if (WordWrap() || !LongLineIn(event->rect())) {
        QPlainTextEdit::paintEvent(event);
        return;
    }
    QPainter painter(viewport());
    QPointF offset = contentOffset();
    const QRect viewportRect = viewport()->rect();
    const qreal documentWidth = document()->documentLayout()->documentSize().width();
    painter.setBrushOrigin(offset);
    QRect area = event->rect();
    // The right margin stays clear of full-width selections.
    area.setRight(std::min(area.right(),
        int(offset.x() + std::max(qreal(viewportRect.width()), documentWidth)
            - document()->documentMargin() + cursorWidth())));
    painter.setClipRect(area);
    const QAbstractTextDocumentLayout::PaintContext context = getPaintContext();
    painter.setPen(context.palette.text().color());
    QTextBlock block = firstVisibleBlock();
    while (block.isValid()) {
        const QRectF rect = blockBoundingRect(block).translated(offset);
        if (block.isVisible() && rect.bottom() >= area.top() && rect.top() <= area.bottom()) {
            if (const QBrush background = block.blockFormat().background();
                background != Qt::NoBrush)
                painter.fillRect(QRectF(rect.topLeft(),
                                     QSizeF(std::max(rect.width(), documentWidth), rect.height())),
                    background);
            PaintBlock(painter, block, rect.topLeft(), area, context);
        }
        offset.ry() += rect.height();
        if (offset.y() > viewportRect.height())
            break;
        block = block.next();
    }
    if (backgroundVisible() && !block.isValid() && offset.y() <= area.bottom()
        && (centerOnScroll() || verticalScrollBar()->maximum() == verticalScrollBar()->minimum()))
        painter.fillRect(
            QRect(QPoint(area.left(), int(offset.y())), area.bottomRight()), palette().window());
}

void TMemoPad::PaintBlock(QPainter &painter, const QTextBlock &block, QPointF offset,
    const QRect &area, const QAbstractTextDocumentLayout::PaintContext &context)
{
    QTextLayout *layout = block.layout();
    const bool editable = !isReadOnly();
    const int caret = context.cursorPosition - block.position();
    const bool caretHere = (editable || (textInteractionFlags() & Qt::TextSelectableByKeyboard))
        && caret >= 0 && caret < block.length();
    const bool blockCaret = caretHere && overwriteMode() && caret != block.length() - 1;
    const QList<QTextLayout::FormatRange> selections
        = BlockSelections(block, context, blockCaret ? caret : -1, palette());
    if (block.length() <= LongLine || !PaintLongLine(painter, block, offset, area, selections))
        layout->draw(&painter, offset, selections, area);
    const bool composing
        = editable && context.cursorPosition < -1 && !layout->preeditAreaText().isEmpty();
    if ((caretHere && !blockCaret) || composing) {
        const int position
            = composing ? layout->preeditAreaPosition() - (context.cursorPosition + 2) : caret;
        layout->drawCursor(&painter, offset, position, cursorWidth());
    }
}

// ---- positions and lines --------------------------------------------------

int TMemoPad::ToPosition(int index) const
{
    return ToDocumentPosition(*document(), index);
}

int TMemoPad::ToIndex(int position) const
{
    return ToProgramIndex(*document(), position);
}

int TMemoPad::LineOfPosition(int position) const
{
    const QTextBlock block = document()->findBlock(position);
    if (!WordWrap())
        return block.blockNumber();
    CountLines(position, -1);
    const QTextLayout *layout = LinesWithin(block);
    const int within = layout->lineCount() > 0
        ? layout->lineForTextPosition(position - block.position()).lineNumber()
        : 0;
    return block.firstLineNumber() + std::max(within, 0);
}

int TMemoPad::LineStartPosition(int line) const
{
    if (line < 0)
        return -1;
    if (!WordWrap())
        return line < document()->blockCount() ? document()->findBlockByNumber(line).position()
                                               : -1;
    CountLines(-1, line);
    if (line >= document()->lineCount())
        return -1;
    const QTextBlock block = document()->findBlockByLineNumber(line);
    const int within = line - block.firstLineNumber();
    if (within <= 0)
        return block.position();
    const QTextLayout *layout = LinesWithin(block);
    if (within >= layout->lineCount())
        return block.position();
    return block.position() + layout->lineAt(within).textStart();
}

int TMemoPad::GetSel(int *start, int *end) const
{
    const int s = SelStart();
    const int e = SelEnd();
    if (start)
        *start = s;
    if (end)
        *end = e;
    if (!fitsSixteenBits(s) || !fitsSixteenBits(e))
        return -1;
    return packSixteen(s, e);
}

int TMemoPad::SelStart() const
{
    return ToIndex(textCursor().selectionStart());
}

int TMemoPad::SelEnd() const
{
    return ToIndex(textCursor().selectionEnd());
}

int TMemoPad::Anchor() const
{
    return ToIndex(textCursor().anchor());
}

int TMemoPad::Caret() const
{
    return ToIndex(textCursor().position());
}

void TMemoPad::SetSel(int anchor, int caret)
{
    QTextCursor cursor = textCursor();
    if (anchor == -1) {
        cursor.clearSelection();
    } else {
        cursor.setPosition(ToPosition(anchor));
        cursor.setPosition(caret == -1 ? document()->characterCount() - 1 : ToPosition(caret),
            QTextCursor::KeepAnchor);
    }
    // Selecting does not scroll; ScrollCaret does that when it is wanted.
    const int horizontal = horizontalScrollBar()->value();
    const int vertical = verticalScrollBar()->value();
    setTextCursor(cursor);
    horizontalScrollBar()->setValue(horizontal);
    verticalScrollBar()->setValue(vertical);
}

void TMemoPad::ReplaceSel(const QString &text)
{
    InsertText(text);
}

void TMemoPad::ReplaceSelection(const QString &text, bool selectInserted)
{
    const int start = SelStart();
    ReplaceSel(text);
    const int end = start + int(text.size());
    SetSel(selectInserted ? start : end, end);
}

void TMemoPad::ApplyEdit(const TextEdit &edit)
{
    // Replacing many lines means the document making every one anew;
    // changing them in place is much cheaper where the lines stay.
    if (edit.end - edit.start >= LineWiseFrom) {
        const bool given = edit.replaced.size() == edit.end - edit.start;
        const QString replaced = given ? edit.replaced : TextRange(edit.start, edit.end);
        if (const auto changes = LineChanges(replaced, edit.text)) {
            ChangeLines(edit, *changes);
            return;
        }
    }
    SetSel(edit.start, edit.end);
    ReplaceSelection(edit.text, edit.selectInserted);
}

void TMemoPad::ChangeLines(const TextEdit &edit, const std::vector<LineChange> &changes)
{
    const int first = ToPosition(edit.start);
    QTextBlock block = document()->findBlock(first);
    int blockLine = 0;
    // Added up from the lengths, which follow the changes made: asking each
    // block for its position costs a search of the document.
    int blockPosition = block.position();
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    for (const LineChange &change : changes) {
        for (; blockLine < change.line; ++blockLine) {
            blockPosition += block.length();
            block = block.next();
        }
        const int at = (change.line == 0 ? first : blockPosition) + change.column;
        cursor.setPosition(at);
        cursor.setPosition(at + change.removed, QTextCursor::KeepAnchor);
        // A plain format, as for any inserted text.
        cursor.insertText(change.text, QTextCharFormat());
    }
    cursor.endEditBlock();
    const int end = edit.start + int(edit.text.size());
    cursor.setPosition(ToPosition(end));
    setTextCursor(cursor);
    ensureCursorVisible();
    SetSel(edit.selectInserted ? edit.start : end, end);
}

int TMemoPad::LineFromCharIndex(int index) const
{
    const int position = index < 0 ? textCursor().selectionStart() : ToPosition(index);
    return LineOfPosition(position);
}

int TMemoPad::LineIndex(int line) const
{
    if (line == -1)
        line = LineOfPosition(textCursor().position());
    const int position = LineStartPosition(line);
    return position < 0 ? -1 : ToIndex(position);
}

int TMemoPad::LineCount() const
{
    if (!WordWrap())
        return document()->blockCount();
    CountLines(INT_MAX, INT_MAX);
    return document()->lineCount();
}

// While wrapping, the scroll bar counts lines: the blocks above the view
// must have their real counts.
int TMemoPad::FirstVisibleLine() const
{
    if (WordWrap())
        CountLines(std::max(firstVisibleBlock().position() - 1, -1), -1);
    return verticalScrollBar()->value();
}

void TMemoPad::LineScroll(int characters, int lines)
{
    QScrollBar *horizontal = horizontalScrollBar();
    horizontal->setValue(horizontal->value() + characters * AverageCharWidth());
    QScrollBar *vertical = verticalScrollBar();
    const int target = FirstVisibleLine() + lines;
    if (WordWrap()) {
        CountLines(-1, target);
        // Uncounted blocks below would keep the scroll range too short.
        if (target > vertical->maximum())
            CountLines(INT_MAX, INT_MAX);
    }
    vertical->setValue(target);
}

void TMemoPad::ScrollCaret()
{
    ensureCursorVisible();
}

QRect TMemoPad::FormattingRect() const
{
    const int margin = int(document()->documentMargin());
    return viewport()->rect().adjusted(margin, margin, -margin, -margin);
}

std::optional<TMemoPad::CharAtPoint> TMemoPad::CharFromPos(QPoint point) const
{
    if (!viewport()->rect().contains(point))
        return std::nullopt;
    const int position = cursorForPosition(point).position();
    return CharAtPoint { ToIndex(position), LineOfPosition(position) };
}

int TMemoPad::CharFromPos16(QPoint point) const
{
    const std::optional<CharAtPoint> found = CharFromPos(point);
    return found ? packSixteen(found->index, found->line) : -1;
}

std::optional<QPoint> TMemoPad::PosFromChar(int index) const
{
    if (index < 0 || index > TextLength())
        return std::nullopt;
    QTextCursor cursor(document());
    cursor.setPosition(ToPosition(index));
    return cursorRect(cursor).topLeft();
}

int TMemoPad::PosFromChar16(int index) const
{
    const std::optional<QPoint> point = PosFromChar(index);
    return point ? packSixteen(point->x(), point->y()) : -1;
}

void TMemoPad::SetTabStops(int dialogUnits)
{
    // The real average, not the whole pixels of AverageCharWidth: columns
    // after several tabs would drift from where the characters are.
    const qreal distance = dialogUnits * QFontMetricsF(font()).averageCharWidth() / 4.0;
    if (distance == tabStopDistance())
        return;
    setTabStopDistance(distance);
    InvalidateLayout();
}

int TMemoPad::HorizontalScrollPos() const
{
    return horizontalScrollBar()->value();
}

QPoint TMemoPad::CaretPos() const
{
    return cursorRect().topLeft();
}

int TMemoPad::AverageCharWidth() const
{
    return fontMetrics().averageCharWidth();
}

TMemoPad::LineOfChar TMemoPad::LineFromChar(int index) const
{
    const int line = LineFromCharIndex(index);
    return { line, LineIndex(line) };
}

// The classic control answers in 16 bits and callers unfold the reply from
// the first visible line; that goes wrong on lines longer than 65535
// characters, so the full values are used.
TMemoPad::PointChar TMemoPad::CharFromPoint(int x, int y) const
{
    const QRect rect = FormattingRect();
    const QPoint point(
        std::clamp(x, 0, std::max(rect.right(), 0)), std::clamp(y, 0, std::max(rect.bottom(), 0)));
    const std::optional<CharAtPoint> found = CharFromPos(point);
    if (!found)
        return {};
    return { found->line, found->index, LineIndex(found->line), true };
}

int GetAverageCharWidth(const QWidget *control)
{
    return control ? control->fontMetrics().averageCharWidth() : -1;
}

// ---- clipboard ------------------------------------------------------------

void TMemoPad::MyPaste()
{
    if (isReadOnly())
        return;
    // A busy clipboard leaves the selection as it is.
    if (const std::optional<QString> clip = ReadClipboardText())
        InsertText(NormalizeLineBreaks(*clip));
}

QMimeData *TMemoPad::createMimeDataFromSelection() const
{
    auto *data = new QMimeData;
    data->setText(SelectedText());
    return data;
}

bool TMemoPad::canInsertFromMimeData(const QMimeData *source) const
{
    return source->hasText();
}

// Dropped text, like pasted text, gets CR LF line breaks.
void TMemoPad::insertFromMimeData(const QMimeData *source)
{
    if (source->hasText())
        InsertText(NormalizeLineBreaks(source->text()));
}

QMenu *TMemoPad::CreateContextMenu(QPoint pos)
{
    QMenu *menu = createStandardContextMenu(pos);
    const QList<QAction *> actions = menu->actions();
    const auto paste = std::find_if(actions.cbegin(), actions.cend(),
        [](const QAction *action) { return action->objectName() == u"edit-paste"; });
    if (paste != actions.cend()) {
        disconnect(*paste, &QAction::triggered, nullptr, nullptr);
        connect(*paste, &QAction::triggered, this, &TMemoPad::MyPaste);
    }
    return menu;
}

void TMemoPad::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = CreateContextMenu(event->pos());
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

// ---- keyboard and mouse ---------------------------------------------------

void TMemoPad::keyPressEvent(QKeyEvent *event)
{
    if (m_events && m_events->MemoKeyDown(event)) {
        event->accept();
        return;
    }
    const bool shiftInsert
        = event->key() == Qt::Key_Insert && event->modifiers() == Qt::ShiftModifier;
    if (event->matches(QKeySequence::Paste) || shiftInsert) {
        event->accept();
        MyPaste();
        return;
    }
    if (event->matches(QKeySequence::InsertLineSeparator)) {
        // Only CR LF breaks a line here; Shift+Enter is a plain Enter.
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QPlainTextEdit::keyPressEvent(&enter);
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TMemoPad::keyReleaseEvent(QKeyEvent *event)
{
    QPlainTextEdit::keyReleaseEvent(event);
    if (m_events)
        m_events->MemoKeyUp(event);
}

void TMemoPad::mousePressEvent(QMouseEvent *event)
{
    QPlainTextEdit::mousePressEvent(event);
    if (!m_events)
        return;
    const int anchor = textCursor().anchor();
    const int position = textCursor().position();
    m_events->MemoMouseDown(event);
    // A press on a selection would start a text drag, and its release would
    // drop the selection the owner just made (a line, a word).
    m_ownerTookPress = textCursor().anchor() != anchor || textCursor().position() != position;
}

void TMemoPad::mouseMoveEvent(QMouseEvent *event)
{
    // With Ctrl the program selects by its own word delimiters, so the
    // control must not start a drag selection of its own.
    const bool routeOnly = m_ownerTookPress
        || (m_useCustomWordSelection && (event->modifiers() & Qt::ControlModifier));
    if (routeOnly)
        event->accept();
    else
        QPlainTextEdit::mouseMoveEvent(event);
    if (m_events)
        m_events->MemoMouseMove(event);
}

void TMemoPad::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_ownerTookPress) {
        m_ownerTookPress = false;
        const QTextCursor kept = textCursor();
        QPlainTextEdit::mouseReleaseEvent(event);
        setTextCursor(kept);
    } else {
        QPlainTextEdit::mouseReleaseEvent(event);
    }
    if (m_events)
        m_events->MemoMouseUp(event);
}

void TMemoPad::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (m_useCustomWordSelection)
        event->accept();
    else
        QPlainTextEdit::mouseDoubleClickEvent(event);
    if (m_events)
        m_events->MemoDblClick(event);
}

void TMemoPad::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QPlainTextEdit::wheelEvent(event);
        return;
    }
    const QPoint delta = event->angleDelta();
    // A sideways wheel does not zoom.
    if (delta.y() == 0 && delta.x() != 0) {
        QPlainTextEdit::wheelEvent(event);
        return;
    }
    event->accept();
    // Touchpad scroll phases start and end with events that carry no movement.
    if (delta.y() == 0)
        return;
    if (delta.y() > 0)
        emit OnCtrlMouseScrollWheelUp(this);
    else
        emit OnCtrlMouseScrollWheelDown(this);
}
