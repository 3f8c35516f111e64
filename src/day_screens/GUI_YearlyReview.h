#pragma once
// The page that closes each year, on the player's birthday: a sunset skyline, a cake with a candle
// for every year past twenty, the party's guests, a line on how the evenings were spent, the
// favourite activity and two columns of the game's statistics. The night opens it and holds the
// next morning back until the player presses continue. The end-of-game screen is the same page
// (GUI_EndGame).
//
// Opening it pauses the play timer and closing it resumes it, so the time a player spends reading
// the page is not counted as play.
#include <string>

#include "CTexturedSprite.h"
#include "GUI_WindowBase.h"
#include "SmartTexture.h"
#include "Win32Types.h"

class GUI_IconButton;

class GUI_YearlyReview : public GUI_WindowBase {
 public:
  static constexpr int MAX_CANDLES = 10;
  static constexpr int STATISTICS_PER_COLUMN = 8;
  // A share of the evenings from which that way of spending them names the year.
  static constexpr float MAIN_SHARE = 0.45f;
  static constexpr float CLASSES_SHARE = 0.3f;
  static constexpr const char* MUSIC = "data/sounds/music/results menu.ogg";

  static void Create();
  // Closes the open review, or the end-of-game screen when that is open.
  static void Close();
  // The continue button: the review goes and the morning after the birthday begins.
  static void Continue(int);

  GUI_YearlyReview() : GUI_YearlyReview("YEAR_REVIEW_TITLE") {}
  ~GUI_YearlyReview() override;

  void Draw() override;
  virtual void Initialise();
  void AddStatistic(const char* labelKey, int value);

  // The summary's key for the shares of the evenings spent alone, with people and at classes.
  static const char* SummaryKey(float alone, float social, float classes);
  // Candles on the cake at an age: one a year past twenty, at most ten.
  static int CandleCount(int age);

  bool IsEndGame() const { return m_endGame; }
  const std::string& GetTitle() const { return m_title; }
  const std::string& GetSummary() const { return m_summary; }
  const std::string& GetPartyGuestsText() const { return m_partyGuests; }
  const std::string& GetFavoriteText() const { return m_favorite; }
  float GetAloneShare() const { return m_aloneShare; }
  float GetSocialShare() const { return m_socialShare; }
  float GetClassesShare() const { return m_classesShare; }
  GUI_IconButton* GetContinueButton() const { return m_continueButton; }
  const CTexturedSprite& GetCake() const { return m_cake; }
  const CTexturedSprite& GetCandle(int i) const { return m_candles[i]; }
  const RECT& GetPanel() const { return m_panel; }

  static GUI_YearlyReview* PTheWindow;  // the open review, also when it is the end-of-game screen

 protected:
  explicit GUI_YearlyReview(const char* titleKey);
  // Everything but the end-of-game screen's own effects, the text queue drawn at the end.
  void DrawReview();

  bool m_endGame = false;

 private:
  void ChooseSummary();
  void PlaceCandles();
  void AddStatistics();

  GUI_IconButton* m_continueButton = nullptr;  // in the button list; none on the end-of-game screen
  std::string m_title;
  std::string m_summary;
  std::string m_partyGuests;
  std::string m_favorite;
  float m_aloneShare = 0.0f;
  float m_socialShare = 0.0f;
  float m_classesShare = 0.0f;
  CTexturedSprite m_strip;
  SmartTexture m_background;
  RECT m_panel{};
  CTexturedSprite m_cake;
  CTexturedSprite m_candles[MAX_CANDLES];
  float m_nextStatisticY = 0.0f;
  float m_statisticX = 0.0f;
};
