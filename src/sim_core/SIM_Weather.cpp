#include "SIM_Weather.h"

#include <algorithm>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "CSV.h"
#include "CSpreadsheet.h"
#include "GDebug.h"
#include "GFileList.h"
#include "GRandom.h"
#include "GUI_Sounds.h"
#include "SIM_Date.h"
#include "SIM_NamedValue.h"

SIM_Weather* SIM_GetWeather() {
  static SIM_Weather weather;
  return &weather;
}

SIM_Weather::SIM_Weather() {
  std::snprintf(m_windSound, sizeof m_windSound, "%s", "data/sounds/cold_wind_loop.ogg");
  // Until a table is read every month is plain sun, so a pick never fails.
  for (auto& row : m_probabilities) row[WEATHER_SUN] = 1.0f;
}

void SIM_Weather::Open(const char* file) {
  std::unique_ptr<CSpreadsheet> sheet;
  if (file && GFile::FileExists(file)) sheet.reset(CSpreadsheet::Create(file));
  if (!sheet) {
    GErrorOnce(GFormat("weather.csv:%s", file ? file : ""),
               GFormat("can't find weather.csv: %s", file ? file : "(no file named)").c_str(), __FILE__, __LINE__);
    return;
  }
  m_file = file;

  int rows = 0;
  for (size_t row = 0; row < sheet->size(); ++row) {
    if (rows >= MONTHS) {
      GWarnOnce(m_file + ":extra",
                GFormat("%s: more than twelve months; the extra rows are ignored", sheet->Origin(row).c_str()).c_str(),
                __FILE__, __LINE__);
      break;
    }
    CSV csv;
    csv.Initialise(sheet->at(row), ',', sheet->Origin(row));
    csv.GetNextToken();  // the row marker
    csv.GetNextToken();  // the month's label
    for (int type = 0; type < WEATHER_COUNT; ++type) m_probabilities[rows][type] = csv.GetNextFloat();
    m_lines[rows] = sheet->LineOf(row);
    ++rows;
  }
  if (rows < MONTHS) {
    // The place to add the missing months: after the last one given.
    std::string where = rows > 0 ? GFormat("%s:%d", file, m_lines[rows - 1]) : m_file;
    GWarnOnce(m_file + ":short",
              GFormat("%s: only %d months given; the others are plain sun", where.c_str(), rows).c_str(), __FILE__,
              __LINE__);
    for (int month = rows; month < MONTHS; ++month) {
      for (int type = 0; type < WEATHER_COUNT; ++type) m_probabilities[month][type] = 0.0f;
      m_probabilities[month][WEATHER_SUN] = 1.0f;
      m_lines[month] = 0;
    }
  }
}

void SIM_Weather::NextDay() {
  --m_daysLeft;
  if (m_daysLeft < 1) PickNewWeather();
}

void SIM_Weather::PickNewWeather() {
  m_daysLeft = 1 + std::rand() % 4;

  int month = SIM_Date::PPresentDay ? SIM_Date::PPresentDay->GetMonth() : 0;
  if (month < 0 || month >= MONTHS) month = 0;
  const float* row = m_probabilities[month];

  float r = GRandom::RandUnitFloat();
  float sum = 0.0f;
  for (int type = 0; type < WEATHER_COUNT; ++type) {
    sum += row[type];
    if (sum > r) {
      SetNewWeather(type);
      return;
    }
  }
  if (sum < 1.0f) {
    std::string where = m_lines[month] > 0 ? GFormat("%s:%d", m_file.c_str(), m_lines[month])
                                           : GFormat("month %d", month);
    GErrorOnce("weather " + where, GFormat("Weather percentages are invalid: %s", where.c_str()).c_str(), __FILE__,
               __LINE__);
  }
}

void SIM_Weather::SetNewWeather(int type) {
  if (type < 0 || type >= WEATHER_COUNT) return;
  m_type = type;
  for (float& intensity : m_intensity) intensity = 0.0f;
  m_intensity[type] = GRandom::RandReal(0.1f, 1.0f);
  SIM_NamedValueList::ForceGlobal("weather_snow", m_intensity[WEATHER_SNOW]);
  SIM_NamedValueList::ForceGlobal("weather_sun", m_intensity[WEATHER_SUN]);
  SIM_NamedValueList::ForceGlobal("weather_rain", m_intensity[WEATHER_RAIN]);
  SIM_NamedValueList::ForceGlobal("weather_cloud", m_intensity[WEATHER_CLOUD]);
  UpdateWindSound();
}

void SIM_Weather::UpdateWindSound() {
  GUI_Sounds* sounds = GUI_GetSounds();
  float snow = m_intensity[WEATHER_SNOW];
  if (snow > 0.0f) {
    if (!sounds->IsPlaying(m_windSound)) {
      sounds->PlaySound(m_windSound, snow, 0.0f, true);
    } else {
      sounds->SetVolume(m_windSound, snow);
    }
  } else {
    sounds->StopSound(m_windSound);
  }
}

void SIM_Weather::MuteWindSound() { GUI_GetSounds()->StopSound(m_windSound); }

void SIM_Weather::ForceIntensity(int type, float intensity) {
  if (type < 0 || type >= WEATHER_COUNT) return;
  m_intensity[type] = std::clamp(intensity, 0.0f, 1.0f);
}

float SIM_Weather::GetIntensity(int type) const {
  if (type < 0 || type >= WEATHER_COUNT) return 0.0f;
  return m_intensity[type];
}

float SIM_Weather::GetProbability(int month, int type) const {
  if (month < 0 || month >= MONTHS || type < 0 || type >= WEATHER_COUNT) return 0.0f;
  return m_probabilities[month][type];
}
