#include "truetype.h"

#include <algorithm>

namespace {

class Writer
{
public:
    std::vector<std::uint8_t> bytes;

    void u8(unsigned v) { bytes.push_back(std::uint8_t(v)); }
    void u16(unsigned v)
    {
        u8(v >> 8);
        u8(v);
    }
    void s16(int v) { u16(unsigned(std::uint16_t(std::int16_t(v)))); }
    void u32(std::uint32_t v)
    {
        u16(v >> 16);
        u16(v & 0xFFFF);
    }
    void tag(const std::string &t)
    {
        for (char c : t)
            u8(std::uint8_t(c));
    }
    void zeros(std::size_t n) { bytes.insert(bytes.end(), n, 0); }
    void pad4()
    {
        while (bytes.size() % 4)
            u8(0);
    }
    void append(const std::vector<std::uint8_t> &more)
    {
        bytes.insert(bytes.end(), more.begin(), more.end());
    }
    void put32At(std::size_t at, std::uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = std::uint8_t(v >> (24 - 8 * i));
    }
};

struct Rect
{
    int left, right, top, bottom; // cells: columns [left,right), rows [top,bottom)
};

struct Box
{
    int xMin = 0, yMin = 0, xMax = 0, yMax = 0;
};

// Horizontal runs of set pixels, merged downwards while a run repeats exactly.
std::vector<Rect> GlyphRects(const GlyphRows &rows)
{
    std::vector<Rect> done;
    std::vector<Rect> open;
    for (int r = 0; r < int(rows.size()); ++r) {
        std::vector<Rect> next;
        for (int c = 0; c < kCellWidth;) {
            if (!(rows[r] & (0x80 >> c))) {
                ++c;
                continue;
            }
            int end = c;
            while (end < kCellWidth && (rows[r] & (0x80 >> end)))
                ++end;
            next.push_back({ c, end, r, r + 1 });
            c = end;
        }
        for (Rect &run : next) {
            auto same = std::find_if(open.begin(), open.end(),
                [&](const Rect &o) { return o.left == run.left && o.right == run.right; });
            if (same != open.end()) {
                run.top = same->top;
                open.erase(same);
            }
        }
        done.insert(done.end(), open.begin(), open.end());
        open = next;
    }
    done.insert(done.end(), open.begin(), open.end());
    return done;
}

struct GlyphData
{
    std::vector<std::uint8_t> bytes;
    Box box;
    int points = 0;
    int contours = 0;
};

// Pixel squares as clockwise rectangles (TrueType fills to the right of the path).
GlyphData EncodeGlyph(const GlyphRows &rows, int ascentPixels)
{
    GlyphData g;
    const auto rects = GlyphRects(rows);
    if (rects.empty())
        return g;
    std::vector<std::pair<int, int>> points;
    for (const Rect &r : rects) {
        const int x0 = r.left * kUnitsPerPixel, x1 = r.right * kUnitsPerPixel;
        const int y0 = (ascentPixels - r.bottom) * kUnitsPerPixel;
        const int y1 = (ascentPixels - r.top) * kUnitsPerPixel;
        points.insert(points.end(), { { x0, y0 }, { x0, y1 }, { x1, y1 }, { x1, y0 } });
    }
    g.box = { points[0].first, points[0].second, points[0].first, points[0].second };
    for (auto [x, y] : points) {
        g.box.xMin = std::min(g.box.xMin, x);
        g.box.xMax = std::max(g.box.xMax, x);
        g.box.yMin = std::min(g.box.yMin, y);
        g.box.yMax = std::max(g.box.yMax, y);
    }
    g.points = int(points.size());
    g.contours = int(rects.size());

    Writer w;
    w.s16(g.contours);
    w.s16(g.box.xMin);
    w.s16(g.box.yMin);
    w.s16(g.box.xMax);
    w.s16(g.box.yMax);
    for (int i = 0; i < g.contours; ++i)
        w.u16(unsigned(i * 4 + 3));
    w.u16(0); // no instructions
    for (int i = 0; i < g.points; ++i)
        w.u8(0x01); // on curve, full 16-bit deltas
    int last = 0;
    for (auto [x, y] : points) {
        w.s16(x - last);
        last = x;
    }
    last = 0;
    for (auto [x, y] : points) {
        w.s16(y - last);
        last = y;
    }
    w.pad4();
    g.bytes = std::move(w.bytes);
    return g;
}

std::vector<std::uint8_t> NameTable(const std::string &family)
{
    const std::string style = "Regular";
    const std::vector<std::pair<int, std::string>> names = {
        { 1, family },
        { 2, style },
        { 3, "Orvane:" + family },
        { 4, family },
        { 5, "Version 1.8" },
        { 6,
            [&] {
                std::string ps = family;
                std::replace(ps.begin(), ps.end(), ' ', '-');
                return ps;
            }() },
    };
    Writer w;
    w.u16(0);
    w.u16(unsigned(names.size()));
    w.u16(unsigned(6 + names.size() * 12));
    unsigned offset = 0;
    for (const auto &[id, text] : names) {
        w.u16(3); // Windows
        w.u16(1); // Unicode BMP
        w.u16(0x409);
        w.u16(unsigned(id));
        w.u16(unsigned(text.size() * 2));
        w.u16(offset);
        offset += unsigned(text.size() * 2);
    }
    for (const auto &[id, text] : names) {
        for (char c : text)
            w.u16(std::uint8_t(c));
    }
    return w.bytes;
}

// Format 4; a run of code points whose glyphs follow each other shares one
// segment, which keeps the Unicode faces' thousands of glyphs small.
std::vector<std::uint8_t> CmapTable(const std::map<std::uint32_t, std::uint16_t> &cmap)
{
    struct Segment
    {
        unsigned start, end, delta;
    };
    std::vector<Segment> segs;
    for (auto [cp, glyph] : cmap) {
        if (cp >= 0xFFFF)
            continue; // 0xFFFF ends the table
        const unsigned delta = (glyph - cp) & 0xFFFF;
        if (!segs.empty() && segs.back().end + 1 == cp && segs.back().delta == delta)
            segs.back().end = cp;
        else
            segs.push_back({ cp, cp, delta });
    }
    segs.push_back({ 0xFFFF, 0xFFFF, 1 });
    const unsigned segCount = unsigned(segs.size());
    unsigned searchRange = 2, entrySelector = 0;
    while (searchRange * 2 <= segCount * 2) {
        searchRange *= 2;
        ++entrySelector;
    }
    Writer sub;
    sub.u16(4);
    sub.u16(unsigned(16 + segCount * 8));
    sub.u16(0);
    sub.u16(segCount * 2);
    sub.u16(searchRange);
    sub.u16(entrySelector);
    sub.u16(segCount * 2 - searchRange);
    for (const Segment &seg : segs)
        sub.u16(seg.end);
    sub.u16(0);
    for (const Segment &seg : segs)
        sub.u16(seg.start);
    for (const Segment &seg : segs)
        sub.u16(seg.delta);
    for (std::size_t i = 0; i < segs.size(); ++i)
        sub.u16(0);

    Writer w;
    w.u16(0);
    w.u16(2);
    w.u16(0); // Unicode
    w.u16(3);
    w.u32(20);
    w.u16(3); // Windows, Unicode BMP
    w.u16(1);
    w.u32(20);
    w.append(sub.bytes);
    return w.bytes;
}

std::uint32_t Checksum(const std::vector<std::uint8_t> &data, std::size_t from, std::size_t size)
{
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < size; i += 4) {
        std::uint32_t word = 0;
        for (std::size_t k = 0; k < 4; ++k)
            word = (word << 8) | (i + k < size ? data[from + i + k] : 0);
        sum += word;
    }
    return sum;
}

} // namespace

Tables BuildFaceTables(const FaceDescription &face)
{
    const int ascentPixels = face.cellHeight - face.descent;
    const int unitsPerEm = face.cellHeight * kUnitsPerPixel;
    const int ascender = ascentPixels * kUnitsPerPixel;
    const int descender = face.descent * kUnitsPerPixel;
    const int advance = kCellWidth * kUnitsPerPixel;

    std::vector<GlyphData> glyphs;
    Box all { 0, -descender, advance, ascender };
    int maxPoints = 0, maxContours = 0;
    for (const GlyphRows &rows : face.glyphs) {
        glyphs.push_back(EncodeGlyph(rows, ascentPixels));
        maxPoints = std::max(maxPoints, glyphs.back().points);
        maxContours = std::max(maxContours, glyphs.back().contours);
    }
    const unsigned numGlyphs = unsigned(glyphs.size());

    Tables t;
    Writer glyf, loca, hmtx;
    for (const GlyphData &g : glyphs) {
        loca.u32(std::uint32_t(glyf.bytes.size()));
        glyf.append(g.bytes);
        hmtx.u16(unsigned(advance));
        hmtx.s16(g.box.xMin);
    }
    loca.u32(std::uint32_t(glyf.bytes.size()));
    t["glyf"] = glyf.bytes;
    t["loca"] = loca.bytes;
    t["hmtx"] = hmtx.bytes;

    Writer head;
    head.u32(0x00010000);
    head.u32(0x00010000);
    head.u32(0); // checksum adjustment, filled in by AssembleFontFile
    head.u32(0x5F0F3CF5);
    head.u16(0x0009); // baseline at y=0, integer ppem
    head.u16(unsigned(unitsPerEm));
    head.zeros(16); // created, modified
    head.s16(all.xMin);
    head.s16(all.yMin);
    head.s16(all.xMax);
    head.s16(all.yMax);
    head.u16(0);
    head.u16(8);
    head.s16(2);
    head.s16(1); // long loca
    head.s16(0);
    t["head"] = head.bytes;

    Writer hhea;
    hhea.u32(0x00010000);
    hhea.s16(ascender);
    hhea.s16(-descender);
    hhea.s16(0); // no line gap: lines touch
    hhea.u16(unsigned(advance));
    hhea.s16(0);
    hhea.s16(0);
    hhea.s16(advance);
    hhea.s16(1);
    hhea.s16(0);
    hhea.s16(0);
    hhea.zeros(8);
    hhea.s16(0);
    hhea.u16(numGlyphs);
    t["hhea"] = hhea.bytes;

    Writer maxp;
    maxp.u32(0x00010000);
    maxp.u16(numGlyphs);
    maxp.u16(unsigned(maxPoints));
    maxp.u16(unsigned(maxContours));
    maxp.u16(0);
    maxp.u16(0);
    maxp.u16(2);
    maxp.zeros(16);
    t["maxp"] = maxp.bytes;

    Writer os2;
    os2.u16(4);
    os2.s16(advance);
    os2.u16(400);
    os2.u16(5);
    os2.u16(0); // installable
    for (int v : { advance, unitsPerEm / 2, 0, unitsPerEm / 4, advance, unitsPerEm / 2, 0,
             unitsPerEm / 2, kUnitsPerPixel, ascender / 2 })
        os2.s16(v);
    os2.s16(0); // family class
    for (int v : { 2, 11, 6, 9, 0, 0, 0, 0, 0, 0 }) // panose: monospaced
        os2.u8(unsigned(v));
    os2.u32(0x00000003); // Basic Latin, Latin-1 Supplement
    os2.u32(0);
    os2.u32(0);
    os2.u32(0);
    os2.tag("ORVN");
    os2.u16(0x00C0); // regular, use typo metrics
    os2.u16(face.cmap.begin()->first);
    os2.u16(std::min<std::uint32_t>(face.cmap.rbegin()->first, 0xFFFF));
    os2.s16(ascender);
    os2.s16(-descender);
    os2.s16(0);
    os2.u16(unsigned(ascender));
    os2.u16(unsigned(descender));
    os2.u32(0x00000001); // Latin 1
    os2.u32(0x80000000u); // US (code page 437)
    os2.s16(ascender / 2);
    os2.s16(ascender);
    os2.u16(0);
    os2.u16(32);
    os2.u16(1);
    t["OS/2"] = os2.bytes;

    Writer post;
    post.u32(0x00030000);
    post.u32(0);
    post.s16(-descender / 2);
    post.s16(kUnitsPerPixel);
    post.u32(1); // fixed pitch
    post.zeros(16);
    t["post"] = post.bytes;

    t["name"] = NameTable(face.family);
    t["cmap"] = CmapTable(face.cmap);
    return t;
}

std::vector<std::uint8_t> AssembleFontFile(const std::vector<Tables> &faces)
{
    const bool collection = faces.size() > 1;
    Writer w;
    std::vector<std::size_t> dirStarts;
    if (collection) {
        w.tag("ttcf");
        w.u32(0x00010000);
        w.u32(std::uint32_t(faces.size()));
        for (std::size_t i = 0; i < faces.size(); ++i)
            w.u32(0); // directory offsets, filled in below
    }
    // Directories first, then every table, each 4-byte aligned.
    std::vector<std::vector<std::size_t>> recordAt(faces.size());
    for (std::size_t f = 0; f < faces.size(); ++f) {
        dirStarts.push_back(w.bytes.size());
        if (collection)
            w.put32At(12 + 4 * f, std::uint32_t(w.bytes.size()));
        const unsigned n = unsigned(faces[f].size());
        unsigned pow2 = 1, log2 = 0;
        while (pow2 * 2 <= n) {
            pow2 *= 2;
            ++log2;
        }
        w.u32(0x00010000);
        w.u16(n);
        w.u16(pow2 * 16);
        w.u16(log2);
        w.u16(n * 16 - pow2 * 16);
        for (const auto &[tag, data] : faces[f]) {
            recordAt[f].push_back(w.bytes.size());
            w.tag(tag);
            w.zeros(12);
        }
    }
    for (std::size_t f = 0; f < faces.size(); ++f) {
        std::uint32_t fontSum = 0;
        std::size_t headAt = 0;
        std::size_t i = 0;
        for (const auto &[tag, data] : faces[f]) {
            const std::size_t at = w.bytes.size();
            if (tag == "head")
                headAt = at;
            w.append(data);
            w.pad4();
            const std::uint32_t sum = Checksum(w.bytes, at, data.size());
            w.put32At(recordAt[f][i] + 4, sum);
            w.put32At(recordAt[f][i] + 8, std::uint32_t(at));
            w.put32At(recordAt[f][i] + 12, std::uint32_t(data.size()));
            fontSum += sum;
            ++i;
        }
        fontSum += Checksum(w.bytes, dirStarts[f], 12 + 16 * faces[f].size());
        w.put32At(headAt + 8, 0xB1B0AFBAu - fontSum);
    }
    return w.bytes;
}
