#include "GDIText.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <GL/gl.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "Cp1252.h"
#include "D3DEngine.h"
#include "GDebug.h"

namespace {

uint32_t UnicodeOf(int byte) {
  if (byte < 32) return 0;
  return Cp1252ToUnicode(byte);
}

struct State {
  std::vector<GDIFontRecord*> fonts;
  GDIFontRecord* current = nullptr;
  int r = 255, g = 255, b = 255;
  std::vector<GDITextChunk*> chunks;
  std::vector<GDITextChunk*> statics;
  std::string chunkFont = "Arial";
  int chunkSize = 12;
  int limit = -1;
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  bool faceTried = false;
};

State& S() {
  // Never destroyed: the display lists belong to a context that may already be gone at exit.
  static State* state = new State;
  return *state;
}

// The one face every system-font name is drawn with.
FT_Face Face() {
  State& s = S();
  if (s.faceTried) return s.face;
  s.faceTried = true;
  const char* candidates[] = {std::getenv("VORLA2_SYSTEM_FONT"), "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
                              "/usr/share/fonts/dejavu/DejaVuSans.ttf"};
  if (FT_Init_FreeType(&s.library) != 0) {
    s.library = nullptr;
  } else {
    for (const char* path : candidates) {
      if (path && path[0] && FT_New_Face(s.library, path, 0, &s.face) == 0) break;
      s.face = nullptr;
    }
  }
  if (!s.face) GWarnOnce("gditext face", "System-font text: DejaVu Sans not found; nothing is drawn",
                         "libsrc/GDIText", __LINE__);
  return s.face;
}

bool UseGL() { return !IsHeadless(); }

// Measures the font and, with a drawing context, builds its 256 display lists.
void BuildRecord(GDIFontRecord* rec) {
  FT_Face face = Face();
  if (!face || FT_Set_Pixel_Sizes(face, 0, FT_UInt(std::max(1, rec->platformSize))) != 0) return;
  rec->ascent = int(std::ceil(face->size->metrics.ascender / 64.0));
  rec->descentLeading = int(std::ceil((face->size->metrics.height - face->size->metrics.ascender) / 64.0));
  const bool gl = UseGL();
  if (gl) {
    // New lists may take the numbers of deleted ones that an earlier frame drew.
    GetD3DEngine()->RedrawNextFrame();
    rec->listBase = glGenLists(256);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  }
  std::vector<uint8_t> bits;
  for (int byte = 0; byte < 256; ++byte) {
    const uint32_t code = UnicodeOf(byte);
    const FT_UInt index = code ? FT_Get_Char_Index(face, code) : 0;
    bool loaded = index != 0 && FT_Load_Glyph(face, index, FT_LOAD_TARGET_MONO) == 0 &&
                  FT_Render_Glyph(face->glyph, FT_RENDER_MODE_MONO) == 0;
    const int advance = loaded ? int(std::lround(face->glyph->advance.x / 64.0)) : 0;
    rec->widths[byte] = uint8_t(std::clamp(advance, 0, 255));
    if (!gl || rec->listBase == 0) continue;
    glNewList(rec->listBase + unsigned(byte), GL_COMPILE);
    if (loaded) {
      const FT_Bitmap& bm = face->glyph->bitmap;
      const int rowBytes = int(bm.width + 7) / 8;
      bits.assign(size_t(rowBytes) * bm.rows + 1, 0);
      // OpenGL bitmaps run bottom row first.
      for (unsigned row = 0; row < bm.rows; ++row) {
        const uint8_t* src = bm.buffer + ptrdiff_t(row) * bm.pitch;
        std::memcpy(&bits[size_t(bm.rows - 1 - row) * rowBytes], src, size_t(rowBytes));
      }
      glBitmap(GLsizei(bm.width), GLsizei(bm.rows), GLfloat(-face->glyph->bitmap_left),
               GLfloat(int(bm.rows) - face->glyph->bitmap_top), GLfloat(rec->widths[byte]), 0.0f, bits.data());
    } else {
      glBitmap(0, 0, 0.0f, 0.0f, GLfloat(rec->widths[byte]), 0.0f, nullptr);
    }
    glEndList();
  }
}

// Width of the word that starts at p (up to the next space or the end).
float WordWidth(const GDIFontRecord* f, const unsigned char* p) {
  float w = 0.0f;
  for (; *p && *p != ' '; ++p) w += f->widths[*p];
  return w;
}

// The wrapping walk shared by drawing and measuring; returns the number of lines. Drawing, each
// line goes to the renderer as one run of the font's display lists, in the colour given.
int Walk(float x, float y, const char* text, float wrapWidth, bool draw, float* lastPenY, int r = 255, int g = 255,
         int b = 255) {
  const GDIFontRecord* f = S().current;
  const int lineStep = f ? f->ascent + f->descentLeading + 2 : 0;
  float penY = y + float(f ? f->ascent : 0);
  *lastPenY = penY;
  if (!f || !text) return 0;
  if (wrapWidth == 0.0f) wrapWidth = D3DEngine::W - x;
  const bool gl = draw && UseGL() && f->listBase != 0;
  float lineWidth = 0.0f;
  int lines = 1;
  const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
  const unsigned char* run = p;
  float runY = penY;
  while (*p) {
    lineWidth += f->widths[*p];
    if (*p == ' ' && lineWidth + WordWidth(f, p + 1) >= wrapWidth) {
      // The space that breaks the line is still drawn at its end.
      if (gl) GetD3DEngine()->DrawBitmapRun(f->listBase, x, runY, run, size_t(p + 1 - run), r, g, b);
      lineWidth = 0.0f;
      penY += float(lineStep);
      ++lines;
      if (p[1] == ' ') ++p;  // a second space after the break
      run = p + 1;
      runY = penY;
    }
    ++p;
  }
  if (gl) GetD3DEngine()->DrawBitmapRun(f->listBase, x, runY, run, size_t(p - run), r, g, b);
  *lastPenY = penY;
  return lines;
}

GDITextChunk* MakeChunk(float x, float y, const std::string& text, const char* font, int size, float boxWidth,
                        GTEXTALIGN align, int r, int g, int b, bool italic) {
  auto* c = new GDITextChunk;
  c->text = text;
  c->x = x;
  c->y = y;
  c->boxWidth = boxWidth;
  c->font = font ? font : "";
  c->size = size;
  c->italic = italic;
  c->align = align;
  c->r = r;
  c->g = g;
  c->b = b;
  return c;
}

}  // namespace

void GDIText::SetFont(const char* name, int size, bool flag) {
  State& s = S();
  const char* n = name ? name : "";
  if (s.current && s.current->size == size && s.current->flag == flag && std::strcmp(s.current->name, n) == 0) {
    return;
  }
  for (GDIFontRecord* f : s.fonts) {
    if (f->size == size && f->flag == flag && std::strcmp(f->name, n) == 0) {
      s.current = f;
      return;
    }
  }
  auto* rec = new GDIFontRecord;
  std::snprintf(rec->name, sizeof rec->name, "%s", n);
  rec->size = size;
  rec->flag = flag;
  rec->platformSize = size < 18 ? size - 2 : size - 4;
  rec->fontNumber = 0;  // every name is drawn with the one face
  BuildRecord(rec);
  s.fonts.push_back(rec);
  s.current = rec;
}

void GDIText::SetChunkFont(const std::string& name, int size) {
  S().chunkFont = name;
  S().chunkSize = size;
}

void GDIText::SetGDITextColor(int r, int g, int b) {
  S().r = r;
  S().g = g;
  S().b = b;
}

void GDIText::DeleteFonts() {
  State& s = S();
  if (!s.fonts.empty()) GetD3DEngine()->RedrawNextFrame();
  for (GDIFontRecord* f : s.fonts) {
    if (f->listBase != 0 && UseGL()) glDeleteLists(f->listBase, 256);
    delete f;
  }
  s.fonts.clear();
  s.current = nullptr;
}

float GDIText::GetStringWidth(const char* text) {
  const GDIFontRecord* f = S().current;
  if (!f || !text) return 0.0f;
  float w = 0.0f;
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) w += f->widths[*p];
  return w;
}

int GDIText::GetTextHeight(const char* text, float wrapWidth) {
  const GDIFontRecord* f = S().current;
  if (!f) return 0;
  float lastY = 0.0f;
  const int lines = Walk(0.0f, 0.0f, text, wrapWidth, false, &lastY);
  return (f->ascent + f->descentLeading + 2) * lines;
}

int GDIText::RenderText(float x, float y, const char* text, float wrapWidth) {
  State& s = S();
  if (UseGL()) GetD3DEngine()->SetTexture(0, 0);
  float lastY = y;
  Walk(x, y, text, wrapWidth, true, &lastY, s.r, s.g, s.b);
  if (D3DEngine::IsRecording() && text && s.current) {
    GetD3DEngine()->NoteText(text, x, y, x + GetStringWidth(text), lastY + float(s.current->descentLeading),
                             VBColor(s.r, s.g, s.b), s.current->name);
  }
  return int(lastY - y);
}

int GDIText::RenderDropText(float x, float y, const char* text, int r, int g, int b, float wrapWidth) {
  SetGDITextColor(0, 0, 0);
  const int height = RenderText(x + 2.0f, y + 2.0f, text, wrapWidth);
  SetGDITextColor(r, g, b);
  RenderText(x, y, text, wrapWidth);
  return height;
}

void GDIText::AddChunk(float x, float y, const std::string& text, const char* font, int size, float boxWidth,
                       GTEXTALIGN align, int r, int g, int b) {
  S().chunks.push_back(MakeChunk(x, y, text, font, size, boxWidth, align, r, g, b, false));
}

void GDIText::AddItalicChunk(float x, float y, const std::string& text, const char* font, int size,
                             float boxWidth, GTEXTALIGN align, int r, int g, int b) {
  S().chunks.push_back(MakeChunk(x, y, text, font, size, boxWidth, align, r, g, b, true));
}

GDITextChunk* GDIText::StaticAddChunk(float x, float y, const std::string& text, const char* font, int size,
                                      float boxWidth, GTEXTALIGN align, int r, int g, int b) {
  GDITextChunk* c = MakeChunk(x, y, text, font, size, boxWidth, align, r, g, b, false);
  S().statics.push_back(c);
  return c;
}

GDITextChunk* GDIText::StaticAddItalicChunk(float x, float y, const std::string& text, const char* font,
                                            int size, float boxWidth, GTEXTALIGN align, int r, int g, int b) {
  GDITextChunk* c = MakeChunk(x, y, text, font, size, boxWidth, align, r, g, b, true);
  S().statics.push_back(c);
  return c;
}

void GDIText::ClearStaticChunk(GDITextChunk* chunk) {
  auto& list = S().statics;
  auto it = std::find(list.begin(), list.end(), chunk);
  if (it == list.end()) return;
  list.erase(it);
  delete chunk;
}

void GDIText::DrawChunk(GDITextChunk* chunk) {
  if (!chunk) return;
  State& s = S();
  if (chunk->size == -1) {
    SetFont(s.chunkFont.c_str(), s.chunkSize, chunk->italic);
  } else {
    SetFont(chunk->font.c_str(), chunk->size, chunk->italic);
  }
  const float width = GetStringWidth(chunk->text.c_str());
  if (chunk->align == GTEXT_CENTER) {
    chunk->x = chunk->x + chunk->boxWidth / 2.0f - width / 2.0f;
    chunk->align = GTEXT_LEFT;
  } else if (chunk->align == GTEXT_RIGHT) {
    chunk->x = chunk->x + chunk->boxWidth - width;
    chunk->align = GTEXT_LEFT;
  }
  SetGDITextColor(chunk->r, chunk->g, chunk->b);
  RenderText(chunk->x, chunk->y, chunk->text.c_str(), chunk->boxWidth);
}

void GDIText::RenderChunks(int limit) {
  State& s = S();
  s.limit = limit;  // kept, not applied
  if (s.chunks.empty()) return;
  std::vector<GDITextChunk*> queued;
  queued.swap(s.chunks);
  for (GDITextChunk* c : queued) {
    DrawChunk(c);
    delete c;
  }
  RenderStaticChunks();
}

void GDIText::RenderStaticChunks() {
  for (GDITextChunk* c : S().statics) DrawChunk(c);
}

const GDIFontRecord* GDIText::GetCurrentFont() { return S().current; }
const std::vector<GDIFontRecord*>& GDIText::GetFonts() { return S().fonts; }
int GDIText::GetQueuedChunkCount() { return int(S().chunks.size()); }
int GDIText::GetStaticChunkCount() { return int(S().statics.size()); }

void GDITextCache::Add(float x, float y, const std::string& text, const char* font, int size, float boxWidth,
                       GTEXTALIGN align, int r, int g, int b) {
  m_chunks.push_back(MakeChunk(x, y, text, font, size, boxWidth, align, r, g, b, false));
}

void GDITextCache::AddChunk(GDITextChunk* chunk) {
  if (chunk) m_chunks.push_back(chunk);
}

void GDITextCache::Clear() {
  for (GDITextChunk* c : m_chunks) delete c;
  m_chunks.clear();
}

void GDITextCache::Render() { RenderRaw(255, 255, 255); }

void GDITextCache::RenderRaw(int r, int g, int b) {
  for (GDITextChunk* c : m_chunks) {
    const int saved[3] = {c->r, c->g, c->b};
    c->r = r;
    c->g = g;
    c->b = b;
    GDIText::DrawChunk(c);
    c->r = saved[0];
    c->g = saved[1];
    c->b = saved[2];
  }
  GDIText::SetGDITextColor(255, 255, 255);
}
