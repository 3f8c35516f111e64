// The save file's text: how values are escaped and numbers written, and which lines the checker
// takes as a save and which it refuses.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "SIM_LoadGame.h"
#include "SIM_SaveGame.h"

namespace {

TEST(SaveFormat, ValuesAreEscapedAndReadBackExactly) {
  struct Case {
    std::string value;
    std::string written;
  };
  const std::vector<Case> cases = {
      {"plain", "plain"},
      {"Bath & <Wells>", "Bath &amp; &lt;Wells&gt;"},
      {"two\r\nlines", "two&#13;&#10;lines"},
      {"&amp; as typed", "&amp;amp; as typed"},
      {" trailing blank ", " trailing blank "},
      {"\xA3 and \x80", "\xA3 and \x80"},  // single-byte text passes as it is
      {std::string("nul\0inside", 10), std::string("nul\0inside", 10)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SIM_SaveGame::Escape(c.value), c.written);
    EXPECT_EQ(SIM_SaveGame::Unescape(c.written), c.value);
  }
  // A lone "&" that an older save wrote as it was stays text.
  EXPECT_EQ(SIM_SaveGame::Unescape("Bath & Wells &#9; &am"), "Bath & Wells &#9; &am");
}

TEST(SaveFormat, NumbersAreWrittenWithoutTheLocaleAndReadBackTheSame) {
  for (float value : {0.0f, 1.0f, -1.0f, 0.9995f, 0.1f, 1234.5678f, 1e-7f, 3.4e38f, -0.0004f}) {
    const std::string text = SIM_SaveGame::FormatFloat(value);
    EXPECT_EQ(text.find(','), std::string::npos) << text;
    EXPECT_EQ(SIM_LoadGame::ToFloat(text), value) << text;
  }
  EXPECT_EQ(SIM_SaveGame::FormatInt(-42), "-42");
  // Older saves wrote three decimals; text that is not a number reads as 0, and so does a
  // number that is not finite.
  const std::vector<std::pair<std::string, float>> floats = {
      {"0.125", 0.125f}, {" 2.5", 2.5f}, {"+1", 1.0f}, {"7abc", 7.0f}, {"", 0.0f}, {"abc", 0.0f}, {"nan", 0.0f}, {"inf", 0.0f}};
  for (const auto& [text, value] : floats) EXPECT_EQ(SIM_LoadGame::ToFloat(text), value) << text;
  const std::vector<std::pair<std::string, int>> ints = {
      {"12", 12}, {"-3", -3}, {" 4", 4}, {"5,6", 5}, {"x", 0}, {"", 0}, {"99999999999", 0}};
  for (const auto& [text, value] : ints) EXPECT_EQ(SIM_LoadGame::ToInt(text), value) << text;
  EXPECT_EQ(SIM_LoadGame::SplitList("1,2,,3,"), (std::vector<std::string>{"1", "2", "", "3"}));
  EXPECT_TRUE(SIM_LoadGame::SplitList("").empty());
}

// The smallest file the checker accepts: every mandatory section, empty.
std::string Minimal(const std::string& version = "Vorla 2.0.0", const std::string& misc = "<TopSLID>1</TopSLID>\n<TurnCount>0</TurnCount>\n") {
  std::string text = "<xml>\n<header>\n<version>" + version + "</version>\n</header>\n";
  for (const char* tag : {"game", "vede", "finances", "npcs", "relationships", "job_instance", "jobs_applied",
                          "jobs_offered", "jobs_unlocked", "vorla", "commute", "assets", "crime", "date", "globals",
                          "health", "romance", "statistics", "alcohol", "books", "events", "achievements", "bowling",
                          "classes", "unlocks", "pets", "petmeals", "SIM_SIM"}) {
    text += std::string("<") + tag + ">\n</" + tag + ">\n";
  }
  return text + "<misc>\n" + misc + "</misc>\n";
}

TEST(SaveFormat, TheCheckerTakesWholeSavesAndRefusesTheRest) {
  std::vector<SIM_LoadGame::Line> lines;
  std::string why;
  const std::string minimal = Minimal();
  EXPECT_EQ(SIM_LoadGame::Parse(minimal, &lines, &why), SIM_LoadGame::LOAD_OK) << why;
  struct Case {
    std::string what;
    std::string text;
    SIM_LoadGame::FAILURE failure;
  };
  std::string crlf;
  for (char c : minimal) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  const std::vector<Case> cases = {
      {"windows line ends", crlf, SIM_LoadGame::LOAD_OK},
      {"indented, with blank lines", "  " + minimal + "\n\n", SIM_LoadGame::LOAD_OK},
      {"closed", minimal + "</xml>\n", SIM_LoadGame::LOAD_OK},
      {"a newer loader's section after misc", minimal + "<turn>\n<mode>4</mode>\n</turn>\n</xml>\n", SIM_LoadGame::LOAD_OK},
      {"an older minor version", Minimal("Vorla 2.9"), SIM_LoadGame::LOAD_OK},
      {"version 3", Minimal("Vorla 3.0.0"), SIM_LoadGame::LOAD_VERSION},
      {"version 1", Minimal("Vorla 1.2.0"), SIM_LoadGame::LOAD_VERSION},
      {"a version of nothing", Minimal(""), SIM_LoadGame::LOAD_VERSION},
      {"no TopSLID", Minimal("Vorla 2.0.0", "<TurnCount>0</TurnCount>\n"), SIM_LoadGame::LOAD_DAMAGED},
      {"text after </xml>", minimal + "</xml>\n<misc>\n</misc>\n", SIM_LoadGame::LOAD_DAMAGED},
      {"a section out of order", "<xml>\n<game>\n</game>\n" + minimal.substr(6), SIM_LoadGame::LOAD_DAMAGED},
      {"an unclosed element", minimal + "<turn>\n<mode>4\n</turn>\n", SIM_LoadGame::LOAD_DAMAGED},
      {"an element closed by another tag", minimal + "<turn>\n<mode>4</node>\n</turn>\n", SIM_LoadGame::LOAD_DAMAGED},
      {"a group never closed", minimal + "<turn>\n<mode>4</mode>\n", SIM_LoadGame::LOAD_DAMAGED},
      {"a stray closing tag", minimal + "</turn>\n", SIM_LoadGame::LOAD_DAMAGED},
      {"text outside a tag", minimal + "hello\n", SIM_LoadGame::LOAD_DAMAGED},
      {"a raw < in a value", minimal + "<turn>\n<mode>a<b</mode>\n</turn>\n", SIM_LoadGame::LOAD_DAMAGED},
      {"a tag over 127 characters", minimal + "<" + std::string(128, 'a') + ">\n</" + std::string(128, 'a') + ">\n",
       SIM_LoadGame::LOAD_DAMAGED},
      {"not beginning with xml", minimal.substr(6), SIM_LoadGame::LOAD_DAMAGED},
      {"nothing", "", SIM_LoadGame::LOAD_DAMAGED},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SIM_LoadGame::Parse(c.text, &lines, &why), c.failure) << c.what << ": " << why;
  }
}

}  // namespace
