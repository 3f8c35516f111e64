#pragma once
// The player's figure: ten slots, each holding one layer (GUI_AvatarLayer), drawn in slot order
// on the right of the in-game view, on the day pages, in the attribute graph and in the builder.
// A preset file names a layer and a tint per slot; every started or loaded game also keeps the
// figure as a user preset. On a working day whose job wants a suit, a man's own clothes give way to
// the work clothes (the override set).
//
// The avatar does not own its layers: they belong to GUI_AvatarLayer::All.
#include <string>

#include "GUI_AvatarLayer.h"
#include "V2.h"

class GUI_Avatar {
 public:
  GUI_Avatar();  // runs Init

  // Reloads the layers and dresses the figure from one preset picked at random among the shipped
  // and the user's presets; with none, each slot takes its first layer.
  void Init();

  GUI_AvatarLayer* GetLayer(AVATARLAYER slot) const;  // the player's own layer, not the override
  GUI_AvatarLayer* GetLayer(int slot) const { return GetLayer(AVATARLAYER(slot)); }
  // Brings the layer's child along; a skin of the other gender re-dresses every filled slot with
  // that gender's first layer and suggests a forename of it on the new-game screen. No layer: no
  // change.
  void SetLayer(AVATARLAYER slot, GUI_AvatarLayer* layer);

  // False when the file cannot be read. A slot whose layer is missing takes the first layer of the
  // skin's gender, with one warning naming the file and the slot.
  bool ApplyPreset(const char* path);
  bool SavePreset(const char* path) const;
  std::string PresetText() const;  // what SavePreset writes
  void SaveUserAvatar() const;  // "<user>/avatars/user_dddd.txt"

  void SetMood(MOOD mood);
  MOOD GetMood() const { return m_mood; }

  void Draw();
  void DrawAt(V2 centre);  // once at the point, its own place unchanged
  void DrawMood(MOOD mood);
  void DrawLayer(AVATARLAYER slot);

  // The work clothes: chosen once per started or loaded game (a man only), shown while overridden.
  void SetOverridenLayer(AVATARLAYER slot, const char* guiName);
  void RefreshOverridenLayers();
  void SetOverriden(bool on);
  bool IsOverriden() const { return m_overriden; }
  GUI_AvatarLayer* GetOverride(AVATARLAYER slot) const;

  void Reset();  // after a change of screen size
  // Where the figure stands: right of centre, halfway down the screen. The friend column and the
  // relationship lines are laid out round it.
  V2 GetCenter() const { return m_centre; }
  void ComputeAdjustedWidth();
  float GetAdjustedWidth() const { return m_adjustedWidth; }

 private:
  MOOD m_mood = MOOD_NEUTRAL;
  V2 m_centre;
  GUI_AvatarLayer* m_sunglasses = nullptr;
  GUI_AvatarLayer* m_layers[AVATAR_LAYER_COUNT] = {};
  GUI_AvatarLayer* m_overrides[AVATAR_LAYER_COUNT] = {};
  bool m_overriden = false;
  float m_adjustedWidth = 1.0f;
};

GUI_Avatar* GUI_GetAvatar();
