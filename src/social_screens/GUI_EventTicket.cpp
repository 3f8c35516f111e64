#include "GUI_EventTicket.h"

#include "D3DEngine.h"
#include "D3DTypes.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_Avatar.h"
#include "GUI_Backdrop.h"
#include "GUI_ButtonText.h"
#include "GUI_GUI.h"
#include "GUI_IconButton.h"
#include "GUI_MenuBase.h"
#include "GUI_MindState.h"
#include "GUI_Rain.h"
#include "GUI_Snow.h"
#include "GUI_WindowBackground.h"
#include "Game.h"
#include "LibTextEngine.h"
#include "SIM_SIM.h"
#include "SIM_ScheduledEvents.h"

GUI_SpecialEvent* GUI_SpecialEvent::PTheWindow = nullptr;
GUI_SpecialEventPostMortem* GUI_SpecialEventPostMortem::PTheWindow = nullptr;

namespace {
std::string WithTownName(const std::string& text) {
  std::string filled = text;
  GTranslation::ReplaceToken(filled, "<TOWNNAME>", GetGame()->GetTownName());
  return filled;
}
}  // namespace

// ---- the invitation

void GUI_SpecialEvent::Create(SIM_SpecialEvent* event) {
  Close();
  if (event) new GUI_SpecialEvent(event);  // the window manager owns it
}

void GUI_SpecialEvent::Close() {
  delete PTheWindow;
  PTheWindow = nullptr;
}

void GUI_SpecialEvent::Attend(int) {
  if (!PTheWindow) return;
  // The event opens its report before the invitation goes.
  PTheWindow->m_event->AttendEvent();
  Close();
}

void GUI_SpecialEvent::Reject(int) { Close(); }

GUI_SpecialEvent::GUI_SpecialEvent(SIM_SpecialEvent* event) : GUI_Dialog(true), m_event(event) {
  PTheWindow = this;
  SetSize(kWidth, kHeight);
  PlaceCentral();
  UpdateClientArea();
  const RECT& c = GetClientArea();
  const float L = (float)c.left, T = (float)c.top, R = (float)c.right, B = (float)c.bottom;
  (void)T;
  SetTitle(event->GetGUIName());
  m_attend = new GUI_ButtonText("SPECIALEVENT_ATTEND", Attend, 0);
  m_attend->SetTooltip("SPECIALEVENT_ATTEND_TOOLTIP", 30);
  m_attend->SetPosition(R - 160.0f, B - 44.0f, R - 20.0f, B - 20.0f);
  AddButton(m_attend);
  m_reject = new GUI_ButtonText("SPECIALEVENT_REJECT", Reject, 0);
  m_reject->SetTooltip("SPECIALEVENT_REJECT_TOOLTIP", 30);
  m_reject->SetPosition(L + 20.0f, B - 44.0f, L + 160.0f, B - 20.0f);
  AddButton(m_reject);
  if (SIM_GetSim()->IsDayFinished()) {
    m_attend->SetEnabled(false);
    m_reject->SetEnabled(false);
  }
  m_text = WithTownName(event->GetInviteText());
  m_ticket.SetTexture("ticket.dds");
  m_ticket.SetSize(kTicketWidth, kTicketHeight);
}

GUI_SpecialEvent::~GUI_SpecialEvent() {
  if (PTheWindow == this) PTheWindow = nullptr;
}

void GUI_SpecialEvent::Draw() {
  GUI_Dialog::Draw();
  const RECT& c = GetClientArea();
  m_ticket.PlaceLocal((float)c.left + 75.0f, GetCenterY());
  m_ticket.SetVertexColor(255, 255, 255, 255);
  m_ticket.Draw();
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime14.dds", 14.0f);
  const float left = m_ticket.Right() + 10.0f;
  text->AddWrappedString(m_text, left, (float)c.top + 30.0f, (float)c.right - m_ticket.Right() - 40.0f,
                         VBColor(0, 0, 0));
  text->ProcessTextQueue(-1);
}

// ---- the report

void GUI_SpecialEventPostMortem::Create(SIM_SpecialEvent* event) {
  Close();
  if (event) new GUI_SpecialEventPostMortem(event);  // the window manager owns it
}

void GUI_SpecialEventPostMortem::Close() {
  delete PTheWindow;
  PTheWindow = nullptr;
}

void GUI_SpecialEventPostMortem::Continue(int) { Close(); }

GUI_SpecialEventPostMortem::GUI_SpecialEventPostMortem(SIM_SpecialEvent* event) : GUI_Dialog(false), m_event(event) {
  PTheWindow = this;
  SetModal(true);
  const float W = D3DEngine::W;
  m_continue = new GUI_IconButton("bigbuttons.dds", Continue, 0);
  m_continue->SetHighlightTexture("bigbuttons.dds");
  m_continue->SetCells(16, 6, 7);
  m_continue->SetPosition(W - 78.0f, 701.0f, W - 10.0f, 769.0f);
  AddButton(m_continue);
  GUI_MenuBase::SizeStrip(m_strip);
  SetRect(&m_textBox, 64, 180, 680, 320);
  AddChild(GUI_GetMindState());
  m_text = WithTownName(event->GetPostMortem());
  GetDebug()->DebugOut(GFormat("Special event report: %s", event->GetGUIName().c_str()).c_str());
}

GUI_SpecialEventPostMortem::~GUI_SpecialEventPostMortem() {
  if (PTheWindow == this) PTheWindow = nullptr;
  GUI_MindState* mind = GUI_GetMindState();
  if (mind->GetParent() == this) RemoveChild(mind);
  GUI_GetGUI()->EndDayGUI();
}

void GUI_SpecialEventPostMortem::Draw() {
  GUI_GetBackdrop()->DrawWeatherBackdrop();
  GUI_GetRain()->Draw();
  GUI_GetSnow()->Draw();
  m_strip.Draw();
  GUI_WindowBackground::DrawTiled(m_textBox, "rounded_rectangle.dds", 32.0f, 0.5f);
  GUI_GetAvatar()->Draw();
  DrawChildren();
  DrawButtons();
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("calibriblackbold30.dds", 30.0f);
  text->AddQueueString(m_event->GetGUIName(), (float)m_textBox.left, (float)m_textBox.top, VBColor(0, 0, 0),
                       (float)(m_textBox.right - m_textBox.left), LibTextEngine::ALIGN_CENTER);
  text->ProcessTextQueue(-1);
  text->SetCurrentFont("calibriblackbold22.dds", 22.0f);
  text->AddWrappedString(m_text, 89.0f, 215.0f, 576.0f, VBColor(0, 0, 0));
  text->ProcessTextQueue(-1);
}
