#include "SIM_AchievementBase.h"

#include <algorithm>
#include <numeric>

#include "GRandom.h"
#include "GTranslation.h"
#include "GUI_Message.h"
#include "SIM_StandInLog.h"

std::vector<std::string> SIM_AchievementBase::AchievementStrings;

void SIM_AchievementBase::Reset() {
  m_progress = 0.0f;
  m_quality = 0.0f;
  m_chunks.clear();
}

void SIM_AchievementBase::Complete() {}

bool SIM_AchievementBase::AddProgress(float amount) {
  m_progress += amount * GRandom::RandReal(0.9f, 1.1f);
  if (m_progress < 1.0f) return false;
  Complete();
  return true;
}

float SIM_AchievementBase::GetQuality() const {
  if (m_chunks.empty()) return 0.0f;  // a project judged without an evening has nothing to its name
  return std::accumulate(m_chunks.begin(), m_chunks.end(), 0.0f) / (float)m_chunks.size();
}

void SIM_AchievementBase::Restore(float progress, float quality, const std::string& guiname,
                                  const std::vector<float>& chunks) {
  m_progress = progress;
  m_quality = quality;
  m_guiname = guiname;
  m_chunks = chunks;
}

void SIM_AchievementBase::ShowOutcome(const char* textKey, const char* titleKey, const char* token) const {
  std::string text = GTranslation::GetString(textKey);
  GTranslation::ReplaceToken(text, token, m_guiname);
  GUI_Message::Create(text, GTranslation::GetString(titleKey));
}

void SIM_AchievementBase::Open() {
  // The day turn's tests watch for this moment of a new game.
  SIM_StandInLog::Record("SIM_AchievementBase::Open");
  AchievementStrings.clear();
}

void SIM_AchievementBase::AddAchievement(const char* key) {
  if (!key) return;
  if (std::find(AchievementStrings.begin(), AchievementStrings.end(), key) != AchievementStrings.end()) return;
  AchievementStrings.emplace_back(key);
}
