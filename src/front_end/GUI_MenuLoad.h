#pragma once
// The load-game menu (game mode 6): the saves of the save-games folder six at a time, sorted by
// name, scrolled by two buttons or the wheel. A click on a save loads it; the bin beside it deletes
// it at once. A save the loader refuses leaves the game as it was and says why in the panel.
#include <string>
#include <vector>

#include "GUI_SaveListMenu.h"

class GUI_DeleteGameButton;
class GUI_LoadGameSlot;

class GUI_MenuLoad : public GUI_SaveListMenu {
 public:
  static constexpr int kRows = 6;

  GUI_MenuLoad();
  ~GUI_MenuLoad() override;
  void Draw() override;
  // The screen is left through its buttons or by loading.
  void HandleKey(unsigned) override {}
  bool CheckClick() override;
  void Activate() override;

  // The folder read again, then the rows.
  void BuildFilenameList();
  void AssignSlots();
  void KillSlots();
  void KillDeleteButtons();
  // The rows are rebuilt at the end of the next Draw, never inside the click that asked for it.
  void Refresh() { m_rebuild = true; }

  // A row's click: the save loaded, or the notice of why it was refused.
  void Load(const std::string& name);
  // A bin's click: the file removed with the bin's sound, or a warning and the notice.
  void Delete(const std::string& name);

  static void ScrollUp(int);
  static void ScrollDown(int);

  const std::vector<GUI_LoadGameSlot*>& GetSlots() const { return m_slots; }
  const std::vector<GUI_DeleteGameButton*>& GetDeleteButtons() const { return m_deleteButtons; }

 private:
  void Scrolled() override { BuildFilenameList(); }

  std::vector<GUI_DeleteGameButton*> m_deleteButtons;  // also in the button list
  std::vector<GUI_LoadGameSlot*> m_slots;              // the menu's own
  bool m_rebuild = false;
};

// The one object, made on the first call and never freed.
GUI_MenuLoad* GUI_GetMenuLoad();
