#pragma once
// The batching store for quads: the text engine, cached text blocks and particle emitters write
// their glyphs and particles here and draw them in one go.
//
// Per batch: Lock(), write vertices through the returned pointer (four per quad, top-left,
// top-right, bottom-left, bottom-right, colours in the vertex-buffer packing), Unlock(),
// SetIndexCount(quads * 6), bind the texture, Draw(). For unindexed triangles: Reset(), Lock(),
// write, Unlock(), DrawVerts(n).
#include <cstdint>
#include <vector>

#include "D3DTypes.h"

constexpr int MAXVERTS = 8000;
constexpr int MAXINDICES = MAXVERTS / 4 * 6;  // 12000

class GVertexBuffer {
 public:
  GVertexBuffer() = default;
  virtual ~GVertexBuffer();
  GVertexBuffer(const GVertexBuffer&) = delete;
  GVertexBuffer& operator=(const GVertexBuffer&) = delete;

  // vertsUsed must be 1..MAXVERTS (a fatal assertion otherwise). Registers the buffer in the list
  // that RebuildAll walks.
  void Initialise(int vertsUsed, bool quads);
  void Rebuild();
  static void RebuildAll();

  _D3DTLVERTEX* Lock();  // also kept as GetLockedVerts() until Unlock
  void Unlock();
  void Reset();          // zeroes the index count and the first vertsUsed indices
  void Draw();           // index count indices as independent triangles
  void DrawVerts(int count);  // the first count vertices in order as independent triangles
  int GetVertsUsed() const { return m_vertsUsed; }
  void Release();        // leaves the RebuildAll list

  _D3DTLVERTEX* GetLockedVerts() const { return m_lockedVerts; }
  // The store itself, readable without a lock (tests, the headless recorder).
  const _D3DTLVERTEX* GetVertices() const;
  void SetIndexCount(uint16_t count) { m_indexCount = count; }
  uint16_t GetIndexCount() const { return m_indexCount; }
  const uint16_t* GetIndices() const { return m_indices; }
  bool IsQuads() const { return m_quads; }

  static const std::vector<GVertexBuffer*>& GetAll();

 private:
  _D3DTLVERTEX* m_lockedVerts = nullptr;
  uint16_t m_indexCount = 0;
  uint16_t m_indices[MAXINDICES] = {};
  IDirect3DVertexBuffer8* m_store = nullptr;
  int m_vertsUsed = 0;
  bool m_quads = false;
  bool m_registered = false;
};
