#pragma once
// One bitmap font: a texture holding a grid of square glyph cells, the drawn width of every cell
// at the font's native size, extra spacing and leading, and kerning pairs. Created and owned by
// the text engine (LibTextEngine::AddFont); the font's name is its texture name.
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "SmartTexture.h"

struct KerningData {
  uint32_t second = 0;      // glyph cell of the second character
  float adjustment = 0.0f;  // pixels at native size
};

class LibFont {
 public:
  LibFont() = default;
  virtual ~LibFont() = default;
  LibFont(const LibFont&) = delete;
  LibFont& operator=(const LibFont&) = delete;

  // Reads the widths (measuring them from the texture when the width file is missing), loads the
  // texture and lays the grid's texture coordinates. Null names are fatal.
  void Initialise(const char* widthFile, const char* texture, int nativeSize, int cellSize, int rows,
                  int columns);
  // Measures every cell of the grid from the texture's alpha and writes the width file (and a
  // decimal listing beside the data). The widths stay usable even when nothing can be written.
  void CalculateCharWidths();
  float GetKerning(int first, int second) const;  // glyph cells; 0 when the pair is unknown
  void AddKerning(char first, char second, float adjustment);  // characters, through CharIdTable
  void SetSpacing(int spacing) { m_spacing = spacing; }
  void SetLeading(int leading) { m_leading = leading; }

  const char* GetName() const { return m_textureName; }
  int GetSpacing() const { return m_spacing; }
  int GetLeading() const { return m_leading; }
  int GetNativeSize() const { return m_nativeSize; }
  int GetCellSize() const { return m_cellSize; }
  int GetRows() const { return m_rows; }
  int GetColumns() const { return m_columns; }
  int32_t GetWidth(int cell) const { return cell >= 0 && cell < 256 ? m_widths[cell] : 0; }
  // Corner order: top-left, top-right, bottom-left, bottom-right.
  const float* GetU(int cell) const { return m_u[cell & 255]; }
  const float* GetV(int cell) const { return m_v[cell & 255]; }
  SmartTexture& GetTexture() { return m_texture; }

 private:
  void ClampWidths();

  float m_u[256][4] = {};
  float m_v[256][4] = {};
  int32_t m_widths[256] = {};
  char m_textureName[32] = {0};
  int32_t m_spacing = 0;
  int32_t m_leading = 0;
  int32_t m_nativeSize = 0;
  int32_t m_cellSize = 0;
  SmartTexture m_texture;
  std::array<std::unique_ptr<std::vector<KerningData>>, 256> m_kerning;
  int32_t m_rows = 0;
  int32_t m_columns = 0;
  char m_widthFile[256] = {0};
};
