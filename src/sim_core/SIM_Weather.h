#pragma once
// The day's weather: one of sun, cloud, rain or snow with an intensity, drawn every one to four
// nights from the present month's row of "data/simulation/weather.csv". The intensities are also
// the game-wide values "weather_sun", "weather_cloud", "weather_rain" and "weather_snow".
#include <string>

class SIM_Weather {
 public:
  enum WEATHERTYPE { WEATHER_SUN = 0, WEATHER_CLOUD = 1, WEATHER_RAIN = 2, WEATHER_SNOW = 3, WEATHER_COUNT = 4 };
  static constexpr int MONTHS = 12;

  SIM_Weather();

  // Reads the probability table. Rows beyond twelve are ignored and missing months are all sun,
  // each with a warning naming the file and line.
  void Open(const char* file = "data/simulation/weather.csv");
  void NextDay();
  void PickNewWeather();
  void SetNewWeather(int type);
  void UpdateWindSound();
  void MuteWindSound();

  float GetIntensity(int type) const;  // 0 outside 0..3
  // One type's intensity as given (clamped to 0..1), the others and the day's type left alone:
  // for cheats and the scene's tests, which need an exact storm.
  void ForceIntensity(int type, float intensity);
  int GetType() const { return m_type; }
  int GetDaysLeft() const { return m_daysLeft; }
  float GetProbability(int month, int type) const;

 private:
  float m_intensity[WEATHER_COUNT] = {};
  int m_type = WEATHER_SUN;
  int m_daysLeft = 0;
  float m_probabilities[MONTHS][WEATHER_COUNT] = {};
  std::string m_file;           // the table read, for warnings about its rows
  int m_lines[MONTHS] = {};     // each month's line in it; 0 for a month it does not give
  char m_windSound[64];
};

SIM_Weather* SIM_GetWeather();
