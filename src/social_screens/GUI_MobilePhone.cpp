#include "GUI_MobilePhone.h"

#include "D3DEngine.h"
#include "GTranslation.h"
#include "GUI_MobilePhoneInbox.h"
#include "GUI_PhoneMessage.h"
#include "GUI_Sounds.h"
#include "GUI_Tooltip.h"
#include "GUI_Tutorial.h"
#include "SIM_StandInLog.h"

GUI_MobilePhone* GUI_MobilePhone::Instance = nullptr;

GUI_MobilePhone* GUI_GetMobilePhone() {
  // Lives as long as the run; only closing every window (tests, the shutdown) deletes it, and the
  // next use makes a fresh one.
  if (!GUI_MobilePhone::Instance) GUI_MobilePhone::Instance = new GUI_MobilePhone;
  return GUI_MobilePhone::Instance;
}

GUI_MobilePhone::GUI_MobilePhone() {
  m_tooltip = new GUI_Tooltip(GTranslation::GetString("MOBILEPHONE_TOOLTIP"), 40);
  m_tooltip->SetMode(GUI_Tooltip::TOOLTIPMODE_NORMAL);
  SetCloseOnRestart(false);
}

GUI_MobilePhone::~GUI_MobilePhone() {
  delete m_tooltip;
  if (Instance == this) Instance = nullptr;
}

void GUI_MobilePhone::Initialise() {
  SIM_StandInLog::Record("GUI_MobilePhone::Initialise");
  SetSize(kWidth, kHeight);
  SetPosition((float)D3DEngine::W - kWidth, 6.0f);
  m_icon.SetSize(kWidth, kHeight);
  // The phone stands in the right part of a power-of-two sheet.
  m_icon.SetUV(0.171875f, 0.0390625f, 1.0f, 0.59765625f);
  m_texture.SetTexture("mobilephone.dds");
  m_highlightTexture.SetTexture("mobilephone_h.dds");
  m_status = STATUS_IDLE;
  m_highlight = false;
  m_icon.PlaceLocal(GetCenterX(), GetCenterY());
  m_tooltip->SetPosition((float)rect.left, (float)rect.bottom);
  AddToGUI();
  m_initialised = true;
}

void GUI_MobilePhone::UpdateStatus() {
  if (m_status == STATUS_RINGING) return;
  m_status = GUI_PhoneMessage::Unread.empty() ? STATUS_IDLE : STATUS_UNREAD;
}

void GUI_MobilePhone::Draw() {
  if (!m_initialised) Initialise();
  UpdateStatus();
  if (m_status == STATUS_UNREAD) {
    m_highlight = true;
  } else if (m_status == STATUS_RINGING) {
    m_blinkTimer.Update();
    if (m_blinkTimer.GetElapsed() > kBlinkMs) {
      m_blinkTimer.StartTimer();
      m_highlight = !m_highlight;
    }
  } else {
    m_highlight = false;
  }
  m_icon.SetTexture(m_highlight ? m_highlightTexture.GetTextureName() : m_texture.GetTextureName());
  m_icon.Draw();
  m_tooltip->Draw();
}

void GUI_MobilePhone::ProcessInput() {
  GUI_WindowBase::ProcessInput();
  if (MouseInside()) m_tooltip->Ping();
}

bool GUI_MobilePhone::CheckClick(float x, float y) {
  if (GUI_Tutorial::IsRunning()) return false;
  if (x < m_icon.Left() || x > m_icon.Right() || y < m_icon.Top() || y > m_icon.Bottom()) return false;
  Clicked();
  return true;
}

void GUI_MobilePhone::Clicked() {
  SIM_StandInLog::Record("GUI_MobilePhone::Clicked");
  GUI_MobilePhoneInbox::Create();
  GUI_GetSounds()->StopSound(kRingTone);
  m_status = STATUS_UNREAD;
}

void GUI_MobilePhone::CheckRinging() {
  SIM_StandInLog::Record("GUI_MobilePhone::CheckRinging");
  if (GUI_PhoneMessage::Unread.empty()) {
    m_status = STATUS_IDLE;
    m_highlight = false;
    return;
  }
  if (!GUI_MobilePhoneInbox::IsOpen()) {
    GUI_Sounds* sounds = GUI_GetSounds();
    sounds->StopSound(kRingTone);
    sounds->PlaySound(kRingTone, true);
    m_status = STATUS_RINGING;
    m_blinkTimer.StartTimer();
  }
  m_highlight = true;
}

void GUI_MobilePhone::StopSounds() {
  SIM_StandInLog::Record("GUI_MobilePhone::StopSounds");
  GUI_GetSounds()->StopSound(kRingTone);
}
