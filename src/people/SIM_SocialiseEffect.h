#pragma once
// One guest's outcome of a social evening: the four things that made up the guest's enjoyment,
// the enjoyment, the change of the guest's friendship with the player, and what the guest says
// about it on the report (a comment put together from the strings file, and maybe some gossip).
#include <string>
#include <vector>

class SIM_Person;
class SIM_Rumour;
class SIM_SocialiseInstance;
class SIM_SocialiseType;

enum SOCIAL_EFFECT_CAUSE {
  SOCIAL_EFFECT_MOOD = 0,
  SOCIAL_EFFECT_EVENTQUALITY = 1,
  SOCIAL_EFFECT_ACTIVITYATTRACTIVENESS = 2,
  SOCIAL_EFFECT_BESTCHEMISTRY = 3,
  SOCIAL_EFFECT_COUNT = 4
};

enum OPINION_COMMENT_TYPES {
  OPINION_INVITATION = 0,
  OPINION_INTROVERT = 1,
  OPINION_CONVERSATION = 2,
  OPINION_PERSONALITY = 3,
  OPINION_MOOD = 4,
  OPINION_RUMOUR = 5
};

class SIM_SocialiseEffect {
 public:
  SIM_SocialiseEffect(SIM_Person* person, SIM_SocialiseInstance* instance, float scalar);
  virtual ~SIM_SocialiseEffect() = default;

  void SetFactor(SOCIAL_EFFECT_CAUSE cause, float value);
  void SetEnjoyment(float value);  // clamped to 0..1
  void SetHost(SIM_Person* host) { m_host = host; }
  void SetAttendence(int attendance) { m_attendance = attendance; }
  void SetBestChemistry(SIM_Person* person) { m_bestChemistry = person; }
  void SetRelationChangeWithVede(float change) { m_relationChange = change; }

  float GetFactor(SOCIAL_EFFECT_CAUSE cause) const;
  float GetEnjoyment() const { return m_enjoyment; }
  SIM_Person* GetBestChemistry() const { return m_bestChemistry; }
  SIM_Person* GetPerson() const { return m_person; }
  float GetScalar() const { return m_scalar; }
  float GetRelationChangeWithVede() const { return m_relationChange; }
  const std::string& GetPostMortemComment() const { return m_comment; }
  const std::string& GetPostMortemGossip() const { return m_gossip; }
  // The comment kinds that made it into the comment, in order (after Calculate).
  const std::vector<OPINION_COMMENT_TYPES>& GetChosenComments() const { return m_chosen; }

  void AffectVede();
  void Calculate();  // composes the comment (and takes the gossip)
  // The guest's one-line verdict ("SOCIALISE_EVENTQUALITY") with the guest's full name.
  std::string GetEventHappinessString() const;
  bool ChooseRumour();

 private:
  void ComposePostMortemComment();
  void BuildViableCommentList();
  void SelectComments();
  void TranslateComments();
  std::string ConversationComment() const;
  std::string PersonalityComment() const;

  SIM_Person* m_person = nullptr;
  float m_factors[SOCIAL_EFFECT_COUNT] = {};
  float m_enjoyment = 0.0f;
  SIM_SocialiseType* m_type = nullptr;
  SIM_SocialiseInstance* m_instance = nullptr;
  SIM_Person* m_bestChemistry = nullptr;
  SIM_Person* m_host = nullptr;
  SIM_Rumour* m_rumour = nullptr;
  float m_scalar = 0.0f;
  float m_relationChange = 0.0f;
  std::string m_comment;
  std::string m_gossip;
  int m_attendance = 0;
  std::vector<OPINION_COMMENT_TYPES> m_positive;
  std::vector<OPINION_COMMENT_TYPES> m_negative;
  std::vector<OPINION_COMMENT_TYPES> m_rumours;
  std::vector<OPINION_COMMENT_TYPES> m_chosen;
  std::string m_buffer;
};
