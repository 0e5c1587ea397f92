#include "encodings.h"

#include "platform/texthelpers.h"

#include <QtEndian>

#include <algorithm>
#include <array>

namespace {

constexpr int kUtf8CodePage = 65001;
constexpr int kUtf16LECodePage = 1200;
constexpr int kUtf16BECodePage = 1201;
constexpr int kWesternLatinCodePage = 1252;

// Bytes 0x80 to 0x9F; the rest of the code page equals Latin-1.
// clang-format off
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
// clang-format on

constexpr std::array<char16_t, 256> kCharOfByte = [] {
    std::array<char16_t, 256> table {};
    for (int b = 0; b < 256; ++b)
        table[b] = b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : char16_t(b);
    return table;
}();

// The byte for c, or -1 when the code page has none.
int byteOfChar(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c)
            return int(0x80 + i);
    }
    return -1;
}

// The length of the valid UTF-8 sequence at p, or 0. Overlong forms,
// encoded surrogates and values above U+10FFFF are not valid: they would
// come back as other bytes.
int sequenceLength(const unsigned char *p, const unsigned char *end)
{
    const unsigned char lead = *p;
    int length = 0;
    unsigned char low = 0x80, high = 0xBF; // the second byte's range
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (end - p < length || p[1] < low || p[1] > high)
        return 0;
    for (int k = 2; k < length; ++k) {
        if (p[k] < 0x80 || p[k] > 0xBF)
            return 0;
    }
    return length;
}

char *putUtf8(char *out, char32_t c)
{
    if (c < 0x80) {
        *out++ = char(c);
    } else if (c < 0x800) {
        *out++ = char(0xC0 | (c >> 6));
        *out++ = char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *out++ = char(0xE0 | (c >> 12));
        *out++ = char(0x80 | ((c >> 6) & 0x3F));
        *out++ = char(0x80 | (c & 0x3F));
    } else {
        *out++ = char(0xF0 | (c >> 18));
        *out++ = char(0x80 | ((c >> 12) & 0x3F));
        *out++ = char(0x80 | ((c >> 6) & 0x3F));
        *out++ = char(0x80 | (c & 0x3F));
    }
    return out;
}

// Code units as they are, lone surrogates included, so every even-length
// file comes back unchanged. A last odd byte is half a character.
DecodedText decodeUtf16(QByteArrayView bytes, bool littleEndian)
{
    const qsizetype units = bytes.size() / 2;
    DecodedText result;
    result.text.resize(units);
    if (littleEndian)
        qFromLittleEndian<quint16>(bytes.data(), units, result.text.data());
    else
        qFromBigEndian<quint16>(bytes.data(), units, result.text.data());
    if (bytes.size() % 2 != 0) {
        result.text += QChar::ReplacementCharacter;
        result.invalidBytes = true;
    }
    return result;
}

QByteArray encodeUtf16(QStringView text, bool littleEndian)
{
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    if (littleEndian)
        qToLittleEndian<quint16>(text.data(), text.size(), bytes.data());
    else
        qToBigEndian<quint16>(text.data(), text.size(), bytes.data());
    return bytes;
}

} // namespace

QStringList EncodingNames()
{
    return { QStringLiteral("Default"), QStringLiteral("ANSI"),
        QStringLiteral("UTF-8 (Default Unicode)"), QStringLiteral("UTF-16 (Little Endian)"),
        QStringLiteral("UTF-16 (Big Endian)") };
}

Encoding EncodingFromName(QStringView name)
{
    const QStringList names = EncodingNames();
    if (name == names.at(1))
        return Encoding::Ansi;
    if (name == names.at(2))
        return Encoding::Utf8;
    if (name == names.at(3))
        return Encoding::Utf16LE;
    if (name == names.at(4))
        return Encoding::Utf16BE;
    return Encoding::None;
}

QString EncodingName(Encoding encoding)
{
    const QStringList names = EncodingNames();
    switch (encoding) {
    case Encoding::Ansi:
        return names.at(1);
    case Encoding::Utf8:
        return names.at(2);
    case Encoding::Utf16LE:
        return names.at(3);
    case Encoding::Utf16BE:
        return names.at(4);
    default:
        return names.at(0);
    }
}

int EncodingCodePage(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8:
        return kUtf8CodePage;
    case Encoding::Utf16LE:
        return kUtf16LECodePage;
    case Encoding::Utf16BE:
        return kUtf16BECodePage;
    case Encoding::WesternLatin:
        return kWesternLatinCodePage;
    default:
        return 0;
    }
}

QByteArray ByteOrderMark(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8:
        return QByteArrayLiteral("\xEF\xBB\xBF");
    case Encoding::Utf16LE:
        return QByteArrayLiteral("\xFF\xFE");
    case Encoding::Utf16BE:
        return QByteArrayLiteral("\xFE\xFF");
    default:
        return {};
    }
}

Encoding EncodingOfByteOrderMark(QByteArrayView bytes)
{
    for (Encoding e : { Encoding::Utf8, Encoding::Utf16LE, Encoding::Utf16BE }) {
        if (bytes.startsWith(ByteOrderMark(e)))
            return e;
    }
    return Encoding::None;
}

QString DecodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i)
        out[i] = kCharOfByte[in[i]];
    return text;
}

QByteArray EncodeWindows1252(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    const char16_t *in = text.utf16();
    const qsizetype n = text.size();
    // A chunk that is not all ASCII goes one unit at a time, as a whole, so
    // that text of other characters is not tested again at every unit.
    for (qsizetype i = 0; i < n;) {
        const qsizetype stop = std::min(n, i + AsciiChunk);
        if (stop - i == AsciiChunk && IsAsciiChunk(in + i)) {
            for (; i < stop; ++i)
                out[i] = char(in[i]);
            continue;
        }
        for (; i < stop; ++i) {
            const char16_t c = in[i];
            // ASCII needs no lookup.
            const int b = c < 0x80 ? c : byteOfChar(c);
            out[i] = b < 0 ? '?' : char(b);
        }
    }
    return bytes;
}

bool IsWindows1252Representable(QStringView text)
{
    const char16_t *in = text.utf16();
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n;) {
        const qsizetype stop = std::min(n, i + AsciiChunk);
        if (stop - i == AsciiChunk && IsAsciiChunk(in + i)) {
            i = stop;
            continue;
        }
        for (; i < stop; ++i) {
            if (in[i] >= 0x80 && byteOfChar(in[i]) < 0)
                return false;
        }
    }
    return true;
}

DecodedText DecodeBytes(QByteArrayView bytes, Encoding encoding)
{
    if (encoding == Encoding::Utf8)
        return DecodeUtf8(bytes);
    if (IsUtf16(encoding))
        return decodeUtf16(bytes, encoding == Encoding::Utf16LE);
    return { DecodeWindows1252(bytes), false };
}

QByteArray EncodeText(QStringView text, Encoding encoding, QByteArrayView prefix)
{
    QByteArray bytes = encoding == Encoding::Utf8 ? EncodeUtf8(text)
        : IsUtf16(encoding)                       ? encodeUtf16(text, encoding == Encoding::Utf16LE)
                                                  : EncodeWindows1252(text);
    if (!prefix.isEmpty())
        bytes.prepend(prefix);
    return bytes;
}

DecodedText DecodeUtf8(QByteArrayView bytes)
{
    DecodedText result;
    result.text.resize(bytes.size()); // never more units than bytes
    char16_t *out = reinterpret_cast<char16_t *>(result.text.data());
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *end = p + bytes.size();
    while (p < end) {
        if (*p < 0x80) {
            *out++ = *p++;
            continue;
        }
        const int length = sequenceLength(p, end);
        if (length == 0) {
            *out++ = char16_t(kEscapedByteBase + *p++);
            result.invalidBytes = true;
            continue;
        }
        char32_t c = *p & (0xFF >> (length + 1));
        for (int k = 1; k < length; ++k)
            c = (c << 6) | (p[k] & 0x3F);
        p += length;
        if (c >= 0x10000) {
            *out++ = QChar::highSurrogate(c);
            *out++ = QChar::lowSurrogate(c);
        } else {
            *out++ = char16_t(c);
        }
    }
    result.text.truncate(out - reinterpret_cast<char16_t *>(result.text.data()));
    return result;
}

QByteArray EncodeUtf8(QStringView text)
{
    QByteArray bytes(text.size() * 3, Qt::Uninitialized); // at most 3 bytes a unit
    char *out = bytes.data();
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = text[i].unicode();
        if (u < 0x80) {
            *out++ = char(u);
        } else if (QChar::isHighSurrogate(u) && i + 1 < n && text[i + 1].isLowSurrogate()) {
            out = putUtf8(out, QChar::surrogateToUcs4(u, text[++i].unicode()));
        } else if (IsEscapedByte(text[i])) {
            *out++ = char(u - kEscapedByteBase);
        } else {
            out = putUtf8(out, QChar::isSurrogate(u) ? char32_t(QChar::ReplacementCharacter) : u);
        }
    }
    bytes.truncate(out - bytes.data());
    return bytes;
}

bool IsValidUtf8(QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *end = p + bytes.size();
    while (p < end) {
        if (*p < 0x80) {
            ++p;
            continue;
        }
        const int length = sequenceLength(p, end);
        if (length == 0)
            return false;
        p += length;
    }
    return true;
}

bool IsEscapedByte(QChar c)
{
    return c.unicode() >= kEscapedByteBase + 0x80 && c.unicode() <= kEscapedByteBase + 0xFF;
}

bool IsRepresentable(QStringView text, int codePage)
{
    if (codePage == 0 || codePage == kWesternLatinCodePage)
        return IsWindows1252Representable(text);
    return true;
}
