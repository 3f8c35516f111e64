#include "GUI_EveningClassDetails.h"

#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_ButtonText.h"
#include "GUI_EveningClasses.h"
#include "GUI_WindowBackground.h"
#include "Game.h"
#include "HOOK_EveningClassType.h"
#include "LibTextEngine.h"
#include "SIM_SIM.h"

namespace {
constexpr uint32_t kDetailsText = 0xFFFFFFFFu;
constexpr size_t kMaxPriceText = 31;
}  // namespace

GUI_EveningClassDetails::GUI_EveningClassDetails()
    : m_unavailableText(GTranslation::GetString("EVENINGCLASS_UNAVAILABLE")),
      m_requiresText(GTranslation::GetString("EVENINGCLASSES_REQUIRES")),
      m_classText(GTranslation::GetString("EVENINGCLASSES_CLASS")) {
  m_enrollButton = new GUI_ButtonText("EVENINGCLASSES_ENROLL", Enroll, 0);
  m_enrollButton->SetTooltip("TOOLTIP_ENROLL", 20);
  m_enrollButton->SetVisible(false);
  AddButton(m_enrollButton);
  m_dayBox.SetTexture("calendar_day_white.dds");
  m_dayBox.SetSize(38.0f, 38.0f);
}

GUI_EveningClassDetails::~GUI_EveningClassDetails() = default;

void GUI_EveningClassDetails::SetType(HOOK_EveningClassType* cls) {
  GAssert(cls != nullptr, __FILE__, __LINE__);
  if (!cls) return;
  m_class = cls;
  m_reqsMet = cls->MeetsPrerequisites();
  m_enrollButton->SetVisible(m_reqsMet && !cls->IsCompleted() && !cls->IsEnrolled());
  PlaceEnrollButton();
}

// Placed again at every drawing, so the button follows the panel wherever it goes.
void GUI_EveningClassDetails::PlaceEnrollButton() {
  m_enrollButton->SetPosition((float)rect.right - 220.0f, (float)rect.bottom - 39.0f, (float)rect.right - 20.0f,
                              (float)rect.bottom - 15.0f);
}

std::string GUI_EveningClassDetails::PriceText() const {
  if (!m_class) return std::string();
  std::string price = GFormat("%s %.2f / %s", GetGame() ? GetGame()->GetCurrency() : "", (double)m_class->GetCost(),
                              m_classText.c_str());
  if (price.size() > kMaxPriceText) price.resize(kMaxPriceText);
  return price;
}

void GUI_EveningClassDetails::Enroll(int) {
  GUI_EveningClasses* list = GUI_EveningClasses::PTheWindow;
  GUI_EveningClassDetails* panel = list ? list->GetDetails() : nullptr;
  HOOK_EveningClassType* cls = panel ? panel->m_class : nullptr;
  if (!cls || !cls->IsEnrollable()) return;
  cls->Enroll();
  GetDebug()->DebugOut(GFormat("Enrolled in the evening class %s", cls->GetName().c_str()).c_str());
  // Closing the list frees this panel and its button: nothing of them is touched afterwards.
  GUI_EveningClasses::Close();
  SIM_GetSim()->EndDay();
}

void GUI_EveningClassDetails::Draw() {
  if (!m_class) return;
  GUI_WindowBackground::DrawTiled(rect, "rounded_rectangle.dds", 32.0f, 0.5f);
  PlaceEnrollButton();
  GUI_WindowBase::Draw();
  if (m_reqsMet) DrawReqsMet();
  else DrawReqsNotMet();
}

void GUI_EveningClassDetails::DrawReqsMet() {
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("calibriblackbold28.dds", 24.0f);
  text->AddQueueString(m_class->GetGUIName(), (float)rect.left + 15.0f, (float)rect.top + 15.0f, kDetailsText, 0.0f,
                       LibTextEngine::ALIGN_LEFT);
  text->AddQueueString(PriceText(), (float)rect.left, (float)rect.top + 15.0f, kDetailsText, (float)width - 15.0f,
                       LibTextEngine::ALIGN_RIGHT);
  text->SetCurrentFont("anime14.dds", 14.0f);
  text->AddWrappedString(m_class->GetDescription(), (float)rect.left + 15.0f, (float)rect.top + 35.0f,
                         (float)width - 30.0f, kDetailsText);
  float x = (float)rect.left + 30.0f;
  for (int day = 0; day < 7; ++day, x += 42.0f) {
    text->SetCurrentFont("calibriblackbold24.dds", 22.0f);
    text->AddQueueString(GTranslation::GetString(GFormat("EV_DAY_%d", day)), x - 21.0f, (float)rect.bottom - 67.0f,
                         kDetailsText, 42.0f, LibTextEngine::ALIGN_CENTER);
    if (m_class->RunsOnDay(day)) {
      text->SetCurrentFont("calibriblackbold24.dds", 28.0f);
      text->AddQueueString("X", x - 21.0f, (float)rect.bottom - 43.0f, kDetailsText, 42.0f,
                           LibTextEngine::ALIGN_CENTER);
    }
    m_dayBox.PlaceLocal(x, (float)rect.bottom - 30.0f);
    m_dayBox.Draw();
  }
  text->ProcessTextQueue(-1);
}

void GUI_EveningClassDetails::DrawReqsNotMet() {
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("calibriblackbold22.dds", 22.0f);
  text->AddQueueString(GFormat("%s (%s)", m_class->GetGUIName().c_str(), m_unavailableText.c_str()),
                       (float)rect.left + 15.0f, (float)rect.top + 15.0f, kDetailsText, 0.0f, LibTextEngine::ALIGN_LEFT);
  text->AddQueueString(m_requiresText, (float)rect.left + 15.0f, (float)rect.bottom - 80.0f, kDetailsText, 0.0f,
                       LibTextEngine::ALIGN_LEFT);
  float y = (float)rect.bottom - 60.0f;
  for (const auto* term : m_class->GetPreRequisites()) {
    text->AddQueueString(GTranslation::GetString(GFormat("nv_%s", term->name.c_str())), (float)rect.left + 30.0f, y,
                         kDetailsText, 0.0f, LibTextEngine::ALIGN_LEFT);
    y += 18.0f;
  }
  text->ProcessTextQueue(-1);
}
