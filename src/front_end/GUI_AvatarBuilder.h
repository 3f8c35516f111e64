#pragma once
// The avatar builder of the new-game screen: the figure on the left; on the right a row per
// editable slot and the colour map. Clicking a row makes its slot current, the arrows step through
// the layers that fit it (and the skin's gender), the map tints the current slot's layer. It edits
// the avatar directly.
#include <list>

#include "GUI_Avatar.h"
#include "GUI_WindowBase.h"
#include "V2.h"

class GUI_ColorPicker;
class GUI_LayerPicker;

class GUI_AvatarBuilder : public GUI_WindowBase {
 public:
  GUI_AvatarBuilder();
  ~GUI_AvatarBuilder() override;
  // Rebuilds the rows and the colour map for the builder's rectangle; the skin becomes current.
  void Initialise();
  void Draw() override;

  // Makes the slot current and gathers its options.
  static void SetLayer(int slot);
  // Tints the current slot's layer (and the hair's lower half with its upper) with the map's
  // selected colour.
  static void Notify(int);

  AVATARLAYER GetCurrentLayer() const { return m_currentSlot; }
  // Steps through the options, wrapping at either end. A layer now worn that is not among the
  // options (another gender's, left by a preset) steps as if it stood before the first.
  void PrevOption();
  void NextOption();
  void BuildLayerOptions();
  const std::list<GUI_AvatarLayer*>& GetOptions() const { return m_options; }
  GUI_ColorPicker* GetColorPicker() const { return m_colorPicker; }
  const std::list<GUI_LayerPicker*>& GetRows() const { return m_rows; }
  V2 GetAvatarPosition() const { return m_avatarPosition; }

  static GUI_AvatarBuilder* PTheWindow;

 private:
  void Step(int direction);

  std::list<GUI_AvatarLayer*> m_options;
  std::list<GUI_AvatarLayer*>::iterator m_currentOption = m_options.end();
  V2 m_avatarPosition;
  GUI_ColorPicker* m_colorPicker = nullptr;  // a child window
  RECT m_panel{0, 0, 0, 0};
  GUI_AvatarLayer* m_currentLayer = nullptr;
  AVATARLAYER m_currentSlot = AVATAR_SKIN;
  std::list<GUI_LayerPicker*> m_rows;  // child windows, top to bottom
};
