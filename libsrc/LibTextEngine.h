#pragma once
// The bitmap-font text engine: owns the fonts, the current font and point size, and a per-frame
// queue of glyph quads drawn in one batch with the current font's texture.
//
// Text is single-byte Windows-1252: a byte picks a glyph cell through CharIdTable. Colours are in
// the vertex-buffer packing (red in bits 16..23, see D3DTypes.h VBColor).
//
// Typical use by a screen:
//   LibTextEngine* text = GetTextEngine();
//   text->SetCurrentFont("arialbold16.dds", 16.0f);
//   text->AddQueueString("Start", 100, 40, VBColor(255, 255, 255), 200, LibTextEngine::ALIGN_CENTER);
//   float below = text->AddWrappedString(body, 100, 70, 300, VBColor(0, 0, 0));
//   text->ProcessTextQueue(-1);  // when the screen's text is complete
// At start-up the shell calls GetTextEngine()->LoadFonts() once (the fifteen fonts of the game).
#include <array>
#include <string>
#include <vector>

#include "D3DTypes.h"
#include "GVertexBuffer.h"
#include "LibFont.h"

class LibTextChunkList;

class LibTextEngine {
 public:
  // Where a string sits in its box from x to x + box width.
  enum ALIGNTYPE { ALIGN_LEFT = 0, ALIGN_RIGHT = 1, ALIGN_CENTER = 2 };

  static constexpr int kQueueVertices = 8000;   // 2000 glyphs
  static constexpr int kMaxWrapChars = 2048;    // a wrapped or truncated text is shorter
  static constexpr int kMaxJustifyChars = 2000;

  LibTextEngine();
  ~LibTextEngine();
  LibTextEngine(const LibTextEngine&) = delete;
  LibTextEngine& operator=(const LibTextEngine&) = delete;

  void Initialise();
  // Initialise, then the game's fifteen fonts with their spacing, leading and kerning.
  void LoadFonts();
  LibFont* AddFont(const char* widthFile, const char* texture, int nativeSize, int cellSize, int rows,
                   int columns);
  void Release();
  bool IsInitialised() const { return m_initialised; }

  void SetCurrentFont(const char* name);
  void SetCurrentFont(const char* name, float size);
  void SetCurrentFont(const std::string& name, float size) { SetCurrentFont(name.c_str(), size); }
  void SetPointsize(float size) { m_pointSize = size; }
  float GetPointsize() const { return m_pointSize; }
  void SetFontTexture();
  LibFont* GetCurrentFont() const { return m_currentFont; }
  LibFont* FindFont(const char* name) const;
  const std::vector<LibFont*>& GetFonts() const { return m_fonts; }
  void SetCurrentChunkList(LibTextChunkList* list);
  LibTextChunkList* GetCurrentChunkList() const { return m_currentChunkList; }

  void AddQueueString(const char* text, float x, float y, uint32_t colour, float boxWidth, ALIGNTYPE align);
  void AddQueueString(const std::string& text, float x, float y, uint32_t colour, float boxWidth,
                      ALIGNTYPE align) {
    AddQueueString(text.c_str(), x, y, colour, boxWidth, align);
  }
  void AddShadowedString(const std::string& text, float x, float y, uint32_t colour, float boxWidth,
                         ALIGNTYPE align);
  void DrawString(const char* text, int x, int y, uint32_t colour, float boxWidth, ALIGNTYPE align);
  void DrawString(const std::string& text, int x, int y, uint32_t colour, float boxWidth, ALIGNTYPE align) {
    DrawString(text.c_str(), x, y, colour, boxWidth, align);
  }
  void DrawDropString(const char* text, int x, int y, uint32_t colour);
  // Queues the text wrapped at wrapWidth, left-aligned, one line every point size + leading.
  // Returns the y below the last line.
  float AddWrappedString(const char* text, float x, float y, float wrapWidth, uint32_t colour);
  float AddWrappedString(const std::string& text, float x, float y, float wrapWidth, uint32_t colour) {
    return AddWrappedString(text.c_str(), x, y, wrapWidth, colour);
  }
  void AddJustifiedString(const char* text, float x, float y, float lineWidth, uint32_t colour);

  int GetStringLength(const char* text);
  int GetStringLength(const std::string& text) { return GetStringLength(text.c_str()); }
  float GetCharacterWidth(char c) const;
  float GetWrappedHeight(const char* text, float wrapWidth);
  float GetMaxWrapWidth(const char* text, float wrapWidth);
  // Cuts the first line of at most pixelWidth pixels off text: text keeps the line, rest receives
  // the remainder (a buffer of kMaxWrapChars). Lines break after the last space that fits; a word
  // wider than the width is broken at the width.
  void TruncateText(int pixelWidth, char* text, char* rest);

  // Draws what is queued with the current font's texture; maxGlyphs -1 draws all. False when the
  // limit cut the batch short. The queue is empty afterwards.
  bool ProcessTextQueue(int maxGlyphs);
  void EndFrame();

  static int32_t CharIdTable[256];
  static int BitmapIDFromChar(char c);  // 0 when the table's entry lies outside 0..255

  // For tests and the chunk cache.
  int GetQueueCount() const { return m_queueCount; }
  const _D3DTLVERTEX* GetQueue() const { return m_queue.data(); }
  const GVertexBuffer& GetVertexBuffer() const { return m_vertexBuffer; }

 private:
  static void FillCharIdTable();
  float Scale() const;
  void LogOnce(const std::string& key, const std::string& text);

  std::vector<LibFont*> m_fonts;
  LibFont* m_currentFont = nullptr;
  std::array<_D3DTLVERTEX, kQueueVertices> m_queue{};
  int m_queueCount = 0;
  GVertexBuffer m_vertexBuffer;
  float m_pointSize = 12.0f;
  bool m_initialised = false;
  int m_previousGlyph = -1;
  LibTextChunkList* m_currentChunkList = nullptr;
};

// The one text engine.
LibTextEngine* GetTextEngine();
