#include "FrameCommands.h"

void FrameCommands::Clear() {
  // clear() keeps the capacity: a frame of the same size as the last allocates nothing.
  m_commands.clear();
  m_vertices.clear();
  m_bytes.clear();
}

void FrameCommands::AddClear(uint32_t rgba) {
  FrameCommand c;
  c.op = FrameOp::Clear;
  c.rgba = rgba;
  m_commands.push_back(c);
}

void FrameCommands::BeginPrimitive(FramePrimitive primitive, uint32_t texture, bool pointFilter, bool smooth,
                                   bool additive) {
  FrameCommand c;
  c.op = FrameOp::Primitive;
  c.primitive = primitive;
  c.smooth = smooth;
  c.additive = additive;
  c.pointFilter = texture != 0 && pointFilter;
  c.texture = texture;
  c.first = uint32_t(m_vertices.size());
  m_commands.push_back(c);
}

void FrameCommands::AddVertex(float x, float y, float z, float u, float v, uint32_t rgba) {
  if (m_commands.empty() || m_commands.back().op != FrameOp::Primitive) return;
  FrameVertex p;
  p.x = x;
  p.y = y;
  p.z = z;
  p.u = u;
  p.v = v;
  p.rgba = rgba;
  m_vertices.push_back(p);
  ++m_commands.back().count;
}

void FrameCommands::AddBitmapRun(uint32_t listBase, float x, float y, const unsigned char* bytes, size_t count,
                                 uint32_t rgba, uint32_t texture) {
  FrameCommand c;
  c.op = FrameOp::BitmapRun;
  c.texture = texture;
  c.first = uint32_t(m_bytes.size());
  c.count = uint32_t(count);
  c.rgba = rgba;
  c.listBase = listBase;
  c.x = x;
  c.y = y;
  if (bytes && count) m_bytes.insert(m_bytes.end(), bytes, bytes + count);
  m_commands.push_back(c);
}

bool FrameCommands::operator==(const FrameCommands& other) const {
  return m_commands == other.m_commands && m_vertices == other.m_vertices && m_bytes == other.m_bytes;
}

void FrameCommands::Swap(FrameCommands& other) {
  m_commands.swap(other.m_commands);
  m_vertices.swap(other.m_vertices);
  m_bytes.swap(other.m_bytes);
}
