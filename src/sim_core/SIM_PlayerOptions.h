#pragma once
// The player's preferences that outlive a game (volumes, mouse speed, on/off toggles, the currency
// text), kept in "player_options.txt" in the user folder.
#include <string>

class SIM_PlayerOptions {
 public:
  enum OPTIONS { OPTION_MASTERVOLUME = 0, OPTION_MUSICVOLUME = 1, OPTION_MOUSESPEED = 2, OPTION_COUNT = 3 };
  enum TOGGLES {
    TOGGLE_MUSIC = 0,
    TOGGLE_AUTOSAVE = 1,
    TOGGLE_SAMESEX = 2,
    TOGGLE_USERDATA = 3,
    TOGGLE_BACKGROUND = 4,
    TOGGLE_COUNT = 5
  };
  enum STRINGID { STRING_CURRENCY = 0, STRING_COUNT = 1 };
  // The currency is a short symbol or code; longer texts are cut to this many characters.
  static constexpr size_t MAX_CURRENCY = 3;

  SIM_PlayerOptions();

  // Reads the file; without one, writes the defaults.
  void Load();
  // Replaces the file; when it cannot be written: "Failed to save variables", nothing written.
  void Save();

  float Get(int option) const;  // 0 outside the range
  // The stored value itself, for a slider that writes it while dragged; null outside the range.
  float* GetOptionPointer(int option) { return option >= 0 && option < OPTION_COUNT ? &m_options[option] : nullptr; }
  void Set(int option, float value);
  bool GetToggle(int toggle) const;  // false outside the range
  void SetToggle(int toggle, bool on);
  std::string GetString(int id) const;
  void SetString(int id, const std::string& value);

  const std::string& GetFilePath() const { return m_filePath; }

 private:
  void UpdateFilePath();

  float m_options[OPTION_COUNT];
  char m_optionNames[OPTION_COUNT][128];
  std::string m_filePath;
  bool m_toggles[TOGGLE_COUNT];
  char m_toggleNames[TOGGLE_COUNT][128];
  std::string m_strings[STRING_COUNT];
  std::string m_stringNames[STRING_COUNT];
};

SIM_PlayerOptions* SIM_GetPlayerOptions();
