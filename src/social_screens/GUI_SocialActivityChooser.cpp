#include "GUI_SocialActivityChooser.h"

#include <algorithm>
#include <cstdio>

#include "D3DEngine.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_ButtonText.h"
#include "GUI_Colours.h"
#include "GUI_DataButton.h"
#include "GUI_DragIcon.h"
#include "GUI_GUI.h"
#include "GUI_HintHelp.h"
#include "GUI_NPC.h"
#include "GUI_NamedObject.h"
#include "GUI_Sounds.h"
#include "Game.h"
#include "LibTextEngine.h"
#include "SIM_Finances.h"
#include "SIM_Health.h"
#include "SIM_InterestType.h"
#include "SIM_NPC.h"
#include "SIM_Romance.h"
#include "SIM_SIM.h"
#include "SIM_SocialiseInstance.h"
#include "SIM_SocialiseType.h"
#include "SIM_Subsidies.h"
#include "SIM_Vede.h"

GUI_SocialActivityChooser* GUI_SocialActivityChooser::PTheWindow = nullptr;

namespace {

constexpr float kChooserWidth = 340.0f;
constexpr float kChooserHeight = 430.0f;
constexpr float kIconStep = GUI_EventIcon::ED_ICONSIZE + 5.0f;
constexpr int kIconsPerRow = 4;
constexpr size_t kMaxDescription = 2048;
constexpr size_t kMaxCostText = 64;

}  // namespace

// ---------------------------------------------------------------------------------------------
// One place on the guest row

GUI_EventIcon::GUI_EventIcon(SIM_NPC* npc) : GUI_ButtonBase(nullptr, 0), m_npc(npc) {
  const float size = ED_ICONSIZE;
  if (npc) {
    m_background.SetTexture("npc_icon_background.dds");
    m_portrait.SetTexture(npc->GetPortraitTexture());
    m_portrait.SetSize(size, size);
    SetRawTooltip(npc->GetFullName(), 30);
  } else {
    m_background.SetTexture("blank_person.dds");
    SetTooltip("TOOLTIP_EVENT_DUMMY_ICON", 60);
  }
  m_background.SetSize(size, size);
}

void GUI_EventIcon::Draw() {
  GUI_ButtonBase::Draw();
  const float cx = GetCenterX();
  const float cy = GetCenterY();
  m_background.PlaceLocal(cx, cy);
  if (m_npc) {
    m_background.SetVertexColor(255, 255, 255, 255);
    m_background.Draw();
    m_portrait.PlaceLocal(cx, cy);
    m_portrait.Draw();
  } else {
    m_background.SetVertexColor(255, 255, 255, m_required ? 255 : 128);
    m_background.Draw();
  }
}

void GUI_EventIcon::Click() {
  if (m_npc) GUI_NPC::Create(m_npc);
}

// ---------------------------------------------------------------------------------------------
// Opening and closing

void GUI_SocialActivityChooser::Create() {
  if (PTheWindow) {
    Close();
    return;
  }
  GUI_GetGUI()->CloseLeftHandWindows();
  new GUI_SocialActivityChooser();
}

void GUI_SocialActivityChooser::Close() {
  GUI_SocialActivityChooser* window = PTheWindow;
  PTheWindow = nullptr;
  delete window;
}

GUI_SocialActivityChooser::GUI_SocialActivityChooser() : GUI_Dialog(true) {
  PTheWindow = this;
  const float H = (float)GetD3DEngine()->GetScreenHeight();
  SetPosition(0.0f, H / 2.0f - kChooserHeight / 2.0f, kChooserWidth, H / 2.0f + kChooserHeight / 2.0f);
  SetTitle(GTranslation::GetString("SOCIALISE"));
  m_topMargin = 48.0f;
  UpdateClientArea();

  for (SIM_SocialiseType* type : SIM_SocialiseType::All)
    if (type->IsAvailable()) m_types.push_back(type);

  m_socialiseText = GTranslation::GetString("SOCIALISE");
  m_noMoneyText = GTranslation::GetString("INSUFFICIENT_CASH");
  m_costCaption = GTranslation::GetString("SOCIALISE_COST");
  m_hostCostCaption = GTranslation::GetString("SOCIALISE_HOSTCOST");
  m_variableText = GTranslation::GetString("VARIABLE");
  m_interestsCaption = GTranslation::GetString("SOCIALISE_INTERESTS");

  const RECT& c = m_clientArea;
  m_nextButton = new GUI_DataButton("smallbuttons.dds", NextPlace, this);
  m_prevButton = new GUI_DataButton("smallbuttons.dds", PrevPlace, this);
  AddPageArrows(m_prevButton, m_nextButton);

  m_socialiseButton = new GUI_ButtonText("SOCIALISE", Socialise, 0);
  m_socialiseButton->SetPosition((float)c.left + 20.0f, (float)c.bottom - 44.0f, (float)c.right - 20.0f,
                                 (float)c.bottom - 20.0f);
  AddButton(m_socialiseButton);
  AddHelpButton("HELP_SOCIALACTIVITY");

  if (m_types.empty()) {
    // Nothing to organise tonight: the chooser says so and cannot start anything.
    SetTitle(GTranslation::GetString("SOCIALISE_NOTHING_TODAY_TITLE"));
    m_description = GTranslation::GetString("SOCIALISE_NOTHING_TODAY");
    GTranslation::ReplaceToken(m_description, "<TOWNNAME>", GetGame()->GetTownName());
    GetDebug()->DebugOut("Social chooser: no social event is available today");
  }
  OnNewPlace();
  GUI_HintHelp::Launch("social_dialog");
  GUI_GetGUI()->SetInputHandler(this);
  GUI_NamedObject::Register("SocialActivities", this);
}

GUI_SocialActivityChooser::~GUI_SocialActivityChooser() {
  GUI_GUI* gui = GUI_GetGUI();
  if (gui->GetInputHandler() == this) gui->SetInputHandler(nullptr);
  if (PTheWindow == this) PTheWindow = nullptr;
  GUI_NamedObject::UnRegister(this);
}

// ---------------------------------------------------------------------------------------------
// Static entry points

void GUI_SocialActivityChooser::ScrollToActivity(const char* name) {
  if (!PTheWindow) Create();
  GUI_SocialActivityChooser* chooser = PTheWindow;
  if (!chooser || !name) return;
  for (size_t i = 0; i < chooser->m_types.size(); ++i) {
    if (chooser->m_types[i]->GetName() == name) {
      chooser->m_place = i;
      chooser->OnNewPlace();
      return;
    }
  }
}

SIM_SocialiseType* GUI_SocialActivityChooser::GetSelectedType() { return PTheWindow ? PTheWindow->m_selected : nullptr; }

void GUI_SocialActivityChooser::CheckDropIcon(GUI_DragIcon* icon) {
  GUI_SocialActivityChooser* chooser = PTheWindow;
  if (!chooser || !icon || !chooser->MouseInside()) return;
  SIM_NPC* npc = icon->GetNPC();
  if (npc && chooser->CanInvite(npc) && PTheWindow == chooser) chooser->Invite(npc);
}

void GUI_SocialActivityChooser::ForceDropIcon(SIM_NPC* npc) {
  if (PTheWindow && npc) PTheWindow->Invite(npc);
}

bool GUI_SocialActivityChooser::NPCAlreadyInvited(const SIM_NPC* npc) { return PTheWindow && PTheWindow->IsInvited(npc); }

void GUI_SocialActivityChooser::Socialise(int) {
  GUI_SocialActivityChooser* chooser = PTheWindow;
  if (!chooser || !chooser->m_selected) return;
  // The evening may open a full-screen page, which closes every dialog and with it this one and
  // the button whose callback this is: take what the evening needs and touch nothing afterwards.
  std::list<SIM_Person*> guests = chooser->m_invitees;
  SIM_SocialiseType* type = chooser->m_selected;
  Close();
  SIM_SocialiseInstance::Create(guests, type, SIM_GetVede());
}

void GUI_SocialActivityChooser::NextPlace(void* data) {
  GUI_SocialActivityChooser* chooser = static_cast<GUI_SocialActivityChooser*>(data);
  if (!chooser || chooser->m_types.empty()) return;
  chooser->m_place = (chooser->m_place + 1) % chooser->m_types.size();
  chooser->OnNewPlace();
}

void GUI_SocialActivityChooser::PrevPlace(void* data) {
  GUI_SocialActivityChooser* chooser = static_cast<GUI_SocialActivityChooser*>(data);
  if (!chooser || chooser->m_types.empty()) return;
  chooser->m_place = chooser->m_place == 0 ? chooser->m_types.size() - 1 : chooser->m_place - 1;
  chooser->OnNewPlace();
}

void GUI_SocialActivityChooser::MouseWheelDown() {
  if (!PTheWindow) return;
  GUI_GetSounds()->PlaySound(0);
  NextPlace(PTheWindow);
}

void GUI_SocialActivityChooser::MouseWheelUp() {
  if (!PTheWindow) return;
  GUI_GetSounds()->PlaySound(0);
  PrevPlace(PTheWindow);
}

void GUI_SocialActivityChooser::HandleKey(unsigned key) {
  switch (key) {
    case KEY_ESCAPE:
      Close();
      return;
    case KEY_LEFT:
      MouseWheelUp();
      return;
    case KEY_RIGHT:
      MouseWheelDown();
      return;
    default:
      GUI_WindowBase::HandleKey(key);
  }
}

// ---------------------------------------------------------------------------------------------
// The guests

bool GUI_SocialActivityChooser::IsInvited(const SIM_NPC* npc) const {
  for (const SIM_Person* person : m_invitees)
    if (person == (const SIM_Person*)npc) return true;
  return false;
}

bool GUI_SocialActivityChooser::CanInvite(SIM_NPC* npc) {
  if (!npc || !m_selected) return false;
  if (IsInvited(npc)) return false;
  const int invitees = (int)m_invitees.size();
  if (invitees + 1 >= m_selected->GetMaxAttendees()) return false;
  if (invitees > MAX_INVITEES - 1) return false;
  if (!npc->IsIntroduced()) return false;
  if (!npc->AcceptInvite(m_selected, SIM_GetVede())) return false;
  if (m_selected->GetProcessFunction() == "ROMANTIC" && !SIM_GetRomance()->IsCurrentPartner(npc)) return false;
  return true;
}

void GUI_SocialActivityChooser::Invite(SIM_NPC* npc) {
  m_invitees.push_back(npc);
  AddIcon(new GUI_EventIcon(npc));
  GetDebug()->DebugOut(GFormat("Social chooser: %s invited", npc->GetFullName().c_str()).c_str());
}

void GUI_SocialActivityChooser::TakeIcon(GUI_EventIcon* icon) {
  m_icons.remove(icon);
  RemoveButton(icon);
  delete icon;
}

void GUI_SocialActivityChooser::RemoveBlankIcon() {
  for (GUI_EventIcon* icon : m_icons) {
    if (!icon->GetNPC()) {
      TakeIcon(icon);
      return;
    }
  }
}

void GUI_SocialActivityChooser::AddIcon(GUI_EventIcon* icon) {
  if (icon->GetNPC()) {
    RemoveBlankIcon();
    m_icons.push_front(icon);
  } else {
    m_icons.push_back(icon);
  }
  AddButton(icon);

  const int n = std::min((int)m_icons.size(), kIconsPerRow);
  const float startX = GetCenterX() - (float)n * kIconStep / 2.0f;
  float x = startX;
  float y = (float)m_clientArea.bottom - 2.0f * GUI_EventIcon::ED_ICONSIZE - 60.0f;
  int placed = 0;
  for (GUI_EventIcon* each : m_icons) {
    each->SetPosition(x, y, x + kIconStep, y + kIconStep);
    x += kIconStep;
    if (++placed % kIconsPerRow == 0) {
      x = startX;
      y += kIconStep + 5.0f;
    }
  }
}

void GUI_SocialActivityChooser::FillSlots() {
  while (!m_icons.empty()) TakeIcon(m_icons.front());
  if (!m_selected) return;
  const int slots = std::min(m_selected->GetMaxAttendees() - 1, MAX_INVITEES);
  const int required = m_selected->GetMinAttendees() - 1;
  for (int i = 0; i < slots; ++i) {
    GUI_EventIcon* icon = new GUI_EventIcon(nullptr);
    if (i < required) icon->SetRequired();
    AddIcon(icon);
  }
}

void GUI_SocialActivityChooser::OnNewPlace() {
  SIM_Subsidies::Clear();
  m_selected = m_types.empty() ? nullptr : m_types[std::min(m_place, m_types.size() - 1)];
  if (m_selected) {
    m_description = m_selected->GetDescription().substr(0, kMaxDescription);
    GTranslation::ReplaceToken(m_description, "<TOWNNAME>", GetGame()->GetTownName());
  }
  m_invitees.clear();
  FillSlots();
  if (m_selected) GetDebug()->DebugOut(GFormat("Social chooser: %s", m_selected->GetName().c_str()).c_str());
}

// ---------------------------------------------------------------------------------------------
// Drawing

void GUI_SocialActivityChooser::UpdateScrollButtonStatus() {
  const bool free = m_invitees.empty() && !m_types.empty();
  m_nextButton->SetEnabled(free);
  m_prevButton->SetEnabled(free);
}

int GUI_SocialActivityChooser::Price(SIM_SocialiseType* type) {
  if (!type) return 0;
  return type->GetHostCost() != 0 ? type->GetHostCost() : type->GetCostPerHead();
}

void GUI_SocialActivityChooser::UpdateSocialiseButton() {
  if (!m_selected) {
    m_socialiseButton->SetText(m_socialiseText);
    m_socialiseButton->SetEnabled(false);
    return;
  }
  // The chooser may be opened by a script at any hour; an evening out needs an evening to spend.
  SIM_SIM* sim = SIM_GetSim();
  const bool evening = sim->GetTurnMode() == SIM_SIM::TURNMODE_EVENING && sim->GetActivitiesRemaining() > 0;
  bool enabled = evening && SIM_GetHealth()->IsHealthy() && (int)m_invitees.size() + 1 >= m_selected->GetMinAttendees();
  const int price = Price(m_selected);
  if (price > 0 && (float)price > SIM_GetFinances()->GetCash()) {
    m_socialiseButton->SetText(m_noMoneyText);
    enabled = false;
  } else {
    m_socialiseButton->SetText(m_socialiseText);
  }
  m_socialiseButton->SetEnabled(enabled);
}

std::string GUI_SocialActivityChooser::Delimited(int amount) {
  std::string digits = std::to_string(amount < 0 ? -(long long)amount : (long long)amount);
  std::string out;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return amount < 0 ? "-" + out : out;
}

void GUI_SocialActivityChooser::DrawEventDetails() {
  LibTextEngine* text = GetTextEngine();
  const float L = (float)m_clientArea.left;
  const float R = (float)m_clientArea.right;
  const float y0 = (float)m_clientArea.top + 125.0f;
  text->SetCurrentFont("anime14.dds", 14.0f);

  std::string cost;
  if (m_selected->GetCostPerHead() == -99) {
    cost = m_variableText;
  } else {
    cost = GFormat("%s %s", GetGame()->GetCurrency(), Delimited(m_selected->GetCostPerHead()).c_str()).substr(0, kMaxCostText);
  }
  text->AddQueueString(GFormat("%s  %s", m_costCaption.c_str(), cost.c_str()), L + 20.0f, y0, kBlack, 0.0f,
                       LibTextEngine::ALIGN_LEFT);
  if (m_selected->GetHostCost() > 0) {
    text->AddQueueString(m_hostCostCaption, L + 160.0f, y0 - 20.0f, kBlack, 0.0f, LibTextEngine::ALIGN_LEFT);
    text->AddQueueString(GFormat("%s %s", GetGame()->GetCurrency(), Delimited(m_selected->GetHostCost()).c_str()),
                         L + 252.0f, y0 - 20.0f, kBlack, 0.0f, LibTextEngine::ALIGN_LEFT);
  }
  text->AddQueueString(m_interestsCaption, L + 20.0f, y0 + 20.0f, kBlack, 0.0f, LibTextEngine::ALIGN_LEFT);
  int k = 0;
  for (const SIM_SocialiseType::Interest* interest : m_selected->GetInterests()) {
    const SIM_InterestType* type = SIM_InterestType::GetType(interest->name);
    const std::string& name = type ? type->GetGUIName() : interest->name;
    text->AddWrappedString(name, L + 30.0f + 140.0f * (float)(k % 2), y0 + 40.0f + 16.0f * (float)(k / 2), R - L - 20.0f,
                           kBlack);
    ++k;
  }
}

void GUI_SocialActivityChooser::Draw() {
  UpdateScrollButtonStatus();
  UpdateSocialiseButton();
  GUI_Dialog::Draw();
  const float L = (float)m_clientArea.left;
  const float T = (float)m_clientArea.top;
  const float clientWidth = (float)(m_clientArea.right - m_clientArea.left);
  LibTextEngine* text = GetTextEngine();
  if (m_selected) {
    text->SetCurrentFont("calibriblackbold24.dds", 24.0f);
    text->AddQueueString(m_selected->GetGUIName(), L, T + 24.0f, kBlack, clientWidth, LibTextEngine::ALIGN_CENTER);
    text->SetCurrentFont("anime14.dds", 14.0f);
    text->AddWrappedString(m_description, L + 20.0f, T + 52.0f, clientWidth - 40.0f, kBlack);
    DrawEventDetails();
  } else {
    text->SetCurrentFont("anime14.dds", 14.0f);
    text->AddWrappedString(m_description, L + 20.0f, T + 24.0f, clientWidth - 40.0f, kBlack);
  }
  text->ProcessTextQueue(-1);
}
