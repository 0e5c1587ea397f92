#pragma once

#include "links/linktextview.h"

#include <algorithm>
#include <vector>

// A monospaced editor stand-in: cells of CharWidth x LineHeight pixels,
// lines broken at CR LF and, with a wrap width, every wrapWidth characters.
class FakeLinkView : public LinkTextView
{
public:
    static constexpr int CharWidth = 8;
    static constexpr int LineHeight = 16;

    explicit FakeLinkView(QString text, int wrapWidth = 0)
        : m_text(std::move(text))
    {
        qsizetype start = 0;
        for (;;) {
            const qsizetype lineBreak = m_text.indexOf(QLatin1String("\r\n"), start);
            const qsizetype end = lineBreak < 0 ? m_text.size() : lineBreak;
            AddLine(int(start), int(end), wrapWidth);
            if (lineBreak < 0)
                break;
            start = lineBreak + 2;
        }
    }

    int LineCount() const override { return int(m_lines.size()); }
    QString LineText(int line) const override
    {
        const Line &l = m_lines.at(line);
        return m_text.mid(l.start, l.length);
    }
    int LineIndex(int line) const override
    {
        return line >= 0 && line < LineCount() ? m_lines[line].start : -1;
    }
    int LineFromChar(int index) const override
    {
        const auto after = std::upper_bound(m_lines.begin(), m_lines.end(), index,
            [](int i, const Line &l) { return i < l.start; });
        return std::max(int(after - m_lines.begin()) - 1, 0);
    }
    QString TextRange(int start, int end) const override
    {
        start = std::clamp(start, 0, int(m_text.size()));
        end = std::clamp(end, start, int(m_text.size()));
        return m_text.mid(start, end - start);
    }
    std::optional<PointChar> CharFromPoint(int x, int y) const override
    {
        const int line = std::clamp(y / LineHeight, 0, LineCount() - 1);
        const Line &l = m_lines[line];
        const int column = std::clamp((std::max(x, 0) + CharWidth / 2) / CharWidth, 0, l.length);
        return PointChar { line, l.start + column, l.start };
    }
    std::optional<QPoint> PosFromChar(int index) const override
    {
        if (index < 0 || index > m_text.size())
            return std::nullopt;
        const int line = LineFromChar(index);
        return QPoint((index - m_lines[line].start) * CharWidth, line * LineHeight);
    }
    std::optional<int> AverageCharWidth() const override { return CharWidth; }
    int FontHeight() const override { return -LineHeight; }

    // The client point in the middle of a character.
    static QPoint Middle(int line, int column0)
    {
        return { column0 * CharWidth + CharWidth / 2, line * LineHeight + LineHeight / 2 };
    }

private:
    struct Line
    {
        int start;
        int length;
    };

    void AddLine(int start, int end, int wrapWidth)
    {
        if (wrapWidth <= 0 || end - start <= wrapWidth) {
            m_lines.push_back({ start, end - start });
            return;
        }
        for (int s = start; s < end; s += wrapWidth)
            m_lines.push_back({ s, std::min(wrapWidth, end - s) });
    }

    QString m_text;
    std::vector<Line> m_lines;
};
