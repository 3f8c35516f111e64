#include "GUI_ButtonText.h"

#include "GTranslation.h"
#include "LibTextEngine.h"

GUI_ButtonText::GUI_ButtonText(const char* labelKey, Callback callback, int argument)
    : GUI_ButtonBase(callback, argument), m_label(GTranslation::GetString(labelKey ? labelKey : "")) {
  m_face.SetTexture(m_faceTexture.c_str());
  m_highlightFace.SetTexture(m_highlightTexture.c_str());
}

GUI_ButtonText::GUI_ButtonText(const std::string& labelKey, Callback callback, int argument)
    : GUI_ButtonText(labelKey.c_str(), callback, argument) {}

void GUI_ButtonText::SetHighlightTexture(const std::string& name) {
  m_highlightTexture = name;
  m_highlightFace.SetTexture(name);
}

void GUI_ButtonText::SetTexture(const std::string& name) {
  m_faceTexture = name;
  m_face.SetTexture(name);
}

void GUI_ButtonText::DrawFace(CTexturedSprite& face) {
  const float cy = GetCenterY();
  face.rotation = 0.0f;
  face.SetSize(kCapWidth, kFaceHeight);
  face.SetUV(0.0f, 0.0f, 0.25f, 1.0f);
  face.PlaceLocal((float)rect.left + kCapWidth / 2.0f, cy);
  face.Draw();
  face.SetUV(0.75f, 0.0f, 1.0f, 1.0f);
  face.PlaceLocal((float)rect.right - kCapWidth / 2.0f, cy);
  face.Draw();
  const float middle = (float)width - 2.0f * kCapWidth;
  if (middle > 0.0f) {
    face.SetSize(middle, kFaceHeight);
    face.SetUV(0.5f, 0.0f, 0.75f, 1.0f);
    face.PlaceLocal(GetCenterX(), cy);
    face.Draw();
  }
}

void GUI_ButtonText::Draw() {
  if (m_enabled) {
    CTexturedSprite& face = m_state == GUIBUTTONSTATE_HIGHLIGHTED ? m_highlightFace : m_face;
    face.SetVertexColor(255, 255, 255, 255);
    DrawFace(face);
  } else {
    m_face.SetVertexColor(192, 192, 192, 128);
    DrawFace(m_face);
  }
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime14.dds", 14.0f);
  // Centred on the face as the tab buttons' labels are: our fonts carry no padding above the
  // letters, so a label hung from the button's top would sit on the face's upper rim.
  text->AddQueueString(m_label, (float)rect.left, (float)(rect.top + height / 2 - 7),
                       VBColor(0, 0, 0, m_enabled ? 255 : 64), (float)width, LibTextEngine::ALIGN_CENTER);
  text->ProcessTextQueue(-1);
  GUI_ButtonBase::Draw();
}
