#pragma once
// Post-it notes: reminders stuck on the in-game scene (a pet that needs food, an evening class
// tonight, a scheduled event today). A note shows a handwritten text on a yellow square; a click
// on it takes the player to what it is about. There are four fixed places; a fifth note is
// refused. The in-game mode opens the places at start-up and draws the notes above the other
// windows; the day turn removes every note at the end of the day.
//
//   if (GUI_Postit* note = GUI_Postit::Create(text, GUI_Postit::TYPE_EVENINGCLASS))
//     note->SetContextString("evening_class");   // the solo activity a click shows
#include <list>
#include <string>

#include "CTexturedSprite.h"
#include "GUI_WindowBase.h"

class GUI_Postit;

// One of the four places for a note.
class GUI_PostitSlot {
 public:
  void Initialise(float left, float top);  // stores the place and frees it

  float top = 0.0f;
  float left = 0.0f;
  GUI_Postit* note = nullptr;  // not owned; null when the place is free
};

class GUI_Postit : public GUI_WindowBase {
 public:
  enum TYPE { TYPE_PETFOOD = 0, TYPE_EVENINGCLASS = 1, TYPE_SCHEDULEDEVENT = 2 };
  static constexpr float POSTITSIZE = 155.0f;
  static constexpr int kSlots = 4;

  static void Open();  // the four places, all free; once, when the in-game mode opens
  // A note in the first free place, or null with "Not enough postit slots" when all four are taken.
  static GUI_Postit* Create(const std::string& text, int type);
  // Every note goes (the evening-class reminders are forgotten first); at the end of each day.
  static void Close();
  static void RemoveByText(const std::string& text);  // the first note with exactly that text
  static void DrawAll();                               // in creation order
  static void LaunchPetFood();                         // shopping, else online shopping

  GUI_Postit(const std::string& text, int type);
  ~GUI_Postit() override;

  void Draw() override {}  // notes are drawn by DrawAll, above the windows
  void DrawOnTop();
  bool CheckClick(float x, float y) override;

  void SetContextString(const std::string& context) { m_context = context; }
  const std::string& GetContextString() const { return m_context; }
  const std::string& GetText() const { return m_text; }
  int GetType() const { return m_type; }
  bool IsMirrored() const { return m_mirrored; }
  GUI_PostitSlot* GetSlot() const { return m_slot; }

  static GUI_PostitSlot Slots[kSlots];
  static std::list<GUI_Postit*> All;

 private:
  CTexturedSprite m_sprite;
  std::string m_text;
  bool m_mirrored = false;
  GUI_PostitSlot* m_slot = nullptr;
  int m_type = TYPE_PETFOOD;
  std::string m_context;
};
