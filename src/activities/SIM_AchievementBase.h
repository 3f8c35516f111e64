#pragma once
// A long project the player works on over many evenings: progress grows evening by evening and
// every evening leaves one quality sample. At 1.0 the project is judged (the mean quality is the
// chance of success) and starts again with a new title. The static list holds the achievement
// keys earned in this game, each once; only the savegame reads it.
#include <string>
#include <vector>

class SIM_AchievementBase {
 public:
  SIM_AchievementBase() = default;
  SIM_AchievementBase(const SIM_AchievementBase&) = delete;
  SIM_AchievementBase& operator=(const SIM_AchievementBase&) = delete;

  virtual void Reset();     // no progress, no samples
  virtual void Complete();  // the judgement of a finished project

  // progress += amount x 0.9..1.1; true when that completed (and so restarted) the project.
  bool AddProgress(float amount);
  float GetQuality() const;  // the mean of the samples (0 without any)
  float GetProgress() const { return m_progress; }
  std::string GetGUIName() const { return m_guiname; }
  const std::vector<float>& GetChunks() const { return m_chunks; }
  float GetStoredQuality() const { return m_quality; }

  // The savegame's view.
  void Restore(float progress, float quality, const std::string& guiname, const std::vector<float>& chunks);

  static void Open();  // a new game or a load: nothing earned yet
  static void AddAchievement(const char* key);
  static std::vector<std::string> AchievementStrings;

 protected:
  virtual ~SIM_AchievementBase() = default;
  void AddChunk(float quality) { m_chunks.push_back(quality); }
  // The judged outcome's message, its title token replaced by the project's title.
  void ShowOutcome(const char* textKey, const char* titleKey, const char* token) const;

  float m_progress = 0.0f;
  float m_quality = 0.0f;
  std::vector<float> m_chunks;
  std::string m_guiname;
};
