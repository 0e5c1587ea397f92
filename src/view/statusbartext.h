#pragma once

#include "edit/editcommand.h"
#include "text/encodings.h"

#include <QList>
#include <QString>

// The status bar's panels, in their fixed order.
enum StatusPanel : int {
    caretPanel,
    selectionPanel,
    readOnlyPanel,
    overwritePanel,
    unicodePanel,
    fileSizePanel,
    zoomPanel,
    pathPanel,
    statusPanelCount
};

// Widths of the panels while shown.
inline constexpr int statusPanelWidths[statusPanelCount] = { 125, 65, 90, 90, 65, 50, 61, 1000 };

// "Ln: 1, Col: 1" for line 0 and column 0; a tab is one column.
QString CaretPositionText(int line, int column);
// "Sel: " and the selected characters without line breaks; "Sel: -" from
// 5000 characters on, which are not counted.
QString SelectionLengthText(const EditRequest &request);
// "17 byte ", "1.5 KB ", "1024.0 KB ", "2.3 MB ": truncated, never rounded.
QString FileSizeText(quint32 size);
// The size text of a file; empty when it cannot be read.
QString FileSizeTextOf(const QString &path);
// "UTF-8", "UTF-16 LE", "UTF-16 BE"; empty for the other encodings.
QString UnicodeIndicatorText(Encoding encoding);

// The panel under x for these widths; the last reaches to the bar's right end.
// -1 when x is on a border or left of the first panel.
int StatusPanelAt(const QList<int> &widths, int x);

struct StatusHint
{
    QString text;
    int tag = -1; // the panel the hint belongs to: 7 path, 6 zoom, 4 Unicode
};

// The hint over panel; fileName is empty for an untitled document.
StatusHint StatusBarHint(int panel, const QString &fileName, Encoding encoding);
