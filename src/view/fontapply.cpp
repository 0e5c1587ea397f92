#include "fontapply.h"

#include "settings/settingstable.h"
#include "tmemopad.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QScrollBar>

void ApplyFontRequest(QPlainTextEdit *editor, const FontRequest &request)
{
    editor->setFont(ToQFont(request));
}

void ApplyEditorColors(QPlainTextEdit *editor, const QColor &text, const QColor &background)
{
    QPalette palette = editor->palette();
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Text, text);
    editor->setPalette(palette);
}

void ApplyTabStopUnits(QPlainTextEdit *editor, int dialogUnits)
{
    // The editor control keeps line positions that a tab change must drop.
    if (auto *memo = qobject_cast<TMemoPad *>(editor)) {
        memo->SetTabStops(dialogUnits);
        return;
    }
    const qreal charWidth = QFontMetricsF(editor->font()).averageCharWidth();
    editor->setTabStopDistance(dialogUnits * charWidth / 4.0);
}

void ApplyColors(QPlainTextEdit *editor, const SettingsTable &settings, bool nfo)
{
    // System colours come from the application's palette, not from the
    // editor's, which holds the previous set's colours.
    const QPalette system = QApplication::palette(editor);
    const int text = settings[nfo ? SettingKey::textColor : SettingKey::textColorTxt].intValue();
    const int background = settings[nfo ? SettingKey::bgColor : SettingKey::bgColorTxt].intValue();
    ApplyEditorColors(editor, ColorFromSetting(text, system), ColorFromSetting(background, system));
}

void ApplyTabStops(
    QPlainTextEdit *editor, const SettingsTable &settings, bool nfoFontActive, bool &tabStopsSet)
{
    ApplyTabStopUnits(
        editor, TabStopDialogUnits(TabSizeInEffect(settings, nfoFontActive), tabStopsSet));
}

void ApplyFontSet(QPlainTextEdit *editor, const SettingsTable &settings, bool nfo, int zoomPercent,
    bool &tabStopsSet, bool unicodeText)
{
    ApplyFontRequest(
        editor, ChooseFontSet(settings, nfo, zoomPercent, editor->logicalDpiY(), unicodeText));
    ApplyTabStops(editor, settings, nfo, tabStopsSet);
}

bool ApplyFont(QPlainTextEdit *editor, SettingsTable &settings, const QString &fileName,
    int zoomPercent, bool &tabStopsSet, bool unicodeText)
{
    const bool nfo = UseNfoFont(fileName, settings);
    ApplyFontSet(editor, settings, nfo, zoomPercent, tabStopsSet, unicodeText);
    ApplyColors(editor, settings, nfo);
    return nfo;
}

void ApplyWrapScrollBars(QAbstractScrollArea *editor, bool wrap)
{
    editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    editor->setHorizontalScrollBarPolicy(wrap ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
}
