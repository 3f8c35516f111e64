#include "GUI_SoloActivityChooser.h"

#include "D3DEngine.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_ButtonText.h"
#include "GUI_Colours.h"
#include "GUI_GUI.h"
#include "GUI_HintHelp.h"
#include "GUI_IconButton.h"
#include "GUI_NamedObject.h"
#include "GUI_ProjectPanels.h"
#include "GUI_SocialActivityChooser.h"
#include "GUI_Sounds.h"
#include "GUI_WindowBackground.h"
#include "Game.h"
#include "LibTextEngine.h"
#include "SIM_Attribute.h"
#include "SIM_SIM.h"
#include "SIM_SoloActivityType.h"
#include "SIM_StandInLog.h"

GUI_SoloActivityChooser* GUI_SoloActivityChooser::PTheWindow = nullptr;

namespace {

constexpr float kSoloChooserWidth = 470.0f;
constexpr float kSoloChooserHeight = 410.0f;
constexpr size_t kMaxSoloDescription = 2047;
constexpr float kEffectLineStep = 18.0f;

}  // namespace

// ---------------------------------------------------------------------------------------------
// Opening and closing

void GUI_SoloActivityChooser::Create() {
  if (PTheWindow) {
    Close();
    return;
  }
  GUI_GetGUI()->CloseLeftHandWindows();
  new GUI_SoloActivityChooser();
}

void GUI_SoloActivityChooser::Close() {
  SIM_StandInLog::Record("GUI_SoloActivityChooser::Close");
  GUI_SoloActivityChooser* window = PTheWindow;
  PTheWindow = nullptr;
  delete window;
}

GUI_SoloActivityChooser::GUI_SoloActivityChooser() : GUI_Dialog(true) {
  PTheWindow = this;
  SetTitle(GTranslation::GetString("SOLO_ACTIVITY"));
  const int screenHeight = GetD3DEngine()->GetScreenHeight();
  const float top = (float)(screenHeight / 2 - (int)kSoloChooserHeight / 2);
  SetPosition(0.0f, top, kSoloChooserWidth, top + kSoloChooserHeight);
  m_effectsVary = GTranslation::GetString("EFFECTS_VARY");
  m_reducesText = GTranslation::GetString("REDUCES");
  m_increasesText = GTranslation::GetString("INCREASES");
  UpdateClientArea();

  const RECT& c = m_clientArea;
  const float centre = GetCenterX();
  m_reducesBox = {c.left + 16, c.top + 155, (int)(centre - 2.0f), c.bottom - 47};
  m_increasesBox = {(int)(centre + 4.0f), c.top + 155, c.right - 16, c.bottom - 47};

  Populate();
  AddHelpButton("HELP_SOLOACTIVITY");

  m_nextButton = new GUI_IconButton("smallbuttons.dds", NextActivity, 0);
  m_prevButton = new GUI_IconButton("smallbuttons.dds", PrevActivity, 0);
  AddPageArrows(m_prevButton, m_nextButton);
  m_startButton = new GUI_ButtonText("START_SOLO_ACTIVITY", StartActivity, 0);
  m_startButton->SetPosition((float)c.left + 70.0f, (float)c.bottom - 44.0f, (float)c.right - 70.0f,
                             (float)c.bottom - 20.0f);
  AddButton(m_startButton);

  OnNewType();
  GUI_HintHelp::Launch("solo_dialog");
  GUI_GetGUI()->SetInputHandler(this);
  GUI_NamedObject::Register("SoloActivity", this);
}

GUI_SoloActivityChooser::~GUI_SoloActivityChooser() {
  if (PTheWindow == this) PTheWindow = nullptr;
  m_list.clear();
  m_increases.clear();
  m_reduces.clear();
  GUI_GetGUI()->RemoveInputHandler(this);
  GUI_NamedObject::UnRegister(this);
}

// ---------------------------------------------------------------------------------------------
// The list

void GUI_SoloActivityChooser::Populate() {
  m_list.clear();
  for (SIM_SoloActivityType* type : SIM_SoloActivityType::All) {
    if (type->IsAvailable() || type->RestrictedOnlyByEnergy()) m_list.push_back(type);
  }
  m_place = 0;
  m_type = m_list.empty() ? nullptr : m_list.front();
  if (m_list.empty()) {
    // Nothing to do alone tonight (everything locked, out of season or waiting for its day): the
    // chooser says so and its start button stays off, where a bare assertion would leave an
    // empty window.
    SetTitle(GTranslation::GetString("SOLO_NOTHING_TODAY_TITLE"));
    m_description = GTranslation::GetString("SOLO_NOTHING_TODAY");
    GetDebug()->DebugOut("Solo chooser: no solo activity is available today");
  }
}

void GUI_SoloActivityChooser::OnNewType() {
  if (m_list.empty()) {
    m_type = nullptr;
    m_startButton->SetText(GTranslation::GetString("START_SOLO_ACTIVITY"));
    m_startButton->SetEnabled(false);
    m_increases.clear();
    m_reduces.clear();
    return;
  }
  m_type = m_list[m_place < m_list.size() ? m_place : 0];
  m_startButton->SetEnabled(true);
  if (m_type->RestrictedOnlyByEnergy()) {
    m_startButton->SetText(GTranslation::GetString("SOLO_NOENERGY"));
    m_startButton->SetEnabled(false);
  } else if (m_type->IsAffordable()) {
    m_startButton->SetText(m_type->GetGUIName());
  } else {
    m_startButton->SetText(GTranslation::GetString("INSUFFICIENT_CASH"));
    m_startButton->SetEnabled(false);
  }
  m_description = m_type->GetDescription().substr(0, kMaxSoloDescription);
  GTranslation::ReplaceToken(m_description, "<TOWNNAME>", GetGame()->GetTownName());
  PopulateNames();
  GetDebug()->DebugOut(GFormat("Solo chooser: %s", m_type->GetName().c_str()).c_str());
}

void GUI_SoloActivityChooser::PopulateNames() {
  m_increases.clear();
  m_reduces.clear();
  if (!m_type) return;
  for (const SIM_Modifier* modifier : m_type->GetModifiers()) {
    std::string shown = modifier->GetGUIName();
    float amount = modifier->GetValue();
    // A hidden value is shown as its visible other side: more of one is less of the other.
    const SIM_Attribute* attribute = SIM_Attribute::GetAttribute(modifier->GetName());
    if (attribute && attribute->IsHidden() && attribute->GetOpposite()) {
      shown = attribute->GetOpposite()->GetGUIName();
      amount = -amount;
    }
    if (shown.size() < 2) continue;
    shown = GTranslation::Crop(shown, kMaxEffectName);
    if (amount < 0.0f) {
      m_reduces.push_back(shown);
    } else if (amount > 0.0f) {
      m_increases.push_back(shown);
    }
  }
}

// ---------------------------------------------------------------------------------------------
// Paging and starting

void GUI_SoloActivityChooser::ScrollToActivity(const char* name) {
  if (!PTheWindow) Create();
  GUI_SoloActivityChooser* chooser = PTheWindow;
  if (!chooser || !name) return;
  for (size_t i = 0; i < chooser->m_list.size(); ++i) {
    if (chooser->m_list[i]->GetName() == name) {
      chooser->m_place = i;
      chooser->OnNewType();
      return;
    }
  }
}

void GUI_SoloActivityChooser::NextActivity(int) {
  GUI_SoloActivityChooser* chooser = PTheWindow;
  if (!chooser || chooser->m_list.empty()) return;
  chooser->m_place = (chooser->m_place + 1) % chooser->m_list.size();
  chooser->OnNewType();
}

void GUI_SoloActivityChooser::PrevActivity(int) {
  GUI_SoloActivityChooser* chooser = PTheWindow;
  if (!chooser || chooser->m_list.empty()) return;
  chooser->m_place = chooser->m_place == 0 ? chooser->m_list.size() - 1 : chooser->m_place - 1;
  chooser->OnNewType();
}

void GUI_SoloActivityChooser::StartActivity(int) {
  GUI_SoloActivityChooser* chooser = PTheWindow;
  if (!chooser || !chooser->m_type) return;
  // The activity may open a full-screen window, which closes every dialog and with it this one
  // and the button whose callback this is: nothing of the chooser is touched afterwards.
  chooser->m_type->ProcessChunk();
  Close();
  GUI_SocialActivityChooser::Close();
}

void GUI_SoloActivityChooser::MouseWheelDown() {
  if (!PTheWindow) return;
  NextActivity(0);
  GUI_GetSounds()->PlaySound(0);
}

void GUI_SoloActivityChooser::MouseWheelUp() {
  if (!PTheWindow) return;
  PrevActivity(0);
  GUI_GetSounds()->PlaySound(0);
}

void GUI_SoloActivityChooser::HandleKey(unsigned key) {
  switch (key) {
    case KEY_ESCAPE:
      Close();
      return;
    case KEY_RETURN:
      if (m_startButton->IsEnabled()) StartActivity(0);
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
// Drawing

std::string GUI_SoloActivityChooser::CostText(float cost) {
  long long whole = (long long)cost;
  const bool negative = whole < 0;
  const std::string digits = std::to_string(negative ? -whole : whole);
  std::string delimited;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) delimited += ',';
    delimited += digits[i];
  }
  return GFormat("%s %s%s", GetGame()->GetCurrency(), negative ? "-" : "", delimited.c_str());
}

void GUI_SoloActivityChooser::Draw() {
  if (SIM_GetSim()->IsDayFinished()) m_startButton->SetEnabled(false);
  GUI_Dialog::Draw();
  LibTextEngine* text = GetTextEngine();
  if (m_type) {
    DrawDetails();
  } else {
    text->SetCurrentFont("anime14.dds", 14.0f);
    text->AddWrappedString(m_description, (float)m_clientArea.left + 25.0f, (float)m_clientArea.top + 60.0f,
                           (float)(m_clientArea.right - m_clientArea.left) - 50.0f, kBlack);
  }
  text->ProcessTextQueue(-1);
}

void GUI_SoloActivityChooser::DrawDetails() {
  LibTextEngine* text = GetTextEngine();
  const float L = (float)m_clientArea.left;
  const float T = (float)m_clientArea.top;
  const float R = (float)m_clientArea.right;
  text->SetCurrentFont("calibriblackbold30.dds", 30.0f);
  text->AddQueueString(m_type->GetGUIName(), L + 55.0f, T + 13.0f, kBlack, 0.0f, LibTextEngine::ALIGN_LEFT);
  text->SetCurrentFont("anime14.dds", 14.0f);
  text->AddWrappedString(m_description, L + 25.0f, T + 60.0f, R - L - 50.0f, kBlack);
  // A project evening shows how far its project has come in place of its price and effects.
  const std::string& key = m_type->GetDetailsKey();
  if (key == "default")
    DrawDefaultDetails();
  else if (key == "sciencetheory")
    GUI_ScienceTheory::DrawDetails(m_clientArea);
  else if (key == "songwriting")
    GUI_SongWriting::DrawDetails(m_clientArea);
  else if (key == "screenplay")
    GUI_Writing::DrawDetails(m_clientArea);
  else if (key == "story")
    GUI_JournalistStory::DrawDetails(m_clientArea);
}

void GUI_SoloActivityChooser::DrawDefaultDetails() {
  LibTextEngine* text = GetTextEngine();
  const float L = (float)m_clientArea.left;
  const float T = (float)m_clientArea.top;
  const float R = (float)m_clientArea.right;
  text->SetCurrentFont("calibriblackbold30.dds", 30.0f);
  text->AddQueueString(CostText(m_type->GetCost()), R - 160.0f, T + 13.0f, kBlack, 100.0f, LibTextEngine::ALIGN_RIGHT);
  text->SetCurrentFont("anime14.dds", 14.0f);
  if (m_type->GetVariableEffects()) {
    text->AddQueueString(m_effectsVary, L, T + 200.0f, kBlack, R - L, LibTextEngine::ALIGN_CENTER);
    return;
  }
  const struct {
    const RECT& box;
    const std::string& caption;
    const std::vector<std::string>& names;
  } boxes[2] = {{m_reducesBox, m_reducesText, m_reduces}, {m_increasesBox, m_increasesText, m_increases}};
  for (const auto& each : boxes) {
    GUI_WindowBackground::DrawTiled(each.box, "rounded_rectangle.dds", 32.0f, 0.5f);
    const float left = (float)each.box.left;
    const float top = (float)each.box.top;
    text->AddQueueString(each.caption, left, top + 5.0f, kBlack, (float)(each.box.right - each.box.left),
                         LibTextEngine::ALIGN_CENTER);
    float y = top + 32.0f;
    for (const std::string& name : each.names) {
      text->AddQueueString(name, left + 10.0f, y, kBlack, 0.0f, LibTextEngine::ALIGN_LEFT);
      y += kEffectLineStep;
    }
  }
}
