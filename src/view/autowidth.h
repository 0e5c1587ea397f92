#pragma once

#include <QStringView>

// Columns of the longest logical line (lines end at CR LF; a lone break
// counts one), tabs reaching the next multiple of tabSize.
int LongestLineColumns(QStringView programText, int tabSize);

struct AutoWidthLimits
{
    int padding = 40;
    int maximum = 1300;
    int minimum = 300; // wins when the two limits conflict
};

// The window's outer width for a text of that many columns: text, frame
// (window width less editor width) and padding, within the limits.
int AutoWindowWidth(int charWidth, int columns, int frame, const AutoWidthLimits &limits);
