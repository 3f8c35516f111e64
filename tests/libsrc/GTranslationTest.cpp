// Translated texts: lookups, tokens, numbered sections and the old string store.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "GTranslation.h"
#include "StringManager.h"
#include "TestSupport.h"

namespace {

// A strings file of our own in the test's resources folder (the repository's data stays as it is).
void UseFixtureStrings() {
  testsupport::WriteFile(testsupport::ResourcesRoot() + "/data/fixture_strings.ini",
                         "[strings]\n"
                         "GREETING=Hello <NAME>, meet <NAME>.\n"
                         "EMPTY=\n"
                         "Case=lower\n"
                         "CASE=upper\n"
                         "QUOTED=\"a; b\"\n"
                         "ESCAPED=a\\=b\n"
                         "PAIR=<A> and <B>\n"
                         "[Bands]\n"
                         "0=none\n1=little\n2=some\n3=much\n4=all\n"
                         "[Nothing]\n");
  GTranslation::UseStringsFile("data/fixture_strings.ini");
}

TEST(GTranslation, LooksUpTextsByExactKey) {
  UseFixtureStrings();
  EXPECT_STREQ(GTranslation::GetString("GREETING"), "Hello <NAME>, meet <NAME>.");
  EXPECT_STREQ(GTranslation::GetString("QUOTED"), "a; b");
  EXPECT_STREQ(GTranslation::GetString("ESCAPED"), "a=b");  // a backslash keeps the "="
  // Keys differing only in case share a bucket but stay apart.
  EXPECT_EQ(GHashTable::BucketOf("Case"), GHashTable::BucketOf("CASE"));
  EXPECT_STREQ(GTranslation::GetString("Case"), "lower");
  EXPECT_STREQ(GTranslation::GetString("CASE"), "upper");
  // A missing key and an empty text both show the key; the result outlives a temporary key.
  EXPECT_STREQ(GTranslation::GetString("EMPTY"), "EMPTY");
  const char* missing = GTranslation::GetString(std::string("NO_SUCH_") + "KEY");
  EXPECT_STREQ(missing, "NO_SUCH_KEY");
  EXPECT_EQ(GTranslation::GetString("NO_SUCH_KEY"), missing);
}

TEST(GHashTable, CleansKeysAndCutsOverlongTexts) {
  std::string text = std::string(" MY KEY =x\"y\"") + '\0' + "LONG=" + std::string(3000, 'z') + '\0' + '\0';
  GHashTable table;
  table.LoadFromSectionText(text, "probe");
  EXPECT_STREQ(table.GetValue("MYKEY"), "xy");
  EXPECT_EQ(strlen(table.GetValue("LONG")), GHashTable::kMaxValue);
  EXPECT_EQ(table.Problems(), 1);
  EXPECT_STREQ(table.GetValue("absent"), "");
  table.AddEntry("MYKEY", "later");  // the first entry under a key wins
  EXPECT_STREQ(table.GetValue("MYKEY"), "xy");
  EXPECT_EQ(GHashTable::BucketOf(""), 52);
}

TEST(GTranslation, ReplacesTokens) {
  std::string s = "Hello <NAME>, meet <NAME>.";
  GTranslation::ReplaceToken(s, "<NAME>", "Bob");
  EXPECT_EQ(s, "Hello Bob, meet Bob.");

  std::string self = "<NAME>!";
  GTranslation::ReplaceToken(self, "<NAME>", "<NAME><NAME>");  // inserted text is not searched again
  EXPECT_EQ(self, "<NAME><NAME>!");

  std::string cost = "Pay <COST>";
  GTranslation::ReplaceToken(cost, "<COST>", 1234567);
  EXPECT_EQ(cost, "Pay 1,234,567");

  char small[16] = "Hi <NAME>";
  GTranslation::ReplaceToken(small, sizeof small, "<NAME>", "a very long name indeed");
  EXPECT_STREQ(small, "Hi a very long ");  // cut to the buffer, terminated

  std::string tokens = "a<X>b<Y>c < d";
  GTranslation::ClearTokens(tokens);
  EXPECT_EQ(tokens, "abc < d");
}

TEST(GTranslation, CropsToWidthWithDots) {
  EXPECT_STREQ(GTranslation::Crop("abcdefghij", 8), "abcde...");
  EXPECT_STREQ(GTranslation::Crop("abc", 8), "abc");
  EXPECT_STREQ(GTranslation::Crop("abcdefghij", 2), "ab");
}

TEST(GTranslation, ValueNamesPickABand) {
  UseFixtureStrings();
  struct Case {
    float value;
    const char* text;
  } cases[] = {{1.0f, "all"}, {-0.5f, "none"}, {0.0f, "none"}, {0.2f, "little"},
               {0.5f, "some"}, {0.99f, "all"}, {7.0f, "all"},   {NAN, "none"}};
  for (const Case& c : cases) EXPECT_STREQ(GTranslation::GetValueName(c.value, "Bands"), c.text) << c.value;
  EXPECT_STREQ(GTranslation::GetValueName(0.5f, "Nothing"), "");
}

TEST(GTranslation, RandomStringsComeFromTheSectionAndRepeatWithTheSeed) {
  UseFixtureStrings();
  srand(11);
  std::string first = GTranslation::GetRandomString("Bands");
  std::string second = GTranslation::GetRandomString("Bands");
  srand(11);
  EXPECT_EQ(GTranslation::GetRandomString("Bands"), first);
  EXPECT_EQ(GTranslation::GetRandomString("Bands"), second);
  EXPECT_NE(std::string("none little some much all").find(first), std::string::npos);
  EXPECT_STREQ(GTranslation::GetRandomString("Nothing"), "");
  GTranslation::Close();
}

TEST(GTranslation, TokenisedStrings) {
  UseFixtureStrings();
  EXPECT_EQ(GTranslation::GetTokenisedString("PAIR", "A=cats,B=dogs,"), "cats and dogs");
  // A last pair without its closing comma is not taken.
  EXPECT_EQ(GTranslation::GetTokenisedString("PAIR", "A=cats,B=dogs"), "cats and ");
  EXPECT_EQ(GTranslation::GetToken("A"), "cats");
  EXPECT_EQ(GTranslation::GetToken("B"), "");
}

TEST(StringManager, ReadsNumberedTextsAndVariants) {
  testsupport::WriteFile(testsupport::ResourcesRoot() + "/data/fixture_manager.ini",
                         "[General]\n0=first\n1=-2\n1-0=varA\n1-1=varB\n2=third\n3=-\n4=never\n"
                         "[Odd]\n0=-\n");
  StringManager manager("data/fixture_manager.ini");
  EXPECT_STREQ(manager.GetGenString(0), "first");
  std::string variant = manager.GetGenString(1);
  EXPECT_TRUE(variant == "varA" || variant == "varB") << variant;
  EXPECT_STREQ(manager.GetGenString(2), "third");
  EXPECT_EQ(manager.GetGenString(3), nullptr);  // "-" ended the section
  EXPECT_EQ(manager.GetGenString(-1), nullptr);
  EXPECT_EQ(manager.GetRndString("Odd"), nullptr);
  manager.Release();
  EXPECT_STREQ(manager.GetGenString(0), "first");  // loads again after a release
}

}  // namespace
