#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FileFind.h"
#include "TestSupport.h"

TEST(FileFind, WildcardFitHasNoBacktracking) {
  struct Case {
    const char* name;
    const char* pattern;
    bool fits;
  } cases[] = {
      {"a.dds", "*.dds", true},  {"a.b.dds", "*.dds", false}, {"A.DDS", "*.dds", true},
      {"abc", "*.*", true},      {"abc.txt", "*.*", true},    {"abc", "*", true},
      {"abc", "ab", false},      {"ab", "abc", false},        {"x.txt", "x.txt", true},
      {"a.txt", "?.txt", false},
  };
  for (const Case& c : cases) EXPECT_EQ(WildcardFits(c.name, c.pattern), c.fits) << c.name << " vs " << c.pattern;
}

TEST(FileFind, ListsSortedMatchesAndMarksDirectories) {
  std::string dir = testsupport::TestRoot() + "/find";
  for (const char* name : {"c.txt", "a.txt", "b.dds", "b.txt"}) testsupport::WriteFile(dir + "/" + name, "x");
  testsupport::WriteFile(dir + "/sub.txt/inner", "x");

  WIN32_FIND_DATA data;
  HANDLE_FIND h = FindFirstFile((dir + "/*.txt").c_str(), &data);
  ASSERT_NE(h, nullptr);
  std::vector<std::string> names;
  std::vector<uint32_t> attributes;
  do {
    names.push_back(data.cFileName);
    attributes.push_back(data.dwFileAttributes);
  } while (FindNextFile(h, &data));
  FindClose(h);
  EXPECT_EQ(names, (std::vector<std::string>{"a.txt", "b.txt", "c.txt", "sub.txt"}));
  EXPECT_EQ(attributes.back(), FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_EQ(attributes.front(), 0u);

  // Backslashes are separators too; nothing fitting, or no directory, gives no handle.
  std::string windowsStyle = dir + "\\*.dds";
  h = FindFirstFile(windowsStyle.c_str(), &data);
  ASSERT_NE(h, nullptr);
  EXPECT_STREQ(data.cFileName, "b.dds");
  EXPECT_FALSE(FindNextFile(h, &data));
  FindClose(h);
  EXPECT_EQ(FindFirstFile((dir + "/*.png").c_str(), &data), nullptr);
  EXPECT_EQ(FindFirstFile((dir + "/missing/*.*").c_str(), &data), nullptr);
  EXPECT_EQ(FindFirstFile("*.txt", &data), nullptr);
  EXPECT_FALSE(FindNextFile(nullptr, &data));
  FindClose(nullptr);
}
