#include "SIM_SaveGame.h"

#include "HOOK_EveningClassType.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "GDebug.h"
#include "GUI_Avatar.h"
#include "GUI_AvatarLayer.h"
#include "Game.h"
#include "SIM_Alcohol.h"
#include "SIM_Asset.h"
#include "SIM_MagazineAsset.h"
#include "SIM_Book.h"
#include "SIM_Attribute.h"
#include "SIM_BowlingTeam.h"
#include "SIM_Movie.h"
#include "SIM_Boredom.h"
#include "SIM_CharacterType.h"
#include "SIM_Charity.h"
#include "SIM_CommuteMethod.h"
#include "SIM_Crime.h"
#include "SIM_Date.h"
#include "SIM_Dentist.h"
#include "SIM_Finances.h"
#include "SIM_FoodMemory.h"
#include "SIM_Health.h"
#include "SIM_InterestType.h"
#include "SIM_JobBase.h"
#include "SIM_JobInstance.h"
#include "SIM_JobOffer.h"
#include "SIM_JobUnlocks.h"
#include "SIM_Memory.h"
#include "SIM_NPC.h"
#include "SIM_NamedValue.h"
#include "SIM_Dog.h"
#include "SIM_PetFood.h"
#include "SIM_Projects.h"
#include "SIM_Relationship.h"
#include "SIM_RoyaltyStream.h"
#include "SIM_SIM.h"
#include "SIM_ScheduledEvents.h"
#include "SIM_EventQuality.h"
#include "SIM_Romance.h"
#include "SIM_SocialiseType.h"
#include "SIM_SoloActivityType.h"
#include "SIM_StandInLog.h"
#include "SIM_Statistics.h"
#include "SIM_TimeChunkType.h"
#include "SIM_Vede.h"
#include "SIM_Vorla.h"

long SIM_SaveGame::FailAfterBytes = -1;

SIM_SaveGame* SIM_GetSaveGame() {
  static SIM_SaveGame instance;
  return &instance;
}

// ---------------------------------------------------------------------------------------------
// Saving

bool SIM_SaveGame::SaveGame(const char* name) {
  // The day turn's tests watch for the night's save at this moment.
  SIM_StandInLog::Record("SIM_SaveGame::SaveGame");
  m_lastName = name ? name : "";
  ++m_saves;
  m_lastError.clear();
  if (m_lastName.empty()) {
    Fail("A game cannot be saved without a name");
    return false;
  }
  return SaveToPath(PathOf(m_lastName));
}

bool SIM_SaveGame::SaveToPath(const std::string& path) {
  m_lastError.clear();
  return WriteFile(path, Compose());
}

std::string SIM_SaveGame::Compose() {
  m_text.clear();
  m_text.reserve(256 * 1024);
  SaveString("<xml>");
  SaveHeader();
  SaveGameData();
  SaveVede();
  SaveFinances();
  SaveNPCS();
  SaveRelationships();
  SaveJob();
  SaveVorla();
  SaveCommute();
  SaveAssets();
  SaveCrime();
  SaveDate();
  SaveGlobals();
  SaveHealth();
  SaveRomance();
  SaveStatistics();
  SaveAlcohol();
  SaveBooks();
  SaveSpecialEvents();
  SaveAchievements();
  SaveBowlingTeam();
  SaveClasses();
  SaveUnlocks();
  SaveMisc();
  SaveTurn();
  SaveAppointments();
  SaveString("</xml>");
  std::string text;
  text.swap(m_text);
  return text;
}

void SIM_SaveGame::Fail(const std::string& why) {
  m_lastError = why;
  GWarning(why.c_str(), __FILE__, __LINE__);
}

// Beside the save, so the rename stays on one file system; every step is checked, and the old
// save is replaced only once the new one is whole on the disk.
bool SIM_SaveGame::WriteFile(const std::string& path, const std::string& text) {
  const std::string temp = path + ".tmp";
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    Fail("Cannot save the game to " + path + ": " + std::strerror(errno));
    return false;
  }
  size_t written = 0;
  bool ok = true;
  std::string why;
  while (written < text.size()) {
    size_t chunk = text.size() - written;
    if (FailAfterBytes >= 0) {
      if ((long)written >= FailAfterBytes) {
        errno = ENOSPC;
        ok = false;
        break;
      }
      chunk = std::min(chunk, (size_t)(FailAfterBytes - (long)written));
    }
    const ssize_t n = ::write(fd, text.data() + written, chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = false;
      break;
    }
    written += (size_t)n;
  }
  if (!ok) why = std::strerror(errno ? errno : EIO);
  if (ok && ::fsync(fd) != 0) {
    ok = false;
    why = std::strerror(errno);
  }
  if (::close(fd) != 0 && ok) {
    ok = false;
    why = std::strerror(errno);
  }
  if (ok && std::rename(temp.c_str(), path.c_str()) != 0) {
    ok = false;
    why = std::strerror(errno);
  }
  if (!ok) {
    std::remove(temp.c_str());
    Fail("Cannot save the game to " + path + ": " + why);
    return false;
  }
  // The rename itself is made lasting by syncing the folder that holds the save.
  const std::string folder = std::filesystem::path(path).parent_path().string();
  const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

void SIM_SaveGame::SetSLID(int value) {
  GAssert(value >= 0, __FILE__, __LINE__);
  if (value >= 0) m_slidCounter = value;
}

// ---------------------------------------------------------------------------------------------
// The folder

std::string SIM_SaveGame::PathOf(const std::string& name) { return GetGame()->GetSaveGamesDir() + "/" + name + ".xml"; }

std::vector<std::string> SIM_SaveGame::ListSaves() {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(GetGame()->GetSaveGamesDir(), error)) {
    std::error_code typeError;
    if (!entry.is_regular_file(typeError)) continue;
    const std::string file = entry.path().filename().string();
    if (file.size() > 4 && file.compare(file.size() - 4, 4, ".xml") == 0) names.push_back(file.substr(0, file.size() - 4));
  }
  std::sort(names.begin(), names.end());
  return names;
}

bool SIM_SaveGame::Exists(const std::string& name) {
  std::error_code error;
  return !name.empty() && std::filesystem::is_regular_file(PathOf(name), error);
}

bool SIM_SaveGame::DeleteSave(const std::string& name) {
  const std::string path = PathOf(name);
  if (name.empty() || std::remove(path.c_str()) != 0) {
    GWarning(("Cannot delete the save " + path + ": " + std::strerror(errno)).c_str(), __FILE__, __LINE__);
    return false;
  }
  return true;
}

// ---------------------------------------------------------------------------------------------
// Values

std::string SIM_SaveGame::Escape(const std::string& value) {
  if (value.find_first_of("&<>\n\r") == std::string::npos) return value;
  std::string out;
  out.reserve(value.size() + 16);
  for (char c : value) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '\n': out += "&#10;"; break;
      case '\r': out += "&#13;"; break;
      default: out += c;
    }
  }
  return out;
}

// Only the five forms the writer makes are turned back; any other "&" is text (older saves wrote
// a town's "&" as it was).
std::string SIM_SaveGame::Unescape(const std::string& value) {
  if (value.find('&') == std::string::npos) return value;
  static const struct {
    const char* form;
    char c;
  } kForms[] = {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&#10;", '\n'}, {"&#13;", '\r'}};
  std::string out;
  out.reserve(value.size());
  for (size_t i = 0; i < value.size();) {
    bool matched = false;
    if (value[i] == '&') {
      for (const auto& form : kForms) {
        const size_t length = std::strlen(form.form);
        if (value.compare(i, length, form.form) == 0) {
          out += form.c;
          i += length;
          matched = true;
          break;
        }
      }
    }
    if (!matched) out += value[i++];
  }
  return out;
}

std::string SIM_SaveGame::FormatFloat(float value) {
  char text[64];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

std::string SIM_SaveGame::FormatInt(long long value) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

// ---------------------------------------------------------------------------------------------
// Primitives

void SIM_SaveGame::SaveString(const std::string& text) {
  m_text += text;
  m_text += '\n';
}

void SIM_SaveGame::SaveKeyValue(const char* key, const std::string& value) {
  m_text += '<';
  m_text += key;
  m_text += '>';
  m_text += Escape(value);
  m_text += "</";
  m_text += key;
  m_text += ">\n";
}

void SIM_SaveGame::SaveKeyValue(const char* key, int value) { SaveKeyValue(key, FormatInt(value)); }

void SIM_SaveGame::SaveKeyValue(const char* key, float value) { SaveKeyValue(key, FormatFloat(value)); }

namespace {

// A bare opening tag on construction and its closing tag at the end of the scope.
class SaveGroup {
 public:
  SaveGroup(SIM_SaveGame* save, const char* tag) : m_save(save), m_tag(tag) { m_save->SaveString(std::string("<") + tag + ">"); }
  ~SaveGroup() { m_save->SaveString(std::string("</") + m_tag + ">"); }
  SaveGroup(const SaveGroup&) = delete;
  SaveGroup& operator=(const SaveGroup&) = delete;

 private:
  SIM_SaveGame* m_save;
  const char* m_tag;
};

std::string JoinFloats(const std::vector<float>& values, size_t from) {
  std::string text;
  for (size_t i = from; i < values.size(); ++i) {
    text += SIM_SaveGame::FormatFloat(values[i]);
    text += ',';
  }
  return text;
}

void SaveNamedValues(SIM_SaveGame* save, const char* listTag, SIM_NamedValueList& list) {
  SaveGroup group(save, listTag);
  for (SIM_NamedValue* value : list.GetRawList()) {
    SaveGroup item(save, "skill");
    save->SaveKeyValue("name", value->GetName());
    save->SaveKeyValue("guiname", value->GetGUIName());
    save->SaveKeyValue("value", value->GetValue());
  }
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// The sections

void SIM_SaveGame::SaveHeader() {
  SaveGroup group(this, "header");
  SaveKeyValue("version", kVersion);
}

void SIM_SaveGame::SaveGameData() {
  SaveGroup group(this, "game");
  SaveKeyValue("TownName", GetGame()->GetTownName());
  SaveKeyValue("Currency", GetGame()->GetCurrency());
}

void SIM_SaveGame::SaveVede() {
  SIM_Vede* vede = SIM_GetVede();
  SaveGroup group(this, "vede");
  SaveKeyValue("SLID", vede->GetSLID());
  SaveKeyValue("forename", vede->GetForeName());
  SaveKeyValue("surname", vede->GetSurName());
  SaveKeyValue("fullname", vede->GetFullName());
  SaveKeyValue("gender", vede->GetGender() != SIM_MALE ? "f" : "m");
  SaveKeyValue("age", (int)vede->GetAge());
  {
    SaveGroup attributes(this, "attributes");
    for (SIM_Attribute* attribute : SIM_Attribute::All) SaveAttribute(attribute);
  }
  SaveNamedValues(this, "skills", vede->GetSkills());
  SaveBoredom(vede->GetBoredom());
  {
    SaveGroup avatar(this, "avatar");
    for (int slot = 0; slot < AVATAR_LAYER_COUNT; ++slot) {
      SaveGroup layerGroup(this, "layer");
      // A slot without a layer is written empty; the loader leaves such a slot empty.
      const GUI_AvatarLayer* layer = GUI_GetAvatar()->GetLayer(slot);
      const LibColor tint = layer ? layer->GetColorTint() : LibColor(0, 0, 0, 255);
      SaveKeyValue("guiname", layer ? layer->GetGUIName() : std::string());
      SaveKeyValue("color", FormatInt(tint.r) + "," + FormatInt(tint.g) + "," + FormatInt(tint.b));
    }
  }
}

void SIM_SaveGame::SaveAttribute(SIM_Attribute* attribute) {
  GAssert(attribute != nullptr, __FILE__, __LINE__);
  if (!attribute) return;
  SaveGroup group(this, "attribute");
  SaveKeyValue("name", attribute->GetName());
  // The newest values: the graph shows the recent past.
  const std::vector<float>& history = attribute->GetHistory();
  const size_t from = history.size() > (size_t)kHistoryValues ? history.size() - kHistoryValues : 0;
  SaveKeyValue("history", JoinFloats(history, from));
  for (const SIM_Effect* effect : attribute->GetEffects()) {
    SaveGroup item(this, "sim_effect");
    SaveKeyValue("debugname", effect->GetDebugName());
    SaveKeyValue("degrade", effect->GetDegrade());
    SaveKeyValue("effect", effect->GetEffect());
  }
}

void SIM_SaveGame::SaveBoredom(SIM_Boredom* boredom) {
  GAssert(boredom != nullptr, __FILE__, __LINE__);
  SaveGroup group(this, "boredom");
  if (!boredom) return;
  for (const SIM_BoredomItem* item : boredom->GetItems()) {
    SaveGroup entry(this, "boredom_item");
    SaveKeyValue("name", item->GetName());
    SaveKeyValue("value", item->GetValue());
  }
}

void SIM_SaveGame::SaveFinances() {
  SaveGroup group(this, "finances");
  SaveKeyValue("cash", SIM_GetFinances()->GetCash());
}

void SIM_SaveGame::SaveNPCS() {
  SaveGroup group(this, "npcs");
  for (SIM_NPC* npc : SIM_NPC::All) SaveNPC(npc);
}

void SIM_SaveGame::SaveNPC(SIM_NPC* npc) {
  SaveGroup group(this, "npc");
  SaveKeyValue("SLID", npc->GetSLID());
  SaveKeyValue("forename", npc->GetForeName());
  SaveKeyValue("surname", npc->GetSurName());
  SaveKeyValue("fullname", npc->GetFullName());
  SaveKeyValue("portrait", npc->GetPortraitTexture());
  SaveKeyValue("bintroduced", npc->IsIntroduced());
  SaveKeyValue("snubdelay", npc->GetSnubDelay());
  SaveKeyValue("snubcount", npc->GetSnubCount());
  SaveKeyValue("snubcause", npc->GetSnubCause());
  SaveKeyValue("milodays", npc->GetDaysSinceSeen());
  SaveKeyValue("invitedays", npc->GetDaysSinceImportantInvite());
  SaveKeyValue("romanticcompatibility", npc->GetRomanticCompatibility());
  SaveKeyValue("cashperweek", npc->GetWeeklyCash());
  SaveKeyValue("cash", npc->GetCash());
  const SIM_Date* dob = npc->GetDateOfBirth();
  SaveKeyValue("dob", dob ? FormatInt(dob->GetDay()) + "," + FormatInt(dob->GetMonth()) + "," + FormatInt(dob->GetYear())
                          : std::string("0,0,0"));
  SaveKeyValue("gender", (int)npc->GetGender());
  {
    SaveGroup interests(this, "interests");
    for (const SIM_Interest* interest : npc->GetInterests().GetInterests()) {
      SaveGroup item(this, "interest");
      const SIM_InterestType* type = interest->GetType();
      SaveKeyValue("category", type ? type->GetCategory() : std::string());
      SaveKeyValue("name", interest->GetName());
      SaveKeyValue("guiname", type ? type->GetGUIName() : interest->GetGUIName());
      SaveKeyValue("hidden", !interest->IsVisible());
    }
  }
  SaveNamedValues(this, "skills", npc->GetOwnValues());
  {
    SaveGroup types(this, "character_types");
    for (const SIM_CharacterType* type : npc->GetCharacterTypes()) {
      if (!type) continue;
      SaveGroup item(this, "type");
      SaveKeyValue("name", type->GetName());
    }
  }
  SaveBoredom(npc->GetBoredom());
  {
    SaveGroup memories(this, "memories");
    if (const SIM_Memory* memory = npc->GetMemory()) {
      for (const SIM_EventMemory* event : memory->GetMemories()) {
        if (!event->GetType()) continue;
        SaveGroup item(this, "memory");
        SaveKeyValue("type", event->GetType()->GetName());
        SaveKeyValue("happiness", event->GetRawHappiness());
        SaveKeyValue("strength", event->GetStrength());
      }
    }
  }
  {
    SaveGroup attributes(this, "attributes");
    for (const std::string& name : npc->GetHiddenAttributes()) {
      SaveGroup item(this, "attribute");
      SaveKeyValue("name", name);
    }
  }
}

void SIM_SaveGame::SaveRelationships() {
  SaveGroup group(this, "relationships");
  for (const SIM_Relationship* link : SIM_Relationship::All) {
    if (!link->Alive() || !link->GetPers1() || !link->GetPers2()) continue;
    SaveGroup item(this, "relationship");
    SaveKeyValue("pers1_id", link->GetPers1()->GetSLID());
    SaveKeyValue("pers2_id", link->GetPers2()->GetSLID());
    SaveKeyValue("strength", link->GetStrength());
    SaveKeyValue("balance", link->GetBalance());
    SaveKeyValue("playercreated", link->IsPlayerCreated());
    SaveKeyValue("friendship", link->IsFriendship());
    SaveKeyValue("meeting", link->GetMeetingCount());
  }
}

void SIM_SaveGame::SaveJob() {
  SIM_Vede* vede = SIM_GetVede();
  const SIM_JobInstance* instance = vede->GetJobInstance();
  // Without a job the player is out of work: neutral values, and the out-of-work job.
  const SIM_JobBase* job = instance ? instance->GetJob() : nullptr;
  {
    SaveGroup group(this, "job_instance");
    SaveKeyValue("grade", instance ? instance->GetCurrentGrade() : 0);
    SaveKeyValue("daysinjob", instance ? instance->GetDaysInJob() : 0);
    SaveKeyValue("dayssincepromotion", instance ? instance->GetDaysSincePromotion() : 0);
    SaveKeyValue("dayssincefriend", instance ? instance->GetDaysSinceLastFriend() : 0);
    SaveKeyValue("friendsmade", instance ? instance->GetFriendsMade() : 0);
    for (int day = 0; day < SIM_JobInstance::kHistoryDays; ++day) {
      SaveGroup record(this, "jobperf");
      const bool valid = instance && instance->IsHistoryValid(day);
      const float performance = instance ? instance->GetHistoryPerformance(day) : 0.0f;
      SaveKeyValue("data", FormatInt(valid ? 1 : 0) + "," + FormatFloat(performance));
    }
    SaveKeyValue("jobguid", job ? job->GetGUID() : SIM_JobBase::kOutOfWorkGUID);
  }
  {
    SaveGroup group(this, "jobs_applied");
    for (const SIM_JobBase* applied : SIM_JobBase::AllJobs) {
      if (applied->GetDaysUntilReapply() == 0) continue;
      SaveGroup item(this, "job");
      SaveKeyValue("name", applied->GetGUID());
      SaveKeyValue("appliedtimer", applied->GetDaysUntilReapply());
    }
  }
  {
    // Every offer, the answered ones too: their call is back in the phone after a load.
    SaveGroup group(this, "jobs_offered");
    for (const SIM_JobOffer* offer : SIM_JobOffer::All) {
      if (!offer->GetJob()) continue;
      SaveGroup item(this, "job_offer");
      SaveKeyValue("jobid", offer->GetJob()->GetGUID());
      SaveKeyValue("offered", offer->Offered());
      SaveKeyValue("active", offer->IsPending());
      SaveKeyValue("reject", offer->RejectEffectsApplied());
      SaveKeyValue("daystowait", offer->GetDaysToWait());
      SaveKeyValue("reason", (int)offer->GetReason());
    }
  }
  {
    SaveGroup group(this, "jobs_unlocked");
    for (const SIM_JobBase* unlocked : SIM_GetJobUnlocks()->GetUnlockedJobs()) {
      SaveGroup item(this, "job");
      SaveKeyValue("id", unlocked->GetGUID());
    }
  }
  {
    SaveGroup group(this, "jobdistances");
    for (const SIM_JobBase* each : SIM_JobBase::AllJobs) {
      SaveGroup item(this, "job");
      SaveKeyValue("id", each->GetGUID());
      SaveKeyValue("dist", each->GetCommuteDistance());
    }
  }
}

void SIM_SaveGame::SaveVorla() {
  SaveGroup group(this, "vorla");
  for (const std::string& name : SIM_GetVorla()->GetUniqueActivities()) {
    SaveGroup item(this, "activity");
    SaveKeyValue("name", name);
  }
}

void SIM_SaveGame::SaveCommute() {
  SaveGroup group(this, "commute");
  const SIM_CommuteMethod* method = SIM_CommuteMethod::GetCurrent();
  SaveKeyValue("name", method ? method->GetName() : std::string());
}

void SIM_SaveGame::SaveAssets() {
  {
    SaveGroup group(this, "assets");
    for (const SIM_Asset* asset : SIM_Asset::All) {
      if (!asset->IsOwned()) continue;
      SaveGroup item(this, "asset");
      SaveKeyValue("name", asset->GetName());
    }
  }
  SaveMagazines();
}

// Every issue, owned or on sale, in the order made; a title's k-th entry is its k-th issue.
void SIM_SaveGame::SaveMagazines() {
  SaveGroup group(this, "magazines");
  for (const SIM_MagazineAsset* issue : SIM_MagazineAsset::All) {
    SaveGroup item(this, "mag");
    SaveKeyValue("name", issue->GetName());
    SaveKeyValue("read", issue->GetReadPercentage());
  }
}

void SIM_SaveGame::SaveCrime() {
  SaveGroup group(this, "crime");
  const SIM_Crime* crime = SIM_GetCrime();
  SaveKeyValue("daystonextmugging", (int)crime->GetDaysToNextMugging());
  SaveKeyValue("daystonextburglary", (int)crime->GetDaysToNextBurglary());
  SaveKeyValue("lastcrimeturn", (int)crime->GetLastCrimeTurn());
}

void SIM_SaveGame::SaveDate() {
  SaveGroup group(this, "date");
  const SIM_Date today = SIM_Date::PPresentDay ? *SIM_Date::PPresentDay : SIM_Date();
  SaveKeyValue("day", today.GetDay());
  SaveKeyValue("dayofweek", today.GetDayOfWeek());
  SaveKeyValue("daystofullmoon", today.GetDaysToFullMoon());
  SaveKeyValue("month", today.GetMonth());
  SaveKeyValue("year", today.GetYear());
  SaveKeyValue("yearend_day", SIM_Date::EndYearDate.GetDay());
  SaveKeyValue("yearend_month", SIM_Date::EndYearDate.GetMonth());
  SaveKeyValue("yearend_year", SIM_Date::EndYearDate.GetYear());
  SaveKeyValue("gameend_day", SIM_Date::EndGameDate.GetDay());
  SaveKeyValue("gameend_month", SIM_Date::EndGameDate.GetMonth());
  SaveKeyValue("gameend_year", SIM_Date::EndGameDate.GetYear());
  SaveKeyValue("tenyearsup", SIM_GetSim()->IsTenYearsUp());
}

void SIM_SaveGame::SaveGlobals() {
  SaveGroup group(this, "globals");
  for (const SIM_NamedValue* value : SIM_NamedValueList::Globals.GetRawList()) {
    SaveGroup item(this, "global");
    SaveKeyValue("name", value->GetName());
    SaveKeyValue("guiname", value->GetGUIName());
    SaveKeyValue("value", value->GetValue());
  }
}

void SIM_SaveGame::SaveHealth() {
  SaveGroup group(this, "health");
  SaveKeyValue("state", SIM_GetHealth()->GetState());
  SaveKeyValue("duration", SIM_GetHealth()->GetDaysLeft());
}

// The romantic credit is the day's own and is not kept.
void SIM_SaveGame::SaveRomance() {
  const SIM_Romance* romance = SIM_GetRomance();
  SaveGroup group(this, "romance");
  SaveKeyValue("partner", romance->GetPartner() ? romance->GetPartner()->GetSLID() : -1);
  SaveKeyValue("duration", (int)romance->GetRomanceDuration());
  SaveKeyValue("cynicism", romance->GetCynicism());
  SaveKeyValue("daysapart", (int)romance->GetDaysApart());
  SaveKeyValue("dayssincelastnag", (int)romance->GetDaysSinceLastNag());
}

void SIM_SaveGame::SaveStatistics() {
  const SIM_Statistics* statistics = SIM_GetStatistics();
  SaveGroup group(this, "statistics");
  {
    SaveGroup list(this, "ints");
    for (const SIM_Statistics::IntCounter& counter : statistics->GetIntCounters()) {
      SaveGroup item(this, "int");
      SaveKeyValue("name", counter.name);
      SaveKeyValue("value", counter.value);
    }
  }
  {
    SaveGroup list(this, "floats");
    for (const SIM_Statistics::FloatCounter& counter : statistics->GetFloatCounters()) {
      SaveGroup item(this, "float");
      SaveKeyValue("name", counter.name);
      SaveKeyValue("value", counter.value);
    }
  }
  {
    SaveGroup list(this, "activities");
    for (const SIM_Statistics::ChosenActivity& activity : statistics->GetActivities()) {
      SaveGroup item(this, "activity");
      SaveKeyValue("name", activity.name);
      SaveKeyValue("guiname", activity.displayName);
      SaveKeyValue("count", activity.count);
    }
  }
}

void SIM_SaveGame::SaveAlcohol() {
  SaveGroup group(this, "alcohol");
  const SIM_Alcohol* alcohol = HOOK_GetAlcohol();
  SaveKeyValue("addictionstrength", alcohol->GetAddictionStrength());
  SaveKeyValue("alcoholic", alcohol->IsAlcoholic());
  SaveKeyValue("bloodalcohol", alcohol->GetBloodAlcohol());
}

// Only the books begun: an unread book is as the table made it.
void SIM_SaveGame::SaveBooks() {
  SaveGroup group(this, "books");
  for (const SIM_Book* book : SIM_Book::All) {
    if (book->GetPagesRead() == 0) continue;
    SaveGroup item(this, "book");
    SaveKeyValue("name", book->GetName());
    SaveKeyValue("read", book->GetPagesRead());
  }
}

void SIM_SaveGame::SaveSpecialEvents() {
  SaveGroup group(this, "events");
  for (const SIM_SpecialEvent* event : SIM_SpecialEvent::All) {
    SaveGroup item(this, "event");
    SaveKeyValue("name", event->GetName());
    SaveKeyValue("triggered", event->IsTriggered());
  }
}

void SIM_SaveGame::SaveAchievement(const char* tag, const SIM_AchievementBase* project) {
  SaveGroup item(this, tag);
  SaveKeyValue("progress", project->GetProgress());
  SaveKeyValue("quality", project->GetStoredQuality());
  SaveKeyValue("guiname", project->GetGUIName());
  SaveKeyValue("chunks", JoinFloats(project->GetChunks(), 0));
}

void SIM_SaveGame::SaveAchievements() {
  SaveGroup group(this, "achievements");
  SaveAchievement("song", SIM_GetSongWriting());
  SaveAchievement("screenplay", SIM_GetScreenplayWriting());
  SaveAchievement("theory", SIM_GetScienceTheory());
  SaveAchievement("story", SIM_GetNewsStory());
  {
    SaveGroup royalties(this, "royalties");
    for (const SIM_RoyaltyStream* stream : SIM_RoyaltyStream::All) {
      SaveGroup item(this, "royalty");
      SaveKeyValue("income", stream->GetIncome());
      SaveKeyValue("total", stream->GetTotal());
      SaveKeyValue("lastcheque", stream->GetLastCheque());
      SaveKeyValue("guiname", stream->GetGUIName());
      SaveKeyValue("type", (int)stream->GetType());
    }
  }
  {
    SaveGroup strings(this, "strings");
    for (const std::string& key : SIM_AchievementBase::AchievementStrings) {
      SaveGroup item(this, "string");
      SaveKeyValue("key", key);
    }
  }
}

// The match date is not kept: a loaded member gets a fresh one.
void SIM_SaveGame::SaveBowlingTeam() {
  SaveGroup group(this, "bowling");
  SaveKeyValue("onteam", SIM_GetBowlingTeam()->IsOnTeam());
  SaveKeyValue("beenonteam", SIM_GetBowlingTeam()->HasBeenOnTeam());
}

// The classes the player is enrolled in, in order of enrolment; the progress in each is one of the
// player's values and is saved with them.
void SIM_SaveGame::SaveClasses() {
  SaveGroup group(this, "classes");
  for (HOOK_EveningClassType* cls : HOOK_EveningClassType::Enrolled) {
    SaveGroup entry(this, "class");
    SaveKeyValue("name", cls->GetName());
  }
}

// A solo or social type is written once it was unlocked (a type with a threshold that is no longer
// locked).
void SIM_SaveGame::SaveUnlocks() {
  SaveGroup group(this, "unlocks");
  {
    SaveGroup solo(this, "solo");
    for (SIM_SoloActivityType* type : SIM_SoloActivityType::All) {
      if (type->GetUnlockThreshold() == 0.0f || type->IsLocked()) continue;
      SaveGroup entry(this, "type");
      SaveKeyValue("name", type->GetName());
    }
  }
  {
    SaveGroup social(this, "social");
    for (SIM_SocialiseType* type : SIM_SocialiseType::All) {
      if (type->GetUnlockThreshold() == 0.0f || type->IsLocked()) continue;
      SaveGroup entry(this, "type");
      SaveKeyValue("name", type->GetName());
    }
  }
  SaveKeyValue("unlockpoints", SIM_TimeChunkType::UnlockPoints);
}

void SIM_SaveGame::SaveMisc() {
  {
    SaveGroup pets(this, "pets");
    for (SIM_PetBase* pet : SIM_PetBase::All) {
      SaveGroup entry(this, "pet");
      SaveKeyValue("name", pet->GetName());
      SaveKeyValue("petname", pet->GetPetName());
      SaveKeyValue("nofood", pet->GetDaysWithoutFood());
      SaveKeyValue("age", pet->GetAge());
      SaveKeyValue("happiness", pet->GetHappiness());
      SaveKeyValue("eveningsalone", pet->GetEveningsAlone());
      if (const SIM_Dog* dog = dynamic_cast<const SIM_Dog*>(pet)) SaveKeyValue("burglars", dog->GetBurglarsAttacked());
    }
  }
  {
    SaveGroup meals(this, "petmeals");
    for (const SIM_PetMeal* meal : SIM_PetMeal::All) {
      SaveGroup entry(this, "meal");
      SaveKeyValue("animalname", meal->GetAnimalName());
    }
  }
  {
    SaveGroup group(this, "SIM_SIM");
    SaveKeyValue("max_acts", (int)SIM_GetSim()->GetSlots());
    SaveKeyValue("acts", (int)SIM_GetSim()->GetSlotsUsed());
  }
  SaveMovies();
  {
    SaveGroup qualities(this, "eventqualities");
    for (SIM_EventQuality* quality : SIM_EventQuality::All) {
      if (!quality->GetEventType()) continue;
      SaveGroup entry(this, "event");
      SaveKeyValue("owner", quality->GetEventType()->GetName());
      SaveKeyValue("min", quality->GetLow());
      SaveKeyValue("max", quality->GetHigh());
    }
  }
  {
    SaveGroup memories(this, "foodmemories");
    for (const SIM_FoodMemoryItem* item : SIM_GetFoodMemory()->GetItems()) {
      SaveGroup entry(this, "item");
      SaveKeyValue("name", item->name);
      SaveKeyValue("turn", (int)item->turn);
    }
  }
  {
    SaveGroup group(this, "crossword");
    SaveKeyValue("ids", "");
  }
  {
    SaveGroup group(this, "misc");
    SaveKeyValue("TopSLID", m_slidCounter);
    SaveKeyValue("TurnCount", (int)SIM_GetSim()->GetTurnCount());
  }
}

// The programme as the cinema shows it: the films showing, the running order and the films seen.
void SIM_SaveGame::SaveMovies() {
  SaveGroup group(this, "movies");
  const char* keys[SIM_Movie::kShowing] = {"movie0", "movie1", "movie2"};
  for (int i = 0; i < SIM_Movie::kShowing; ++i) {
    SIM_Movie* film = SIM_Movie::CurrentlyShowing[(size_t)i];
    SaveKeyValue(keys[i], film ? film->GetGUID() : 0);
  }
  SaveKeyValue("runningorder", SIM_Movie::GUIDList(false));
  SaveKeyValue("seenguids", SIM_Movie::GUIDList(true));
}

void SIM_SaveGame::SaveTurn() {
  SaveGroup group(this, "turn");
  SaveKeyValue("mode", (int)SIM_GetSim()->GetTurnMode());
  // Saved in the night (the autosave): the loaded game goes on with the morning.
  SaveKeyValue("night", SIM_GetSim()->IsNight());
}

// The charity run's and the dentist's dates. A newer section than the rest: a loader that does not
// find it books both again.
void SIM_SaveGame::SaveAppointments() {
  SaveGroup group(this, "appointments");
  auto dateText = [](const SIM_Date& date) {
    return FormatInt(date.GetDay()) + "," + FormatInt(date.GetMonth()) + "," + FormatInt(date.GetYear());
  };
  for (const SIM_OccasionalEvent* event : {(const SIM_OccasionalEvent*)SIM_GetCharity(),
                                           (const SIM_OccasionalEvent*)SIM_GetDentist()}) {
    if (event->IsAwaitingFirstNight()) continue;  // nothing dated yet: the loader resets it alike
    SaveGroup entry(this, "appointment");
    SaveKeyValue("name", event->GetEventName());
    SaveKeyValue("eventdate", dateText(event->GetEventDate()));
    SaveKeyValue("reminderdate", dateText(event->GetReminderDate()));
  }
}
