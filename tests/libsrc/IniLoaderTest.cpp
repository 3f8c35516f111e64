#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "GDebug.h"
#include "IniLoader.h"
#include "TestSupport.h"

namespace {
// "key=value" pairs as the settings layer hands them over: each ended by a zero, then one more.
std::string SectionText(std::initializer_list<const char*> pairs) {
  std::string text;
  for (const char* p : pairs) {
    text += p;
    text += '\0';
  }
  return text + '\0';
}
}  // namespace

TEST(IniLoader, CleansValuesAndFindsKeysWhateverTheirCase) {
  testsupport::WriteFile(testsupport::ResourcesRoot() + "/data/loader_test.ini",
                         "top = 1\n"
                         "[Setup]\n"
                         "Width = 640\n"
                         "Title = \"Hello; world\"\n"
                         "Formula = a=b\n"
                         "/Disabled = yes\n"
                         "Scale = 0.5\n"
                         "Tint = 10,20,30\n"
                         "Glow = 10,20,30,40\n"
                         "[setup]\n"
                         "Width = 1\n");
  IniLoader ini;
  ini.LoadSection("Setup", "data\\loader_test.ini");
  EXPECT_EQ(ini.Count(), 6);
  EXPECT_STREQ(ini.GetValue("WIDTH"), "640");
  EXPECT_EQ(ini.GetValueI("width"), 640);
  EXPECT_STREQ(ini.GetValue("title"), "Hello; world");
  EXPECT_STREQ(ini.GetValue("Formula"), "a=b");
  EXPECT_FALSE(ini.HasValue("/Disabled"));
  EXPECT_FALSE(ini.HasValue("top"));
  EXPECT_STREQ(ini.GetValue("missing"), "");
  EXPECT_EQ(ini.GetValueI("missing"), 0);
  EXPECT_FLOAT_EQ(ini.GetValueF("Scale", 9.0f), 0.5f);
  EXPECT_FLOAT_EQ(ini.GetValueF("missing", 9.0f), 9.0f);
  EXPECT_EQ(ini.GetColor("Tint").GetD3DColor(), 0xFF1E140Au);
  EXPECT_EQ(ini.GetColor("Glow").GetD3DColor(), 0x281E140Au);

  // GetNextLine walks the raw pairs, quotes and all.
  char key[256], value[2048];
  ASSERT_TRUE(ini.GetNextLine(key, sizeof key, value, sizeof value));
  EXPECT_STREQ(key, "Width");
  EXPECT_STREQ(value, "640");
  ASSERT_TRUE(ini.GetNextLine(key, sizeof key, value, sizeof value));
  EXPECT_STREQ(value, "Hello; world");
  int more = 0;
  while (ini.GetNextLine(key, 4, value, 4)) ++more;
  EXPECT_EQ(more, 5);
  EXPECT_STREQ(key, "Glo");

  IniLoader other;
  other.LoadSection("setup", "data\\loader_test.ini");
  EXPECT_EQ(other.GetValueI("Width"), 1);
}

TEST(IniLoader, ValueCleaningRules) {
  IniLoader ini;
  std::string text = SectionText({"A=\"quoted\" text = kept", "B=say \\\"hi\\\"", "C=line\nfeed", "D  =x\r", "E="});
  ini.LoadFromSectionText(text, "test");
  EXPECT_STREQ(ini.GetValue("A"), "quoted text = kept");
  EXPECT_STREQ(ini.GetValue("B"), "say \"hi\"");
  EXPECT_STREQ(ini.GetValue("C"), "linefeed");
  EXPECT_STREQ(ini.GetValue("D"), "x\r");
  EXPECT_TRUE(ini.HasValue("E"));
  EXPECT_STREQ(ini.GetValue("E"), "");
  char k[256];
  char v[2048];
  ASSERT_TRUE(ini.GetNextKey(k));
  EXPECT_STREQ(k, "A");
  ASSERT_TRUE(ini.GetNextValue(v));
  EXPECT_STREQ(v, "say \"hi\"");  // one shared index
  ini.SetValueF("a", 1.234f);
  EXPECT_STREQ(ini.GetValue("A"), "1.23");
}

TEST(IniLoader, OverLongValueIsCutWithOneWarning) {
  GetDebug()->Initialise();
  IniLoader ini;
  std::string longPair = "Long=" + std::string(3000, 'v');
  std::string text = SectionText({longPair.c_str(), "Next=1"});
  ini.LoadFromSectionText(text, "data\\big.ini");
  GetDebug()->Shutdown();
  EXPECT_EQ(std::string(ini.GetValue("Long")), std::string(2046, 'v'));
  EXPECT_STREQ(ini.GetValue("Next"), "1");
  std::string log = testsupport::ReadFile(GetDebug()->GetPath());
  EXPECT_NE(log.find("data\\big.ini, section [], key \"Long\": value longer than 2046 characters is cut"),
            std::string::npos);
}

TEST(IniLoader, SavesASectionAndListsSectionNames) {
  IniLoader ini;
  ini.LoadFromSectionText(SectionText({"b=2", "a=1"}), "test");
  std::string path = testsupport::TestRoot() + "/saved.ini";
  ini.SaveAsFile(path.c_str());
  EXPECT_EQ(testsupport::ReadFile(path), "[]\nb = 2\na = 1\n");

  testsupport::WriteFile(path, "[One]\r\nx=1\n[Two Words]  \n[Three] ; note\n");
  ini.LoadAllSectionNames(path.c_str());
  EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"One", "Two Words", "Three] ; not"}));

  IniLoader missing;
  missing.LoadSection("Setup", "data\\absent_loader.ini");
  EXPECT_EQ(missing.Count(), 0);
  EXPECT_STREQ(missing.GetValue("x"), "");
}
