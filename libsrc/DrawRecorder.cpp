#include "DrawRecorder.h"

#include <cstdio>

const char* DrawKindName(DrawKind kind) {
  switch (kind) {
    case DrawKind::Clear: return "Clear";
    case DrawKind::Fill: return "Fill";
    case DrawKind::Gradient: return "Gradient";
    case DrawKind::Frame: return "Frame";
    case DrawKind::FrameRounded: return "FrameRounded";
    case DrawKind::Line: return "Line";
    case DrawKind::SpriteLine: return "SpriteLine";
    case DrawKind::Quad: return "Quad";
    case DrawKind::FillScreen: return "FillScreen";
    case DrawKind::TileRect: return "TileRect";
    case DrawKind::Triangles: return "Triangles";
    case DrawKind::Text: return "Text";
  }
  return "?";
}

std::string DrawRecord::Describe() const {
  char buf[160];
  std::snprintf(buf, sizeof buf, "%s %s (%g,%g)-(%g,%g) colour 0x%08X", DrawKindName(kind), call.c_str(),
                double(left), double(top), double(right), double(bottom), unsigned(colour));
  std::string out = buf;
  if (!texture.empty()) out += " texture " + texture;
  if (!text.empty()) out += " text \"" + text + "\"";
  if (count) out += " count " + std::to_string(count);
  return out;
}

void DrawRecorder::Add(DrawRecord record) {
  if (m_enabled) m_entries.push_back(std::move(record));
}

void DrawRecorder::Clear() {
  m_entries.clear();
  m_lastFrame.clear();
  m_frameStart = 0;
}

void DrawRecorder::EndFrame() {
  if (m_frameStart > m_entries.size()) m_frameStart = m_entries.size();
  m_lastFrame.assign(m_entries.begin() + long(m_frameStart), m_entries.end());
  if (m_entries.size() > kMaxEntries) m_entries.clear();
  m_frameStart = m_entries.size();
}

int DrawRecorder::Count(DrawKind kind) const {
  int n = 0;
  for (const DrawRecord& r : m_entries) n += r.kind == kind;
  return n;
}

std::vector<DrawRecord> DrawRecorder::Filter(DrawKind kind) const {
  std::vector<DrawRecord> out;
  for (const DrawRecord& r : m_entries)
    if (r.kind == kind) out.push_back(r);
  return out;
}

const DrawRecord* DrawRecorder::Last(DrawKind kind) const {
  for (auto it = m_entries.rbegin(); it != m_entries.rend(); ++it)
    if (it->kind == kind) return &*it;
  return nullptr;
}

const DrawRecord* DrawRecorder::FindText(const std::string& part) const {
  for (const DrawRecord& r : m_entries)
    if (r.kind == DrawKind::Text && r.text.find(part) != std::string::npos) return &r;
  return nullptr;
}

const DrawRecord* DrawRecorder::FindTexture(const std::string& name) const {
  for (const DrawRecord& r : m_entries)
    if (r.texture == name) return &r;
  return nullptr;
}

std::string DrawRecorder::Dump() const {
  std::string out;
  for (const DrawRecord& r : m_entries) out += r.Describe() + "\n";
  return out;
}
