// The player's figure on a real Mesa GL context (offscreen video driver): every shipped preset in
// its three moods side by side, saved as /tmp/vorla2-avatar-<preset>.png for a person to look at.
// The tint multiplies the light pictures, so the clothes show the preset's colours; the faces
// differ by mood; the figure stays within the picture.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "D3DEngine.h"
#include "GFileList.h"
#include "GLTestSupport.h"
#include "GUI_Avatar.h"
#include "IniLoader.h"
#include "SIM_NamedValue.h"
#include "SIM_Vede.h"

namespace {

using gltest::kH;
using gltest::kW;
using gltest::Pixel;

constexpr uint32_t kBackdrop = 0xFFC69C7Au;  // sprite packing: r 0x7A, g 0x9C, b 0xC6
const float kCentres[] = {140.0f, 400.0f, 660.0f};
const MOOD kMoods[] = {MOOD_NEUTRAL, MOOD_HAPPY, MOOD_SAD};

class AvatarGL : public gltest::GLTest {
 protected:
  AvatarGL() : GLTest(Fit::Exactly, kW, kH) {}

  void DrawMoods(GUI_Avatar* avatar) {
    m_engine->BeginRender();
    m_engine->ClearScreen(kBackdrop);
    for (int i = 0; i < 3; ++i) {
      avatar->SetMood(kMoods[i]);
      avatar->DrawAt(V2(kCentres[i], kH / 2.0f));
    }
    avatar->SetMood(MOOD_NEUTRAL);
    m_engine->EndRender();
    ReadBack();
  }

  // The picture's x of a point of the layers' canvas, for the figure drawn at the i-th centre.
  static int X(GUI_Avatar* avatar, int i, int canvasX) {
    return int(kCentres[i] + avatar->GetLayer(AVATAR_SKIN)->GetOffset().x) - 128 + canvasX;
  }
  static int Y(int canvasY) { return kH / 2 - 256 + canvasY; }

  static bool Near(Pixel p, int r, int g, int b, int tolerance) {
    return std::abs(p.r - r) <= tolerance && std::abs(p.g - g) <= tolerance && std::abs(p.b - b) <= tolerance;
  }
};

TEST_F(AvatarGL, EveryPresetInThreeMoods) {
  GUI_Avatar* avatar = GUI_GetAvatar();
  avatar->Init();
  GFileList presets;
  presets.StoreFullPaths();
  presets.AddFiles("data/avatarpresets/*.txt");
  ASSERT_GE(presets.Count(), 4u);
  for (const std::string& path : presets.Names()) {
    SCOPED_TRACE(path);
    ASSERT_TRUE(avatar->ApplyPreset(path.c_str()));
    DrawMoods(avatar);
    const std::string name = path.substr(path.rfind('/') + 1, path.rfind('.') - path.rfind('/') - 1);
    Save(("/tmp/vorla2-avatar-" + name + ".png").c_str());

    // The top is drawn light grey and shows its tint on the chest, where a coat leaves it bare.
    GUI_AvatarLayer* top = avatar->GetLayer(AVATAR_CLOTHESTOP);
    if (!avatar->GetLayer(AVATAR_COAT)->GetTexture(MOOD_NEUTRAL).empty()) top = avatar->GetLayer(AVATAR_COAT);
    const LibColor tint = top->GetColorTint();
    const Pixel chest = At(X(avatar, 0, 98), Y(226));
    EXPECT_TRUE(Near(chest, tint.r * 0xF4 / 255, tint.g * 0xF4 / 255, tint.b * 0xF4 / 255, 12))
        << top->GetGUIName() << ": " << chest.r << "," << chest.g << "," << chest.b;

    // The mouths differ by mood; nothing is drawn at the picture's edges.
    int differing = 0;
    for (int y = -146; y < -110; ++y) {
      for (int x = -20; x <= 20; ++x) {
        const Pixel a = At(X(avatar, 0, 128 + x), Y(256 + y));
        const Pixel b = At(X(avatar, 2, 128 + x), Y(256 + y));
        if (!Near(a, b.r, b.g, b.b, 8)) ++differing;
      }
    }
    EXPECT_GT(differing, 40);
    for (int x = 0; x < kW; x += 4) {
      EXPECT_TRUE(Near(At(x, 0), 0x7A, 0x9C, 0xC6, 2)) << x;
      EXPECT_TRUE(Near(At(x, kH - 1), 0x7A, 0x9C, 0xC6, 2)) << x;
    }
  }
}

}  // namespace

namespace {

// A man on a working day that wants a suit, then a woman in designer sunglasses: the pictures a
// player sees on a working day, saved as /tmp/vorla2-avatar-workday.png and -sunglasses.png.
TEST_F(AvatarGL, WorkClothesAndDesignerSunglasses) {
  GUI_Avatar* avatar = GUI_GetAvatar();
  avatar->Init();
  SIM_GetVede()->SetGender(SIM_MALE);
  ASSERT_TRUE(avatar->ApplyPreset("data/avatarpresets/casual_man.txt"));
  avatar->RefreshOverridenLayers();
  avatar->SetOverriden(true);
  DrawMoods(avatar);
  Save("/tmp/vorla2-avatar-workday.png");
  // The suit jacket's colour, not the red T-shirt, on the chest.
  const LibColor suit = GUI_AvatarLayer::GetByGUIName("Mans Suit Jacket")->GetColorTint();
  const Pixel chest = At(X(avatar, 0, 98), Y(226));
  EXPECT_TRUE(Near(chest, suit.r * 0xF4 / 255, suit.g * 0xF4 / 255, suit.b * 0xF4 / 255, 12))
      << chest.r << "," << chest.g << "," << chest.b;
  avatar->SetOverriden(false);

  SIM_GetVede()->SetGender(SIM_FEMALE);
  ASSERT_TRUE(avatar->ApplyPreset("data/avatarpresets/smart_woman.txt"));
  SIM_NamedValueList::ForceGlobal("designer_sunglasses", 1.0f);
  DrawMoods(avatar);
  Save("/tmp/vorla2-avatar-sunglasses.png");
  // Dark lenses over the left eye.
  const Pixel lens = At(X(avatar, 0, 100), Y(98));
  EXPECT_LT(lens.r + lens.g + lens.b, 150) << lens.r << "," << lens.g << "," << lens.b;
  SIM_NamedValueList::ForceGlobal("designer_sunglasses", 0.0f);
}

}  // namespace
