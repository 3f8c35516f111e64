#include "FormattedText.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "CSV.h"
#include "D3DEngine.h"
#include "GDebug.h"
#include "MacFile.h"

namespace {
// Far beyond any screen of the game, and small enough for the layout's integer pixels.
constexpr float kMaxSize = 1000.0f;
constexpr float kMaxWrap = 100000.0f;
}  // namespace

FormattedTextChunk::FormattedTextChunk(const std::string& text, const std::string& font, float size,
                                       uint32_t colour, float wrapWidth)
    : m_text(text), m_font(font), m_size(size), m_colour(colour), m_wrapWidth(wrapWidth) {}

float FormattedTextChunk::Render(float x, float y) {
  if (m_text == "<BR>") return y + m_size;
  if (m_text == "<HR>") {
    m_rule.left = int32_t(x);
    m_rule.top = int32_t(y);
    m_rule.right = int32_t(x + m_wrapWidth);
    m_rule.bottom = int32_t(y + m_size);
    m_ruleShown = true;
    return y;
  }
  LibTextEngine* engine = GetTextEngine();
  engine->SetCurrentFont(m_font, m_size);
  // A centred line too wide for its box (a long name typed by the player) wraps like any other
  // rather than spilling out on both sides.
  if (m_align == LibTextEngine::ALIGN_CENTER && float(engine->GetStringLength(m_text.c_str())) <= m_wrapWidth) {
    engine->AddQueueString(m_text.c_str(), x, y, m_colour, m_wrapWidth, LibTextEngine::ALIGN_CENTER);
    return y + m_size;
  }
  return engine->AddWrappedString(m_text.c_str(), x, y, m_wrapWidth, m_colour);
}

void FormattedTextChunk::RenderHR() {
  if (m_text == "<HR>" && m_ruleShown) GetD3DEngine()->FillRect(&m_rule, m_colour);
}

FormattedText::~FormattedText() { ClearChunks(); }

void FormattedText::ClearChunks() {
  for (FormattedTextChunk* c : m_chunks) delete c;
  m_chunks.clear();
}

void FormattedText::SetDefaults() {
  m_currentFont = "arial16.dds";
  m_currentColour = 0xFFFFFFFFu;
  m_currentSize = 16.0f;
  m_currentWrap = 1280.0f;
  m_pendingAlign = 0;
  m_currentText.clear();
  m_inTag = false;
  m_tag.clear();
}

void FormattedText::SetTextBuffer(const char* text) {
  ClearChunks();
  m_buffer = text ? text : "";
  m_origin = "formatted text";
  ParseTextBuffer();
}

void FormattedText::Load(const char* file) {
  FILE* f = Mac_fopen(file, "rt");
  if (!f) {
    GetDebug()->DebugOut(GFormat("Failed to open: %s", file ? file : "").substr(0, 1024).c_str());
    return;
  }
  m_buffer.clear();
  char line[2048];
  while (std::fgets(line, sizeof line, f)) m_buffer += line;
  std::fclose(f);
  m_origin = file;
  ParseTextBuffer();
}

void FormattedText::ParseTextBuffer() {
  SetDefaults();
  m_reportedFull = false;
  m_line = 1;
  for (char c : m_buffer) {
    ProcessChar(c);
    if (c == '\n') ++m_line;
  }
  if (!m_currentText.empty()) ProcessText();
  // An unclosed tag at the end is dropped.
  m_inTag = false;
  m_tag.clear();
}

void FormattedText::ProcessChar(char c) {
  if (m_inTag) {
    if (c == '>') {
      m_inTag = false;
      ProcessTag();
    } else {
      m_tag += c;
    }
    return;
  }
  if (c == '<') {
    if (!m_currentText.empty()) ProcessText();
    m_inTag = true;
    m_tag.clear();
  } else if (c == '\n') {
    ProcessText();
  } else if (c != '\r') {  // files written on Windows end their lines with CR LF
    m_currentText += c;
  }
}

void FormattedText::ProcessText() {
  if (m_chunks.size() >= kMaxChunks) {
    // The pieces past the limit are dropped, not the whole text.
    if (!m_reportedFull) {
      m_reportedFull = true;
      GetDebug()->DebugOut("Formatted text has more than 255 pieces; the rest is not shown");
    }
  } else {
    auto* chunk = new FormattedTextChunk(m_currentText, m_currentFont, m_currentSize, m_currentColour, m_currentWrap);
    if (m_pendingAlign != 0) chunk->SetAlignType(LibTextEngine::ALIGNTYPE(m_pendingAlign));
    m_chunks.push_back(chunk);
  }
  m_currentText.clear();
  m_pendingAlign = 0;
}

void FormattedText::ProcessTag() {
  const std::string& tag = m_tag;
  std::string value;
  const size_t eq = tag.find('=');
  if (eq != std::string::npos) {
    size_t begin = eq + 1;
    while (begin < tag.size() && tag[begin] == ' ') ++begin;
    size_t end = tag.size();
    while (end > begin && (tag[end - 1] == ' ' || tag[end - 1] == '\t')) --end;
    value = tag.substr(begin, end - begin);
  }
  auto has = [&tag](const char* word) { return tag.find(word) != std::string::npos; };
  if (has("FONTNAME")) {
    m_currentFont = value;
  } else if (has("COLOR")) {
    CSV csv;
    csv.Initialise(value.c_str(), ',');
    const uint32_t a = uint32_t(csv.GetNextInt()) & 255u;
    const uint32_t b = uint32_t(csv.GetNextInt()) & 255u;
    const uint32_t c = uint32_t(csv.GetNextInt()) & 255u;
    const uint32_t d = uint32_t(csv.GetNextInt()) & 255u;
    m_currentColour = a | b << 8 | c << 16 | d << 24;
  } else if (has("SIZE")) {
    m_currentSize = TagNumber(tag, value, kMaxSize);
  } else if (has("WRAP")) {
    m_currentWrap = TagNumber(tag, value, kMaxWrap);
  } else if (has("CENTER")) {
    m_currentWrap = TagNumber(tag, value, kMaxWrap);
    m_pendingAlign = LibTextEngine::ALIGN_CENTER;
  } else if (tag == "/N") {
    ProcessText();
  } else if (has("HR")) {
    m_currentSize = TagNumber(tag, value, kMaxSize);
    AddMarker("<HR>", m_currentWrap);
  } else if (tag == "BR") {
    AddMarker("<BR>", 0.0f);
  }
}

float FormattedText::TagNumber(const std::string& tag, const std::string& value, float highest) {
  const float number = std::strtof(value.c_str(), nullptr);
  if (number >= 0.0f && number <= highest) return number;
  const float used = number > highest ? highest : 0.0f;  // NaN and negatives give 0
  const std::string text = GFormat("%s:%d: <%s> outside 0..%g; %g used", m_origin.c_str(), m_line,
                                   tag.substr(0, 60).c_str(), double(highest), double(used));
  GWarnOnce(text, text.c_str(), __FILE__, __LINE__);
  return used;
}

// Rules and breaks take no alignment: a pending CENTER waits for the next text.
void FormattedText::AddMarker(const char* marker, float wrapWidth) {
  const float wrap = m_currentWrap;
  const int align = m_pendingAlign;
  m_currentWrap = wrapWidth;
  m_pendingAlign = 0;
  m_currentText = marker;
  ProcessText();
  m_currentWrap = wrap;
  m_pendingAlign = align;
}

void FormattedText::Render(float x, float y) {
  for (FormattedTextChunk* c : m_chunks) c->RenderHR();
  float pen = y;
  for (FormattedTextChunk* c : m_chunks) pen = c->Render(x, pen);
}
