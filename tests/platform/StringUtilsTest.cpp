#include <gtest/gtest.h>

#include "StringUtils.h"

TEST(StringUtils, NumToDelimitedCharGroupsThousands) {
  struct Case {
    long n;
    const char* text;
  } cases[] = {{0, "0"},          {999, "999"},         {1000, "1,000"},         {-1000, "-1,000"},
               {1234567, "1,234,567"}, {-5, "-5"},      {2147483647L, "2,147,483,647"}};
  for (const Case& c : cases) {
    EXPECT_EQ(NumToDelimitedChar(c.n), c.text) << c.n;
    char out[16];
    NumToDelimitedChar(c.n, out);
    EXPECT_STREQ(out, c.text) << c.n;
  }
}

TEST(StringUtils, AngleToObjectInDegrees) {
  EXPECT_NEAR(AngleToObject(0, 0, 0, 1), 180.0, 0.01);
  EXPECT_NEAR(AngleToObject(0, 0, 1, 0), 90.0, 0.01);
  EXPECT_NEAR(AngleToObject(0, 0, -1, 0), 270.0, 0.01);
  EXPECT_NEAR(GetDist(0, 0, 3, 4), 5.0f, 1e-6);
}

TEST(StringUtils, TrimEndNeverLooksAtTheFirstCharacter) {
  EXPECT_EQ(TrimEnd("clicked npc icon  \r\n"), "clicked npc icon");
  EXPECT_EQ(TrimEnd("a\t"), "a\t");  // tabs stay
  EXPECT_EQ(TrimEnd("   "), " ");
  EXPECT_EQ(TrimEnd(" "), "");
  EXPECT_EQ(TrimEnd(""), "");
  std::string longText(1024, 'x');
  longText += "  ";
  EXPECT_EQ(TrimEnd(longText), longText);
}

TEST(StringUtils, SplitKeyValueAndAddDots) {
  std::string key, value;
  EXPECT_FALSE(SplitKeyValue("no separator", key, value));
  ASSERT_TRUE(SplitKeyValue("name  =   a = b \r\n", key, value));
  EXPECT_EQ(key, "name");
  EXPECT_EQ(value, "a = b");
  EXPECT_EQ(AddDots("abcdef", 3), "abc...");
  EXPECT_EQ(AddDots("abc", 3), "abc");
}
