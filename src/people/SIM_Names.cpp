#include "SIM_Names.h"

#include <cstdlib>
#include <vector>

#include "CSV.h"
#include "CSpreadsheet.h"
#include "ExitCleanup.h"
#include "GDebug.h"
#include "SIM_Vede.h"

std::list<SIM_Name*> SIM_Names::MaleForenames;
std::list<SIM_Name*> SIM_Names::FemaleForenames;
std::list<SIM_Name*> SIM_Names::Surnames;
std::list<SIM_Name*> SIM_Names::TownNames;

namespace {
void ReleaseNamesAtExit() { SIM_Names::Close(); }

// Redraws of a forename equal to the player's before the pool is searched for another one.
constexpr int kMaxRedraws = 64;
}  // namespace

void SIM_Names::Open() {
  RegisterExitCleanup(ReleaseNamesAtExit);
  Close();
  LoadNames("data/simulation/surnames.csv", Surnames);
  LoadNames("data/simulation/maleforenames.csv", MaleForenames);
  LoadNames("data/simulation/femaleforenames.csv", FemaleForenames);
  LoadNames("data/simulation/townnames.csv", TownNames);
}

void SIM_Names::Close() {
  ClearList(MaleForenames);
  ClearList(FemaleForenames);
  ClearList(Surnames);
  ClearList(TownNames);
}

void SIM_Names::ClearList(std::list<SIM_Name*>& list) {
  for (SIM_Name* name : list) delete name;
  list.clear();
}

void SIM_Names::LoadNames(const char* file, std::list<SIM_Name*>& list) {
  CSpreadsheet table(file);
  for (size_t i = 0; i < table.size(); ++i) {
    CSV csv;
    csv.Initialise(table[i], ',', table.Origin(i));
    csv.GetNextToken();  // the row marker
    std::string name = csv.GetNextString();
    if (name.empty()) {
      std::string text = GFormat("%s: row without a name", table.Origin(i).c_str());
      GWarnOnce(text, text.c_str(), __FILE__, __LINE__);
      continue;
    }
    list.push_back(new SIM_Name(name));
  }
  if (list.empty()) {
    std::string text = GFormat("No names found in %s; people get an empty name", file);
    GWarnOnce(text, text.c_str(), __FILE__, __LINE__);
  }
}

std::string SIM_Names::GetName(const std::list<SIM_Name*>& list) {
  if (list.empty()) return "";
  auto it = list.begin();
  std::advance(it, std::rand() % (int)list.size());
  return (*it)->Get();
}

std::string SIM_Names::GetForename(int, const std::string&, SIM_GENDER gender, bool notPlayersName) {
  const std::list<SIM_Name*>& list = gender != SIM_MALE ? FemaleForenames : MaleForenames;
  std::string name = GetName(list);
  if (!notPlayersName) return name;
  const std::string& player = SIM_GetVede()->GetForeName();
  for (int redraw = 0; redraw < kMaxRedraws && name == player; ++redraw) name = GetName(list);
  if (name != player) return name;
  // A small pool of mostly the player's name: the first other one, or none at all.
  for (const SIM_Name* other : list) {
    if (other->Get() != player) return other->Get();
  }
  if (!list.empty()) {
    GWarnOnce("forenames all the player's",
              "Every forename of the pool is the player's; people of that gender get an empty forename", __FILE__,
              __LINE__);
  }
  return "";
}
