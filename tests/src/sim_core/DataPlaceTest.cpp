// Every warning about data says where the data is: the file and line of a table row (also for the
// lists read out of one of its fields), or the script and the instruction, also for faults found
// deep in the game while an instruction runs. One broken fixture per message.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "Paths.h"
#include "SIM_Attribute.h"
#include "SIM_Cheats.h"
#include "SIM_Date.h"
#include "SIM_ScheduledEvents.h"
#include "SIM_Script.h"
#include "SIM_TimeChunkType.h"
#include "SIM_Weather.h"
#include "SimCoreTestSupport.h"

namespace {

void RunInner(int) { SIM_GetScript()->RunScript("Wobble(3)", 1.0f); }

std::string Fixture(const std::string& name, const std::string& text) {
  std::string path = testsupport::TestRoot() + "/" + name;
  testsupport::WriteFile(path, text);
  return path;
}

struct PlaceCase {
  const char* what;
  // Reads or runs a broken fixture and returns the start of the log line that must come of it.
  std::function<std::string()> run;
};

TEST(DataPlace, EveryWarningNamesItsPlace) {
  GetDebug()->Initialise();
  simtest::PlayerFrom("sim_core/attributes.csv");
  SIM_Date::Close();  // the weather reads month 0
  SIM_GetScript()->AddScriptableFunction(RunInner, "RunInner");

  const PlaceCase cases[] = {
      {"an unknown command in a script file",
       [] {
         const std::string path = GetUserFolder() + "/mods/scripts/place_test.txt";
         testsupport::WriteFile(path, "Frobnicate(1);\n  Grumble(a,\n b);\n");
         SIM_GetScript()->RunScript("place_test.txt", 1.0f);
         return "Unknown scripted function \"Grumble\" (at " + path + ", instruction 2: Grumble(a, b)):";
       }},
      {"an unknown command in a script run from a command of another",
       [] {
         SIM_GetScript()->RunScript("RunInner()", 1.0f);
         return std::string("Unknown scripted function \"Wobble\" (at script \"Wobble(3)\", instruction 1: Wobble(3); "
                            "from script \"RunInner()\", instruction 1: RunInner()):");
       }},
      {"too many arguments",
       [] {
         SIM_GetScript()->RunScript("Call(a);Call(a,2,3,4,5,6)", 1.0f);
         return std::string(
             "Call: more than 5 arguments; the rest are ignored (at script \"Call(a);Call(a,2,3,4,5,6)\", "
             "instruction 2: Call(a,2,3,4,5,6)):");
       }},
      {"a fault found deep in the game while an instruction runs",
       [] {
         SIM_GetScript()->RunScript("Call(no_such_hook)", 1.0f);
         return std::string("Hook not found: no_such_hook (at script \"Call(no_such_hook)\", instruction 1: "
                            "Call(no_such_hook)):");
       }},
      {"a modifier without its value, in a field of a table row",
       [] {
         const std::string path =
             Fixture("events.csv", "name,display,invite,report,prerequisites,#,influences,#,modifiers\n"
                                   "#,party,Party,i,p,#,\"confidence,1\",#,\"optimism,0.1\",\"happiness\"\n");
         SIM_SpecialEvent::Open(path.c_str());
         SIM_SpecialEvent::Close();
         return "CSV: a field read past the end of the row in " + path + ":2 (field \"happiness\")";
       }},
      {"a colour of two parts, in a field of a table row",
       [] {
         SIM_Attribute* tint = new SIM_Attribute();
         tint->Load("#,tint,Tint,,,0,0,0,0,1,\"255,0\",D,L,H,,0\n", "attributes.csv:4");
         return std::string("CSV: a field read past the end of the row in attributes.csv:4 (field \"255,0\")");
       }},
      {"a quality term without a name",
       [] {
         SIM_TimeChunkType type;
         type.SetName("walk");
         type.SetOrigin("data/simulation/solo.csv:9");
         type.ParseQuality(",0.5,confidence,1");
         return std::string("data/simulation/solo.csv:9: Quality term without a name in \",0.5,confidence,1\" (walk)");
       }},
      {"a modifier value the code asks for and the row lacks",
       [] {
         SIM_ModifierContainer gym;
         gym.SetSource("gym");
         gym.SetOrigin("data/simulation/assets.csv:3");
         gym.GetModifierValue("fitness");
         return std::string("Failed to get modifier value: fitness (of gym, data/simulation/assets.csv:3)");
       }},
      {"a cheat with a quote left open",
       [] {
         const std::string path = Fixture("cheats.txt", "name,amount\n#,happiness,0.1\n#,\"optimism,0.1\n");
         SIM_Cheats::Load(path.c_str());
         return "CSV: quote not closed in " + path + ":3";
       }},
      {"a weather table that is missing",
       [] {
         const std::string path = testsupport::TestRoot() + "/no_weather.csv";
         SIM_Weather().Open(path.c_str());
         return "can't find weather.csv: " + path;
       }},
      {"a month whose weather adds up to nothing",
       [] {
         std::string rows = "month,label,sun,cloud,rain,snow\n#,jan,0,0,0,0\n";
         for (int month = 1; month < 12; ++month) rows += "#,m,1,0,0,0\n";
         const std::string path = Fixture("weather_zero.csv", rows);
         SIM_Weather weather;
         weather.Open(path.c_str());
         weather.PickNewWeather();
         return "Weather percentages are invalid: " + path + ":2";
       }},
  };
  for (const PlaceCase& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string line = c.run();
    EXPECT_EQ(simtest::CountLogLines(line), 1) << "wanted a line beginning: " << line << "\nlog:\n"
                                               << testsupport::ReadFile(GetDebug()->GetPath());
  }
  simtest::ResetPlayerState();
}

}  // namespace
