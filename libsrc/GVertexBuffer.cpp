#include "GVertexBuffer.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "D3DEngine.h"
#include "GDebug.h"

namespace {

// The list lives on the heap and is never freed, so buffers owned by objects that outlive static
// destruction can still leave it safely.
std::vector<GVertexBuffer*>& AllVBs() {
  static auto* list = new std::vector<GVertexBuffer*>();
  return *list;
}

// An engine invariant: a broken one stops the program, with or without NDEBUG.
void FatalCheck(bool condition, const char* text, int line) {
  if (condition) return;
  std::string message = GFormat("libsrc/GVertexBuffer:%d: Assertion `%s' failed.", line, text);
  GetDebug()->DebugOut(message.c_str());
  std::fprintf(stderr, "%s\n", message.c_str());
  std::abort();
}

}  // namespace

IDirect3DVertexBuffer8::IDirect3DVertexBuffer8(int vertices, uint32_t formatCode)
    : m_vertices(new _D3DTLVERTEX[vertices > 0 ? vertices : 1]), m_length(vertices), m_format(formatCode) {}

IDirect3DVertexBuffer8::~IDirect3DVertexBuffer8() { Release(); }

long IDirect3DVertexBuffer8::Lock(unsigned offset, unsigned, _D3DTLVERTEX** data, unsigned) {
  *data = m_vertices ? m_vertices + offset : nullptr;
  return 0;
}

long IDirect3DVertexBuffer8::Release() {
  delete[] m_vertices;
  m_vertices = nullptr;
  m_length = 0;
  return 0;
}

GVertexBuffer::~GVertexBuffer() {
  delete m_store;
  m_store = nullptr;
  Release();
}

void GVertexBuffer::Initialise(int vertsUsed, bool quads) {
  FatalCheck(vertsUsed > 0 && vertsUsed <= MAXVERTS, "vertsused > 0 && vertsused <= MAXVERTS", 42);
  m_vertsUsed = vertsUsed;
  m_quads = quads;
  Rebuild();
  if (!m_registered) {
    AllVBs().push_back(this);
    m_registered = true;
  }
  FatalCheck(m_store != nullptr, "VertexBuffer", 47);
}

void GVertexBuffer::Rebuild() {
  FatalCheck(m_vertsUsed > 0 && m_vertsUsed <= MAXVERTS, "VertsUsed > 0 && VertsUsed <= MAXVERTS", 61);
  delete m_store;
  m_store = nullptr;
  GetD3DEngine()->InitVertexBuffer(m_vertsUsed, &m_store, D3DFVF_TLVERTEX);
  m_lockedVerts = nullptr;
  m_indexCount = 0;
  std::fill(std::begin(m_indices), std::end(m_indices), uint16_t(0));
  if (m_quads) {
    // Two triangles per quad over vertices top-left, top-right, bottom-left, bottom-right.
    for (int q = 0; q < m_vertsUsed / 4; ++q) {
      uint16_t* out = &m_indices[q * 6];
      const uint16_t base = uint16_t(q * 4);
      out[0] = base;
      out[1] = uint16_t(base + 1);
      out[2] = uint16_t(base + 2);
      out[3] = uint16_t(base + 2);
      out[4] = uint16_t(base + 1);
      out[5] = uint16_t(base + 3);
    }
  }
}

void GVertexBuffer::RebuildAll() {
  for (GVertexBuffer* vb : AllVBs()) vb->Rebuild();
}

_D3DTLVERTEX* GVertexBuffer::Lock() {
  if (!m_store) return nullptr;
  long result = m_store->Lock(0, 0, &m_lockedVerts, 0);
  if (result != 0) {
    GetDebug()->DebugOut("Vertex buffer lock failed");
    GetD3DEngine()->D3DEngineError(result, "Error locking VB");
    Unlock();
  }
  return m_lockedVerts;
}

void GVertexBuffer::Unlock() {
  if (m_store) m_store->Unlock();
  m_lockedVerts = nullptr;
}

void GVertexBuffer::Reset() {
  m_indexCount = 0;
  std::fill(m_indices, m_indices + std::min(m_vertsUsed, MAXINDICES), uint16_t(0));
}

const _D3DTLVERTEX* GVertexBuffer::GetVertices() const { return m_store ? m_store->GetVertices() : nullptr; }

void GVertexBuffer::Draw() {
  if (!m_store || m_indexCount == 0) return;
  // The index count is the owner's promise; never walk past the list or the store.
  int count = std::min<int>(m_indexCount, MAXINDICES);
  count -= count % 3;
  for (int i = 0; i < count; ++i) {
    if (m_indices[i] >= m_vertsUsed) {
      GWarnOnce("GVertexBuffer index", "GVertexBuffer::Draw: index beyond the store, batch skipped", __FILE__,
                __LINE__);
      return;
    }
  }
  GetD3DEngine()->DrawTriangles(m_store->GetVertices(), m_indices, count);
}

void GVertexBuffer::DrawVerts(int count) {
  if (!m_store || count <= 0) return;
  count = std::min(count, m_vertsUsed);
  count -= count % 3;
  GetD3DEngine()->DrawTriangles(m_store->GetVertices(), nullptr, count);
}

void GVertexBuffer::Release() {
  if (!m_registered) return;
  auto& list = AllVBs();
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  m_registered = false;
}

const std::vector<GVertexBuffer*>& GVertexBuffer::GetAll() { return AllVBs(); }
