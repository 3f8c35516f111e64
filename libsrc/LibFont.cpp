#include "LibFont.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "D3DEngine.h"
#include "GDebug.h"
#include "LibTextEngine.h"
#include "MacFile.h"

namespace {

// An engine invariant: a broken one stops the program.
void FontFatal(bool condition, const char* text, int line) {
  if (condition) return;
  std::string message = GFormat("libsrc/LibFont:%d: Assertion `%s' failed.", line, text);
  GetDebug()->DebugOut(message.c_str());
  std::fprintf(stderr, "%s\n", message.c_str());
  std::abort();
}

// Reads up to 256 little-endian 32-bit widths; entries past the end of the file stay as they are.
void ReadWidths(FILE* f, int32_t* widths) {
  unsigned char b[4];
  for (int i = 0; i < 256 && std::fread(b, 1, 4, f) == 4; ++i) {
    widths[i] = static_cast<int32_t>(uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 |
                                     uint32_t(b[3]) << 24);
  }
}

}  // namespace

void LibFont::Initialise(const char* widthFile, const char* texture, int nativeSize, int cellSize, int rows,
                         int columns) {
  FontFatal(widthFile != nullptr, "datafile", __LINE__);
  FontFatal(texture != nullptr, "texname", __LINE__);
  m_nativeSize = nativeSize;
  m_cellSize = cellSize;
  std::snprintf(m_textureName, sizeof m_textureName, "%s", texture);
  std::snprintf(m_widthFile, sizeof m_widthFile, "%s", widthFile);
  // A grid of more than 256 cells could never be addressed by a byte.
  m_rows = std::max(0, rows);
  m_columns = std::max(0, columns);
  if (m_columns > 0 && m_rows * m_columns > 256) m_rows = 256 / m_columns;

  FILE* f = Mac_fopen(widthFile, "rb");
  if (!f) {
    CalculateCharWidths();
    f = Mac_fopen(widthFile, "rb");
  }
  if (f) {
    ReadWidths(f, m_widths);
    std::fclose(f);
    ClampWidths();
  }

  D3DEngine* engine = GetD3DEngine();
  engine->GetTexture(m_textureName);
  int width = 0;
  int height = 0;
  if (engine->GetTextureData(m_textureName, &width, &height, nullptr) && width > 0 && height > 0) {
    const float du = float(m_cellSize) / float(width);
    const float dv = float(m_cellSize) / float(height);
    for (int r = 0; r < m_rows; ++r) {
      for (int c = 0; c < m_columns; ++c) {
        const int i = r * m_columns + c;
        m_u[i][0] = m_u[i][2] = float(c) * du;
        m_u[i][1] = m_u[i][3] = float(c + 1) * du;
        m_v[i][0] = m_v[i][1] = float(r) * dv;
        m_v[i][2] = m_v[i][3] = float(r + 1) * dv;
      }
    }
  } else {
    GWarnOnce(std::string("fonttexture:") + m_textureName,
              GFormat("Font texture missing: %s", m_textureName).c_str(), "libsrc/LibFont", __LINE__);
  }
  m_texture.SetTexture(m_textureName);
}

// The width file is outside bytes: a glyph is never narrower than nothing nor wider than its cell,
// and text measuring relies on that.
void LibFont::ClampWidths() {
  const int32_t widest = std::max(0, m_cellSize);
  int clamped = 0;
  int first = -1;
  for (int i = 0; i < 256; ++i) {
    if (m_widths[i] >= 0 && m_widths[i] <= widest) continue;
    if (first < 0) first = i;
    ++clamped;
    m_widths[i] = std::clamp(m_widths[i], 0, widest);
  }
  if (clamped == 0) return;
  const std::string text = GFormat("%s: width of glyph cell %d (byte %d) and %d more outside 0..%d; clamped",
                                   m_widthFile, first, first * 4, clamped - 1, widest);
  GWarnOnce("fontwidths:" + std::string(m_widthFile), text.c_str(), "libsrc/LibFont", __LINE__);
}

void LibFont::CalculateCharWidths() {
  std::fill(std::begin(m_widths), std::end(m_widths), 0);
  D3DEngine* engine = GetD3DEngine();
  engine->GetTexture(m_textureName);
  const GSurface* surface = engine->FindLoadedTexture(m_textureName);
  if (!surface || surface->fromDDS || surface->width <= 0 || surface->height <= 0 ||
      surface->pixels.size() < size_t(surface->width) * size_t(surface->height) * 4) {
    GWarnOnce(std::string("fontmeasure:") + m_textureName,
              GFormat("Cannot measure the glyphs of %s", m_textureName).c_str(), "libsrc/LibFont", __LINE__);
    return;
  }
  // Pictures are kept as alpha, red, green, blue: the alpha is the first byte of each pixel.
  const int pitch = surface->width * 4;
  const uint8_t* pixels = surface->pixels.data();
  for (int r = 0; r < m_rows; ++r) {
    for (int c = 0; c < m_columns; ++c) {
      const int left = c * m_cellSize;
      const int top = r * m_cellSize;
      int best = -1;
      for (int y = top; y < std::min(top + m_cellSize, surface->height); ++y) {
        for (int x = left; x < std::min(left + m_cellSize, surface->width); ++x) {
          if (pixels[y * pitch + x * 4] != 0) best = std::max(best, x);
        }
      }
      m_widths[r * m_columns + c] = std::max(0, best - left);
    }
  }

  FILE* out = Mac_fopen(m_widthFile, "wb");
  FILE* listing = Mac_fopen(GFormat(".//data//%s.txt", m_textureName).c_str(), "wt");
  for (int i = 0; i < m_rows * m_columns; ++i) {
    const uint32_t w = static_cast<uint32_t>(m_widths[i]);
    const unsigned char b[4] = {uint8_t(w), uint8_t(w >> 8), uint8_t(w >> 16), uint8_t(w >> 24)};
    if (out) std::fwrite(b, 1, 4, out);
    if (listing) std::fprintf(listing, "%d\n", m_widths[i]);
  }
  if (out) std::fclose(out);
  if (listing) std::fclose(listing);
}

float LibFont::GetKerning(int first, int second) const {
  if (first < 0 || first > 255 || !m_kerning[first]) return 0.0f;
  for (const KerningData& k : *m_kerning[first]) {
    if (k.second == uint32_t(second)) return k.adjustment;
  }
  return 0.0f;
}

void LibFont::AddKerning(char first, char second, float adjustment) {
  const int a = LibTextEngine::BitmapIDFromChar(first);
  const int b = LibTextEngine::BitmapIDFromChar(second);
  if (!m_kerning[a]) m_kerning[a] = std::make_unique<std::vector<KerningData>>();
  m_kerning[a]->push_back(KerningData{uint32_t(b), adjustment});
}
