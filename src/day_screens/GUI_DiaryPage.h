#pragma once
// The frame every page of the working day is drawn on: the weather backdrop with the player's
// avatar, a handwritten diary sheet, the bottom strip, the one big button that hands the turn back
// to the day turn, and the player's mind-state panel inside the page while it is open.
//
// The title is written whole; the body texts are written in with the pencil, one glyph per 12 ms
// of play and never more than three a frame, and the pencil's sound stops with the last glyph.
// Each page that opens writes one line to the debug log ("Day page: <name> (<title>, day <n>)"),
// so a run without a screen can still be followed.
#include <string>
#include <vector>

#include "CTexturedSprite.h"
#include "GUI_ButtonBase.h"
#include "GUI_WindowBase.h"

class GUI_IconButton;

class GUI_DiaryPage : public GUI_WindowBase {
 public:
  // Diary ink, text-engine packing: black at alpha 180, and the opaque dark blue of news that
  // matters.
  static constexpr uint32_t kInkColour = 0xB4000000u;
  static constexpr uint32_t kEmphasisColour = 0xFF0000C0u;
  static constexpr const char* kWritingSound = "data/sounds/writing.ogg";

  // Gives the mind-state panel back (it is shared, never deleted by a page) and stops the pencil.
  ~GUI_DiaryPage() override;
  void Draw() override;
  // One frame's drawing, with the frame's share of glyphs (the in-game render throttle).
  void DrawPage(float throttle);

  const std::string& GetTitle() const { return m_title; }
  const std::string& GetMessage() const { return m_message; }
  // The texts under the message, in their order (the plan, a cost line, the earnings).
  const std::vector<std::string>& GetFurtherTexts() const { return m_further; }
  GUI_IconButton* GetMainButton() const { return m_mainButton; }
  uint32_t GetColour() const { return m_colour; }
  // An amount as the pages show it: the currency, a space and two decimals.
  static std::string FormatMoney(float amount);
  // The trip pages' cost line: the key's text with today's fare, or nothing on a free trip.
  static std::string CommuteCostLine(const char* key);

  // Glyphs the pencil has reached so far.
  int GetRevealed() const { return (int)m_reveal; }
  bool IsWriting() const { return m_writing; }

 protected:
  // The frame, the main button (cells 6 and 7 of "bigbuttons.dds") and the mind-state panel.
  GUI_DiaryPage(const char* tooltipKey, GUI_ButtonBase::Callback callback);
  // Once the texts are composed: the log line and the pencil.
  void StartWriting(const char* name);

  void SetMainButton(const char* tooltipKey, GUI_ButtonBase::Callback callback);
  void SetTexts(const std::string& title, const std::string& message) {
    m_title = title;
    m_message = message;
  }
  void AddFurtherText(const std::string& text) { m_further.push_back(text); }
  void SetColour(uint32_t colour) { m_colour = colour; }
  // Where the message starts and the gap left above each further text.
  void SetLayout(float messageY, float gap) {
    m_messageY = messageY;
    m_gap = gap;
  }
  void SetShowCash(bool show) { m_showCash = show; }

 private:
  std::string m_title;
  std::string m_message;
  std::vector<std::string> m_further;
  GUI_IconButton* m_mainButton = nullptr;  // owned by the button list
  CTexturedSprite m_sheet;
  CTexturedSprite m_strip;
  uint32_t m_colour = kInkColour;
  float m_messageY = 260.0f;
  float m_gap = 0.0f;
  float m_reveal = 0.0f;
  bool m_showCash = false;
  bool m_writing = false;
};
