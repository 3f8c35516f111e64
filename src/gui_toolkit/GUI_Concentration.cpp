#include "GUI_Concentration.h"

#include "D3DEngine.h"
#include "GTranslation.h"
#include "GUI_ValueBar.h"
#include "LibTextEngine.h"
#include "SIM_Vede.h"

namespace {
GUI_ValueBar* MakeBar(float value, bool highlighted) {
  GUI_ValueBar* bar = new GUI_ValueBar;
  bar->SetValue(value, 1.0f, highlighted);
  return bar;
}
}  // namespace

GUI_Concentration::GUI_Concentration() {
  SIM_Vede* vede = SIM_GetVede();
  // The penalty terms are those of the last computation, so the concentration is computed first.
  const float concentration = vede->GetConcentration();
  m_stress = vede->GetConcentrationStress();
  m_alcohol = vede->GetConcentrationAlcohol();
  m_tiredness = vede->GetConcentrationTiredness();
  const float sum = m_stress + m_alcohol + m_tiredness;
  // The three penalty bars never add up to more than one full bar.
  if (sum > 1.0f) {
    m_stress /= sum;
    m_alcohol /= sum;
    m_tiredness /= sum;
  }
  m_title = GTranslation::GetString("CONCENTRATION_TITLE");
  m_stressLabel = GTranslation::GetString("CONCENTRATION_STRESS");
  m_alcoholLabel = GTranslation::GetString("CONCENTRATION_ALCOHOL");
  m_tirednessLabel = GTranslation::GetString("CONCENTRATION_TIREDNESS");

  m_concentrationBar = MakeBar(concentration, false);
  m_stressBar = MakeBar(m_stress, true);
  m_alcoholBar = MakeBar(m_alcohol, true);
  m_tirednessBar = MakeBar(m_tiredness, true);
  AddChild(m_concentrationBar);
  AddChild(m_stressBar);
  AddChild(m_alcoholBar);
  AddChild(m_tirednessBar);
}

void GUI_Concentration::Draw() {
  GetD3DEngine()->FillRect(&rect, 0x20000000u);
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime14.dds", 14.0f);
  float y = (float)rect.top + 21.0f;
  const std::string* labels[4] = {&m_title, &m_stressLabel, &m_alcoholLabel, &m_tirednessLabel};
  GUI_ValueBar* bars[4] = {m_concentrationBar, m_stressBar, m_alcoholBar, m_tirednessBar};
  for (int i = 0; i < 4; ++i) {
    text->AddQueueString(*labels[i], (float)rect.left, y - 22.0f, 0xFF000000u, (float)width,
                         LibTextEngine::ALIGN_CENTER);
    bars[i]->SetPosition((float)rect.left + 10.0f, y, (float)rect.right - 10.0f, y + 8.0f);
    y += 32.0f;
  }
  DrawChildren();
  text->ProcessTextQueue(-1);
}
