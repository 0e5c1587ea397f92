#include "encodings.h"

#include <QStringDecoder>
#include <QStringEncoder>

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

QStringConverter::Encoding qtEncoding(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf16LE:
        return QStringConverter::Utf16LE;
    case Encoding::Utf16BE:
        return QStringConverter::Utf16BE;
    default:
        return QStringConverter::Utf8;
    }
}

bool isUnicode(Encoding encoding)
{
    return encoding == Encoding::Utf8 || encoding == Encoding::Utf16LE
        || encoding == Encoding::Utf16BE;
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
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = in[i];
        // ASCII needs no lookup.
        if (c < 0x80) {
            out[i] = char(c);
            continue;
        }
        const int b = byteOfChar(c);
        out[i] = b < 0 ? '?' : char(b);
    }
    return bytes;
}

bool IsWindows1252Representable(QStringView text)
{
    const char16_t *in = text.utf16();
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (in[i] >= 0x80 && byteOfChar(in[i]) < 0)
            return false;
    }
    return true;
}

DecodedText DecodeBytes(QByteArrayView bytes, Encoding encoding)
{
    if (!isUnicode(encoding))
        return { DecodeWindows1252(bytes), false };
    // Stateless: a sequence cut off at the end is an error, not held back.
    // Our caller strips the byte order mark; a second one is text.
    QStringDecoder decoder(qtEncoding(encoding),
        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    DecodedText result;
    // Qt drops a lone last byte of UTF-16 without an error; it is data, so
    // it shows as a replacement character and the text is flagged.
    const bool oddUtf16 = encoding != Encoding::Utf8 && bytes.size() % 2 != 0;
    result.text = decoder.decode(oddUtf16 ? bytes.chopped(1) : bytes);
    result.invalidBytes = decoder.hasError() || oddUtf16;
    if (oddUtf16)
        result.text += QChar::ReplacementCharacter;
    return result;
}

QByteArray EncodeText(QStringView text, Encoding encoding, QByteArrayView prefix)
{
    if (!isUnicode(encoding))
        return prefix.isEmpty() ? EncodeWindows1252(text)
                                : prefix.toByteArray() + EncodeWindows1252(text);
    // Straight into one buffer behind the prefix: a large text is encoded
    // without a second copy.
    QStringEncoder encoder(qtEncoding(encoding), QStringConverter::Flag::Stateless);
    QByteArray bytes(prefix.size() + encoder.requiredSpace(text.size()), Qt::Uninitialized);
    std::copy(prefix.begin(), prefix.end(), bytes.begin());
    const char *end = encoder.appendToBuffer(bytes.data() + prefix.size(), text);
    bytes.truncate(end - bytes.constData());
    return bytes;
}

bool IsRepresentable(QStringView text, int codePage)
{
    if (codePage == 0 || codePage == kWesternLatinCodePage)
        return IsWindows1252Representable(text);
    return true;
}
