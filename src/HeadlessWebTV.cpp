#include "HeadlessWebTV.h"

#include <cstdlib>
#include <vector>

#include "GDebug.h"
#include "GRandom.h"
#include "GUI_SurfWeb.h"
#include "GUI_WatchTV.h"
#include "SIM_TVChannel.h"

HeadlessWebTV::Counts HeadlessWebTV::Tally;

namespace {
constexpr unsigned kHeadlessEscapeKey = 53;
// How often, without cable, the player reaches for a cable channel before a free one.
constexpr float kTryCableChance = 0.2f;

void Surf() {
  GUI_SurfWeb* screen = GUI_SurfWeb::PTheWindow;
  std::vector<GUI_WebsiteButton*> sites;
  for (GUI_ButtonBase* button : screen->GetButtons()) {
    if (auto* site = dynamic_cast<GUI_WebsiteButton*>(button)) sites.push_back(site);
  }
  if (sites.empty()) {
    screen->HandleKey(kHeadlessEscapeKey);
    return;
  }
  sites[(size_t)std::rand() % sites.size()]->Click();
}

void Watch(HeadlessWebTV::Counts& tally) {
  GUI_WatchTV* remote = GUI_WatchTV::PTheWindow;
  std::vector<GUI_ChannelButton*> open;
  std::vector<GUI_ChannelButton*> refused;
  for (GUI_ButtonBase* button : remote->GetButtons()) {
    auto* channel = dynamic_cast<GUI_ChannelButton*>(button);
    if (!channel) continue;
    (channel->IsAvailable() ? open : refused).push_back(channel);
  }
  if (!refused.empty() && GRandom::IsChance(kTryCableChance)) {
    refused[(size_t)std::rand() % refused.size()]->Click();
    ++tally.cableRefused;
  }
  if (open.empty()) {
    remote->HandleKey(kHeadlessEscapeKey);
  } else {
    GUI_ChannelButton* chosen = open[(size_t)std::rand() % open.size()];
    if (chosen->GetChannel() && chosen->GetChannel()->NeedsCable()) ++tally.cableWatched;
    chosen->Click();
    ++tally.watched;
  }
  // The remote slides away on screen; here it is simply put away.
  GUI_WatchTV::Close();
}
}  // namespace

void HeadlessWebTV::Play() {
  if (GUI_SurfWeb::PTheWindow) {
    Surf();
    ++Tally.surfed;
  }
  if (GUI_WatchTV::PTheWindow && GUI_WatchTV::PTheWindow->GetMode() != GUI_WatchTV::MODE_SLIDING_OUT) Watch(Tally);
}

std::string HeadlessWebTV::ReportLine() {
  return GFormat("web_tv: websites=%d tv=%d cable=%d cable_refused=%d", Tally.surfed, Tally.watched, Tally.cableWatched,
                 Tally.cableRefused);
}
