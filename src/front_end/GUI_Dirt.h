#pragma once
// The mess of an untidy home drawn over the in-game view: dirt stains by the home's dirt level,
// and pet hair and paw prints when a dog or a cat lives there; flies buzz once it is really dirty.
// The sprites are placed afresh for every new or loaded game and freed when the in-game mode
// closes; the simulation calls Process after each change of "glob_dirt".
#include <vector>

#include "BaseSprite.h"
#include "GTimer.h"
#include "SmartTexture.h"

class GUI_Dirt {
 public:
  GUI_Dirt();
  void Process();     // re-reads the dirt level
  void Initialise();  // builds the sprites for a new or loaded game
  void Clean();       // frees them when the in-game mode closes
  void Draw();

  int GetVisibleDirtCount() const { return m_visibleDirt; }
  float GetDirtLevel() const { return m_dirtLevel; }
  size_t GetDirtSpriteCount() const { return m_dirt.size(); }
  const std::vector<BaseSprite>& GetDirtSprites() const { return m_dirt; }

  static constexpr int PAW_PRINTS = 12;
  static constexpr int PET_HAIRS = 64;

 private:
  std::vector<BaseSprite> m_dirt;
  std::vector<BaseSprite> m_pawPrints;
  std::vector<BaseSprite> m_petHair;
  int m_visibleDirt = 0;
  float m_dirtLevel = 0.0f;
  GTimer m_fliesTimer;
  float m_fliesInterval = 40000.0f;
  SmartTexture m_dirtTexture;
  SmartTexture m_pawTexture;
  SmartTexture m_hairTexture;
};

GUI_Dirt* GUI_GetDirt();
