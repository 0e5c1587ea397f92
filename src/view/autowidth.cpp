#include "autowidth.h"

#include "edit/editcommand.h"

#include <algorithm>

namespace {

int LineColumns(QStringView line, int tabSize)
{
    int extra = 0;
    for (qsizetype i = 1; i <= line.size(); ++i) {
        if (line[i - 1] == u'\t')
            extra += (tabSize - 1) - int((i + extra - 1) % tabSize);
    }
    return int(line.size()) + extra;
}

} // namespace

int LongestLineColumns(const EditSource &source, int tabSize)
{
    tabSize = std::max(tabSize, 1);
    int longest = 0;
    const int lines = source.LineCount();
    for (int line = 0; line < lines; ++line) {
        // Without a tab a line is as wide as it is long; only those are read.
        const int length = source.LineLength(line);
        if (qint64(length) * tabSize <= longest)
            continue;
        longest = std::max(longest, LineColumns(source.LineText(line), tabSize));
    }
    return longest;
}

int AutoWindowWidth(int charWidth, int columns, int frame, const AutoWidthLimits &limits)
{
    int width = std::max(0, charWidth * columns) + std::max(0, frame) + limits.padding;
    width = std::min(width, limits.maximum);
    return std::max(width, limits.minimum);
}
