#include "HeadlessJobs.h"

#include <cstdlib>
#include <vector>

#include "GDebug.h"
#include "GUI_GUI.h"
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
  // The industry chooser: one icon picked; leaving the chooser uses the evening.
  SIM_Industry* industry = SIM_Industry::All[std::rand() % SIM_Industry::All.size()];
  SIM_GetSim()->EndDay();
  // The browser: the openings of today, paged through; the best paid one he meets the
  // requirements of, if it pays more than his job.
  SIM_JobBase::RebuildValidJobsList(industry->GetName(), false);
  SIM_JobBase* best = nullptr;
  for (SIM_JobBase* job : SIM_JobBase::ValidJobs) {
    if (!job->MeetsPrerequisites() || job->GetMinSalary() <= HeadlessCurrentSalary()) continue;
    if (!best || job->GetMinSalary() > best->GetMinSalary()) best = job;
  }
  if (best) {
    best->Apply();
    SIM_JobOffer::Create(best);
    ++TheCounts.applications;
    GetDebug()->DebugOut(GFormat("Headless player applies for job GUID %d", best->GetGUID()).c_str());
  }
  // Closing the browser.
  GUI_GetGUI()->EndDayGUI();
  return true;
}

void HeadlessJobs::OpenAnswers() {
  const std::vector<GUI_PhoneMessage*> messages(GUI_PhoneMessage::All.begin(), GUI_PhoneMessage::All.end());
  for (GUI_PhoneMessage* message : messages) {
    if (message->GetType() == GUI_PhoneMessage::PHONE_JOBOFFER) {
      // The offer window: it shows the answer, and closing it, by either button, ends the offer
      // and its message.
      SIM_JobOffer* offer = static_cast<SIM_JobOffer*>(message->GetSubject());
      if (offer->Offered()) {
        ++TheCounts.offers;
        offer->ApplyOfferedEffects();
        if (offer->GetJob() && offer->GetJob()->GetMinSalary() > HeadlessCurrentSalary()) {
          HeadlessLogNewJob(offer->GetJob(), "offer");
          offer->Accept();
          ++TheCounts.changes;
        }
      } else {
        ++TheCounts.rejections;
        offer->ApplyRejectEffects();
      }
      delete offer;
      delete message;
    } else if (message->GetType() == GUI_PhoneMessage::PHONE_JOBUNLOCK) {
      // The friend's tip: taken at once when it pays better, and either way the message goes.
      ++TheCounts.unlocks;
      SIM_JobBase* job = message->GetExtraJob();
      if (job && job->GetMinSalary() > HeadlessCurrentSalary()) {
        HeadlessLogNewJob(job, "friend");
        SIM_GetVede()->SetJob(job);
        ++TheCounts.changes;
      }
      delete message;
    }
  }
}
