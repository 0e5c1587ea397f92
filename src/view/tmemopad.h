#pragma once

#include <QPlainTextEdit>
#include <QPoint>
#include <QRect>

#include <climits>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class BlockLineCounter;
struct LineChange;
class QMenu;
class QPainter;
class QMimeData;
class QTextBlock;
class QTextLayout;
class QTimer;
struct TextEdit;

// The owner's handlers of the editor's keys and mouse (Memo1KeyDown and
// the rest). A key handler runs before the control and returns whether it
// took the key; the mouse handlers run after the control's own handling.
class TMemoPadEvents
{
public:
    virtual ~TMemoPadEvents() = default;
    virtual bool MemoKeyDown(QKeyEvent *event) = 0;
    virtual void MemoKeyUp(QKeyEvent *) { }
    virtual void MemoMouseDown(QMouseEvent *event) = 0;
    virtual void MemoMouseMove(QMouseEvent *event) = 0;
    virtual void MemoMouseUp(QMouseEvent *event) = 0;
    virtual void MemoDblClick(QMouseEvent *event) = 0;
};

// The document editor: a plain-text edit with the program's own word
// selection, Ctrl+wheel zoom events and line-break normalising paste.
//
// It offers the operations of the classic multi-line edit control in the
// program's coordinates: character indexes over the whole text in which
// every line break is CR LF (two characters), 0-based lines (wrapped lines
// while word wrap is on), a selection of anchor and caret. Client
// coordinates are those of the viewport.
class TMemoPad : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit TMemoPad(QWidget *parent = nullptr);
    ~TMemoPad() override;

    void SetEvents(TMemoPadEvents *events) { m_events = events; }
    void SetUseCustomWordSelection(bool on) { m_useCustomWordSelection = on; }
    bool UseCustomWordSelection() const { return m_useCustomWordSelection; }

    // The whole text, exactly as set: lone CR and lone LF included.
    void setText(const QString &text);
    void setText(QString &&text);
    // The same for a large text, put in piece by piece; step is called after
    // each piece with the share done, so the caller can show progress and
    // let the window paint.
    void SetTextInSteps(QString &&text, const std::function<void(int percent)> &step);
    // Texts longer than this go in in pieces of this many characters.
    static constexpr qsizetype TextStep = 1 << 20;
    QString text() const;
    int TextLength() const;
    QString TextRange(int start, int end) const;
    QString SelectedText() const;

    void SetWordWrap(bool on);
    bool WordWrap() const;

    // EM_GETSEL: start and end in full; returns start | end << 16, or -1 when
    // either is beyond 65535.
    int GetSel(int *start = nullptr, int *end = nullptr) const;
    int SelStart() const;
    int SelEnd() const;
    int SelLength() const { return SelEnd() - SelStart(); }
    int Anchor() const;
    int Caret() const;
    // EM_SETSEL: anchor -1 removes the selection; caret -1 means the end of
    // the text. The view does not move.
    void SetSel(int anchor, int caret);
    // EM_REPLACESEL: one undo step, caret after the new text.
    void ReplaceSel(const QString &text);
    // The one writer of editing commands: the selection becomes text as one
    // undo step; then the new text is selected, or the caret stands after it.
    void ReplaceSelection(const QString &text, bool selectInserted);
    // Selects [edit.start, edit.end) and replaces it as above; a large edit
    // that keeps the line breaks changes its lines in place instead, with
    // the same result.
    void ApplyEdit(const TextEdit &edit);
    // Edits this long or longer may change their lines in place.
    static constexpr int LineWiseFrom = 4096;
    // Shaping a line this long takes tens of milliseconds, and the layout
    // would shape it again for every repaint and caret move unless it kept
    // the glyphs, as it does for lines of at least this many characters.
    static constexpr int LongLine = 1 << 18;
    // Kept glyphs take about 25 bytes a character: lines beyond this many
    // characters in all are shaped again as needed instead.
    static constexpr qsizetype KeptGlyphsLimit = qsizetype(1) << 23;

    // EM_LINEFROMCHAR: index -1 means the selection start.
    int LineFromCharIndex(int index) const;
    // EM_LINEINDEX: line -1 means the caret's line; -1 when there is no such line.
    int LineIndex(int line) const;
    int LineCount() const;
    int FirstVisibleLine() const;
    // EM_LINESCROLL: characters are average character widths.
    void LineScroll(int characters, int lines);
    void ScrollCaret();
    QRect FormattingRect() const;

    struct CharAtPoint
    {
        int index;
        int line;
    };
    // EM_CHARFROMPOS in full width; nothing when the point is outside the text.
    std::optional<CharAtPoint> CharFromPos(QPoint point) const;
    // EM_CHARFROMPOS as the control packs it: index & 0xFFFF | line << 16, or -1.
    int CharFromPos16(QPoint point) const;
    std::optional<QPoint> PosFromChar(int index) const;
    // EM_POSFROMCHAR as the control packs it: x & 0xFFFF | y << 16, or -1.
    int PosFromChar16(int index) const;
    // EM_SETTABSTOPS: in dialog units, four to an average character width.
    void SetTabStops(int dialogUnits);
    int HorizontalScrollPos() const;
    QPoint CaretPos() const;
    int AverageCharWidth() const;

    // Line of an index and that line's start; a negative index means the
    // selection start.
    struct LineOfChar
    {
        int line;
        int lineStart;
    };
    LineOfChar LineFromChar(int index) const;

    // The nearest character to a client point, with the 16-bit reply of the
    // control unfolded; all zero when the point gives nothing.
    struct PointChar
    {
        int line = 0;
        int index = 0;
        int lineStart = 0;
        bool found = false;
    };
    PointChar CharFromPoint(int x, int y) const;

    // The caret's character index. The classic control could only guess it
    // from the caret's pixel position; here it is known exactly.
    int GetCaretCharIndex() const { return Caret(); }

    // The standard context menu, with Paste going through MyPaste.
    QMenu *CreateContextMenu(QPoint pos);

    // Conversions between program indexes and document positions.
    int ToPosition(int index) const;
    int ToIndex(int position) const;

public slots:
    // Paste from the clipboard with line breaks made CR LF.
    void MyPaste();

signals:
    void OnCtrlMouseScrollWheelUp(QObject *sender);
    void OnCtrlMouseScrollWheelDown(QObject *sender);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    QMimeData *createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    void InsertText(const QString &programText);
    void ChangeLines(const TextEdit &edit, const std::vector<LineChange> &changes);
    void InsertInSteps(const QString &text, const std::function<void(int percent)> &step);
    void DropMarkFormat();
    void NoteContentsChange(int from, int charsRemoved, int charsAdded);
    void InvalidateLayout();
    void StartCounting();
    void CountSomeLines();
    qreal WrapWidth() const;
    bool CountLines(int position, int line, qint64 budgetMs = -1) const;
    BlockLineCounter &Counter() const;
    const QTextLayout *LinesWithin(const QTextBlock &block) const;
    bool LongLineIn(const QRect &area) const;
    void PaintBlock(QPainter &painter, const QTextBlock &block, QPointF offset, const QRect &area,
        const QAbstractTextDocumentLayout::PaintContext &context);
    int LineOfPosition(int position) const;
    int LineStartPosition(int line) const;

    TMemoPadEvents *m_events = nullptr;
    // The owner selected on this press: the control's own drag stays out.
    bool m_ownerTookPress = false;
    // While a whole new text goes in.
    bool m_settingText = false;
    bool m_longLinesComing = false;
    // Characters of the long lines that keep their glyphs.
    qsizetype m_keptGlyphs = 0;
    bool m_useCustomWordSelection = true;
    // Document range whose blocks may have a wrong line count while
    // wrapping; the blocks outside it have their real ones.
    mutable int m_unlaidFrom = 0;
    mutable int m_unlaidTo = INT_MAX;
    QTimer *m_countTimer = nullptr;
    mutable std::unique_ptr<BlockLineCounter> m_counter;
    mutable qreal m_counterWidth = 0;
};

// The average character width of a control's font in pixels; -1 without a control.
int GetAverageCharWidth(const QWidget *control);
