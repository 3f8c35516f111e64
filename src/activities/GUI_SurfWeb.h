#pragma once
// The web screen of an evening surfing: a browser filling the screen, strips of ones and zeros
// unrolling over it, and one button per website. A click on a website is the evening's surfing:
// its effects are applied and the screen closes. There is no other way out, except when the
// table gave no website at all: then Escape leaves, so that a broken table never traps the player.
// The end of the day waits while the screen is open.
#include <array>

#include "CTexturedSprite.h"
#include "GTimer.h"
#include "GUI_ButtonBase.h"
#include "GUI_WindowBase.h"
#include "SmartTexture.h"

class SIM_Website;

// One decoration strip: digits that unroll from the left over half a second, stay a little and
// start again somewhere else. Drawn from the scenery's own random stream, so that how long the
// screen stays open never moves the game's draws.
class GUI_WebBinary {
 public:
  static constexpr float kUnrollMs = 500.0f;

  GUI_WebBinary();
  void Init();
  void Draw();

  float GetX() const { return m_x; }
  float GetY() const { return m_y; }
  float GetLifetime() const { return m_lifetime; }

 private:
  float m_x = 0.0f;
  float m_y = 0.0f;
  GTimer m_timer;
  CTexturedSprite m_sprite;
  float m_lifetime = 0.0f;
  float m_alpha = 0.0f;
};

class GUI_WebsiteButton : public GUI_ButtonBase {
 public:
  explicit GUI_WebsiteButton(SIM_Website* website);
  ~GUI_WebsiteButton() override;

  void Draw() override;
  // The click sound, the website's effects, and the screen closed: this button is gone after.
  void Click() override;

  SIM_Website* GetWebsite() const { return m_website; }

  // The website last under the mouse; the beep plays when it changes.
  static GUI_WebsiteButton* PHighlighted;

 private:
  SIM_Website* m_website;  // owned by SIM_Website::All
};

class GUI_SurfWeb : public GUI_WindowBase {
 public:
  static constexpr int kStrips = 128;
  static constexpr int kFirstDrawnStrip = 9;
  static constexpr float kRowHeight = 144.0f;
  static constexpr int kRowsPerColumn = 3;

  static void Create();
  static void Close();

  GUI_SurfWeb();
  ~GUI_SurfWeb() override;

  void Draw() override;
  void HandleKey(unsigned key) override;

  const std::array<GUI_WebBinary, kStrips>& GetStrips() const { return m_strips; }

  static GUI_SurfWeb* PTheWindow;

 private:
  CTexturedSprite m_strip;
  SmartTexture m_backdrop;
  std::array<GUI_WebBinary, kStrips> m_strips;
};
