// fontbake: draws one of the game's bitmap fonts from a scalable font file.
//
// The game's text engine reads a font as a square grid of glyph cells in one texture plus a file of
// glyph widths. Cell i holds the Windows-1252 byte i + 33, except three cells that the engine maps
// specially: cell 92 holds the pound sign (0xA3), cell 93 the percent sign and cell 94 the low
// double quote (0x84). Glyphs are white; their coverage is the alpha.
//
// The width of a cell is what the engine itself measures when a width file is missing: the last
// column of the cell with any ink, counted from the cell's left edge. Writing exactly that keeps a
// rebuilt width file identical to the shipped one. Because such a width ends at the ink, the right
// side bearing is lost; each glyph therefore sits a few pixels into its cell (the "lead"), so that
// with the font's extra spacing the gap between two glyphs comes out close to the face's own.
//
// How big a glyph comes out: by default the size is the em, as FreeType reads a pixel size. With
// "--measure line" the size is the height of a whole line of the face (its Windows ascent plus
// descent), the way Windows reads a positive font height; the em is then smaller by that ratio and
// the baseline sits at the face's ascent from the top of the cell, as a Windows-made sheet has it.
// Layouts written for such sheets (text placed from its cell's top, columns sized to its widths)
// only fit with the same measure.
//
// Output is deterministic: PNG without time or text chunks, fixed compression, widths as
// little-endian 32-bit integers. Running it twice gives the same bytes.
//
// Usage: fontbake --face FILE --size N --cell N --rows N --columns N [--spacing N]
//                 [--measure em|line] --png OUT.png --widths OUT.dat
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H
#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "Cp1252.h"

namespace {

uint32_t UnicodeOf(int byte) { return Cp1252ToUnicode(byte); }

// The byte a glyph cell shows; the three exceptions mirror the engine's character table.
int ByteOfCell(int cell) {
  switch (cell) {
    case 92: return 0xA3;
    case 93: return '%';
    case 94: return 0x84;
    default: return cell + 33;
  }
}

struct Options {
  std::string face;
  std::string png;
  std::string widths;
  int size = 0;
  int cell = 0;
  int rows = 0;
  int columns = 0;
  int spacing = 0;
  bool lineMeasure = false;  // --measure line: the size is the height of a line, not the em
};

[[noreturn]] void Fail(const std::string& text) {
  std::fprintf(stderr, "fontbake: %s\n", text.c_str());
  std::exit(1);
}

Options ParseArgs(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (i + 1 >= argc) Fail("missing value after " + a);
    std::string v = argv[++i];
    if (a == "--face") o.face = v;
    else if (a == "--png") o.png = v;
    else if (a == "--widths") o.widths = v;
    else if (a == "--size") o.size = std::atoi(v.c_str());
    else if (a == "--cell") o.cell = std::atoi(v.c_str());
    else if (a == "--rows") o.rows = std::atoi(v.c_str());
    else if (a == "--columns") o.columns = std::atoi(v.c_str());
    else if (a == "--spacing") o.spacing = std::atoi(v.c_str());
    else if (a == "--measure") {
      if (v != "em" && v != "line") Fail("--measure takes em or line");
      o.lineMeasure = v == "line";
    }
    else Fail("unknown option " + a);
  }
  if (o.face.empty() || o.png.empty() || o.widths.empty()) Fail("--face, --png and --widths are required");
  if (o.size <= 0 || o.cell <= 0 || o.rows <= 0 || o.columns <= 0) Fail("size, cell, rows and columns must be positive");
  if (o.rows * o.columns > 256) Fail("a font holds at most 256 cells");
  return o;
}

class Face {
 public:
  explicit Face(const std::string& path) {
    if (FT_Init_FreeType(&m_lib)) Fail("cannot start FreeType");
    if (FT_New_Face(m_lib, path.c_str(), 0, &m_face)) Fail("cannot open font " + path);
  }
  ~Face() {
    FT_Done_Face(m_face);
    FT_Done_FreeType(m_lib);
  }
  Face(const Face&) = delete;
  Face& operator=(const Face&) = delete;

  // The face's line in font units, as Windows measures it (the OS/2 Windows ascent and descent; the
  // horizontal header where a face has no OS/2 table), and its units per em.
  void Line(int* ascent, int* descent, int* unitsPerEm) const {
    const TT_OS2* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(m_face, FT_SFNT_OS2));
    if (os2 && os2->usWinAscent + os2->usWinDescent > 0) {
      *ascent = os2->usWinAscent;
      *descent = os2->usWinDescent;
    } else {
      *ascent = m_face->ascender;
      *descent = -m_face->descender;
    }
    *unitsPerEm = m_face->units_per_EM;
    if (*ascent + *descent <= 0 || *unitsPerEm <= 0) Fail("the face has no line metrics");
  }

  bool Has(uint32_t code) const { return code != 0 && FT_Get_Char_Index(m_face, code) != 0; }

  // Renders one glyph at a pixel size; the bitmap stays valid until the next call.
  const FT_GlyphSlotRec* Render(uint32_t code, int pixels) {
    if (FT_Set_Pixel_Sizes(m_face, 0, static_cast<FT_UInt>(pixels))) Fail("cannot set the size");
    FT_UInt index = FT_Get_Char_Index(m_face, code);
    if (FT_Load_Glyph(m_face, index, FT_LOAD_TARGET_LIGHT)) return nullptr;
    if (FT_Render_Glyph(m_face->glyph, FT_RENDER_MODE_NORMAL)) return nullptr;
    return m_face->glyph;
  }

 private:
  FT_Library m_lib = nullptr;
  FT_Face m_face = nullptr;
};

// Rows above and below the baseline that the printable ASCII glyphs need at a pixel size.
void AsciiExtent(Face& face, int pixels, int* above, int* below) {
  *above = 0;
  *below = 0;
  for (int c = 33; c < 127; ++c) {
    if (!face.Has(static_cast<uint32_t>(c))) continue;
    const FT_GlyphSlotRec* g = face.Render(static_cast<uint32_t>(c), pixels);
    if (!g || g->bitmap.rows == 0) continue;
    *above = std::max(*above, g->bitmap_top);
    *below = std::max(*below, static_cast<int>(g->bitmap.rows) - g->bitmap_top);
  }
}

// The mean right side bearing of the printable ASCII glyphs at a pixel size, in pixels: the gap the
// face itself leaves after the ink of a glyph.
double MeanRightBearing(Face& face, int pixels) {
  double sum = 0.0;
  int count = 0;
  for (int c = 33; c < 127; ++c) {
    if (!face.Has(static_cast<uint32_t>(c))) continue;
    const FT_GlyphSlotRec* g = face.Render(static_cast<uint32_t>(c), pixels);
    if (!g || g->bitmap.width == 0) continue;
    sum += g->advance.x / 64.0 - (g->bitmap_left + static_cast<int>(g->bitmap.width));
    ++count;
  }
  return count > 0 ? sum / count : 0.0;
}

struct Sheet {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgba;  // rows top to bottom
};

void WritePng(const std::string& path, const Sheet& sheet) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) Fail("cannot write " + path);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info) Fail("libpng failed to start");
  if (setjmp(png_jmpbuf(png))) Fail("libpng failed writing " + path);
  png_init_io(png, f);
  png_set_compression_level(png, 9);
  png_set_IHDR(png, info, static_cast<png_uint_32>(sheet.width), static_cast<png_uint_32>(sheet.height), 8,
               PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < sheet.height; ++y) {
    png_write_row(png, sheet.rgba.data() + static_cast<size_t>(y) * sheet.width * 4);
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  if (std::fclose(f) != 0) Fail("cannot finish " + path);
}

void WriteWidths(const std::string& path, const std::vector<int32_t>& widths) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) Fail("cannot write " + path);
  for (int32_t w : widths) {
    uint32_t u = static_cast<uint32_t>(w);
    unsigned char b[4] = {static_cast<unsigned char>(u), static_cast<unsigned char>(u >> 8),
                          static_cast<unsigned char>(u >> 16), static_cast<unsigned char>(u >> 24)};
    if (std::fwrite(b, 1, 4, f) != 4) Fail("cannot write " + path);
  }
  if (std::fclose(f) != 0) Fail("cannot finish " + path);
}

}  // namespace

int main(int argc, char** argv) {
  const Options o = ParseArgs(argc, argv);
  Face face(o.face);

  // One pixel size for the whole font: the native size (or, measured by the line, the em of a line
  // that high), smaller only when ASCII would not fit the cell's height.
  int lineAscent = 0;
  int lineDescent = 0;
  int unitsPerEm = 0;
  int pixels = o.size;
  if (o.lineMeasure) {
    face.Line(&lineAscent, &lineDescent, &unitsPerEm);
    pixels = std::max(4, static_cast<int>(std::lround(static_cast<double>(o.size) * unitsPerEm /
                                                      (lineAscent + lineDescent))));
  }
  int above = 0;
  int below = 0;
  for (;; --pixels) {
    AsciiExtent(face, pixels, &above, &below);
    if (above + below <= o.cell || pixels <= 4) break;
  }
  int baseline = (above + 1 + below <= o.cell) ? above + 1 : above;
  if (o.lineMeasure) {
    // The face's ascent below the cell's top, as far as the tallest and deepest glyphs allow.
    const int ascent = static_cast<int>(std::lround(static_cast<double>(lineAscent) * pixels / unitsPerEm));
    baseline = std::max(above, std::min(ascent, o.cell - below));
  }

  // The lead stands in for the right side bearing the width measure cannot see (about 6% of the
  // size, plus the pixel the measure drops), less the font's own extra spacing. A font measured by
  // the line takes the face's own bearing instead, so that its glyphs advance as the face's do.
  const int bearing = o.lineMeasure ? static_cast<int>(std::lround(MeanRightBearing(face, pixels)))
                                    : static_cast<int>(std::lround(0.06 * o.size));
  const int lead = std::max(0, 1 + bearing - o.spacing);

  Sheet sheet;
  sheet.width = o.columns * o.cell;
  sheet.height = o.rows * o.cell;
  sheet.rgba.assign(static_cast<size_t>(sheet.width) * sheet.height * 4, 0);
  for (size_t i = 0; i < sheet.rgba.size(); i += 4) {
    sheet.rgba[i] = sheet.rgba[i + 1] = sheet.rgba[i + 2] = 255;  // white; alpha carries the glyph
  }

  const int cells = o.rows * o.columns;
  std::vector<int32_t> widths(static_cast<size_t>(cells), 0);
  int shrunk = 0;
  int missing = 0;
  for (int cell = 0; cell < cells; ++cell) {
    const uint32_t code = UnicodeOf(ByteOfCell(cell));
    if (!face.Has(code)) {
      if (code != 0) ++missing;
      continue;
    }
    const int cellLeft = (cell % o.columns) * o.cell;
    const int cellTop = (cell / o.columns) * o.cell;
    // A glyph too big for its cell at the font's size is drawn smaller rather than clipped.
    const FT_GlyphSlotRec* g = nullptr;
    int x0 = 0;
    int y0 = 0;
    for (int p = pixels; p >= 4; --p) {
      g = face.Render(code, p);
      if (!g) break;
      x0 = std::max(0, lead + g->bitmap_left);
      y0 = baseline - g->bitmap_top;
      const bool fits = x0 + static_cast<int>(g->bitmap.width) <= o.cell && y0 >= 0 &&
                        y0 + static_cast<int>(g->bitmap.rows) <= o.cell;
      if (fits) {
        if (p != pixels) ++shrunk;
        break;
      }
      g = nullptr;
    }
    if (!g) continue;
    for (unsigned r = 0; r < g->bitmap.rows; ++r) {
      for (unsigned c = 0; c < g->bitmap.width; ++c) {
        const int x = x0 + static_cast<int>(c);
        const int y = y0 + static_cast<int>(r);
        if (x < 0 || x >= o.cell || y < 0 || y >= o.cell) continue;
        const uint8_t a = g->bitmap.buffer[static_cast<ptrdiff_t>(r) * g->bitmap.pitch + c];
        sheet.rgba[(static_cast<size_t>(cellTop + y) * sheet.width + cellLeft + x) * 4 + 3] = a;
      }
    }
  }

  // Widths exactly as the engine measures them from the sheet.
  for (int cell = 0; cell < cells; ++cell) {
    const int cellLeft = (cell % o.columns) * o.cell;
    const int cellTop = (cell / o.columns) * o.cell;
    int best = 0;
    for (int y = cellTop; y < cellTop + o.cell; ++y) {
      for (int x = cellLeft; x < cellLeft + o.cell; ++x) {
        if (sheet.rgba[(static_cast<size_t>(y) * sheet.width + x) * 4 + 3] != 0) best = std::max(best, x - cellLeft);
      }
    }
    widths[static_cast<size_t>(cell)] = best;
  }

  WritePng(o.png, sheet);
  WriteWidths(o.widths, widths);
  std::printf("%s: %d px (native %d), baseline %d, lead %d, %d shrunk, %d missing\n", o.png.c_str(), pixels,
              o.size, baseline, lead, shrunk, missing);
  return 0;
}
