#include "LibTextEngine.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "D3DEngine.h"
#include "GDebug.h"
#include "LibTextChunkList.h"

int32_t LibTextEngine::CharIdTable[256];

namespace {

// An engine invariant (a null argument): a broken one stops the program.
void TextFatal(bool condition, const char* text, int line) {
  if (condition) return;
  std::string message = GFormat("libsrc/LibTextEngine:%d: Assertion `%s' failed.", line, text);
  GetDebug()->DebugOut(message.c_str());
  std::fprintf(stderr, "%s\n", message.c_str());
  std::abort();
}

struct FontRow {
  const char* texture;
  int nativeSize;
  int cellSize;
  int rows;
  int columns;
  bool setSpacing;
  int spacing;
  bool setLeading;
  int leading;
};

// The game's fonts, in the order they are loaded.
const FontRow kFonts[] = {
    {"arial16.dds", 16, 24, 10, 10, true, 2, false, 0},
    {"arialbold16.dds", 16, 24, 10, 10, true, -1, false, 0},
    {"arialbold20.dds", 20, 24, 10, 10, true, 0, false, 0},
    {"segoeprintbold22.dds", 22, 24, 10, 10, false, 0, true, 4},
    {"segoeprintbold20.dds", 20, 24, 10, 10, false, 0, true, 3},
    {"calibriblackbold30.dds", 30, 40, 10, 10, false, 0, false, 0},
    {"courier_black_bold_20.dds", 20, 24, 10, 10, false, 0, false, 0},
    {"calibriblackbold16.dds", 16, 24, 10, 10, false, 0, false, 0},
    {"anime30.dds", 30, 40, 10, 10, false, 0, false, 0},
    {"anime16.dds", 16, 24, 10, 10, false, 0, true, 1},
    {"anime14.dds", 14, 24, 10, 10, false, 0, true, -1},
    {"calibriblackbold22.dds", 22, 24, 10, 10, false, 0, false, 0},
    {"calibriblackbold24.dds", 24, 24, 10, 10, false, 0, false, 0},
    {"calibriblackbold28.dds", 28, 28, 6, 18, false, 0, false, 0},
    {"georgiablackbold30.dds", 30, 40, 10, 10, false, 0, false, 0},
};

struct KerningPair {
  char first;
  char second;
  float adjustment;
};
const KerningPair kKerning[] = {{'f', 'o', -1.0f}, {'f', 'e', -1.0f}, {'f', 'a', -1.0f},
                                {'f', 'f', -2.0f}, {'f', 'u', -1.0f}, {'o', 'w', -1.0f}};

// Soft hyphens show as apostrophes.
inline unsigned char Shown(unsigned char c) { return c == 0xAD ? '\'' : c; }

}  // namespace

LibTextEngine* GetTextEngine() {
  // Never destroyed: windows that outlive static destruction may still ask for it.
  static LibTextEngine* engine = new LibTextEngine;
  return engine;
}

LibTextEngine::LibTextEngine() { FillCharIdTable(); }

LibTextEngine::~LibTextEngine() { Release(); }

void LibTextEngine::FillCharIdTable() {
  for (int c = 0; c < 256; ++c) CharIdTable[c] = c - 33;
  CharIdTable[static_cast<unsigned char>('%')] = 93;
  CharIdTable[0xA3] = 92;
  CharIdTable[0x84] = 94;
}

int LibTextEngine::BitmapIDFromChar(char c) {
  const int32_t id = CharIdTable[static_cast<unsigned char>(c)];
  return (id < 0 || id > 255) ? 0 : id;
}

void LibTextEngine::LogOnce(const std::string& key, const std::string& text) {
  if (GFirstSighting("text engine:" + key)) GetDebug()->DebugOut(text.c_str());
}

void LibTextEngine::Initialise() {
  for (LibFont* f : m_fonts) delete f;
  m_fonts.clear();
  m_currentFont = nullptr;
  m_pointSize = 12.0f;
  for (_D3DTLVERTEX& v : m_queue) v = _D3DTLVERTEX();
  m_vertexBuffer.Initialise(kQueueVertices, true);
  FillCharIdTable();
  EndFrame();
  m_initialised = true;
}

void LibTextEngine::LoadFonts() {
  Initialise();
  for (const FontRow& row : kFonts) {
    const std::string widths = std::string("data/fonts/") + row.texture + ".dat";
    LibFont* font = AddFont(widths.c_str(), row.texture, row.nativeSize, row.cellSize, row.rows, row.columns);
    if (row.setSpacing) font->SetSpacing(row.spacing);
    if (row.setLeading) font->SetLeading(row.leading);
  }
}

LibFont* LibTextEngine::AddFont(const char* widthFile, const char* texture, int nativeSize, int cellSize, int rows,
                                int columns) {
  TextFatal(widthFile != nullptr, "widthdata", __LINE__);
  TextFatal(texture != nullptr, "texture", __LINE__);
  LibFont* font = new LibFont;
  font->Initialise(widthFile, texture, nativeSize, cellSize, rows, columns);
  for (const KerningPair& k : kKerning) font->AddKerning(k.first, k.second, k.adjustment);
  m_fonts.push_back(font);
  return font;
}

void LibTextEngine::Release() {
  for (LibFont* f : m_fonts) delete f;
  m_fonts.clear();
  m_currentFont = nullptr;
  m_queueCount = 0;
  m_vertexBuffer.Release();
}

LibFont* LibTextEngine::FindFont(const char* name) const {
  if (!name) return nullptr;
  for (LibFont* f : m_fonts) {
    if (std::strcmp(f->GetName(), name) == 0) return f;
  }
  return nullptr;
}

void LibTextEngine::SetCurrentFont(const char* name) {
  LibFont* font = FindFont(name);
  if (!font) {
    const std::string shown = std::string(name ? name : "").substr(0, 128);
    LogOnce("missing font:" + shown, "missing font: " + shown);
    return;
  }
  // One batch has one texture: what is queued in the old font is drawn first.
  if (font != m_currentFont && m_queueCount > 0) ProcessTextQueue(-1);
  m_currentFont = font;
}

void LibTextEngine::SetCurrentFont(const char* name, float size) {
  if (m_currentFont && name && std::strcmp(m_currentFont->GetName(), name) == 0 && m_pointSize == size) return;
  SetCurrentFont(name);
  m_pointSize = size;
}

void LibTextEngine::SetFontTexture() {
  if (m_currentFont) m_currentFont->GetTexture().Set();
}

void LibTextEngine::SetCurrentChunkList(LibTextChunkList* list) {
  if (m_currentChunkList && list) GetDebug()->DebugOut("Failed to empty last chunk list");
  m_currentChunkList = list;
  if (list && !list->GetFontName().empty()) SetCurrentFont(list->GetFontName(), list->GetFontSize());
}

float LibTextEngine::Scale() const {
  if (!m_currentFont || m_currentFont->GetNativeSize() <= 0) return 1.0f;
  return m_pointSize / float(m_currentFont->GetNativeSize());
}

float LibTextEngine::GetCharacterWidth(char c) const {
  if (c == ' ' || c == 0) return m_pointSize * 0.25f;
  if (!m_currentFont) return 0.0f;
  const float scale = Scale();
  // Measured as drawn: a soft hyphen is drawn as an apostrophe.
  const int cell = BitmapIDFromChar(static_cast<char>(Shown(static_cast<unsigned char>(c))));
  return float(m_currentFont->GetWidth(cell)) * scale + float(m_currentFont->GetSpacing()) * scale;
}

int LibTextEngine::GetStringLength(const char* text) {
  if (!m_initialised) {
    LogOnce("Text Not Initialised", "Text Not Initialised");
    return 0;
  }
  if (!text) return 0;
  float length = 0.0f;
  for (const char* p = text; *p; ++p) length += GetCharacterWidth(*p);
  return int(length);
}

void LibTextEngine::AddQueueString(const char* text, float x, float y, uint32_t colour, float boxWidth,
                                   ALIGNTYPE align) {
  TextFatal(text != nullptr, "buffer", __LINE__);
  if (!m_initialised) {
    LogOnce("TextNotInitialised", "TextNotInitialised");
    return;
  }
  if (m_currentChunkList) {
    const int mode = m_currentChunkList->GetMode();
    if (mode == 0) {
      if (!m_currentFont) {
        LogOnce("chunk without font", "A text block was recorded without a font; its text is dropped");
        return;
      }
      m_currentChunkList->Add(text, x, y, colour, boxWidth, align, m_pointSize, m_currentFont->GetName());
      return;
    }
    if (mode == 2) return;
  }
  if (!m_currentFont) {
    LogOnce("no current font", "Text queued before any font was chosen; it is dropped");
    return;
  }

  LibTextChunk* cache = LibTextChunk::PVertexCache;
  const int length = int(std::strlen(text));
  if (!cache && m_queueCount + 4 * length > kQueueVertices) ProcessTextQueue(-1);

  int startX = 0;
  switch (align) {
    case ALIGN_LEFT:
      startX = int(x);
      break;
    case ALIGN_RIGHT:
      startX = int(x + boxWidth - float(GetStringLength(text)));
      break;
    case ALIGN_CENTER:
      startX = int(x + boxWidth / 2.0f - float(GetStringLength(text) / 2));
      break;
  }
  float penX = float(startX);
  const int penY = int(y);
  m_previousGlyph = -1;

  _D3DTLVERTEX* out = cache ? cache->GetVertices() : m_queue.data();
  int count = cache ? cache->GetVertexCount() : m_queueCount;
  // The frame queue keeps 1999 glyphs at most; a cache holds four vertices for each byte.
  const int limit = cache ? cache->GetCapacity() - 4 : kQueueVertices - 5;
  const float scale = Scale();
  const float side = scale * float(m_currentFont->GetCellSize());
  const float spacing = float(m_currentFont->GetSpacing()) * scale;

  for (const char* p = text; *p; ++p) {
    if (count > limit) {
      LogOnce("ERROR - Text exceeds max characters:" + std::string(text).substr(0, 64),
              "ERROR - Text exceeds max characters");
      break;
    }
    const unsigned char byte = static_cast<unsigned char>(*p);
    if (byte == '\t') {
      penX = float(int(penX / 80.0f) * 80 + 80);
      m_previousGlyph = -1;
      continue;
    }
    if (byte == ' ') {
      penX += float(int(0.25f * m_pointSize));
      m_previousGlyph = -1;
      continue;
    }
    const int cell = BitmapIDFromChar(static_cast<char>(Shown(byte)));
    if (m_previousGlyph != -1) penX += scale * m_currentFont->GetKerning(m_previousGlyph, cell);
    const float* u = m_currentFont->GetU(cell);
    const float* v = m_currentFont->GetV(cell);
    const float left = penX - 0.5f;
    const float top = float(penY) - 0.5f;
    out[count + 0] = _D3DTLVERTEX(left, top, 0.0f, 1.0f, colour, colour, u[0], v[0]);
    out[count + 1] = _D3DTLVERTEX(left + side, top, 0.0f, 1.0f, colour, colour, u[1], v[1]);
    out[count + 2] = _D3DTLVERTEX(left, top + side, 0.0f, 1.0f, colour, colour, u[2], v[2]);
    out[count + 3] = _D3DTLVERTEX(left + side, top + side, 0.0f, 1.0f, colour, colour, u[3], v[3]);
    count += 4;
    if (cache) cache->AddVertexCount(4);
    penX += float(m_currentFont->GetWidth(cell)) * scale + spacing;
    m_previousGlyph = cell;
  }
  if (cache) return;
  m_queueCount = count;
  if (D3DEngine::IsRecording()) {
    GetD3DEngine()->NoteText(text, float(startX), float(penY), penX, float(penY) + m_pointSize, colour,
                             m_currentFont->GetName());
  }
}

void LibTextEngine::AddShadowedString(const std::string& text, float x, float y, uint32_t colour, float boxWidth,
                                      ALIGNTYPE align) {
  AddQueueString(text.c_str(), x + 1.0f, y + 1.0f, 0xFF000000u, boxWidth, align);
  AddQueueString(text.c_str(), x, y, colour, boxWidth, align);
}

void LibTextEngine::DrawString(const char* text, int x, int y, uint32_t colour, float boxWidth, ALIGNTYPE align) {
  if (!m_initialised) {
    LogOnce("Text Not Initialised", "Text Not Initialised");
    return;
  }
  AddQueueString(text, float(x), float(y), colour, boxWidth, align);
  ProcessTextQueue(-1);
}

void LibTextEngine::DrawDropString(const char* text, int x, int y, uint32_t colour) {
  if (!m_initialised) {
    LogOnce("TextNotInitialised", "TextNotInitialised");
    return;
  }
  AddQueueString(text, float(x + 1), float(y + 1), 0xFF080808u, 0.0f, ALIGN_LEFT);
  AddQueueString(text, float(x), float(y), colour, 0.0f, ALIGN_LEFT);
  ProcessTextQueue(-1);
}

void LibTextEngine::TruncateText(int pixelWidth, char* text, char* rest) {
  TextFatal(text != nullptr && rest != nullptr, "text && rest", __LINE__);
  size_t length = std::strlen(text);
  if (length >= size_t(kMaxWrapChars)) {
    LogOnce("strlen(input) < 2048", "Text too long to wrap (max 2047 characters); the rest is cut");
    length = kMaxWrapChars - 1;
    text[length] = 0;
  }
  // The prefix is measured as GetStringLength would measure it, adding one byte at a time.
  float measured = 0.0f;
  int lastSpace = -1;
  for (size_t i = 0; i < length; ++i) {
    if (text[i] == ' ') lastSpace = int(i);
    measured += GetCharacterWidth(text[i]);
    if (int(measured) < pixelWidth) continue;
    if (lastSpace >= 0) {
      // Break after the last space; the space itself is dropped.
      std::memmove(rest, text + lastSpace + 1, length - size_t(lastSpace));
      text[lastSpace] = 0;
    } else {
      // One word wider than the line: break it at the width, keeping at least one byte.
      const size_t cut = std::max<size_t>(i, 1);
      std::memmove(rest, text + cut, length - cut + 1);
      text[cut] = 0;
    }
    return;
  }
  rest[0] = 0;
}

float LibTextEngine::AddWrappedString(const char* text, float x, float y, float wrapWidth, uint32_t colour) {
  TextFatal(text != nullptr, "text", __LINE__);
  if (std::strlen(text) >= size_t(kMaxWrapChars)) {
    GetDebug()->DebugOut("Text too long in one chunk (max 2048)");
    return y;
  }
  char line[kMaxWrapChars];
  char rest[kMaxWrapChars];
  std::strcpy(rest, text);
  const float advance = m_pointSize + float(m_currentFont ? m_currentFont->GetLeading() : 0);
  while (rest[0]) {
    std::strcpy(line, rest);
    TruncateText(int(wrapWidth), line, rest);
    AddQueueString(line, x, y, colour, wrapWidth, ALIGN_LEFT);
    y += advance;
  }
  return y;
}

float LibTextEngine::GetWrappedHeight(const char* text, float wrapWidth) {
  if (!text || std::strlen(text) >= size_t(kMaxWrapChars)) return 0.0f;
  char line[kMaxWrapChars];
  char rest[kMaxWrapChars];
  std::strcpy(rest, text);
  const float advance = m_pointSize + float(m_currentFont ? m_currentFont->GetLeading() : 0);
  float height = 0.0f;
  while (rest[0]) {
    std::strcpy(line, rest);
    TruncateText(int(wrapWidth), line, rest);
    height += advance;
  }
  return height;
}

float LibTextEngine::GetMaxWrapWidth(const char* text, float wrapWidth) {
  if (!text || std::strlen(text) >= size_t(kMaxWrapChars)) return -1.0f;
  char line[kMaxWrapChars];
  char rest[kMaxWrapChars];
  std::strcpy(rest, text);
  float widest = -1.0f;
  while (rest[0]) {
    std::strcpy(line, rest);
    TruncateText(int(wrapWidth), line, rest);
    widest = std::max(widest, float(GetStringLength(line)));
  }
  return widest;
}

void LibTextEngine::AddJustifiedString(const char* text, float x, float y, float lineWidth, uint32_t colour) {
  TextFatal(text != nullptr, "text", __LINE__);
  if (lineWidth < 0.0f) {
    LogOnce("wraplength >= 0", "Justified text with a negative width; nothing drawn");
    return;
  }
  const size_t length = std::strlen(text);
  if (length >= size_t(kMaxJustifyChars)) {
    LogOnce("strlen(text) < MAXCHARS", "Justified text too long (max 1999 characters); nothing drawn");
    return;
  }
  int spaces = 0;
  for (const char* p = text; *p; ++p) spaces += (*p == ' ');
  size_t begin = 0;
  size_t end = length;
  while (begin < end && text[begin] == ' ') ++begin;
  while (end > begin && text[end - 1] == ' ') --end;
  const std::string trimmed(text + begin, end - begin);
  const float normal = float(GetStringLength(trimmed.c_str()));
  if (normal > lineWidth) {
    // Too long to justify: shown as it is rather than squeezed.
    LogOnce("normallength <= wraplength", "Justified text wider than its line");
    AddQueueString(trimmed.c_str(), x, y, colour, 0.0f, ALIGN_LEFT);
    return;
  }
  const float spaceWidth = GetCharacterWidth(' ');
  if (spaces == 0 || spaceWidth <= 0.0f) {
    AddQueueString(trimmed.c_str(), x, y, colour, 0.0f, ALIGN_LEFT);
    return;
  }
  const float gap = (float(spaces) * spaceWidth + lineWidth - normal) / float(spaces);
  if (gap / spaceWidth > 2.0f) {
    AddQueueString(trimmed.c_str(), x, y, colour, 0.0f, ALIGN_LEFT);
    return;
  }
  float pen = x;
  size_t start = 0;
  while (start <= trimmed.size()) {
    size_t next = trimmed.find(' ', start);
    if (next == std::string::npos) next = trimmed.size();
    const std::string word = trimmed.substr(start, next - start);
    AddQueueString(word.c_str(), pen, y, colour, 0.0f, ALIGN_LEFT);
    pen += float(GetStringLength(word.c_str())) + gap;
    start = next + 1;
  }
}

bool LibTextEngine::ProcessTextQueue(int maxGlyphs) {
  if (!m_initialised) {
    LogOnce("TextNotInitialised", "TextNotInitialised");
    return true;
  }
  if (m_queueCount == 0) return true;
  SetFontTexture();
  if (_D3DTLVERTEX* verts = m_vertexBuffer.Lock()) {
    std::copy(m_queue.begin(), m_queue.begin() + m_queueCount, verts);
  }
  m_vertexBuffer.Unlock();
  int glyphs = m_queueCount / 4;
  bool all = true;
  if (maxGlyphs != -1 && glyphs > maxGlyphs) {
    glyphs = std::max(0, maxGlyphs);
    all = false;
  }
  m_vertexBuffer.SetIndexCount(uint16_t(glyphs * 6));
  m_vertexBuffer.Draw();
  m_queueCount = 0;
  return all;
}

void LibTextEngine::EndFrame() {
  m_queueCount = 0;
  m_previousGlyph = -1;
}
