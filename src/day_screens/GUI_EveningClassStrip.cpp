#include "GUI_EveningClassStrip.h"

#include "D3DEngine.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_EveningClasses.h"
#include "GUI_Sounds.h"
#include "Game.h"
#include "HOOK_EveningClassType.h"
#include "LibTextEngine.h"

GUI_EveningClassStrip* GUI_EveningClassStrip::PHighlighted = nullptr;

namespace {
constexpr uint32_t kStripLit = 0x54FFFFFFu;
constexpr uint32_t kStripOpenText = 0xFFFFFFFFu;
constexpr uint32_t kStripClosedText = 0xFA8080F4u;
}  // namespace

GUI_EveningClassStrip::GUI_EveningClassStrip(HOOK_EveningClassType* cls)
    : m_class(cls),
      m_enrollable(cls && cls->IsEnrollable()),
      m_completed(cls && cls->IsCompleted()),
      m_completedText(GTranslation::GetString("EVENINGCLASS_COMPLETED")),
      m_unavailableText(GTranslation::GetString("EVENINGCLASS_UNAVAILABLE")),
      m_enrolledText(GTranslation::GetString("EVENINGCLASSES_ENROLLED")),
      m_classText(GTranslation::GetString("EVENINGCLASSES_CLASS")) {
  GAssert(cls != nullptr, __FILE__, __LINE__);
}

GUI_EveningClassStrip::~GUI_EveningClassStrip() {
  if (PHighlighted == this) PHighlighted = nullptr;
}

std::string GUI_EveningClassStrip::RightHandText() const {
  if (!m_class) return std::string();
  if (m_enrollable)
    return GFormat("%s %.2f / %s", GetGame() ? GetGame()->GetCurrency() : "", (double)m_class->GetCost(),
                   m_classText.c_str());
  if (m_class->IsEnrolled()) return m_enrolledText;
  if (m_completed) return m_completedText;
  return m_unavailableText;
}

void GUI_EveningClassStrip::Draw() {
  if (!m_class) return;
  const bool selected = GUI_EveningClasses::PTheWindow && GUI_EveningClasses::PTheWindow->GetHighlighted() == m_class;
  if (MouseInside() && m_enrollable) {
    GetD3DEngine()->FillRect(&rect, kStripLit);
    if (PHighlighted != this) {
      GUI_GetSounds()->PlaySound("data/sounds/mouseover.ogg", false);
      PHighlighted = this;
    }
  } else if (selected) {
    GetD3DEngine()->FillRect(&rect, kStripLit);
  }
  const uint32_t colour = m_enrollable ? kStripOpenText : kStripClosedText;
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("calibriblackbold22.dds", 22.0f);
  text->AddQueueString(m_class->GetGUIName(), (float)rect.left + 10.0f, (float)rect.top - 2.0f, colour, 0.0f,
                       LibTextEngine::ALIGN_LEFT);
  text->AddQueueString(RightHandText(), (float)rect.left, (float)rect.top - 2.0f, colour, (float)width - 5.0f,
                       LibTextEngine::ALIGN_RIGHT);
}

bool GUI_EveningClassStrip::CheckClick(float x, float y) {
  if (!PtInside(x, y)) return false;
  if (GUI_EveningClasses::PTheWindow) GUI_EveningClasses::PTheWindow->ShowDetails(m_class);
  return true;
}
