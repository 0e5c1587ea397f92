#include "autowidth.h"

#include <algorithm>

int LongestLineColumns(QStringView programText, int tabSize)
{
    tabSize = std::max(tabSize, 1);
    int longest = 0;
    int columns = 0;
    const qsizetype length = programText.size();
    for (qsizetype i = 0; i < length; ++i) {
        const char16_t c = programText[i].unicode();
        if (c == u'\r' && i + 1 < length && programText[i + 1] == u'\n') {
            longest = std::max(longest, columns);
            columns = 0;
            ++i;
        } else if (c == u'\t') {
            columns += tabSize - columns % tabSize;
        } else {
            ++columns;
        }
    }
    return std::max(longest, columns);
}

int AutoWindowWidth(int charWidth, int columns, int frame, const AutoWidthLimits &limits)
{
    int width = std::max(0, charWidth * columns) + std::max(0, frame) + limits.padding;
    width = std::min(width, limits.maximum);
    return std::max(width, limits.minimum);
}
