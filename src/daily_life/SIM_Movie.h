#pragma once
// The town's cinema: three films showing at a time out of a shuffled running order of the films in
// "data/simulation/movies.csv", moving on by one film on the first day after the working week.
// Each film draws a hidden quality when it is made, has a review banded by it (readable only with
// enough film knowledge) and starts a rumour when it is plainly good or bad. Watching a film marks
// it seen and applies its effects on the viewer.
#include <array>
#include <list>
#include <string>
#include <vector>

#include "SIM_Modifier.h"

class SIM_Movie : public SIM_ModifierContainer {
 public:
  static constexpr int kShowing = 3;
  static constexpr const char* kTable = "data/simulation/movies.csv";

  SIM_Movie();
  ~SIM_Movie() override;  // leaves the running order and the programme

  // A new game or a load: the films of the table in a fresh running order; without a table or a
  // film one warning and an empty programme.
  static void Open();
  static void Open(const char* file);
  static void Close();
  // The date step: on day of the week 5 the programme moves on by one film.
  static void NextDay();
  static SIM_Movie* GetByGUID(int guid);
  // The saved game's lists: every film of the running order, or only the seen ones, in running
  // order, each "<guid>,".
  static std::string GUIDList(bool seenOnly);
  // A loaded game's programme: the running order as saved (films the save does not name follow
  // in their present order), showing from the film `first`, and the seen films marked. GUIDs
  // that name no film are reported once each and skipped.
  static void Restore(const std::vector<int>& order, int first, const std::vector<int>& seen, const std::string& origin);
  static void ScrambleRunningOrder();
  static void UpdateCurrentlyShowing();

  // Reads one table row; false when the row holds no film (no title).
  bool Load(const std::string& row, const std::string& origin);
  bool ReadReview();
  void GenerateReview();
  void CreateRumours();
  void Watch();

  std::string GetGUIName() const { return m_guiName; }
  std::string GetDescription() const { return m_description; }
  const std::string& GetReview() const { return m_review; }
  float GetQuality() const { return m_quality; }
  float GetReviewThreshold() const { return m_reviewThreshold; }
  bool Seen() const { return m_seen; }
  int GetGUID() const { return m_guid; }
  // For the savegame and for tests that need a known film.
  void SetSeen(bool seen) { m_seen = seen; }
  void SetQuality(float quality) { m_quality = quality; }
  void SetReviewThreshold(float threshold) { m_reviewThreshold = threshold; }
  void SetGUID(int guid) { m_guid = guid; }
  void SetGUIName(const std::string& name) { m_guiName = name; }

  static std::list<SIM_Movie*> LoadList;  // owned until the running order is made
  static std::list<SIM_Movie*> Movies;    // the running order; owned
  static std::list<SIM_Movie*>::iterator CurrentMovieIt;
  static std::array<SIM_Movie*, kShowing> CurrentlyShowing;  // null without films

 private:
  std::string m_guiName;
  std::string m_description;
  std::string m_review;
  float m_quality = 0.0f;
  float m_reviewThreshold = 0.0f;
  bool m_seen = false;
  int m_guid = 0;
};
