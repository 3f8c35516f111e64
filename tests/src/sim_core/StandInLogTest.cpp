// The stand-in mark: the name it takes from the function it stands in, and its one line per name
// in the debug log against its record of every call.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GDebug.h"
#include "SIM_StandInLog.h"
#include "TestSupport.h"

namespace {

// Signatures as GCC and Clang write them; the name keeps only the class and the function.
TEST(StandInLog, NameOfKeepsTheClassAndTheFunctionOfASignature) {
  const struct {
    const char* signature;
    const char* name;
  } cases[] = {
      {"void SIM_NPC::Open()", "SIM_NPC::Open"},
      {"static void SIM_NPC::Open()", "SIM_NPC::Open"},
      {"virtual void SIM_Charity::NextDay()", "SIM_Charity::NextDay"},
      {"void GUI_Avatar::DrawAt(V2)", "GUI_Avatar::DrawAt"},
      {"bool SIM_Person::DirectFriendOfVede() const", "SIM_Person::DirectFriendOfVede"},
      {"static SIM_JobBase* SIM_JobBase::GetJobByGUID(int)", "SIM_JobBase::GetJobByGUID"},
      {"SIM_JobBase *SIM_JobBase::GetJobByGUID(int)", "SIM_JobBase::GetJobByGUID"},
      {"const std::string& SIM_X::Name(const std::map<std::string, int>&) const &", "SIM_X::Name"},
      {"std::vector<std::__cxx11::basic_string<char> > SIM_X::List(void (*)(int))", "SIM_X::List"},
      {"GUI_Fish::GUI_Fish(KIND)", "GUI_Fish::GUI_Fish"},
      {"GUI_X::~GUI_X()", "GUI_X::~GUI_X"},
      {"T GUI_List<T>::Front() [with T = int]", "GUI_List::Front"},
      {"void ns::inner::GUI_X::Draw()", "GUI_X::Draw"},
      {"void {anonymous}::GUI_X::Draw()", "GUI_X::Draw"},
      {"void (anonymous namespace)::GUI_X::Draw()", "GUI_X::Draw"},
      {"void SIM_HookShopping()", "SIM_HookShopping"},
      {"bool GUI_X::operator()(int)", "GUI_X::operator()"},
  };
  for (const auto& c : cases) EXPECT_EQ(SIM_StandInLog::NameOf(c.signature), c.name) << c.signature;
}

// Stand-ins of every kind of function, marked as the game marks them.
class GUI_Sample {
 public:
  GUI_Sample() { STAND_IN(); }
  static void Open() { STAND_IN(); }
  virtual bool IsOpen() const {
    STAND_IN();
    return false;
  }
  virtual ~GUI_Sample() = default;
};

int SIM_HookSample() {
  STAND_IN();
  return 0;
}

std::string LogPath() { return testsupport::ResourcesRoot() + "/debugdata/debug.txt"; }

size_t CountOf(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST(StandInLog, EachNameIsLoggedOnceAndEveryCallRecorded) {
  GetDebug()->Initialise();
  SIM_StandInLog::Clear();
  SIM_StandInLog::SetRecording(true);
  for (int i = 0; i < 2; ++i) {
    GUI_Sample sample;
    GUI_Sample::Open();
    sample.IsOpen();
    SIM_HookSample();
  }
  SIM_StandInLog::SetRecording(false);
  GUI_Sample::Open();  // logged already, and not recorded now
  GetDebug()->Shutdown();

  const std::vector<std::string> once = {"GUI_Sample::GUI_Sample", "GUI_Sample::Open", "GUI_Sample::IsOpen",
                                         "SIM_HookSample"};
  std::vector<std::string> twice = once;
  twice.insert(twice.end(), once.begin(), once.end());
  EXPECT_EQ(SIM_StandInLog::GetCalls(), twice);
  EXPECT_EQ(SIM_StandInLog::Count("GUI_Sample::Open"), 2);

  const std::string log = testsupport::ReadFile(LogPath());
  for (const std::string& name : once) EXPECT_EQ(CountOf(log, "\nSTAND-IN: " + name + "\n"), 1u) << name;
  EXPECT_EQ(CountOf(log, "STAND-IN: "), once.size());
}

}  // namespace
