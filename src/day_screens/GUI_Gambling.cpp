#include "GUI_Gambling.h"

#include <cstdlib>

#include "D3DEngine.h"
#include "GDebug.h"
#include "GRandom.h"
#include "GUI_ChangeNotifier.h"
#include "GUI_GamblingWheel.h"
#include "GUI_IconButton.h"
#include "GUI_Sounds.h"
#include "GUI_WindowBackground.h"
#include "Game.h"
#include "GTranslation.h"
#include "LibTextEngine.h"
#include "SIM_Finances.h"
#include "SIM_OutingInstances.h"
#include "SIM_SocialiseType.h"

GUI_Gambling* GUI_Gambling::PTheWindow = nullptr;

namespace {

constexpr const char* kSpinLoopSound = "data/sounds/gambling_loop.ogg";
// When each reel is told to stop: they come to rest left to right.
constexpr double kReelStopMs[3] = {4000.0, 5000.0, 6000.0};
constexpr uint32_t kWinLineColour = 0xFF2020F4u;  // red, in the sprite packing
constexpr float kReelWidth = 74.0f;
constexpr float kReelHeight = 160.0f;
constexpr float kReelStep = 94.0f;

bool MachineEveningExists(const SIM_GamblingInstance* instance) {
  for (SIM_SocialiseInstance* evening : SIM_SocialiseInstance::All)
    if (evening == instance) return true;
  return false;
}

}  // namespace

void GUI_Gambling::Create(SIM_GamblingInstance* instance) {
  if (PTheWindow) Stop(0);
  if (!instance) {
    GAssert(false, __FILE__, __LINE__);
    return;
  }
  new GUI_Gambling(instance);
}

void GUI_Gambling::Spin(int) {
  if (PTheWindow) PTheWindow->StartSpinning();
}

void GUI_Gambling::Higher(int) {
  if (!PTheWindow || PTheWindow->m_spinning) return;
  PTheWindow->m_stake = std::min(PTheWindow->m_stake * 2, kMaxStake);
}

void GUI_Gambling::Lower(int) {
  if (!PTheWindow || PTheWindow->m_spinning) return;
  PTheWindow->m_stake /= 2;
  if (PTheWindow->m_stake < 1) PTheWindow->m_stake = 1;
}

void GUI_Gambling::Stop(int) {
  GUI_Gambling* machine = PTheWindow;
  PTheWindow = nullptr;
  delete machine;
}

GUI_Gambling::GUI_Gambling(SIM_GamblingInstance* instance) : GUI_Dialog(false), m_instance(instance) {
  PTheWindow = this;
  if (SIM_SocialiseType* type = instance->GetType()) SetTitle(type->GetGUIName());
  SetSize(430.0f, 360.0f);
  PlaceCentral();
  UpdateClientArea();
  for (int i = 0; i < 3; ++i) {
    m_wheels[i] = new GUI_GamblingWheel(i);
    AddChild(m_wheels[i]);
  }
  struct Face {
    const char* texture;
    GUI_ButtonBase::Callback callback;
    const char* tooltip;
    GUI_IconButton** button;
  };
  const Face faces[] = {
      {"gambling_button_stop.dds", Stop, "CASINO_STOP_TOOLTIP", &m_stopButton},
      {"gambling_button_higher.dds", Higher, "CASINO_HIGHER_TOOLTIP", &m_higherButton},
      {"gambling_button_lower.dds", Lower, "CASINO_LOWER_TOOLTIP", &m_lowerButton},
      {"gambling_button_spin.dds", Spin, "CASINO_SPIN_TOOLTIP", &m_spinButton},
  };
  const RECT& client = GetClientArea();
  float x = (float)client.left + 30.0f;
  for (const Face& face : faces) {
    auto* button = new GUI_IconButton(face.texture, face.callback, 0);
    button->SetPosition(x, (float)client.bottom - 90.0f, x + 80.0f, (float)client.bottom - 10.0f);
    button->SetTooltip(face.tooltip, 30);
    AddButton(button);
    *face.button = button;
    x += 90.0f;
  }
  m_stake = 1;
  m_stakeLabel = GTranslation::GetString("GAMBLING_STAKE");
  m_totalLabel = GTranslation::GetString("GAMBLING_TOTAL");
  SetModal(true);
  PlaceWheels();
  GetDebug()->DebugOut("Fruit machine: open");
}

GUI_Gambling::~GUI_Gambling() {
  if (PTheWindow == this) PTheWindow = nullptr;
  if (m_spinning) GUI_GetSounds()->StopSound(kSpinLoopSound);
  GUI_ChangeNotifier::CloseAll();
  // The evening's report opens from here: the machine leaves the screen first. A new game or a
  // load may have freed the evening already; then there is nothing left to finish.
  RemoveFromGUI();
  GetDebug()->DebugOut("Fruit machine: left");
  if (MachineEveningExists(m_instance)) m_instance->FinishGaming();
}

void GUI_Gambling::StartSpinning() {
  if (m_spinning || !m_instance->MoreSpinsLeft()) return;
  m_spinning = true;
  m_spinTimer = GTimer();
  m_spinTimer.StartTimer();
  m_won = GRandom::IsChance(kWinChance);
  if (m_won) {
    const auto fruit = (GUI_GamblingWheel::FRUIT)(std::rand() % 4);
    for (GUI_GamblingWheel* wheel : m_wheels) wheel->SetTargetFruit(fruit);
  } else {
    // The left reel may match either other one; the middle and right never match each other.
    m_wheels[0]->SetTargetFruit((GUI_GamblingWheel::FRUIT)(std::rand() % 4));
    const int middle = std::rand() % 4;
    m_wheels[1]->SetTargetFruit((GUI_GamblingWheel::FRUIT)middle);
    m_wheels[2]->SetTargetFruit((GUI_GamblingWheel::FRUIT)(middle + 1 > 3 ? 0 : middle + 1));
  }
  GUI_GetSounds()->PlaySound(kSpinLoopSound, 0.5f, 0.0f, true);
  for (GUI_GamblingWheel* wheel : m_wheels) {
    wheel->StartSpinning();
    wheel->SetStopNextSpin(false);
  }
  GUI_ChangeNotifier::CloseAll();
}

void GUI_Gambling::UpdateSpinning() {
  if (!m_spinning) return;
  m_spinTimer.Update();
  const double elapsed = m_spinTimer.GetElapsed();
  for (int i = 0; i < 3; ++i)
    if (elapsed > kReelStopMs[i]) m_wheels[i]->SetStopNextSpin(true);
  for (GUI_GamblingWheel* wheel : m_wheels)
    if (wheel->IsSpinning()) return;
  m_spinning = false;
  const int amount = m_won ? m_stake : -m_stake;
  m_instance->AddWinnings(amount);
  GetDebug()->DebugOut(GFormat("Fruit machine: spin %s %d", m_won ? "won" : "lost", m_stake).c_str());
  // A loss is spending, not negative income: the year's earnings never go down at the tables.
  if (m_won) {
    SIM_GetFinances()->AddCash((float)m_stake);
  } else {
    SIM_GetFinances()->SpendCash((float)m_stake);
  }
  GUI_GetSounds()->StopSound(kSpinLoopSound);
  if (m_won) GUI_GetSounds()->PlaySound("data/sounds/gambling_win.ogg", 0.5f, 0.0f, false);
}

void GUI_Gambling::UpdateButtons() {
  m_stopButton->SetEnabled(!m_spinning);
  m_higherButton->SetEnabled(!m_spinning);
  m_lowerButton->SetEnabled(!m_spinning);
  if (!m_instance->MoreSpinsLeft()) {
    m_spinButton->SetEnabled(false);
    m_higherButton->SetEnabled(false);
    m_lowerButton->SetEnabled(false);
  } else {
    m_spinButton->SetEnabled(!m_spinning && SIM_GetFinances()->GetCash() >= (float)m_stake);
  }
}

void GUI_Gambling::PlaceWheels() {
  const RECT& client = GetClientArea();
  const float top = (float)client.top + 30.0f;
  float x = (float)client.left + 20.0f;
  for (GUI_GamblingWheel* wheel : m_wheels) {
    wheel->SetPosition(x, top, x + kReelWidth, top + kReelHeight);
    x += kReelStep;
  }
}

void GUI_Gambling::Draw() {
  UpdateButtons();
  UpdateSpinning();
  GUI_Dialog::Draw();
  PlaceWheels();
  DrawReadout();
  DrawChildren();
  const RECT* left = m_wheels[0]->GetRect();
  const RECT* right = m_wheels[2]->GetRect();
  const float lineY = m_wheels[0]->GetCenterY();
  GetD3DEngine()->RenderLine((float)left->left - 4.0f, lineY, (float)right->right + 4.0f, lineY, kWinLineColour);
  GetTextEngine()->ProcessTextQueue(-1);
}

void GUI_Gambling::DrawReadout() {
  const RECT* reel = m_wheels[2]->GetRect();
  SetRect(&m_readout, reel->right + 20, reel->top, GetClientArea().right - 10, reel->bottom);
  GUI_WindowBackground::DrawTiled(m_readout, "gambling_readout.dds", 16.0f, 1.0f);
  LibTextEngine* text = GetTextEngine();
  const float left = (float)m_readout.left;
  const float top = (float)m_readout.top;
  const float wide = (float)(m_readout.right - m_readout.left);
  const uint32_t white = VBColor(255, 255, 255);
  const char* currency = GetGame()->GetCurrency();
  text->SetCurrentFont("anime14.dds", 14.0f);
  text->AddQueueString(m_stakeLabel, left, top + 20.0f, white, wide, LibTextEngine::ALIGN_CENTER);
  text->AddQueueString(m_totalLabel, left, top + 80.0f, white, wide, LibTextEngine::ALIGN_CENTER);
  text->SetCurrentFont("calibriblackbold28.dds", 28.0f);
  text->AddQueueString(GFormat("%s %.2f", currency, (double)m_stake), left, top + 40.0f, white, wide,
                       LibTextEngine::ALIGN_CENTER);
  text->AddQueueString(GFormat("%s %.2f", currency, (double)m_instance->GetTotalWinnings()), left, top + 100.0f,
                       white, wide, LibTextEngine::ALIGN_CENTER);
}
