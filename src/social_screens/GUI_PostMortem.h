#pragma once
// The full-screen report of a finished social evening (restaurant and game evenings use it too):
// how good the evening was, a face per guest down the left edge, and for the selected guest what
// they thought, how the friendship moved and how their character rubbed off on the player. The
// evening opens it once it has been worked out; the continue button closes it, and closing runs
// the evening's AfterPostMortem and the in-game mode's end-of-activity steps.
#include <string>
#include <vector>

#include "CTexturedSprite.h"
#include "GUI_WindowBase.h"
#include "SmartTexture.h"

class GUI_IconButton;
class GUI_PostMortemIcon;
class GUI_PostMortemOpinion;
class SIM_SocialiseEffect;
class SIM_SocialiseInstance;

class GUI_PostMortem : public GUI_WindowBase {
 public:
  static GUI_PostMortem* Create(SIM_SocialiseInstance* instance);
  static void Close();
  static void Continue(int);
  static void Reset();  // the layout after a change of screen size
  // Where icon k of n stands: y = H / 2 - 36 n - 80 + 76 k, 72 high, from x 16 to 88.
  static RECT IconRect(int k, int n, float screenHeight);

  explicit GUI_PostMortem(SIM_SocialiseInstance* instance);
  ~GUI_PostMortem() override;

  void AddExtraText(const std::string& text);
  void Select(SIM_SocialiseEffect* effect);
  SIM_SocialiseEffect* GetSelected() const { return m_selected; }
  void Draw() override;
  // Hint windows lie over the report and take their clicks first.
  bool CheckClick(float x, float y) override;

  SIM_SocialiseInstance* GetInstance() const { return m_instance; }
  GUI_IconButton* GetContinueButton() const { return m_continueButton; }
  GUI_IconButton* GetFortuneCookie() const { return m_fortune; }
  GUI_PostMortemOpinion* GetOpinion() const { return m_opinion; }
  const std::vector<GUI_PostMortemIcon*>& GetIcons() const { return m_icons; }
  const std::vector<std::string>& GetExtraTexts() const { return m_extraTexts; }

  static GUI_PostMortem* PTheWindow;

 private:
  void CreateButtons();
  void Place();

  SIM_SocialiseEffect* m_selected = nullptr;
  SIM_SocialiseInstance* m_instance;  // not owned
  GUI_IconButton* m_continueButton = nullptr;
  std::vector<std::string> m_extraTexts;
  RECT m_textBox;
  CTexturedSprite m_strip;
  GUI_PostMortemOpinion* m_opinion = nullptr;  // a child, none for an evening nobody came to
  SmartTexture m_backdrop;
  GUI_IconButton* m_fortune = nullptr;  // "chineserestaurant" only
  std::vector<GUI_PostMortemIcon*> m_icons;  // in the button list
};

