#include "HeadlessProjects.h"

#include <cstdlib>

#include "GDebug.h"
#include "GRandom.h"
#include "GUI_ButtonText.h"
#include "GUI_ProjectDetails.h"
#include "GUI_SoloActivityChooser.h"
#include "SIM_AchievementBase.h"
#include "SIM_NPC.h"
#include "SIM_Projects.h"
#include "SIM_RoyaltyStream.h"
#include "SIM_SoloActivityType.h"

HeadlessProjects::Counts HeadlessProjects::TheCounts;

namespace {

constexpr float kProjectEveningChance = 0.3f;
const char* const kProjectActivities[4] = {"sciencetheory", "story", "screenplay", "songwriting"};
const char* const kProjectShortNames[4] = {"theory", "story", "screenplay", "song"};
const char* const kSuccessKeys[4] = {"ACH_THEORY_SUC", "ACH_STORY_SUC", "ACH_SCRE_SUC", "ACH_SON_SUC"};
int g_projectEvenings[4] = {};

SIM_AchievementBase* ProjectOf(int i) {
  switch (i) {
    case 0: return SIM_GetScienceTheory();
    case 1: return SIM_GetNewsStory();
    case 2: return SIM_GetScreenplayWriting();
    default: return SIM_GetSongWriting();
  }
}

}  // namespace

bool HeadlessProjects::SpendEvening() {
  if (!GRandom::IsChance(kProjectEveningChance)) return false;
  GUI_SoloActivityChooser::Create();
  GUI_SoloActivityChooser* chooser = GUI_SoloActivityChooser::PTheWindow;
  if (!chooser) return false;
  // The least worked-on project first, so that every one of them gets its turn.
  int order[4] = {0, 1, 2, 3};
  for (int a = 0; a < 4; ++a)
    for (int b = a + 1; b < 4; ++b)
      if (g_projectEvenings[order[b]] < g_projectEvenings[order[a]]) std::swap(order[a], order[b]);
  // A story moves only with people to ask: without a week full of contacts it waits.
  const bool contacts = SIM_NPC::CountRecentContacts() >= 4;
  for (int i : order) {
    if (i == 1 && !contacts) continue;
    GUI_SoloActivityChooser::ScrollToActivity(kProjectActivities[i]);
    if (!chooser->GetType() || chooser->GetType()->GetName() != kProjectActivities[i] ||
        !chooser->GetStartButton()->IsEnabled())
      continue;
    SIM_AchievementBase* project = ProjectOf(i);
    const float before = project->GetProgress();
    const size_t successesBefore = SIM_AchievementBase::AchievementStrings.size();
    GUI_SoloActivityChooser::StartActivity(0);
    ++TheCounts.evenings;
    ++g_projectEvenings[i];
    if (project->GetProgress() < before) {
      ++TheCounts.finished[i];
      const auto& earned = SIM_AchievementBase::AchievementStrings;
      for (size_t k = successesBefore; k < earned.size(); ++k)
        if (earned[k] == kSuccessKeys[i]) ++TheCounts.succeeded[i];
      GetDebug()->DebugOut(GFormat("Headless player: the %s is finished", kProjectShortNames[i]).c_str());
    }
    // The progress dialog is read and closed.
    delete GUI_ScienceTheoryDetails::PTheWindow;
    delete GUI_JournalistStoryDetails::PTheWindow;
    return true;
  }
  GUI_SoloActivityChooser::Close();
  return false;
}

float HeadlessProjects::RoyaltiesPaid() {
  float total = 0.0f;
  for (const SIM_RoyaltyStream* stream : SIM_RoyaltyStream::All) total += stream->GetTotal();
  return total;
}

std::string HeadlessProjects::ReportLine() {
  std::string line = GFormat("projects: evenings=%d", TheCounts.evenings);
  for (int i = 0; i < 4; ++i) line += GFormat(" %s=%d", kProjectShortNames[i], TheCounts.finished[i]);
  line += GFormat(" streams=%d royalties=%.2f", (int)SIM_RoyaltyStream::All.size(), (double)RoyaltiesPaid());
  return line;
}
