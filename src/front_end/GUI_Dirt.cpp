#include "GUI_Dirt.h"

#include <algorithm>

#include "D3DEngine.h"
#include "GRandom.h"
#include "GUI_Sounds.h"
#include "SIM_GlobalVariable.h"
#include "SIM_NamedValue.h"
#include "SIM_StandInLog.h"

GUI_Dirt* GUI_GetDirt() {
  static GUI_Dirt* dirt = new GUI_Dirt;
  return dirt;
}

GUI_Dirt::GUI_Dirt() : m_dirtTexture("dirt.dds"), m_pawTexture("pawprint.dds"), m_hairTexture("pethair.dds") {}

void GUI_Dirt::Process() {
  // The day-turn order test watches this moment.
  SIM_StandInLog::Record("GUI_Dirt::Process");
  m_dirtLevel = SIM_NamedValueList::Globals.HasValue("glob_dirt") ? SIM_NamedValueList::Globals.GetValue("glob_dirt") : 0.0f;
  m_visibleDirt = (int)(m_dirtLevel * SIM_GetGlobalVariables()->Get("GV_MAXDIRTSPRITES"));
}

namespace {

BaseSprite RandomSprite(float size, float W, float H) {
  BaseSprite sprite;
  sprite.rotation = GRandom::Scene().RandReal(0.0f, 359.0f);
  sprite.SetSize(size, size);
  sprite.PlaceLocal(GRandom::Scene().RandReal(0.0f, W), GRandom::Scene().RandReal(0.0f, H));
  return sprite;
}

}  // namespace

void GUI_Dirt::Initialise() {
  Clean();
  // The object may be made before the renderer can load pictures: look the names up again.
  m_dirtTexture.SetTexture("dirt.dds");
  m_pawTexture.SetTexture("pawprint.dds");
  m_hairTexture.SetTexture("pethair.dds");
  const float W = (float)GetD3DEngine()->GetScreenWidth();
  const float H = (float)GetD3DEngine()->GetScreenHeight();
  const int stains = std::max(0, (int)SIM_GetGlobalVariables()->Get("GV_MAXDIRTSPRITES"));
  for (int i = 0; i < stains; ++i) {
    const int cell = GRandom::Scene().Rand() % 4;
    m_dirt.push_back(RandomSprite(GRandom::Scene().RandReal(16.0f, 128.0f), W, H));
    m_dirt.back().SetUV(4, cell);
  }
  for (int i = 0; i < PAW_PRINTS; ++i) m_pawPrints.push_back(RandomSprite(100.0f, W, H));
  for (int i = 0; i < PET_HAIRS; ++i) {
    m_petHair.push_back(RandomSprite(16.0f, W, H));
    m_petHair.back().SetUV(4, GRandom::Scene().Rand() % 4);
  }
  m_fliesInterval = 40000.0f;
  m_fliesTimer.StartTimer();
}

void GUI_Dirt::Clean() {
  m_dirt.clear();
  m_pawPrints.clear();
  m_petHair.clear();
}

void GUI_Dirt::Draw() {
  if (m_dirtLevel > 0.6f) {
    m_fliesTimer.Update();
    if (m_fliesTimer.GetElapsed() > (double)m_fliesInterval) {
      m_fliesTimer.StartTimer();
      m_fliesInterval = 40000.0f - 20000.0f * m_dirtLevel;
      GUI_GetSounds()->PlaySound("data/sounds/flies.ogg", 0.6f * m_dirtLevel, GRandom::Scene().RandReal(0.0f, 1.0f), false);
    }
  }

  const int stains = std::min(m_visibleDirt, (int)m_dirt.size());
  if (stains > 0) {
    m_dirtTexture.Set();
    for (int i = 0; i < stains; ++i) {
      m_dirt[i].SetVertexColor(255, 255, 255, 255);
      m_dirt[i].Draw();
    }
  }

  SIM_NamedValueList& globals = SIM_NamedValueList::Globals;
  if (m_dirtLevel > 0.1f && (globals.IsTrue("dog") || globals.IsTrue("cat"))) {
    const int hairs = std::min((int)(PET_HAIRS * m_dirtLevel), (int)m_petHair.size());
    m_hairTexture.Set();
    for (int i = 0; i < hairs; ++i) {
      m_petHair[i].SetVertexColor(255, 255, 255, std::min(255, (int)(255.0f * m_dirtLevel)));
      m_petHair[i].Draw();
    }
    const int prints = std::min((int)(PAW_PRINTS * m_dirtLevel), (int)m_pawPrints.size());
    m_pawTexture.Set();
    for (int i = 0; i < prints; ++i) {
      m_pawPrints[i].SetVertexColor(255, 255, 255, (int)std::min(300.0f * m_dirtLevel, 255.0f));
      m_pawPrints[i].Draw();
    }
  }
}
