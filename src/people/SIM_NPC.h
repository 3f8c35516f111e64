#pragma once
// One person of the town other than the player. Visible NPCs live in SIM_NPC::All; an NPC that
// leaves the player's world (a lost friend, or one no longer linked to the player) moves to
// SIM_NPC::Hidden, where the savegame and the romance can still find it, and is never processed
// or shown again.
#include <list>
#include <string>
#include <vector>

#include "SIM_NamedValue.h"
#include "SIM_Person.h"

class GUI_NPCIcon;
class SIM_CharacterType;
class SIM_Memory;
class SIM_SocialInvitation;

class SIM_NPC : public SIM_Person {
 public:
  SIM_NPC();
  ~SIM_NPC() override;

  // A new NPC of the gender (SIM_RANDOMGENDER draws one) with a name, portrait, icon, types and
  // traits; FinishCreating gives it money, interests and romantic compatibility.
  static SIM_NPC* CreateNew(SIM_GENDER gender);
  static SIM_NPC* Create();  // bare, for the savegame loader
  void FinishCreating();

  void SetGender(SIM_GENDER gender) override;
  bool IsIntroduced() override { return m_introduced; }
  float GetActivityAttractiveness(SIM_SocialiseType* type) override;

  void CreateIcon();
  void SetIntroduced(bool introduced);
  void ResetDaysSinceSeen() { m_daysSinceSeen = 0; }
  void SetDaysSinceSeen(int days) { m_daysSinceSeen = days; }
  void SetDaysSinceImportantInvite(int days) { m_daysSinceImportantInvite = days; }

  // Money.
  void CalculateWeeklyCash();
  void GetPaid() { m_cash = m_weeklyCash; }
  static void GetPaidAll();
  void SpendMoney(float amount);
  void AddCash(float amount) { m_cash += amount; }
  float GetCash() const { return m_cash; }
  float GetWeeklyCash() const { return m_weeklyCash; }

  // Personality.
  void ChooseCharacterTypes();
  void ChooseHiddenAttributes();
  bool HasCharacterType(const char* name) const;
  bool HasAttribute(const char* name) const;
  const std::vector<SIM_CharacterType*>& GetCharacterTypes() const { return m_characterTypes; }
  std::vector<SIM_CharacterType*>& GetCharacterTypes() { return m_characterTypes; }
  const std::vector<std::string>& GetHiddenAttributes() const { return m_hiddenAttributes; }
  std::vector<std::string>& GetHiddenAttributes() { return m_hiddenAttributes; }
  // The player feels the NPC's personality: each type's effect, scaled.
  void InfluenceVede(float scale);

  // The NPC's own values (skills at games and the like).
  float GetValue(const std::string& name);  // 0 when absent
  void ApplyEffect(const std::string& name, float amount, float degrade);
  SIM_NamedValueList& GetOwnValues() { return m_ownValues; }

  // "<NAME>" and the pronoun tokens of the NPC's gender put in.
  std::string PersonaliseText(const std::string& text) const;
  bool IsBirthdayToday() const;

  // Leaving the player's world: links deleted, moved to Hidden, portrait back in the pool, the
  // NPCs that were linked to the player only through this one follow, the icon goes. A second
  // call does nothing.
  void Hide();
  bool HasLinkToVede() const;
  static void PruneOrphans();
  static bool PruneAnOrphan();  // false when every visible NPC has a link to the player

  // The day.
  static void ProcessAllNPCS();
  void ProcessNPC();
  void ConsiderInvitingVede();
  // The day's chance that the NPC invites the player: days unseen, the link (at least 0.25) and
  // how many other friends compete for the player.
  float GetInviteChance();
  // The NPC's evening with its own friends, to which it invites the player: the type it would
  // host tonight, then HostEvent.
  void OrganiseEvent();
  // The evening of that type: its importance, the friends who come, who pays, the phone message.
  void HostEvent(SIM_SocialiseType* type);
  // What hosting the player costs an NPC that offers to pay: the host cost and one share, or two
  // shares where there is no host cost.
  static int GetInviterPaysCost(SIM_SocialiseType* type);
  // The player ignored or refused the NPC's invitation: the NPC sulks for some days, the link
  // suffers, and four snubs end the friendship (a partner dumps the player instead).
  void Snub(SIM_SocialInvitation* invitation);
  // A refusal for want of money counts one snub; past two it becomes a full snub.
  void MitigatedSnub(SIM_SocialInvitation* invitation);
  void PromoteToFriend();
  void DemoteFromFriend();

  // Answers an invitation: the player's (with the refusal shown to the player) or another NPC's.
  bool AcceptInvite(SIM_SocialiseType* type, SIM_Person* inviter);
  bool CantAffordIt(SIM_SocialiseType* type) const;
  bool BadMemories(SIM_SocialiseType* type) const;
  // A home-based evening at the player's: a pet the NPC is allergic to, or a dirty home.
  bool Allergic();
  bool TooGrubby();
  // A refused invitation still pleases the NPC a little, once a day.
  void AppreciateRejectedInvite();
  static void ResetFlatteredByInviteAll();
  static void SetNobodyBusy();

  static int CountRecentContacts();
  static SIM_NPC* GetBestFriend();

  // A new game's town: Close, then the player's initial friends and their circles.
  static void Open();
  // Frees every NPC, visible and hidden, and the links they leave behind.
  static void Close();
  void dbg_ValidateRelationships() const;

  bool IsHidden() const { return m_hidden; }
  bool IsBusy() const { return m_busy; }
  void SetBusy(bool busy) { m_busy = busy; }
  GUI_NPCIcon* GetIcon() const { return m_icon; }
  SIM_Memory* GetMemory() const { return m_memory; }
  float GetRomanticCompatibility() const { return m_romanticCompatibility; }
  void SetRomanticCompatibility(float c) { m_romanticCompatibility = c; }
  bool IsSnubbed() const { return m_snubDelay > 0; }
  int GetSnubDelay() const { return m_snubDelay; }
  void SetSnubDelay(int days) { m_snubDelay = days; }
  int GetSnubCount() const { return m_snubCount; }
  const std::string& GetSnubCause() const { return m_snubCause; }
  void UnSnub() { m_snubDelay = m_snubCount = 0; }
  int GetDaysSinceSeen() const { return m_daysSinceSeen; }
  int GetDaysSinceImportantInvite() const { return m_daysSinceImportantInvite; }
  bool IsFlatteredByInvite() const { return m_flatteredByInvite; }

  static std::list<SIM_NPC*> All;
  static std::list<SIM_NPC*> Hidden;

 private:
  // Ends every link this person holds, taking it from the other person first.
  void DropRelationships();
  friend class SIM_LoadGame;  // a loaded NPC is given its saved fields as they were

  std::vector<SIM_CharacterType*> m_characterTypes;  // not owned
  bool m_hidden = false;
  bool m_busy = false;
  GUI_NPCIcon* m_icon = nullptr;  // owned
  float m_weeklyCash = 0.0f;
  float m_cash = 0.0f;
  float m_romanticCompatibility = 0.0f;
  int m_daysSinceSeen = 0;
  int m_daysSinceImportantInvite = 0;
  int m_snubDelay = 0;
  int m_snubCount = 0;
  std::string m_snubCause;
  bool m_introduced = false;
  bool m_flatteredByInvite = false;
  SIM_Memory* m_memory = nullptr;  // owned
  SIM_NamedValueList m_ownValues;  // owns its values
  std::vector<std::string> m_hiddenAttributes;
};
