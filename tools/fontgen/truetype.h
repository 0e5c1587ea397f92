#pragma once

#include "glyphs.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// A monospaced bitmap-style face: every glyph is drawn as pixel squares,
// one cell wide, with the cell height as the em and no line gap.
struct FaceDescription
{
    std::string family;
    int cellHeight = 16; // pixels
    int descent = 2; // pixels below the baseline
    std::vector<GlyphRows> glyphs; // index 0 is .notdef
    std::map<std::uint32_t, std::uint16_t> cmap; // code point -> glyph index
};

// Font units per pixel; a power of two keeps every edge exact at the native size.
constexpr int kUnitsPerPixel = 64;
constexpr int kCellWidth = 8;

using Tables = std::map<std::string, std::vector<std::uint8_t>>;

Tables BuildFaceTables(const FaceDescription &face);

// One face as a plain TrueType file, several as a TrueType collection.
std::vector<std::uint8_t> AssembleFontFile(const std::vector<Tables> &faces);
