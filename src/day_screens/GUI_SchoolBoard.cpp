#include "GUI_SchoolBoard.h"

#include "D3DEngine.h"
#include "GTranslation.h"
#include "GUI_CloseButton.h"
#include "GUI_Colours.h"
#include "GUI_WindowBackground.h"
#include "LibTextEngine.h"

namespace {
// The blackboard picture fills the top 341 rows of its 512-square texture.
constexpr float kBlackboardPictureV = 0.6660156f;
constexpr float kBoardMargin = 20.0f;
}  // namespace

GUI_SchoolBoard::GUI_SchoolBoard(float w, float h) : GUI_Dialog(true) {
  const float left = (float)(GetD3DEngine()->GetScreenWidth() / 2) - w / 2.0f;
  const float top = (float)(GetD3DEngine()->GetScreenHeight() / 2) - h / 2.0f;
  SetPosition(left, top, left + w, top + h);
  UpdateClientArea();

  const RECT& c = m_clientArea;
  m_blackboard.SetTexture("blackboard.jpg");
  m_blackboard.SetSize((float)(c.right - c.left) - 2.0f * kBoardMargin, (float)(c.bottom - c.top) - 2.0f * kBoardMargin);
  m_blackboard.SetUV(0.0f, 0.0f, 1.0f, kBlackboardPictureV);
  m_blackboard.PlaceLocal(GetCenterX(), (float)(c.top + c.bottom) / 2.0f);

  SetTitle(GTranslation::GetString("EVENINGCLASSES_TITLE"));
  AddHelpButton("HELP_EVENINGCLASSES");
  if (m_closeButton)
    m_closeButton->SetPosition((float)rect.right - 47.0f, (float)rect.top + 15.0f, (float)rect.right - 15.0f,
                               (float)rect.top + 47.0f);
}

void GUI_SchoolBoard::DrawBoard() {
  GUI_WindowBackground::DrawTiled(rect, GUI_WindowBackground::PRESET_FRAME, 32.0f, 1.0f);
  GUI_WindowBackground::DrawTiled(m_clientArea, "dialog_blackboard.dds", 38.0f, 1.0f);
  m_blackboard.Draw();
  DrawButtons();
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("calibriblackbold30.dds", 30.0f);
  text->AddQueueString(m_title, (float)rect.left, (float)rect.top + 8.0f, kBlack, (float)width,
                       LibTextEngine::ALIGN_CENTER);
}
