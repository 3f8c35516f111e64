#pragma once
// The town's bowling team asks a good bowler to join. Accepting joins the team; rejecting (or
// Escape) leaves everything as it was, so a later good game asks again.
#include <string>

#include "CTexturedSprite.h"
#include "GUI_Dialog.h"

class GUI_ButtonText;

class GUI_TeamInvite : public GUI_Dialog {
 public:
  static void Create();  // replaces an open invitation
  static void Close();
  static void Accept(int);
  static void Reject(int);

  ~GUI_TeamInvite() override;
  void Draw() override;

  const std::string& GetText() const { return m_text; }

  static GUI_TeamInvite* PTheWindow;

 private:
  GUI_TeamInvite();

  GUI_ButtonText* m_accept = nullptr;  // in the button list
  GUI_ButtonText* m_reject = nullptr;
  CTexturedSprite m_picture;
  std::string m_text;
};
