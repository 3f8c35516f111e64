#pragma once
// The two pages of the person window.
#include <string>
#include <vector>

#include "GUI_WindowTab.h"

class GUI_NPCPortrait;
class GUI_ValueBar;
class SIM_NPC;

// The face, the standing with the player (friendship and attraction bars), the character types
// and what they say about the person.
class GUI_NPCSummaryTab : public GUI_WindowTab {
 public:
  explicit GUI_NPCSummaryTab(SIM_NPC* npc);  // a null person fails an assertion
  ~GUI_NPCSummaryTab() override;

  void Draw() override;
  using GUI_WindowTab::SetPosition;
  void SetPosition(float left, float top, float right, float bottom) override;

  const std::string& GetTypeLine() const { return m_typeLine; }
  const std::vector<std::string>& GetDescriptions() const { return m_descriptions; }
  GUI_ValueBar* GetFriendshipBar() const { return m_friendshipBar; }
  GUI_ValueBar* GetCompatibilityBar() const { return m_compatibilityBar; }

 private:
  void DrawInformation();
  void DrawRelationship();

  SIM_NPC* m_npc;
  std::string m_strengthLabel;
  std::string m_attractionLabel;
  std::vector<std::string> m_descriptions;
  std::string m_typeLine;
  GUI_NPCPortrait* m_portrait = nullptr;      // owned
  GUI_ValueBar* m_friendshipBar = nullptr;     // a child
  GUI_ValueBar* m_compatibilityBar = nullptr;  // a child
};

// The person's interests in two columns of five, the undiscovered ones as a question.
class GUI_NPCInterestTab : public GUI_WindowTab {
 public:
  explicit GUI_NPCInterestTab(SIM_NPC* npc);  // a null person fails an assertion
  void Draw() override;

 private:
  SIM_NPC* m_npc;
  std::string m_unknown;
};
