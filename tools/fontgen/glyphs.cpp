#include "glyphs.h"

#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>

namespace {

// clang-format off
// Code page 437: the pictures of the control range and of 0x7F..0xFF.
constexpr std::uint16_t kCp437Low[32] = {
    0x0000, 0x263A, 0x263B, 0x2665, 0x2666, 0x2663, 0x2660, 0x2022,
    0x25D8, 0x25CB, 0x25D9, 0x2642, 0x2640, 0x266A, 0x266B, 0x263C,
    0x25BA, 0x25C4, 0x2195, 0x203C, 0x00B6, 0x00A7, 0x25AC, 0x21A8,
    0x2191, 0x2193, 0x2192, 0x2190, 0x221F, 0x2194, 0x25B2, 0x25BC,
};

constexpr std::uint16_t kCp437High[129] = {
    0x2302, // 0x7F
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192,
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,
    0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556,
    0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567,
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B,
    0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229,
    0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,
};

constexpr std::uint16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
// clang-format on

// Tab, line feed and carriage return keep their meaning in text.
bool IsLayoutControl(int byte)
{
    return byte == 0x09 || byte == 0x0A || byte == 0x0D;
}

GlyphRows ParseHexRows(const std::string &hex)
{
    GlyphRows rows;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        rows.push_back(std::uint8_t(std::stoul(hex.substr(i, 2), nullptr, 16)));
    return rows;
}

bool IsBlank(std::uint8_t row)
{
    return row == 0;
}

// Index of a row that can go with little loss, preferring the given edge.
std::size_t RowToDrop(const GlyphRows &rows, bool preferTop)
{
    const std::size_t last = rows.size() - 1;
    const std::size_t first = preferTop ? 0 : last;
    const std::size_t second = preferTop ? last : 0;
    for (std::size_t edge : { first, second }) {
        const std::size_t neighbour = edge == 0 ? 1 : last - 1;
        if (IsBlank(rows[edge]) || rows[edge] == rows[neighbour])
            return edge;
    }
    for (std::size_t i = 1; i < last; ++i) {
        if (rows[i] == rows[i - 1])
            return i;
    }
    return first;
}

} // namespace

std::uint32_t Cp437ToUnicode(int byte)
{
    if (byte < 0x20)
        return kCp437Low[byte];
    if (byte < 0x7F)
        return std::uint32_t(byte);
    return kCp437High[byte - 0x7F];
}

std::uint32_t Cp1252ToUnicode(int byte)
{
    if (byte >= 0x80 && byte < 0xA0)
        return kCp1252High[byte - 0x80];
    return std::uint32_t(byte);
}

std::map<std::uint32_t, GlyphRows> ReadHexGlyphs(
    std::istream &in, const std::vector<std::uint32_t> &wanted)
{
    const std::set<std::uint32_t> open(wanted.begin(), wanted.end());
    std::map<std::uint32_t, GlyphRows> found;
    std::string line;
    while (std::getline(in, line)) {
        const auto colon = line.find(':');
        if (colon == std::string::npos)
            continue;
        const auto codePoint = std::uint32_t(std::stoul(line.substr(0, colon), nullptr, 16));
        if (!open.count(codePoint))
            continue;
        std::string hex = line.substr(colon + 1);
        while (!hex.empty() && (hex.back() == '\r' || hex.back() == ' '))
            hex.pop_back();
        if (hex.size() != 32) {
            std::ostringstream msg;
            msg << "glyph " << std::hex << codePoint << " is not 8x16";
            throw std::runtime_error(msg.str());
        }
        found[codePoint] = ParseHexRows(hex);
    }
    for (std::uint32_t codePoint : open) {
        if (!found.count(codePoint)) {
            std::ostringstream msg;
            msg << "glyph " << std::hex << codePoint << " missing";
            throw std::runtime_error(msg.str());
        }
    }
    return found;
}

CodePageGlyphs LoadCodePageGlyphs(const std::string &hexPath)
{
    std::ifstream in(hexPath);
    if (!in)
        throw std::runtime_error("cannot read " + hexPath);
    std::vector<std::uint32_t> wanted;
    for (int byte = 1; byte < 256; ++byte)
        wanted.push_back(Cp437ToUnicode(byte));
    const auto hexGlyphs = ReadHexGlyphs(in, wanted);

    CodePageGlyphs result;
    result.pictures[0] = GlyphRows(16, 0);
    for (int byte = 1; byte < 256; ++byte)
        result.pictures[byte] = hexGlyphs.at(Cp437ToUnicode(byte));
    for (int byte = 1; byte < 256; ++byte)
        result.codePointToByte[Cp437ToUnicode(byte)] = byte;
    // The place Windows-1252 gives a byte wins over a picture's own code point.
    for (int byte = 0; byte < 256; ++byte) {
        if (!IsLayoutControl(byte))
            result.codePointToByte[Cp1252ToUnicode(byte)] = byte;
    }
    return result;
}

GlyphSet CodePageSet(const CodePageGlyphs &cp)
{
    GlyphSet set;
    set.pictures.assign(cp.pictures.begin(), cp.pictures.end());
    for (auto [codePoint, byte] : cp.codePointToByte)
        set.codePointToPicture[codePoint] = std::size_t(byte);
    return set;
}

GlyphSet UnicodeSet(const std::string &hexPath, const CodePageGlyphs &cp)
{
    std::ifstream in(hexPath);
    if (!in)
        throw std::runtime_error("cannot read " + hexPath);
    GlyphSet set;
    std::string line;
    while (std::getline(in, line)) {
        const auto colon = line.find(':');
        if (colon == std::string::npos)
            continue;
        std::string hex = line.substr(colon + 1);
        while (!hex.empty() && (hex.back() == '\r' || hex.back() == ' '))
            hex.pop_back();
        const auto codePoint = std::uint32_t(std::stoul(line.substr(0, colon), nullptr, 16));
        if (hex.size() != 32 || codePoint > 0xFFFF || codePoint < 0x20)
            continue; // wide glyphs fall back to other fonts
        set.codePointToPicture[codePoint] = set.pictures.size();
        set.pictures.push_back(ParseHexRows(hex));
    }
    for (int byte = 1; byte < 0x20; ++byte) {
        if (IsLayoutControl(byte))
            continue;
        set.codePointToPicture[std::uint32_t(byte)] = set.pictures.size();
        set.pictures.push_back(cp.pictures[std::size_t(byte)]);
    }
    if (!set.codePointToPicture.count(0x2588) || !set.codePointToPicture.count(0xFFFD))
        throw std::runtime_error(hexPath + " lacks the block or replacement glyph");
    return set;
}

GlyphRows ShrinkGlyph(GlyphRows rows, std::size_t height)
{
    bool preferTop = true;
    while (rows.size() > height && rows.size() > 2) {
        rows.erase(rows.begin() + std::ptrdiff_t(RowToDrop(rows, preferTop)));
        preferTop = !preferTop;
    }
    return rows;
}
