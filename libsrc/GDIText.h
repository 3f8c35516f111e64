#pragma once
// Text in a system font rather than a bitmap font. Each (name, size, style) is rasterised once
// with FreeType from DejaVu Sans (whatever name is asked for) into 256 OpenGL display lists, one
// per byte, and strings are drawn by calling those lists at the raster position. Nothing in the
// game draws with it at present; the shell calls DeleteFonts when the drawing context is made
// again. Headless, metrics and wrapping still work and drawing is only recorded.
//
// Text is Windows-1252. Alignment codes differ from the bitmap text engine's: 0 left, 1 centred,
// 2 right.
#include <cstdint>
#include <string>
#include <vector>

enum GTEXTALIGN { GTEXT_LEFT = 0, GTEXT_CENTER = 1, GTEXT_RIGHT = 2 };

struct GDIFontRecord {
  char name[128] = {0};
  int size = 0;                // as asked for
  unsigned int listBase = 0;   // 256 lists; 0 when none were made (headless)
  short fontNumber = 0;
  int ascent = 0;
  int descentLeading = 0;
  uint8_t widths[256] = {};    // advance of each byte in pixels
  bool flag = false;           // italic chunks; only separates records
  int platformSize = 0;        // the pixel size drawn: size - 2 below 18, else size - 4
};

struct GDITextChunk {
  std::string text;
  float x = 0.0f;
  float y = 0.0f;
  float boxWidth = 0.0f;
  std::string font;  // empty: the default chunk font
  int size = -1;     // -1: the default chunk size
  bool italic = false;
  GTEXTALIGN align = GTEXT_LEFT;
  int r = 255;
  int g = 255;
  int b = 255;
};

class GDIText {
 public:
  static void SetFont(const char* name, int size, bool flag);
  static void SetChunkFont(const std::string& name, int size);
  static void SetGDITextColor(int r, int g, int b);
  static void DeleteFonts();

  static float GetStringWidth(const char* text);
  static int GetTextHeight(const char* text, float wrapWidth);
  // Draws the text wrapped at wrapWidth (0: up to the screen's right edge); returns the last
  // line's pen y less y.
  static int RenderText(float x, float y, const char* text, float wrapWidth);
  static int RenderText(float x, float y, const std::string& text, float wrapWidth) {
    return RenderText(x, y, text.c_str(), wrapWidth);
  }
  static int RenderDropText(float x, float y, const char* text, int r, int g, int b, float wrapWidth);

  // Queued for the next RenderChunks.
  static void AddChunk(float x, float y, const std::string& text, const char* font, int size, float boxWidth,
                       GTEXTALIGN align, int r, int g, int b);
  static void AddItalicChunk(float x, float y, const std::string& text, const char* font, int size,
                             float boxWidth, GTEXTALIGN align, int r, int g, int b);
  // Drawn by every RenderChunks that has queued chunks, until ClearStaticChunk.
  static GDITextChunk* StaticAddChunk(float x, float y, const std::string& text, const char* font, int size,
                                      float boxWidth, GTEXTALIGN align, int r, int g, int b);
  static GDITextChunk* StaticAddItalicChunk(float x, float y, const std::string& text, const char* font,
                                            int size, float boxWidth, GTEXTALIGN align, int r, int g, int b);
  static void ClearStaticChunk(GDITextChunk* chunk);
  static void RenderChunks(int limit);
  static void RenderStaticChunks();
  static void DrawChunk(GDITextChunk* chunk);
  static void Begin() {}
  static void End() {}

  // For tests.
  static const GDIFontRecord* GetCurrentFont();
  static const std::vector<GDIFontRecord*>& GetFonts();
  static int GetQueuedChunkCount();
  static int GetStaticChunkCount();
};

// Chunks an owner fills once and draws repeatedly.
class GDITextCache {
 public:
  GDITextCache() = default;
  ~GDITextCache() { Clear(); }
  GDITextCache(const GDITextCache&) = delete;
  GDITextCache& operator=(const GDITextCache&) = delete;

  void Add(float x, float y, const std::string& text, const char* font, int size, float boxWidth,
           GTEXTALIGN align, int r, int g, int b);
  void AddChunk(GDITextChunk* chunk);  // takes ownership
  void Clear();
  void Render();                       // white
  void RenderRaw(int r, int g, int b);
  int Size() const { return int(m_chunks.size()); }

 private:
  std::vector<GDITextChunk*> m_chunks;
};
