#include "SIM_LoadGame.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <list>
#include <map>
#include <sstream>

#include "GDebug.h"
#include "GUI_AfterWorkScreen.h"
#include "GUI_Avatar.h"
#include "GUI_AvatarLayer.h"
#include "GUI_ChangeNotifier.h"
#include "GUI_CommuteBackScreen.h"
#include "GUI_CommuteInScreen.h"
#include "GUI_Dirt.h"
#include "GUI_GUI.h"
#include "GUI_LoadingScreen.h"
#include "GUI_NPCIcon.h"
#include "GUI_NPCIconParts.h"
#include "GUI_Skills.h"
#include "GUI_WindowManager.h"
#include "GUI_WokeUpScreen.h"
#include "GUI_WorkDayScreen.h"
#include "Game.h"
#include "HOOK_EveningClassType.h"
#include "SIM_AchievementBase.h"
#include "SIM_Alcohol.h"
#include "SIM_Asset.h"
#include "SIM_Book.h"
#include "SIM_Attribute.h"
#include "SIM_BowlingTeam.h"
#include "SIM_Boredom.h"
#include "SIM_Calendar.h"
#include "SIM_CharacterType.h"
#include "SIM_Charity.h"
#include "SIM_CommuteMethod.h"
#include "SIM_Crime.h"
#include "SIM_Date.h"
#include "SIM_Dentist.h"
#include "SIM_Description.h"
#include "SIM_Dirt.h"
#include "SIM_Finances.h"
#include "SIM_FoodMemory.h"
#include "SIM_Health.h"
#include "SIM_InterestType.h"
#include "SIM_JobBase.h"
#include "SIM_JobEvent.h"
#include "SIM_JobInstance.h"
#include "SIM_JobOffer.h"
#include "SIM_JobUnlocks.h"
#include "SIM_Magazine.h"
#include "SIM_MagazineAsset.h"
#include "SIM_Memory.h"
#include "SIM_Movie.h"
#include "SIM_NPC.h"
#include "SIM_NamedValue.h"
#include "SIM_Dog.h"
#include "SIM_PetFood.h"
#include "SIM_PortraitDatabase.h"
#include "SIM_Projects.h"
#include "SIM_Relationship.h"
#include "SIM_Restaurant.h"
#include "SIM_RoyaltyStream.h"
#include "SIM_Rumour.h"
#include "SIM_SIM.h"
#include "SIM_SaveGame.h"
#include "SIM_ScheduledEvents.h"
#include "SIM_Skill.h"
#include "SIM_SmallTalk.h"
#include "SIM_Romance.h"
#include "SIM_SocialInvitation.h"
#include "SIM_SocialiseInstance.h"
#include "SIM_EventQuality.h"
#include "SIM_SocialiseType.h"
#include "SIM_SoloActivityInstance.h"
#include "SIM_SoloActivityType.h"
#include "SIM_Statistics.h"
#include "SIM_TimeChunkType.h"
#include "SIM_Vede.h"
#include "SIM_Vorla.h"
#include "GUI_Crossword.h"

SIM_LoadGame* SIM_GetLoadGame() {
  static SIM_LoadGame instance;
  return &instance;
}

namespace {

// A save is a few hundred kilobytes; anything far larger is not one of ours.
constexpr size_t kMaxSaveBytes = 64u * 1024u * 1024u;
constexpr size_t kMaxTagLength = 127;

struct Section {
  const char* tag;
  bool optional;
};

// The top-level sections in file order. Whatever follows "misc" belongs to newer loaders and is
// read only by the loader that knows it.
const Section kSaveSections[] = {
    {"header", false},       {"game", false},         {"vede", false},          {"finances", false},
    {"npcs", false},         {"relationships", false}, {"job_instance", false}, {"jobs_applied", false},
    {"jobs_offered", false}, {"jobs_unlocked", false}, {"jobdistances", true},  {"vorla", false},
    {"commute", false},      {"assets", false},       {"magazines", true},      {"crime", false},
    {"date", false},         {"globals", false},      {"health", false},        {"romance", false},
    {"statistics", false},   {"alcohol", false},      {"books", false},         {"events", false},
    {"achievements", false}, {"bowling", false},      {"classes", false},       {"unlocks", false},
    {"pets", false},         {"petmeals", false},     {"SIM_SIM", false},       {"movies", true},
    {"eventqualities", true}, {"foodmemories", true}, {"crossword", true},      {"misc", false},
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// One line of text into a Line; false when it is neither a bare tag nor an element.
bool ParseLine(const std::string& text, size_t begin, size_t end, SIM_LoadGame::Line* line, std::string* why) {
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  if (begin == end) return true;  // a blank line
  if (text[begin] != '<') {
    *why = "text outside a tag";
    return false;
  }
  const size_t close = text.find('>', begin);
  if (close == std::string::npos || close >= end) {
    *why = "a tag that does not end";
    return false;
  }
  std::string tag = text.substr(begin + 1, close - begin - 1);
  if (tag.empty() || tag.size() > kMaxTagLength || tag.find('<') != std::string::npos) {
    *why = "a malformed tag";
    return false;
  }
  if (close + 1 == end) {
    if (tag[0] == '/') {
      line->kind = SIM_LoadGame::Line::CLOSE;
      tag.erase(0, 1);
      if (tag.empty()) {
        *why = "a malformed tag";
        return false;
      }
    } else {
      line->kind = SIM_LoadGame::Line::OPEN;
    }
    line->tag = tag;
    return true;
  }
  if (tag[0] == '/') {
    *why = "a closing tag followed by text";
    return false;
  }
  const size_t valueEnd = text.find('<', close + 1);
  const std::string closing = "</" + tag + ">";
  if (valueEnd == std::string::npos || valueEnd + closing.size() != end || text.compare(valueEnd, closing.size(), closing) != 0) {
    *why = "an element \"" + tag + "\" that is not closed on its line";
    return false;
  }
  line->kind = SIM_LoadGame::Line::ELEMENT;
  line->tag = tag;
  line->value = SIM_SaveGame::Unescape(text.substr(close + 1, valueEnd - close - 1));
  return true;
}

// The line of the group that begins at `first` up to its closing tag (one past it).
size_t GroupEnd(const std::vector<SIM_LoadGame::Line>& lines, size_t first) {
  int depth = 0;
  for (size_t i = first; i < lines.size(); ++i) {
    if (lines[i].kind == SIM_LoadGame::Line::OPEN) ++depth;
    if (lines[i].kind == SIM_LoadGame::Line::CLOSE && --depth == 0) return i + 1;
  }
  return lines.size();
}

bool HasChildElement(const std::vector<SIM_LoadGame::Line>& lines, size_t open, const char* key) {
  const size_t end = GroupEnd(lines, open);
  int depth = 0;
  for (size_t i = open + 1; i + 1 < end; ++i) {
    if (lines[i].kind == SIM_LoadGame::Line::OPEN) ++depth;
    if (lines[i].kind == SIM_LoadGame::Line::CLOSE) --depth;
    if (depth == 0 && lines[i].kind == SIM_LoadGame::Line::ELEMENT && lines[i].tag == key) return true;
  }
  return false;
}

void LoadingProgress(float progress) { GUI_GetLoadingScreen()->Draw(progress); }

// Lookups that say nothing themselves: the loader names what it skips, once, with file and line.
SIM_CharacterType* FindCharacterType(const std::string& name) {
  for (SIM_CharacterType* type : SIM_CharacterType::All) {
    if (type->GetName() == name) return type;
  }
  return nullptr;
}

SIM_Asset* FindAsset(const std::string& name) {
  for (SIM_Asset* asset : SIM_Asset::All) {
    if (asset->GetName() == name) return asset;
  }
  return nullptr;
}

GUI_AvatarLayer* FindAvatarLayer(const std::string& guiName) {
  for (GUI_AvatarLayer* layer : GUI_AvatarLayer::All) {
    if (layer->GetGUIName() == guiName) return layer;
  }
  return nullptr;
}

SIM_SpecialEvent* FindSpecialEvent(const std::string& name) {
  for (SIM_SpecialEvent* event : SIM_SpecialEvent::All) {
    if (event->GetName() == name) return event;
  }
  return nullptr;
}

bool InterestExists(const std::string& name) {
  // The two old names that SIM_Interest::Create still maps.
  return SIM_InterestType::GetType(name) || name == "card games" || name == "museums";
}

// Looked up quietly: an unknown type is the loader's one warning, not the table's alert.
SIM_SocialiseType* FindSocialType(const std::string& name) {
  for (SIM_SocialiseType* type : SIM_SocialiseType::All) {
    if (type->GetName() == name) return type;
  }
  return nullptr;
}

// GetByName would report a save naming a type the table lost as an error; a warning is enough.
SIM_SoloActivityType* FindSoloType(const std::string& name) {
  for (SIM_SoloActivityType* type : SIM_SoloActivityType::All) {
    if (type->GetName() == name) return type;
  }
  return nullptr;
}

int ClampInt(int value, int low, int high) { return std::max(low, std::min(high, value)); }

}  // namespace

// ---------------------------------------------------------------------------------------------
// Checking the file

const char* SIM_LoadGame::FailureName(FAILURE failure) {
  switch (failure) {
    case LOAD_OK: return "loaded";
    case LOAD_BAD_NAME: return "no name was given";
    case LOAD_MISSING: return "there is no such save";
    case LOAD_UNREADABLE: return "the file cannot be read";
    case LOAD_DAMAGED: return "the file is damaged or cut short";
    case LOAD_VERSION: return "it was made by another version of the game";
  }
  return "unknown";
}

SIM_LoadGame::FAILURE SIM_LoadGame::Parse(const std::string& text, std::vector<Line>* lines, std::string* why) {
  lines->clear();
  if (text.size() > kMaxSaveBytes) {
    *why = "the file is far too large";
    return LOAD_DAMAGED;
  }
  // Every line a bare tag or an element.
  int number = 0;
  for (size_t begin = 0; begin < text.size();) {
    size_t end = text.find('\n', begin);
    if (end == std::string::npos) end = text.size();
    ++number;
    Line line;
    line.number = number;
    std::string lineWhy;
    if (!ParseLine(text, begin, end, &line, &lineWhy)) {
      *why = "line " + std::to_string(number) + ": " + lineWhy;
      return LOAD_DAMAGED;
    }
    if (!line.tag.empty()) lines->push_back(std::move(line));
    begin = end + 1;
  }
  // Groups nest and close; the file opens with "xml", and a closing "xml" ends it.
  if (lines->empty() || (*lines)[0].kind != Line::OPEN || (*lines)[0].tag != "xml") {
    *why = "it does not begin with <xml>";
    return LOAD_DAMAGED;
  }
  std::vector<const Line*> open;
  std::vector<size_t> topLevel;  // the opening line of every section
  for (size_t i = 0; i < lines->size(); ++i) {
    const Line& line = (*lines)[i];
    if (line.kind == Line::OPEN) {
      if (open.size() == 1) topLevel.push_back(i);
      if (i > 0 && open.empty()) {
        *why = "line " + std::to_string(line.number) + ": text after </xml>";
        return LOAD_DAMAGED;
      }
      open.push_back(&line);
    } else if (line.kind == Line::CLOSE) {
      if (open.empty() || open.back()->tag != line.tag) {
        *why = "line " + std::to_string(line.number) + ": </" + line.tag + "> closes nothing open";
        return LOAD_DAMAGED;
      }
      open.pop_back();
    } else if (open.empty()) {
      *why = "line " + std::to_string(line.number) + ": text after </xml>";
      return LOAD_DAMAGED;
    }
  }
  if (open.size() > 1) {
    *why = "<" + open.back()->tag + "> (line " + std::to_string(open.back()->number) + ") is never closed";
    return LOAD_DAMAGED;
  }
  // The sections in their order; the optional ones may be missing.
  size_t next = 0;
  size_t miscLine = 0;
  for (const Section& section : kSaveSections) {
    if (next < topLevel.size() && (*lines)[topLevel[next]].tag == section.tag) {
      if (std::string(section.tag) == "misc") miscLine = topLevel[next];
      ++next;
    } else if (!section.optional) {
      const std::string found = next < topLevel.size() ? "<" + (*lines)[topLevel[next]].tag + ">" : "the end of the file";
      *why = "the section <" + std::string(section.tag) + "> is missing (found " + found + ")";
      return LOAD_DAMAGED;
    }
  }
  if (!HasChildElement(*lines, miscLine, "TopSLID") || !HasChildElement(*lines, miscLine, "TurnCount")) {
    *why = "<misc> lacks TopSLID or TurnCount";
    return LOAD_DAMAGED;
  }
  // The header's version: the number after "Vorla " is the major version.
  const size_t header = topLevel[0];
  std::string version;
  bool hasVersion = false;
  for (size_t i = header + 1; i < lines->size() && (*lines)[i].kind == Line::ELEMENT; ++i) {
    if ((*lines)[i].tag == "version") {
      version = (*lines)[i].value;
      hasVersion = true;
      break;
    }
  }
  if (!hasVersion) {
    *why = "the header has no version";
    return LOAD_DAMAGED;
  }
  const int major = version.size() > 6 ? ToInt(version.substr(6)) : 0;
  if (major != SIM_SaveGame::kMajorVersion) {
    *why = "version \"" + version + "\"";
    return LOAD_VERSION;
  }
  return LOAD_OK;
}

// ---------------------------------------------------------------------------------------------
// Loading

bool SIM_LoadGame::Refuse(FAILURE failure, const std::string& name, const std::string& why) {
  m_failure = failure;
  m_failureText = why.empty() ? FailureName(failure) : std::string(FailureName(failure)) + ": " + why;
  GWarning(("Failed to load the save \"" + name + "\": " + m_failureText).c_str(), __FILE__, __LINE__);
  return false;
}

bool SIM_LoadGame::LoadGame(const char* name) {
  const std::string game = name ? name : "";
  if (game.empty()) return Refuse(LOAD_BAD_NAME, game, "");
  return LoadFromPath(SIM_SaveGame::PathOf(game), game);
}

bool SIM_LoadGame::LoadFromPath(const std::string& path, const std::string& name) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    std::error_code error;
    return Refuse(std::filesystem::exists(path, error) ? LOAD_UNREADABLE : LOAD_MISSING, name, path);
  }
  std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (file.bad()) return Refuse(LOAD_UNREADABLE, name, path);
  return LoadFromText(text, name, path);
}

bool SIM_LoadGame::LoadFromText(const std::string& text, const std::string& name, const std::string& origin) {
  std::vector<Line> lines;
  std::string why;
  const FAILURE failure = Parse(text, &lines, &why);
  if (failure != LOAD_OK) return Refuse(failure, name, why);

  m_failure = LOAD_OK;
  m_failureText.clear();
  m_lines.swap(lines);
  m_pos = 0;
  m_origin = origin;
  m_acts = 0;
  m_maxActs = 1;
  m_turnMode = -1;
  m_night = false;

  LoadingProgress(0.0f);
  Reset();
  ReadSections();
  m_lines.clear();
  LoadingProgress(0.85f);
  Rebuild(name);
  return true;
}

void SIM_LoadGame::Reset() {
  SIM_NamedValueList::Globals.Clear();
  SIM_Attribute::Clear();
  SIM_GetVorla()->Initialise();
  SIM_GetDirt()->Initialise();
  SIM_GetHealth()->Initialise();
  GUI_GetDirt()->Process();
  SIM_GetCrime()->Initialise();
  SIM_GetPortraits()->Open();
  GUI_Crossword::ClearSeenIDs();
  SIM_AchievementBase::Open();
  SIM_SocialInvitation::Clear();
  SIM_GetCalendar()->Initialise();
  // The appointments of the last game go; their owners book them again, as at a new game.
  SIM_GetScheduledEvents()->Clear();
  SIM_SocialiseInstance::Open();
  SIM_SoloActivityInstance::Open();
  SIM_SocialiseType::Open();
  SIM_SoloActivityType::Open();
  SIM_Rumour::Open();
  SIM_Movie::Open();
  SIM_PetFood::Open();
  SIM_Asset::Open();
  SIM_Magazine::Open();
  SIM_GetDescription()->Initialise();
}

void SIM_LoadGame::ReadSections() {
  Seek("xml");
  LoadHeader();
  LoadGameData();
  // The jobs are read afresh before the player; until the job section the player is out of work,
  // as the job held points into the old table.
  SIM_GetVede()->SetJob(SIM_JobBase::OutOfWork());
  SIM_JobBase::Open();
  LoadingProgress(0.1f);
  LoadVede();
  LoadingProgress(0.25f);
  LoadFinances();
  LoadNPCS();
  LoadRelationships();
  LoadingProgress(0.5f);
  LoadJob();
  LoadVorla();
  LoadCommute();
  LoadingProgress(0.62f);
  LoadAssets();
  LoadCrime();
  LoadDate();
  LoadGlobals();
  LoadHealth();
  LoadingProgress(0.7f);
  LoadRomance();
  LoadStatistics();
  LoadAlcohol();
  LoadBooks();
  LoadSpecialEvents();
  LoadAchievements();
  LoadingProgress(0.75f);
  LoadBowlingTeam();
  LoadClasses();
  LoadUnlocks();
  LoadMisc();
  LoadTurn();
  LoadAppointments();
}

void SIM_LoadGame::Rebuild(const std::string& name) {
  SIM_SIM* sim = SIM_GetSim();
  SIM_GetVede()->RecalcAttributes();
  SIM_GetSmallTalk()->Clear();
  GUI_NPCIcon::PositionAll();
  GUI_NPCIcon::PositionAll();
  SIM_GetDescription()->Compose();
  SIM_Restaurant::Open();
  SIM_JobEvent::Open();
  sim->SetMode(SIM_SIM::TURNMODE_DAYENDED);
  // The last game's windows go; the in-game screen starts as at a new game, with the morning page.
  GUI_GetWindowManager()->CloseOnRestart();
  GUI_GetGUI()->StartNewGame();
  SIM_JobOffer::RaiseAnsweredCalls();  // after the phone of the game left is emptied

  const int slots = std::max(1, m_maxActs);
  sim->SetSlots(slots, ClampInt(m_acts, 0, slots));
  if (m_night) {
    // Saved in the night: what the night had left to do, the turn counted and the morning.
    sim->SetSlots(slots, 0);
    sim->CalculateMaxActivities();
    sim->SetTurnCount(sim->GetTurnCount() + 1);
    sim->ProcessWakeUp();
  } else if (m_turnMode < 0) {
    // An older save knows no turn: a day with every slot used ends at once; otherwise it was
    // saved at the day's boundary and the morning's page is open.
    if (m_acts >= slots) {
      GUI_WokeUpScreen::Close();
      sim->ReallyEndDay();
    } else {
      sim->SetMode(SIM_SIM::TURNMODE_WOKEUP);
    }
  } else {
    // The page of the turn the game was saved in, so that nothing of the day happens twice.
    sim->SetMode((SIM_SIM::TURNMODE)m_turnMode);
    if (m_turnMode != SIM_SIM::TURNMODE_WOKEUP) GUI_WokeUpScreen::Close();
    switch (m_turnMode) {
      case SIM_SIM::TURNMODE_COMMUTEIN: GUI_CommuteInScreen::Create(); break;
      case SIM_SIM::TURNMODE_WORKDAY: GUI_WorkDayScreen::Create(); break;
      case SIM_SIM::TURNMODE_COMMUTEBACK: GUI_CommuteBackScreen::Create(); break;
      case SIM_SIM::TURNMODE_DAYENDED: sim->ReallyEndDay(); break;
      default: break;
    }
  }

  RestoreGlobalOrder();
  GUI_GetAvatar()->ComputeAdjustedWidth();
  LoadingProgress(1.0f);
  if (GUI_Skills::PTheWindow) GUI_Skills::PTheWindow->Refresh();
  GUI_ChangeNotifier::CloseAll();
  Game* game = GetGame();
  game->SetGameMode(Game::GAMEMODE_INGAME);
  game->SetGameInProgress(true);
  game->SetCurrentGameName(name.c_str());
}

// ---------------------------------------------------------------------------------------------
// Reading

bool SIM_LoadGame::Seek(const char* tag) {
  if (m_pos >= m_lines.size()) return false;
  const Line& line = m_lines[m_pos];
  const bool closing = tag[0] == '/';
  const Line::KIND kind = closing ? Line::CLOSE : Line::OPEN;
  if (line.kind != kind || line.tag != (closing ? tag + 1 : tag)) return false;
  ++m_pos;
  return true;
}

bool SIM_LoadGame::CheckNextTag(const char* tag) const {
  return m_pos < m_lines.size() && m_lines[m_pos].kind == Line::OPEN && m_lines[m_pos].tag == tag;
}

std::string SIM_LoadGame::LoadVar(const char* key) {
  if (m_pos >= m_lines.size()) return std::string();
  const Line& line = m_lines[m_pos];
  if (line.kind != Line::ELEMENT || line.tag != key) return std::string();
  ++m_pos;
  return line.value;
}

void SIM_LoadGame::LoadInt(int* value, const char* key) { *value = ToInt(LoadVar(key)); }

void SIM_LoadGame::LoadFloat(float* value, const char* key) { *value = ToFloat(LoadVar(key)); }

void SIM_LoadGame::LoadBool(bool* value, const char* key) { *value = ToInt(LoadVar(key)) != 0; }

void SIM_LoadGame::LoadString(std::string* value, const char* key) { *value = LoadVar(key); }

void SIM_LoadGame::SkipGroup() {
  if (m_pos < m_lines.size() && m_lines[m_pos].kind == Line::OPEN) m_pos = GroupEnd(m_lines, m_pos);
}

int SIM_LoadGame::CurrentLine() const { return m_pos < m_lines.size() ? m_lines[m_pos].number : 0; }

void SIM_LoadGame::Warn(const std::string& what, const std::string& name, int line) const {
  GWarning((m_origin + ":" + std::to_string(line) + ": " + what + " \"" + name + "\" is not known; skipped").c_str(),
           __FILE__, __LINE__);
}

int SIM_LoadGame::ToInt(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  if (i < text.size() && text[i] == '+') ++i;
  int value = 0;
  const auto result = std::from_chars(text.data() + i, text.data() + text.size(), value);
  return result.ec == std::errc() ? value : 0;
}

float SIM_LoadGame::ToFloat(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  if (i < text.size() && text[i] == '+') ++i;
  float value = 0.0f;
  const auto result = std::from_chars(text.data() + i, text.data() + text.size(), value);
  if (result.ec != std::errc() || !std::isfinite(value)) return 0.0f;
  return value;
}

std::vector<std::string> SIM_LoadGame::SplitList(const std::string& text) {
  std::vector<std::string> items;
  size_t begin = 0;
  while (begin < text.size()) {
    size_t comma = text.find(',', begin);
    if (comma == std::string::npos) comma = text.size();
    items.push_back(text.substr(begin, comma - begin));
    begin = comma + 1;
  }
  return items;
}

// ---------------------------------------------------------------------------------------------
// The sections

void SIM_LoadGame::LoadHeader() {
  Seek("header");
  const std::string version = LoadVar("version");
  m_version = version.size() > 6 ? ToFloat(version.substr(6)) : 0.0f;
  Seek("/header");
}

void SIM_LoadGame::LoadGameData() {
  Seek("game");
  GetGame()->SetTownName(LoadVar("TownName").c_str());
  GetGame()->SetCurrency(LoadVar("Currency").c_str());
  Seek("/game");
}

void SIM_LoadGame::LoadVede() {
  SIM_Vede* vede = SIM_GetVede();
  Seek("vede");
  int slid = 0;
  LoadInt(&slid, "SLID");
  // The player takes the saved identity, so the links and the partner that name it find it.
  vede->SetSLID(slid);
  LoadString(&vede->m_forename, "forename");
  LoadString(&vede->m_surname, "surname");
  LoadString(&vede->m_fullName, "fullname");
  const std::string gender = LoadVar("gender");
  vede->m_gender = !gender.empty() && gender[0] == 'm' ? SIM_MALE : SIM_FEMALE;
  int age = 0;
  LoadInt(&age, "age");
  vede->SetAge(age);

  Seek("attributes");
  vede->LoadAttributes();
  std::vector<SIM_Attribute*> ordered;
  while (CheckNextTag("attribute")) {
    if (SIM_Attribute* attribute = LoadAttribute()) ordered.push_back(attribute);
  }
  // The attributes stand in the file's order (the home's dirt, made by the reset, among them).
  for (auto it = ordered.rbegin(); it != ordered.rend(); ++it) {
    SIM_Attribute::All.remove(*it);
    SIM_Attribute::All.push_front(*it);
  }
  Seek("/attributes");

  Seek("skills");
  SIM_Skill::Clear();
  vede->GetSkills().RemoveAll();
  while (CheckNextTag("skill")) {
    Seek("skill");
    const std::string name = LoadVar("name");
    LoadVar("guiname");
    float value = 0.0f;
    LoadFloat(&value, "value");
    SIM_Skill* skill = new SIM_Skill(name);
    skill->SetValue(value);
    vede->GetSkills().AddValue(skill);
    Seek("/skill");
  }
  Seek("/skills");

  LoadBoredom(vede->GetBoredom());

  Seek("avatar");
  GUI_Avatar* avatar = GUI_GetAvatar();
  avatar->Init();
  int slot = 0;
  while (CheckNextTag("layer")) {
    const int line = CurrentLine();
    if (slot >= AVATAR_LAYER_COUNT) {
      GWarning((m_origin + ":" + std::to_string(line) + ": more than ten avatar layers; the rest are ignored").c_str(),
               __FILE__, __LINE__);
      while (CheckNextTag("layer")) SkipGroup();
      break;
    }
    Seek("layer");
    const std::string guiName = LoadVar("guiname");
    const std::vector<std::string> rgb = SplitList(LoadVar("color"));
    Seek("/layer");
    if (!guiName.empty()) {
      GUI_AvatarLayer* layer = FindAvatarLayer(guiName);
      if (!layer) {
        Warn("avatar layer", guiName, line);
      } else {
        auto channel = [&rgb](size_t i) { return ClampInt(i < rgb.size() ? ToInt(rgb[i]) : 0, 0, 255); };
        layer->SetColors(channel(0), channel(1), channel(2), 255);
        avatar->SetLayer(AVATARLAYER(slot), layer);
      }
    }
    ++slot;
  }
  Seek("/avatar");
  Seek("/vede");
}

SIM_Attribute* SIM_LoadGame::LoadAttribute() {
  const int line = CurrentLine();
  const size_t start = m_pos;
  Seek("attribute");
  const std::string name = LoadVar("name");
  SIM_Attribute* attribute = SIM_Attribute::GetAttribute(name);
  if (!attribute) {
    Warn("attribute", name, line);
    m_pos = GroupEnd(m_lines, start);
    return nullptr;
  }
  std::vector<float>& history = attribute->GetHistory();
  history.clear();
  for (const std::string& item : SplitList(LoadVar("history"))) history.push_back(ToFloat(item));
  while (CheckNextTag("sim_effect")) {
    Seek("sim_effect");
    const std::string debugName = LoadVar("debugname");
    float degrade = 0.0f;
    float effect = 0.0f;
    LoadFloat(&degrade, "degrade");
    LoadFloat(&effect, "effect");
    attribute->AttachEffect(effect, degrade, debugName);
    Seek("/sim_effect");
  }
  Seek("/attribute");
  return attribute;
}

void SIM_LoadGame::LoadBoredom(SIM_Boredom* boredom) {
  Seek("boredom");
  if (boredom) boredom->Clear();
  while (CheckNextTag("boredom_item")) {
    Seek("boredom_item");
    const std::string name = LoadVar("name");
    float value = 0.0f;
    LoadFloat(&value, "value");
    if (boredom) boredom->AddEffect(name, value);
    Seek("/boredom_item");
  }
  Seek("/boredom");
}

void SIM_LoadGame::LoadFinances() {
  Seek("finances");
  float cash = 0.0f;
  LoadFloat(&cash, "cash");
  SIM_GetFinances()->Reset();
  SIM_GetFinances()->SetCash(cash);
  Seek("/finances");
}

void SIM_LoadGame::LoadNPCS() {
  Seek("npcs");
  SIM_NPC::Close();
  while (CheckNextTag("npc")) LoadNPC();
  Seek("/npcs");
}

void SIM_LoadGame::LoadNPC() {
  Seek("npc");
  SIM_NPC* npc = SIM_NPC::Create();
  int slid = 0;
  LoadInt(&slid, "SLID");
  npc->SetSLID(slid);
  LoadString(&npc->m_forename, "forename");
  LoadString(&npc->m_surname, "surname");
  LoadString(&npc->m_fullName, "fullname");
  LoadString(&npc->m_portrait, "portrait");
  bool introduced = false;
  LoadBool(&introduced, "bintroduced");
  LoadInt(&npc->m_snubDelay, "snubdelay");
  LoadInt(&npc->m_snubCount, "snubcount");
  LoadString(&npc->m_snubCause, "snubcause");
  LoadInt(&npc->m_daysSinceSeen, "milodays");
  LoadInt(&npc->m_daysSinceImportantInvite, "invitedays");
  LoadFloat(&npc->m_romanticCompatibility, "romanticcompatibility");
  LoadFloat(&npc->m_weeklyCash, "cashperweek");
  LoadFloat(&npc->m_cash, "cash");
  const std::vector<std::string> dob = SplitList(LoadVar("dob"));
  auto part = [&dob](size_t i) { return i < dob.size() ? ToInt(dob[i]) : 0; };
  *npc->m_dateOfBirth = SIM_Date(ClampInt(part(0), 0, SIM_Date::DAYS_PER_MONTH - 1),
                                 ClampInt(part(1), 0, SIM_Date::MONTHS_PER_YEAR - 1), part(2));
  int gender = 0;
  LoadInt(&gender, "gender");
  npc->m_gender = gender == SIM_FEMALE ? SIM_FEMALE : SIM_MALE;
  npc->SetIntroduced(introduced);
  npc->CreateIcon();
  if (npc->IsSnubbed() && npc->GetIcon() && npc->GetIcon()->GetSnubIcon())
    npc->GetIcon()->GetSnubIcon()->Refresh(npc->GetForeName(), npc->GetSnubCause());

  Seek("interests");
  SIM_InterestList& interests = npc->GetInterests();
  interests.Clear();
  bool someHidden = false;
  while (CheckNextTag("interest")) {
    const int line = CurrentLine();
    Seek("interest");
    LoadVar("category");
    const std::string name = LoadVar("name");
    LoadVar("guiname");
    bool hidden = false;
    LoadBool(&hidden, "hidden");
    Seek("/interest");
    if (!InterestExists(name)) {
      Warn("interest", name, line);
      continue;
    }
    if (SIM_Interest* interest = SIM_Interest::Create(name)) {
      interest->SetVisible(!hidden);
      someHidden = someHidden || hidden;
      interests.Add(interest);
    }
  }
  interests.SetSomeHidden(someHidden);
  Seek("/interests");

  Seek("skills");
  npc->GetOwnValues().Clear();
  while (CheckNextTag("skill")) {
    Seek("skill");
    const std::string name = LoadVar("name");
    const std::string guiName = LoadVar("guiname");
    float value = 0.0f;
    LoadFloat(&value, "value");
    npc->GetOwnValues().AddValue(new SIM_NamedValue(name, guiName, value));
    Seek("/skill");
  }
  Seek("/skills");

  Seek("character_types");
  npc->GetCharacterTypes().clear();
  while (CheckNextTag("type")) {
    const int line = CurrentLine();
    Seek("type");
    const std::string name = LoadVar("name");
    Seek("/type");
    if (SIM_CharacterType* type = FindCharacterType(name)) {
      npc->GetCharacterTypes().push_back(type);
    } else {
      Warn("character type", name, line);
    }
  }
  Seek("/character_types");

  LoadBoredom(npc->GetBoredom());

  Seek("memories");
  if (npc->GetMemory()) npc->GetMemory()->Clear();
  while (CheckNextTag("memory")) {
    const int line = CurrentLine();
    Seek("memory");
    const std::string type = LoadVar("type");
    float happiness = 0.0f;
    float strength = 0.0f;
    LoadFloat(&happiness, "happiness");
    LoadFloat(&strength, "strength");
    Seek("/memory");
    SIM_SocialiseType* socialType = FindSocialType(type);
    if (!socialType || !npc->GetMemory()) {
      Warn("social event type", type, line);
      continue;
    }
    npc->GetMemory()->AddEventMemory(socialType, happiness);
    if (!npc->GetMemory()->GetMemories().empty()) npc->GetMemory()->GetMemories().back()->SetStrength(strength);
  }
  Seek("/memories");

  Seek("attributes");
  npc->GetHiddenAttributes().clear();
  while (CheckNextTag("attribute")) {
    Seek("attribute");
    npc->GetHiddenAttributes().push_back(LoadVar("name"));
    Seek("/attribute");
  }
  Seek("/attributes");
  Seek("/npc");
}

void SIM_LoadGame::LoadRelationships() {
  Seek("relationships");
  // The town was closed with its links; a link left over (the player with nobody) goes too.
  for (SIM_Relationship* link : SIM_Relationship::All) {
    if (link->Alive()) link->Delete();
  }
  ProcessBase::Cleanup();
  while (CheckNextTag("relationship")) {
    const int line = CurrentLine();
    Seek("relationship");
    int id1 = 0, id2 = 0, meeting = 0;
    float strength = 0.0f, balance = 0.0f;
    bool playerCreated = false, friendship = false;
    LoadInt(&id1, "pers1_id");
    LoadInt(&id2, "pers2_id");
    LoadFloat(&strength, "strength");
    LoadFloat(&balance, "balance");
    LoadBool(&playerCreated, "playercreated");
    LoadBool(&friendship, "friendship");
    LoadInt(&meeting, "meeting");
    Seek("/relationship");
    SIM_Person* a = SIM_Person::GetBySLID(id1);
    SIM_Person* b = SIM_Person::GetBySLID(id2);
    if (!a || !b || a == b) {
      Warn("the person of a relationship, SLID", std::to_string(a ? id2 : id1), line);
      continue;
    }
    SIM_Relationship* link = SIM_Relationship::Create(a, b);
    if (!link) continue;
    link->SetStrength(strength);
    link->SetFriendship(friendship);
    link->AdjustBalance(balance - link->GetBalance());
    link->SetPlayerCreated(playerCreated);
    link->SetMeetingCount(meeting);
  }
  Seek("/relationships");
}

void SIM_LoadGame::LoadJob() {
  SIM_Vede* vede = SIM_GetVede();
  Seek("job_instance");
  int grade = 0, daysInJob = 0, daysSincePromotion = 0, daysSinceFriend = 0, friendsMade = 0;
  LoadInt(&grade, "grade");
  LoadInt(&daysInJob, "daysinjob");
  LoadInt(&daysSincePromotion, "dayssincepromotion");
  LoadInt(&daysSinceFriend, "dayssincefriend");
  LoadInt(&friendsMade, "friendsmade");
  struct Record {
    bool valid = false;
    float performance = 0.0f;
  } history[SIM_JobInstance::kHistoryDays];
  for (int day = 0; CheckNextTag("jobperf"); ++day) {
    Seek("jobperf");
    const std::vector<std::string> data = SplitList(LoadVar("data"));
    Seek("/jobperf");
    if (day >= SIM_JobInstance::kHistoryDays) continue;
    history[day].valid = !data.empty() && ToInt(data[0]) != 0;
    history[day].performance = data.size() > 1 ? ToFloat(data[1]) : 0.0f;
  }
  const int line = CurrentLine();
  int guid = 0;
  LoadInt(&guid, "jobguid");
  Seek("/job_instance");
  SIM_JobBase* job = SIM_JobBase::GetJobByGUID(guid, false);
  if (!job) {
    // A job the tables no longer hold: the player is out of work.
    Warn("job", std::to_string(guid), line);
    job = SIM_JobBase::OutOfWork();
  }
  vede->SetJob(job);
  if (SIM_JobInstance* instance = vede->GetJobInstance()) {
    instance->SetGrade(ClampInt(grade, 0, SIM_JobInstance::kTopGrade));
    instance->SetDaysInJob(daysInJob);
    instance->SetDaysSincePromotion(daysSincePromotion);
    instance->SetDaysSinceLastFriend(daysSinceFriend);
    instance->SetFriendsMade(friendsMade);
    for (int day = 0; day < SIM_JobInstance::kHistoryDays; ++day) instance->SetHistory(day, history[day].valid, history[day].performance);
    instance->CalcAvePerformance();
  }

  Seek("jobs_applied");
  while (CheckNextTag("job")) {
    const int jobLine = CurrentLine();
    Seek("job");
    int applied = 0, timer = 0;
    LoadInt(&applied, "name");
    LoadInt(&timer, "appliedtimer");
    Seek("/job");
    if (SIM_JobBase* found = SIM_JobBase::GetJobByGUID(applied, false)) {
      found->SetDaysUntilReapply(std::max(0, timer));
    } else {
      Warn("job", std::to_string(applied), jobLine);
    }
  }
  Seek("/jobs_applied");

  // The applications of the game left name jobs of the tables just replaced.
  SIM_JobOffer::DeleteAll();
  Seek("jobs_offered");
  while (CheckNextTag("job_offer")) {
    const int offerLine = CurrentLine();
    Seek("job_offer");
    int id = 0, daysToWait = 0, reason = SIM_JobOffer::REASON_OTHER;
    bool offered = false, pending = false, rejected = false;
    LoadInt(&id, "jobid");
    LoadBool(&offered, "offered");
    LoadBool(&pending, "active");
    LoadBool(&rejected, "reject");
    LoadInt(&daysToWait, "daystowait");
    LoadInt(&reason, "reason");
    Seek("/job_offer");
    SIM_JobBase* offeredJob = SIM_JobBase::GetJobByGUID(id, false);
    if (!offeredJob) {
      Warn("job", std::to_string(id), offerLine);
      continue;
    }
    SIM_JobOffer* offer = new SIM_JobOffer();
    offer->m_job = offeredJob;
    offer->m_offered = offered;
    offer->m_pending = pending;
    offer->m_rejectEffectsApplied = rejected;
    offer->m_daysToWait = std::max(0, daysToWait);
    offer->m_reason = (SIM_JobOffer::REJECTREASON)ClampInt(reason, 0, SIM_JobOffer::REASON_OTHER);
  }
  Seek("/jobs_offered");

  // The list points into the tables that were replaced, and a second load must not add to it.
  SIM_JobUnlocks* unlocks = SIM_GetJobUnlocks();
  unlocks->Reset();
  Seek("jobs_unlocked");
  while (CheckNextTag("job")) {
    const int jobLine = CurrentLine();
    Seek("job");
    int id = 0;
    LoadInt(&id, "id");
    Seek("/job");
    if (SIM_JobBase* found = SIM_JobBase::GetJobByGUID(id, false)) {
      unlocks->AddUnlocked(found);
    } else {
      Warn("job", std::to_string(id), jobLine);
    }
  }
  Seek("/jobs_unlocked");

  if (Seek("jobdistances")) {
    while (CheckNextTag("job")) {
      const int jobLine = CurrentLine();
      Seek("job");
      int id = 0;
      float distance = 0.0f;
      LoadInt(&id, "id");
      LoadFloat(&distance, "dist");
      Seek("/job");
      if (SIM_JobBase* found = SIM_JobBase::GetJobByGUID(id, false)) {
        found->SetCommuteDistance(distance);
      } else {
        Warn("job", std::to_string(id), jobLine);
      }
    }
    Seek("/jobdistances");
  }
}

void SIM_LoadGame::LoadVorla() {
  Seek("vorla");
  while (CheckNextTag("activity")) {
    Seek("activity");
    SIM_GetVorla()->AddUniqueActivity(LoadVar("name"));
    Seek("/activity");
  }
  Seek("/vorla");
}

void SIM_LoadGame::LoadCommute() {
  Seek("commute");
  const int line = CurrentLine();
  const std::string name = LoadVar("name");
  Seek("/commute");
  if (name.empty() || SIM_CommuteMethod::All.empty()) return;
  if (!SIM_CommuteMethod::GetByName(name)) {
    Warn("commute method", name, line);
    return;
  }
  SIM_CommuteMethod::SetMethodByName(name);
}

void SIM_LoadGame::LoadAssets() {
  Seek("assets");
  SIM_Asset::Open();
  SIM_Magazine::RefreshAll();
  while (CheckNextTag("asset")) {
    const int line = CurrentLine();
    Seek("asset");
    const std::string name = LoadVar("name");
    Seek("/asset");
    SIM_Asset* asset = FindAsset(name);
    // Several issues of one magazine share its name: each saved one is an issue of its own.
    if (SIM_Magazine* title = SIM_Magazine::GetByName(name)) asset = title->GetUnownedIssue();
    if (asset) {
      asset->LoadAsOwned();
    } else {
      Warn("asset", name, line);
    }
  }
  Seek("/assets");
  LoadMagazines();
}

// A title's k-th entry gives its fraction to the title's k-th issue (made when missing), so
// several issues of one title come back apart.
void SIM_LoadGame::LoadMagazines() {
  if (!Seek("magazines")) return;
  std::map<std::string, size_t> issuesSeen;
  while (CheckNextTag("mag")) {
    const int line = CurrentLine();
    Seek("mag");
    const std::string name = LoadVar("name");
    float read = 0.0f;
    LoadFloat(&read, "read");
    Seek("/mag");
    if (SIM_Magazine* title = SIM_Magazine::GetByName(name)) {
      title->GetIssue(issuesSeen[name]++)->SetReadPercentage(read);
    } else {
      Warn("magazine", name, line);
    }
  }
  Seek("/magazines");
}

void SIM_LoadGame::LoadCrime() {
  Seek("crime");
  SIM_Crime* crime = SIM_GetCrime();
  int mugging = crime->GetDaysToNextMugging();
  int burglary = crime->GetDaysToNextBurglary();
  int lastCrime = 0;
  LoadInt(&mugging, "daystonextmugging");
  LoadInt(&burglary, "daystonextburglary");
  LoadInt(&lastCrime, "lastcrimeturn");
  crime->SetDaysToNextMugging(mugging);
  crime->SetDaysToNextBurglary(burglary);
  crime->SetLastCrimeTurn(lastCrime);
  Seek("/crime");
}

void SIM_LoadGame::LoadDate() {
  Seek("date");
  int day = 0, dayOfWeek = 0, moon = 0, month = 0, year = 0;
  int yearEndDay = 0, yearEndMonth = 0, yearEndYear = 0, gameEndDay = 0, gameEndMonth = 0, gameEndYear = 0;
  bool tenYearsUp = false;
  LoadInt(&day, "day");
  LoadInt(&dayOfWeek, "dayofweek");
  LoadInt(&moon, "daystofullmoon");
  LoadInt(&month, "month");
  LoadInt(&year, "year");
  LoadInt(&yearEndDay, "yearend_day");
  LoadInt(&yearEndMonth, "yearend_month");
  LoadInt(&yearEndYear, "yearend_year");
  LoadInt(&gameEndDay, "gameend_day");
  LoadInt(&gameEndMonth, "gameend_month");
  LoadInt(&gameEndYear, "gameend_year");
  LoadBool(&tenYearsUp, "tenyearsup");
  Seek("/date");

  auto date = [](int d, int m, int y) {
    return SIM_Date(ClampInt(d, 0, SIM_Date::DAYS_PER_MONTH - 1), ClampInt(m, 0, SIM_Date::MONTHS_PER_YEAR - 1), y);
  };
  SIM_Date::Reset();
  const SIM_Date today = date(day, month, year);
  SIM_Date::PPresentDay->Set(&today);
  SIM_Date::PPresentDay->SetDayOfWeek(ClampInt(dayOfWeek, 0, SIM_Date::DAYS_PER_WEEK - 1));
  SIM_Date::PPresentDay->SetDaysToFullMoon(ClampInt(moon, 0, SIM_Date::MOON_CYCLE - 1));
  SIM_Date::PPresentDay->CheckForFullMoon();
  SIM_Date::EndYearDate = date(yearEndDay, yearEndMonth, yearEndYear);
  SIM_Date::EndGameDate = date(gameEndDay, gameEndMonth, gameEndYear);
  SIM_GetSim()->SetTenYearsUp(tenYearsUp);
}

void SIM_LoadGame::LoadGlobals() {
  Seek("globals");
  // Values the reset made already (the home's dirt is an attribute of its own) keep their object
  // and take the saved value; the list ends up in the file's order.
  SIM_NamedValueList& globals = SIM_NamedValueList::Globals;
  std::vector<SIM_NamedValue*> ordered;
  while (CheckNextTag("global")) {
    Seek("global");
    const std::string name = LoadVar("name");
    const std::string guiName = LoadVar("guiname");
    float value = 0.0f;
    LoadFloat(&value, "value");
    Seek("/global");
    SIM_NamedValue* existing = nullptr;
    for (SIM_NamedValue* each : globals.GetRawList()) {
      if (each->GetName() == name) existing = each;
    }
    if (!existing) {
      existing = new SIM_NamedValue(name, guiName, value);
      globals.AddValue(existing);
    }
    existing->SetValue(value);
    if (std::find(ordered.begin(), ordered.end(), existing) == ordered.end()) ordered.push_back(existing);
  }
  Seek("/globals");
  // What the reading itself set on the way (the flags of the job held before the job section)
  // and the file does not hold goes.
  std::list<SIM_NamedValue*> rest = globals.GetRawList();
  globals.RemoveAll();
  for (SIM_NamedValue* value : ordered) globals.AddValue(value);
  for (SIM_NamedValue* value : rest) {
    if (std::find(ordered.begin(), ordered.end(), value) == ordered.end()) delete value;
  }
  m_globalOrder.clear();
  for (SIM_NamedValue* value : ordered) m_globalOrder.push_back(value->GetName());
}

// Every look-up of a game-wide value moves it to the front of the list, so the reading and the
// rebuilding shuffle it; the file's order is put back last, and saving again writes the same file.
void SIM_LoadGame::RestoreGlobalOrder() {
  SIM_NamedValueList& globals = SIM_NamedValueList::Globals;
  std::list<SIM_NamedValue*> now = globals.GetRawList();
  std::vector<SIM_NamedValue*> ordered;
  for (const std::string& name : m_globalOrder) {
    for (SIM_NamedValue* value : now) {
      if (value->GetName() == name && std::find(ordered.begin(), ordered.end(), value) == ordered.end()) {
        ordered.push_back(value);
        break;
      }
    }
  }
  // Values the rebuilding made that the file did not hold keep their place in front.
  std::vector<SIM_NamedValue*> added;
  for (SIM_NamedValue* value : now) {
    if (std::find(ordered.begin(), ordered.end(), value) == ordered.end()) added.push_back(value);
  }
  globals.RemoveAll();
  for (SIM_NamedValue* value : added) globals.AddValue(value);
  for (SIM_NamedValue* value : ordered) globals.AddValue(value);
}

void SIM_LoadGame::LoadHealth() {
  Seek("health");
  int state = 0, duration = 0;
  LoadInt(&state, "state");
  LoadInt(&duration, "duration");
  Seek("/health");
  SIM_GetHealth()->SetState(ClampInt(state, SIM_Health::HEALTHY, SIM_Health::STRESS_ILLNESS), std::max(0, duration));
}

// A partner who is not in the town any more leaves the player single.
void SIM_LoadGame::LoadRomance() {
  // The "_romance" flag came back with the globals; only a partner who is gone changes it.
  SIM_Romance* romance = SIM_GetRomance();
  romance->Reset();
  Seek("romance");
  const int line = CurrentLine();
  int partner = -1, duration = 0, daysApart = 0, sinceNag = 0;
  float cynicism = 0.0f;
  LoadInt(&partner, "partner");
  LoadInt(&duration, "duration");
  LoadFloat(&cynicism, "cynicism");
  LoadInt(&daysApart, "daysapart");
  LoadInt(&sinceNag, "dayssincelastnag");
  Seek("/romance");
  if (partner >= 0) {
    SIM_NPC* npc = dynamic_cast<SIM_NPC*>(SIM_Person::GetBySLID(partner));
    if (npc) {
      romance->SetRomanticPartner(npc);
    } else {
      Warn("the romantic partner, SLID", std::to_string(partner), line);
      romance->SetRomanticPartner(nullptr);
      return;
    }
  }
  // The counters outlive a partner who dumped the player (they are cleared when the next romance
  // begins), so they come back whether or not there is one: after the partner, whose setting
  // starts them afresh.
  romance->SetRomanceDuration(std::max(0, duration));
  romance->SetCynicism(std::max(0.0f, std::min(1.0f, cynicism)));
  romance->SetDaysApart(std::max(0, daysApart));
  romance->SetDaysSinceLastNag(std::max(0, sinceNag));
}

void SIM_LoadGame::LoadStatistics() {
  SIM_Statistics* statistics = SIM_GetStatistics();
  statistics->Reset();
  Seek("statistics");
  Seek("ints");
  while (CheckNextTag("int")) {
    Seek("int");
    const std::string name = LoadVar("name");
    int value = 0;
    LoadInt(&value, "value");
    statistics->SetCounter(name.c_str(), value);
    Seek("/int");
  }
  Seek("/ints");
  Seek("floats");
  while (CheckNextTag("float")) {
    Seek("float");
    const std::string name = LoadVar("name");
    float value = 0.0f;
    LoadFloat(&value, "value");
    statistics->SetCounter(name.c_str(), value);
    Seek("/float");
  }
  Seek("/floats");
  Seek("activities");
  while (CheckNextTag("activity")) {
    Seek("activity");
    const std::string name = LoadVar("name");
    const std::string guiName = LoadVar("guiname");
    int count = 0;
    LoadInt(&count, "count");
    statistics->SetActivityCount(name, guiName, count);
    Seek("/activity");
  }
  Seek("/activities");
  Seek("/statistics");
}

void SIM_LoadGame::LoadAlcohol() {
  Seek("alcohol");
  float addictionStrength = 0.0f;
  bool alcoholic = false;
  float bloodAlcohol = 0.0f;
  LoadFloat(&addictionStrength, "addictionstrength");
  LoadBool(&alcoholic, "alcoholic");
  LoadFloat(&bloodAlcohol, "bloodalcohol");
  Seek("/alcohol");
  SIM_Alcohol* alcohol = HOOK_GetAlcohol();
  alcohol->Restore(addictionStrength, alcoholic, bloodAlcohol);
  alcohol->PostLoad();
}

void SIM_LoadGame::LoadBooks() {
  Seek("books");
  while (CheckNextTag("book")) {
    const int line = CurrentLine();
    Seek("book");
    const std::string name = LoadVar("name");
    int read = 0;
    LoadInt(&read, "read");
    Seek("/book");
    SIM_Book* book = SIM_Book::GetByName(name);
    if (!book) {
      Warn("book", name, line);
      continue;
    }
    // A broken count never makes a book read past its end, nor less than unread.
    book->SetPagesRead(std::clamp(read, 0, book->GetPages()));
  }
  Seek("/books");
}

void SIM_LoadGame::LoadSpecialEvents() {
  Seek("events");
  while (CheckNextTag("event")) {
    const int line = CurrentLine();
    Seek("event");
    const std::string name = LoadVar("name");
    bool triggered = false;
    LoadBool(&triggered, "triggered");
    Seek("/event");
    if (SIM_SpecialEvent* event = FindSpecialEvent(name)) {
      event->SetTriggered(triggered);
    } else {
      Warn("special event", name, line);
    }
  }
  Seek("/events");
}

void SIM_LoadGame::LoadAchievement(const char* tag, SIM_AchievementBase* project) {
  if (!CheckNextTag(tag)) return;
  Seek(tag);
  float progress = 0.0f;
  float quality = 0.0f;
  LoadFloat(&progress, "progress");
  LoadFloat(&quality, "quality");
  const std::string guiname = LoadVar("guiname");
  std::vector<float> chunks;
  for (const std::string& item : SplitList(LoadVar("chunks"))) chunks.push_back(ToFloat(item));
  Seek((std::string("/") + tag).c_str());
  project->Restore(progress, quality, guiname, chunks);
}

void SIM_LoadGame::LoadAchievements() {
  Seek("achievements");
  LoadAchievement("song", SIM_GetSongWriting());
  LoadAchievement("screenplay", SIM_GetScreenplayWriting());
  LoadAchievement("theory", SIM_GetScienceTheory());
  LoadAchievement("story", SIM_GetNewsStory());
  SIM_RoyaltyStream::Open();
  if (CheckNextTag("royalties")) {
    Seek("royalties");
    while (CheckNextTag("royalty")) {
      const int line = CurrentLine();
      Seek("royalty");
      float income = 0.0f;
      float total = 0.0f;
      float lastcheque = 0.0f;
      int type = 0;
      LoadFloat(&income, "income");
      LoadFloat(&total, "total");
      LoadFloat(&lastcheque, "lastcheque");
      const std::string guiname = LoadVar("guiname");
      LoadInt(&type, "type");
      Seek("/royalty");
      if (type != SIM_RoyaltyStream::TYPE_SONG && type != SIM_RoyaltyStream::TYPE_SCREENPLAY) {
        Warn("royalty type", std::to_string(type), line);
        type = SIM_RoyaltyStream::TYPE_SONG;
      }
      auto* stream = new SIM_RoyaltyStream(guiname, income, (SIM_RoyaltyStream::TYPE)type);  // the list owns it
      stream->SetPaid(total, lastcheque);
    }
    Seek("/royalties");
  }
  if (CheckNextTag("strings")) {
    Seek("strings");
    while (CheckNextTag("string")) {
      Seek("string");
      const std::string key = LoadVar("key");
      Seek("/string");
      if (!key.empty()) SIM_AchievementBase::AddAchievement(key.c_str());
    }
    Seek("/strings");
  }
  Seek("/achievements");
}

void SIM_LoadGame::LoadBowlingTeam() {
  SIM_BowlingTeam* team = SIM_GetBowlingTeam();
  team->Reset();
  Seek("bowling");
  bool onTeam = false;
  bool beenOnTeam = false;
  LoadBool(&onTeam, "onteam");
  LoadBool(&beenOnTeam, "beenonteam");
  team->SetFlags(onTeam, beenOnTeam);
  Seek("/bowling");
  if (onTeam) team->ArrangeNextMatch();
}

// The classes are rebuilt and the saved enrolments made again; a class that no table holds any
// longer is reported and left out.
void SIM_LoadGame::LoadClasses() {
  Seek("classes");
  HOOK_EveningClassType::Enrolled.clear();
  HOOK_EveningClassType::Open();
  while (CheckNextTag("class")) {
    const int line = CurrentLine();
    Seek("class");
    const std::string name = LoadVar("name");
    Seek("/class");
    HOOK_EveningClassType* cls = HOOK_EveningClassType::GetClassByName(name.c_str());
    if (!cls) {
      GWarning((m_origin + ":" + std::to_string(line) + ": Failed to find enrolled class \"" + name + "\"; skipped").c_str(),
               __FILE__, __LINE__);
      continue;
    }
    if (!cls->IsEnrolled()) cls->Enroll();
  }
  Seek("/classes");
}

void SIM_LoadGame::LoadUnlocks() {
  Seek("unlocks");
  if (CheckNextTag("solo")) {
    Seek("solo");
    while (CheckNextTag("type")) {
      const int line = CurrentLine();
      Seek("type");
      const std::string name = LoadVar("name");
      Seek("/type");
      SIM_SoloActivityType* type = FindSoloType(name);
      if (!type) {
        Warn("solo activity", name, line);
        continue;
      }
      type->SetLocked(false);
    }
    Seek("/solo");
  }
  if (CheckNextTag("social")) {
    Seek("social");
    while (CheckNextTag("type")) {
      const int line = CurrentLine();
      Seek("type");
      const std::string name = LoadVar("name");
      Seek("/type");
      SIM_SocialiseType* type = FindSocialType(name);
      if (!type) {
        Warn("social event type", name, line);
        continue;
      }
      type->SetLocked(false);
    }
    Seek("/social");
  }
  LoadFloat(&SIM_TimeChunkType::UnlockPoints, "unlockpoints");
  Seek("/unlocks");
}

// A pet the assets table no longer has is skipped with a warning; its meals are kept, harmless
// without it.
void SIM_LoadGame::LoadPets() {
  if (!Seek("pets")) return;
  while (CheckNextTag("pet")) {
    const int line = CurrentLine();
    Seek("pet");
    const std::string name = LoadVar("name");
    std::string petName;
    int noFood = 0, age = 0, eveningsAlone = 0, burglars = 0;
    float happiness = 0.5f;
    LoadString(&petName, "petname");
    LoadInt(&noFood, "nofood");
    LoadInt(&age, "age");
    LoadFloat(&happiness, "happiness");
    LoadInt(&eveningsAlone, "eveningsalone");
    LoadInt(&burglars, "burglars");  // the dog only
    Seek("/pet");
    SIM_PetBase* pet = SIM_PetBase::GetByName(name);
    if (!pet) {
      Warn("pet", name, line);
      continue;
    }
    if (!petName.empty()) pet->SetPetName(petName);
    pet->SetDaysWithoutFood(noFood);
    pet->SetAge(age);
    pet->SetHappiness(std::clamp(happiness, 0.0f, 1.0f));
    pet->SetEveningsAlone(eveningsAlone);
    if (SIM_Dog* dog = dynamic_cast<SIM_Dog*>(pet)) dog->SetBurglarsAttacked(burglars);
  }
  Seek("/pets");
  SIM_PetMeal::Close();
  if (!Seek("petmeals")) return;
  while (CheckNextTag("meal")) {
    Seek("meal");
    const std::string animal = LoadVar("animalname");
    Seek("/meal");
    if (!animal.empty()) SIM_PetMeal::Create(animal);
  }
  Seek("/petmeals");
}

void SIM_LoadGame::LoadMisc() {
  LoadPets();
  Seek("SIM_SIM");
  LoadInt(&m_maxActs, "max_acts");
  LoadInt(&m_acts, "acts");
  Seek("/SIM_SIM");
  if (CheckNextTag("movies")) LoadMovies();
  if (CheckNextTag("eventqualities")) {
    Seek("eventqualities");
    while (CheckNextTag("event")) {
      const int line = CurrentLine();
      Seek("event");
      const std::string owner = LoadVar("owner");
      float low = 0.0f, high = 0.0f;
      LoadFloat(&low, "min");
      LoadFloat(&high, "max");
      Seek("/event");
      SIM_EventQuality* band = nullptr;
      for (SIM_EventQuality* quality : SIM_EventQuality::All) {
        if (quality->GetEventType() && quality->GetEventType()->GetName() == owner) band = quality;
      }
      if (!band) {
        Warn("event quality owner", owner, line);
        continue;
      }
      band->SetBand(std::max(0.0f, std::min(1.0f, low)), std::max(0.0f, std::min(1.0f, high)));
    }
    Seek("/eventqualities");
  }
  SIM_FoodMemory::Open();
  if (CheckNextTag("foodmemories")) {
    Seek("foodmemories");
    while (CheckNextTag("item")) {
      const int line = CurrentLine();
      Seek("item");
      const std::string dish = LoadVar("name");
      int turn = 0;
      LoadInt(&turn, "turn");
      Seek("/item");
      if (dish.empty()) {
        Warn("remembered dish", dish, line);
        continue;
      }
      SIM_GetFoodMemory()->Restore(dish, (int32_t)turn);
    }
    Seek("/foodmemories");
  }
  if (CheckNextTag("crossword")) SkipGroup();
  Seek("misc");
  int topSLID = 0, turnCount = 0;
  LoadInt(&topSLID, "TopSLID");
  LoadInt(&turnCount, "TurnCount");
  Seek("/misc");
  // Persons made after the load get identities that no loaded person holds.
  long long highest = topSLID;
  for (const SIM_Person* person : SIM_Person::All) highest = std::max(highest, (long long)person->GetSLID() + 1);
  SIM_GetSaveGame()->SetSLID((int)std::min<long long>(std::max<long long>(0, highest), 1 << 30));
  SIM_GetSim()->SetTurnCount(std::max(0, turnCount));
}

// The films of the table were made afresh at the reset; the save puts back their order, the
// programme and which were seen.
void SIM_LoadGame::LoadMovies() {
  const int line = CurrentLine();
  Seek("movies");
  int first = 0, second = 0, third = 0;
  LoadInt(&first, "movie0");
  LoadInt(&second, "movie1");
  LoadInt(&third, "movie2");
  std::vector<int> order, seen;
  for (const std::string& guid : SplitList(LoadVar("runningorder"))) order.push_back(ToInt(guid));
  for (const std::string& guid : SplitList(LoadVar("seenguids"))) seen.push_back(ToInt(guid));
  Seek("/movies");
  SIM_Movie::Restore(order, first, seen, m_origin + ":" + std::to_string(line));
}

void SIM_LoadGame::LoadTurn() {
  if (!Seek("turn")) return;
  int mode = SIM_SIM::TURNMODE_DAYENDED;
  LoadInt(&mode, "mode");
  m_turnMode = ClampInt(mode, SIM_SIM::TURNMODE_WOKEUP, SIM_SIM::TURNMODE_DAYENDED);
  LoadBool(&m_night, "night");
  Seek("/turn");
}

// The charity run's and the dentist's dates, after the present day is read. An event the file
// does not date (an older save, a damaged entry) is booked again from today.
void SIM_LoadGame::LoadAppointments() {
  SIM_OccasionalEvent* events[] = {SIM_GetCharity(), SIM_GetDentist()};
  bool restored[2] = {false, false};
  if (Seek("appointments")) {
    while (CheckNextTag("appointment")) {
      const int line = CurrentLine();
      Seek("appointment");
      std::string name;
      LoadString(&name, "name");
      const std::vector<std::string> eventDate = SplitList(LoadVar("eventdate"));
      const std::vector<std::string> reminderDate = SplitList(LoadVar("reminderdate"));
      Seek("/appointment");
      size_t which = 0;
      while (which < 2 && events[which]->GetEventName() != name) ++which;
      if (which == 2) {
        Warn("Appointment", name, line);
        continue;
      }
      if (eventDate.size() != 3 || reminderDate.size() != 3) {
        GWarning((m_origin + ":" + std::to_string(line) + ": the appointment \"" + name +
                  "\" has no readable dates; booked again")
                     .c_str(),
                 __FILE__, __LINE__);
        continue;
      }
      events[which]->Restore(SIM_Date(ToInt(eventDate[0]), ToInt(eventDate[1]), ToInt(eventDate[2])),
                             SIM_Date(ToInt(reminderDate[0]), ToInt(reminderDate[1]), ToInt(reminderDate[2])));
      restored[which] = true;
    }
    Seek("/appointments");
  }
  for (size_t i = 0; i < 2; ++i) {
    if (!restored[i]) events[i]->Reset();
  }
}
