#pragma once
// Text with simple tags, drawn top to bottom through the text engine as pieces that each keep
// their own font, size, colour, wrap width and alignment, plus horizontal rules and line breaks.
//
// Tags (in angle brackets, the value after "="):
//   FONTNAME=arial16.dds   font of the later pieces
//   COLOR=a,b,c,d          colour of the later pieces: a | b << 8 | c << 16 | d << 24, read by the
//                          text engine in its own packing (a is blue, c red) and by rules in the
//                          sprite packing (a is red)
//   SIZE=16                point size of the later pieces
//   WRAP=400               wrap width of the later pieces
//   CENTER=300             wrap width 300, and the next piece is centred in it
//   /N                     ends the current piece
//   HR=2                   a rule of that height across the wrap width (size stays 2 afterwards)
//   BR                     a line break of one size
// A line feed also ends a piece. The owner sets the text once and calls Render every frame, then
// draws the text queue (LibTextEngine::ProcessTextQueue) with the rest of its text. A rule shows
// from the second Render on.
#include <list>
#include <string>

#include "LibTextEngine.h"
#include "Win32Types.h"

class FormattedTextChunk {
 public:
  FormattedTextChunk(const std::string& text, const std::string& font, float size, uint32_t colour,
                     float wrapWidth);
  float Render(float x, float y);  // returns the y of the next piece
  void RenderHR();                 // fills the rule placed by the last Render
  void SetAlignType(LibTextEngine::ALIGNTYPE align) { m_align = align; }

  const std::string& GetText() const { return m_text; }
  const std::string& GetFont() const { return m_font; }
  float GetSize() const { return m_size; }
  uint32_t GetColour() const { return m_colour; }
  float GetWrapWidth() const { return m_wrapWidth; }
  LibTextEngine::ALIGNTYPE GetAlign() const { return m_align; }
  bool IsRuleShown() const { return m_ruleShown; }
  const RECT& GetRule() const { return m_rule; }

 private:
  std::string m_text;  // "<BR>" a line break, "<HR>" a rule
  std::string m_font;
  float m_size = 0.0f;
  uint32_t m_colour = 0;
  float m_wrapWidth = 0.0f;
  LibTextEngine::ALIGNTYPE m_align = LibTextEngine::ALIGN_LEFT;
  bool m_ruleShown = false;
  RECT m_rule;
};

class FormattedText {
 public:
  static constexpr size_t kMaxChunks = 255;

  FormattedText() = default;
  virtual ~FormattedText();
  FormattedText(const FormattedText&) = delete;
  FormattedText& operator=(const FormattedText&) = delete;

  void SetTextBuffer(const char* text);  // replaces the pieces
  void Load(const char* file);           // adds the pieces of a text file
  void Render(float x, float y);
  void ClearChunks();
  void SetDefaults();
  void ParseTextBuffer();
  void ProcessChar(char c);
  void ProcessTag();
  void ProcessText();

  const std::list<FormattedTextChunk*>& GetChunks() const { return m_chunks; }

 private:
  void AddMarker(const char* marker, float wrapWidth);
  // A tag's number kept within what a screen can show (a broken text must not overflow the
  // layout's arithmetic); anything else is warned about once, naming the file and line.
  float TagNumber(const std::string& tag, const std::string& value, float highest);

  std::list<FormattedTextChunk*> m_chunks;
  std::string m_currentFont = "arial16.dds";
  std::string m_currentText;
  uint32_t m_currentColour = 0xFFFFFFFFu;
  float m_currentSize = 16.0f;
  std::string m_buffer;
  float m_currentWrap = 1280.0f;
  bool m_inTag = false;
  std::string m_tag;
  int m_pendingAlign = 0;
  bool m_reportedFull = false;
  std::string m_origin = "formatted text";  // the file, for warnings
  int m_line = 1;
};
