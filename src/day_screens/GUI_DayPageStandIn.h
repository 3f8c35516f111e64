#pragma once
// The frame shared by the day's diary pages (waking up, the trip to work, the work day, the trip
// home, after work) until the real pages arrive: a full-screen window with the diary sheet over a
// plain sky, the bottom strip, a title, a short text and the one big button that hands the turn
// back to the day turn. The player's mind-state panel is shown inside the page while it is open.
// The texts are written whole (no pencil, no weather, no avatar yet). Each page that opens writes
// one line to the debug log ("Day page: <name> (<title>, day <n>)"), so a run without a screen can
// still be followed.
#include <string>

#include "CTexturedSprite.h"
#include "GUI_ButtonBase.h"
#include "GUI_WindowBase.h"

class GUI_IconButton;

class GUI_DayPageStandIn : public GUI_WindowBase {
 public:
  // Title and message are translated already; the button's tooltip is a key.
  GUI_DayPageStandIn(const char* name, const std::string& title, const std::string& message,
                     const char* tooltipKey, GUI_ButtonBase::Callback callback);
  // Gives the mind-state panel back (it is shared, never deleted by a page).
  ~GUI_DayPageStandIn() override;
  void Draw() override;

  const std::string& GetTitle() const { return m_title; }
  const std::string& GetMessage() const { return m_message; }
  GUI_IconButton* GetMainButton() const { return m_mainButton; }
  // The pages that show the cash read-out on their strip (waking up, the work day).
  void SetShowCash(bool show) { m_showCash = show; }

  // Text colour of the diary: black at alpha 180, text-engine packing.
  static constexpr uint32_t kInkColour = 0xB4000000u;

 private:
  std::string m_title;
  std::string m_message;
  GUI_IconButton* m_mainButton = nullptr;  // owned by the button list
  CTexturedSprite m_sheet;
  CTexturedSprite m_strip;
  bool m_showCash = false;
};
