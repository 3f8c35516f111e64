#include "GUI_Message.h"

#include <algorithm>

#include "D3DEngine.h"
#include "GTranslation.h"
#include "LibTextEngine.h"
#include "SIM_Vede.h"

GUI_Message* GUI_Message::Create(const std::string& text, const std::string& title) {
  GUI_Message* message = new GUI_Message(text);  // the window manager owns it
  message->SetTitle(title);
  return message;
}

GUI_Message::GUI_Message(const std::string& text) : GUI_Dialog(true) { Initialise(text); }

GUI_Message::~GUI_Message() = default;

void GUI_Message::Initialise(const std::string& text) {
  // The forename is typed by the player, so the text grows in a string rather than a fixed buffer.
  std::string prepared = text;
  GTranslation::ReplaceToken(prepared, "<RAVEZIRER>", SIM_GetVede()->GetForeName());
  m_text = prepared;
  m_laidOut = false;
  SetSize(kWidth, kHeight);
  PlaceCentral();
  UpdateClientArea();
}

void GUI_Message::Draw() {
  LibTextEngine* text = GetTextEngine();
  if (!m_laidOut) {
    text->SetCurrentFont("anime14.dds", 14.0f);
    float clientWidth = (float)(m_clientArea.right - m_clientArea.left);
    float h = text->GetWrappedHeight(m_text.c_str(), clientWidth - 40.0f);
    SetPosition((float)rect.left, (float)rect.top, (float)rect.right,
                (float)(int32_t)((float)rect.top + 110.0f + h));
    UpdateClientArea();
    m_laidOut = true;
  }
  GUI_Dialog::Draw();
  text->SetCurrentFont("anime14.dds", 14.0f);
  float clientWidth = (float)(m_clientArea.right - m_clientArea.left);
  text->AddWrappedString(m_text, (float)m_clientArea.left + 20.0f, (float)m_clientArea.top + 20.0f,
                         clientWidth - 40.0f, VBColor(0, 0, 0));
  text->ProcessTextQueue(-1);
}

std::string GUI_TextureMessage::ShortTitle(const std::string& title) {
  if (title.size() < kTitleKept) return title;
  return title.substr(0, kTitleKept) + "...";
}

GUI_TextureMessage* GUI_TextureMessage::Create(const std::string& texture, const std::string& text,
                                               const std::string& title) {
  return new GUI_TextureMessage(texture, text, title);  // the window manager owns it
}

GUI_TextureMessage::GUI_TextureMessage(const std::string& texture, const std::string& text, const std::string& title)
    : GUI_Message(text), m_texture(texture) {
  SetTitle(ShortTitle(title));
  m_picture.SetSize(kPictureSize, kPictureSize);
}

GUI_TextureMessage::~GUI_TextureMessage() = default;

void GUI_TextureMessage::Draw() {
  GUI_Dialog::Draw();
  m_picture.PlaceLocal((float)m_clientArea.left + 50.0f, (float)m_clientArea.top + 50.0f);
  if (GetD3DEngine()->SetTexture(m_texture)) m_picture.DrawNoChecks();
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime14.dds", 14.0f);
  if (!m_laidOut) {
    m_wrapWidth = ((float)m_clientArea.right - 20.0f) - m_picture.Right() - 10.0f;
    float h = std::max(text->GetWrappedHeight(m_text.c_str(), m_wrapWidth) + 90.0f, 170.0f);
    SetPosition((float)rect.left, (float)rect.top, (float)rect.right, (float)(int32_t)((float)rect.top + h));
    UpdateClientArea();
    m_laidOut = true;
  }
  text->AddWrappedString(m_text, m_picture.Right() + 10.0f, (float)m_clientArea.top + 20.0f, m_wrapWidth,
                         VBColor(0, 0, 0));
  text->ProcessTextQueue(-1);
}
