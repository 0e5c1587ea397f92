#pragma once

#include "fixedadvancelines.h"

#include <QFont>
#include <QFontMetricsF>
#include <QFuture>
#include <QString>
#include <QTextBlock>
#include <QTextOption>

#include <atomic>
#include <vector>

class QTextDocument;

// How many lines a block takes when wrapped to a width, found without
// keeping a layout: a block that cannot reach the width is one line, plain
// text in a fixed-advance font is counted by arithmetic, any other block
// is laid out once on a scratch layout and dropped again. The answer
// equals the document layout's, which lays out with the same font, option
// and width.
class BlockLineCounter
{
public:
    // width is the line width the layout uses; 0 or less means no limit.
    BlockLineCounter(const QFont &font, const QTextOption &option, qreal width);

    int Count(const QTextBlock &block);

    // One block's count in three steps, so that the arithmetic for many
    // blocks can run on several threads between reading the blocks and
    // storing their counts, which only the document's thread may do.
    struct Step
    {
        QTextBlock block;
        QString text;
        // Known after Begin when no arithmetic is needed.
        std::optional<int> lines;
        std::optional<int> counted;
    };
    void Begin(Step &step);
    int End(Step &step);

    // The arithmetic for every step of a batch that needs it, started on
    // the thread pool; the thread that asks helps when it calls Finish,
    // which it can do after reading the next batch.
    class Batch
    {
    public:
        Batch(const BlockLineCounter &counter, std::vector<Step> &steps);
        ~Batch();
        Batch(const Batch &) = delete;
        Batch &operator=(const Batch &) = delete;
        void Finish();

    private:
        void Work();

        const BlockLineCounter &m_counter;
        std::vector<Step *> m_pending;
        std::atomic<size_t> m_next { 0 };
        std::vector<QFuture<void>> m_helpers;
    };
    // Drops what Count keeps in the block about its text; called when the
    // text changes.
    static void ForgetText(QTextBlock block);
    // Notes what Count keeps about the text of every block, from the text
    // the document was just given (blocks split at line feeds), so that
    // the first count need not read the blocks back.
    static void NoteTexts(QTextDocument &document, QStringView text);
    // True when the block holds only printable ASCII and Latin-1, read
    // from what Count keeps about it, or looked at and kept now.
    static bool IsPlainWithoutTabs(const QTextBlock &block);

private:
    float Advance(char16_t c);
    // True when every character has a known advance and all of them,
    // tabs at a full tab stop, cannot exceed the width.
    bool FitsOnOneLine(QStringView text);
    static bool HasSeveralFormats(const QTextBlock &block);
    int LaidOut(const QTextBlock &block, const QString &text) const;
    // True when what a block's state keeps about its text shows it fits.
    bool OneLineByState(int state) const;

    QFont m_font;
    QFontMetricsF m_metrics;
    QTextOption m_option;
    qreal m_width;
    qreal m_tabStop;
    std::optional<FixedAdvanceLines> m_fixedAdvance;
    // Advance of each UTF-16 unit in the font; 0 not looked up yet, -1 for
    // units whose width the font alone does not decide.
    std::vector<float> m_advances;
};
