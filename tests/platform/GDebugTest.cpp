#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "Alert.h"
#include "GDebug.h"
#include "Launch.h"
#include "Version.h"
#include "TestSupport.h"

namespace {
std::string LogPath() { return testsupport::ResourcesRoot() + "/debugdata/debug.txt"; }

std::string LastLine(const std::string& text) {
  std::string t = text;
  if (!t.empty() && t.back() == '\n') t.pop_back();
  size_t nl = t.rfind('\n');
  return nl == std::string::npos ? t : t.substr(nl + 1);
}
}  // namespace

TEST(GDebug, LogHasHeaderMessagesAndTrailer) {
  GDebugEngine* debug = GetDebug();
  debug->DebugOut("before the log is open");
  debug->Initialise();
  ASSERT_TRUE(debug->IsOpen());
  EXPECT_EQ(debug->GetPath(), LogPath());
  debug->DebugOut("plain line");
  GWarning("a warning", "File.cpp", 12);
  testing::internal::CaptureStderr();
  GError("an error", "Other.cpp", 34);  // non-interactive: returns at once
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("an error:Other.cpp 34"), std::string::npos);

  GAssert(true, "Never.cpp", 1);
  testing::internal::CaptureStderr();
  GAssert(false, "Broken.cpp", 56);
  testing::internal::GetCapturedStderr();
  std::string report = "Assertion failure:filename:Broken.cpp,linenum:56,build:" + std::string(GetAppVersionString());
  EXPECT_EQ(GetBugReport(), report);
  EXPECT_EQ(LastLine(testsupport::ReadFile(LogPath())), report);

  debug->Shutdown();
  debug->DebugOut("after shutdown");
  std::string log = testsupport::ReadFile(LogPath());
  EXPECT_EQ(log.rfind("----DEBUG FILE----\n", 0), 0u);
  EXPECT_NE(log.find(" Version: "), std::string::npos);
  EXPECT_EQ(log.find("before the log is open"), std::string::npos);
  EXPECT_EQ(log.find("after shutdown"), std::string::npos);
  EXPECT_NE(log.find("\nplain line\na warning:File.cpp 12\n\n"), std::string::npos);
  EXPECT_NE(log.find("\nan error:Other.cpp 34\n"), std::string::npos);
  EXPECT_NE(log.find("Problem encountered"), std::string::npos);
  EXPECT_EQ(log.substr(log.size() - 13), "END DEBUG---\n");
}

TEST(GDebug, OnceReportsAreWrittenOncePerName) {
  GetDebug()->Initialise();
  EXPECT_TRUE(GWarnOnce("tex:a.png", "missing a.png", "T.cpp", 1));
  EXPECT_FALSE(GWarnOnce("tex:a.png", "missing a.png", "T.cpp", 1));
  EXPECT_TRUE(GWarnOnce("tex:b.png", "missing b.png", "T.cpp", 1));
  testing::internal::CaptureStderr();
  EXPECT_TRUE(GErrorOnce("key", "bad key", "T.cpp", 2));
  EXPECT_FALSE(GErrorOnce("key", "bad key", "T.cpp", 2));
  testing::internal::GetCapturedStderr();
  GetDebug()->Shutdown();
  std::string log = testsupport::ReadFile(LogPath());
  auto count = [&](const std::string& what) {
    size_t n = 0;
    for (size_t at = log.find(what); at != std::string::npos; at = log.find(what, at + 1)) ++n;
    return n;
  };
  EXPECT_EQ(count("missing a.png"), 1u);
  EXPECT_EQ(count("missing b.png"), 1u);
  EXPECT_EQ(count("bad key:T.cpp 2\n"), 1u);
  EXPECT_EQ(GFormat("%s=%d", "n", 7), "n=7");
}

TEST(GDebug, NonInteractiveComesFromEitherVariable) {
  unsetenv("VORLA2_HEADLESS");
  unsetenv("VORLA2_NONINTERACTIVE");
  EXPECT_FALSE(IsNonInteractive());
  setenv("VORLA2_NONINTERACTIVE", "1", 1);
  EXPECT_TRUE(IsNonInteractive());
  EXPECT_FALSE(IsHeadless());
  testing::internal::CaptureStderr();
  EXPECT_EQ(ShowAlert("Title", "Question", {"Yes", "No", "Maybe"}, 2), 2);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("answered: Maybe"), std::string::npos);
  unsetenv("VORLA2_NONINTERACTIVE");
  setenv("VORLA2_HEADLESS", "1", 1);
  EXPECT_TRUE(IsNonInteractive());
}

TEST(GDebugDeathTest, WindowsErrorEndsTheProgram) {
  EXPECT_EXIT(WindowsError("EnsureDirectoryExists"), ::testing::ExitedWithCode(1),
              "fatal error occurred in the function 'EnsureDirectoryExists'");
}

TEST(Launch, MailTextsAreEscaped) {
  EXPECT_EQ(BuildMailtoUrl("bug report", "a&b=c?d\n100%", "help@example.org"),
            "mailto:help@example.org?subject=bug%20report&body=a%26b%3Dc%3Fd%0A100%25");
  EXPECT_FALSE(LaunchWebPage("https://example.org"));  // nothing opens in a test run
}
