// The player's figure headless: re-dressing for the other gender, presets byte for byte, the
// figure that a missing layer or no preset at all still gives, the draw order with work clothes
// and sunglasses, and bad layer files.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "D3DEngine.h"
#include "FrontEndTestSupport.h"
#include "Game.h"
#include "GFileList.h"
#include "GUI_Avatar.h"
#include "IniLoader.h"
#include "SIM_NamedValue.h"
#include "SIM_Vede.h"
#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {

using frontendtest::LinesWith;
using frontendtest::LogText;

class AvatarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    GetGame()->InitDirectories();
    D3DEngine* engine = GetD3DEngine();
    engine->Initialise(nullptr, nullptr, 1024, 768, 32, false, true);
    engine->AddBitmapDirectories("data/bitmaps", true);
    avatar = GUI_GetAvatar();
    avatar->Init();
  }

  std::string Preset(const std::string& name) { return "data/avatarpresets/" + name + ".txt"; }

  // The ten GUI names a user avatar file names, in slot order.
  static std::vector<std::string> NamesIn(const std::string& path) {
    IniLoader ini;
    ini.LoadSection("textures", path.c_str());
    std::vector<std::string> names;
    for (const std::string& slot : GUI_AvatarLayer::TypeNames) names.push_back(ini.GetValue(slot.c_str()));
    return names;
  }

  static std::vector<std::string> UserAvatars() {
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(GetGame()->GetUserDir() + "/avatars")) out.push_back(e.path());
    return out;
  }

  // The figure saved as a user avatar names ten layers that exist.
  void ExpectTenFilledSlotsSaved() {
    for (int slot = 0; slot < AVATAR_LAYER_COUNT; ++slot) EXPECT_NE(avatar->GetLayer(slot), nullptr) << slot;
    for (const std::string& old : UserAvatars()) fs::remove(old);
    avatar->SaveUserAvatar();
    const std::vector<std::string> saved = UserAvatars();
    ASSERT_EQ(saved.size(), 1u);
    const std::vector<std::string> names = NamesIn(saved[0]);
    ASSERT_EQ(names.size(), size_t(AVATAR_LAYER_COUNT));
    for (const std::string& name : names) {
      EXPECT_FALSE(name.empty());
      EXPECT_NE(GUI_AvatarLayer::GetByGUIName(name), nullptr) << name;
    }
  }

  GUI_Avatar* avatar = nullptr;
};

// What a skin of the other gender leaves: each filled slot's first layer for that gender, then the
// children those layers bring.
TEST_F(AvatarTest, ASkinOfTheOtherGenderReDressesEverySlotWithThatGendersFirstLayer) {
  const struct {
    const char* preset;
    SIM_GENDER to;
  } cases[] = {{"casual_man", SIM_FEMALE}, {"bookish_man", SIM_FEMALE}, {"smart_woman", SIM_MALE}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.preset);
    ASSERT_TRUE(avatar->ApplyPreset(Preset(c.preset).c_str()));
    ASSERT_NE(avatar->GetLayer(AVATAR_SKIN)->GetGender(), c.to);

    GUI_AvatarLayer* expected[AVATAR_LAYER_COUNT] = {};
    for (int slot = 0; slot < AVATAR_LAYER_COUNT; ++slot)
      if (slot != AVATAR_SKIN) expected[slot] = GUI_AvatarLayer::GetValidChild(AVATARLAYER(slot), c.to);
    for (int slot = 0; slot < AVATAR_LAYER_COUNT; ++slot) {
      if (!expected[slot] || expected[slot]->GetChildName().empty()) continue;
      expected[GUI_AvatarLayer::TypeFromName(expected[slot]->GetChildType())] =
          GUI_AvatarLayer::GetByGUIName(expected[slot]->GetChildName());
    }

    GUI_AvatarLayer* skin = GUI_AvatarLayer::GetValidChild(AVATAR_SKIN, c.to);
    avatar->SetLayer(AVATAR_SKIN, skin);
    EXPECT_EQ(avatar->GetLayer(AVATAR_SKIN), skin);
    for (int slot = 0; slot < AVATAR_LAYER_COUNT; ++slot) {
      if (slot == AVATAR_SKIN) continue;
      ASSERT_NE(avatar->GetLayer(slot), nullptr) << GUI_AvatarLayer::TypeNames[slot];
      EXPECT_EQ(avatar->GetLayer(slot), expected[slot]) << GUI_AvatarLayer::TypeNames[slot] << " holds "
                                                        << avatar->GetLayer(slot)->GetGUIName();
      EXPECT_EQ(avatar->GetLayer(slot)->GetGender(), c.to);
      EXPECT_TRUE(avatar->GetLayer(slot)->GetVisible());
    }
  }
}

TEST_F(AvatarTest, AChildComesAlongAndATintStaysWithItsLayer) {
  ASSERT_TRUE(avatar->ApplyPreset(Preset("casual_man").c_str()));
  GUI_AvatarLayer* overcoat = GUI_AvatarLayer::GetByGUIName("Man's Overcoat");
  GUI_AvatarLayer* plain = avatar->GetLayer(AVATAR_COAT);
  ASSERT_NE(overcoat, nullptr);
  overcoat->SetColors(10, 20, 30, 255);

  avatar->SetLayer(AVATAR_COAT, overcoat);
  EXPECT_EQ(avatar->GetLayer(AVATAR_COATBEHIND)->GetGUIName(), "Man's Overcoat Back");
  avatar->SetLayer(AVATAR_COAT, plain);
  EXPECT_EQ(avatar->GetLayer(AVATAR_COATBEHIND)->GetGUIName(), "Male Coat Behind None");
  avatar->SetLayer(AVATAR_COAT, overcoat);
  const LibColor tint = avatar->GetLayer(AVATAR_COAT)->GetColorTint();
  EXPECT_EQ(tint.r, 10);
  EXPECT_EQ(tint.g, 20);
  EXPECT_EQ(tint.b, 30);

  avatar->SetLayer(AVATAR_COAT, nullptr);  // no layer: nothing changes
  EXPECT_EQ(avatar->GetLayer(AVATAR_COAT), overcoat);
}

// Read and written again, every shipped preset comes out byte for byte; and it dresses the figure
// in one gender only.
TEST_F(AvatarTest, PresetsComeOutAsTheyWentIn) {
  GFileList presets;
  presets.StoreFullPaths();
  presets.AddFiles("data/avatarpresets/*.txt");
  ASSERT_GE(presets.Count(), 4u);
  const std::string out = testsupport::TestRoot() + "/preset_copy.txt";
  for (const std::string& path : presets.Names()) {
    SCOPED_TRACE(path);
    ASSERT_TRUE(avatar->ApplyPreset(path.c_str()));
    ASSERT_TRUE(avatar->SavePreset(out.c_str()));
    EXPECT_EQ(testsupport::ReadFile(out), testsupport::ReadFile(testsupport::ResourcesRoot() + "/" + path));
  }
}

TEST_F(AvatarTest, APresetNamingAMissingLayerStillGivesTenFilledSlots) {
  const std::string path = GetGame()->GetUserDir() + "/avatars/broken.txt";
  std::string text = testsupport::ReadFile(testsupport::ResourcesRoot() + "/" + Preset("smart_woman"));
  const std::string from = "AVATAR_TIE = Woman's Necklace";
  ASSERT_NE(text.find(from), std::string::npos);
  text.replace(text.find(from), from.size(), "AVATAR_TIE = Woman's Tiara");
  testsupport::WriteFile(path, text);

  ASSERT_TRUE(avatar->ApplyPreset(path.c_str()));
  EXPECT_EQ(avatar->GetLayer(AVATAR_TIE), GUI_AvatarLayer::GetValidChild(AVATAR_TIE, SIM_FEMALE));
  const std::string log = LogText();
  EXPECT_EQ(LinesWith(log, "broken.txt"), 1) << log;
  EXPECT_EQ(LinesWith(log, "AVATAR_TIE"), 1);
  fs::remove(path);
  ExpectTenFilledSlotsSaved();
}

TEST_F(AvatarTest, WithNoPresetsEachSlotTakesItsFirstLayer) {
  for (const auto& e : fs::directory_iterator(testsupport::ResourcesRoot() + "/data/avatarpresets")) fs::remove(e);
  for (const std::string& old : UserAvatars()) fs::remove(old);
  avatar->Init();
  GUI_AvatarLayer* skin = avatar->GetLayer(AVATAR_SKIN);
  ASSERT_NE(skin, nullptr);
  for (int slot = 0; slot < AVATAR_LAYER_COUNT; ++slot)
    EXPECT_EQ(avatar->GetLayer(slot), GUI_AvatarLayer::GetValidChild(AVATARLAYER(slot), skin->GetGender()));
  ExpectTenFilledSlotsSaved();
}

// The textures each slot draws, in the order drawn.
std::vector<std::string> DrawnTextures(GUI_Avatar* avatar) {
  D3DEngine::GetRecorder().Clear();
  avatar->Draw();
  std::vector<std::string> out;
  for (const DrawRecord& r : D3DEngine::GetRecorder().Filter(DrawKind::Quad)) out.push_back(r.texture);
  return out;
}

size_t IndexOf(const std::vector<std::string>& drawn, GUI_AvatarLayer* layer) {
  for (size_t i = 0; i < drawn.size(); ++i)
    if (drawn[i] == layer->GetTexture(MOOD_NEUTRAL)) return i;
  return drawn.size();
}

TEST_F(AvatarTest, SuitTrousersGoOverTheShirtOnlyWhenThePlayerWearsThem) {
  SIM_GetVede()->SetGender(SIM_MALE);
  ASSERT_TRUE(avatar->ApplyPreset(Preset("casual_man").c_str()));
  GUI_AvatarLayer* trousers = GUI_AvatarLayer::GetByGUIName("Mans Suit Trousers");
  GUI_AvatarLayer* shirt = GUI_AvatarLayer::GetByGUIName("Mans Suit Shirt");
  GUI_AvatarLayer* tee = avatar->GetLayer(AVATAR_CLOTHESTOP);
  EXPECT_FALSE(tee->TexturesLoaded());

  std::vector<std::string> drawn = DrawnTextures(avatar);
  EXPECT_TRUE(tee->TexturesLoaded());
  EXPECT_LT(IndexOf(drawn, avatar->GetLayer(AVATAR_CLOTHESBOTTOM)), IndexOf(drawn, tee));
  for (const DrawRecord& r : D3DEngine::GetRecorder().Filter(DrawKind::Quad)) EXPECT_FLOAT_EQ(r.Width(), 256.0f);

  avatar->SetLayer(AVATAR_CLOTHESBOTTOM, trousers);
  drawn = DrawnTextures(avatar);
  EXPECT_LT(IndexOf(drawn, tee), IndexOf(drawn, trousers));

  // The work clothes are drawn in plain order: the suit shirt over the suit trousers.
  avatar->RefreshOverridenLayers();
  avatar->SetOverriden(true);
  drawn = DrawnTextures(avatar);
  EXPECT_EQ(IndexOf(drawn, tee), drawn.size());
  EXPECT_LT(IndexOf(drawn, trousers), IndexOf(drawn, shirt));
  EXPECT_LT(IndexOf(drawn, GUI_AvatarLayer::GetByGUIName("Mans Tie 2")),
            IndexOf(drawn, GUI_AvatarLayer::GetByGUIName("Mans Suit Jacket")));

  // The designer sunglasses show whatever the glasses slot holds, also in work clothes.
  SIM_NamedValueList::ForceGlobal("designer_sunglasses", 1.0f);
  drawn = DrawnTextures(avatar);
  EXPECT_LT(IndexOf(drawn, GUI_AvatarLayer::GetByGUIName("Man's Sunglasses")), drawn.size());
  SIM_NamedValueList::ForceGlobal("designer_sunglasses", 0.0f);
  avatar->SetOverriden(false);

  // A woman gets no work clothes.
  SIM_GetVede()->SetGender(SIM_FEMALE);
  avatar->RefreshOverridenLayers();
  for (int slot = 0; slot < AVATAR_LAYER_COUNT; ++slot) EXPECT_EQ(avatar->GetOverride(AVATARLAYER(slot)), nullptr);
  SIM_GetVede()->SetGender(SIM_MALE);
}

TEST_F(AvatarTest, TheFaceShowsTheMood) {
  ASSERT_TRUE(avatar->ApplyPreset(Preset("casual_woman").c_str()));
  GUI_AvatarLayer* skin = avatar->GetLayer(AVATAR_SKIN);
  const MOOD moods[] = {MOOD_NEUTRAL, MOOD_HAPPY, MOOD_SAD};
  for (MOOD mood : moods) {
    avatar->DrawMood(mood);
    EXPECT_NE(D3DEngine::GetRecorder().FindTexture(skin->GetTexture(mood)), nullptr) << mood;
    EXPECT_EQ(avatar->GetMood(), MOOD_NEUTRAL);
  }
}

// Bad layer files in the user's mods: one warning naming the file and the line, a sane default,
// and the figure carries on.
TEST_F(AvatarTest, BadLayerFilesGiveOneWarningNamingFileAndLine) {
  const std::string mods = GetGame()->GetUserDir() + "/mods/layers/";
  const std::string longLine = "Note = " + std::string(5000, 'x');
  const struct {
    const char* file;
    std::string text;
    const char* line;
  } cases[] = {
      {"hat.txt", "[config]\nTexture = m_av_tops_tshirt.png\nType = AVATAR_HAT\nGUIName = Mod Hat\n", "line 3"},
      {"long.txt",
       "[config]\nTexture = m_av_tops_tshirt.png\n" + longLine + "\nType = AVATAR_CLOTHESTOP\nGUIName = Mod Long\n",
       "line 3"},
      {"lost.txt",
       "[config]\nType = AVATAR_CLOTHESTOP\nTexture = m_av_tops_lost.png\nWidth = 256\nHeight = 512\n"
       "GUIName = Mod Lost\n",
       "line 3"},
  };
  for (const auto& c : cases) testsupport::WriteFile(mods + c.file, c.text);
  // A coat whose child names no layer: the coat-behind slot takes its first layer for the figure.
  testsupport::WriteFile(mods + "cape.txt",
                         "[config]\nTexture = m_av_coat_denim.png\nTextureHappy = m_av_coat_denim.png\n"
                         "TextureSad = m_av_coat_denim.png\nType = AVATAR_COAT\nGUIName = Mod Cape\n"
                         "ChildType = AVATAR_COATBEHIND\nChildName = Mod Cape Back\n");
  avatar->Init();
  ASSERT_TRUE(avatar->ApplyPreset("data/avatarpresets/bookish_man.txt"));
  avatar->SetLayer(AVATAR_COAT, GUI_AvatarLayer::GetByGUIName("Mod Cape"));
  EXPECT_EQ(avatar->GetLayer(AVATAR_COATBEHIND), GUI_AvatarLayer::GetValidChild(AVATAR_COATBEHIND, SIM_MALE));

  GUI_AvatarLayer* hat = GUI_AvatarLayer::GetByGUIName("Mod Hat");
  ASSERT_NE(hat, nullptr);
  EXPECT_EQ(hat->GetType(), AVATAR_LAYER_COUNT);
  GUI_AvatarLayer* longOne = GUI_AvatarLayer::GetByGUIName("Mod Long");
  ASSERT_NE(longOne, nullptr);
  EXPECT_EQ(longOne->GetType(), AVATAR_CLOTHESTOP);

  GUI_AvatarLayer* lost = GUI_AvatarLayer::GetByGUIName("Mod Lost");
  ASSERT_NE(lost, nullptr);
  avatar->SetLayer(AVATAR_CLOTHESTOP, lost);
  for (int frame = 0; frame < 3; ++frame) {
    D3DEngine::GetRecorder().Clear();
    avatar->Draw();
    EXPECT_EQ(D3DEngine::GetRecorder().FindTexture("m_av_tops_lost.png"), nullptr);
  }
  EXPECT_TRUE(lost->TexturesLoaded());

  const std::string log = LogText();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    EXPECT_EQ(LinesWith(log, std::string(c.file) + " line"), 1) << log;
    EXPECT_EQ(LinesWith(log, std::string(c.file) + " " + c.line), 1);
  }
  EXPECT_EQ(LinesWith(log, "cape.txt"), 1);
  EXPECT_EQ(LinesWith(log, "Mod Cape Back"), 1);
  for (const auto& c : cases) fs::remove(mods + c.file);
  fs::remove(mods + "cape.txt");
}

}  // namespace
