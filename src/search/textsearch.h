#pragma once

#include "edit/editcommand.h"

#include <QString>
#include <QStringView>

#include <optional>

// Case folding for searches: every UTF-16 unit through its lower-case
// mapping on its own, so the length and every offset stay the same.
QString FoldCase(QStringView text);
// The pattern as a search compares it.
QString SearchPattern(QStringView pattern, bool matchCase);

// The selected text cut before its first CR.
QString SelectedFirstLine(const EditRequest &request);

// Non-overlapping occurrences from left to right; 0 for an empty pattern.
int CountOccurrences(QStringView text, QStringView pattern);
// CountOccurrences on both sides folded unless matchCase; the text is
// folded piece by piece instead of copied whole.
int CountSearchHits(QStringView text, QStringView pattern, bool matchCase);

// Replaces every non-overlapping occurrence of oldText, found in a folded
// copy unless matchCase; the rest of the text is kept as it was. Returns the
// number of replacements; an empty oldText replaces nothing.
int ReplaceAllText(QString &text, QStringView oldText, QStringView newText, bool matchCase);

// The first match starting at start or later.
std::optional<int> SearchForward(
    const EditSource &source, QStringView pattern, bool matchCase, int start);
// The match lying furthest down that ends at or before limit, found inside
// single lines of source (a match across a line break is never found); in
// each line the left-to-right scan of non-overlapping matches decides.
std::optional<int> SearchBackward(
    const EditSource &source, QStringView pattern, bool matchCase, int limit);
