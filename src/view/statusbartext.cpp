#include "statusbartext.h"

#include "l10n/messages.h"
#include "viewtr.h"

#include <QFileInfo>

#include <cmath>

namespace {

// From this many selected characters on the line breaks are not counted.
constexpr int uncountedSelection = 5000;

// trunc(value × 10) × 0.1 with the single-precision tenth, in one decimal.
QString OneDecimal(double value)
{
    const float tenth = 0.1f;
    const double truncated = std::trunc(value * 10) * double(tenth);
    return QString::number(truncated, 'f', 1);
}

} // namespace

QString CaretPositionText(int line, int column)
{
    return message(Msg::statusLine) + QString::number(line + 1) + message(Msg::statusColumn)
        + QString::number(column + 1);
}

QString SelectionLengthText(const EditRequest &request)
{
    const int length = request.SelLength();
    if (length >= uncountedSelection)
        return message(Msg::statusSelLength) + QLatin1Char('-');
    const qsizetype lineFeeds = length == 0 ? 0 : request.SelectedText().count(u'\n');
    return message(Msg::statusSelLength) + QString::number(length - 2 * lineFeeds);
}

QString FileSizeText(quint32 size)
{
    QString text;
    if (size >= 1048577)
        text = OneDecimal(size * std::pow(2.0, -20)) + View::Tr::tr(" MB");
    else if (size <= 1024)
        text = QString::number(size) + View::Tr::tr(" byte");
    else
        text = OneDecimal(size / 1024.0) + View::Tr::tr(" KB");
    return text + QLatin1Char(' ');
}

QString FileSizeTextOf(const QString &path)
{
    if (path.isEmpty())
        return {};
    const QFileInfo info(path);
    if (!info.isFile())
        return {};
    // The low 32 bits, as the size always was.
    return FileSizeText(quint32(quint64(info.size()) & 0xFFFFFFFFu));
}

QString UnicodeIndicatorText(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8:
        return View::Tr::tr("UTF-8");
    case Encoding::Utf16LE:
        return View::Tr::tr("UTF-16 LE");
    case Encoding::Utf16BE:
        return View::Tr::tr("UTF-16 BE");
    default:
        return {};
    }
}

int StatusPanelAt(const QList<int> &widths, int x)
{
    int left = 0;
    for (int i = 0; i < widths.size(); ++i) {
        const bool last = i + 1 == widths.size();
        if (left < x && (last || x < left + widths[i]))
            return i;
        left += widths[i];
    }
    return -1;
}

StatusHint StatusBarHint(int panel, const QString &fileName, Encoding encoding)
{
    if (panel == pathPanel && !fileName.isEmpty())
        return { fileName + QLatin1Char('\n') + message(Msg::doubleClickStatusBar), pathPanel };
    if (panel == zoomPanel)
        return { message(Msg::zoomTooltip1) + QLatin1Char('\n') + message(Msg::zoomTooltip2),
            zoomPanel };
    if (panel == unicodePanel && encoding != Encoding::None) {
        // The 8-bit code page here is Windows-1252.
        const int codePage = EncodingCodePage(encoding);
        return { View::Tr::tr("Codepage: ") + QString::number(uint(codePage ? codePage : 1252)),
            unicodePanel };
    }
    return {};
}
