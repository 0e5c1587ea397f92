#include "encodinglabels.h"

#include "texttr.h"

#include <iterator>

namespace {

constexpr const char *labels[] = {
    QT_TRANSLATE_NOOP("Text", "Default"),
    QT_TRANSLATE_NOOP("Text", "ANSI"),
    QT_TRANSLATE_NOOP("Text", "UTF-8 (Default Unicode)"),
    QT_TRANSLATE_NOOP("Text", "UTF-16 (Little Endian)"),
    QT_TRANSLATE_NOOP("Text", "UTF-16 (Big Endian)"),
};

} // namespace

QStringList EncodingLabels()
{
    QStringList shown;
    for (const char *label : labels)
        shown << Text::Tr::tr(label);
    return shown;
}

QString EncodingLabel(Encoding encoding)
{
    const qsizetype at = EncodingNames().indexOf(EncodingName(encoding));
    return EncodingLabels().value(at);
}
