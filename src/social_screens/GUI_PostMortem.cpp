#include "GUI_PostMortem.h"

#include <algorithm>

#include "D3DEngine.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_Avatar.h"
#include "GUI_Backdrop.h"
#include "GUI_ChangeNotifier.h"
#include "GUI_Colours.h"
#include "GUI_GUI.h"
#include "GUI_HintHelp.h"
#include "GUI_IconButton.h"
#include "GUI_MindState.h"
#include "GUI_PostMortemPanels.h"
#include "GUI_Rain.h"
#include "GUI_ScreenFader.h"
#include "GUI_Skills.h"
#include "GUI_Snow.h"
#include "GUI_Sounds.h"
#include "GUI_WindowBackground.h"
#include "LibTextEngine.h"
#include "SIM_Person.h"
#include "SIM_SocialiseEffect.h"
#include "SIM_SocialiseInstance.h"
#include "SIM_SocialiseType.h"
#include "SIM_StandInLog.h"

GUI_PostMortem* GUI_PostMortem::PTheWindow = nullptr;

namespace {

constexpr uint32_t kExtraTextColour = 0xFF0000C0u;  // dark blue, in the text engine's packing
constexpr float kTextX = 139.0f;
constexpr float kTextWidth = 526.0f;

bool StillExists(const SIM_SocialiseInstance* instance) {
  return instance && std::find(SIM_SocialiseInstance::All.begin(), SIM_SocialiseInstance::All.end(), instance) !=
                         SIM_SocialiseInstance::All.end();
}

}  // namespace

GUI_PostMortem* GUI_PostMortem::Create(SIM_SocialiseInstance* instance) {
  Close();
  if (!instance) {
    GAssert(false, __FILE__, __LINE__);
    return nullptr;
  }
  return new GUI_PostMortem(instance);
}

void GUI_PostMortem::Close() {
  SIM_StandInLog::Record("GUI_PostMortem::Close");  // the day turn's order, for its test
  // Cleared first: the closing steps (the evening's AfterPostMortem, the phone's stored scripts)
  // may open the next report, which must not be forgotten when this delete returns.
  GUI_PostMortem* window = PTheWindow;
  PTheWindow = nullptr;
  delete window;
}

void GUI_PostMortem::Continue(int) { Close(); }

RECT GUI_PostMortem::IconRect(int k, int n, float screenHeight) {
  const int y = (int)(screenHeight / 2.0f - 36.0f * (float)n - 80.0f + 76.0f * (float)k);
  RECT r;
  SetRect(&r, 16, y, 88, y + 72);
  return r;
}

GUI_PostMortem::GUI_PostMortem(SIM_SocialiseInstance* instance) : m_instance(instance) {
  PTheWindow = this;
  MakeFullScreenWindow();
  const float W = D3DEngine::W;

  m_strip.SetTexture("menu_strip.dds");
  m_continueButton = new GUI_IconButton("bigbuttons.dds", Continue, 0);
  m_continueButton->SetHighlightTexture("bigbuttons.dds");
  m_continueButton->SetCells(16, 6, 7);
  m_continueButton->SetPosition(W - 78.0f, 701.0f, W - 10.0f, 769.0f);
  m_continueButton->SetTooltip("TOOLTIP_POSTMORTEM_CONTINUE", 30);
  m_continueButton->SetFadeFirst();
  AddButton(m_continueButton);

  const std::vector<SIM_SocialiseEffect*>& effects = instance->GetEffects();
  if (!effects.empty()) {
    m_opinion = new GUI_PostMortemOpinion();
    m_opinion->SetPosition(138.0f, 216.0f, 640.0f, 595.0f);
    AddChild(m_opinion);
    Select(effects.front());
  } else {
    // An evening nobody came to has no faces and no opinions, only the evening itself.
    AddExtraText(GTranslation::GetString("POSTMORTEM_NOBODY"));
  }
  if (instance->HasCustomBackdrop()) m_backdrop.SetTexture(instance->GetBackdrop());
  CreateButtons();

  SIM_SocialiseType* type = instance->GetType();
  if (type && type->GetName() == "chineserestaurant") {
    m_fortune = new GUI_IconButton("fortune.dds", nullptr, 0);
    m_fortune->SetRawTooltip(GTranslation::GetRandomString("cookies", "data/simulation/fortunes.txt"), 30);
    AddButton(m_fortune);
  }
  SetRect(&m_textBox, 114, 44, 680, 180);
  Place();

  GUI_HintHelp::Launch("postmortem_gen");
  GUI_HintHelp::Launch("postmortem_eff");
  AddChild(GUI_GetMindState());
  if (GUI_Skills::PTheWindow) GUI_Skills::PTheWindow->RefreshAsChangedOnly();
  GUI_GetFader()->FadeIn();
  GetDebug()->DebugOut(GFormat("Post-mortem: %s, %d guest(s)", type ? type->GetName().c_str() : "",
                               (int)effects.size())
                           .c_str());
}

GUI_PostMortem::~GUI_PostMortem() {
  if (GUI_Skills::PTheWindow) GUI_Skills::PTheWindow->Refresh();
  if (PTheWindow == this) PTheWindow = nullptr;
  GUI_MindState* mind = GUI_GetMindState();
  if (mind->GetParent() == this) RemoveChild(mind);
  GUI_GetSounds()->StopOverrideMusic();
  // A new game or a load may have freed the evening before its report closes.
  if (StillExists(m_instance)) m_instance->AfterPostMortem();
  GUI_ChangeNotifier::CloseAll();
  GUI_GetGUI()->EndDayGUI();
  GUI_GetFader()->FadeIn();
  GetDebug()->DebugOut("Post-mortem: closed");
}

void GUI_PostMortem::CreateButtons() {
  const std::vector<SIM_SocialiseEffect*>& effects = m_instance->GetEffects();
  for (SIM_SocialiseEffect* effect : effects) {
    GUI_PostMortemIcon* icon = new GUI_PostMortemIcon(effect);
    AddButton(icon);
    m_icons.push_back(icon);
  }
}

// Everything that hangs on the screen's size.
void GUI_PostMortem::Place() {
  const float W = D3DEngine::W;
  const float H = D3DEngine::H;
  SetPosition(0.0f, 0.0f, W, H);
  m_strip.SetSize(W, 128.0f);
  m_strip.PlaceLocal(W / 2.0f, H - 64.0f);
  m_continueButton->SetPosition(W - 78.0f, 701.0f, W - 10.0f, 769.0f);
  const int n = (int)m_icons.size();
  for (int k = 0; k < n; ++k) {
    const RECT r = IconRect(k, n, H);
    m_icons[k]->SetPosition((float)r.left, (float)r.top, (float)r.right, (float)r.bottom);
  }
  if (m_fortune) m_fortune->SetPosition(390.0f, H - 54.0f, 434.0f, H - 10.0f);
}

void GUI_PostMortem::Reset() {
  if (PTheWindow) PTheWindow->Place();
}

void GUI_PostMortem::AddExtraText(const std::string& text) { m_extraTexts.push_back(text); }

void GUI_PostMortem::Select(SIM_SocialiseEffect* effect) {
  GAssert(effect != nullptr, __FILE__, __LINE__);
  if (!effect) return;
  m_selected = effect;
  if (m_opinion) m_opinion->SetEffect(effect);
  if (effect->GetPerson())
    GetDebug()->DebugOut(GFormat("Post-mortem: %s's opinion", effect->GetPerson()->GetFullName().c_str()).c_str());
}

bool GUI_PostMortem::CheckClick(float x, float y) {
  if (GUI_HintHelp::CheckClickAll()) return true;
  return GUI_WindowBase::CheckClick(x, y);
}

void GUI_PostMortem::Draw() {
  D3DEngine* engine = GetD3DEngine();
  if (m_instance->HasCustomBackdrop()) {
    engine->FillScreen(&m_backdrop, 1.0f, 0.75f);
  } else {
    GUI_GetBackdrop()->DrawWeatherBackdrop();
    GUI_GetRain()->Draw();
    GUI_GetSnow()->Draw();
  }
  m_strip.Draw();
  if (GUI_Skills::PTheWindow) GUI_Skills::PTheWindow->Draw();
  GUI_WindowBackground::DrawTiled(m_textBox, "rounded_rectangle.dds", 32.0f, 0.6f);
  GUI_GetAvatar()->DrawMood(m_instance->GetSocialVorla() > 0.0f ? MOOD_HAPPY : MOOD_SAD);
  DrawChildren();
  DrawButtons();

  LibTextEngine* text = GetTextEngine();
  const float boxWidth = (float)(m_textBox.right - m_textBox.left);
  SIM_SocialiseType* type = m_instance->GetType();
  if (type) {
    text->SetCurrentFont("calibriblackbold30.dds", 30.0f);
    text->AddQueueString(type->GetGUIName(), (float)m_textBox.left, (float)m_textBox.top, kBlack, boxWidth,
                         LibTextEngine::ALIGN_CENTER);
  }
  text->SetCurrentFont("anime14.dds", 14.0f);
  float y = 79.0f;
  if (type) y = text->AddWrappedString(type->GetEventQualityDesc(m_instance->GetEventQuality()), kTextX, y, kTextWidth, kBlack);
  for (const std::string& extra : m_extraTexts) y = text->AddWrappedString(extra, kTextX, y, kTextWidth, kExtraTextColour);
  text->ProcessTextQueue(-1);
  GUI_HintHelp::DrawAll();
}

