#include "GUI_YearlyReview.h"

#include <algorithm>

#include "D3DEngine.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_Avatar.h"
#include "GUI_ChangeNotifier.h"
#include "GUI_Colours.h"
#include "GUI_IconButton.h"
#include "GUI_MenuBase.h"
#include "GUI_MindState.h"
#include "GUI_ScreenFader.h"
#include "GUI_Sounds.h"
#include "GUI_WindowBackground.h"
#include "GUI_YearReviewStat.h"
#include "LibTextEngine.h"
#include "SIM_Birthday.h"
#include "SIM_Description.h"
#include "SIM_SIM.h"
#include "SIM_Statistics.h"
#include "SIM_Vede.h"

GUI_YearlyReview* GUI_YearlyReview::PTheWindow = nullptr;

namespace {
constexpr float kCakeWidth = 256.0f;
constexpr float kCakeHeight = 154.0f;
constexpr float kCakeV = 154.0f / 256.0f;  // the cake fills the top rows of its texture
constexpr float kCandleWidth = 8.0f;
constexpr float kCandleHeight = 40.0f;
constexpr float kCandleSpacing = 33.0f;
constexpr float kCandleRowDrop = 10.0f;
constexpr size_t kMaxGuestsText = 31;  // the "nobody came" text is cut to this

// The statistics rows, left column first: label key, then where the number comes from.
enum StatisticSource { STAT_COUNTER, STAT_REAL_COUNTER, STAT_ACTIVITY_COUNT };
struct StatisticRow {
  const char* label;
  StatisticSource source;
  const char* name;
  int scale;
};
constexpr StatisticRow kStatistics[] = {
    {"STATISTIC_CROSSWORDS_FINISHED", STAT_COUNTER, "CROSSWORDS_FINISHED", 1},
    {"STATISTIC_BOOKS_READ", STAT_COUNTER, "BOOKS_READ", 1},
    {"STATISTIC_TV_WATCHED", STAT_COUNTER, "TV_WATCHED", 1},
    {"STATISTIC_MOVIES_SEEN", STAT_COUNTER, "MOVIES_SEEN", 1},
    {"STATISTIC_ROULETTE_WINNINGS", STAT_COUNTER, "ROULETTE_WINNINGS", 1},
    {"STATISTIC_INVITES_REJECTED", STAT_COUNTER, "INVITES_REJECTED", 1},
    {"STATISTIC_INVITES_ACCEPTED", STAT_COUNTER, "INVITES_ACCEPTED", 1},
    {"STATISTIC_SOLD_OBJECTS", STAT_COUNTER, "SOLD_OBJECTS", 1},
    {"STATISTIC_PURCHASED_OBJECTS", STAT_COUNTER, "PURCHASED_OBJECTS", 1},
    {"STATISTIC_MCLICKS", STAT_COUNTER, "MCLICKS", 1},
    {"STATISTIC_CASH_EARNED", STAT_REAL_COUNTER, "CASH_EARNED", 1},
    {"STATISTIC_CLASSESATTENDED", STAT_COUNTER, "CLASSESATTENDED", 1},
    {"STATISTIC_MILES_WALKED_TO_WORK", STAT_REAL_COUNTER, "MILES_WALKED_TO_WORK", 1},
    {"STATISTIC_TVHOURS", STAT_ACTIVITY_COUNT, "watchtv", 16},
    {"STATISTIC_SNOWBALLS", STAT_ACTIVITY_COUNT, "snowballfight", 20},
    {"STATISTIC_PROMOTIONS", STAT_COUNTER, "PROMOTIONS", 1},
};
static_assert(sizeof kStatistics / sizeof kStatistics[0] == 2 * GUI_YearlyReview::STATISTICS_PER_COLUMN);

int StatisticValue(const StatisticRow& row) {
  SIM_Statistics* statistics = SIM_GetStatistics();
  switch (row.source) {
    case STAT_COUNTER:
      return statistics->GetIntCounter(row.name) * row.scale;
    case STAT_REAL_COUNTER:
      return (int)statistics->GetFloatCounter(row.name) * row.scale;
    case STAT_ACTIVITY_COUNT:
      return statistics->GetActivityCount(row.name) * row.scale;
  }
  return 0;
}
}  // namespace

// ---------------------------------------------------------------------------------------------
// Opening and closing

void GUI_YearlyReview::Create() {
  delete PTheWindow;
  PTheWindow = nullptr;
  GUI_YearlyReview* review = new GUI_YearlyReview();
  review->Initialise();
}

void GUI_YearlyReview::Close() {
  GUI_ChangeNotifier::CloseAll();
  delete PTheWindow;
  PTheWindow = nullptr;
}

void GUI_YearlyReview::Continue(int) {
  Close();
  SIM_GetSim()->ProcessWakeUp();
}

GUI_YearlyReview::GUI_YearlyReview(const char* titleKey) : m_title(GTranslation::GetString(titleKey)) {
  PTheWindow = this;
}

GUI_YearlyReview::~GUI_YearlyReview() {
  GUI_MindState* mind = GUI_GetMindState();
  if (mind->GetParent() == this) RemoveChild(mind);
  if (PTheWindow == this) PTheWindow = nullptr;
  GUI_Sounds* sounds = GUI_GetSounds();
  sounds->StopSound(MUSIC);
  sounds->StartMusic();
  GUI_GetFader()->FadeIn();
  // The time the page was open is not play.
  SIM_GetStatistics()->StartTimer();
}

// ---------------------------------------------------------------------------------------------
// What the page says

const char* GUI_YearlyReview::SummaryKey(float alone, float social, float classes) {
  if (alone >= MAIN_SHARE) return "YEAR_REVIEW_SUMMARY_SOLITARY";
  if (social >= MAIN_SHARE) return "YEAR_REVIEW_SUMMARY_SOCIABLE";
  if (classes >= CLASSES_SHARE) return "YEAR_REVIEW_SUMMARY_BOOKWORM";
  return "YEAR_REVIEW_SUMMARY_WELLBALANCED";
}

int GUI_YearlyReview::CandleCount(int age) { return std::clamp(age - 20, 0, MAX_CANDLES); }

void GUI_YearlyReview::ChooseSummary() {
  SIM_Statistics* statistics = SIM_GetStatistics();
  const int social = statistics->GetIntCounter("DAYS_SOCIAL");
  const int solo = statistics->GetIntCounter("DAYS_SOLO");
  const int classes = statistics->GetIntCounter("CLASSESATTENDED");
  const float total = (float)std::max(1, social + solo + classes);
  m_socialShare = (float)social / total;
  m_aloneShare = (float)solo / total;
  m_classesShare = (float)classes / total;

  m_summary = GTranslation::GetString(SummaryKey(m_aloneShare, m_socialShare, m_classesShare));
  SIM_Description* description = SIM_GetDescription();
  GTranslation::ReplaceToken(m_summary, "<ADJECTIVE1>", description->GetFirstAdjective());
  GTranslation::ReplaceToken(m_summary, "<ADJECTIVE2>", description->GetSecondAdjective());
}

void GUI_YearlyReview::Initialise() {
  SIM_GetStatistics()->StopTimer();
  MakeFullScreenWindow();
  const float W = D3DEngine::W;

  if (!m_endGame) {
    m_continueButton = new GUI_IconButton("bigbuttons.dds", Continue, 0);
    m_continueButton->SetHighlightTexture("bigbuttons.dds");
    m_continueButton->SetCells(16, 6, 7);
    m_continueButton->SetPosition(W - 78.0f, 701.0f, W - 10.0f, 769.0f);
    m_continueButton->SetTooltip("TOOLTIP_YEARREVIEW_CONTINUE", 30);
    m_continueButton->SetFadeFirst();
    AddButton(m_continueButton);
  }

  ChooseSummary();
  m_favorite = GFormat("%s : %s", GTranslation::GetString("YEAR_REVIEW_FAVORITE"),
                       SIM_GetStatistics()->GetFavoriteActivity().c_str());

  GUI_MenuBase::SizeStrip(m_strip);
  m_background.SetTexture("skyline_sunset.jpg");

  SetRect(&m_panel, 60, 60, 640, 660);
  AddChild(GUI_GetMindState());

  const float panelCentreX = (float)(m_panel.left + m_panel.right) / 2.0f;
  m_cake.SetTexture("birthday_cake.dds");
  m_cake.SetSize(kCakeWidth, kCakeHeight);
  m_cake.SetUV(0.0f, 0.0f, 1.0f, kCakeV);
  m_cake.PlaceLocal(panelCentreX, (float)m_panel.top + 160.0f);
  PlaceCandles();

  const int guests = SIM_GetBirthday()->GetPartyGuests();
  m_partyGuests = GTranslation::GetString("YEAR_REVIEW_PARTY_GUESTS");
  if (guests > 0) {
    GTranslation::ReplaceToken(m_partyGuests, "<NUMGUESTS>", GFormat("%d", guests));
  } else {
    GTranslation::ReplaceToken(m_partyGuests, "<NUMGUESTS>",
                               std::string(GTranslation::GetString("YEAR_REVIEW_GUESTS_NONE")).substr(0, kMaxGuestsText));
  }

  AddStatistics();

  GUI_Sounds* sounds = GUI_GetSounds();
  sounds->StopMusic();
  sounds->PlaySound(MUSIC, false);
}

// Rows of three, four and three, each row a little lower and the middle one wider, so that the
// candles stand on the cake's top as if seen from above.
void GUI_YearlyReview::PlaceCandles() {
  const float cx = m_cake.GetCenterX();
  float x = cx - kCandleSpacing;
  float y = m_cake.Top() - 5.0f;
  for (int i = 0; i < MAX_CANDLES; ++i) {
    CTexturedSprite& candle = m_candles[i];
    candle.SetTexture("birthday_candle.dds");
    candle.SetSize(kCandleWidth, kCandleHeight);
    candle.PlaceLocal(x, y);
    x += kCandleSpacing;
    if (i == 2) {
      x = cx - 50.0f;
      y += kCandleRowDrop;
    } else if (i == 6) {
      x = cx - 30.0f;
      y += kCandleRowDrop;
    }
  }
}

void GUI_YearlyReview::AddStatistics() {
  m_nextStatisticY = m_cake.Bottom() + 140.0f;
  m_statisticX = (float)m_panel.left + 20.0f;
  int row = 0;
  for (const StatisticRow& statistic : kStatistics) {
    if (row++ == STATISTICS_PER_COLUMN) {
      m_nextStatisticY = m_cake.Bottom() + 140.0f;
      m_statisticX = (float)(m_panel.left + m_panel.right) / 2.0f;
    }
    AddStatistic(statistic.label, StatisticValue(statistic));
  }
}

void GUI_YearlyReview::AddStatistic(const char* labelKey, int value) {
  GUI_YearReviewStat* stat = new GUI_YearReviewStat(labelKey, value);
  stat->SetPosition(m_statisticX, m_nextStatisticY, m_statisticX + 300.0f, m_nextStatisticY + 20.0f);
  AddChild(stat);
  m_nextStatisticY += 20.0f;
}

// ---------------------------------------------------------------------------------------------
// Drawing

void GUI_YearlyReview::Draw() { DrawReview(); }

void GUI_YearlyReview::DrawReview() {
  D3DEngine* engine = GetD3DEngine();
  engine->FillScreen(&m_background, 1.0f, 0.75f);
  GUI_WindowBackground::DrawTiled(m_panel, GUI_WindowBackground::PRESET_CLIENT, 38.0f, 1.0f);
  GUI_GetAvatar()->Draw();
  m_strip.Draw();
  DrawButtons();

  const float left = (float)m_panel.left;
  const float panelWidth = (float)(m_panel.right - m_panel.left);
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime30.dds", 30.0f);
  text->AddQueueString(m_title, left, (float)m_panel.top + 20.0f, kBlack, panelWidth, LibTextEngine::ALIGN_CENTER);

  m_cake.Draw();
  const int candles = CandleCount(SIM_GetVede()->GetAge());
  for (int i = 0; i < candles; ++i) m_candles[i].Draw();

  const float cakeBottom = m_cake.Bottom();
  text->SetCurrentFont("anime14.dds", 14.0f);
  text->AddWrappedString(m_partyGuests, left + 20.0f, cakeBottom + 20.0f, panelWidth - 40.0f, kBlack);
  text->AddWrappedString(m_summary, left + 20.0f, cakeBottom + 50.0f, panelWidth - 40.0f, kBlack);
  text->AddQueueString(m_favorite, left, cakeBottom + 110.0f, kBlack, panelWidth, LibTextEngine::ALIGN_CENTER);
  DrawChildren();
  text->ProcessTextQueue(-1);
}
