#pragma once
// How an evening class lesson went: a comment on the player's concentration, the progress in the
// course and what held the concentration back; or, after the lesson that completes the course, a
// diploma with applause. However the report is closed, the activity slot ends with it.
#include <string>

#include "CTexturedSprite.h"
#include "GUI_Dialog.h"

class GUI_ButtonText;
class GUI_Concentration;
class GUI_ValueBar;
class HOOK_EveningClassType;

class GUI_EveningClassPostMortem : public GUI_Dialog {
 public:
  static void Create(HOOK_EveningClassType* cls, float concentration);
  static void Close();
  static void Finished(int);
  // The comment for a lesson at that concentration.
  static const char* CommentKey(float concentration);

  GUI_EveningClassPostMortem(HOOK_EveningClassType* cls, float concentration);
  ~GUI_EveningClassPostMortem() override;
  void Draw() override;

  bool IsProgressForm() const { return m_progressForm; }
  float GetProgress() const { return m_progress; }
  const std::string& GetComment() const { return m_comment; }
  GUI_ButtonText* GetOKButton() const { return m_okButton; }

  static GUI_EveningClassPostMortem* PTheWindow;

 private:
  void DrawFinished();
  void DrawProgress();

  HOOK_EveningClassType* m_class;
  float m_progress = 0.0f;
  GUI_ButtonText* m_okButton = nullptr;  // in the button list, which owns it
  std::string m_comment;
  bool m_progressForm = true;
  GUI_ValueBar* m_progressBar = nullptr;  // child windows
  CTexturedSprite m_diploma;
  std::string m_certifyText;
  std::string m_completeText;
  std::string m_congratulationsText;
  std::string m_className;
  GUI_Concentration* m_concentration = nullptr;
};
