#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "GDebug.h"
#include "Paths.h"
#include "PreferencesStore.h"
#include "PrivateProfile.h"
#include "TestSupport.h"

namespace {
const char* kFileText =
    "[config]\n"
    "Volume = 7\n"
    "Name = Vede\n"
    "Colour = 1,2,3,4\n"
    "[Config]\n"
    "Volume = 9\n";

// Each test has a settings file of its own, so that stored values never leak between tests.
struct PrivateProfile : ::testing::Test {
  void SetUp() override {
    std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fileName = "data\\" + name + ".ini";
    kFile = fileName.c_str();
    path = testsupport::ResourcesRoot() + "/data/" + name + ".ini";
    testsupport::WriteFile(path, kFileText);
  }
  std::string Pairs(const std::string& section) {
    std::string text;
    int n = GetPrivateProfileSection(section.c_str(), text, kFile);
    EXPECT_EQ(text.size(), (size_t)n + 1);
    return text.substr(0, (size_t)n);
  }
  std::string fileName;
  const char* kFile = nullptr;
  std::string path;
};
}  // namespace

TEST_F(PrivateProfile, ReadsTheFileWithCaseDistinctSections) {
  char out[64];
  EXPECT_EQ(GetPrivateProfileString("config", "Name", "x", out, sizeof out, kFile), 4);
  EXPECT_STREQ(out, "Vede");
  EXPECT_EQ(GetPrivateProfileInt("config", "Volume", 1, kFile), 7);
  EXPECT_EQ(GetPrivateProfileInt("Config", "Volume", 1, kFile), 9);
  EXPECT_EQ(GetPrivateProfileInt("config", "volume", 1, kFile), 1);
  EXPECT_EQ(GetPrivateProfileString("config", "Missing", "fallback", kFile), "fallback");
  EXPECT_EQ(GetPrivateProfileRGBA("config", "Colour", kFile), 0x04030201u);
  EXPECT_FLOAT_EQ(GetPrivateProfileFloat("config", "Missing", 2.5f, kFile), 0.0f);
  EXPECT_EQ(Pairs("config"), std::string("Volume=7\0Name=Vede\0Colour=1,2,3,4\0", 34));
  EXPECT_EQ(GetPrivateProfileString("config", "Name", "x", out, 3, kFile), 2);
  EXPECT_STREQ(out, "Ve");
}

TEST_F(PrivateProfile, WritesGoToTheStoreAndWinOverTheFile) {
  ASSERT_TRUE(WritePrivateProfileString("config", "Volume", "3", kFile));
  EXPECT_EQ(GetPrivateProfileInt("config", "Volume", 1, kFile), 3);
  EXPECT_EQ(testsupport::ReadFile(path), kFileText);
  EXPECT_TRUE(testsupport::Exists(GetPreferencesPath()));

  // A stored section hides the file's other keys of that section.
  EXPECT_EQ(Pairs("config"), std::string("Volume=3\0", 9));
  EXPECT_EQ(Pairs("Config"), std::string("Volume=9\0", 9));
  // The store is keyed by the file name as written.
  std::string slashed = "data/" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".ini";
  EXPECT_EQ(GetPrivateProfileInt("config", "Volume", 1, slashed.c_str()), 7);

  // A stored empty string falls through to the file.
  WritePrivateProfileString("config", "Name", "", kFile);
  EXPECT_EQ(GetPrivateProfileString("config", "Name", "x", kFile), "Vede");

  // The store survives a fresh read from disk.
  PreferencesStore::Get().Reload();
  EXPECT_EQ(GetPrivateProfileInt("config", "Volume", 1, kFile), 3);
  WritePrivateProfileFloat("config", "Speed", 0.5f, kFile);
  EXPECT_FLOAT_EQ(GetPrivateProfileFloat("config", "Speed", 9.0f, kFile), 0.5f);
  WritePrivateProfileInt("config", "Volume", -4, kFile);
  EXPECT_EQ(GetPrivateProfileInt("config", "Volume", 1, kFile), -4);
}

TEST_F(PrivateProfile, StoreKeepsAwkwardNamesAndValues) {
  WritePrivateProfileString("odd]section", "key=with\\equals", "line\nbreak = and \\ back", "data\\x.ini");
  PreferencesStore::Get().Reload();
  std::string value;
  ASSERT_TRUE(PreferencesStore::Get().Lookup("data\\x.ini", "odd]section", "key=with\\equals", value));
  EXPECT_EQ(value, "line\nbreak = and \\ back");
  EXPECT_TRUE(RegistryLib::WriteKey("unused", "Serial", "12345678901234567890123456789012345"));
  char out[64];
  ASSERT_TRUE(RegistryLib::ReadKey("unused", "Serial", out));
  EXPECT_STREQ(out, "1234567890123456789012345678901");
  EXPECT_FALSE(RegistryLib::ReadKey("unused", "Absent", out));
}

TEST_F(PrivateProfile, BoundedSectionIsCutAtAWholePairWithOneWarning) {
  GetDebug()->Initialise();
  char out[15];
  int n = GetPrivateProfileSection("config", out, sizeof out, kFile);
  EXPECT_EQ(n, 9);  // "Volume=7\0Name=Vede\0" does not fit with its final zero; one pair does
  EXPECT_EQ(std::string(out, 10), std::string("Volume=7\0\0", 10));
  GetPrivateProfileSection("config", out, sizeof out, kFile);
  GetDebug()->Shutdown();
  std::string log = testsupport::ReadFile(GetDebug()->GetPath());
  size_t first = log.find("Section [config] of " + fileName + " does not fit");
  EXPECT_NE(first, std::string::npos);
  EXPECT_EQ(log.find("does not fit", log.find('\n', first)), std::string::npos);
}

TEST_F(PrivateProfile, MissingFileIsCreatedEmptyWhereTheFolderAllows) {
  EXPECT_EQ(GetPrivateProfileInt("config", "IsWindowed", 5, "data\\created_test.ini"), 5);
  EXPECT_EQ(testsupport::ReadFile(testsupport::ResourcesRoot() + "/data/created_test.ini"), "");

  std::string locked = testsupport::ResourcesRoot() + "/locked";
  testsupport::WriteFile(locked + "/placeholder", "");
  chmod(locked.c_str(), 0555);
  EXPECT_EQ(GetPrivateProfileInt("config", "IsWindowed", 6, "locked/none.ini"), 6);
  std::string text;
  EXPECT_EQ(GetPrivateProfileSection("config", text, "locked/none.ini"), 0);
  if (geteuid() != 0) {
    EXPECT_FALSE(testsupport::Exists(locked + "/none.ini"));
  }
  chmod(locked.c_str(), 0755);
}
