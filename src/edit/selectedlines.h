#pragma once

#include "editcommand.h"

#include <QStringList>

// The logical lines a line command works on: every line from the one holding
// the selection start to the one holding its end, each counted whole. A
// selection that ends exactly at a line start includes that line.
struct SelectedLines
{
    int first = 0;
    int last = 0;
    // The block: from the first line's start to the last line's end, without
    // the line break after the last line.
    int blockStart = 0;
    int blockEnd = 0;

    int Count() const { return last - first + 1; }
    bool SingleLine() const { return first == last; }
};

SelectedLines FindSelectedLines(const EditRequest &request);
// The texts of the selected lines, read as one range of the source.
QStringList ReadLines(const EditSource &source, const SelectedLines &lines);
// The block replaced by the texts joined with CR LF, left selected.
TextEdit ReplacingLines(const SelectedLines &lines, const QStringList &texts);
