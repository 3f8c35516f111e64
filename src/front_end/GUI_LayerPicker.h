#pragma once
// One row of the avatar builder: the layer worn in one slot, with arrows that step through the
// layers that fit the slot. Only the builder's current row has live arrows; a click anywhere on a
// row makes it current.
#include "GUI_Avatar.h"
#include "GUI_WindowBase.h"

class GUI_IconButton;

class GUI_LayerPicker : public GUI_WindowBase {
 public:
  explicit GUI_LayerPicker(AVATARLAYER slot);
  void Draw() override;
  bool CheckClick(float x, float y) override;

  static void Prev(int slot);
  static void Next(int slot);

  AVATARLAYER GetSlot() const { return m_slot; }
  GUI_IconButton* GetPrevButton() const { return m_prev; }
  GUI_IconButton* GetNextButton() const { return m_next; }

 private:
  // The arrows and the row's shade follow the builder's current slot and its options.
  void UpdateArrows();

  GUI_IconButton* m_prev = nullptr;  // both owned by the button list
  GUI_IconButton* m_next = nullptr;
  AVATARLAYER m_slot;
  GUI_AvatarLayer* m_layer = nullptr;  // the avatar's layer in the slot, refreshed at every draw
};
