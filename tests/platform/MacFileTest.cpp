#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "MacFile.h"
#include "Paths.h"
#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {
// Runs the test from a folder of its own, so "relative to the current directory" means something.
struct InEmptyFolder : ::testing::Test {
  void SetUp() override {
    folder = testsupport::TestRoot() + "/cwd";
    fs::create_directories(folder);
    old = fs::current_path();
    fs::current_path(folder);
  }
  void TearDown() override { fs::current_path(old); }
  std::string folder;
  fs::path old;
};

bool AnyNameHasBackslash(const std::string& root) {
  for (const auto& e : fs::recursive_directory_iterator(root))
    if (e.path().filename().string().find('\\') != std::string::npos) return true;
  return false;
}
}  // namespace

TEST_F(InEmptyFolder, WindowsStylePathOpensInsideTheResourcesDirectory) {
  fs::create_directories(testsupport::ResourcesRoot() + "/debugdata");
  FILE* f = Mac_fopen(".\\debugdata\\x.txt", "wt");
  ASSERT_NE(f, nullptr);
  std::fputs("hello", f);
  std::fclose(f);
  EXPECT_EQ(testsupport::ReadFile(testsupport::ResourcesRoot() + "/debugdata/x.txt"), "hello");
  EXPECT_FALSE(AnyNameHasBackslash(folder));
  EXPECT_FALSE(AnyNameHasBackslash(testsupport::ResourcesRoot()));

  f = Mac_fopen("debugdata\\x.txt", "rt");
  ASSERT_NE(f, nullptr);
  std::fclose(f);
}

TEST_F(InEmptyFolder, TheGivenPathWinsAndMissingFilesGiveNull) {
  testsupport::WriteFile(testsupport::ResourcesRoot() + "/data/logo_test.txt", "resources");
  testsupport::WriteFile(folder + "/data/logo_test.txt", "local");
  FILE* f = Mac_fopen("data/logo_test.txt", "rt");
  ASSERT_NE(f, nullptr);
  char text[32] = {0};
  ASSERT_NE(std::fgets(text, sizeof text, f), nullptr);
  std::fclose(f);
  EXPECT_STREQ(text, "local");

  EXPECT_EQ(Mac_fopen("data/no_such_file.txt", "rt"), nullptr);
  EXPECT_EQ(Mac_fopen("data", "rt"), nullptr);  // a folder is not a file
}

TEST(Paths, FoldersFollowTheEnvironment) {
  EXPECT_EQ(GetResourcesDir(), testsupport::ResourcesRoot());
  std::string home = testsupport::TestRoot() + "/home";
  EXPECT_EQ(GetUserFolder(), home + "/.local/share/Vorla 2");
  EXPECT_EQ(GetPreferencesPath(), home + "/.config/Vorla 2/preferences.ini");

  std::string other = testsupport::TestRoot() + "/other";
  setenv("VORLA2_DATA_DIR", other.c_str(), 1);
  EXPECT_EQ(GetResourcesDir(), testsupport::ResourcesRoot());  // cached
  ResetPathCache();
  EXPECT_EQ(GetResourcesDir(), other);
  setenv("VORLA2_DATA_DIR", testsupport::ResourcesRoot().c_str(), 1);
  ResetPathCache();

  EXPECT_EQ(BuildMacResourceDirPath(".\\data\\fonts"), testsupport::ResourcesRoot() + "/data/fonts/");
  EXPECT_EQ(BuildMacResourceDirPath(""), testsupport::ResourcesRoot() + "/");
  char small[8];
  EXPECT_FALSE(BuildMacResourceDirPath(small, sizeof small, "data"));
}
