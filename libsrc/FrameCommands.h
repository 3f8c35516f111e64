#pragma once
// One frame's drawing as plain data: every primitive with the vertices it sends (positions,
// texture coordinates, colours as sent), the texture and filter it is drawn with, clears and runs
// of system-font text. The renderer keeps the frame it last put on screen in one of these; when
// the next frame's commands are equal to it, nothing would change on screen, so neither the GL
// work nor the swap is done. Equality is exact (every field of every command and vertex), so no
// two different pictures can ever pass for one.
//
// What the commands cannot show (the contents behind a texture or display-list number, the
// window's size) the renderer tracks itself, by drawing the next frame whatever it holds.
#include <cstddef>
#include <cstdint>
#include <vector>

// Colours are kept as GL takes them from glColor4ub: bytes red, green, blue, alpha.
struct FrameVertex {
  float x = 0.0f, y = 0.0f, z = 0.0f;
  float u = 0.0f, v = 0.0f;
  uint32_t rgba = 0;  // red in bits 0..7

  bool operator==(const FrameVertex&) const = default;
};

enum class FrameOp : uint8_t {
  Clear,      // the whole drawable to one colour
  Primitive,  // vertices [first, first + count) as one GL primitive
  BitmapRun,  // bytes [first, first + count) through display lists listBase + byte, from (x, y)
};

enum class FramePrimitive : uint8_t { Quads, LineStrip, Triangles, TriangleStrip };

struct FrameCommand {
  FrameOp op = FrameOp::Primitive;
  FramePrimitive primitive = FramePrimitive::Quads;
  bool smooth = false;       // colours blend across the primitive (otherwise the last vertex's shows)
  bool pointFilter = false;  // the texture is sampled nearest rather than linear
  bool additive = false;     // added onto what is there (source alpha, one) rather than laid over it
  uint32_t texture = 0;      // GL texture number; 0 draws untextured
  uint32_t first = 0;
  uint32_t count = 0;
  uint32_t rgba = 0;         // Clear and BitmapRun: their colour
  uint32_t listBase = 0;     // BitmapRun
  float x = 0.0f, y = 0.0f;  // BitmapRun: the raster position

  bool operator==(const FrameCommand&) const = default;
};

class FrameCommands {
 public:
  void Clear();
  bool Empty() const { return m_commands.empty(); }

  void AddClear(uint32_t rgba);
  // Starts a primitive drawn with the texture and filter given; its vertices follow through
  // AddVertex until the next command starts.
  void BeginPrimitive(FramePrimitive primitive, uint32_t texture, bool pointFilter, bool smooth = false,
                      bool additive = false);
  void AddVertex(float x, float y, float z, float u, float v, uint32_t rgba);
  void AddBitmapRun(uint32_t listBase, float x, float y, const unsigned char* bytes, size_t count, uint32_t rgba,
                    uint32_t texture);

  const std::vector<FrameCommand>& Commands() const { return m_commands; }
  const std::vector<FrameVertex>& Vertices() const { return m_vertices; }
  const std::vector<unsigned char>& Bytes() const { return m_bytes; }
  const FrameCommand& Last() const { return m_commands.back(); }

  // Exact equality of the two frames' commands, vertices and text.
  bool operator==(const FrameCommands& other) const;
  void Swap(FrameCommands& other);

 private:
  std::vector<FrameCommand> m_commands;
  std::vector<FrameVertex> m_vertices;
  std::vector<unsigned char> m_bytes;
};
