#pragma once
// An NPC falls for the single player and asks, in a modal dialog without a close button:
// accepting starts the romance, rejecting sets the NPC's compatibility to 0 so it never asks again,
// and Escape closes it with nothing decided. A click on the face opens the person's window.
#include <string>

#include "GUI_Dialog.h"

class GUI_ButtonText;
class GUI_NPCPortrait;
class SIM_NPC;

class GUI_RomanticOffer : public GUI_Dialog {
 public:
  static constexpr float kWidth = 500.0f;
  static constexpr float kHeight = 200.0f;

  static void Create(SIM_NPC* npc);  // a null NPC asserts and opens nothing
  static void Close();
  static void Accept(int);
  static void Reject(int);

  ~GUI_RomanticOffer() override;
  void Draw() override;
  bool CheckClick(float x, float y) override;  // the face opens the person's window

  SIM_NPC* GetNPC() const { return m_npc; }
  const std::string& GetText() const { return m_text; }

  static GUI_RomanticOffer* PTheWindow;

 private:
  explicit GUI_RomanticOffer(SIM_NPC* npc);

  SIM_NPC* m_npc;
  std::string m_text;
  GUI_NPCPortrait* m_portrait = nullptr;  // a child
  GUI_ButtonText* m_accept = nullptr;     // in the button list
  GUI_ButtonText* m_reject = nullptr;
};
