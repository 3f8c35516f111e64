#include "GUI_MobilePhoneInbox.h"

#include <algorithm>

#include "D3DEngine.h"
#include "GDebug.h"
#include "GUI_GUI.h"
#include "GUI_IconButton.h"
#include "GUI_PhoneMessage.h"
#include "GUI_Tooltip.h"
#include "GUI_WindowManager.h"
#include "LibTextEngine.h"
#include "SIM_StandInLog.h"

GUI_MobilePhoneInbox* GUI_MobilePhoneInbox::PTheWindow = nullptr;

// ---- rows

GUI_MobilePhoneInboxStrip::GUI_MobilePhoneInboxStrip(GUI_PhoneMessage* message) {
  GAssert(message != nullptr, __FILE__, __LINE__);
  std::string sender = message ? message->GetSender() : std::string();
  if (message) m_messageId = message->GetId();
  m_sender = ShortSender(sender);
  m_background.SetTexture("phone_message.dds");
  m_unreadMark.SetTexture("phone_mesage_unread.dds");
  m_readMark.SetTexture("phone_mesage_read.dds");
  m_unreadMark.SetSize(kMarkSize, kMarkSize);
  m_readMark.SetSize(kMarkSize, kMarkSize);
  m_tooltip = new GUI_Tooltip(sender, 60);
}

GUI_MobilePhoneInboxStrip::~GUI_MobilePhoneInboxStrip() { delete m_tooltip; }

std::string GUI_MobilePhoneInboxStrip::ShortSender(const std::string& sender) {
  if (sender.size() <= kSenderShown) return sender;
  return sender.substr(0, kSenderShown) + "...";
}

GUI_PhoneMessage* GUI_MobilePhoneInboxStrip::GetMessage() const { return GUI_PhoneMessage::Find(m_messageId); }

void GUI_MobilePhoneInboxStrip::Draw() {
  const GUI_PhoneMessage* message = GetMessage();
  if (!message) return;
  m_background.SetSize(GetWidth(), GetHeight());
  m_background.PlaceLocal(GetCenterX(), GetCenterY());
  m_background.SetVertexColor(255, 255, 255, MouseInside() ? 255 : 128);
  m_background.Draw();
  CTexturedSprite& mark = message->IsRead() ? m_readMark : m_unreadMark;
  mark.PlaceLocal((float)rect.left + 18.0f, GetCenterY() - 6.0f);
  mark.Draw();
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("calibriblackbold22.dds", 22.0f);
  text->AddQueueString(m_sender, (float)rect.left + 43.0f, (float)rect.top, VBColor(0, 0, 0), 0.0f,
                       LibTextEngine::ALIGN_LEFT);
  text->ProcessTextQueue(-1);
  m_tooltip->SetPosition((float)rect.left + 43.0f, (float)rect.bottom);
  m_tooltip->Draw();
}

void GUI_MobilePhoneInboxStrip::ProcessInput() {
  GUI_WindowBase::ProcessInput();
  if (MouseInside()) m_tooltip->Ping();
}

bool GUI_MobilePhoneInboxStrip::CheckClick(float x, float y) {
  if (!IsVisible() || !PtInside(x, y)) return false;
  // The window it opens may delete the message, and with it, later, this row: nothing of either
  // is touched after Open.
  if (GUI_PhoneMessage* message = GetMessage()) message->Open();
  return true;
}

// ---- the inbox

void GUI_MobilePhoneInbox::Create() {
  GUI_GetGUI()->CloseLeftHandWindows();
  if (!PTheWindow) PTheWindow = new GUI_MobilePhoneInbox;
  GetDebug()->DebugOut(GFormat("Inbox: %d message(s)", (int)PTheWindow->m_rows.size()).c_str());
}

GUI_MobilePhoneInbox::GUI_MobilePhoneInbox() {
  const float H = D3DEngine::H;
  SetSize(kWidth, kHeight);
  SetPosition(0.0f, H);
  m_background.SetTexture("phone_large.dds");
  m_background.SetSize(kWidth, kHeight);
  m_background.SetUV(0.0f, 0.0f, 0.71875f, 0.67089844f);
  PTheWindow = this;
  Populate();
  // Under every other window: what the messages open must lie above the phone.
  AddToGUI();
  GUI_GetWindowManager()->AddWindow(this, false);
  SetBringToTop(false);
  m_slide = SLIDE_OPENING;
  m_slideTimer.StartTimer();
  m_closeButton = new GUI_IconButton("phone_close.dds", Hide, 0);
  m_closeButton->SetHighlightTexture("phone_close_h.dds");
  AddButton(m_closeButton);
  LayOut();
}

GUI_MobilePhoneInbox::~GUI_MobilePhoneInbox() {
  if (PTheWindow == this) PTheWindow = nullptr;
}

void GUI_MobilePhoneInbox::Hide(int) {
  SIM_StandInLog::Record("GUI_MobilePhoneInbox::Hide");
  if (!PTheWindow) return;
  PTheWindow->m_slide = SLIDE_CLOSING;
  PTheWindow->m_slideTimer.StartTimer();
}

void GUI_MobilePhoneInbox::Close(int) {
  SIM_StandInLog::Record("GUI_MobilePhoneInbox::Close");
  delete PTheWindow;
  PTheWindow = nullptr;
}

bool GUI_MobilePhoneInbox::IsOpen() {
  SIM_StandInLog::Record("GUI_MobilePhoneInbox::IsOpen");
  return PTheWindow && PTheWindow->m_slide == SLIDE_OPEN;
}

void GUI_MobilePhoneInbox::Populate() {
  GUI_MobilePhoneInbox* inbox = PTheWindow;
  if (!inbox) return;
  inbox->KillChildren();
  inbox->m_rows.clear();
  for (GUI_PhoneMessage* message : GUI_PhoneMessage::All) {
    GUI_MobilePhoneInboxStrip* row = new GUI_MobilePhoneInboxStrip(message);
    inbox->AddChild(row);
    inbox->m_rows.push_back(row);
  }
  inbox->LayOut();
}

void GUI_MobilePhoneInbox::DropDeadRows() {
  for (auto it = m_rows.begin(); it != m_rows.end();) {
    GUI_MobilePhoneInboxStrip* row = *it;
    if (row->GetMessage()) {
      ++it;
      continue;
    }
    it = m_rows.erase(it);
    RemoveChild(row);
    delete row;
  }
}

float GUI_MobilePhoneInbox::SlideOffset(SLIDE state, double elapsedMs) {
  float t = (float)(elapsedMs / kSlideMs);
  t = std::clamp(t, 0.0f, 1.0f);
  if (state == SLIDE_OPENING) return (1.0f - t) * kHeight;
  if (state == SLIDE_CLOSING) return t * kHeight;
  return 0.0f;
}

void GUI_MobilePhoneInbox::LayOut() {
  SetPosition(0.0f, D3DEngine::H - kHeight + m_offset);
  m_background.PlaceLocal(GetCenterX(), GetCenterY());
  float top = (float)rect.top + kFirstRowTop;
  for (GUI_MobilePhoneInboxStrip* row : m_rows) {
    row->SetPosition((float)rect.left + 55.0f, top, (float)rect.right - 54.0f, top + kRowHeight);
    top += kRowStep;
  }
  if (m_closeButton) {
    m_closeButton->SetPosition((float)rect.right - 86.0f, (float)rect.top + 93.0f, (float)rect.right - 54.0f,
                               (float)rect.top + 125.0f);
  }
}

void GUI_MobilePhoneInbox::Draw() {
  if (!IsVisible()) return;
  DropDeadRows();
  m_slideTimer.Update();
  const double elapsed = m_slideTimer.GetElapsed();
  if (m_slide == SLIDE_OPENING) {
    m_offset = SlideOffset(SLIDE_OPENING, elapsed);
    if (elapsed >= kSlideMs) m_slide = SLIDE_OPEN;
  } else if (m_slide == SLIDE_CLOSING) {
    if (elapsed >= kSlideMs) {
      SetVisible(false);
      return;
    }
    m_offset = SlideOffset(SLIDE_CLOSING, elapsed);
  } else {
    m_offset = 0.0f;
  }
  LayOut();
  m_background.Draw();
  DrawButtons();
  DrawChildren();
}
