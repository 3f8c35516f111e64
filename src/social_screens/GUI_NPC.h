#pragma once
// The person window: what the player knows of one person of the town, on two tabs (a summary
// with the face, the character and the standing with the player; the interests found so far).
// One window per person; asking again for an open one brings it to the top. It only shows, and
// changes nothing in the town.
#include <list>

#include "GUI_Dialog.h"

class GUI_ButtonTab;
class GUI_NPCInterestTab;
class GUI_NPCSummaryTab;
class GUI_TabContainer;
class SIM_NPC;

class GUI_NPC : public GUI_Dialog {
 public:
  static constexpr float kWidth = 370.0f;
  static constexpr float kHeight = 260.0f;

  // Opens the person's window at the mouse, or raises the one already open.
  static GUI_NPC* Create(SIM_NPC* npc);
  // A right click closes the first open person window under the mouse; false when none is.
  static bool CheckRightClickAll();
  // Closes every window of the person (the person leaves the player's world).
  static void CloseFor(const SIM_NPC* npc);
  static GUI_NPC* Find(const SIM_NPC* npc);

  explicit GUI_NPC(SIM_NPC* npc);  // a null person fails an assertion
  ~GUI_NPC() override;

  void Draw() override;
  SIM_NPC* GetNPC() const { return m_npc; }
  GUI_TabContainer* GetTabs() const { return m_tabs; }
  GUI_NPCSummaryTab* GetSummaryTab() const { return m_summary; }
  GUI_NPCInterestTab* GetInterestTab() const { return m_interests; }
  GUI_ButtonTab* GetSummaryButton() const { return m_summaryButton; }
  GUI_ButtonTab* GetInterestsButton() const { return m_interestsButton; }

  static std::list<GUI_NPC*> OpenWindows;

 private:
  SIM_NPC* m_npc;
  GUI_TabContainer* m_tabs = nullptr;  // a child window
  GUI_NPCSummaryTab* m_summary = nullptr;      // owned by the container
  GUI_NPCInterestTab* m_interests = nullptr;   // owned by the container
  GUI_ButtonTab* m_summaryButton = nullptr;    // in the button list
  GUI_ButtonTab* m_interestsButton = nullptr;  // in the button list
};

