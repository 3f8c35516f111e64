#include "SIM_PortraitDatabase.h"

#include <algorithm>
#include <cstdlib>

#include "GDebug.h"
#include "GFileList.h"
#include "Game.h"

SIM_PortraitDatabase* SIM_GetPortraits() {
  static SIM_PortraitDatabase instance;
  return &instance;
}

void SIM_PortraitDatabase::Close() {
  m_allMale.clear();
  m_allFemale.clear();
  m_unusedMale.clear();
  m_unusedFemale.clear();
}

void SIM_PortraitDatabase::Open() {
  Close();
  FillList(m_allMale, m_unusedMale, "data/bitmaps/male_portraits/*.png");
  FillList(m_allFemale, m_unusedFemale, "data/bitmaps/female_portraits/*.png");
  // The player's own portraits come after the built-in ones.
  const std::string user = GetGame()->GetUserDir();
  FillList(m_allMale, m_unusedMale, (user + "/mods/portraits_m/*.png").c_str());
  FillList(m_allFemale, m_unusedFemale, (user + "/mods/portraits_f/*.png").c_str());
  if (m_allMale.empty()) {
    GWarnOnce("no male portraits", "No portraits in data/bitmaps/male_portraits/: men get no portrait", __FILE__,
              __LINE__);
  }
  if (m_allFemale.empty()) {
    GWarnOnce("no female portraits", "No portraits in data/bitmaps/female_portraits/: women get no portrait",
              __FILE__, __LINE__);
  }
}

void SIM_PortraitDatabase::FillList(std::vector<std::string>& all, std::vector<std::string>& unused,
                                    const char* pattern) {
  GFileList files;
  files.AddFiles(pattern);
  for (const std::string& name : files.Names()) {
    if (name.find("_grey") != std::string::npos) continue;
    all.push_back(name);
    unused.push_back(name);
  }
}

std::string SIM_PortraitDatabase::GetRandom(std::vector<std::string>& list, bool remove) {
  if (list.empty()) return "";
  std::string name = list[(size_t)std::rand() % list.size()];
  if (remove) list.erase(std::remove(list.begin(), list.end(), name), list.end());
  return name;
}

std::string SIM_PortraitDatabase::GetMalePortrait() {
  return GetRandom(m_unusedMale.empty() ? m_allMale : m_unusedMale, false);
}

std::string SIM_PortraitDatabase::GetFemalePortrait() {
  return GetRandom(m_unusedFemale.empty() ? m_allFemale : m_unusedFemale, false);
}

void SIM_PortraitDatabase::SetUsed(const std::string& name, SIM_GENDER gender) {
  std::vector<std::string>& pool = gender != SIM_MALE ? m_unusedFemale : m_unusedMale;
  pool.erase(std::remove(pool.begin(), pool.end(), name), pool.end());
}

void SIM_PortraitDatabase::ReusePortrait(const std::string& name, SIM_GENDER gender) {
  if (name.empty()) return;  // a person drawn when there were no portraits
  (gender != SIM_MALE ? m_unusedFemale : m_unusedMale).push_back(name);
}
