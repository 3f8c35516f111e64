#pragma once
// The heart on the partner's icon opens this: the partner, how long the romance has lasted (fixed
// when the window opens) and a button to end it.
#include <string>

#include "GUI_Dialog.h"

class GUI_ButtonText;
class GUI_NPCPortrait;
class SIM_NPC;

class GUI_RomanceSummary : public GUI_Dialog {
 public:
  static constexpr float kWidth = 540.0f;
  static constexpr float kHeight = 260.0f;

  static void Create();  // only while there is a partner
  static void Close();
  static void Dump(int);  // the end-romance button

  ~GUI_RomanceSummary() override;
  void Draw() override;

  const std::string& GetNameLine() const { return m_nameLine; }
  const std::string& GetDurationLine() const { return m_durationLine; }

  static GUI_RomanceSummary* PTheWindow;

 private:
  explicit GUI_RomanceSummary(SIM_NPC* partner);

  std::string m_nameLine;
  std::string m_durationLine;
  std::string m_help;
  GUI_NPCPortrait* m_portrait = nullptr;  // a child
  GUI_ButtonText* m_dump = nullptr;       // in the button list
};
