#include "HeadlessJobs.h"

#include <cstdlib>
#include <vector>

#include "GDebug.h"
#include "GUI_JobBrowser.h"
#include "GUI_JobInstanceDetails.h"
#include "GUI_JobOffer.h"
#include "GUI_JobSearch.h"
#include "GUI_PhoneMessage.h"
#include "SIM_Health.h"
#include "SIM_Industry.h"
#include "SIM_JobBase.h"
#include "SIM_JobOffer.h"
#include "SIM_SIM.h"
#include "SIM_Vede.h"

HeadlessJobs::Counts HeadlessJobs::TheCounts;

namespace {
// How often a free evening goes on the job search.
constexpr int kSearchOneEveningIn = 6;

float HeadlessCurrentSalary() {
  const SIM_JobBase* job = SIM_GetVede()->GetJob();
  return job ? job->GetMinSalary() : 0.0f;
}

void HeadlessLogNewJob(SIM_JobBase* job, const char* how) {
  GetDebug()->DebugOut(GFormat("Headless player takes job GUID %d (%s)", job->GetGUID(), how).c_str());
}
}  // namespace

void HeadlessJobs::StartGame() { TheCounts = Counts(); }

bool HeadlessJobs::SearchForJob() {
  if (!SIM_GetHealth()->IsHealthy() || SIM_Industry::All.empty() || std::rand() % kSearchOneEveningIn != 0) return false;
  // The career window's search button, then one industry's icon: leaving the chooser uses the
  // evening and opens the industry's browser.
  SIM_Industry* industry = SIM_Industry::All[std::rand() % SIM_Industry::All.size()];
  GUI_JobInstanceDetails::Create(0);
  GUI_JobInstanceDetails::JobSearch(0);
  GUI_JobSearch::SetIndustry(industry);
  GUI_JobBrowser* browser = GUI_JobBrowser::PTheWindow;
  if (!browser) return true;
  // The adverts, paged through: the best paid one he meets the requirements of, if it pays more
  // than his job, is applied for; closing the browser ends the evening's GUI step either way.
  SIM_JobBase* best = nullptr;
  for (SIM_JobBase* job : SIM_JobBase::ValidJobs) {
    if (!job->MeetsPrerequisites() || job->GetMinSalary() <= HeadlessCurrentSalary()) continue;
    if (!best || job->GetMinSalary() > best->GetMinSalary()) best = job;
  }
  if (!best) {
    GUI_JobBrowser::Close();
    return true;
  }
  while (browser->GetJob() != best && browser->GetPosition() + 1 < SIM_JobBase::ValidJobs.size())
    GUI_JobBrowser::NextType(0);
  ++TheCounts.applications;
  GetDebug()->DebugOut(GFormat("Headless player applies for job GUID %d", best->GetGUID()).c_str());
  GUI_JobBrowser::ChooseJob(0);
  return true;
}

void HeadlessJobs::OpenAnswers() {
  const std::vector<GUI_PhoneMessage*> messages(GUI_PhoneMessage::All.begin(), GUI_PhoneMessage::All.end());
  for (GUI_PhoneMessage* message : messages) {
    if (message->GetType() == GUI_PhoneMessage::PHONE_JOBOFFER) {
      // The offer window shows the answer; closing it, by either button, ends the offer and its
      // message.
      message->Open();
      GUI_JobOffer* window = GUI_JobOffer::PTheWindow;
      if (!window) continue;
      SIM_JobOffer* offer = window->GetOffer();
      if (!offer->Offered()) {
        ++TheCounts.rejections;
        GUI_JobOffer::Close();
        continue;
      }
      ++TheCounts.offers;
      if (offer->GetJob() && offer->GetJob()->GetMinSalary() > HeadlessCurrentSalary()) {
        HeadlessLogNewJob(offer->GetJob(), "offer");
        ++TheCounts.changes;
        GUI_JobOffer::Accept(0);
      } else {
        GUI_JobOffer::Reject(0);
      }
    } else if (message->GetType() == GUI_PhoneMessage::PHONE_JOBUNLOCK) {
      // The friend's tip: taken at once when it pays better, and either way the message goes.
      ++TheCounts.unlocks;
      SIM_JobBase* job = message->GetExtraJob();
      message->Open();
      if (!GUI_JobUnlock::PTheWindow) continue;
      if (job && job->GetMinSalary() > HeadlessCurrentSalary()) {
        HeadlessLogNewJob(job, "friend");
        ++TheCounts.changes;
        GUI_JobUnlock::Accept(0);
      } else {
        GUI_JobUnlock::Reject(0);
      }
    }
  }
}
