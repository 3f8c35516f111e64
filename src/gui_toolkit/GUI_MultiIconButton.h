#pragma once
// An icon in a frame: the frame (the normal sprite) at 1.1 times the button, the icon at 0.75
// times, with its mouse-over picture while hovered when one is set.
#include <string>

#include "GUI_IconButton.h"

class GUI_MultiIconButton : public GUI_IconButton {
 public:
  GUI_MultiIconButton(const char* frameTexture, const char* iconTexture, Callback callback, int argument);

  void Draw() override;
  void SetMouseover(const char* name);
  const std::string& GetIconTexture() const { return m_iconTexture; }
  const std::string& GetMouseoverTexture() const { return m_mouseoverTexture; }

  static constexpr size_t kMaxName = 127;

 private:
  std::string m_iconTexture;
  std::string m_mouseoverTexture;
  CTexturedSprite m_icon;
  CTexturedSprite m_mouseover;
};
