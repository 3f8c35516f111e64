#include "SIM_PlayerOptions.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "CInput.h"
#include "CSV.h"
#include "GDebug.h"
#include "GFileList.h"
#include "IniLoader.h"
#include "MacFile.h"
#include "Paths.h"

namespace {
std::string CutCurrency(const std::string& text) {
  return text.size() > SIM_PlayerOptions::MAX_CURRENCY ? text.substr(0, SIM_PlayerOptions::MAX_CURRENCY)
                                                       : text;
}
}  // namespace

SIM_PlayerOptions* SIM_GetPlayerOptions() {
  static SIM_PlayerOptions options;
  return &options;
}

SIM_PlayerOptions::SIM_PlayerOptions() {
  static const char* optionNames[OPTION_COUNT] = {"MASTERVOLUME", "MUSICVOLUME", "MOUSESPEED"};
  static const char* toggleNames[TOGGLE_COUNT] = {"ENABLEMUSIC", "ENABLEAUTOSAVE", "ENABLESAMESEX",
                                                  "ENABLEUSERDATA", "ENABLEBACKGROUND"};
  for (int i = 0; i < OPTION_COUNT; ++i) {
    m_options[i] = 0.0f;
    std::snprintf(m_optionNames[i], sizeof m_optionNames[i], "%s", optionNames[i]);
  }
  for (int i = 0; i < TOGGLE_COUNT; ++i) {
    m_toggles[i] = false;
    std::snprintf(m_toggleNames[i], sizeof m_toggleNames[i], "%s", toggleNames[i]);
  }
  m_stringNames[STRING_CURRENCY] = "CURRENCY";
  UpdateFilePath();
}

void SIM_PlayerOptions::UpdateFilePath() {
  char path[1024];
  std::snprintf(path, sizeof path, "%s/player_options.txt", GetUserFolder().c_str());
  m_filePath = path;
}

void SIM_PlayerOptions::Load() {
  UpdateFilePath();
  if (!GFile::FileExists(m_filePath.c_str())) {
    m_options[OPTION_MASTERVOLUME] = 1.0f;
    m_options[OPTION_MUSICVOLUME] = 1.0f;
    m_options[OPTION_MOUSESPEED] = 0.5f;
    m_toggles[TOGGLE_MUSIC] = true;
    m_toggles[TOGGLE_AUTOSAVE] = true;
    m_toggles[TOGGLE_SAMESEX] = false;
    m_toggles[TOGGLE_USERDATA] = true;
    m_toggles[TOGGLE_BACKGROUND] = true;
    Save();
    // The file keeps an empty currency, which reads back as "$" from the next start on; the first
    // session shows money the same way rather than with no currency at all.
    m_strings[STRING_CURRENCY] = "$";
    return;
  }

  IniLoader config;
  config.LoadSection("config", m_filePath.c_str());
  for (int i = 0; i < OPTION_COUNT; ++i) {
    const char* value = config.GetValue(m_optionNames[i]);
    m_options[i] = (value && *value) ? CSV::ParseFloat(value) : 0.5f;
  }

  IniLoader toggles;
  toggles.LoadSection("toggles", m_filePath.c_str());
  for (int i = 0; i < TOGGLE_COUNT; ++i) {
    m_toggles[i] = toggles.HasValue(m_toggleNames[i]) && std::atoi(toggles.GetValue(m_toggleNames[i])) != 0;
  }

  IniLoader strings;
  strings.LoadSection("strings", m_filePath.c_str());
  const char* currency = strings.GetValue(m_stringNames[STRING_CURRENCY].c_str());
  m_strings[STRING_CURRENCY] = (currency && *currency) ? CutCurrency(currency) : std::string("$");

  GetInput()->SetMouseSpeed(m_options[OPTION_MOUSESPEED]);
}

void SIM_PlayerOptions::Save() {
  UpdateFilePath();
  EnsureDirectoryExists(GetUserFolder().c_str());
  FILE* file = std::fopen(m_filePath.c_str(), "w");
  if (!file) {
    GWarning("Failed to save variables", __FILE__, __LINE__);
    return;
  }
  std::fprintf(file, "[config]\n");
  for (int i = 0; i < OPTION_COUNT; ++i) std::fprintf(file, "%s = %.2f\n", m_optionNames[i], static_cast<double>(m_options[i]));
  std::fprintf(file, "\n[toggles]\n");
  for (int i = 0; i < TOGGLE_COUNT; ++i) std::fprintf(file, "%s = %d\n", m_toggleNames[i], m_toggles[i] ? 1 : 0);
  std::fprintf(file, "\n[strings]\n");
  for (int i = 0; i < STRING_COUNT; ++i) {
    std::fprintf(file, "%s = %s\n", m_stringNames[i].c_str(), m_strings[i].c_str());
  }
  if (std::fclose(file) != 0) GWarning("Failed to save variables", __FILE__, __LINE__);
}

float SIM_PlayerOptions::Get(int option) const {
  if (option < 0 || option >= OPTION_COUNT) return 0.0f;
  return m_options[option];
}

void SIM_PlayerOptions::Set(int option, float value) {
  if (option < 0 || option >= OPTION_COUNT) return;
  m_options[option] = value;
}

bool SIM_PlayerOptions::GetToggle(int toggle) const {
  if (toggle < 0 || toggle >= TOGGLE_COUNT) return false;
  return m_toggles[toggle];
}

void SIM_PlayerOptions::SetToggle(int toggle, bool on) {
  if (toggle < 0 || toggle >= TOGGLE_COUNT) return;
  m_toggles[toggle] = on;
}

std::string SIM_PlayerOptions::GetString(int id) const {
  if (id < 0 || id >= STRING_COUNT) return std::string();
  return m_strings[id];
}

void SIM_PlayerOptions::SetString(int id, const std::string& value) {
  if (id < 0 || id >= STRING_COUNT) return;
  m_strings[id] = (id == STRING_CURRENCY) ? CutCurrency(value) : value;
}
