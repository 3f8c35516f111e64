#include "SIM_SIM.h"

#include <cstdlib>

#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_AfterWorkScreen.h"
#include "GUI_Avatar.h"
#include "GUI_BookDetails.h"
#include "GUI_ChangeNotifier.h"
#include "GUI_CommuteBackScreen.h"
#include "GUI_CommuteInScreen.h"
#include "GUI_ControlPanel.h"
#include "GUI_Crossword.h"
#include "GUI_Dirt.h"
#include "GUI_EndGame.h"
#include "GUI_EventList.h"
#include "GUI_HintHelp.h"
#include "GUI_LoadingScreen.h"
#include "GUI_Message.h"
#include "GUI_MobilePhone.h"
#include "GUI_MobilePhoneInbox.h"
#include "GUI_NPCIcon.h"
#include "GUI_Palette.h"
#include "GUI_PhoneMessage.h"
#include "GUI_PostMortem.h"
#include "GUI_Postit.h"
#include "GUI_RestaurantChooser.h"
#include "GUI_RoyaltyReport.h"
#include "GUI_SocialInvitation.h"
#include "GUI_SoloActivityChooser.h"
#include "GUI_Sounds.h"
#include "GUI_Tutorial.h"
#include "GUI_WokeUpScreen.h"
#include "GUI_WorkDayScreen.h"
#include "GUI_YearlyReview.h"
#include "HOOK_EveningClassType.h"
#include "ProcessBase.h"
#include "SIM_AchievementBase.h"
#include "SIM_Alcohol.h"
#include "SIM_Asset.h"
#include "SIM_Attribute.h"
#include "SIM_BowlingTeam.h"
#include "SIM_Calendar.h"
#include "SIM_CharacterType.h"
#include "SIM_Charity.h"
#include "SIM_Cheats.h"
#include "SIM_Commute.h"
#include "SIM_CommuteMethod.h"
#include "SIM_Crime.h"
#include "SIM_Date.h"
#include "SIM_Dentist.h"
#include "SIM_Description.h"
#include "SIM_Dirt.h"
#include "SIM_Finances.h"
#include "SIM_FoodMemory.h"
#include "SIM_GlobalVariable.h"
#include "SIM_Health.h"
#include "SIM_InterestType.h"
#include "SIM_JobBase.h"
#include "SIM_JobEvent.h"
#include "SIM_JobInstance.h"
#include "SIM_JobOffer.h"
#include "SIM_JobUnlocks.h"
#include "SIM_Magazine.h"
#include "SIM_MagazineAsset.h"
#include "SIM_Movie.h"
#include "SIM_NPC.h"
#include "SIM_NamedValue.h"
#include "SIM_Names.h"
#include "SIM_PetBase.h"
#include "SIM_PetFood.h"
#include "SIM_PlayerOptions.h"
#include "SIM_PortraitDatabase.h"
#include "SIM_Relationship.h"
#include "SIM_Restaurant.h"
#include "SIM_Romance.h"
#include "SIM_Projects.h"
#include "SIM_RoyaltyStream.h"
#include "SIM_Rumour.h"
#include "SIM_SaveGame.h"
#include "SIM_ScheduledEvents.h"
#include "SIM_Script.h"
#include "SIM_Skill.h"
#include "SIM_SmallTalk.h"
#include "SIM_SocialInvitation.h"
#include "SIM_Subsidies.h"
#include "SIM_SocialiseInstance.h"
#include "SIM_SocialiseType.h"
#include "SIM_SoloActivityInstance.h"
#include "SIM_SoloActivityType.h"
#include "SIM_Statistics.h"
#include "SIM_Vede.h"
#include "SIM_Vorla.h"
#include "SIM_Weather.h"
#include "Timing.h"

namespace {
void LoadingScreen(float progress) { GUI_GetLoadingScreen()->Draw(progress); }

// The player's job, or null when there is none at all.
SIM_JobBase* PlayerJob() { return SIM_GetVede()->GetJob(); }

// Without any job the player is as free as the unemployed (and is paid the same benefit).
bool PlayerUnemployed() {
  SIM_JobBase* job = PlayerJob();
  return !job || job->IsUnemployed();
}
}  // namespace

SIM_SIM* SIM_GetSim() {
  static SIM_SIM sim;
  return &sim;
}

// ---------------------------------------------------------------------------------------------
// Life cycle

void SIM_SIM::Open() {
  if (m_opened) return;
  SIM_GetGlobalVariables()->Load();
  SIM_GetPlayerOptions()->Load();
  std::srand(timeGetTime());

  SIM_PetBase::Open();
  SIM_Date::Open();
  SIM_InterestType::Open();
  SIM_JobBase::Open();
  SIM_Names::Open();
  SIM_CharacterType::Open();
  SIM_Asset::Open();
  SIM_GetWeather()->Open();
  SIM_CommuteMethod::Open();
  m_opened = true;
}

void SIM_SIM::Close() {
  // Saving options that were never loaded would overwrite the player's file with the defaults.
  if (!m_opened) return;
  SIM_SpecialEvent::Close();
  SIM_CommuteMethod::Close();
  SIM_Movie::Close();
  SIM_Rumour::Close();
  SIM_JobBase::Close();
  SIM_GetSmallTalk()->Clear();
  SIM_Asset::Close();
  SIM_SoloActivityInstance::Close();
  SIM_SoloActivityType::Close();
  SIM_SocialiseType::Close();
  SIM_SocialiseInstance::Close();
  SIM_NPC::Close();
  SIM_InterestType::Close();
  SIM_Names::Close();
  SIM_CharacterType::Close();
  GTranslation::Close();
  SIM_GetGlobalVariables()->Save();
  SIM_GetPlayerOptions()->Save();
  GUI_GetSounds()->StopMusic();
  m_opened = false;
}

void SIM_SIM::Reset() {
  m_preBedTasksDone = false;
  m_autosaveFailureTold = false;
  m_tenYearsUp = false;

  SIM_SocialiseType::Open();
  SIM_SoloActivityType::Open();
  SIM_AchievementBase::Open();
  // The last game's projects and drinking would otherwise carry into this one.
  SIM_ResetAllProjects();
  HOOK_GetAlcohol()->Initialise();
  SIM_JobBase::Open();
  SIM_GetJobUnlocks()->Reset();
  SIM_JobOffer::DeleteAll();  // they name jobs of the tables just replaced

  SIM_NamedValueList::Globals.Clear();
  SIM_Attribute::Clear();
  SIM_Skill::Clear();
  LoadingScreen(0.0f);

  SIM_GetStatistics()->Reset();
  SIM_SocialInvitation::Clear();
  SIM_Subsidies::Clear();  // offers name people of the game that was left
  SIM_Date::Reset();
  SIM_GetScheduledEvents()->Clear();
  SIM_GetRomance()->Reset();
  SIM_GetBowlingTeam()->Reset();
  SIM_GetPortraits()->Open();
  SIM_GetCalendar()->Initialise();
  LoadingScreen(0.125f);

  SIM_RoyaltyStream::Open();
  SIM_GetFinances()->Reset();
  GUI_Crossword::ClearSeenIDs();
  SIM_GetVede()->Initialise();
  SIM_GetDirt()->Initialise();
  SIM_GetHealth()->Initialise();
  SIM_SocialiseInstance::Open();
  SIM_SoloActivityInstance::Open();
  LoadingScreen(0.25f);

  SIM_GetVorla()->Initialise();
  SIM_NPC::Open();
  LoadingScreen(0.375f);

  HOOK_EveningClassType::Open();
  SIM_GetHealth()->Initialise();
  GUI_GetDirt()->Process();
  SIM_GetCrime()->Initialise();
  // The last game's crimes, charity run and dentist's appointment stay with it.
  SIM_GetCrime()->ResetLastCrime();
  SIM_GetCharity()->Reset();
  SIM_GetDentist()->Reset();
  LoadingScreen(0.5f);

  SIM_Rumour::Open();
  SIM_Restaurant::Open();
  LoadingScreen(0.6f);

  SIM_Movie::Open();
  SIM_SpecialEvent::Open();
  SIM_FoodMemory::Open();
  LoadingScreen(0.75f);

  SIM_PetFood::Open();
  SIM_Asset::Open();
  SIM_Magazine::Open();
  SIM_JobEvent::Open();
  SIM_GetVede()->RecalcAttributes();
  SIM_GetVorla()->ProcessTurn();
  LoadingScreen(0.85f);

  SIM_GetSmallTalk()->Clear();
  GUI_NPCIcon::PositionAll();
  GUI_NPCIcon::PositionAll();
  SIM_GetDescription()->Initialise();
  SIM_GetDescription()->Compose();

  m_slotsUsed = 0;
  m_slots = 1;
  m_turnCount = 0;
  m_night = false;

  // A cheat may have dirtied the home: the mess shows from the first frame.
  if (SIM_Cheats::Load()) GUI_GetDirt()->Process();

  // Window tests play the last day of a year of the game (1 to 10) to reach that year's review,
  // or the end of the game, in one day: the milestone is tomorrow and the player has had the
  // year's earlier birthdays. Nothing but a test sets the variable.
  if (const char* testYear = std::getenv("VORLA2_TEST_LAST_DAY_OF_YEAR")) {
    const int year = std::atoi(testYear);
    if (year >= 1 && year <= SIM_Date::YEARS_PER_GAME && SIM_Date::PPresentDay) {
      SIM_Date tomorrow = *SIM_Date::PPresentDay;
      tomorrow.IncrementDays(1);
      SIM_Date::EndYearDate = SIM_Date(tomorrow.GetDay(), tomorrow.GetMonth(), tomorrow.GetYear());
      if (year == SIM_Date::YEARS_PER_GAME) SIM_Date::EndGameDate = SIM_Date::EndYearDate;
      SIM_GetVede()->SetAge(SIM_GetVede()->GetAge() + year - 1);
    }
  }

  // The tutorial starts in the evening; the first morning's page is opened by the in-game mode.
  m_mode = GUI_Tutorial::IsRunning() ? TURNMODE_EVENING : TURNMODE_WOKEUP;
  LoadingScreen(1.0f);
}

// ---------------------------------------------------------------------------------------------
// The day

void SIM_SIM::ProcessWakeUp() {
  m_night = false;
  SIM_Attribute::ClearRecentlyChanged();
  if (PlayerUnemployed()) {
    SIM_GetFinances()->AddCash(SIM_GetGlobalVariables()->Get("GV_UNEMPLOYMENT_BENEFIT"));
    if (SIM_JobBase* job = PlayerJob()) job->ApplyModifiers(1.0f);
  }
  m_mode = TURNMODE_WOKEUP;
  GUI_WokeUpScreen::Create();
}

void SIM_SIM::ProcessCommuteIn() {
  SIM_JobBase* job = PlayerJob();
  if (job && job->RequiresSuit()) GUI_GetAvatar()->SetOverriden(true);
  SIM_Attribute::ClearRecentlyChanged();
  m_mode = TURNMODE_COMMUTEIN;
  SIM_GetCommute()->ProcessCommute();
  GUI_CommuteInScreen::Create();
}

void SIM_SIM::ProcessWorkDay() {
  SIM_Attribute::ClearRecentlyChanged();
  if (SIM_JobInstance* instance = SIM_GetVede()->GetJobInstance()) instance->ProcessWorkDay();
  m_mode = TURNMODE_WORKDAY;
  GUI_WorkDayScreen::Create();
}

void SIM_SIM::ProcessCommuteBack() {
  SIM_Attribute::ClearRecentlyChanged();
  SIM_GetCrime()->CheckForMugging();
  SIM_GetCommute()->ProcessCommute();
  m_mode = TURNMODE_COMMUTEBACK;
  GUI_CommuteBackScreen::Create();
}

void SIM_SIM::ProcessAfterWork() {
  SIM_GetCrime()->CheckForBurglary();
  GUI_EventList* events = GUI_GetEventList();
  if (events->HasAfterWorkEvent()) {
    // The page's continue button prepares the evening.
    m_mode = TURNMODE_EVENING;
    GUI_AfterWorkScreen::Create();
    events->SetAfterWorkEvent(false);
    return;
  }
  PrepareForEvening();
}

void SIM_SIM::PrepareForEvening() {
  GUI_GetAvatar()->SetOverriden(false);
  // On a two-slot day the appointments move on between the slots instead (EndDay).
  if (m_slots == 1) SIM_GetScheduledEvents()->NextDay();
  SIM_JobInstance::ResolveFirings();
  SIM_Attribute::ClearRecentlyChanged();
  HOOK_EveningClassType::GenerateReminders();

  SIM_Restaurant::CalculateTableAvailabilityAll();
  SIM_Asset::ProcessAll();
  HOOK_GetAlcohol()->Process();
  SIM_GetVede()->RecalcAttributes();

  SIM_NPC::ProcessAllNPCS();
  SIM_GetVorla()->ProcessTurn();
  SIM_Relationship::AllowPromotions();
  SIM_GetDescription()->Compose();
  GUI_NPCIcon::PositionAll();

  SIM_SpecialEvent::CheckTriggerAll();
  GUI_GetMobilePhone()->CheckRinging();
  m_mode = TURNMODE_EVENING;
  GUI_HintHelp::CheckSnubIconHint();
}

void SIM_SIM::EndDay() {
  ++m_slotsUsed;
  if (m_slotsUsed < m_slots) {
    SIM_GetDirt()->RefreshDirtCache();
    SIM_GetScheduledEvents()->NextDay();
    HOOK_EveningClassType::GenerateReminders();
    if (m_slots == 2) GUI_HintHelp::Launch("weekend");
    return;
  }
  ReallyEndDay();
}

void SIM_SIM::ReallyEndDay() {
  m_mode = TURNMODE_DAYENDED;
  SIM_NPC::SetNobodyBusy();
  SIM_SocialInvitation::SnubOthers();
  GUI_GetControlPanel()->HighlightEndDay();
}

void SIM_SIM::ProcessPreBedTasks() {
  if (m_preBedTasksDone) return;
  m_preBedTasksDone = true;
  SIM_MagazineAsset::ProcessMagazines();
}

void SIM_SIM::CalculateMaxActivities() {
  m_slots = 1;
  if (PlayerUnemployed()) m_slots = 2;
  if (SIM_Date::PPresentDay && SIM_Date::PPresentDay->GetDayOfWeek() > 4) m_slots = 2;
}

// ---------------------------------------------------------------------------------------------
// The night

void SIM_SIM::NextDay() {
  m_night = true;
  m_preBedTasksDone = false;

  // Whatever the day left open goes.
  GUI_ChangeNotifier::CloseAll();
  GUI_PhoneMessage::Clear();
  GUI_MobilePhoneInbox::Close(0);
  GUI_SoloActivityChooser::Close();
  GUI_BookDetails::Close();
  GUI_RestaurantChooser::Close();
  GUI_RoyaltyReport::Close();
  GUI_PhoneMessage::Clear();
  GUI_Postit::Close();
  SIM_PetBase::ClearReminders();
  GUI_GetSounds()->StopSound("data/sounds/telephone.ogg");
  SIM_SocialInvitation::Clear();
  GUI_SocialInvitation::Clear();
  GUI_PostMortem::Close();

  SIM_Effect::ProcessAllEffects();
  SIM_GetScript()->RunScript("daily_grind.txt", 1.0f);
  GUI_GetDirt()->Process();
  SIM_JobOffer::ProcessAll();
  SIM_JobBase::UpdateAvailability();
  SIM_GetJobUnlocks()->NextDay();
  ProcessBase::ProcessAll();
  SIM_Skill::NextDayAll();
  SIM_NPC::ResetFlatteredByInviteAll();

  // The date step: weather, dirt, health and the calendar, the weekly chain, and the end of a
  // year or of the game, which opens the review or the end-of-game screen.
  if (SIM_Date::PPresentDay) SIM_Date::PPresentDay->AddDays(1);

  SIM_Magazine::UpdateAll();
  SIM_GetCharity()->NextDay();
  SIM_GetDentist()->NextDay();
  SIM_Attribute::NextDayAll();
  SIM_GetSmallTalk()->NextDay();
  GUI_GetPalette()->NextDay();
  GUI_PhoneMessage::InputPending();
  GUI_GetAvatar()->ComputeAdjustedWidth();

  // The end of the game: the rest of the night waits for the end-of-game screen's continue.
  if (GUI_EndGame::PTheWindow) return;
  FinishNight();
}

void SIM_SIM::FinishNight(bool endOfGameNight) {
  m_slotsUsed = 0;
  CalculateMaxActivities();
  const bool autosaveFailed = !endOfGameNight && !Autosave();
  ++m_turnCount;

  // The review's continue button opens the morning instead.
  if (!GUI_YearlyReview::PTheWindow) ProcessWakeUp();
  // Told over the morning's page, where the player looks.
  if (autosaveFailed && !m_autosaveFailureTold) {
    m_autosaveFailureTold = true;
    GUI_Message::Create(GTranslation::GetString("AUTOSAVE_FAILED_TEXT"), GTranslation::GetString("AUTOSAVE_FAILED_TITLE"));
  }
}

bool SIM_SIM::Autosave() {
  if (!SIM_GetPlayerOptions()->GetToggle(SIM_PlayerOptions::TOGGLE_AUTOSAVE)) return true;
  SIM_SaveGame* saver = SIM_GetSaveGame();
  if (saver->SaveGame("autosave")) {
    m_autosaveFailureTold = false;
    return true;
  }
  GWarning(GFormat("Autosave failed (%s); the night goes on", saver->GetLastError().c_str()).c_str(), __FILE__,
           __LINE__);
  return false;
}
