#pragma once
// The dialogs shown after an evening on the theory or the news story: the project's title, its
// progress and what held the evening back (concentration; the sciences for the theory, the
// people met lately for the story). Modal; opening one again replaces the open one.
#include <string>

#include "CTexturedSprite.h"
#include "GUI_Dialog.h"

class GUI_ValueBar;

// The three sciences a theory rests on, as three labelled bars.
class GUI_ScienceSkillDetails : public GUI_WindowBase {
 public:
  GUI_ScienceSkillDetails();
  void Draw() override;

 private:
  std::string m_title;
  std::string m_labels[3];
  GUI_ValueBar* m_bars[3] = {};  // child windows
};

class GUI_ScienceTheoryDetails : public GUI_Dialog {
 public:
  static void Create();
  static GUI_ScienceTheoryDetails* PTheWindow;

  GUI_ScienceTheoryDetails();
  ~GUI_ScienceTheoryDetails() override;
  void Draw() override;

  const std::string& GetProgressLine() const { return m_progressLine; }

 private:
  std::string m_titleLine;
  std::string m_progressLine;
  GUI_ValueBar* m_bar = nullptr;  // owned
};

class GUI_JournalistStoryDetails : public GUI_Dialog {
 public:
  static void Create();
  static GUI_JournalistStoryDetails* PTheWindow;

  GUI_JournalistStoryDetails();
  ~GUI_JournalistStoryDetails() override;  // the evening's end of the GUI runs then
  void Draw() override;

  int GetContactsShown() const { return m_contacts; }
  const std::string& GetProgressLine() const { return m_progressLine; }

 private:
  std::string m_titleLine;
  std::string m_progressLine;
  std::string m_contactsHeading;
  int m_contacts = 0;
  GUI_ValueBar* m_bar = nullptr;  // owned
  CTexturedSprite m_icon;
};
