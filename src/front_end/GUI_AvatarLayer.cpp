#include "GUI_AvatarLayer.h"

#include <cstdio>
#include <cstring>

#include "D3DEngine.h"
#include "GDebug.h"
#include "GFileList.h"
#include "GUI_Avatar.h"
#include "Game.h"
#include "IniLoader.h"
#include "MacFile.h"
#include "Paths.h"

std::list<GUI_AvatarLayer*> GUI_AvatarLayer::All;
std::string GUI_AvatarLayer::TypeNames[AVATAR_LAYER_COUNT];

namespace {

const char* const kTypeNames[AVATAR_LAYER_COUNT] = {
    "AVATAR_HAIRBOTTOM",    "AVATAR_COATBEHIND", "AVATAR_SKIN", "AVATAR_GLASSES", "AVATAR_HAIRTOP",
    "AVATAR_SHOES",         "AVATAR_CLOTHESBOTTOM", "AVATAR_CLOTHESTOP", "AVATAR_TIE", "AVATAR_COAT",
};

const char* const kMoodKeys[MOOD_COUNT] = {"Texture", "TextureHappy", "TextureSad"};

// The line of a key in a layer file, for warnings that point at it; 0 when it cannot be found.
int LineOfLayerKey(const std::string& path, const char* key) {
  FILE* f = Mac_fopen(path.c_str(), "rb");
  if (!f) return 0;
  int lineNumber = 0;
  int found = 0;
  std::string line;
  int c = 0;
  while (!found && c != EOF) {
    line.clear();
    while ((c = std::fgetc(f)) != EOF && c != '\n') line += char(c);
    ++lineNumber;
    size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos) continue;
    size_t eq = line.find('=', start);
    if (eq == std::string::npos) continue;
    std::string name = line.substr(start, eq - start);
    while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.pop_back();
    if (name == key) found = lineNumber;
  }
  std::fclose(f);
  return found;
}

std::string LayerModsFolder() {
  std::string user = GetGame()->GetUserDir();
  return (user.empty() ? GetUserFolder() : user) + "/mods/layers/";
}

void LoadLayerFile(const std::string& path) {
  GUI_AvatarLayer* layer = new GUI_AvatarLayer();
  layer->Load(path);
}

}  // namespace

GUI_AvatarLayer::GUI_AvatarLayer() {
  m_sprite.SetSize(256.0f, 512.0f);
  All.push_back(this);
}

GUI_AvatarLayer::~GUI_AvatarLayer() { All.remove(this); }

void GUI_AvatarLayer::Open() {
  for (int i = 0; i < AVATAR_LAYER_COUNT; ++i) TypeNames[i] = kTypeNames[i];
  Close();

  GFileList folders;
  folders.AddDirectories("data/avatarlayers/*.*");
  for (const std::string& folder : folders.Names()) {
    const std::string base = "data/avatarlayers/" + folder;
    GFileList files;
    files.AddFiles((base + "/*.txt").c_str());
    for (const std::string& file : files.Names()) LoadLayerFile(base + "/" + file);
  }

  const std::string mods = LayerModsFolder();
  GFileList modFiles;
  modFiles.AddFiles((mods + "*.txt").c_str());
  for (const std::string& file : modFiles.Names()) LoadLayerFile(mods + file);
}

void GUI_AvatarLayer::Close() {
  while (!All.empty()) delete All.back();
}

AVATARLAYER GUI_AvatarLayer::TypeFromName(const std::string& name) {
  for (int i = 0; i < AVATAR_LAYER_COUNT; ++i)
    if (name == kTypeNames[i]) return AVATARLAYER(i);
  return AVATAR_LAYER_COUNT;
}

GUI_AvatarLayer* GUI_AvatarLayer::GetByGUIName(const std::string& name) {
  for (GUI_AvatarLayer* layer : All)
    if (layer->m_guiName == name) return layer;
  GErrorOnce("avatar layer:" + name, ("failed to find " + name).c_str(), __FILE__, __LINE__);
  return nullptr;
}

GUI_AvatarLayer* GUI_AvatarLayer::GetValidChild(AVATARLAYER type, SIM_GENDER gender) {
  for (GUI_AvatarLayer* layer : All)
    if (layer->m_type == type && layer->m_gender == gender) return layer;
  const std::string slot = type < AVATAR_LAYER_COUNT ? kTypeNames[type] : "no slot";
  GErrorOnce(GFormat("avatar slot:%d:%d", int(type), int(gender)), ("failed to find " + slot).c_str(), __FILE__,
             __LINE__);
  return nullptr;
}

void GUI_AvatarLayer::SetMoodAll(int mood) {
  for (GUI_AvatarLayer* layer : All) layer->SetMood(mood);
}

void GUI_AvatarLayer::SetMood(int mood) { m_mood = (mood >= 0 && mood < MOOD_COUNT) ? MOOD(mood) : MOOD_NEUTRAL; }

void GUI_AvatarLayer::Load(const std::string& path) {
  m_path = path;
  IniLoader ini;
  ini.LoadSection("config", path.c_str());

  for (int mood = 0; mood < MOOD_COUNT; ++mood) m_textures[mood] = ini.GetValue(kMoodKeys[mood]);
  // The normal texture's first letter says whose it is; a lone letter says only that.
  const std::string& normal = m_textures[MOOD_NEUTRAL];
  m_gender = (!normal.empty() && normal[0] == 'f') ? SIM_FEMALE : SIM_MALE;
  if (normal.size() == 1) m_textures[MOOD_NEUTRAL].clear();

  const std::string type = ini.GetValue("Type");
  m_type = TypeFromName(type);
  if (m_type == AVATAR_LAYER_COUNT) {
    // Kept in the list so that names still resolve, but in no slot: never offered, never drawn.
    GWarning(GFormat("%s line %d: Type \"%s\" names no avatar slot; the layer is left out of the figure",
                     path.c_str(), LineOfLayerKey(path, "Type"), type.c_str())
                 .c_str(),
             __FILE__, __LINE__);
  }

  m_width = float(ini.GetValueI("Width"));
  m_sprite.SetSize(m_width, float(ini.GetValueI("Height")));
  m_offset = V2(float(ini.GetValueI("OffsetX")), float(ini.GetValueI("OffsetY")));
  const LibColor base(ini.GetValue("BaseColor"));
  SetColors(base.r, base.g, base.b, 255);
  m_guiName = ini.GetValue("GUIName");
  m_childType = ini.GetValue("ChildType");
  m_childName = ini.GetValue("ChildName");
}

void GUI_AvatarLayer::SetColors(int r, int g, int b, int a) {
  m_tint = LibColor(r, g, b, a);
  m_sprite.SetVertexColor(m_tint);
}

void GUI_AvatarLayer::LoadTextures() {
  m_texturesLoaded = true;
  for (int mood = 0; mood < MOOD_COUNT; ++mood) {
    if (m_textures[mood].empty()) continue;
    m_textureRefs[mood].SetTexture(m_textures[mood]);
    if (m_textureRefs[mood].GetTextureNumber() != 0) continue;
    // Drawn without it would be a white box: the layer is left out in that mood instead.
    GWarning(GFormat("%s line %d: texture \"%s\" is not among the pictures; the layer is not drawn in that mood",
                     m_path.c_str(), LineOfLayerKey(m_path, kMoodKeys[mood]), m_textures[mood].c_str())
                 .c_str(),
             __FILE__, __LINE__);
    m_missing[mood] = true;
  }
}

void GUI_AvatarLayer::Draw() {
  if (!m_texturesLoaded) LoadTextures();
  if (!m_visible || m_textures[m_mood].empty() || m_missing[m_mood]) return;

  GUI_Avatar* avatar = GUI_GetAvatar();
  m_textureRefs[m_mood].Set();
  m_sprite.width = m_width * avatar->GetAdjustedWidth();
  const V2 centre = avatar->GetCenter();
  m_sprite.PlaceLocal(centre.x + m_offset.x, centre.y + m_offset.y);
  m_sprite.Draw();
}
