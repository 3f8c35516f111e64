#include "LibTextChunkList.h"

#include <algorithm>
#include <cstring>

#include "D3DEngine.h"
#include "GDebug.h"

LibTextChunk* LibTextChunk::PVertexCache = nullptr;

namespace {
// Never freed: lists owned by objects destroyed late at exit can still leave it.
std::vector<LibTextChunkList*>& AllLists() {
  static auto* list = new std::vector<LibTextChunkList*>();
  return *list;
}
}  // namespace

LibTextChunk::LibTextChunk(const std::string& text, float x, float y, uint32_t colour, float boxWidth,
                           LibTextEngine::ALIGNTYPE align, float size, const std::string& fontName)
    : m_text(text), m_x(x), m_y(y), m_colour(colour), m_boxWidth(boxWidth), m_align(align), m_size(size),
      m_fontName(fontName) {}

LibTextChunk::~LibTextChunk() {
  if (PVertexCache == this) PVertexCache = nullptr;
  delete[] m_vertices;
}

void LibTextChunk::QueueText() {
  LibTextEngine* engine = GetTextEngine();
  engine->SetCurrentFont(m_fontName, m_size);
  engine->AddQueueString(m_text.c_str(), m_x, m_y, m_colour, m_boxWidth, m_align);
}

void LibTextChunk::Draw(LibTextChunkList* list) {
  switch (list->GetMode()) {
    case 0: {
      // Lay the glyphs out once into the cache, then show them through the frame queue as well.
      delete[] m_vertices;
      m_capacity = int(m_text.size()) * 4;
      m_vertices = new _D3DTLVERTEX[std::max(m_capacity, 1)];
      m_vertexCount = 0;
      PVertexCache = this;
      QueueText();
      PVertexCache = nullptr;
      QueueText();
      break;
    }
    case 1:
      list->AddVerts(m_vertices, m_vertexCount);
      QueueText();
      break;
    default:
      break;
  }
}

LibTextChunkList::LibTextChunkList() {
  m_vertexBuffer.Initialise(MAXVERTS, true);
  AllLists().push_back(this);
}

LibTextChunkList::~LibTextChunkList() {
  ClearChunks();
  if (GetTextEngine()->GetCurrentChunkList() == this) GetTextEngine()->SetCurrentChunkList(nullptr);
  auto& all = AllLists();
  all.erase(std::remove(all.begin(), all.end(), this), all.end());
}

const std::vector<LibTextChunkList*>& LibTextChunkList::GetAll() { return AllLists(); }

void LibTextChunkList::SetFont(const char* name, float size) {
  m_fontName = name ? name : "";
  m_fontSize = size;
}

void LibTextChunkList::Add(const std::string& text, float x, float y, uint32_t colour, float boxWidth,
                           LibTextEngine::ALIGNTYPE align, float size, const std::string& fontName) {
  if (m_mode != 0) return;
  m_chunks.push_back(new LibTextChunk(text, x, y, colour, boxWidth, align, size, fontName));
}

void LibTextChunkList::Draw() {
  // Drawn while still current, the block would record its own chunks again while walking them.
  if (GetTextEngine()->GetCurrentChunkList() == this) GetTextEngine()->SetCurrentChunkList(nullptr);
  if (m_mode == 0) {
    for (LibTextChunk* chunk : m_chunks) chunk->Draw(this);
    m_mode = 1;
  } else if (m_mode == 1) {
    m_vertexCount = 0;
    m_vertexBuffer.Lock();
    for (LibTextChunk* chunk : m_chunks) chunk->Draw(this);
    m_vertexBuffer.Unlock();
    m_mode = 2;
  }
  if (m_mode == 2) RenderVerts();
}

void LibTextChunkList::ClearChunks() {
  for (LibTextChunk* chunk : m_chunks) delete chunk;
  m_chunks.clear();
  m_mode = 0;
  m_vertexCount = 0;
}

void LibTextChunkList::RebuildAll() {
  for (LibTextChunkList* list : AllLists()) list->ClearChunks();
}

void LibTextChunkList::AddVerts(const _D3DTLVERTEX* vertices, int n) {
  _D3DTLVERTEX* target = m_vertexBuffer.GetLockedVerts();
  if (!target || !vertices || n <= 0) return;
  // A block of more text than the buffer holds shows what fits.
  if (m_vertexCount + n >= m_vertexBuffer.GetVertsUsed()) {
    GWarnOnce("textchunk full", "A cached text block exceeds its buffer; the rest is not drawn",
              "libsrc/LibTextChunkList", __LINE__);
    n = std::max(0, (m_vertexBuffer.GetVertsUsed() - 1 - m_vertexCount) / 4 * 4);
    if (n == 0) return;
  }
  std::copy(vertices, vertices + n, target + m_vertexCount);
  m_vertexCount += n;
}

void LibTextChunkList::RenderVerts() {
  if (m_vertexCount <= 0) return;
  LibTextEngine* engine = GetTextEngine();
  engine->SetCurrentFont(m_fontName, m_fontSize);
  engine->SetFontTexture();
  m_vertexBuffer.SetIndexCount(uint16_t(m_vertexCount / 2 * 3));
  m_vertexBuffer.Draw();
}
