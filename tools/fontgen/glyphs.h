#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

// One 8-pixel-wide glyph, top row first, bit 7 of a row is the leftmost pixel.
using GlyphRows = std::vector<std::uint8_t>;

// The picture for every byte of code page 437, plus the code points that show it.
struct CodePageGlyphs
{
    std::array<GlyphRows, 256> pictures;
    // Code point -> byte whose picture it shows.
    std::map<std::uint32_t, int> codePointToByte;
};

// The Unicode character code page 437 draws for a byte (0x00 is a blank).
std::uint32_t Cp437ToUnicode(int byte);
// The code point Windows-1252 decoding gives for a byte; the five undefined
// bytes decode to the C1 control of the same number so every byte round-trips.
std::uint32_t Cp1252ToUnicode(int byte);

// Reads the 8x16 glyphs of the given code points from a unifont.hex stream.
// Throws std::runtime_error when one is missing or not 8 pixels wide.
std::map<std::uint32_t, GlyphRows> ReadHexGlyphs(
    std::istream &in, const std::vector<std::uint32_t> &wanted);

// Loads the pictures of all 256 bytes from a unifont.hex file and maps each byte
// at its Windows-1252 code point and at its own Unicode point (1252 wins).
CodePageGlyphs LoadCodePageGlyphs(const std::string &hexPath);

// The pictures of a face and the code points that show each (an index into
// pictures).
struct GlyphSet
{
    std::vector<GlyphRows> pictures;
    std::map<std::uint32_t, std::size_t> codePointToPicture;
};

// The 8-bit documents' set: the 256 pictures, byte by byte.
GlyphSet CodePageSet(const CodePageGlyphs &cp);
// The Unicode documents' set: every 8-pixel-wide glyph of the unifont.hex
// file at its own code point, so each character shows as itself; the C0
// controls keep their code page pictures, as in the 8-bit set.
GlyphSet UnicodeSet(const std::string &hexPath, const CodePageGlyphs &cp);

// Removes rows from a glyph until it has the given height, taking blank or
// repeated rows at the edges first so lines and blocks stay joined.
GlyphRows ShrinkGlyph(GlyphRows rows, std::size_t height);
