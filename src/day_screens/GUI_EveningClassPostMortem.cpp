#include "GUI_EveningClassPostMortem.h"

#include "D3DEngine.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_ButtonText.h"
#include "GUI_Colours.h"
#include "GUI_Concentration.h"
#include "GUI_GUI.h"
#include "GUI_Sounds.h"
#include "GUI_ValueBar.h"
#include "HOOK_EveningClassType.h"
#include "LibTextEngine.h"
#include "SIM_SIM.h"
#include "SIM_Vede.h"

GUI_EveningClassPostMortem* GUI_EveningClassPostMortem::PTheWindow = nullptr;

namespace {
// The diploma fills the top 423 rows of its 512-square texture.
constexpr float kDiplomaPictureV = 0.8261719f;
}  // namespace

void GUI_EveningClassPostMortem::Create(HOOK_EveningClassType* cls, float concentration) {
  Close();
  new GUI_EveningClassPostMortem(cls, concentration);
}

void GUI_EveningClassPostMortem::Close() {
  GUI_EveningClassPostMortem* window = PTheWindow;
  PTheWindow = nullptr;
  delete window;
}

void GUI_EveningClassPostMortem::Finished(int) { Close(); }

const char* GUI_EveningClassPostMortem::CommentKey(float concentration) {
  if (concentration < 0.3f) return "class_concentration_low";
  if (concentration < 0.6f) return "class_concentration_med";
  return "class_concentration_high";
}

GUI_EveningClassPostMortem::GUI_EveningClassPostMortem(HOOK_EveningClassType* cls, float concentration)
    : GUI_Dialog(false), m_class(cls) {
  PTheWindow = this;
  GAssert(cls != nullptr, __FILE__, __LINE__);
  const float screenW = (float)GetD3DEngine()->GetScreenWidth();
  const float screenH = (float)GetD3DEngine()->GetScreenHeight();
  auto centre = [&](float w, float h) {
    SetPosition(screenW / 2.0f - w / 2.0f, screenH / 2.0f - h / 2.0f, screenW / 2.0f + w / 2.0f,
                screenH / 2.0f + h / 2.0f);
  };
  centre(480.0f, 310.0f);
  if (cls) SetTitle(cls->GetGUIName());
  m_sideMargin = 25.0f;
  UpdateClientArea();
  m_okButton = new GUI_ButtonText("OK", Finished, 0);
  m_okButton->SetTooltip("COURSE_OK_TOOLTIP", 20);
  AddButton(m_okButton);

  const float value = cls ? SIM_GetVede()->GetValue(cls->GetName()) : 0.0f;
  if (value >= 1.0f) {
    m_progressForm = false;
    centre(512.0f, 423.0f);
    UpdateClientArea();
    GUI_GetSounds()->PlaySound("data/sounds/applause.ogg", false);
    m_diploma.SetTexture("diploma.jpg");
    m_diploma.SetSize(512.0f, 423.0f);
    m_diploma.SetUV(0.0f, 0.0f, 1.0f, kDiplomaPictureV);
    m_diploma.PlaceLocal(GetCenterX(), GetCenterY());
    m_certifyText = GTranslation::GetString("CLASSES_CERTIFY");
    m_completeText = GTranslation::GetString("CLASSES_COMPLETE");
    m_congratulationsText = GTranslation::GetString("CLASSES_CONGRATULATIONS");
    m_okButton->SetPosition(GetCenterX() - 80.0f, (float)rect.bottom - 68.0f, GetCenterX() + 80.0f,
                            (float)rect.bottom - 44.0f);
    m_className = cls ? cls->GetGUIName() : std::string();
  } else {
    m_comment = GTranslation::GetString(CommentKey(concentration));
    const RECT& c = m_clientArea;
    m_progressBar = new GUI_ValueBar();
    if (cls && !cls->GetModifiers().empty() && cls->GetModifiers().front()->GetName() == cls->GetName())
      m_progress = SIM_GetVede()->GetValue(cls->GetModifiers().front()->GetName());
    m_progressBar->SetValue(m_progress, 1.0f, false);
    m_progressBar->SetPosition(GetCenterX() + 20.0f, (float)c.top + 162.0f, (float)c.right - 20.0f, (float)c.top + 195.0f);
    AddChild(m_progressBar);
    m_concentration = new GUI_Concentration();
    m_concentration->SetPosition((float)c.left + 20.0f, (float)c.top + 99.0f, GetCenterX() - 5.0f,
                                 (float)c.bottom - 20.0f);
    AddChild(m_concentration);
    m_okButton->SetPosition(GetCenterX() + 20.0f, (float)c.bottom - 44.0f, (float)c.right - 20.0f,
                            (float)c.bottom - 20.0f);
    m_className = cls ? cls->GetGUIName() : std::string();
  }
  SetModal(true);
  GetDebug()->DebugOut(GFormat("Evening class report: %s (%s)", m_className.c_str(),
                               m_progressForm ? "progress" : "diploma")
                           .c_str());
}

GUI_EveningClassPostMortem::~GUI_EveningClassPostMortem() {
  if (m_class) m_class->CheckForNewFriends();
  SIM_GetSim()->EndDay();
  if (PTheWindow == this) PTheWindow = nullptr;
  GUI_GetGUI()->EndDayGUI();
}

void GUI_EveningClassPostMortem::Draw() {
  if (m_progressForm) DrawProgress();
  else DrawFinished();
  DrawChildren();
  GetTextEngine()->ProcessTextQueue(-1);
}

void GUI_EveningClassPostMortem::DrawProgress() {
  GUI_Dialog::Draw();
  const RECT& c = m_clientArea;
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime14.dds", 14.0f);
  text->AddWrappedString(m_comment, (float)c.left + 20.0f, (float)c.top + 20.0f, (float)(c.right - c.left) - 40.0f,
                         kBlack);
  text->AddQueueString(m_className, GetCenterX(), (float)c.top + 140.0f, kBlack, (float)c.right - GetCenterX(),
                       LibTextEngine::ALIGN_CENTER);
}

void GUI_EveningClassPostMortem::DrawFinished() {
  m_diploma.Draw();
  LibTextEngine* text = GetTextEngine();
  const float left = (float)rect.left;
  const float top = (float)rect.top;
  const float w = (float)width;
  text->SetCurrentFont("calibriblackbold22.dds", 22.0f);
  text->AddQueueString(m_certifyText, left, top + 95.0f, kBlack, w, LibTextEngine::ALIGN_CENTER);
  text->SetCurrentFont("segoeprintbold22.dds", 22.0f);
  text->AddQueueString(SIM_GetVede()->GetFullName(), left, top + 129.0f, kBlack, w, LibTextEngine::ALIGN_CENTER);
  text->SetCurrentFont("calibriblackbold16.dds", 16.0f);
  text->AddWrappedString(m_completeText, left + 100.0f, top + 160.0f, w - 200.0f, kBlack);
  text->SetCurrentFont("calibriblackbold24.dds", 24.0f);
  text->AddQueueString(m_className, left, top + 220.0f, kBlack, w, LibTextEngine::ALIGN_CENTER);
  text->SetCurrentFont("calibriblackbold22.dds", 22.0f);
  text->AddQueueString(m_congratulationsText, left, top + 250.0f, kBlack, w, LibTextEngine::ALIGN_CENTER);
  DrawButtons();
}
