#pragma once
// One piece of the player's figure: a textured quad read from a small layer file under
// "data/avatarlayers/<folder>/" (or the user's "mods/layers/"). A layer has a slot, a gender, a
// texture per mood, a tint and optionally a child layer that comes along when it is chosen.
//
// Every layer lives in All, in load order; that order decides which layer is a slot's "first" for a
// gender and the order in which the builder offers them. The list owns the layers.
#include <list>
#include <string>

#include "BaseSprite.h"
#include "LibColor.h"
#include "SIM_Person.h"
#include "SmartTexture.h"
#include "V2.h"

// The slots in draw order; their names are the keys of layer and preset files.
enum AVATARLAYER {
  AVATAR_HAIRBOTTOM = 0,
  AVATAR_COATBEHIND = 1,
  AVATAR_SKIN = 2,
  AVATAR_GLASSES = 3,
  AVATAR_HAIRTOP = 4,
  AVATAR_SHOES = 5,
  AVATAR_CLOTHESBOTTOM = 6,
  AVATAR_CLOTHESTOP = 7,
  AVATAR_TIE = 8,
  AVATAR_COAT = 9,
  AVATAR_LAYER_COUNT = 10,  // also "no slot": a layer before its file is read, or a bad "Type"
};

enum MOOD { MOOD_NEUTRAL = 0, MOOD_HAPPY = 1, MOOD_SAD = 2, MOOD_COUNT = 3 };

class GUI_AvatarLayer {
 public:
  GUI_AvatarLayer();           // joins the back of All
  virtual ~GUI_AvatarLayer();  // leaves All
  GUI_AvatarLayer(const GUI_AvatarLayer&) = delete;
  GUI_AvatarLayer& operator=(const GUI_AvatarLayer&) = delete;

  // Reads every layer file: each folder of "data/avatarlayers/", then the user's mods. Deletes the
  // layers there were first.
  static void Open();
  static void Close();
  // The first layer of that name; none: "failed to find <name>" and null.
  static GUI_AvatarLayer* GetByGUIName(const std::string& name);
  // The first layer in load order of that slot and gender; none: "failed to find <slot>" and null.
  static GUI_AvatarLayer* GetValidChild(AVATARLAYER type, SIM_GENDER gender);
  static void SetMoodAll(int mood);
  // The slot of that exact name, or AVATAR_LAYER_COUNT.
  static AVATARLAYER TypeFromName(const std::string& name);

  static std::list<GUI_AvatarLayer*> All;
  static std::string TypeNames[AVATAR_LAYER_COUNT];

  void Load(const std::string& path);
  // Drawn round the avatar's centre at its width factor; the textures are found at the first draw.
  void Draw();

  // The tint belongs to the layer: it goes with it from slot to slot.
  void SetColors(int r, int g, int b, int a);
  LibColor GetColorTint() const { return m_tint; }
  void SetVisible(bool visible) { m_visible = visible; }
  bool GetVisible() const { return m_visible; }
  void SetMood(int mood);

  const std::string& GetGUIName() const { return m_guiName; }
  const std::string& GetChildType() const { return m_childType; }
  const std::string& GetChildName() const { return m_childName; }
  AVATARLAYER GetType() const { return m_type; }
  SIM_GENDER GetGender() const { return m_gender; }
  // The texture file name of a mood; empty when the layer is not drawn in it.
  const std::string& GetTexture(MOOD mood) const { return m_textures[mood]; }
  const std::string& GetPath() const { return m_path; }
  float GetWidth() const { return m_width; }
  float GetHeight() const { return m_sprite.height; }
  V2 GetOffset() const { return m_offset; }
  bool TexturesLoaded() const { return m_texturesLoaded; }

 private:
  void LoadTextures();

  std::string m_textures[MOOD_COUNT];
  SmartTexture m_textureRefs[MOOD_COUNT];
  bool m_missing[MOOD_COUNT] = {};  // named but not found at the first draw: left out in that mood
  BaseSprite m_sprite;
  LibColor m_tint;
  bool m_visible = false;
  V2 m_offset;
  std::string m_guiName;
  AVATARLAYER m_type = AVATAR_LAYER_COUNT;
  std::string m_childType;
  std::string m_childName;
  SIM_GENDER m_gender = SIM_MALE;
  MOOD m_mood = MOOD_NEUTRAL;
  bool m_texturesLoaded = false;
  float m_width = 256.0f;
  std::string m_path;  // where it was read from, for the warnings of its first draw
};
