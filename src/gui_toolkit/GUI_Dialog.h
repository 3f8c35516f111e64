#pragma once
// The base of the dialog windows: a framed background, an optional close button (top right), an
// optional help button beside it, a title and a client area inset 10 / 48 / 10 / 10. Dialogs lie
// above ordinary windows, Escape closes the topmost, and opening a full-screen window closes them
// all. The constructor registers the dialog. Subclasses call GUI_Dialog::Draw first and then draw
// their content inside GetClientArea().
#include <string>

#include "GUI_WindowBase.h"

class GUI_CloseButton;
class GUI_IconButton;

class GUI_Dialog : public GUI_WindowBase {
 public:
  static constexpr size_t kMaxTitle = 2047;

  explicit GUI_Dialog(bool withCloseButton);

  void Draw() override;
  bool IsDialog() override { return true; }
  virtual void UpdateClientArea();

  void SetTitle(const char* text);  // translated text; at most 2047 characters
  void SetTitle(const std::string& text) { SetTitle(text.c_str()); }
  const std::string& GetTitle() const { return m_title; }
  // A help button with the help key, left of the close button.
  void AddHelpButton(const char* text);
  // A chooser's paging arrows, left and right of the top of the client area, added to the buttons.
  void AddPageArrows(GUI_IconButton* prev, GUI_IconButton* next);
  const RECT& GetClientArea() const { return m_clientArea; }
  GUI_CloseButton* GetCloseButton() const { return m_closeButton; }
  // Cleared by a dialog that draws its own content over the whole frame.
  void SetDrawClientArea(bool draw) { m_drawClientArea = draw; }

 protected:
  GUI_CloseButton* m_closeButton = nullptr;  // in the button list, which owns it
  std::string m_title;
  RECT m_clientArea;
  float m_sideMargin = 10.0f;
  float m_topMargin = 48.0f;
  float m_bottomMargin = 10.0f;
  bool m_drawClientArea = true;
};
