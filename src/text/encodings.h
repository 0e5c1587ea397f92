#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

// The encodings a document can have. None means no choice was made: loading
// follows the byte order mark, else the 8-bit code page. Ansi and WesternLatin
// both use Windows-1252 here; WesternLatin is the one forced on NFO files.
enum class Encoding { None, Ansi, Utf8, Utf16LE, Utf16BE, WesternLatin };

// The encoding list of the open and save dialogs, in its fixed order.
QStringList EncodingNames();

Encoding EncodingFromName(QStringView name);
QString EncodingName(Encoding encoding);
// 0 stands for the default 8-bit code page.
int EncodingCodePage(Encoding encoding);

inline bool IsUtf16(Encoding encoding)
{
    return encoding == Encoding::Utf16LE || encoding == Encoding::Utf16BE;
}

inline bool IsUnicode(Encoding encoding)
{
    return encoding == Encoding::Utf8 || IsUtf16(encoding);
}

// Empty for the single-byte encodings and None.
QByteArray ByteOrderMark(Encoding encoding);
// The encoding named by a byte order mark at the start of bytes, or None.
Encoding EncodingOfByteOrderMark(QByteArrayView bytes);

// Windows-1252 by our own table. The five bytes 1252 leaves undefined map to
// U+0081, U+008D, U+008F, U+0090 and U+009D, so every byte round-trips.
QString DecodeWindows1252(QByteArrayView bytes);
// A character the code page cannot hold is written as '?'.
QByteArray EncodeWindows1252(QStringView text);
bool IsWindows1252Representable(QStringView text);

struct DecodedText
{
    QString text;
    bool invalidBytes = false; // some bytes were not valid in the encoding
};

// Decodes without a byte order mark; None decodes as the 8-bit code page.
// UTF-16 keeps every code unit, lone surrogates included; an odd last byte
// shows as a replacement character.
DecodedText DecodeBytes(QByteArrayView bytes, Encoding encoding);
// Encodes without a byte order mark; None encodes as the 8-bit code page.
QByteArray EncodeText(QStringView text, Encoding encoding, QByteArrayView prefix = {});

// A byte that is not valid UTF-8 is kept in the text as the lone surrogate
// U+DC00 + byte (always U+DC80 to U+DCFF), so a UTF-8 save writes it back
// unchanged and UTF-16 keeps it as a code unit. The 8-bit code page has no
// place for it, so saving there shows the Unicode warning.
constexpr char16_t kEscapedByteBase = 0xDC00;
bool IsEscapedByte(QChar c);
DecodedText DecodeUtf8(QByteArrayView bytes);
// Strict: what DecodeUtf8 takes without escaping a byte.
bool IsValidUtf8(QByteArrayView bytes);
// Escaped bytes go back as themselves; any other lone surrogate as U+FFFD.
QByteArray EncodeUtf8(QStringView text);

// Whether text survives conversion to the code page; only the 8-bit code
// pages (0 and 1252) can fail, the Unicode ones hold everything.
bool IsRepresentable(QStringView text, int codePage);
