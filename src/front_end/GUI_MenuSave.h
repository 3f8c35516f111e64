#pragma once
// The save-game menu (game mode 5), opened from the main menu during a game: the player types a
// name (or clicks a save below to take its name) and presses Save; the game is written under that
// name and the main menu returns. A save of the same name is replaced without a question. A name
// with neither a letter nor a digit is refused, and a save that cannot be written keeps the menu
// open with a notice of what went wrong.
#include <string>
#include <vector>

#include "GTimer.h"
#include "GUI_SaveListMenu.h"

class GUI_ButtonText;
class GUI_SaveGameSlot;

class GUI_MenuSave : public GUI_SaveListMenu {
 public:
  static constexpr int kRows = 5;
  static constexpr size_t kMaxName = 2047;
  static constexpr float kMaxNameWidth = 401.0f;  // in "anime16.dds" at 16

  GUI_MenuSave();
  ~GUI_MenuSave() override;
  void Draw() override;
  void HandleKey(unsigned key) override;
  bool CheckClick() override;
  void Activate() override;

  void AssignSlots();
  void KillSlots();
  // The name entry, cut to the characters it holds.
  void SetFileName(const std::string& name);
  const std::string& GetFileName() const { return m_name; }
  // Appends a typed character while the name stays narrower than the box; 0 appends nothing.
  void AddCharacter(char c);
  // The caret after the centred name, flipping every 200 ms.
  void DrawCarat(float nameWidth);
  bool IsCaretShown() const { return m_caretShown; }

  static void Save(int);
  static void ScrollUp(int);
  static void ScrollDown(int);
  // Whether a name will do for a save: it needs a letter or a digit.
  static bool IsUsableName(const std::string& name);

  GUI_ButtonText* GetSaveButton() const { return m_save; }
  const std::vector<GUI_SaveGameSlot*>& GetSlots() const { return m_slots; }
  const RECT& GetNameBox() const { return m_nameBox; }

 private:
  void Scrolled() override { AssignSlots(); }

  std::string m_name;
  GUI_ButtonText* m_save = nullptr;          // in the button list
  std::vector<GUI_SaveGameSlot*> m_slots;    // the menu's own
  bool m_caretShown = true;
  GTimer m_caretTimer;
  RECT m_nameBox{};
};

// The one object, made on the first call and never freed.
GUI_MenuSave* GUI_GetMenuSave();
