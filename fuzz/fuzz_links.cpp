// The link finder on one line of text, at every column and in every mode.
#include "fuzzsupport.h"
#include "links/linkfinder.h"

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    environment();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    // The first byte says how much of the input is the word delimiter setting.
    const qsizetype delimiterBytes = qsizetype(data[0] % 16) * 2;
    const auto *units = reinterpret_cast<const char16_t *>(data + 1);
    const qsizetype unitCount = qsizetype((size - 1) / 2);
    const qsizetype split = qMin(delimiterBytes / 2, unitCount);
    LinkFinder finder;
    if (data[0] & 0x80)
        finder.SetWordDelimiters(QString::fromUtf16(units, split));
    const QString line = QString::fromUtf16(units + split, unitCount - split);
    const int length = int(qMin<qsizetype>(line.size(), 512));
    const QStringView view = QStringView(line).left(length);

    // Web and e-mail searches take 1-based columns (one past each end is tried
    // too), word ranges a caret position in the line.
    for (int column = 0; column <= length + 1; ++column) {
        if (const auto url = finder.FindUrl(view, column))
            require(!url->isEmpty() && view.contains(*url), "a web address comes from the line");
        if (const auto mail = finder.FindEmail(view, column))
            require(
                !mail->isEmpty() && view.contains(*mail), "an e-mail address comes from the line");
        finder.FindUrlStart(view, column);
        for (int mode = 0; mode <= 2 && column <= length; ++mode) {
            // The caller answers these two itself: nothing right of the end, nothing left of the
            // start.
            if ((mode == 1 && column == length) || (mode == 0 && column == 0))
                continue;
            const LinkFinder::TextSpan span = finder.FindWordRangeInLine(view, column, mode);
            require(span.start >= 0 && span.length >= 0 && span.start + span.length <= length,
                "a word range lies inside the line");
        }
    }
    return 0;
}
