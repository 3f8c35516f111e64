#pragma once
// The player's one-line description: two adjectives and a noun put into a translated template
// ("<NAME> is a <ADJECTIVE1>, <ADJECTIVE2> <NOUN>"). Adjectives come from the player's state that
// evening; nouns build up from what the player keeps doing, beside the job's. A word just used is
// held back (an adjuster of -0.2 that fades by 0.6 each composition), so the line varies.
#include <list>
#include <string>
#include <vector>

class SIM_Description {
 public:
  struct Candidate {
    std::string word;  // already translated
    float score = 0.0f;
  };
  struct Adjuster {
    std::string word;
    float value = 0.0f;  // negative for a word used lately
  };

  ~SIM_Description();

  // The evening's line (and at a new game, a load, a change of job).
  void Compose();
  std::string GetDescription() const { return m_description; }
  void AddNounCandidate(const std::string& word, float weight);
  void AddAdjectiveCandidate(const std::string& word, float weight);

  // How the player feels today, for the trip to work: feelings and dirt only.
  void PopulateCandidates();
  void PopulateFeelingCandidates();
  void SelectAdjectives();
  void SelectNoun();
  std::string GetFirstAdjective() const { return m_adjective1; }
  std::string GetSecondAdjective() const { return m_adjective2; }
  std::string GetNoun() const { return m_noun; }

  // A new game or a load: no candidates, no adjusters, no words.
  void Initialise();
  void Reset();  // the words go; the candidates stay

  float GetAdjuster(const std::string& word) const;  // 0 for a word without one
  void SetAdjuster(const std::string& word, float value);
  void DegradeAdjusters();
  static bool NeedsAN(const std::string& word);

  // Read by the diagnostic dialog.
  const std::list<Candidate*>& GetAdjectiveCandidates() const { return m_adjectiveCandidates; }
  const std::list<Candidate*>& GetNounCandidates() const { return m_nounCandidates; }
  const std::vector<Adjuster>& GetAdjusters() const { return m_adjusters; }

 private:
  void ClearAdjectives();

  std::string m_adjective1;
  std::string m_adjective2;
  std::string m_noun;
  std::list<Candidate*> m_adjectiveCandidates;  // owned
  std::list<Candidate*> m_nounCandidates;       // owned
  std::string m_description;
  std::vector<Adjuster> m_adjusters;
};

SIM_Description* SIM_GetDescription();
