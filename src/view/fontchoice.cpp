#include "fontchoice.h"

#include "platform/texthelpers.h"
#include "settings/settingstable.h"

#include <QPalette>

#include <array>
#include <cmath>
#include <utility>

namespace {

bool IsStyleWord(const QString &style, const char16_t *word)
{
    return style == QStringView(word);
}

} // namespace

FileKind GetFileKind(const QString &path, const QString &associationString)
{
    if (path.isEmpty() || path == untitledName || associationString.isEmpty())
        return FileKind::Unknown;
    const QString ext = FileNameOf(path, u".").toLower();
    // An entry counts at the very start or right after a ";": "nfo," must
    // not be taken from inside "xnfo,".
    QString wanted = ext + QLatin1Char(',');
    qsizetype at = associationString.startsWith(wanted) ? 0 : -1;
    if (at < 0) {
        wanted.prepend(QLatin1Char(';'));
        at = associationString.indexOf(wanted);
    }
    if (at < 0)
        return FileKind::Unknown;
    const qsizetype flagAt = at + wanted.size();
    if (flagAt >= associationString.size())
        return FileKind::Unknown;
    switch (associationString.at(flagAt).unicode()) {
    case u'1':
        return FileKind::Nfo;
    case u'0':
        return FileKind::Text;
    default:
        return FileKind::Unknown;
    }
}

bool UseNfoFont(FileKind kind, const QString &fontSelection, bool *unknownSelection)
{
    if (unknownSelection)
        *unknownSelection = false;
    if (fontSelection == u"alwaysAscii")
        return true;
    if (fontSelection == u"alwaysAnsi")
        return false;
    if (fontSelection == u"extensionSelectDefaultAscii")
        return kind != FileKind::Text;
    if (fontSelection == u"extensionSelectDefaultAnsi")
        return kind == FileKind::Nfo;
    if (unknownSelection)
        *unknownSelection = true;
    return true;
}

bool UseNfoFont(const QString &path, SettingsTable &settings)
{
    bool unknownSelection = false;
    const bool nfo = UseNfoFont(GetFileKind(path, settings[SettingKey::associationString].value()),
        settings[SettingKey::fontSelection].value(), &unknownSelection);
    if (unknownSelection)
        settings[SettingKey::fontSelection].resetToDefault();
    return nfo;
}

int SuggestedSaveFilterIndex(const QString &path, const SettingsTable &settings)
{
    const FileKind kind = GetFileKind(path, settings[SettingKey::associationString].value());
    const QString &selection = settings[SettingKey::fontSelection].value();
    const bool nfoByDefault
        = selection == u"alwaysAscii" || selection == u"extensionSelectDefaultAscii";
    return kind == FileKind::Nfo || (kind == FileKind::Unknown && nfoByDefault) ? 2 : 1;
}

int ZoomedFontSize(int size, int zoomPercent)
{
    // The factor is the float 0.01 widened, the sum is not rounded to float:
    // 11 at 150 % gives 16.4999996 + 0.5, so 16 and not 17.
    const double factor = double(0.01f);
    return int(std::trunc(double(size) * zoomPercent * factor + 0.5));
}

int FontHeightForSize(int size, int pixelsPerInch)
{
    return -(pixelsPerInch * size) / 72;
}

int FontCharset(int stored, bool nfo)
{
    if (stored == -1)
        return nfo ? 255 : 1;
    return stored < 0 ? 1 : stored;
}

FontRequest ChooseFontSet(
    const SettingsTable &settings, bool nfo, int zoomPercent, int pixelsPerInch, bool unicodeText)
{
    const SettingKey nameKey = nfo ? SettingKey::asciiFontName : SettingKey::ansiFontName;
    const SettingKey sizeKey = nfo ? SettingKey::asciiFontSize : SettingKey::ansiFontSize;
    const SettingKey heightKey = nfo ? SettingKey::asciiFontHeight : SettingKey::ansiFontHeight;
    const SettingKey styleKey = nfo ? SettingKey::asciiFontStyle : SettingKey::ansiFontStyle;
    const SettingKey charsetKey = nfo ? SettingKey::asciiFontCharset : SettingKey::ansiFontCharset;

    FontRequest request;
    request.face = settings[nameKey].value();
    request.charset = FontCharset(settings[charsetKey].intValue(), nfo);
    // The pixel-exact face exists for 100 % only; the outline face scales.
    if (nfo && zoomPercent != 100 && request.face == u"ASCII VGA") {
        request.face = QStringLiteral("ASCII");
        request.charset = 2;
    }
    if (unicodeText)
        request.face = UnicodeTwinFace(request.face);
    request.size = ZoomedFontSize(settings[sizeKey].intValue(), zoomPercent);
    request.height = zoomPercent == 100 ? settings[heightKey].intValue()
                                        : FontHeightForSize(request.size, pixelsPerInch);
    const QString &style = settings[styleKey].value();
    request.bold = IsStyleWord(style, u"bold") || IsStyleWord(style, u"boldItalic");
    request.italic = IsStyleWord(style, u"italic") || IsStyleWord(style, u"boldItalic");
    return request;
}

namespace {

const QString unicodeSuffix = QStringLiteral(" Unicode");

bool IsCodePageFace(QStringView face)
{
    return face == u"ASCII" || face == u"ASCII VGA" || face == u"ASCII EGA";
}

} // namespace

bool IsBuiltInFace(const QString &face)
{
    return IsCodePageFace(face)
        || (face.endsWith(unicodeSuffix)
            && IsCodePageFace(QStringView(face).chopped(unicodeSuffix.size())));
}

QString UnicodeTwinFace(const QString &face)
{
    return IsCodePageFace(face) ? face + unicodeSuffix : face;
}

QFont ToQFont(const FontRequest &request)
{
    QFont font(request.face);
    font.setStyleHint(QFont::TypeWriter);
    if (request.height < 0)
        font.setPixelSize(-request.height);
    else if (request.height > 0)
        font.setPixelSize(request.height); // cell height: close enough to the em
    else if (request.size > 0)
        font.setPointSize(request.size);
    font.setBold(request.bold);
    font.setItalic(request.italic);
    if (IsBuiltInFace(request.face)) {
        // Outlines drawn on the pixel grid: hinting would only move the edges.
        font.setHintingPreference(QFont::PreferNoHinting);
        font.setStyleStrategy(
            QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    }
    return font;
}

QColor ColorFromSetting(int value, const QPalette &palette)
{
    if (value >= 0)
        return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
    if (value == -1)
        return QColor(Qt::black);
    // The classic system colour indexes, by what the palette has closest.
    using Role = std::pair<QPalette::ColorGroup, QPalette::ColorRole>;
    constexpr auto A = QPalette::Active;
    constexpr auto D = QPalette::Disabled;
    static const std::array<Role, 31> systemColors = { {
        { A, QPalette::Button }, // scroll bar
        { A, QPalette::Dark }, // desktop
        { A, QPalette::Highlight }, // active caption
        { A, QPalette::Mid }, // inactive caption
        { A, QPalette::Window }, // menu
        { A, QPalette::Base }, // window
        { A, QPalette::Shadow }, // window frame
        { A, QPalette::WindowText }, // menu text
        { A, QPalette::Text }, // window text
        { A, QPalette::HighlightedText }, // caption text
        { A, QPalette::Window }, // active border
        { A, QPalette::Window }, // inactive border
        { A, QPalette::Dark }, // application workspace
        { A, QPalette::Highlight }, // highlight
        { A, QPalette::HighlightedText }, // highlight text
        { A, QPalette::Button }, // button face
        { A, QPalette::Dark }, // button shadow
        { D, QPalette::Text }, // grey text
        { A, QPalette::ButtonText }, // button text
        { D, QPalette::WindowText }, // inactive caption text
        { A, QPalette::Light }, // button highlight
        { A, QPalette::Shadow }, // 3D dark shadow
        { A, QPalette::Midlight }, // 3D light
        { A, QPalette::ToolTipText }, // info text
        { A, QPalette::ToolTipBase }, // info background
        { A, QPalette::NoRole }, // unused index
        { A, QPalette::Link }, // hot light
        { A, QPalette::Highlight }, // gradient active caption
        { A, QPalette::Mid }, // gradient inactive caption
        { A, QPalette::Highlight }, // menu highlight
        { A, QPalette::Window }, // menu bar
    } };
    const int index = value & 0xFF;
    if (index >= int(systemColors.size()) || systemColors[index].second == QPalette::NoRole)
        return QColor(Qt::black); // the system has no colour there either
    return palette.color(systemColors[index].first, systemColors[index].second);
}

int TabSizeInEffect(const SettingsTable &settings, bool nfoFontActive)
{
    if (nfoFontActive && settings[SettingKey::noCustomTabOnNfo].isOn())
        return 8;
    return settings[SettingKey::tabSize].intValue();
}

int TabStopDialogUnits(int tabSize, bool &tabStopsSet)
{
    constexpr int defaultTabSize = 8;
    if (tabSize < 1)
        tabSize = defaultTabSize; // a zero or negative stop would stack every tab at once
    if (!tabStopsSet && tabSize == defaultTabSize)
        return defaultTabSize * 4;
    tabStopsSet = true;
    return tabSize * 4;
}

void RepairNfoFontSettings(SettingsTable &settings)
{
    if (settings[SettingKey::asciiFontName].value()
            == settings[SettingKey::asciiFontName].defaultValue()
        || settings[SettingKey::asciiFontCharset].value() != u"-1")
        return;
    settings[SettingKey::asciiFontName].resetToDefault();
    settings[SettingKey::asciiFontSize].resetToDefault();
    settings[SettingKey::asciiFontStyle].resetToDefault();
    settings[SettingKey::asciiFontHeight].resetToDefault();
    settings[SettingKey::asciiFontCharset].setValue(QStringLiteral("255"));
}
