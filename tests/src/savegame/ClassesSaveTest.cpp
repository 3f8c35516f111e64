// Evening-class enrolments in a saved game: two courses come back in their order and the file
// saved again is the same; a course that the tables no longer hold is left out with one warning
// that names the file and the line.
#include <string>
#include <vector>

#include "GDebug.h"
#include "HOOK_EveningClassType.h"
#include "SaveGameTestSupport.h"

namespace {

using savetest::SaveFile;

std::vector<std::string> EnrolledNames() {
  std::vector<std::string> names;
  for (const HOOK_EveningClassType* cls : HOOK_EveningClassType::Enrolled) names.push_back(cls->GetName());
  return names;
}

void EnrolInTwo() {
  savetest::PlayNights(2);
  const HOOK_EveningClassType::ClassList underway = HOOK_EveningClassType::Enrolled;
  for (HOOK_EveningClassType* cls : underway)
    cls->CourseFinished();
  ASSERT_FALSE(HOOK_EveningClassType::TechnicalClasses.empty());
  ASSERT_FALSE(HOOK_EveningClassType::DramaClasses.empty());
  HOOK_EveningClassType::TechnicalClasses.front()->Enroll();
  HOOK_EveningClassType::DramaClasses.front()->Enroll();
}

TEST(ClassesSave, TwoEnrolmentsComeBackInOrderAndSaveTheSame) {
  EnrolInTwo();
  const std::vector<std::string> before = EnrolledNames();
  ASSERT_EQ(before.size(), 2u);
  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("classes"));
  const std::string first = SaveFile("classes");
  ASSERT_TRUE(SIM_GetLoadGame()->LoadGame("classes")) << SIM_GetLoadGame()->GetFailureText();
  EXPECT_EQ(EnrolledNames(), before);
  for (const HOOK_EveningClassType* cls : HOOK_EveningClassType::Enrolled) EXPECT_TRUE(cls->IsEnrolled());
  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("classes"));
  EXPECT_EQ(SaveFile("classes"), first);
  savetest::ExpectCleanLog();
}

TEST(ClassesSave, AVanishedClassIsLeftOutWithOneWarning) {
  EnrolInTwo();
  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("classes"));
  std::string text = SaveFile("classes");
  const std::string gone = HOOK_EveningClassType::Enrolled.front()->GetName();
  const std::string kept = HOOK_EveningClassType::Enrolled.back()->GetName();
  const size_t at = text.find("<name>" + gone + "</name>");
  ASSERT_NE(at, std::string::npos);
  text.replace(at + 6, gone.size(), "closed_school");
  testsupport::WriteFile(SIM_SaveGame::PathOf("stale"), text);

  ASSERT_TRUE(SIM_GetLoadGame()->LoadGame("stale")) << SIM_GetLoadGame()->GetFailureText();
  EXPECT_EQ(EnrolledNames(), std::vector<std::string>{kept});
  const std::string log = testsupport::ReadFile(GetDebug()->GetPath());
  const size_t warned = log.find("Failed to find enrolled class \"closed_school\"");
  ASSERT_NE(warned, std::string::npos);
  EXPECT_EQ(log.find("closed_school", warned + 40), std::string::npos) << "one warning";
  const size_t lineStart = log.rfind('\n', warned);
  EXPECT_NE(log.substr(lineStart, warned - lineStart).find("stale"), std::string::npos) << "the warning names the file";
}

}  // namespace
