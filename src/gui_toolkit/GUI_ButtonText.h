#pragma once
// The text button: a three-slice face ("button_text.dds", "button_text_h.dds" when hovered) 24
// pixels high, centred on the button, and its translated label in "anime14.dds".
#include <string>

#include "CTexturedSprite.h"
#include "GUI_ButtonBase.h"

class GUI_ButtonText : public GUI_ButtonBase {
 public:
  GUI_ButtonText(const char* labelKey, Callback callback, int argument);
  GUI_ButtonText(const std::string& labelKey, Callback callback, int argument);

  void Draw() override;
  void Process() override { GUI_ButtonBase::Process(); }

  void SetText(const std::string& text) { m_label = text; }  // as given, not translated
  const std::string& GetText() const { return m_label; }
  void SetHighlightTexture(const std::string& name);
  void SetTexture(const std::string& name);

  static constexpr float kFaceHeight = 24.0f;
  static constexpr float kCapWidth = 32.0f;

 protected:
  // The face in three pieces: caps 32 wide from the outer quarters, the middle from u 0.5..0.75.
  void DrawFace(CTexturedSprite& face);

  std::string m_label;
  std::string m_faceTexture = "button_text.dds";
  std::string m_highlightTexture = "button_text_h.dds";
  CTexturedSprite m_face;
  CTexturedSprite m_highlightFace;
};
