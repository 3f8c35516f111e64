#pragma once
// A person of the town speaks to the player: a small modal dialog with the person's face and the
// text ("<RAVEZIRER>" becomes the player's forename), titled "Message from" and the person's name.
// One at a time: a new one replaces the open one.
//
//   GUI_NPCMessage::Create(npc, text)->SetTitle(GTranslation::GetString("MET_NEW_FRIEND_TITLE"));
#include <string>

#include "GUI_Dialog.h"

class GUI_NPCPortrait;
class SIM_NPC;

class GUI_NPCMessage : public GUI_Dialog {
 public:
  static constexpr float kWidth = 420.0f;
  static constexpr float kHeight = 200.0f;
  static constexpr size_t kTitleKept = 24;  // a longer title is cut and ends in "..."

  // Null (after an assertion) without a person.
  static GUI_NPCMessage* Create(SIM_NPC* npc, const std::string& text);
  static void Close();
  // The phone's rumour message: the next rumour of the town, when there is one, then it is
  // forgotten; nothing opens without one.
  static void ShowNextRumour(SIM_NPC* npc);

  ~GUI_NPCMessage() override;
  void Draw() override;

  const std::string& GetText() const { return m_text; }
  SIM_NPC* GetNPC() const { return m_npc; }
  static std::string ShortTitle(const std::string& title);

  static GUI_NPCMessage* PTheWindow;

 protected:
  GUI_NPCMessage(SIM_NPC* npc, const std::string& text);

  std::string m_text;
  GUI_NPCPortrait* m_portrait = nullptr;  // a child
  SIM_NPC* m_npc;
};
