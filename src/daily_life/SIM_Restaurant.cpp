#include "SIM_Restaurant.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "CSV.h"
#include "CSpreadsheet.h"
#include "D3DTypes.h"
#include "ExitCleanup.h"
#include "GDebug.h"
#include "GFileList.h"
#include "GRandom.h"
#include "GTranslation.h"
#include "Game.h"
#include "SIM_Date.h"
#include "SIM_JobBase.h"
#include "SIM_JobInstance.h"
#include "SIM_NamedValue.h"
#include "SIM_RestaurantOption.h"
#include "SIM_Rumour.h"
#include "SIM_SocialiseType.h"
#include "SIM_StandInLog.h"
#include "SIM_Vede.h"

std::list<SIM_Restaurant*> SIM_Restaurant::All;
bool SIM_Restaurant::BOpened = false;

namespace {

constexpr const char* kRestaurantTable = "data/simulation/restaurants.csv";
constexpr float kBusyDayBusyness = 0.4f;
constexpr float kQuietDayBusyness = 0.15f;
constexpr float kSalaryForFullMarks = 40000.0f;
constexpr float kFoodCriticBonus = 0.5f;
constexpr float kRumourChance = 0.1f;
constexpr int kMenuDrinks = 4;
constexpr int kMenuMains = 6;

// Per style: the weights of admission values 0..7 (6 is the food critic's, set apart), then the
// band a free table's quality is drawn from.
struct StyleWeights {
  float weight[SIM_Restaurant::kAdmissionValues];
  float low;
  float high;
};
constexpr StyleWeights kStyles[4] = {
    {{1.0f, 0, 0, 0, 0, 0, 0, 0}, 0.0f, 0.8f},
    {{0.7f, 0, 0, 0, 0.25f, 0, 0, 0.1f}, 0.45f, 1.0f},
    {{0.2f, 0.17f, 0.15f, 0.22f, 0.2f, 0.17f, 0, 0.1f}, 0.65f, 1.0f},
    {{0.1f, 0.6f, 0.1f, 0, 0, 0.2f, 0, 0}, 0.5f, 1.0f},
};

const char* const kStyleNames[4] = {"CHEAPO", "MIDRANGE", "SNOOTY", "HIP"};

int StyleFromText(const std::string& text, const std::string& origin) {
  for (int i = 0; i < 4; ++i)
    if (text == kStyleNames[i]) return i;
  // Any other text is a mistake in the table; the middle of the road is the safest guess.
  GWarnOnce(origin + ":style",
            GFormat("%s: Invalid restaurant style \"%s\"; read as MIDRANGE", origin.c_str(), text.c_str()).c_str(),
            __FILE__, __LINE__);
  return SIM_Restaurant::MIDRANGE;
}

// "r,g,b,a", each 0..255, into the text engine's packing (red in bits 16..23). A field that is not
// four such numbers is reported and draws black.
uint32_t TextColourFromField(const std::string& field, const std::string& origin) {
  int parts[4] = {0, 0, 0, 0};
  int count = 0;
  bool good = true;
  const char* p = field.c_str();
  while (*p && good) {
    while (*p == ' ') ++p;
    char* end = nullptr;
    const long value = std::strtol(p, &end, 10);
    if (end == p || value < 0 || value > 255 || count >= 4) {
      good = false;
      break;
    }
    parts[count++] = (int)value;
    p = end;
    while (*p == ' ') ++p;
    if (*p == ',') ++p;
  }
  if (!good || count != 4) {
    GWarnOnce(origin + ":colour",
              GFormat("%s: the text colour \"%s\" is not \"r,g,b,a\" (0 to 255 each); black is used", origin.c_str(),
                      field.c_str()).c_str(),
              __FILE__, __LINE__);
    return VBColor(0, 0, 0, 255);
  }
  return VBColor(parts[0], parts[1], parts[2], parts[3]);
}

const char* const kRumourSections[4] = {"RUMOUR_CHEAPO_RESTAURANT", "RUMOUR_MIDRANGE_RESTAURANT",
                                        "RUMOUR_SNOOTY_RESTAURANT", "RUMOUR_HIP_RESTAURANT"};

}  // namespace

SIM_Restaurant::SIM_Restaurant() {
  RegisterExitCleanup(Close);
  All.push_back(this);
}

SIM_Restaurant::~SIM_Restaurant() { All.remove(this); }

void SIM_Restaurant::Open(const char* restaurantsFile, const char* foodFile) {
  SIM_StandInLog::Record("SIM_Restaurant::Open");
  if (BOpened) return;
  Close();
  SIM_RestaurantOption::Open(foodFile);
  const char* file = restaurantsFile ? restaurantsFile : kRestaurantTable;
  std::unique_ptr<CSpreadsheet> sheet;
  if (GFile::FileExists(file)) sheet.reset(CSpreadsheet::Create(file));
  if (!sheet) {
    GWarnOnce(GFormat("restaurant-table:%s", file),
              GFormat("%s: missing; there are no restaurants in town", file).c_str(), __FILE__, __LINE__);
  } else {
    for (size_t row = 0; row < sheet->size(); ++row) {
      SIM_Restaurant* restaurant = new SIM_Restaurant;
      restaurant->Load(sheet->at(row), sheet->Origin(row));
      restaurant->Initialise(sheet->Origin(row));
    }
  }
  BOpened = true;
  // Tonight's tables, quietly: the evening's own draw is the moment the day records.
  for (SIM_Restaurant* restaurant : All) restaurant->CalculateTableAvailability();
}

void SIM_Restaurant::Close() {
  // The gossip names the restaurants: it goes with them.
  SIM_Rumour::KillRumours(SIM_Rumour::RUMOUR_RESTAURANT);
  while (!All.empty()) delete All.front();
  BOpened = false;
}

void SIM_Restaurant::Load(const std::string& row, const std::string& origin) {
  CSV csv;
  csv.Initialise(row, ',', origin);
  csv.GetNextToken();  // the row marker
  m_eventTypeName = csv.GetNextString();
  m_languageValueName = csv.GetNextString();
  m_unused = csv.GetNextString();
  m_guiName = csv.GetNextString();
  m_description = csv.GetNextString();
  m_menuTexture = csv.GetNextString();
  m_music = "data/sounds/music/" + csv.GetNextString();
  m_textColor = TextColourFromField(csv.GetNextString(), origin);
  m_minCost = csv.GetNextFloat();
  m_maxCost = csv.GetNextFloat();
  m_style = StyleFromText(csv.GetNextString(), origin);
  m_menuName = csv.GetNextString();
}

void SIM_Restaurant::Initialise(const std::string& origin) {
  m_rumourText = GTranslation::GetRandomString(kRumourSections[m_style]);
  GTranslation::ReplaceToken(m_rumourText, "<RESTAURANTNAME>", m_guiName);
  for (SIM_RestaurantOption* option : SIM_RestaurantOption::All)
    if (option->GetTypeName() == m_menuName) m_options.push_back(option);
  if (m_options.empty()) {
    // The menu screen copes with an empty menu (nothing can be ordered); the table must be mended.
    GWarnOnce(origin + ":menu",
              GFormat("%s: the menu \"%s\" has no dishes in the food table", origin.c_str(), m_menuName.c_str()).c_str(),
              __FILE__, __LINE__);
  }
}

void SIM_Restaurant::CalculateTableAvailabilityAll() {
  SIM_StandInLog::Record("SIM_Restaurant::CalculateTableAvailabilityAll");
  for (SIM_Restaurant* restaurant : All) restaurant->CalculateTableAvailability();
}

std::array<float, SIM_Restaurant::kAdmissionValues> SIM_Restaurant::ReadAdmissionValues() const {
  std::array<float, kAdmissionValues> values{};
  SIM_Vede* vede = SIM_GetVede();
  const int dayOfWeek = SIM_Date::PPresentDay ? SIM_Date::PPresentDay->GetDayOfWeek() : 0;
  const bool busy = dayOfWeek == 4 || dayOfWeek == 5;
  values[0] = 1.0f - (busy ? kBusyDayBusyness : kQuietDayBusyness);
  values[1] = vede->GetValue("vorla");
  SIM_JobInstance* job = vede->GetJobInstance();
  values[2] = job ? std::clamp(job->GetCurrentSalary() / kSalaryForFullMarks, 0.0f, 1.0f) : 0.0f;
  values[3] = vede->GetValue("culture");
  values[4] = m_languageValueName.empty() ? 0.0f : vede->GetValue(m_languageValueName);
  values[5] = vede->GetValue("exp_cooking");
  values[6] = 0.0f;
  values[7] = SIM_NamedValueList::Globals.IsTrue("suit") ? 1.0f : 0.0f;
  return values;
}

void SIM_Restaurant::CalculateTableAvailability() {
  SIM_JobBase* job = SIM_GetVede()->GetJob();
  JudgeAdmission(ReadAdmissionValues(), job && job->GetName() == "food_critic");
}

void SIM_Restaurant::JudgeAdmission(const std::array<float, kAdmissionValues>& values, bool foodCritic) {
  m_weightedFactors.fill(0.0f);
  m_hasFreeTable = false;
  m_admissionValues = values;
  const StyleWeights& style = kStyles[m_style];
  for (size_t i = 0; i < kAdmissionValues; ++i) m_weightedFactors[i] = style.weight[i] * m_admissionValues[i];
  // The critic's pen opens every door.
  if (foodCritic) m_weightedFactors[6] = kFoodCriticBonus;
  const float chance = GetChance();
  m_hasFreeTable = GRandom::IsChance(chance);
  if (!m_hasFreeTable) return;
  const float span = style.high - style.low;
  m_quality = std::clamp(style.low + GRandom::RandUnitFloat() * span / 2.0f + span * chance / 2.0f, 0.0f, 1.0f);
}

float SIM_Restaurant::GetChance() const {
  float sum = 0.0f;
  for (float factor : m_weightedFactors) sum += factor;
  return std::clamp(sum, 0.0f, 1.0f);
}

std::string SIM_Restaurant::GetWaitersComment() const {
  const float vorla = m_admissionValues[1];
  const float salary = m_admissionValues[2];
  const float culture = m_admissionValues[3];
  const float language = m_admissionValues[4];
  const char* verdict = nullptr;
  if (m_hasFreeTable) {
    switch (m_style) {
      case CHEAPO: verdict = "RESTAURANT_TABLEFREE_CHEAPO"; break;
      case SNOOTY: verdict = "RESTAURANT_TABLEFREE_SNOOTY"; break;
      case HIP: verdict = vorla < 0.25f ? "RESTAURANT_TABLEFREE_HIP_DESPITEVORLA" : "RESTAURANT_TABLEFREE_HIP"; break;
      default: verdict = "RESTAURANT_TABLEFREE_MIDRANGE"; break;
    }
  } else {
    switch (m_style) {
      case CHEAPO: verdict = "RESTAURANT_FULL_CHEAPO"; break;
      case SNOOTY:
        // Cultured enough to pass: the money is held against a player who earns too little.
        if (culture < 0.4f) {
          verdict = "RESTAURANT_FULL_SNOOTY_CULTURE";
        } else {
          verdict = salary < 0.5f ? "RESTAURANT_FULL_SNOOTY_MONEY" : "RESTAURANT_FULL_SNOOTY";
        }
        break;
      case HIP: verdict = salary > 0.8f ? "RESTAURANT_FULL_HIP_NOTABOUTMONEY" : "RESTAURANT_FULL_HIP"; break;
      default: verdict = "RESTAURANT_FULL_MIDRANGE"; break;
    }
  }
  std::string text = GTranslation::GetString(verdict);
  const char* comment = "RESTAURANT_TABLEFREE_COMMENT_DEFAULT";
  if (m_style == SNOOTY && culture >= 0.75f) {
    comment = "RESTAURANT_TABLEFREE_COMMENT_CULTURED";
  } else if (m_style == HIP && vorla >= 0.5f) {
    comment = "RESTAURANT_TABLEFREE_COMMENT_VORLA";
  } else if ((m_style == MIDRANGE || m_style == SNOOTY) && language >= 0.5f) {
    comment = "RESTAURANT_TABLEFREE_COMMENT_LANGUAGE";
  }
  GTranslation::ReplaceToken(text, "<TABLECOMMENT>", GTranslation::GetString(comment));
  GTranslation::ReplaceToken(text, "<SALUTATION>", GTranslation::GetString("RESTAURANT_SALUTATION_" + m_eventTypeName));
  GTranslation::ReplaceToken(text, "<RESTAURANTNAME>", m_guiName);
  GTranslation::ReplaceToken(text, "<LANGUAGE>", GTranslation::GetString("nv_" + m_languageValueName));
  return text;
}

std::string SIM_Restaurant::GetDescription() const {
  std::string text = m_description;
  GTranslation::ReplaceToken(text, "<TOWNNAME>", GetGame()->GetTownName());
  return text;
}

void SIM_Restaurant::GenerateRumoursAll() {
  SIM_StandInLog::Record("SIM_Restaurant::GenerateRumoursAll");
  SIM_Rumour::KillRumours(SIM_Rumour::RUMOUR_RESTAURANT);
  for (SIM_Restaurant* restaurant : All)
    if (GRandom::IsChance(kRumourChance)) SIM_Rumour::AddRumour(restaurant->m_rumourText, SIM_Rumour::RUMOUR_RESTAURANT, restaurant);
}

bool SIM_Restaurant::MatchesType(const SIM_SocialiseType* type) const {
  return type && type->GetName() == m_eventTypeName;
}

std::list<SIM_RestaurantOption*> SIM_Restaurant::DrawTodaysMenu() const {
  std::vector<SIM_RestaurantOption*> drinks, mains, drinkCandidates, mainCandidates;
  for (SIM_RestaurantOption* option : m_options) {
    const bool drink = option->GetType() == SIM_RestaurantOption::DRINK;
    if (option->IsAlwaysListed()) {
      (drink ? drinks : mains).push_back(option);
    } else {
      (drink ? drinkCandidates : mainCandidates).push_back(option);
    }
  }
  auto fill = [](std::vector<SIM_RestaurantOption*>& listed, std::vector<SIM_RestaurantOption*>& candidates, int wanted) {
    for (int i = (int)listed.size(); i < wanted && !candidates.empty(); ++i) {
      const size_t pick = (size_t)std::rand() % candidates.size();
      listed.push_back(candidates[pick]);
      candidates.erase(candidates.begin() + (std::ptrdiff_t)pick);
    }
  };
  fill(drinks, drinkCandidates, kMenuDrinks);
  fill(mains, mainCandidates, kMenuMains);
  std::list<SIM_RestaurantOption*> menu(drinks.begin(), drinks.end());
  menu.insert(menu.end(), mains.begin(), mains.end());
  return menu;
}
