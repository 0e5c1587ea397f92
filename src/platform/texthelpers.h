#pragma once

#include <QString>
#include <QStringView>

// The name the document has while it was never saved.
inline const QString untitledName = QStringLiteral("0");

// Text after the last delimiter; the whole text when it is missing or last.
QString FileNameOf(QStringView text, QStringView delimiter);
// Text before the last delimiter; the whole text when it is missing or first.
QString FolderOf(QStringView text, QStringView delimiter);
// At most n characters kept, marked with "..."; see the shortening rule in the docs.
QString ShortenText(const QString &text, int n, bool keepStart);
// Backslash-n and backslash-r as message captions carry them, turned into line breaks.
QString ExpandLineBreakEscapes(QString text);

// Texts are mostly ASCII, and loops over whole texts take it a chunk at a
// time, which the compiler does several units at once.
constexpr qsizetype AsciiChunk = 16;
inline bool IsAsciiChunk(const char16_t *units)
{
    char16_t any = 0;
    for (qsizetype k = 0; k < AsciiChunk; ++k)
        any |= units[k];
    return any < 0x80;
}
