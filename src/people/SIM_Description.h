#pragma once
// The sentence that describes the player character. Stand-in until the people subsystem arrives:
// composing is logged once and the sentence stays empty.
#include <list>
#include <string>

class SIM_Description {
 public:
  struct Candidate {
    std::string word;  // already translated
    float score = 0.0f;
  };

  void Initialise() {}
  void Compose();
  // An activity offers a word for what the player is (an organiser of parties...). Stand-in,
  // logged once: the word is not kept.
  void AddNounCandidate(const std::string& word, float weight);
  std::string GetDescription() const { return m_sentence; }

  // The candidate words (read by the diagnostic dialog); empty until the real description comes.
  const std::list<Candidate*>& GetAdjectiveCandidates() const { return m_adjectives; }
  const std::list<Candidate*>& GetNounCandidates() const { return m_nouns; }
  float GetAdjuster(const std::string&) const { return 0.0f; }  // no word has an adjuster yet
  // How the player feels today, for the trip to work. Stand-ins, logged once: two plain words.
  void PopulateFeelingCandidates();
  void SelectAdjectives();
  std::string GetFirstAdjective() const { return m_adjective1; }
  std::string GetSecondAdjective() const { return m_adjective2; }

 private:
  std::string m_sentence;
  std::string m_adjective1;
  std::string m_adjective2;
  std::list<Candidate*> m_adjectives;
  std::list<Candidate*> m_nouns;
};

SIM_Description* SIM_GetDescription();
