// vorla2-sim [--days N] [--seed S] [--reload-every K]: plays N nights (600 by default, ten years)
// of a new game with the random seed S (1 by default), or until the game ends, without a window.
// With K above 0, every K-th morning the game is saved, loaded back and played on. Prints one line per
// in-game year, then what the town did (invitations received and how they were answered, friends
// made and lost, romances begun), the job hunt (applications, answers, friends' tips, jobs taken), the appointments kept
// (charity runs, dentist's visits) and last "days=<n> end=<yes|no> digest=<hex>". Two runs with the same seed print
// the same digest. Exits 1 when the debug log reports an assertion or an error, 2 on bad usage.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

#include "GDebug.h"
#include "Game.h"
#include "HeadlessClasses.h"
#include "HeadlessJobs.h"
#include "HeadlessPets.h"
#include "HeadlessProjects.h"
#include "HeadlessSolo.h"
#include "HeadlessPlayer.h"
#include "HeadlessTownLife.h"

namespace {

int Usage() {
  std::fprintf(stderr, "usage: vorla2-sim [--days N] [--seed S] [--reload-every K]\n");
  return 2;
}

// A whole non-negative number, or -1.
long ParseCount(const char* text) {
  if (!text || !*text) return -1;
  char* end = nullptr;
  long value = std::strtol(text, &end, 10);
  if (*end || value < 0) return -1;
  return value;
}

}  // namespace

int main(int argc, char** argv) {
  long days = 600;
  long seed = 1;
  long reloadEvery = 0;
  for (int i = 1; i < argc; ++i) {
    const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
    if (std::strcmp(argv[i], "--days") == 0) {
      days = ParseCount(value);
    } else if (std::strcmp(argv[i], "--seed") == 0) {
      seed = ParseCount(value);
    } else if (std::strcmp(argv[i], "--reload-every") == 0) {
      reloadEvery = ParseCount(value);
    } else {
      return Usage();
    }
    if (days < 0 || seed < 0 || reloadEvery < 0) return Usage();
    ++i;
  }

  // No window, no sound device, no alert that waits for an answer.
  setenv("VORLA2_HEADLESS", "1", 1);
  HeadlessPlayer::Result result =
      HeadlessPlayer::Run((int)days, (unsigned)seed, [](const std::string& line) { std::printf("%s\n", line.c_str()); },
                          (int)reloadEvery);
  const HeadlessTownLife::Counts& town = HeadlessTownLife::GetCounts();
  std::printf("town: invitations=%d accepted=%d pleaded=%d snubbed=%d friends_gained=%d friends_lost=%d romances=%d\n",
              town.posted, town.accepted, town.pleaded, town.lapsed, town.friendsGained, town.friendsLost,
              town.romances);
  const HeadlessJobs::Counts& jobs = HeadlessJobs::GetCounts();
  std::printf("jobs: applications=%d offers=%d rejections=%d unlocks=%d changes=%d\n", jobs.applications, jobs.offers,
              jobs.rejections, jobs.unlocks, jobs.changes);
  const std::map<std::string, int>& kept = HeadlessSolo::GetEvenings();
  auto keptOf = [&kept](const char* name) {
    auto it = kept.find(name);
    return it == kept.end() ? 0 : it->second;
  };
  std::printf("appointments: bowlingmatch=%d charityrun=%d dentist=%d\n", keptOf("bowlingmatch"), keptOf("charityrun"),
              keptOf("dentist"));
  const std::map<std::string, int>& pets = HeadlessPets::GetCounts();
  auto petsOf = [&pets](const char* name) {
    auto it = pets.find(name);
    return it == pets.end() ? 0 : it->second;
  };
  std::printf("pets: dog=%d cat=%d fish=%d food=%d homewithpets=%d walkpark=%d lost=%d\n", petsOf("dog"), petsOf("cat"),
              petsOf("fish"), petsOf("dogfood") + petsOf("catfood") + petsOf("fishfood"),
              petsOf("homewithpets") + keptOf("homewithpets"), petsOf("walkpark") + keptOf("walkpark"),
              HeadlessPets::Lost());
  std::printf("%s\n", HeadlessProjects::ReportLine().c_str());
  const HeadlessClasses::Counts& classes = HeadlessClasses::GetCounts();
  std::printf("classes: enrolments=%d lessons=%d completed=%d\n", classes.enrolments, classes.lessons,
              classes.completed);
  std::printf("days=%d end=%s digest=%s\n", result.days, result.ended ? "yes" : "no",
              HeadlessPlayer::Hex(result.digest).c_str());
  std::fflush(stdout);

  int problems = HeadlessPlayer::CountLogProblems();
  if (problems > 0) {
    std::fprintf(stderr, "vorla2-sim: %d assertion or error lines in %s\n", problems, GetDebug()->GetPath().c_str());
  }
  GetGame()->ReleaseResources();
  return problems > 0 ? 1 : 0;
}
