#include "GUI_CommuteMethodChooser.h"

#include <cstdio>

#include "GTranslation.h"
#include "GUI_ButtonText.h"
#include "GUI_Colours.h"
#include "GUI_HintHelp.h"
#include "GUI_IconButton.h"
#include "Game.h"
#include "LibTextEngine.h"
#include "SIM_CommuteMethod.h"
#include "SIM_JobBase.h"
#include "SIM_Vede.h"

GUI_CommuteMethodChooser* GUI_CommuteMethodChooser::PTheWindow = nullptr;

namespace {
constexpr float kWidth = 580.0f;
constexpr float kHeight = 290.0f;
constexpr size_t kMaxTotalCost = 127;
}  // namespace

void GUI_CommuteMethodChooser::Create() {
  Close();
  new GUI_CommuteMethodChooser;
}

void GUI_CommuteMethodChooser::Close() {
  delete PTheWindow;
  PTheWindow = nullptr;
}

void GUI_CommuteMethodChooser::NextType(int) {
  GUI_CommuteMethodChooser* chooser = PTheWindow;
  if (!chooser || chooser->m_shown == SIM_CommuteMethod::All.end()) return;
  auto next = std::next(chooser->m_shown);
  if (next == SIM_CommuteMethod::All.end()) return;
  chooser->m_shown = next;
  chooser->OnNewMethod();
}

void GUI_CommuteMethodChooser::PrevType(int) {
  GUI_CommuteMethodChooser* chooser = PTheWindow;
  if (!chooser || chooser->m_shown == SIM_CommuteMethod::All.begin()) return;
  --chooser->m_shown;
  chooser->OnNewMethod();
}

void GUI_CommuteMethodChooser::ChooseMethod(int) {
  GUI_CommuteMethodChooser* chooser = PTheWindow;
  if (!chooser) return;
  if (chooser->m_shown != SIM_CommuteMethod::All.end()) SIM_CommuteMethod::CurrentIt = chooser->m_shown;
  Close();
}

GUI_CommuteMethodChooser::GUI_CommuteMethodChooser() : GUI_Dialog(true) {
  PTheWindow = this;
  SetTitle(GTranslation::GetString("COMMUTE_CHOOSEMETHOD_TITLE"));
  SetSize(kWidth, kHeight);
  PlaceCentral();
  m_sideMargin = 25.0f;
  UpdateClientArea();
  const RECT& client = GetClientArea();
  const float left = (float)client.left;
  const float top = (float)client.top;
  const float right = (float)client.right;
  const float bottom = (float)client.bottom;

  m_nextButton = new GUI_IconButton("smallbuttons.dds", NextType, 0);
  m_nextButton->SetHighlightTexture("smallbuttons.dds");
  m_nextButton->SetCells(16, 2, 3);
  m_nextButton->SetPosition(right - 52.0f, top + 20.0f, right - 20.0f, top + 52.0f);
  AddButton(m_nextButton);

  m_prevButton = new GUI_IconButton("smallbuttons.dds", PrevType, 0);
  m_prevButton->SetHighlightTexture("smallbuttons.dds");
  m_prevButton->SetCells(16, 0, 1);
  m_prevButton->SetPosition(left + 20.0f, top + 20.0f, left + 52.0f, top + 52.0f);
  AddButton(m_prevButton);

  m_chooseButton = new GUI_ButtonText("CHOOSE_COMMUTEMETHOD", ChooseMethod, 0);
  m_chooseButton->SetTooltip("CHOOSE_COMMUTEMETHOD_TOOLTIP", 30);
  m_chooseButton->SetPosition(left + 20.0f, bottom - 44.0f, right - 20.0f, bottom - 20.0f);
  AddButton(m_chooseButton);

  m_shown = SIM_CommuteMethod::CurrentIt;
  OnNewMethod();

  m_rangeLabel = GTranslation::GetString("COMMUTECHOOSER_RANGE");
  m_miles = GTranslation::GetString("MILES");
  m_costPerMileLabel = GTranslation::GetString("COMMUTECHOOSER_COSTPERMILE");
  m_unlimited = GTranslation::GetString("UNLIMITED");
  SetModal(true);
  GUI_HintHelp::Launch("commute_dialog");
}

GUI_CommuteMethodChooser::~GUI_CommuteMethodChooser() {
  if (PTheWindow == this) PTheWindow = nullptr;
}

SIM_CommuteMethod* GUI_CommuteMethodChooser::GetShownMethod() const {
  return m_shown == SIM_CommuteMethod::All.end() ? nullptr : *m_shown;
}

void GUI_CommuteMethodChooser::UpdateScrollButtonStatus() {
  const bool none = m_shown == SIM_CommuteMethod::All.end();
  m_prevButton->SetEnabled(!none && m_shown != SIM_CommuteMethod::All.begin());
  m_nextButton->SetEnabled(!none && std::next(m_shown) != SIM_CommuteMethod::All.end());
}

void GUI_CommuteMethodChooser::OnNewMethod() {
  UpdateScrollButtonStatus();
  SIM_CommuteMethod* method = GetShownMethod();
  m_chooseButton->SetEnabled(method && method->IsSelectable());

  const char* label = "CHOOSE_COMMUTEMETHOD";
  const char* tooltip = "CHOOSE_COMMUTEMETHOD_TOOLTIP";
  if (method && !method->IsInRange()) {
    label = "CHOOSE_COMMUTEMETHOD_OUTOFRANGE";
    tooltip = "CHOOSE_COMMUTEMETHOD_OUTOFRANGE_TOOLTIP";
  }
  if (method && !method->Affordable()) {
    label = "CHOOSE_COMMUTEMETHOD_UNAFFORDABLE";
    tooltip = "CHOOSE_COMMUTEMETHOD_UNAFFORDABLE_TOOLTIP";
  }
  m_chooseButton->SetText(GTranslation::GetString(label));
  m_chooseButton->SetTooltip(tooltip, 30);

  SIM_JobBase* job = SIM_GetVede()->GetJob();
  const float cost = method ? method->GetCost(job ? job->GetCommuteDistance() : 0.0f) : 0.0f;
  char line[kMaxTotalCost + 1];
  std::snprintf(line, sizeof line, "%s : %s%.2f", GTranslation::GetString("CHOOSE_COMMUTEMETHOD_TOTALCOST"),
                GetGame()->GetCurrency(), static_cast<double>(cost));
  m_totalCost = line;
}

std::string GUI_CommuteMethodChooser::GetRangeText() const {
  SIM_CommuteMethod* method = GetShownMethod();
  if (!method) return "";
  if (method->GetRange() < 0.0f) return m_unlimited;
  char text[128];
  std::snprintf(text, sizeof text, "%d %s", (int)method->GetRange(), m_miles.c_str());
  return text;
}

std::string GUI_CommuteMethodChooser::GetCostPerMileText() const {
  SIM_CommuteMethod* method = GetShownMethod();
  if (!method) return "";
  char text[128];
  std::snprintf(text, sizeof text, "%s:%.2f", GetGame()->GetCurrency(), static_cast<double>(method->GetCostPerMile()));
  return text;
}

void GUI_CommuteMethodChooser::Draw() {
  GUI_Dialog::Draw();
  SIM_CommuteMethod* method = GetShownMethod();
  if (!method) return;
  const RECT& client = GetClientArea();
  const float left = (float)client.left;
  const float top = (float)client.top;
  const float bottom = (float)client.bottom;
  const float clientWidth = (float)(client.right - client.left);
  LibTextEngine* text = GetTextEngine();

  text->SetCurrentFont("calibriblackbold28.dds", 28.0f);
  text->AddQueueString(method->GetGUIName(), left, top + 16.0f, kBlack, clientWidth, LibTextEngine::ALIGN_CENTER);

  text->SetCurrentFont("anime14.dds", 14.0f);
  text->AddWrappedString(method->GetDescription(), left + 20.0f, top + 59.0f, clientWidth - 40.0f, kBlack);

  text->SetCurrentFont("anime16.dds", 16.0f);
  text->AddQueueString(m_totalCost, left + 30.0f, bottom - 70.0f, kBlack, 0.0f, LibTextEngine::ALIGN_LEFT);
  text->AddQueueString(m_rangeLabel, left + 30.0f, bottom - 90.0f, kBlack, 0.0f, LibTextEngine::ALIGN_LEFT);
  text->AddQueueString(GetRangeText(), left + 130.0f, bottom - 90.0f, kBlack, 0.0f, LibTextEngine::ALIGN_LEFT);
  text->AddQueueString(m_costPerMileLabel, left + 230.0f, bottom - 90.0f, kBlack, 0.0f, LibTextEngine::ALIGN_LEFT);
  text->AddQueueString(GetCostPerMileText(), left + 360.0f, bottom - 90.0f, kBlack, 0.0f, LibTextEngine::ALIGN_LEFT);
  text->ProcessTextQueue(-1);
}
