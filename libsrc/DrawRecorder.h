#pragma once
// What the renderer was asked to draw, kept as a list. Under VORLA2_HEADLESS=1 the renderer calls
// no OpenGL at all and records every drawing request here instead, so GUI tests can assert on what
// a screen draws: which rectangles, in which colours, with which textures and texts.
//
//   DrawRecorder& rec = D3DEngine::GetRecorder();
//   rec.Clear();
//   window->Draw();
//   EXPECT_EQ(rec.Count(DrawKind::Fill), 1);
//   const DrawRecord* r = rec.FindText("Start");
//
// Colours are always stored in the sprite packing (red in bits 0..7): colours drawn through the
// vertex-buffer packing (text, particles) are converted, so r(), g(), b(), a() read the same way
// for every entry.
#include <cstdint>
#include <string>
#include <vector>

enum class DrawKind {
  Clear,         // ClearScreen / the clear colour
  Fill,          // FillRect, ClearArea
  Gradient,      // FillRectGradient (colour = left, colour2 = right)
  Frame,         // FrameRect
  FrameRounded,  // FrameRectRounded
  Line,          // RenderLine (left, top = start; right, bottom = end)
  SpriteLine,    // RenderSpriteLine (rect = bounds of the points, count = points)
  Quad,          // a sprite quad (BaseSprite::DrawNoChecks -> D3DEngine::DrawQuad)
  FillScreen,    // FillScreen (rect = the screen)
  TileRect,      // TileRect (count = tiles placed)
  Triangles,     // a GVertexBuffer batch (count = vertices drawn)
  Text,          // a text string noted by the text engine (D3DEngine::NoteText)
};

const char* DrawKindName(DrawKind kind);

struct DrawRecord {
  DrawKind kind = DrawKind::Fill;
  std::string call;        // the renderer operation, e.g. "FillRect", "DrawQuad", "GVertexBuffer::Draw"
  float left = 0.0f;       // screen pixels
  float top = 0.0f;
  float right = 0.0f;
  float bottom = 0.0f;
  uint32_t colour = 0;     // sprite packing; for a quad the colour that shows (bottom-right vertex)
  uint32_t colour2 = 0;    // the second colour of a gradient
  std::string texture;     // the texture bound when drawn ("" untextured)
  std::string text;        // Text entries: the string
  int count = 0;           // vertices, points or tiles, by kind

  int r() const { return int(colour & 0xFF); }
  int g() const { return int((colour >> 8) & 0xFF); }
  int b() const { return int((colour >> 16) & 0xFF); }
  int a() const { return int((colour >> 24) & 0xFF); }
  float Width() const { return right - left; }
  float Height() const { return bottom - top; }
  std::string Describe() const;  // one line for test failure messages
};

class DrawRecorder {
 public:
  // On under VORLA2_HEADLESS=1; a GL run may switch it on as well (its drawing still happens).
  bool IsEnabled() const { return m_enabled; }
  void SetEnabled(bool on) { m_enabled = on; }

  void Add(DrawRecord record);
  void Clear();                                           // forgets everything
  const std::vector<DrawRecord>& Entries() const { return m_entries; }  // since Clear (bounded)
  const std::vector<DrawRecord>& LastFrame() const { return m_lastFrame; }  // between the last two flips
  void EndFrame();  // called by D3DEngine::Flip

  int Count(DrawKind kind) const;
  std::vector<DrawRecord> Filter(DrawKind kind) const;
  const DrawRecord* Last(DrawKind kind) const;            // the latest entry of that kind, or null
  const DrawRecord* FindText(const std::string& part) const;  // the first Text entry containing it
  const DrawRecord* FindTexture(const std::string& name) const;  // the first entry with that texture
  bool HasText(const std::string& part) const { return FindText(part) != nullptr; }
  std::string Dump() const;  // every entry, one per line

  // A headless game left running must not grow without bound: once Entries() holds more than this
  // at a flip, the older entries are dropped (LastFrame stays whole).
  static constexpr size_t kMaxEntries = 200000;

 private:
  bool m_enabled = false;
  std::vector<DrawRecord> m_entries;
  std::vector<DrawRecord> m_lastFrame;
  size_t m_frameStart = 0;
};
