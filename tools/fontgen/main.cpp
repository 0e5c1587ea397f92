// Writes the program's NFO fonts from the 8x16 glyphs of GNU Unifont:
//   fdata.nf  "ASCII VGA" (8x16) and "ASCII EGA" (8x14), a TrueType collection
//   tfdata.nf "ASCII", the same pictures for every zoom level
// Each face has a "... Unicode" twin in the same file that draws every
// character as itself, for documents read as UTF-8 or UTF-16.
#include "glyphs.h"
#include "truetype.h"

#include <fstream>
#include <iostream>
#include <stdexcept>

namespace {

FaceDescription MakeFace(const std::string &family, const GlyphSet &set, int cellHeight)
{
    FaceDescription face;
    face.family = family;
    face.cellHeight = cellHeight;
    face.descent = 2;
    face.glyphs.push_back(GlyphRows(std::size_t(cellHeight), 0)); // .notdef: blank
    for (const GlyphRows &rows : set.pictures)
        face.glyphs.push_back(ShrinkGlyph(rows, std::size_t(cellHeight)));
    for (auto [codePoint, picture] : set.codePointToPicture)
        face.cmap[codePoint] = std::uint16_t(picture + 1);
    return face;
}

void WriteFile(const std::string &path, const std::vector<std::uint8_t> &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::cerr << "usage: fontgen unifont.hex fdata.nf tfdata.nf\n";
        return 2;
    }
    try {
        const CodePageGlyphs cp = LoadCodePageGlyphs(argv[1]);
        const GlyphSet bytes = CodePageSet(cp);
        const GlyphSet unicode = UnicodeSet(argv[1], cp);
        WriteFile(argv[2],
            AssembleFontFile({ BuildFaceTables(MakeFace("ASCII VGA", bytes, 16)),
                BuildFaceTables(MakeFace("ASCII EGA", bytes, 14)),
                BuildFaceTables(MakeFace("ASCII VGA Unicode", unicode, 16)),
                BuildFaceTables(MakeFace("ASCII EGA Unicode", unicode, 14)) }));
        WriteFile(argv[3],
            AssembleFontFile({ BuildFaceTables(MakeFace("ASCII", bytes, 16)),
                BuildFaceTables(MakeFace("ASCII Unicode", unicode, 16)) }));
    } catch (const std::exception &e) {
        std::cerr << "fontgen: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
