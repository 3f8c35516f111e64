// Table rows as the readers see them: CSV splitting, spreadsheets, file lists.
#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "CSV.h"
#include "CSpreadsheet.h"
#include "GFileList.h"
#include "TestSupport.h"

namespace {

std::vector<std::string> Split(const std::string& line, bool preserveQuotes = false) {
  CSV csv;
  csv.Initialise(line.c_str(), ',');
  csv.SetPreserveQuotes(preserveQuotes);
  std::vector<std::string> out;
  while (!csv.Finished()) out.push_back(csv.GetNextToken());
  return out;
}

using Tokens = std::vector<std::string>;

TEST(CSV, SplitsLinesIntoFields) {
  struct Case {
    const char* line;
    Tokens tokens;
  } cases[] = {
      {"#,name,,3\n", {"#", "name", "", "3"}},
      {"#,abc\r\n", {"#", "abc"}},                 // a CR LF line ends at the CR
      {"a,\"b,c\",d", {"a", "b,c", "d"}},          // a quoted field keeps its separators
      {"\"say \"\"hi\"\"\",x", {"say hi", "x"}},   // two quotes in a row add nothing
      {"a,b", {"a", "b"}},
      {"", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(Split(c.line), c.tokens) << c.line;
  EXPECT_EQ(Split("a,\"b,c\"", true), (Tokens{"a", "\"b,c\""}));
}

TEST(CSV, TypedFieldsOfARow) {
  CSV csv;
  csv.Initialise("#,name ,,3, 2.5,x7\n", ',', "t.csv:4");
  EXPECT_STREQ(csv.GetNextToken(), "#");
  EXPECT_EQ(csv.GetNextString(), "name");  // trailing space trimmed
  EXPECT_EQ(csv.GetNextInt(), 0);          // empty field
  EXPECT_EQ(csv.GetNextInt(), 3);
  EXPECT_FLOAT_EQ(csv.GetNextFloat(), 2.5f);
  EXPECT_EQ(csv.GetNextInt(), 0);  // not a number
  EXPECT_TRUE(csv.Finished());
  EXPECT_EQ(csv.Problems(), 0);
}

TEST(CSV, NumbersIgnoreLocaleAndClamp) {
  EXPECT_FLOAT_EQ(CSV::ParseFloat("-0.25"), -0.25f);
  EXPECT_FLOAT_EQ(CSV::ParseFloat("+1e2"), 100.0f);
  EXPECT_FLOAT_EQ(CSV::ParseFloat(".5abc"), 0.5f);
  // Always a finite number: out of range clamps, and what only looks numeric is 0.
  EXPECT_FLOAT_EQ(CSV::ParseFloat("-1e39"), -std::numeric_limits<float>::max());
  EXPECT_FLOAT_EQ(CSV::ParseFloat("inf"), std::numeric_limits<float>::max());
  EXPECT_EQ(CSV::ParseFloat("--1e39"), 0.0f);
  EXPECT_EQ(CSV::ParseFloat("-nan"), 0.0f);
  EXPECT_EQ(CSV::ParseInt("99999999999"), 2147483647);
  EXPECT_EQ(CSV::ParseInt("  -12x"), -12);
}

TEST(CSV, BrokenRowsGiveEmptyFieldsAndAreCounted) {
  CSV past;
  past.Initialise("#,a", ',', "t.csv:1");
  past.GetNextToken();
  past.GetNextToken();
  for (int i = 0; i < 3; ++i) EXPECT_STREQ(past.GetNextToken(), "");
  EXPECT_GT(past.Problems(), 0);

  CSV open;
  open.Initialise("#,\"abc,def\n", ',', "t.csv:2");
  open.GetNextToken();
  EXPECT_EQ(open.GetNextString(), "abc,def");  // the open quote runs to the end of the line
  EXPECT_STREQ(open.GetNextToken(), "");
  EXPECT_GT(open.Problems(), 0);

  std::string longLine = "#," + std::string(20000, 'x') + ",tail";
  CSV cut;
  cut.Initialise(longLine.c_str(), ',', "t.csv:3");
  cut.GetNextToken();
  EXPECT_EQ(std::string(cut.GetNextToken()).size(), (size_t)CSV::kMaxLine - 1 - 2);
  EXPECT_TRUE(cut.Finished());
  EXPECT_EQ(cut.Problems(), 1);
}

TEST(CSpreadsheet, KeepsOnlyHashRowsWithTheirLines) {
  CSpreadsheet sheet;
  sheet.LoadFromText(
      "name,value\n"
      "; a comment\n"
      "\n"
      "#,first,1\r\n"
      " #,indented is no row\n"
      "#,second,2\n"
      "#,last without newline",
      "t.csv");
  ASSERT_EQ(sheet.size(), 3u);
  EXPECT_EQ(sheet[0], "#,first,1\r\n");  // kept whole
  EXPECT_EQ(sheet.LineOf(1), 6);
  EXPECT_EQ(sheet.Origin(2), "t.csv:7");
  EXPECT_EQ(sheet.Problems(), 0);

  CSpreadsheet longRow;
  longRow.LoadFromText("#," + std::string(20000, 'y') + "\n#,next\n", "long.csv");
  ASSERT_EQ(longRow.size(), 2u);
  EXPECT_LT(longRow[0].size(), (size_t)CSV::kMaxLine);
  EXPECT_EQ(longRow[1], "#,next\n");
  EXPECT_EQ(longRow.Problems(), 1);
}

TEST(CSpreadsheet, ReadsFromTheResourcesFolderAndToleratesAMissingFile) {
  testsupport::WriteFile(testsupport::ResourcesRoot() + "/data/lint_probe/table.csv", "head\n#,a,1\n#,b,2\n");
  CSpreadsheet* sheet = CSpreadsheet::Create("data/lint_probe/table.csv");
  EXPECT_EQ(sheet->size(), 2u);
  delete sheet;

  CSpreadsheet missing("data/no_such_table.csv");
  EXPECT_TRUE(missing.empty());
  EXPECT_EQ(missing.Problems(), 1);
  EXPECT_TRUE(CSpreadsheet("x").empty());  // names under two characters are no file
}

TEST(GFileList, ListsFilesAndFoldersFromTheResourcesFolder) {
  GFileList empty;
  EXPECT_EQ(empty.GetRandom(), "");

  std::string dir = testsupport::ResourcesRoot() + "/data/listprobe/";
  testsupport::WriteFile(dir + "b.txt", "b");
  testsupport::WriteFile(dir + "a.txt", "a");
  testsupport::WriteFile(dir + "c.png", "c");
  testsupport::WriteFile(dir + "sub/x.txt", "x");
  testsupport::WriteFile(dir + ".hidden/x.txt", "x");

  GFileList names;
  names.AddFiles("data/listprobe/*.txt");
  EXPECT_EQ(names.Names(), (std::vector<std::string>{"a.txt", "b.txt"}));

  GFileList full;
  full.StoreFullPaths();
  full.AddFiles("data/listprobe/*.txt");
  full.AddDirectories("data/listprobe/*");
  EXPECT_EQ(full.Names(), (std::vector<std::string>{"data/listprobe/a.txt", "data/listprobe/b.txt",
                                                    "data/listprobe/sub"}));
  srand(7);
  std::string pick = full.GetRandom();
  EXPECT_NE(pick, "");

  GFileList none;
  none.AddFiles("data/no_such_folder/*.txt");
  EXPECT_EQ(none.Count(), 0u);

  EXPECT_TRUE(GFile::FileExists("data/listprobe/a.txt"));
  EXPECT_FALSE(GFile::FileExists("data/listprobe/zzz.txt"));
}

}  // namespace
