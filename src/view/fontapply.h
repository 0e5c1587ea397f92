#pragma once

#include "fontchoice.h"

class QAbstractScrollArea;
class QPlainTextEdit;
class SettingsTable;

// Font, colours and tab stops of the editor as the font sets decide them.
// None of these touch the text, so the document's modified state and undo
// history stay as they are.

void ApplyFontRequest(QPlainTextEdit *editor, const FontRequest &request);
void ApplyEditorColors(QPlainTextEdit *editor, const QColor &text, const QColor &background);
// dialogUnits: four to the editor font's average character width.
void ApplyTabStopUnits(QPlainTextEdit *editor, int dialogUnits);

// The set's colours from the settings.
void ApplyColors(QPlainTextEdit *editor, const SettingsTable &settings, bool nfo);
// The tab stops for the set in effect; tabStopsSet is the process-wide flag
// of TabStopDialogUnits.
void ApplyTabStops(
    QPlainTextEdit *editor, const SettingsTable &settings, bool nfoFontActive, bool &tabStopsSet);
// Face, size, style and tab stops of one set at a zoom level; unicodeText
// as for ChooseFontSet.
void ApplyFontSet(QPlainTextEdit *editor, const SettingsTable &settings, bool nfo, int zoomPercent,
    bool &tabStopsSet, bool unicodeText = false);

// Chooses the set for fileName (repairing an unknown fontSelection) and
// applies it with its colours and tab stops. Returns whether it is the NFO set.
bool ApplyFont(QPlainTextEdit *editor, SettingsTable &settings, const QString &fileName,
    int zoomPercent, bool &tabStopsSet, bool unicodeText = false);

// Wrapping shows only the vertical scroll bar, not wrapping both.
void ApplyWrapScrollBars(QAbstractScrollArea *editor, bool wrap);
