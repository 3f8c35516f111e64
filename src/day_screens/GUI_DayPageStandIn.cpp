#include "GUI_DayPageStandIn.h"

#include "BaseSprite.h"
#include "D3DEngine.h"
#include "GDebug.h"
#include "GUI_Cash.h"
#include "GUI_IconButton.h"
#include "GUI_MindState.h"
#include "LibTextEngine.h"
#include "SIM_SIM.h"
#include "SIM_StandInLog.h"

namespace {
constexpr float kSheetWidth = 512.0f;
constexpr float kSheetHeight = 627.0f;
constexpr float kSheetV = 627.0f / 1024.0f;  // the sheet fills the top rows of "diary.dds"
}  // namespace

GUI_DayPageStandIn::GUI_DayPageStandIn(const char* name, const std::string& title, const std::string& message,
                                       const char* tooltipKey, GUI_ButtonBase::Callback callback)
    : m_title(title), m_message(message) {
  STAND_IN();  // a diary frame without pencil, weather or avatar
  MakeFullScreenWindow();
  const float W = D3DEngine::W;
  const float H = D3DEngine::H;

  m_strip.SetTexture("menu_strip.dds");
  m_strip.SetSize(W, 128.0f);
  m_strip.PlaceLocal(W / 2.0f, H - 64.0f);

  m_sheet.SetTexture("diary.dds");
  m_sheet.SetUV(0.0f, 0.0f, 1.0f, kSheetV);
  m_sheet.SetSize(kSheetWidth, kSheetHeight);
  m_sheet.PlaceLocal(256.0f, H - 20.0f - kSheetHeight / 2.0f);

  m_mainButton = new GUI_IconButton("bigbuttons.dds", callback, 0);
  m_mainButton->SetCells(16, 6, 7);
  m_mainButton->SetPosition(W - 78.0f, 701.0f, W - 10.0f, 769.0f);
  m_mainButton->SetTooltip(tooltipKey, 30);
  AddButton(m_mainButton);
  AddChild(GUI_GetMindState());

  GetDebug()->DebugOut(
      GFormat("Day page: %s (%s, day %d)", name, m_title.c_str(), (int)SIM_GetSim()->GetTurnCount() + 1).c_str());
}

GUI_DayPageStandIn::~GUI_DayPageStandIn() {
  GUI_MindState* mind = GUI_GetMindState();
  if (mind->GetParent() == this) RemoveChild(mind);
}

void GUI_DayPageStandIn::Draw() {
  // The weather backdrop and the avatar stand here once the scenery exists: a plain sky for now.
  BaseSprite sky;
  sky.SetSize(D3DEngine::W + 2.0f, D3DEngine::H + 2.0f);
  sky.PlaceLocal(D3DEngine::W / 2.0f, D3DEngine::H / 2.0f);
  sky.vertices[0].diffuse = sky.vertices[1].diffuse = SpriteColor(96, 140, 196);
  sky.vertices[2].diffuse = sky.vertices[3].diffuse = SpriteColor(190, 214, 236);
  GetD3DEngine()->SetTexture(0, 0);
  sky.DrawNoChecks();

  m_sheet.Draw();
  m_strip.Draw();
  if (m_showCash) GUI_GetCash()->Draw();
  DrawButtons();
  DrawChildren();

  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("segoeprintbold22.dds", 22.0f);
  text->AddQueueString(m_title, 130.0f, 204.0f, kInkColour, 0.0f, LibTextEngine::ALIGN_LEFT);
  text->ProcessTextQueue(-1);
  text->SetCurrentFont("segoeprintbold20.dds", 20.0f);
  text->AddWrappedString(m_message, 130.0f, 260.0f, 340.0f, kInkColour);
  text->ProcessTextQueue(-1);
}
