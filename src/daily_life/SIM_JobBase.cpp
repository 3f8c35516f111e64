#include "SIM_JobBase.h"

#include <algorithm>

#include "CSV.h"
#include "CSpreadsheet.h"
#include "ExitCleanup.h"
#include "GDebug.h"
#include "GFileList.h"
#include "GRandom.h"
#include "GTranslation.h"
#include "GUI_EventList.h"
#include "Game.h"
#include "SIM_Finances.h"
#include "SIM_FriendGenerator.h"
#include "SIM_GlobalVariable.h"
#include "SIM_Industry.h"
#include "SIM_JobEvent.h"
#include "SIM_JobInstance.h"
#include "SIM_NPC.h"
#include "SIM_PortraitDatabase.h"
#include "SIM_Relationship.h"
#include "SIM_StandInLog.h"
#include "SIM_Date.h"
#include "SIM_Vede.h"

std::vector<SIM_JobBase*> SIM_JobBase::AllJobs;
std::vector<SIM_JobBase*> SIM_JobBase::ValidJobs;
std::vector<SIM_JobBase*> SIM_JobBase::UnlockableJobs;

namespace {
const char* const kJobsFile = "data/simulation/jobs.csv";
const char* const kIndustriesFile = "data/simulation/industries.csv";
// Working days in a year: 365 x 5 / 7.
constexpr float kWorkingDaysPerYear = 260.7143f;
constexpr size_t kMaxPrerequisiteLength = 127;

void ReleaseJobsAtExit() { SIM_JobBase::Close(); }

void Remove(std::vector<SIM_JobBase*>& list, SIM_JobBase* job) {
  list.erase(std::remove(list.begin(), list.end(), job), list.end());
}

float Tuning(const char* key) { return SIM_GetGlobalVariables()->Get(key); }

std::string Trimmed(const std::string& text) {
  size_t start = text.find_first_not_of(" \t\r\n");
  if (start == std::string::npos) return std::string();
  size_t end = text.find_last_not_of(" \t\r\n");
  return text.substr(start, end - start + 1);
}

// True when the whole text is an integer (the GUID column): a GUID that reads as 0 by accident
// would collide with the out-of-work job.
bool IsInteger(const std::string& text) {
  std::string t = Trimmed(text);
  size_t i = (!t.empty() && (t[0] == '-' || t[0] == '+')) ? 1 : 0;
  if (i >= t.size()) return false;
  for (; i < t.size(); ++i) {
    if (t[i] < '0' || t[i] > '9') return false;
  }
  return true;
}

void Warn(const std::string& text) { GWarnOnce(text, text.c_str(), __FILE__, __LINE__); }

// The daily availability draw over every listed job.
void DrawAvailability() {
  for (SIM_JobBase* job : SIM_JobBase::AllJobs) job->SetAvailableToday(GRandom::IsChance(job->GetAvailabilityChance()));
  SIM_JobBase::NextDayAll();
}
}  // namespace

SIM_JobBase::SIM_JobBase() {
  RegisterExitCleanup(ReleaseJobsAtExit);
  AllJobs.push_back(this);
}

SIM_JobBase::SIM_JobBase(Unlisted) : m_listed(false) {}

SIM_JobBase::~SIM_JobBase() {
  if (!m_listed) return;
  Remove(AllJobs, this);
  Remove(ValidJobs, this);
  if (m_unlockable) Remove(UnlockableJobs, this);
}

// ---------------------------------------------------------------------------------------------
// Loading

bool SIM_JobBase::Load(CSV& csv, const std::string& origin) {
  SetOrigin(origin);
  const std::string guidText = csv.GetNextString();
  if (!IsInteger(guidText)) {
    Warn(GFormat("%s: job GUID \"%s\" is not a number; row skipped", origin.c_str(), guidText.c_str()));
    return false;
  }
  m_guid = CSV::ParseInt(guidText.c_str());
  if (m_guid == kOutOfWorkGUID) {
    Warn(GFormat("%s: job GUID 0 is the game's own out-of-work job; row skipped", origin.c_str()));
    return false;
  }
  std::string name = csv.GetNextString();
  if (name.empty()) {
    Warn(GFormat("%s: job without a name; row skipped", origin.c_str()));
    return false;
  }
  SetName(name);
  SetSource(name);
  SetDescription("");
  m_dailyScript = "jobs/" + name + ".txt";

  {
    CSV list;
    list.Initialise(csv.GetNextToken(), ',', CSV::FieldOrigin(origin, "categories").c_str());
    while (!list.Finished()) {
      std::string category = list.GetNextToken();
      if (!category.empty()) m_categories.push_back(category);
    }
    m_categories.push_back("default");
  }

  SetGUIName(csv.GetNextString());
  m_maleTitle = csv.GetNextString();
  m_femaleTitle = csv.GetNextString();
  m_employerName = csv.GetNextString();
  if (m_employerName.size() > 2047) m_employerName.resize(2047);
  GTranslation::ReplaceToken(m_employerName, "<TOWNNAME>", GetGame()->GetTownName());
  m_workplace = csv.GetNextString();
  m_industryName = csv.GetNextString();
  m_adTemplate = csv.GetNextString();
  m_minSalary = csv.GetNextFloat();
  m_maxSalary = csv.GetNextFloat();

  const std::string tips = csv.GetNextString();
  if (tips != "N/A") {
    CSV pair;
    pair.Initialise(tips.c_str(), ',');
    m_tipLow = (float)pair.GetNextInt();
    m_tipHigh = (float)pair.GetNextInt();
  }
  m_requiresSuit = csv.GetNextInt() != 0;
  m_unlockable = csv.GetNextInt() != 0;
  m_availabilityChance = csv.GetNextFloat();
  m_colleagueFriendFrequency = csv.GetNextFloat();
  m_spareNumber = csv.GetNextFloat();
  csv.GetNextToken();  // a column no rule reads

  ReadInfluencesAndPrerequisites(csv, origin);
  if (csv.Problems() > 0) return false;  // CSV has named the row already

  // Better paid jobs lie farther from home.
  const float t = std::clamp(m_minSalary / 50000.0f, 0.0f, 1.0f);
  m_commuteDistance = GRandom::RandReal(0.5f + 12.5f * t, 10.5f + 20.0f * t);
  m_lastTip = -1.0f;
  m_employed = 1;
  m_availableToday = false;
  m_daysUntilReapply = 0;
  m_lastEarnings = 0.0f;
  if (m_unlockable) UnlockableJobs.push_back(this);
  return true;
}

void SIM_JobBase::ReadInfluencesAndPrerequisites(CSV& csv, const std::string& origin) {
  bool prerequisites = false;
  while (!csv.Finished()) {
    std::string field = csv.GetNextString();
    if (prerequisites) {
      if (field.empty()) continue;
      if (field.size() > kMaxPrerequisiteLength) field.resize(kMaxPrerequisiteLength);
      AddPreRequisite(field.c_str(), false, false);
      continue;
    }
    if (!field.empty() && field[0] == '#') {
      prerequisites = true;
      continue;
    }
    if (field.size() <= 2) continue;  // an empty column
    size_t comma = field.find(',');
    std::string attribute = Trimmed(field.substr(0, comma));
    if (comma == std::string::npos || attribute.empty()) {
      Warn(GFormat("%s: influence \"%s\" is not \"attribute,weight\"; ignored", origin.c_str(), field.c_str()));
      continue;
    }
    m_influences.emplace_back(attribute, CSV::ParseFloat(field.c_str() + comma + 1));
  }
}

void SIM_JobBase::LoadJobsFromCSV(const char* path) {
  CSpreadsheet table(path);
  for (size_t i = 0; i < table.size(); ++i) {
    // The table reader has cut and reported an over-long row: what is left of it is no job.
    if ((int)table[i].size() >= CSV::kMaxLine - 1) continue;
    CSV csv;
    csv.Initialise(table[i], ',', table.Origin(i));
    csv.GetNextToken();  // the row marker
    SIM_JobBase* job = new SIM_JobBase();
    if (!job->Load(csv, table.Origin(i))) delete job;
  }
}

void SIM_JobBase::LoadModdedJobs() {
  const std::string folder = GetGame()->GetModJobsDir();
  if (folder.empty()) return;  // no user folder yet: "/*.csv" would be the root's files
  GFileList files;
  files.AddFiles((folder + "/*.csv").c_str());
  for (const std::string& name : files.Names()) {
    LoadJobsFromCSV(GFormat("%s/%s", folder.c_str(), name.c_str()).c_str());
  }
}

void SIM_JobBase::Open() {
  SIM_StandInLog::Record("SIM_JobBase::Open");
  Close();
  LoadJobsFromCSV(kJobsFile);
  LoadModdedJobs();
  CSpreadsheet table(kIndustriesFile);
  for (size_t i = 0; i < table.size(); ++i) {
    CSV csv;
    csv.Initialise(table[i], ',', table.Origin(i));
    csv.GetNextToken();  // the row marker
    SIM_Industry* industry = new SIM_Industry();
    if (!industry->Load(csv, table.Origin(i))) delete industry;
  }
  // A job of an industry nobody knows still works; it is only missing from the job browser.
  for (SIM_JobBase* job : AllJobs) {
    if (!SIM_Industry::GetIndustry(job->m_industryName)) {
      Warn(GFormat("%s: job \"%s\" names the unknown industry \"%s\"", job->GetOrigin().c_str(),
                   job->GetName().c_str(), job->m_industryName.c_str()));
    }
  }
  DrawAvailability();
}

void SIM_JobBase::Close() {
  while (!AllJobs.empty()) delete AllJobs.back();
  ValidJobs.clear();
  UnlockableJobs.clear();
  SIM_Industry::CloseAll();
}

// ---------------------------------------------------------------------------------------------
// The lists

void SIM_JobBase::UpdateAvailability() {
  SIM_StandInLog::Record("SIM_JobBase::UpdateAvailability");
  DrawAvailability();
}

void SIM_JobBase::NextDayAll() {
  for (SIM_JobBase* job : AllJobs) {
    if (job->m_daysUntilReapply > 0) --job->m_daysUntilReapply;
  }
}

void SIM_JobBase::RebuildValidJobsList(const std::string& industry, bool requireValid) {
  ValidJobs.clear();
  SIM_JobBase* current = SIM_GetVede()->GetJob();
  for (SIM_JobBase* job : AllJobs) {
    if (job->m_industryName != industry || job == current || job->m_daysUntilReapply > 0) continue;
    // A locked job cannot be applied for: only a friend's word opens it.
    if (!job->SuitsMilosGender() || job->m_unlockable) continue;
    if (requireValid ? !job->ValidForVede() : !job->m_availableToday) continue;
    ValidJobs.push_back(job);
  }
}

SIM_JobBase* SIM_JobBase::GetJobByGUID(int guid, bool complain) {
  SIM_StandInLog::Record("SIM_JobBase::GetJobByGUID");
  for (SIM_JobBase* job : AllJobs) {
    if (job->m_guid == guid) return job;
  }
  if (guid == kOutOfWorkGUID) return OutOfWork();
  if (complain) GErrorOnce(GFormat("job %d", guid), "Could not find job", __FILE__, __LINE__);
  return nullptr;
}

SIM_JobBase* SIM_JobBase::ChooseRandom() {
  SIM_JobBase* job = GetJobByGUID(kStartJobGUID, true);
  return job ? job : OutOfWork();
}

SIM_JobBase* SIM_JobBase::OutOfWork() {
  static SIM_JobBase* job = [] {
    SIM_JobBase* j = new SIM_JobBase(Unlisted{});
    j->SetName("unemployed");
    j->SetSource("unemployed");
    j->m_employed = 0;
    j->m_guid = kOutOfWorkGUID;
    j->m_categories.push_back("default");
    return j;
  }();
  return job;
}

// ---------------------------------------------------------------------------------------------
// One job

bool SIM_JobBase::SuitsMilosGender() const {
  return SIM_GetVede()->GetGender() == SIM_MALE ? !m_maleTitle.empty() : !m_femaleTitle.empty();
}

std::string SIM_JobBase::GetDesc(int gender) const { return gender == 0 ? m_maleTitle : m_femaleTitle; }

bool SIM_JobBase::ValidForVede() {
  if (m_unlockable || !MeetsPrerequisites() || m_daysUntilReapply >= 1) return false;
  return m_availableToday;
}

void SIM_JobBase::Offer() {
  m_unlockable = false;
  Remove(UnlockableJobs, this);
}

std::string SIM_JobBase::GetRejectText() const {
  return m_rejectText.empty() ? std::string(GTranslation::GetString("JOBOFFER_REJECT_TEXT")) : m_rejectText;
}

bool SIM_JobBase::SuitableEvent(const SIM_JobEvent* event) const {
  for (const std::string& category : m_categories) {
    if (event->HasCategory(category)) return true;
  }
  return false;
}

void SIM_JobBase::CopyPreReqs() {
  for (SIM_JobBase* job : AllJobs) {
    if (job->GetName() != GetName()) continue;
    // Copied first: the list may be this job's own.
    std::vector<TypeModifier> copies;
    for (const TypeModifier* term : job->m_prerequisites) copies.push_back(*term);
    for (const TypeModifier& term : copies) m_prerequisites.push_back(new TypeModifier(term));
    return;
  }
  GWarning("Failed to find existing job for rpereqs copy", __FILE__, __LINE__);
}

// ---------------------------------------------------------------------------------------------
// The work day

float SIM_JobBase::GetTodaysPerformance() {
  SIM_Vede* vede = SIM_GetVede();
  float sum = 0.0f;
  for (const SIM_JobPerformanceInfluence& influence : m_influences) {
    sum += vede->GetValue(influence.GetAttribute()) * influence.GetWeight();
  }
  if (GUI_GetEventList()->HasEvent("MISSED_BUS")) sum *= 0.66f;
  return std::clamp(sum, 0.0f, 1.0f);
}

float SIM_JobBase::GetTodaysEarnings() {
  SIM_JobInstance* instance = SIM_GetVede()->GetJobInstance();
  const float salary = instance ? instance->GetCurrentSalary() : 0.0f;
  float earnings = salary * Tuning("GV_FIN_DISPOSABLEPERC") / kWorkingDaysPerYear;
  if (m_tipHigh > 0.0f) {
    const float performance = instance ? instance->GetPerformance() : 0.0f;
    const float factor = performance * GRandom::RandReal(0.9f, 1.1f);
    m_lastTip = m_tipLow + (m_tipHigh - m_tipLow) * factor;
    earnings += m_lastTip;
  }
  return earnings;
}

void SIM_JobBase::ProcessWork() {
  if (SIM_Date::PPresentDay && SIM_Date::PPresentDay->GetDayOfWeek() > 4) return;
  m_lastEarnings = GetTodaysEarnings();
  SIM_GetFinances()->AddCash(m_lastEarnings);
  ProcessNewFriends();
}

void SIM_JobBase::ProcessNewFriends() {
  SIM_Vede* vede = SIM_GetVede();
  SIM_JobInstance* instance = vede->GetJobInstance();
  GAssert(instance != nullptr, __FILE__, __LINE__);
  if (!instance) return;
  if (instance->GetDaysSinceLastFriend() <= 9 || instance->GetFriendsMade() >= 3 || instance->GetDaysInJob() < 5 ||
      vede->CountFriendships() >= 6) {
    return;
  }
  if (Tuning("MIN_EXTRAVERT_WORK_FRIEND") > vede->GetValue("extravert") ||
      Tuning("MIN_HAPPINESS_WORK_FRIEND") > vede->GetValue("happiness")) {
    return;
  }
  if (GRandom::IsChance(m_colleagueFriendFrequency * Tuning("GV_JOBFRIEND_FREQUENCY"))) CreateColleague();
}

void SIM_JobBase::CreateColleague() {
  SIM_NPC* npc = SIM_NPC::CreateNew(SIM_RANDOMGENDER);
  SIM_GetPortraits()->SetUsed(npc->GetPortraitTexture(), npc->GetGender());
  SIM_Relationship* link = SIM_Relationship::Create(SIM_GetVede(), npc);
  link->SetStrength(GRandom::RandReal(0.27f, 0.4f));
  link->SetPlayerCreated(true);
  npc->SetJob(this);
  npc->SetIntroduced(true);
  SIM_GetFriendGenerator()->GenerateSubFriends(npc);
  m_lastColleague = npc;
  npc->FinishCreating();
  if (SIM_JobInstance* instance = SIM_GetVede()->GetJobInstance()) instance->SetNewFriend(npc);
}

bool SIM_JobBase::CheckForFiring() {
  // Only actors lose their parts; every other trade keeps whoever turns up.
  if (m_industryName != "acting" || MeetsPrerequisites()) return false;
  SIM_JobInstance* instance = SIM_GetVede()->GetJobInstance();
  const float average = instance ? instance->GetAvePerformance() : 0.0f;
  if (average >= 0.7f) return false;
  return !GRandom::IsChance(average);
}
