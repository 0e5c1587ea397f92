#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QPalette;
class SettingsTable;

// What a file name says about the document.
enum class FileKind { Nfo = 0, Text = 1, Unknown = 2 };

// The kind the association list gives the extension of path. The untitled
// document ("0" or empty) is always unknown.
FileKind GetFileKind(const QString &path, const QString &associationString);

// Whether the NFO set applies for a file kind under a fontSelection value;
// an unknown value gives true and sets *unknownSelection.
bool UseNfoFont(FileKind kind, const QString &fontSelection, bool *unknownSelection = nullptr);
// The same from the settings; an unknown fontSelection is stored back as
// the default at once.
bool UseNfoFont(const QString &path, SettingsTable &settings);

// The save dialog's filter to preselect: 2 "nfo file (*.nfo)", 1 "Text file (*.txt)".
int SuggestedSaveFilterIndex(const QString &path, const SettingsTable &settings);

// One font set as the editor should get it.
struct FontRequest
{
    QString face;
    int size = 0; // points
    int height = 0; // pixels; negative is the character height
    int charset = 1;
    bool bold = false;
    bool italic = false;

    bool operator==(const FontRequest &) const = default;
};

// size x zoom x 0.01 + 0.5, truncated, with 0.01 taken in single precision
// as the font size arithmetic always did: an exact half rounds down.
int ZoomedFontSize(int size, int zoomPercent);
// The character height for a size away from 100 %.
int FontHeightForSize(int size, int pixelsPerInch);
// -1 is automatic: OEM (255) for the NFO set, default (1) for the text set.
int FontCharset(int stored, bool nfo);

// The NFO or text font set at a zoom level, for a screen of pixelsPerInch.
// unicodeText: the document was read as UTF-8 or UTF-16, so its characters
// are themselves and not the pictures of 8-bit bytes.
FontRequest ChooseFontSet(const SettingsTable &settings, bool nfo, int zoomPercent,
    int pixelsPerInch, bool unicodeText = false);

// The faces the program brings along: pixel fonts that must not be hinted.
bool IsBuiltInFace(const QString &face);
// The built-in faces draw the code page pictures at the places Windows-1252
// gives their bytes; each has a twin in the same pixel style that draws
// every character as itself. Other faces are their own twin.
QString UnicodeTwinFace(const QString &face);
QFont ToQFont(const FontRequest &request);

// A stored 0x00BBGGRR colour; -1 is black, other negative values name a
// system colour by their low byte and come from the palette.
QColor ColorFromSetting(int value, const QPalette &palette);

// Tab size in characters while the NFO set is active or not.
int TabSizeInEffect(const SettingsTable &settings, bool nfoFontActive);
// The tab stop in dialog units (4 to a character) the editor should get.
// The first non-default size marks *tabStopsSet; until then a size of 8 is
// left to the control's own default of 32 units.
int TabStopDialogUnits(int tabSize, bool &tabStopsSet);

// A custom NFO face stored without a charset goes back to the defaults.
void RepairNfoFontSettings(SettingsTable &settings);
