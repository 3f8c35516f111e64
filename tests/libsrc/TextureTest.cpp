// Texture lookup by name, the bitmap directories and the missing-texture report, headless: names
// are resolved and pictures decoded, nothing is uploaded.
#include <gtest/gtest.h>

#include <string>

#include "D3DEngine.h"
#include "GDebug.h"
#include "Paths.h"
#include "SmartTexture.h"
#include "TestSupport.h"

using namespace testsupport;

namespace {

std::string CardBytes() { return ReadFile(FixturePath("bitmaps/button.png")); }

// A fresh folder of this test process holding the given picture files (all the test card).
std::string MakeFolder(const std::string& name, std::initializer_list<std::string> files) {
  std::string dir = TestRoot() + "/" + name;
  for (const std::string& f : files) WriteFile(dir + "/" + f, CardBytes());
  return dir;
}

int Occurrences(const std::string& text, const std::string& part) {
  int n = 0;
  for (size_t pos = text.find(part); pos != std::string::npos; pos = text.find(part, pos + 1)) ++n;
  return n;
}

}  // namespace

TEST(TextureNames, DdsIsReadAsPngAndTheRestIsDropped) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {{"button.dds", "button.png"}, {"a.dds.old", "a.png"}, {"arial16.dds", "arial16.png"},
               {"photo.jpg", "photo.jpg"},   {"", ""},             {"no_extension", "no_extension"}};
  for (const Case& c : cases) EXPECT_EQ(D3DEngine::RewriteTextureName(c.in), c.out) << c.in;
}

TEST(Textures, ButtonDdsLoadsButtonPngWithItsSizeAndArgbPixels) {
  D3DEngine* e = GetD3DEngine();
  e->AddBitmapDirectories(MakeFolder("pics", {"button.png"}), false);

  uint32_t number = e->GetTexture("button.dds");
  ASSERT_NE(number, 0u);
  const GSurface* s = e->FindLoadedTexture("button.png");
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s->name, "button.png");
  EXPECT_EQ(s->textureNumber, number);

  int w = 0, h = 0;
  unsigned char* px = nullptr;
  ASSERT_TRUE(e->GetTextureData("button.dds", &w, &h, &px));
  EXPECT_EQ(w, 64);
  EXPECT_EQ(h, 32);
  ASSERT_NE(px, nullptr);
  // Bytes alpha, red, green, blue; the top-left quadrant is opaque red, the top-right green, the
  // bottom-left blue and the bottom-right half-transparent white.
  auto at = [&](int x, int y) { return px + (y * w + x) * 4; };
  EXPECT_EQ(at(2, 2)[0], 255);
  EXPECT_EQ(at(2, 2)[1], 255);
  EXPECT_EQ(at(2, 2)[2], 0);
  EXPECT_EQ(at(2, 2)[3], 0);
  EXPECT_EQ(at(40, 2)[2], 255);
  EXPECT_EQ(at(2, 20)[3], 255);
  EXPECT_NEAR(at(40, 20)[0], 128, 2);

  // A second lookup finds the record: nothing is loaded twice.
  EXPECT_EQ(e->GetTexture("button.png"), number);
  EXPECT_EQ(e->GetTextures().size(), 1u);
}

TEST(Textures, NamesMatchInExactCase) {
  D3DEngine* e = GetD3DEngine();
  e->AddBitmapDirectories(MakeFolder("pics", {"button.png"}), false);
  EXPECT_EQ(e->GetTexture("Button.png"), 0u);
  EXPECT_NE(e->GetTexture("button.png"), 0u);
}

TEST(Textures, FirstDirectoryWinsResourcesBeforeUserAndParentBeforeChild) {
  // data/bitmaps inside the resources, with a subfolder that holds a second copy, then a user folder
  // with a third: the copy in data/bitmaps itself wins.
  const std::string res = ResourcesRoot() + "/data/bitmaps";
  WriteFile(res + "/zz_test_same.png", CardBytes());
  WriteFile(res + "/aa_test_sub/zz_test_same.png", CardBytes());
  WriteFile(res + "/aa_test_sub/zz_test_only_sub.png", CardBytes());
  const std::string user = MakeFolder("user", {"zz_test_same.png", "mods/bitmaps/zz_test_only_user.png"});

  D3DEngine* e = GetD3DEngine();
  e->AddBitmapDirectories("data/bitmaps", true);
  e->AddBitmapDirectories(user, false);

  const auto& dirs = e->GetBitmapDirectories();
  ASSERT_GE(dirs.size(), 4u);
  EXPECT_EQ(dirs[0], "data/bitmaps");
  EXPECT_EQ(dirs[1], "data/bitmaps/aa_test_sub");

  ASSERT_NE(e->GetTexture("zz_test_same.dds"), 0u);
  EXPECT_EQ(e->FindLoadedTexture("zz_test_same.png")->path, res + "/zz_test_same.png");
  ASSERT_NE(e->GetTexture("zz_test_only_sub.png"), 0u);
  EXPECT_EQ(e->FindLoadedTexture("zz_test_only_sub.png")->path, res + "/aa_test_sub/zz_test_only_sub.png");
  ASSERT_NE(e->GetTexture("zz_test_only_user.png"), 0u);
  EXPECT_EQ(e->FindLoadedTexture("zz_test_only_user.png")->path, user + "/mods/bitmaps/zz_test_only_user.png");
}

TEST(Textures, MissingTextureIsReportedOnceAndFoundOnceItArrives) {
  GetDebug()->Initialise();
  D3DEngine* e = GetD3DEngine();
  const std::string dir = MakeFolder("pics", {"button.png"});
  e->AddBitmapDirectories(dir, false);

  for (int i = 0; i < 3; ++i) {
    e->BeginRender();
    EXPECT_FALSE(e->SetTexture("ghost.dds"));
    EXPECT_EQ(e->GetBoundTexture(), 0u);  // draws untextured
    EXPECT_EQ(e->GetTexture("ghost.dds"), 0u);
    e->EndRender();
    e->Flip();
  }
  const std::string log = ReadFile(GetDebug()->GetPath());
  EXPECT_EQ(Occurrences(log, "\nFailed to locate texture: ghost.png:"), 1) << log;
  EXPECT_EQ(Occurrences(log, "\nFailed to create texture on demand: ghost.png:"), 1) << log;

  // A picture that arrives in a directory added later is found.
  WriteFile(TestRoot() + "/late/ghost.png", CardBytes());
  e->AddBitmapDirectories(TestRoot() + "/late", false);
  EXPECT_NE(e->GetTexture("ghost.dds"), 0u);
}

TEST(Textures, RedundantBindsAreCountedAndEndRenderForgetsTheName) {
  D3DEngine* e = GetD3DEngine();
  e->AddBitmapDirectories(MakeFolder("pics", {"button.png", "other.png"}), false);
  e->BeginRender();
  ASSERT_TRUE(e->SetTexture("button.dds"));
  ASSERT_TRUE(e->SetTexture("button.png"));
  EXPECT_EQ(e->GetRedundantBinds(), 1.0f);
  EXPECT_STREQ(e->GetLastTextureName(), "button.png");
  e->EndRender();
  EXPECT_STREQ(e->GetLastTextureName(), "");
  e->BeginRender();
  ASSERT_TRUE(e->SetTexture("button.png"));
  EXPECT_EQ(e->GetRedundantBinds(), 1.0f);  // the first bind of a frame always binds
}

TEST(Textures, UntexturedBindKeepsTheLastTextureForItsData) {
  D3DEngine* e = GetD3DEngine();
  e->AddBitmapDirectories(MakeFolder("pics", {"button.png"}), false);
  e->BeginRender();
  ASSERT_TRUE(e->SetTexture("button.png"));
  const uint32_t number = e->GetBoundTexture();
  e->SetTexture(0, 0);
  EXPECT_EQ(e->GetBoundTexture(), 0u);
  EXPECT_EQ(LastTexNum, number);
  int w = 0, h = 0;
  EXPECT_TRUE(e->GetTextureData(nullptr, &w, &h, nullptr));
  EXPECT_EQ(w, 64);
  EXPECT_EQ(h, 32);
  EXPECT_FALSE(e->GetTextureData("nothing.png", &w, nullptr, nullptr));
}

TEST(Textures, SmartTextureResolvesAndRebuilds) {
  D3DEngine* e = GetD3DEngine();
  e->AddBitmapDirectories(MakeFolder("pics", {"button.png"}), false);
  SmartTexture empty;
  SmartTexture card("button.dds");
  SmartTexture missing("nowhere.dds");
  EXPECT_EQ(empty.GetTextureNumber(), 0u);
  EXPECT_NE(card.GetTextureNumber(), 0u);
  EXPECT_EQ(missing.GetTextureNumber(), 0u);

  WriteFile(TestRoot() + "/late/nowhere.png", CardBytes());
  e->AddBitmapDirectories(TestRoot() + "/late", false);
  SmartTexture::RebuildAll();
  EXPECT_NE(missing.GetTextureNumber(), 0u);
  EXPECT_NE(missing.GetTextureNumber(), card.GetTextureNumber());

  e->BeginRender();
  card.Set();
  EXPECT_EQ(e->GetBoundTexture(), card.GetTextureNumber());
  {
    SmartTexture copy(card);
    EXPECT_EQ(SmartTexture::GetAll().size(), 4u);
  }
  EXPECT_EQ(SmartTexture::GetAll().size(), 3u);
}

TEST(Textures, BrokenPictureKeepsARecordAndDrawsUntextured) {
  D3DEngine* e = GetD3DEngine();
  WriteFile(TestRoot() + "/broken/bad.png", "this is not a picture");
  e->AddBitmapDirectories(TestRoot() + "/broken", false);
  EXPECT_EQ(e->GetTexture("bad.png"), 0u);
  ASSERT_NE(e->FindLoadedTexture("bad.png"), nullptr);
  EXPECT_EQ(e->GetTextures().size(), 1u);
  EXPECT_EQ(e->GetTexture("bad.png"), 0u);
  EXPECT_EQ(e->GetTextures().size(), 1u);  // not searched or decoded again
}
