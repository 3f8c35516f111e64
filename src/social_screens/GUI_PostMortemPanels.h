#pragma once
// What the evening's report is made of: a guest's face in the column down the left edge, the panel
// with the selected guest's opinion, the bar showing how the friendship moved, and one row per
// character trait of the guest that rubbed off on the player.
#include <string>
#include <vector>

#include "CTexturedSprite.h"
#include "GUI_ButtonBase.h"
#include "GUI_WindowBase.h"

class GUI_NPCPortrait;
class GUI_Tooltip;
class SIM_CharacterType;
class SIM_Person;
class SIM_SocialiseEffect;

class GUI_PostMortemIcon : public GUI_ButtonBase {
 public:
  explicit GUI_PostMortemIcon(SIM_SocialiseEffect* effect);
  ~GUI_PostMortemIcon() override;
  void Draw() override;
  void Click() override;  // selects this guest
  SIM_SocialiseEffect* GetEffect() const { return m_effect; }
  // The white link from the selected icon to the opinion panel: three bars, the first across the
  // icon's right edge, the second down (or up) to y 500..508, the third along to x 146.
  static void LinkRects(const RECT& icon, RECT out[3]);

 private:
  SIM_SocialiseEffect* m_effect;          // the report's evening owns it
  GUI_NPCPortrait* m_portrait = nullptr;  // owned
};

class GUI_PostMortemEffectBar : public GUI_WindowBase {
 public:
  explicit GUI_PostMortemEffectBar(float change);
  // Where the slider sits for a change: 0.5 for none, an end for half the boost scalar either way.
  static float SliderPosition(float change, float scalar);
  void Draw() override;
  float GetPosition() const { return m_position; }

 private:
  float m_position;
  std::string m_caption;
  std::string m_bad;
  std::string m_good;
  CTexturedSprite m_slider;
  CTexturedSprite m_slotLeft;
  CTexturedSprite m_slotRight;
  CTexturedSprite m_slotMiddle;
  CTexturedSprite m_bgLeft;
  CTexturedSprite m_bgRight;
  CTexturedSprite m_bgMiddle;
};

class GUI_PostMortemPersonality : public GUI_WindowBase {
 public:
  GUI_PostMortemPersonality(SIM_CharacterType* type, float scale);
  ~GUI_PostMortemPersonality() override;
  void Draw() override;
  void ProcessInput() override;
  const std::string& GetText() const { return m_text; }
  float GetAmount() const { return m_amount; }
  const std::string& GetAmountText() const { return m_amountText; }

 private:
  std::string m_text;
  float m_amount = 0.0f;
  CTexturedSprite m_indicator;
  std::string m_amountText;
  GUI_Tooltip* m_tooltip = nullptr;  // owned
};

class GUI_PostMortemOpinion : public GUI_WindowBase {
 public:
  GUI_PostMortemOpinion();
  ~GUI_PostMortemOpinion() override;
  void SetEffect(SIM_SocialiseEffect* effect);
  void Draw() override;
  SIM_SocialiseEffect* GetEffect() const { return m_effect; }
  GUI_PostMortemEffectBar* GetEffectBar() const { return m_bar; }
  const std::vector<GUI_PostMortemPersonality*>& GetPersonalities() const { return m_personalities; }

 private:
  GUI_NPCPortrait* m_portrait = nullptr;  // owned
  SIM_SocialiseEffect* m_effect = nullptr;
  GUI_PostMortemEffectBar* m_bar = nullptr;  // a child
  SIM_Person* m_person = nullptr;
  std::vector<GUI_PostMortemPersonality*> m_personalities;  // children
};
