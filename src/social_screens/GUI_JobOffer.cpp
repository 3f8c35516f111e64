#include "GUI_JobOffer.h"

#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_ButtonText.h"
#include "GUI_MobilePhoneInbox.h"
#include "GUI_NPCPortrait.h"
#include "GUI_PhoneMessage.h"
#include "Game.h"
#include "LibTextEngine.h"
#include "SIM_Industry.h"
#include "SIM_JobBase.h"
#include "SIM_JobOffer.h"
#include "SIM_NPC.h"
#include "SIM_Vede.h"
#include "StringUtils.h"

GUI_JobOffer* GUI_JobOffer::PTheWindow = nullptr;
GUI_JobUnlock* GUI_JobUnlock::PTheWindow = nullptr;

namespace {

// A deleted message must not stay listed in an open inbox.
void RefreshInbox() {
  if (GUI_MobilePhoneInbox::PTheWindow) GUI_MobilePhoneInbox::Populate();
}

GUI_ButtonText* AnswerButton(const char* label, GUI_ButtonBase::Callback callback, const char* tooltip) {
  GUI_ButtonText* button = new GUI_ButtonText(label, callback, 0);
  button->SetTooltip(tooltip, 60);
  return button;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// The answer to an application

void GUI_JobOffer::Create(SIM_JobOffer* offer, GUI_PhoneMessage* message) {
  GAssert(offer != nullptr && message != nullptr, __FILE__, __LINE__);
  if (!offer || !message) return;
  Close();
  new GUI_JobOffer(offer, message);
}

void GUI_JobOffer::Close() {
  GUI_JobOffer* window = PTheWindow;
  PTheWindow = nullptr;
  delete window;
}

void GUI_JobOffer::Accept(int) {
  if (!PTheWindow) return;
  PTheWindow->m_offer->Accept();
  GetDebug()->DebugOut(GFormat("Job offer accepted: %s", PTheWindow->m_offer->GetJob()->GetGUIName().c_str()).c_str());
  Close();
}

void GUI_JobOffer::Reject(int) { Close(); }

GUI_JobOffer::GUI_JobOffer(SIM_JobOffer* offer, GUI_PhoneMessage* message)
    : GUI_Dialog(true), m_offer(offer), m_message(message), m_messageId(message->GetId()) {
  PTheWindow = this;
  SetSize(kWidth, kHeight);
  PlaceCentral();
  UpdateClientArea();

  SIM_JobBase* job = offer->GetJob();
  SIM_Industry* industry = job ? SIM_Industry::GetIndustry(job->GetIndustryName()) : nullptr;
  if (!industry)
    GWarnOnce("jobofferindustry", "Job offer for a job without a known industry", __FILE__, __LINE__);
  if (offer->Offered()) {
    SetTitle(GTranslation::GetString("JOBOFFER_TITLE"));
    m_acceptButton = AnswerButton("JOBOFFER_ACCEPT", Accept, "JOBOFFER_ACCEPT_TOOLTIP");
    AddButton(m_acceptButton);
    m_rejectButton = AnswerButton("JOBOFFER_REJECT", Reject, "JOBOFFER_REJECT_TOOLTIP");
    AddButton(m_rejectButton);
    if (industry) m_text = industry->GetJobOfferText();
    AddHelpButton("HELP_JOBOFFERED");
    offer->ApplyOfferedEffects();
  } else {
    if (industry) m_text = industry->GetJobRejectionText();
    SetTitle(GTranslation::GetString("JOBOFFER_TITLE_REJECTED"));
    offer->ApplyRejectEffects();
    AddHelpButton("HELP_JOBREJECTED");
  }

  GTranslation::ReplaceToken(m_text, "<RAVEZIRER>", SIM_GetVede()->GetForeName());
  if (job) {
    const std::string salary = GFormat("%s%s", GetGame()->GetCurrency(), NumToDelimitedChar((long)job->GetMinSalary()).c_str());
    GTranslation::ReplaceToken(m_text, "<SALARY>", salary.substr(0, 63));
    GTranslation::ReplaceToken(m_text, "<JOBNAME>", job->GetGUIName());
    GTranslation::ReplaceToken(m_text, "<EMPLOYERNAME>", job->GetEmployerName());
  }
  GTranslation::ReplaceToken(m_text, "<TOWNNAME>", GetGame()->GetTownName());
  if (!offer->Offered()) GTranslation::ReplaceToken(m_text, "<REASON>", GTranslation::GetString(SIM_JobOffer::GetReasonKey(offer->GetReason())));
  SetModal(true);
  GetDebug()->DebugOut(GFormat("Job offer dialog: %s job %d", offer->Offered() ? "offered" : "rejected",
                               job ? job->GetGUID() : -1).c_str());
}

GUI_JobOffer::~GUI_JobOffer() {
  if (PTheWindow == this) PTheWindow = nullptr;
  // A new or loaded game frees every offer and message before it sweeps the windows away.
  if (SIM_JobOffer::IsLive(m_offer)) delete m_offer;
  if (GUI_PhoneMessage::Find(m_messageId) == m_message) delete m_message;
  RefreshInbox();
}

void GUI_JobOffer::Draw() {
  const RECT& c = m_clientArea;
  if (m_acceptButton) {
    m_acceptButton->SetPosition((float)c.right - 130.0f, (float)c.bottom - 44.0f, (float)c.right - 20.0f,
                                (float)c.bottom - 20.0f);
    m_rejectButton->SetPosition((float)c.left + 20.0f, (float)c.bottom - 44.0f, (float)c.left + 130.0f,
                                (float)c.bottom - 20.0f);
  }
  GUI_Dialog::Draw();
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime14.dds", 14.0f);
  text->AddWrappedString(m_text, (float)c.left + 20.0f, (float)c.top + 20.0f, (float)(c.right - c.left) - 40.0f,
                         VBColor(0, 0, 0));
  text->ProcessTextQueue(-1);
}

// ---------------------------------------------------------------------------------------------
// A friend's word in the right ear

void GUI_JobUnlock::Create(SIM_NPC* npc, GUI_PhoneMessage* message, SIM_JobBase* job) {
  GAssert(npc != nullptr && message != nullptr, __FILE__, __LINE__);
  if (!npc || !message) return;
  GAssert(job != nullptr, __FILE__, __LINE__);
  if (!job) return;
  Close();
  new GUI_JobUnlock(npc, message, job);
}

void GUI_JobUnlock::Close() {
  GUI_JobUnlock* window = PTheWindow;
  PTheWindow = nullptr;
  delete window;
}

void GUI_JobUnlock::Answered() {
  GUI_PhoneMessage* message = PTheWindow->m_message;
  PTheWindow->m_message = nullptr;
  if (GUI_PhoneMessage::Find(PTheWindow->m_messageId) == message) delete message;
  Close();
  RefreshInbox();
}

void GUI_JobUnlock::Accept(int) {
  if (!PTheWindow) return;
  SIM_GetVede()->SetJob(PTheWindow->m_job);
  GetDebug()->DebugOut(GFormat("Unlocked job taken: %s", PTheWindow->m_job->GetGUIName().c_str()).c_str());
  Answered();
}

void GUI_JobUnlock::Reject(int) {
  if (PTheWindow) Answered();
}

GUI_JobUnlock::GUI_JobUnlock(SIM_NPC* npc, GUI_PhoneMessage* message, SIM_JobBase* job)
    : GUI_Dialog(true), m_job(job), m_message(message), m_messageId(message->GetId()) {
  PTheWindow = this;
  SetSize(kWidth, kHeight);
  PlaceCentral();
  UpdateClientArea();
  std::string title = GTranslation::GetString("JOBUNLOCK_TITLE");
  GTranslation::ReplaceToken(title, "<NAME>", npc->GetFullName());
  SetTitle(title);
  m_acceptButton = AnswerButton("JOBUNLOCK_ACCEPT", Accept, "JOBUNLOCK_ACCEPT_TOOLTIP");
  AddButton(m_acceptButton);
  m_rejectButton = AnswerButton("JOBUNLOCK_REJECT", Reject, "JOBUNLOCK_REJECT_TOOLTIP");
  AddButton(m_rejectButton);
  m_text = GTranslation::GetString("JOBUNLOCK_TEXT");
  m_jobTypeLabel = GTranslation::GetString("JOB_TYPE");
  m_employerLabel = GTranslation::GetString("EMPLOYER");
  m_salaryLabel = GTranslation::GetString("SALARY");
  m_portrait = new GUI_NPCPortrait(npc);
  AddChild(m_portrait);
  GetDebug()->DebugOut(GFormat("Job unlock dialog: job %d", job->GetGUID()).c_str());
}

GUI_JobUnlock::~GUI_JobUnlock() {
  if (PTheWindow == this) PTheWindow = nullptr;
}

std::string GUI_JobUnlock::SalaryValue() const {
  return GFormat("%s %s", GetGame()->GetCurrency(), NumToDelimitedChar((long)m_job->GetMinSalary()).c_str());
}

void GUI_JobUnlock::Draw() {
  const RECT& c = m_clientArea;
  m_portrait->SetPosition((float)c.left + 20.0f, (float)c.top + 20.0f, (float)c.left + 100.0f, (float)c.top + 100.0f);
  m_acceptButton->SetPosition((float)c.right - 190.0f, (float)c.bottom - 44.0f, (float)c.right - 20.0f,
                              (float)c.bottom - 20.0f);
  m_rejectButton->SetPosition((float)c.left + 20.0f, (float)c.bottom - 44.0f, (float)c.left + 190.0f,
                              (float)c.bottom - 20.0f);
  GUI_Dialog::Draw();
  DrawChildren();
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime14.dds", 14.0f);
  const RECT* portrait = m_portrait->GetRect();
  const float textLeft = (float)portrait->right + 20.0f;
  text->AddWrappedString(m_text, textLeft, (float)c.top + 20.0f, (float)(c.right - portrait->right) - 40.0f,
                         VBColor(0, 0, 0));
  const uint32_t black = VBColor(0, 0, 0);
  float y = (float)portrait->bottom + 10.0f;
  const auto row = [&](const std::string& label, const std::string& value) {
    text->AddQueueString(label, (float)c.left + 30.0f, y, black, 0.0f, LibTextEngine::ALIGN_LEFT);
    text->AddQueueString(value, (float)c.left + 190.0f, y, black, 0.0f, LibTextEngine::ALIGN_LEFT);
    y += 20.0f;
  };
  row(m_jobTypeLabel, m_job->GetGUIName());
  row(m_employerLabel, m_job->GetEmployerName());
  row(m_salaryLabel, SalaryValue());
  text->ProcessTextQueue(-1);
}
