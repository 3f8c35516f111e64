#pragma once
// The save file: one game as tagged text, one item a line, either a bare tag ("<health>",
// "</health>") or an element ("<cash>12.5</cash>"), in sections of a fixed order that the loader
// (SIM_LoadGame) reads front to back. SIM_SaveGame writes it from the live state of every
// subsystem and hands out the save identities (SLID) by which the file names persons.
//
// Values are escaped ("&" "<" ">" and line breaks as "&amp;" "&lt;" "&gt;" "&#10;" "&#13;"), other
// bytes pass unchanged (the game's text is single-byte); numbers are written without the locale,
// floats with the digits that read back the very same value.
//
// A save goes to "<name>.xml.tmp" first, every write checked, flushed and synced, and is then
// renamed over "<name>.xml": a kill or a full disk mid-save leaves the previous save whole.
#include <string>
#include <vector>

class SIM_Attribute;
class SIM_Boredom;
class SIM_NPC;

class SIM_AchievementBase;

class SIM_SaveGame {
 public:
  // The loader takes the number after the first six characters as the major version and refuses
  // any other major version than its own.
  static constexpr const char* kVersion = "Vorla 2.0.0";
  static constexpr int kMajorVersion = 2;
  // The history of an attribute keeps its newest values up to this many.
  static constexpr int kHistoryValues = 60;

  // Saves the running game as "<name>.xml" in the save-games folder. False when the name is empty
  // or the file cannot be written: the previous save of that name is left as it was, the reason
  // goes to the debug log once and GetLastError says it.
  bool SaveGame(const char* name);
  // The same to any path (tests and benchmarks).
  bool SaveToPath(const std::string& path);
  // The whole file's text for the running game.
  std::string Compose();

  const std::string& GetLastError() const { return m_lastError; }
  const std::string& GetLastName() const { return m_lastName; }
  int GetSaveCount() const { return m_saves; }  // saves asked for, written or not

  // The next save identity of a person: the counter's value, then the counter moves on.
  int CreateSLID() { return m_slidCounter++; }
  // The loader sets the counter from the saved "TopSLID"; a negative value keeps it.
  void SetSLID(int value);
  int GetSLIDCounter() const { return m_slidCounter; }

  // --- The save-games folder
  // "<folder>/<name>.xml".
  static std::string PathOf(const std::string& name);
  // The names of the "*.xml" files of the folder without the extension, sorted by name.
  static std::vector<std::string> ListSaves();
  static bool Exists(const std::string& name);
  // Removes "<name>.xml"; false (one line in the debug log) when there is no such save or it
  // cannot be removed.
  static bool DeleteSave(const std::string& name);

  // A test seam: every save fails once this many bytes are written (a full disk); -1 turns it off.
  static void FailWritesAfter(long bytes) { FailAfterBytes = bytes; }

  // --- The text of one value
  static std::string Escape(const std::string& value);
  static std::string Unescape(const std::string& value);
  // Locale-free, the shortest text that reads back the same float.
  static std::string FormatFloat(float value);
  static std::string FormatInt(long long value);

  // --- Primitives: each appends one line to the file being composed.
  void SaveString(const std::string& text);
  void SaveKeyValue(const char* key, const std::string& value);
  void SaveKeyValue(const char* key, const char* value) { SaveKeyValue(key, std::string(value ? value : "")); }
  void SaveKeyValue(const char* key, int value);
  void SaveKeyValue(const char* key, float value);
  void SaveKeyValue(const char* key, bool value) { SaveKeyValue(key, value ? 1 : 0); }

  // --- The section writers, in file order. Each section has its reader of the same name in
  // SIM_LoadGame; a subsystem still standing in writes what it holds (an empty list, zeros).
  void SaveHeader();
  void SaveGameData();
  void SaveVede();
  void SaveAttribute(SIM_Attribute* attribute);
  void SaveBoredom(SIM_Boredom* boredom);
  void SaveFinances();
  void SaveNPCS();
  void SaveNPC(SIM_NPC* npc);
  void SaveRelationships();
  void SaveJob();
  void SaveVorla();
  void SaveCommute();
  void SaveAssets();
  void SaveMagazines();
  void SaveCrime();
  void SaveDate();
  void SaveGlobals();
  void SaveHealth();
  void SaveRomance();
  void SaveStatistics();
  void SaveAlcohol();
  void SaveBooks();
  void SaveSpecialEvents();
  void SaveAchievements();
  void SaveAchievement(const char* tag, const SIM_AchievementBase* project);
  void SaveBowlingTeam();
  void SaveClasses();
  void SaveUnlocks();
  void SaveMisc();
  void SaveMovies();
  // After "misc", read only by a loader that knows it: the turn of the day.
  void SaveTurn();
  // After the turn, read only by a loader that knows it: the charity run's and dentist's dates.
  void SaveAppointments();

 private:
  bool WriteFile(const std::string& path, const std::string& text);
  void Fail(const std::string& why);

  std::string m_text;  // the file being composed
  std::string m_lastName;
  std::string m_lastError;
  int m_saves = 0;
  int m_slidCounter = 0;

  static long FailAfterBytes;
};

SIM_SaveGame* SIM_GetSaveGame();
