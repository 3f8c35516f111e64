#pragma once
// Reading a save file (SIM_SaveGame.h) back into the game. The whole file is read and checked
// before anything of the running game is touched: every line a bare tag or an element, every
// group closed, the mandatory sections present and in order, "misc" holding "TopSLID" and
// "TurnCount", and the header's major version the game's own. A file that fails is refused with
// one line in the debug log naming the save and the reason, and the game goes on as it was.
//
// A file that passes replaces the running game: the simulation's content is reset, each section's
// reader rebuilds its subsystem in file order, and the game opens in the turn it was saved in.
// Within a section the reader is forgiving, as old saves need: a missing element reads as 0 or
// empty, a missing optional section keeps what the reset gave, and a group naming something the
// game no longer has (an asset, a job, a layer, a type...) is skipped with one warning.
#include <string>
#include <vector>

class SIM_AchievementBase;
class SIM_Attribute;
class SIM_Boredom;

class SIM_LoadGame {
 public:
  enum FAILURE {
    LOAD_OK = 0,
    LOAD_BAD_NAME = 1,    // no name given
    LOAD_MISSING = 2,     // no such save
    LOAD_UNREADABLE = 3,  // the file is there but cannot be read
    LOAD_DAMAGED = 4,     // cut short or not a save of this game
    LOAD_VERSION = 5,     // made by another major version of the game
  };

  // One line of the file.
  struct Line {
    enum KIND { OPEN = 0, CLOSE = 1, ELEMENT = 2 };
    KIND kind = OPEN;
    std::string tag;
    std::string value;  // unescaped, exactly as saved
    int number = 0;     // from 1
  };

  // Loads "<name>.xml" of the save-games folder. False when refused: the running game is as it
  // was, and GetFailure / GetFailureText say why.
  bool LoadGame(const char* name);
  // The same from any path; `name` becomes the current game's name.
  bool LoadFromPath(const std::string& path, const std::string& name);
  // The same from the file's text; `origin` names it in reports.
  bool LoadFromText(const std::string& text, const std::string& name, const std::string& origin);

  // Splits and checks a file's text; LOAD_OK or LOAD_DAMAGED / LOAD_VERSION with the reason.
  static FAILURE Parse(const std::string& text, std::vector<Line>* lines, std::string* why);
  // The reason in plain words, for the debug log.
  static const char* FailureName(FAILURE failure);

  FAILURE GetFailure() const { return m_failure; }
  const std::string& GetFailureText() const { return m_failureText; }
  // The turn mode the last load restored; -1 when its file had none (a day-ended start).
  int GetLoadedTurnMode() const { return m_turnMode; }

  // --- Reading, each at the current line: nothing is ever searched for
  // The bare tag is next: consumed, true; otherwise nothing moves.
  bool Seek(const char* tag);
  bool CheckNextTag(const char* tag) const;
  // The element's value when it is next (consumed), else "" and nothing moves.
  std::string LoadVar(const char* key);
  void LoadInt(int* value, const char* key);
  void LoadFloat(float* value, const char* key);
  void LoadBool(bool* value, const char* key);
  void LoadString(std::string* value, const char* key);
  // Skips a group whose opening tag is next, whatever it holds.
  void SkipGroup();
  // One warning naming the file, the line and the name, and the group is skipped by the caller.
  void Warn(const std::string& what, const std::string& name, int line) const;
  int CurrentLine() const;

  // Numbers as the file writes them; text that is not a number gives 0.
  static int ToInt(const std::string& text);
  static float ToFloat(const std::string& text);
  // "1,2,3," or "1,2,3" split at the commas.
  static std::vector<std::string> SplitList(const std::string& text);

  // --- The section readers, in file order (each the partner of SIM_SaveGame's writer).
  void LoadHeader();
  void LoadGameData();
  void LoadVede();
  SIM_Attribute* LoadAttribute();  // null when skipped
  void LoadBoredom(SIM_Boredom* boredom);
  void LoadFinances();
  void LoadNPCS();
  void LoadNPC();
  void LoadRelationships();
  void LoadJob();
  void LoadVorla();
  void LoadCommute();
  void LoadAssets();
  void LoadMagazines();
  void LoadCrime();
  void LoadDate();
  void LoadGlobals();
  void RestoreGlobalOrder();
  void LoadHealth();
  void LoadRomance();
  void LoadStatistics();
  void LoadAlcohol();
  void LoadBooks();
  void LoadSpecialEvents();
  void LoadAchievements();
  void LoadAchievement(const char* tag, SIM_AchievementBase* project);
  void LoadBowlingTeam();
  void LoadClasses();
  void LoadUnlocks();
  void LoadMisc();
  void LoadPets();  // the pets, then their meals
  void LoadMovies();
  void LoadTurn();
  void LoadAppointments();

 private:
  bool Refuse(FAILURE failure, const std::string& name, const std::string& why);
  void Reset();
  void ReadSections();
  void Rebuild(const std::string& name);

  std::vector<Line> m_lines;
  size_t m_pos = 0;
  std::string m_origin;
  FAILURE m_failure = LOAD_OK;
  std::string m_failureText;
  float m_version = 0.0f;
  int m_acts = 0;
  int m_maxActs = 1;
  int m_turnMode = -1;
  bool m_night = false;
  std::vector<std::string> m_globalOrder;  // the game-wide values in the file's order
};

SIM_LoadGame* SIM_GetLoadGame();
