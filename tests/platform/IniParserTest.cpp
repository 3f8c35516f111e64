#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "GDebug.h"
#include "IniParser.h"
#include "TestSupport.h"

namespace {
struct Dict {
  explicit Dict(const char* text) : d(iniparser_load_text(text, "test.ini")) {}
  ~Dict() { iniparser_freedict(d); }
  const char* Get(const char* name) { return iniparser_getstring(d, name, "<none>"); }
  dictionary* d;
};

std::string Dump(void (*dump)(dictionary*, FILE*), dictionary* d) {
  FILE* f = std::tmpfile();
  dump(d, f);
  std::rewind(f);
  std::string out;
  char buffer[256];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0) out.append(buffer, got);
  std::fclose(f);
  return out;
}
}  // namespace

TEST(IniParser, LineForms) {
  Dict ini(
      "top = before any header\n"
      "  ; a comment\n"
      "# another\n"
      "[Sec]\n"
      "quoted = \"keeps ; and # inside\"  ; comment\n"
      "single = 'single ; quoted'\n"
      "plain = ends here ; comment\n"
      "hash = ends#here\n"
      "empty = \"\"\n"
      "emptysingle = ''\n"
      "emptyspaced = \"\"   ; comment\n"
      "open = \"no closing quote  \n"
      "spaced   =    trailing   \r\n"
      "noequals\n"
      "nothing =\n"
      "onlycomment = ;x\n"
      "Key = upper\n"
      "key = lower\n"
      "[sec] trailing text\n"
      "Key = other section\n"
      "[ spaced name ]\n"
      "a = 1\n"
      "[Sec]\n"
      "plain = replaced\n");
  EXPECT_STREQ(ini.Get("top"), "before any header");
  EXPECT_STREQ(ini.Get("Sec:top"), "<none>");
  EXPECT_STREQ(ini.Get("Sec:quoted"), "keeps ; and # inside");
  EXPECT_STREQ(ini.Get("Sec:single"), "single ; quoted");
  EXPECT_STREQ(ini.Get("Sec:plain"), "replaced");
  EXPECT_STREQ(ini.Get("Sec:hash"), "ends");
  EXPECT_STREQ(ini.Get("Sec:empty"), "");
  EXPECT_STREQ(ini.Get("Sec:emptysingle"), "");
  EXPECT_STREQ(ini.Get("Sec:emptyspaced"), "");
  EXPECT_STREQ(ini.Get("Sec:open"), "no closing quote");
  EXPECT_STREQ(ini.Get("Sec:spaced"), "trailing");
  EXPECT_EQ(iniparser_find_entry(ini.d, "Sec:noequals"), 0);
  EXPECT_EQ(iniparser_find_entry(ini.d, "Sec:nothing"), 0);
  EXPECT_EQ(iniparser_find_entry(ini.d, "Sec:onlycomment"), 0);
  EXPECT_STREQ(ini.Get("Sec:Key"), "upper");
  EXPECT_STREQ(ini.Get("Sec:key"), "lower");
  EXPECT_STREQ(ini.Get("sec:Key"), "other section");
  EXPECT_STREQ(ini.Get(" spaced name :a"), "1");
  // Headers are entries without a value, in the order first seen.
  EXPECT_EQ(iniparser_find_entry(ini.d, "Sec"), 1);
  EXPECT_EQ(iniparser_getnsec(ini.d), 4);  // "top", "Sec", "sec", " spaced name "
  EXPECT_STREQ(iniparser_getsecname(ini.d, 1), "Sec");
  EXPECT_STREQ(iniparser_getsecname(ini.d, 3), " spaced name ");
  EXPECT_EQ(iniparser_getsecname(ini.d, 4), nullptr);
  EXPECT_STREQ(iniparser_getstring(ini.d, "Sec", "def"), "def");
  EXPECT_STREQ(iniparser_getstring(nullptr, "x", "def"), "def");
}

TEST(IniParser, OverLongLineIsSplitWithOneWarning) {
  GetDebug()->Initialise();
  std::string text = "[S]\nlong = " + std::string(2100, 'x') + "\nafter = 1\n";
  Dict ini(text.c_str());
  GetDebug()->Shutdown();
  EXPECT_EQ(std::string(ini.Get("S:long")), std::string(2047 - 7, 'x'));
  EXPECT_STREQ(ini.Get("S:after"), "1");
  std::string log = testsupport::ReadFile(GetDebug()->GetPath());
  EXPECT_NE(log.find("test.ini line 2 is longer than 2047 characters"), std::string::npos);
}

TEST(IniParser, DictionaryKeepsSlotOrderAndGrows) {
  dictionary* d = dictionary_new(0);
  EXPECT_EQ(d->size, 128);
  for (int i = 0; i < 300; ++i) dictionary_setint(d, ("k" + std::to_string(i)).c_str(), i);
  EXPECT_EQ(d->n, 300);
  EXPECT_GE(d->size, 300);
  EXPECT_EQ(dictionary_getint(d, "k299", -1), 299);
  dictionary_unset(d, "k1");
  EXPECT_EQ(d->key[1], nullptr);
  dictionary_set(d, "new", nullptr);  // takes the freed slot
  EXPECT_STREQ(d->key[1], "new");
  EXPECT_EQ(dictionary_get(d, "new", "def"), nullptr);
  dictionary_setdouble(d, "half", 0.5);
  EXPECT_DOUBLE_EQ(dictionary_getdouble(d, "half", 0), 0.5);
  EXPECT_EQ(dictionary_getchar(d, "half", 'z'), '0');
  EXPECT_EQ(dictionary_hash("abc"), dictionary_hash("abc"));
  EXPECT_NE(dictionary_hash("abc"), dictionary_hash("Abc"));
  dictionary_del(d);
}

TEST(IniParser, ConversionsAndDumps) {
  Dict ini("[a]\nyes = Yes\nno = false\nodd = maybe\nn = 42\nf = 2.5\n[b]\nx = 1\n");
  EXPECT_EQ(iniparser_getboolean(ini.d, "a:yes", -1), 1);
  EXPECT_EQ(iniparser_getboolean(ini.d, "a:no", -1), 0);
  EXPECT_EQ(iniparser_getboolean(ini.d, "a:odd", -1), -1);
  EXPECT_EQ(iniparser_getint(ini.d, "a:n", 0), 42);
  EXPECT_DOUBLE_EQ(iniparser_getdouble(ini.d, "a:f", 0), 2.5);
  EXPECT_EQ(iniparser_setstr(ini.d, "b:y", "2"), 0);
  iniparser_unset(ini.d, "b:x");
  auto row = [](std::string key, const char* value) {
    key.resize(30, ' ');
    return key + " = " + value + "\n";
  };
  EXPECT_EQ(Dump(iniparser_dump_ini, ini.d), "\n[a]\n" + row("yes", "Yes") + row("no", "false") + row("odd", "maybe") +
                                                 row("n", "42") + row("f", "2.5") + "\n[b]\n" + row("y", "2") + "\n");
  Dict small("k = v\n[s]\n");
  EXPECT_EQ(Dump(iniparser_dump, small.d), "[k]=[v]\n[s]=UNDEF\n");
  EXPECT_EQ(Dump(dictionary_dump, small.d), std::string(19, ' ') + "k\t[v]\n" + std::string(19, ' ') + "s\t[UNDEF]\n");
  EXPECT_STREQ(strstrip("  a b  "), "a b");
  EXPECT_STREQ(strlwc("AbC"), "abc");
  EXPECT_STREQ(strupc("AbC"), "ABC");
}

TEST(IniParser, LoadsFilesAndRefusesMissingOnes) {
  std::string path = testsupport::TestRoot() + "/p.ini";
  testsupport::WriteFile(path, "[s]\r\nk = v\r\n");
  dictionary* d = iniparser_load(path.c_str());
  ASSERT_NE(d, nullptr);
  EXPECT_STREQ(iniparser_getstring(d, "s:k", ""), "v");
  iniparser_freedict(d);
  EXPECT_EQ(iniparser_load((testsupport::TestRoot() + "/none.ini").c_str()), nullptr);
}
