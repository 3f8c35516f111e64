#pragma once
// A block of static window text, recorded once and then drawn every frame from a vertex buffer of
// its own. The owning window:
//
//   list.SetFont("anime14.dds", 14.0f);             // once, at construction
//   ...each frame:
//   GetTextEngine()->SetCurrentChunkList(&list);     // also selects the list's font
//   ...queue the window's strings as usual...
//   GetTextEngine()->SetCurrentChunkList(nullptr);
//   list.Draw();
//   ...and list.ClearChunks() whenever the window's text changes.
//
// Modes: 0 recording (strings are only recorded), 1 building (the chunks' glyphs go into the
// buffer), 2 cached (strings are dropped; the buffer is drawn). 0 -> 1 -> 2 over the first two
// Draw calls after a clear. The whole block is drawn with the list's font texture.
#include <string>
#include <vector>

#include "D3DTypes.h"
#include "GVertexBuffer.h"
#include "LibTextEngine.h"

class LibTextChunkList;

class LibTextChunk {
 public:
  LibTextChunk(const std::string& text, float x, float y, uint32_t colour, float boxWidth,
               LibTextEngine::ALIGNTYPE align, float size, const std::string& fontName);
  virtual ~LibTextChunk();
  LibTextChunk(const LibTextChunk&) = delete;
  LibTextChunk& operator=(const LibTextChunk&) = delete;

  void Draw(LibTextChunkList* list);

  // The chunk whose cache the text engine is filling; null otherwise.
  static LibTextChunk* PVertexCache;

  // The engine lays glyphs into the cache through these while PVertexCache is set.
  int GetVertexCount() const { return m_vertexCount; }
  int GetCapacity() const { return m_capacity; }
  _D3DTLVERTEX* GetVertices() { return m_vertices; }
  void AddVertexCount(int n) { m_vertexCount += n; }
  const std::string& GetText() const { return m_text; }

 private:
  void QueueText();

  int m_vertexCount = 0;
  _D3DTLVERTEX* m_vertices = nullptr;
  int m_capacity = 0;
  std::string m_text;
  float m_x = 0.0f;
  float m_y = 0.0f;
  uint32_t m_colour = 0;
  float m_boxWidth = 0.0f;
  LibTextEngine::ALIGNTYPE m_align = LibTextEngine::ALIGN_LEFT;
  float m_size = 0.0f;
  std::string m_fontName;
};

class LibTextChunkList {
 public:
  LibTextChunkList();
  virtual ~LibTextChunkList();
  LibTextChunkList(const LibTextChunkList&) = delete;
  LibTextChunkList& operator=(const LibTextChunkList&) = delete;

  void SetFont(const char* name, float size);
  const std::string& GetFontName() const { return m_fontName; }
  float GetFontSize() const { return m_fontSize; }
  int GetMode() const { return m_mode; }
  int GetVertexCount() const { return m_vertexCount; }
  int GetChunkCount() const { return int(m_chunks.size()); }
  const GVertexBuffer& GetVertexBuffer() const { return m_vertexBuffer; }

  // Records a string; only in recording mode.
  void Add(const std::string& text, float x, float y, uint32_t colour, float boxWidth,
           LibTextEngine::ALIGNTYPE align, float size, const std::string& fontName);
  void Draw();
  bool Empty() const { return m_chunks.empty(); }
  void ClearChunks();
  static void RebuildAll();  // every list records again (after the display was recreated)

  // Appends vertices to the locked buffer. What would not fit is dropped and reported once.
  void AddVerts(const _D3DTLVERTEX* vertices, int n);
  void RenderVerts();

  static const std::vector<LibTextChunkList*>& GetAll();

 private:
  std::vector<LibTextChunk*> m_chunks;
  int m_mode = 0;
  GVertexBuffer m_vertexBuffer;
  int m_vertexCount = 0;
  std::string m_fontName;
  float m_fontSize = 0.0f;
};
