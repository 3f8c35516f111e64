#pragma once
// The dialog in which the player spends an evening on a social event: it pages through the kinds
// of evening on offer today, shows the chosen one's name, description, costs and the interests it
// appeals to, holds a row of places into which the player drags friends from the contact icons,
// and starts the evening with its Socialise button. One of the left-hand windows; the control
// panel's social button and the script command "SelectSocial" open it.
#include <list>
#include <string>
#include <vector>

#include "CTexturedSprite.h"
#include "GUI_ButtonBase.h"
#include "GUI_Dialog.h"

class GUI_ButtonText;
class GUI_DataButton;
class GUI_DragIcon;
class SIM_NPC;
class SIM_Person;
class SIM_SocialiseType;

// One place on the guest row: a friend's face, or an empty place (solid when it must be filled).
class GUI_EventIcon : public GUI_ButtonBase {
 public:
  static constexpr float ED_ICONSIZE = 52.0f;

  explicit GUI_EventIcon(SIM_NPC* npc);  // null for an empty place

  SIM_NPC* GetNPC() const { return m_npc; }
  void SetRequired() { m_required = true; }
  bool IsRequired() const { return m_required; }
  void Draw() override;
  void Click() override;  // a friend's place opens the friend's window

 private:
  CTexturedSprite m_background;
  CTexturedSprite m_portrait;
  bool m_required = false;
  SIM_NPC* m_npc;
};

class GUI_SocialActivityChooser : public GUI_Dialog {
 public:
  static constexpr unsigned KEY_ESCAPE = 53;
  static constexpr unsigned KEY_LEFT = 123;
  static constexpr unsigned KEY_RIGHT = 124;
  static constexpr int MAX_INVITEES = 8;

  // Opens the chooser after closing the other left-hand windows, or closes it when it is open.
  static void Create();
  static void Close();
  static bool IsOpen() { return PTheWindow != nullptr; }
  // Opens the chooser when it is closed and turns to the first type of that name, if offered.
  static void ScrollToActivity(const char* name);
  static SIM_SocialiseType* GetSelectedType();  // null while closed
  // A dragged friend released over the chooser joins the guests when CanInvite allows.
  static void CheckDropIcon(GUI_DragIcon* icon);
  // The no-money dialog's subsidise button: the friend joins without any test.
  static void ForceDropIcon(SIM_NPC* npc);
  static bool NPCAlreadyInvited(const SIM_NPC* npc);
  static void Socialise(int);
  static void NextPlace(void* chooser);
  static void PrevPlace(void* chooser);
  static void MouseWheelDown();
  static void MouseWheelUp();

  GUI_SocialActivityChooser();
  ~GUI_SocialActivityChooser() override;

  bool CanInvite(SIM_NPC* npc);
  bool IsInvited(const SIM_NPC* npc) const;
  void AddIcon(GUI_EventIcon* icon);
  void RemoveBlankIcon();
  void FillSlots();
  void OnNewPlace();
  void UpdateScrollButtonStatus();
  void UpdateSocialiseButton();
  void DrawEventDetails();
  void Draw() override;
  void HandleKey(unsigned key) override;

  const std::vector<SIM_SocialiseType*>& GetOffered() const { return m_types; }
  SIM_SocialiseType* GetType() const { return m_selected; }
  const std::list<SIM_Person*>& GetInvitees() const { return m_invitees; }
  const std::list<GUI_EventIcon*>& GetIcons() const { return m_icons; }
  const std::string& GetDescriptionText() const { return m_description; }
  GUI_ButtonText* GetSocialiseButton() const { return m_socialiseButton; }
  GUI_DataButton* GetNextButton() const { return m_nextButton; }
  GUI_DataButton* GetPrevButton() const { return m_prevButton; }
  // The price the Socialise button weighs against the cash: the host cost, else the cost per head.
  static int Price(SIM_SocialiseType* type);
  // "1,234,567".
  static std::string Delimited(int amount);

  static GUI_SocialActivityChooser* PTheWindow;

 private:
  void TakeIcon(GUI_EventIcon* icon);  // out of both lists, deleted
  void Invite(SIM_NPC* npc);

  std::vector<SIM_SocialiseType*> m_types;  // offered today, in table order
  size_t m_place = 0;
  SIM_SocialiseType* m_selected = nullptr;
  std::string m_description;
  GUI_DataButton* m_nextButton = nullptr;  // in the button list
  GUI_DataButton* m_prevButton = nullptr;  // in the button list
  std::list<SIM_Person*> m_invitees;       // not owned, in the order invited
  std::list<GUI_EventIcon*> m_icons;       // in the button list
  GUI_ButtonText* m_socialiseButton = nullptr;
  std::string m_socialiseText;
  std::string m_noMoneyText;
  std::string m_costCaption;
  std::string m_hostCostCaption;
  std::string m_variableText;
  std::string m_interestsCaption;
};
