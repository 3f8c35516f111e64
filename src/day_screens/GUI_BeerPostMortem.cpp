#include "GUI_BeerPostMortem.h"

#include "D3DEngine.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_Backdrop.h"
#include "GUI_ChangeNotifier.h"
#include "GUI_Colours.h"
#include "GUI_IconButton.h"
#include "GUI_MenuBase.h"
#include "GUI_MindState.h"
#include "GUI_Rain.h"
#include "GUI_Snow.h"
#include "GUI_WindowBackground.h"
#include "LibTextEngine.h"
#include "SIM_OutingInstances.h"

GUI_BeerPostMortem* GUI_BeerPostMortem::PTheWindow = nullptr;

void GUI_BeerPostMortem::Create(SIM_BeerInstance* instance) {
  Close();
  if (instance) PTheWindow = new GUI_BeerPostMortem(instance);
}

void GUI_BeerPostMortem::Close() {
  GUI_BeerPostMortem* window = PTheWindow;
  PTheWindow = nullptr;
  delete window;
}

void GUI_BeerPostMortem::Continue(int) { Close(); }

GUI_BeerPostMortem::GUI_BeerPostMortem(SIM_BeerInstance* instance) : m_instance(instance) {
  GAssert(instance != nullptr, __FILE__, __LINE__);
  PTheWindow = this;
  m_title = GTranslation::GetString("BAR_BRAWL_TITLE");
  MakeFullScreenWindow();
  m_text = GTranslation::GetString("BAR_BRAWL_TEXT");
  const float W = D3DEngine::W;
  GUI_MenuBase::SizeStrip(m_strip);
  m_continueButton = new GUI_IconButton("bigbuttons.dds", Continue, 0);
  m_continueButton->SetHighlightTexture("bigbuttons.dds");
  m_continueButton->SetCells(16, 6, 7);
  m_continueButton->SetPosition(W - 78.0f, 701.0f, W - 10.0f, 769.0f);
  AddButton(m_continueButton);
  SetRect(&m_panel, 64, 200, 680, 420);
  AddChild(GUI_GetMindState());
  GetDebug()->DebugOut("Bar brawl: the report opens");
}

GUI_BeerPostMortem::~GUI_BeerPostMortem() {
  // The mind-state panel is shared with the other pages: it outlives this one.
  GUI_MindState* mind = GUI_GetMindState();
  if (mind->GetParent() == this) RemoveChild(mind);
  if (PTheWindow == this) PTheWindow = nullptr;
  GUI_ChangeNotifier::CloseAll();
}

void GUI_BeerPostMortem::Draw() {
  GUI_GetBackdrop()->DrawWeatherBackdrop();
  GUI_GetRain()->Draw();
  GUI_GetSnow()->Draw();
  m_strip.Draw();
  GUI_WindowBackground::DrawTiled(m_panel, "rounded_rectangle.dds", 32.0f, 0.5f);
  DrawChildren();
  DrawButtons();
  LibTextEngine* text = GetTextEngine();
  const float panelWidth = (float)(m_panel.right - m_panel.left);
  text->SetCurrentFont("calibriblackbold30.dds", 30.0f);
  text->AddQueueString(m_title, (float)m_panel.left, (float)m_panel.top + 20.0f, kBlack, panelWidth,
                       LibTextEngine::ALIGN_CENTER);
  text->SetCurrentFont("anime14.dds", 14.0f);
  text->AddWrappedString(m_text, (float)m_panel.left + 20.0f, (float)m_panel.top + 60.0f, panelWidth - 40.0f, kBlack);
  text->ProcessTextQueue(-1);
}
