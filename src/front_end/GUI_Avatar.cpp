#include "GUI_Avatar.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "D3DEngine.h"
#include "GDebug.h"
#include "GFileList.h"
#include "GUI_MenuNew.h"
#include "GUI_Smell.h"
#include "Game.h"
#include "IniLoader.h"
#include "MacFile.h"
#include "Paths.h"
#include "SIM_NamedValue.h"
#include "SIM_StandInLog.h"
#include "SIM_Vede.h"

namespace {

// Preset lines are written at most this long, and names read at most this long.
const size_t kMaxPresetLine = 255;
const size_t kMaxPresetName = 127;

const char* const kSuitTrousers = "Mans Suit Trousers";

std::string UserAvatarsFolder() {
  std::string user = GetGame()->GetUserDir();
  return (user.empty() ? GetUserFolder() : user) + "/avatars";
}

// A layer by name without a report of its own: the callers say what they do instead.
GUI_AvatarLayer* FindLayerQuietly(const std::string& name) {
  for (GUI_AvatarLayer* layer : GUI_AvatarLayer::All)
    if (layer->GetGUIName() == name) return layer;
  return nullptr;
}

const char* AvatarGenderWord(SIM_GENDER gender) { return gender == SIM_FEMALE ? "woman's" : "man's"; }

}  // namespace

GUI_Avatar* GUI_GetAvatar() {
  static GUI_Avatar* avatar = new GUI_Avatar();
  return avatar;
}

GUI_Avatar::GUI_Avatar() { Init(); }

void GUI_Avatar::Init() {
  m_adjustedWidth = 1.0f;
  m_sunglasses = nullptr;
  for (GUI_AvatarLayer*& layer : m_layers) layer = nullptr;
  GUI_AvatarLayer::Open();

  m_overriden = false;
  for (GUI_AvatarLayer*& layer : m_overrides) layer = nullptr;
  // The mood set as SetMood would, but unmarked: the day turn's watched moments are the player's.
  m_mood = MOOD_NEUTRAL;
  GUI_AvatarLayer::SetMoodAll(MOOD_NEUTRAL);
  m_centre = V2(float(D3DEngine::W) - 256.0f, float(D3DEngine::H / 2));

  GFileList presets;
  presets.StoreFullPaths();
  presets.AddFiles("data/avatarpresets/*.txt");
  presets.AddFiles((UserAvatarsFolder() + "/*.txt").c_str());
  const std::string pick = presets.GetRandom();
  if (pick.empty() || !ApplyPreset(pick.c_str())) {
    // No figure to start from: the first skin in load order and each slot's first layer for it.
    for (GUI_AvatarLayer* layer : GUI_AvatarLayer::All) {
      if (layer->GetType() != AVATAR_SKIN) continue;
      m_layers[AVATAR_SKIN] = layer;
      layer->SetVisible(true);
      break;
    }
    const SIM_GENDER gender = m_layers[AVATAR_SKIN] ? m_layers[AVATAR_SKIN]->GetGender() : SIM_MALE;
    for (int slot = 0; slot < AVATAR_LAYER_COUNT; ++slot) {
      if (m_layers[slot]) continue;
      m_layers[slot] = GUI_AvatarLayer::GetValidChild(AVATARLAYER(slot), gender);
      if (m_layers[slot]) m_layers[slot]->SetVisible(true);
    }
  }
}

GUI_AvatarLayer* GUI_Avatar::GetLayer(AVATARLAYER slot) const {
  return (slot >= 0 && slot < AVATAR_LAYER_COUNT) ? m_layers[slot] : nullptr;
}

GUI_AvatarLayer* GUI_Avatar::GetOverride(AVATARLAYER slot) const {
  return (slot >= 0 && slot < AVATAR_LAYER_COUNT) ? m_overrides[slot] : nullptr;
}

void GUI_Avatar::SetLayer(AVATARLAYER slot, GUI_AvatarLayer* layer) {
  if (!layer || slot < 0 || slot >= AVATAR_LAYER_COUNT) return;

  bool genderChanged = false;
  if (slot == AVATAR_SKIN && m_layers[AVATAR_SKIN]) genderChanged = m_layers[AVATAR_SKIN]->GetGender() != layer->GetGender();

  m_layers[slot] = layer;
  layer->SetVisible(true);

  if (!layer->GetChildName().empty()) {
    const AVATARLAYER childSlot = GUI_AvatarLayer::TypeFromName(layer->GetChildType());
    if (childSlot == AVATAR_LAYER_COUNT) {
      GWarnOnce("avatar child type:" + layer->GetPath(),
                GFormat("%s: ChildType \"%s\" names no avatar slot; the child is left out", layer->GetPath().c_str(),
                        layer->GetChildType().c_str())
                    .c_str(),
                __FILE__, __LINE__);
    } else {
      GUI_AvatarLayer* child = FindLayerQuietly(layer->GetChildName());
      if (!child) {
        const SIM_GENDER gender = m_layers[AVATAR_SKIN] ? m_layers[AVATAR_SKIN]->GetGender() : layer->GetGender();
        GWarnOnce("avatar child:" + layer->GetPath(),
                  GFormat("%s: ChildName \"%s\" names no layer; %s takes the first %s layer", layer->GetPath().c_str(),
                          layer->GetChildName().c_str(), layer->GetChildType().c_str(), AvatarGenderWord(gender))
                      .c_str(),
                  __FILE__, __LINE__);
        child = GUI_AvatarLayer::GetValidChild(childSlot, gender);
      }
      // Children of children follow; a ring of layers naming each other stops after a round.
      static int depth = 0;
      if (child && depth < AVATAR_LAYER_COUNT) {
        ++depth;
        SetLayer(childSlot, child);
        --depth;
      }
    }
  }

  if (genderChanged) {
    const SIM_GENDER gender = layer->GetGender();
    for (int other = 0; other < AVATAR_LAYER_COUNT; ++other) {
      if (other == AVATAR_SKIN || !m_layers[other]) continue;
      SetLayer(AVATARLAYER(other), GUI_AvatarLayer::GetValidChild(AVATARLAYER(other), gender));
    }
    GUI_MenuNew::Get()->RefreshNameFromGender(gender);
  }
}

bool GUI_Avatar::ApplyPreset(const char* path) {
  if (!path || !GFile::FileExists(path)) {
    GWarning(GFormat("Avatar preset %s cannot be read; the figure is left as it was", path ? path : "(none)").c_str(),
             __FILE__, __LINE__);
    return false;
  }
  IniLoader textures;
  textures.LoadSection("textures", path);
  IniLoader colours;
  colours.LoadSection("colors", path);

  std::string names[AVATAR_LAYER_COUNT];
  GUI_AvatarLayer* found[AVATAR_LAYER_COUNT] = {};
  for (int slot = 0; slot < AVATAR_LAYER_COUNT; ++slot) {
    const char* key = GUI_AvatarLayer::TypeNames[slot].c_str();
    names[slot] = std::string(textures.GetValue(key)).substr(0, kMaxPresetName);
    found[slot] = FindLayerQuietly(names[slot]);
    if (found[slot] && colours.HasValue(key)) {
      const LibColor c(colours.GetValue(key));
      found[slot]->SetColors(c.r, c.g, c.b, 255);
    }
  }

  // A slot whose layer is gone takes the first layer of the figure's gender: the skin's, or when
  // the skin itself is gone, that of the first layer the preset still finds.
  SIM_GENDER gender = SIM_MALE;
  if (found[AVATAR_SKIN]) {
    gender = found[AVATAR_SKIN]->GetGender();
  } else {
    for (GUI_AvatarLayer* layer : found) {
      if (!layer) continue;
      gender = layer->GetGender();
      break;
    }
  }
  for (int slot = 0; slot < AVATAR_LAYER_COUNT; ++slot) {
    GUI_AvatarLayer* layer = found[slot];
    if (!layer) {
      layer = GUI_AvatarLayer::GetValidChild(AVATARLAYER(slot), gender);
      GWarning(GFormat("%s: %s names layer \"%s\", which does not exist; the slot takes %s",
                       path, GUI_AvatarLayer::TypeNames[slot].c_str(), names[slot].c_str(),
                       layer ? ("\"" + layer->GetGUIName() + "\"").c_str() : "nothing")
                   .c_str(),
               __FILE__, __LINE__);
    }
    m_layers[slot] = layer;
    if (layer) layer->SetVisible(true);
  }
  return true;
}

std::string GUI_Avatar::PresetText() const {
  std::string text;
  auto writeLine = [&text](const std::string& line) {
    text += line.substr(0, kMaxPresetLine);
    text += '\n';
  };
  writeLine("[textures]");
  for (int slot = 0; slot < AVATAR_LAYER_COUNT; ++slot) {
    const std::string name = m_layers[slot] ? m_layers[slot]->GetGUIName() : "";
    writeLine(GFormat("%s = %s", GUI_AvatarLayer::TypeNames[slot].c_str(), name.c_str()));
  }
  writeLine("");
  writeLine("[colors]");
  for (int slot = 0; slot < AVATAR_LAYER_COUNT; ++slot) {
    const LibColor c = m_layers[slot] ? m_layers[slot]->GetColorTint() : LibColor();
    writeLine(GFormat("%s = %d,%d,%d", GUI_AvatarLayer::TypeNames[slot].c_str(), c.r, c.g, c.b));
  }
  writeLine("");
  writeLine("");
  return text;
}

bool GUI_Avatar::SavePreset(const char* path) const {
  FILE* f = path ? Mac_fopen(path, "w") : nullptr;
  if (!f) {
    GWarning(GFormat("Avatar preset %s cannot be written", path ? path : "(none)").c_str(), __FILE__, __LINE__);
    return false;
  }
  const std::string text = PresetText();
  std::fwrite(text.data(), 1, text.size(), f);
  std::fclose(f);
  return true;
}

void GUI_Avatar::SaveUserAvatar() const {
  // Nine values a digit: the name space the game has always used.
  int d[4];
  for (int& digit : d) digit = std::rand() % 9;
  // A figure the folder holds already is not saved again: every loaded game starts the in-game
  // screen as a new game does, and would otherwise add its player's figure once more each time.
  const std::string text = PresetText();
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(UserAvatarsFolder(), error)) {
    std::ifstream file(entry.path(), std::ios::binary);
    const std::string held((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (held == text) return;
  }
  SavePreset(GFormat("%s/user_%d%d%d%d.txt", UserAvatarsFolder().c_str(), d[0], d[1], d[2], d[3]).c_str());
}

void GUI_Avatar::SetMood(MOOD mood) {
  SIM_StandInLog::Record("GUI_Avatar::SetMood");
  m_mood = mood;
  GUI_AvatarLayer::SetMoodAll(mood);
}

void GUI_Avatar::Draw() {
  if (m_overriden) {
    for (int slot = 0; slot < AVATAR_LAYER_COUNT; ++slot) {
      if (m_overrides[slot]) m_overrides[slot]->Draw();
      else DrawLayer(AVATARLAYER(slot));
    }
  } else {
    // Suit trousers go over the shirt: the shirt is tucked in.
    static const int kTucked[AVATAR_LAYER_COUNT] = {0, 1, 2, 3, 4, 5, 7, 6, 8, 9};
    const bool tucked = m_layers[AVATAR_CLOTHESBOTTOM] && m_layers[AVATAR_CLOTHESBOTTOM]->GetGUIName() == kSuitTrousers;
    for (int i = 0; i < AVATAR_LAYER_COUNT; ++i) DrawLayer(AVATARLAYER(tucked ? kTucked[i] : i));
  }
  // The flies of a dirty home buzz over the figure.
  GUI_GetSmell()->Draw();
}

void GUI_Avatar::DrawAt(V2 centre) {
  const V2 own = m_centre;
  m_centre = centre;
  Draw();
  m_centre = own;
}

void GUI_Avatar::DrawMood(MOOD mood) {
  const MOOD own = m_mood;
  SetMood(mood);
  Draw();
  SetMood(own);
}

void GUI_Avatar::DrawLayer(AVATARLAYER slot) {
  if (slot < 0 || slot >= AVATAR_LAYER_COUNT) return;
  if (slot == AVATAR_GLASSES && SIM_NamedValueList::Globals.IsTrue("designer_sunglasses")) {
    const SIM_GENDER gender = SIM_GetVede()->GetGender();
    // Looked up once, again only when the player is of the other gender than the pair found.
    if (!m_sunglasses || m_sunglasses->GetGender() != gender)
      m_sunglasses = GUI_AvatarLayer::GetByGUIName(gender == SIM_FEMALE ? "Woman's sunglasses" : "Man's Sunglasses");
    if (m_sunglasses) {
      const bool visible = m_sunglasses->GetVisible();
      m_sunglasses->SetVisible(true);
      m_sunglasses->Draw();
      m_sunglasses->SetVisible(visible);
      return;
    }
  }
  if (m_layers[slot]) m_layers[slot]->Draw();
}

void GUI_Avatar::SetOverridenLayer(AVATARLAYER slot, const char* guiName) {
  if (slot < 0 || slot >= AVATAR_LAYER_COUNT) return;
  GUI_AvatarLayer* layer = GUI_AvatarLayer::GetByGUIName(guiName ? guiName : "");
  GAssert(layer != nullptr, __FILE__, __LINE__);
  m_overrides[slot] = layer;
  if (layer) layer->SetVisible(true);
}

void GUI_Avatar::RefreshOverridenLayers() {
  // A woman keeps her own clothes; a man's suit from an earlier game does not stay with her.
  for (GUI_AvatarLayer*& layer : m_overrides) layer = nullptr;
  if (SIM_GetVede()->GetGender() != SIM_MALE) return;
  SetOverridenLayer(AVATAR_COATBEHIND, "Male Coat Behind None");
  SetOverridenLayer(AVATAR_SHOES, "Mans Suit Shoes");
  SetOverridenLayer(AVATAR_CLOTHESBOTTOM, kSuitTrousers);
  SetOverridenLayer(AVATAR_CLOTHESTOP, "Mans Suit Shirt");
  SetOverridenLayer(AVATAR_COAT, "Mans Suit Jacket");
  SetOverridenLayer(AVATAR_TIE, "Mans Tie 2");
}

void GUI_Avatar::SetOverriden(bool on) {
  SIM_StandInLog::Record("GUI_Avatar::SetOverriden");
  m_overriden = on;
}

void GUI_Avatar::Reset() { m_centre.x = float(D3DEngine::W) - 256.0f; }

void GUI_Avatar::ComputeAdjustedWidth() {
  SIM_StandInLog::Record("GUI_Avatar::ComputeAdjustedWidth");
  // Every layer is drawn at its own width; a weight-dependent stretch is not in force.
  m_adjustedWidth = 1.0f;
}
