#include "SIM_JobEvent.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "CSV.h"
#include "ExitCleanup.h"
#include "GDebug.h"
#include "GFileList.h"
#include "GRandom.h"
#include "IniLoader.h"
#include "MacFile.h"
#include "SIM_JobBase.h"
#include "SIM_Script.h"
#include "SIM_StandInLog.h"
#include "SIM_Vede.h"

std::vector<SIM_JobEvent*> SIM_JobEvent::All;

namespace {
const char* const kFolder = "data/simulation/jobevents/";

void ReleaseStoriesAtExit() { SIM_JobEvent::Close(); }

// The line of the story's "[data]" heading, where a missing key belongs; 1 when there is none.
int SectionLine(const char* path) {
  FILE* f = Mac_fopen(path, "rt");
  if (!f) return 1;
  char line[2048];
  int number = 0;
  int found = 1;
  while (std::fgets(line, sizeof line, f)) {
    ++number;
    if (std::strncmp(line, "[data]", 6) == 0) {
      found = number;
      break;
    }
  }
  std::fclose(f);
  return found;
}
}  // namespace

SIM_JobEvent::SIM_JobEvent() {
  RegisterExitCleanup(ReleaseStoriesAtExit);
  All.push_back(this);
}

SIM_JobEvent::~SIM_JobEvent() { All.erase(std::remove(All.begin(), All.end(), this), All.end()); }

void SIM_JobEvent::Open() {
  SIM_StandInLog::Record("SIM_JobEvent::Open");
  Close();
  GFileList folders;
  folders.AddDirectories((std::string(kFolder) + "*.*").c_str());
  for (const std::string& folder : folders.Names()) {
    const std::string dir = kFolder + folder + "/";
    GFileList files;
    files.AddFiles((dir + "*.txt").c_str());
    for (const std::string& file : files.Names()) {
      SIM_JobEvent* event = new SIM_JobEvent();
      event->Load((dir + file).c_str());
    }
  }
}

void SIM_JobEvent::Close() {
  while (!All.empty()) delete All.back();
}

void SIM_JobEvent::Load(const char* path) {
  IniLoader ini;
  ini.LoadSection("data", path);
  // Keys are matched exactly: a story that spells "type" is a story without a type.
  auto value = [&ini](const char* key) -> std::string {
    for (const IniLoader::Entry& entry : ini.Entries()) {
      if (entry.key == key) return entry.value;
    }
    return std::string();
  };
  m_type = value("Type");
  m_title = value("Title");
  m_description = value("Description");
  m_onTrigger = value("OnTrigger");
  m_locked = CSV::ParseInt(value("Locked").c_str()) != 0;
  m_frequency = CSV::ParseFloat(value("Frequency").c_str());
  m_special = CSV::ParseInt(value("Special").c_str()) != 0;
  const std::string categories = value("Categories");
  m_categories.clear();
  size_t start = 0;
  while (start <= categories.size() && !categories.empty()) {
    size_t comma = categories.find(',', start);
    m_categories.push_back(categories.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  if (m_type.empty()) {
    std::string text = GFormat("%s:%d: work story without \"Type\"; it is never drawn", path, SectionLine(path));
    GWarnOnce(text, text.c_str(), __FILE__, __LINE__);
  }
}

void SIM_JobEvent::Trigger() {
  if (!m_onTrigger.empty()) SIM_GetScript()->RunScript(m_onTrigger, 1.0f);
}

bool SIM_JobEvent::HasCategory(const std::string& name) const {
  return std::find(m_categories.begin(), m_categories.end(), name) != m_categories.end();
}

SIM_JobEvent* SIM_JobEvent::GetEventByType(const std::string& type) {
  SIM_JobBase* job = SIM_GetVede()->GetJob();
  std::vector<SIM_JobEvent*> candidates;
  float total = 0.0f;
  if (job) {
    for (const std::string& category : job->GetCategories()) {
      for (SIM_JobEvent* event : All) {
        if (event->m_type != type || !event->HasCategory(category)) continue;
        if (std::find(candidates.begin(), candidates.end(), event) != candidates.end()) continue;
        candidates.push_back(event);
        total += event->m_frequency;
      }
    }
  }
  if (candidates.empty()) {
    // The day goes on without a story: the work-day page shows the earnings alone.
    const std::string jobName = job ? job->GetName() : std::string("(none)");
    std::string text = GFormat("No work story of type \"%s\" for job \"%s\"", type.c_str(), jobName.c_str());
    GWarnOnce(text, text.c_str(), __FILE__, __LINE__);
    return nullptr;
  }
  const float r = GRandom::RandReal(0.0f, total);
  float sum = 0.0f;
  for (SIM_JobEvent* event : candidates) {
    sum += event->m_frequency;
    if (sum >= r) return event;
  }
  GError("failed to pick event", __FILE__, __LINE__);
  return nullptr;
}
