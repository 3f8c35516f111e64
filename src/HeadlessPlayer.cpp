#include "HeadlessPlayer.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <utility>

#include "GDebug.h"
#include "GUI_AfterWorkScreen.h"
#include "GUI_Avatar.h"
#include "GUI_ButtonText.h"
#include "GUI_CommuteBackScreen.h"
#include "GUI_CommuteInScreen.h"
#include "GUI_CommuteMethodChooser.h"
#include "GUI_DragIcon.h"
#include "GUI_ControlPanel.h"
#include "GUI_EndGame.h"
#include "GUI_IconButton.h"
#include "GUI_MenuIntro.h"
#include "GUI_MenuNew.h"
#include "GUI_NameEditor.h"
#include "HeadlessOutings.h"
#include "HeadlessRestaurants.h"
#include "GUI_SocialActivityChooser.h"
#include "GUI_WokeUpScreen.h"
#include "GUI_TeamInvite.h"
#include "GUI_WorkDayScreen.h"
#include "GUI_YearlyReview.h"
#include "CInput.h"
#include "GRandom.h"
#include "Game.h"
#include "HeadlessBooks.h"
#include "HeadlessClasses.h"
#include "HeadlessJobs.h"
#include "HeadlessPets.h"
#include "HeadlessProjects.h"
#include "HeadlessShopping.h"
#include "HeadlessSolo.h"
#include "HeadlessTownLife.h"
#include "HOOK_EveningClassType.h"
#include "SIM_Alcohol.h"
#include "SIM_Asset.h"
#include "SIM_Projects.h"
#include "SIM_RoyaltyStream.h"
#include "SIM_Attribute.h"
#include "SIM_Boredom.h"
#include "SIM_CharacterType.h"
#include "SIM_Charity.h"
#include "SIM_Commute.h"
#include "SIM_CommuteMethod.h"
#include "SIM_Crime.h"
#include "SIM_Date.h"
#include "SIM_Dentist.h"
#include "SIM_Dog.h"
#include "SIM_Finances.h"
#include "SIM_PetFood.h"
#include "SIM_GameConfig.h"
#include "SIM_Health.h"
#include "SIM_LoadGame.h"
#include "SIM_SaveGame.h"
#include "SIM_JobBase.h"
#include "SIM_JobInstance.h"
#include "SIM_JobOffer.h"
#include "SIM_JobUnlocks.h"
#include "SIM_Memory.h"
#include "SIM_NPC.h"
#include "SIM_NamedValue.h"
#include "SIM_Relationship.h"
#include "SIM_SIM.h"
#include "SIM_Skill.h"
#include "SIM_SocialiseType.h"
#include "SIM_Statistics.h"
#include "SIM_TimeChunk.h"
#include "SIM_Vede.h"
#include "SIM_Weather.h"

namespace {

// An evening with nothing to do at all (no solo activity in the table): the slot simply passes.
class HeadlessEmptyEvening : public SIM_TimeChunk {};


// No day takes more presses than this (five to the evening, two evenings, a page); more means the
// day turn is stuck.
constexpr int kMaxPressesPerDay = 16;

std::function<void()> g_betweenPresses;

void BetweenPresses() {
  if (g_betweenPresses) g_betweenPresses();
}

// How often a free evening is spent out with friends.
constexpr float kGoOutChance = 0.85f;

// Who said no, how often in a row, and until which turn the player leaves them be: one no can be
// bad luck, but a player told "not with you" every time stops asking for longer and longer.
struct Refusals {
  int inARow = 0;
  int until = 0;
};
std::map<std::string, Refusals> g_refusals;
constexpr int kDaysPerRefusal = 3;

// An evening out as a player spends it: the social button, a few pages of what is on, friends
// dragged from their icons onto the chooser (some say no), Socialise, and the report's continue
// button. False when nothing came of it (nothing on, too few guests, no money): the chooser is
// closed again and the evening is still free.
bool GoOut() {
  GUI_SocialActivityChooser::Create();
  GUI_SocialActivityChooser* chooser = GUI_SocialActivityChooser::PTheWindow;
  if (!chooser) return false;
  if (chooser->GetOffered().empty()) {
    GUI_SocialActivityChooser::Close();
    return false;
  }
  std::vector<SIM_NPC*> people;
  for (SIM_NPC* npc : SIM_NPC::All)
    if (npc->IsIntroduced() && !npc->IsHidden()) people.push_back(npc);

  // The pages looked through with the arrow, as the friend column's tints show who would enjoy
  // each; the player goes back to the one most of them would like (the first of equals) and, when
  // nobody will come to that, tries the next best, up to three.
  const size_t offered = chooser->GetOffered().size();
  std::vector<std::pair<float, size_t>> ranked;
  for (size_t page = 0; page < offered; ++page) {
    float score = 0.0f;
    for (SIM_NPC* npc : people) score += npc->GetActivityAttractiveness(chooser->GetType());
    // An evening the player is tired of goes last, whoever would like it.
    if (SIM_GetVede()->IsBored(chooser->GetType())) score -= (float)people.size() + 1.0f;
    score += HeadlessOutings::Fancy(chooser->GetType(), (float)people.size());
    score += HeadlessRestaurants::Fancy(chooser->GetType(), (float)people.size());
    ranked.push_back({-score, page});
    GUI_SocialActivityChooser::NextPlace(chooser);
  }
  std::stable_sort(ranked.begin(), ranked.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  size_t current = 0;
  const int wanted = 1 + std::rand() % 4;
  SIM_Vede* vede = SIM_GetVede();
  for (size_t tried = 0; tried < ranked.size() && tried < 3; ++tried) {
    // Paging on empties the guests already asked.
    while (current != ranked[tried].second) {
      GUI_SocialActivityChooser::NextPlace(chooser);
      current = (current + 1) % offered;
    }
    SIM_SocialiseType* type = chooser->GetType();
    // Those who would enjoy it first, and among them the weakest friendship first: those are the
    // ones who need an evening out.
    auto need = [vede, type](SIM_NPC* npc) {
      SIM_Relationship* link = vede->GetRelationship(npc);
      const float strength = link ? link->GetStrength() : 1.0f;
      return (npc->GetActivityAttractiveness(type) >= 0.5f ? 0.0f : 2.0f) + strength;
    };
    const int today = (int)SIM_GetSim()->GetTurnCount();
    std::vector<SIM_NPC*> asked;
    for (SIM_NPC* npc : people) {
      auto refused = g_refusals.find(npc->GetFullName());
      if (refused == g_refusals.end() || refused->second.until <= today) asked.push_back(npc);
    }
    std::stable_sort(asked.begin(), asked.end(), [&](SIM_NPC* a, SIM_NPC* b) { return need(a) < need(b); });
    // Whom the tints show cold to it the player leaves out, save one when nobody is keen.
    size_t keen = 0;
    while (keen < asked.size() && need(asked[keen]) < 2.0f) ++keen;
    asked.resize(std::min(asked.size(), std::max<size_t>(keen, 1)));
    // Each dragged from the friend column onto the middle of the chooser and let go there, until
    // the places the player wants filled are filled or everybody was asked.
    for (SIM_NPC* npc : asked) {
      if ((int)chooser->GetInvitees().size() >= wanted) break;
      GUI_DragIcon::Create(npc);
      CInput* input = GetInput();
      input->mouseX = chooser->GetCenterX();
      input->mouseY = chooser->GetCenterY();
      GUI_DragIcon::Drop();
      const bool stillOpen = GUI_SocialActivityChooser::PTheWindow == chooser;
      Refusals& refusals = g_refusals[npc->GetFullName()];
      if (stillOpen && chooser->IsInvited(npc)) {
        refusals.inARow = 0;
      } else {
        refusals.until = today + kDaysPerRefusal * ++refusals.inARow;
      }
      if (!stillOpen) return false;  // a refusal's window closed it
    }
    chooser->UpdateSocialiseButton();  // as the frame would before the player looks at it
    if (chooser->GetSocialiseButton()->IsEnabled()) break;
  }
  if (!chooser->GetSocialiseButton()->IsEnabled()) {
    GUI_SocialActivityChooser::Close();
    return false;
  }
  GUI_SocialActivityChooser::Socialise(0);
  BetweenPresses();
  HeadlessOutings::FinishOpenOuting();  // the report, or first the machine or the fight
  return true;
}

// FNV-1a over the bytes fed in.
class Hasher {
 public:
  void Bytes(const void* data, size_t size) {
    const unsigned char* p = static_cast<const unsigned char*>(data);
    for (size_t i = 0; i < size; ++i) {
      m_hash ^= p[i];
      m_hash *= 1099511628211ull;
    }
  }
  void Int(int64_t v) { Bytes(&v, sizeof v); }
  void Float(float v) {
    uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    Bytes(&bits, sizeof bits);
  }
  void Text(const std::string& s) {
    Int((int64_t)s.size());
    Bytes(s.data(), s.size());
  }
  uint64_t Get() const { return m_hash; }

 private:
  uint64_t m_hash = 14695981039346656037ull;
};

void HashBoredom(Hasher& h, const SIM_Person* person) {
  for (const SIM_BoredomItem* item : person->GetBoredom()->GetItems()) {
    h.Text(item->GetName());
    h.Float(item->GetValue());
  }
}

// Everything of one NPC that the simulation moves or the savegame keeps.
void HashNPC(Hasher& h, SIM_NPC* npc) {
  h.Int(npc->GetSLID());
  h.Text(npc->GetFullName());
  h.Text(npc->GetPortraitTexture());
  h.Int(npc->GetGender());
  const SIM_Date* birth = npc->GetDateOfBirth();
  h.Int(birth->GetDay());
  h.Int(birth->GetMonth());
  h.Int(birth->GetYear());
  for (const SIM_CharacterType* type : npc->GetCharacterTypes()) h.Text(type->GetName());
  for (const std::string& trait : npc->GetHiddenAttributes()) h.Text(trait);
  h.Int(npc->IsHidden());
  h.Int(npc->IsIntroduced());
  h.Int(npc->IsBusy());
  h.Float(npc->GetWeeklyCash());
  h.Float(npc->GetCash());
  h.Float(npc->GetRomanticCompatibility());
  h.Int(npc->GetDaysSinceSeen());
  h.Int(npc->GetDaysSinceImportantInvite());
  h.Int(npc->GetSnubDelay());
  h.Int(npc->GetSnubCount());
  h.Text(npc->GetSnubCause());
  for (const SIM_Interest* interest : npc->GetInterests().GetInterests()) {
    h.Text(interest->GetName());
    h.Int(interest->IsVisible());
  }
  for (const SIM_EventMemory* memory : npc->GetMemory()->GetMemories()) {
    h.Float(memory->GetRawHappiness());
    h.Float(memory->GetStrength());
  }
  HashBoredom(h, npc);
  for (SIM_NamedValue* value : npc->GetOwnValues().GetRawList()) {
    h.Text(value->GetName());
    h.Float(value->GetValue());
  }
}

// What a year line says of the money: the pay taken since the last line and the lowest cash seen
// at the end of a day since then.
struct YearTally {
  float earnedBefore = 0.0f;
  float lowestCash = 0.0f;
  bool started = false;
};
YearTally g_tally;

void NoteCash() {
  const float cash = SIM_GetFinances()->GetCash();
  if (!g_tally.started || cash < g_tally.lowestCash) g_tally.lowestCash = cash;
  g_tally.started = true;
}

// The fares paid since the last yearly line.
float FaresThisYear = 0.0f;

// The player's way to work: the bus when it rains or snows and the bus can be taken, otherwise on
// foot, chosen in the commute chooser as a player would.
void ChooseCommute() {
  const int weather = SIM_GetWeather()->GetType();
  const bool wet = weather == SIM_Weather::WEATHER_RAIN || weather == SIM_Weather::WEATHER_SNOW;
  const std::string wanted = wet ? "bus" : "walk";
  SIM_CommuteMethod* current = SIM_CommuteMethod::GetCurrent();
  if (!current || current->GetName() == wanted) return;
  GUI_CommuteMethodChooser::Create();
  GUI_CommuteMethodChooser* chooser = GUI_CommuteMethodChooser::PTheWindow;
  auto shown = [chooser] { return chooser->GetShownMethod() ? chooser->GetShownMethod()->GetName() : ""; };
  while (shown() != wanted && chooser->GetPrevButton()->IsEnabled()) GUI_CommuteMethodChooser::PrevType(0);
  while (shown() != wanted && chooser->GetNextButton()->IsEnabled()) GUI_CommuteMethodChooser::NextType(0);
  if (shown() == wanted && chooser->GetChooseButton()->IsEnabled()) {
    GUI_CommuteMethodChooser::ChooseMethod(0);
  } else {
    GUI_CommuteMethodChooser::Close();
  }
}

const char* const kMainAttributes[] = {"happiness", "stress",  "tiredness", "health", "fitness", "confidence",
                                       "loneliness", "boredom", "iq",        "culture", "vorla"};

}  // namespace

void HeadlessPlayer::SetBetweenPresses(std::function<void()> frame) { g_betweenPresses = std::move(frame); }

bool HeadlessPlayer::IsWorkingDay() {
  SIM_JobBase* job = SIM_GetVede()->GetJob();
  if (!job || job->IsUnemployed() || !SIM_GetHealth()->IsHealthy()) return false;
  return SIM_Date::PPresentDay && SIM_Date::PPresentDay->GetDayOfWeek() <= 4;
}

void HeadlessPlayer::StartNewGame(unsigned seed) {
  setenv("VORLA2_HEADLESS", "1", 1);
  Game* game = GetGame();
  if (!game->IsInitialised()) game->InitApp();
  // The simulation seeds the generator from the clock when it opens; the game must not.
  std::srand(seed);
  // Through the new-game screen as a player who takes what it offers: a preset and three names
  // drawn from the seed, then its Start and the intro's.
  GUI_MenuNew* screen = GUI_MenuNew::Get();
  GUI_GetAvatar()->Init();
  screen->Reset();
  for (GUI_NameEditor* editor : {screen->GetForenameEditor(), screen->GetSurnameEditor(), screen->GetTownEditor()})
    GUI_NameEditor::RandomName(editor->GetRandomiseButton()->GetArgument());
  GUI_MenuNew::Start(0);
  GUI_MenuIntro::Start(0);
  FaresThisYear = 0.0f;
  HeadlessTownLife::StartGame();
  HeadlessJobs::StartGame();
  HeadlessSolo::StartGame();
  HeadlessBooks::StartGame();
  HeadlessShopping::StartGame();
  HeadlessPets::StartGame();
  HeadlessProjects::StartGame();
  HeadlessClasses::StartGame();

  SIM_Date start(3, 0, 2006);
  SIM_Date::PPresentDay->Set(&start);
  SIM_Date::PPresentDay->SetDaysToFullMoon(15);
  SIM_Date::EndYearDate = SIM_Date(3, 0, 2007);
  SIM_Date::EndGameDate = SIM_Date(3, 0, 2006 + SIM_Date::YEARS_PER_GAME);
}

void HeadlessPlayer::PlayToEndOfDay(bool toEvening) {
  SIM_SIM* sim = SIM_GetSim();
  for (int press = 0; press < kMaxPressesPerDay; ++press) {
    BetweenPresses();
    HeadlessOutings::FinishOpenOuting();  // an invitation to the tables is played out
    HeadlessClasses::FinishOpenReport();
    HeadlessTownLife::AnswerRomanticOffer();
    // A good game at the alley brings the team's invitation: the player always joins.
    if (GUI_TeamInvite::PTheWindow) GUI_TeamInvite::Accept(0);
    if (toEvening && sim->GetTurnMode() == SIM_SIM::TURNMODE_EVENING && !GUI_AfterWorkScreen::IsOpen()) return;
    switch (sim->GetTurnMode()) {
      // Each page's button through its callback, as a click would; a page that is not open (the
      // tutorial's first evening, a test that set the turn by hand) is skipped by the turn call.
      case SIM_SIM::TURNMODE_WOKEUP: {
        const bool page = GUI_WokeUpScreen::IsOpen();
        if (page ? GUI_WokeUpScreen::PTheWindow->GetWorkingDay() : IsWorkingDay()) {
          ChooseCommute();
          page ? GUI_WokeUpScreen::CommuteIn(0) : sim->ProcessCommuteIn();
          FaresThisYear += SIM_GetCommute()->GetTodaysCost();
        } else {
          page ? GUI_WokeUpScreen::StayHome(0) : sim->PrepareForEvening();
        }
        break;
      }
      case SIM_SIM::TURNMODE_COMMUTEIN:
        GUI_CommuteInScreen::IsOpen() ? GUI_CommuteInScreen::StartWork(0) : sim->ProcessWorkDay();
        break;
      case SIM_SIM::TURNMODE_WORKDAY:
        GUI_WorkDayScreen::IsOpen() ? GUI_WorkDayScreen::GoHome(0) : sim->ProcessCommuteBack();
        FaresThisYear += SIM_GetCommute()->GetTodaysCost();
        break;
      case SIM_SIM::TURNMODE_COMMUTEBACK:
        GUI_CommuteBackScreen::IsOpen() ? GUI_CommuteBackScreen::CommuteBack(0) : sim->ProcessAfterWork();
        break;
      case SIM_SIM::TURNMODE_EVENING:
        HeadlessJobs::OpenAnswers();
        if (GUI_AfterWorkScreen::IsOpen()) {
          GUI_AfterWorkScreen::Continue(0);
        } else if (HeadlessSolo::KeepAppointment()) {
          // A booked evening (the team's match, the dentist, the charity run) comes first.
        } else if (HeadlessTownLife::AnswerInvitations()) {
          // The invitation's evening used the slot.
        } else if (HeadlessJobs::SearchForJob()) {
          // The job search used the slot.
        } else if (HeadlessClasses::TakeLesson()) {
          // A class night.
        } else if (HeadlessProjects::SpendEvening()) {
          // A night on the long project, the player's other standing engagement.
        } else if (HeadlessPets::SpendEvening()) {
          // Food for a pet whose note is up, a new pet, an evening with them or a walk.
        } else if (HeadlessShopping::SpendEvening()) {
          // A trip to the shops.
        } else if (!SIM_GetHealth()->IsHealthy() || !GRandom::IsChance(kGoOutChance) || !GoOut()) {
          // An evening at home: now and then a course signed up for or a book, else something alone.
          if (!HeadlessClasses::SpendEvening() && !HeadlessBooks::ReadTonight() && !HeadlessSolo::SpendEvening()) {
            HeadlessEmptyEvening evening;
            evening.ProcessChunk();
          }
        }
        break;
      case SIM_SIM::TURNMODE_DAYENDED:
        return;
    }
  }
  GError(GFormat("The day did not end after %d presses (turn mode %d)", kMaxPressesPerDay, (int)sim->GetTurnMode()).c_str(),
         __FILE__, __LINE__);
}

HeadlessPlayer::NIGHT HeadlessPlayer::PlayDay() {
  PlayToEndOfDay();
  HeadlessTownLife::BeforeNight();
  // The control panel draws the end-of-day prompt, then the player presses end day.
  SIM_GetSim()->ProcessPreBedTasks();
  GUI_ControlPanel::NextDay(0);
  HeadlessTownLife::AfterNight();
  BetweenPresses();
  if (GUI_EndGame::PTheWindow) return NIGHT_GAMEOVER;
  if (GUI_YearlyReview::PTheWindow) return NIGHT_YEARLYREVIEW;
  return NIGHT_MORNING;
}

bool HeadlessPlayer::SaveAndReload(const char* name) {
  if (!SIM_GetSaveGame()->SaveGame(name)) {
    GError(("Saving failed: " + SIM_GetSaveGame()->GetLastError()).c_str(), __FILE__, __LINE__);
    return false;
  }
  if (!SIM_GetLoadGame()->LoadGame(name)) {
    GError(("Loading failed: " + SIM_GetLoadGame()->GetFailureText()).c_str(), __FILE__, __LINE__);
    return false;
  }
  return true;
}

HeadlessPlayer::Result HeadlessPlayer::Run(int days, unsigned seed,
                                           const std::function<void(const std::string&)>& print, int reloadEvery) {
  Result result;
  StartNewGame(seed);
  g_tally = YearTally();
  NoteCash();
  while (result.days < days) {
    NIGHT night = PlayDay();
    ++result.days;
    NoteCash();
    if (night == NIGHT_MORNING) {
      if (reloadEvery > 0 && result.days % reloadEvery == 0) SaveAndReload("reload");
      continue;
    }
    if (print) print(YearLine(result.reviews + 1));
    FaresThisYear = 0.0f;
    // The player reads the page and presses its button: continue after a review; after the end of
    // the game, play on (which finishes that night), and the run stops there.
    if (night == NIGHT_GAMEOVER) {
      GUI_EndGame::PTheWindow->GetContinueTextButton()->GetCallback()(0);
      result.ended = true;
      break;
    }
    ++result.reviews;
    GUI_YearlyReview::PTheWindow->GetContinueButton()->GetCallback()(0);
  }
  result.digest = Digest();
  return result;
}

uint64_t HeadlessPlayer::Digest() {
  Hasher h;
  if (const SIM_Date* date = SIM_Date::PPresentDay) {
    h.Int(date->GetDay());
    h.Int(date->GetMonth());
    h.Int(date->GetYear());
    h.Int(date->GetDayOfWeek());
    h.Int(date->GetDaysToFullMoon());
  }
  SIM_SIM* sim = SIM_GetSim();
  h.Int(sim->GetTurnCount());
  h.Int(sim->GetTurnMode());
  h.Int(sim->GetSlots());
  h.Int(sim->GetSlotsUsed());
  h.Float(SIM_GetFinances()->GetCash());
  h.Float(SIM_GetCommute()->GetTodaysCost());
  h.Int((int64_t)HeadlessBooks::ReadingState());

  for (SIM_Attribute* attribute : SIM_Attribute::All) {
    h.Text(attribute->GetName());
    h.Float(attribute->GetValue());
    h.Float(attribute->GetBaseValue());
    for (SIM_Effect* effect : attribute->GetEffects()) {
      h.Float(effect->GetEffect());
      h.Float(effect->GetDegrade());
      h.Text(effect->GetDebugName());
    }
  }
  for (SIM_Skill* skill : SIM_Skill::All) {
    h.Text(skill->GetName());
    h.Float(skill->GetValue());
  }
  for (SIM_NamedValue* value : SIM_NamedValueList::Globals.GetRawList()) {
    h.Text(value->GetName());
    h.Float(value->GetValue());
  }
  // Possessions: what is owned, in the table's order.
  for (const SIM_Asset* asset : SIM_Asset::All) {
    if (asset->IsOwned()) h.Text(asset->GetName());
  }

  // The long projects, their royalties, the drinking habit and what was earned.
  for (const SIM_AchievementBase* project : {(const SIM_AchievementBase*)SIM_GetScienceTheory(),
                                             (const SIM_AchievementBase*)SIM_GetNewsStory(),
                                             (const SIM_AchievementBase*)SIM_GetScreenplayWriting(),
                                             (const SIM_AchievementBase*)SIM_GetSongWriting()}) {
    h.Text(project->GetGUIName());
    h.Float(project->GetProgress());
    for (float chunk : project->GetChunks()) h.Float(chunk);
  }
  for (const SIM_RoyaltyStream* stream : SIM_RoyaltyStream::All) {
    h.Float(stream->GetIncome());
    h.Float(stream->GetTotal());
  }
  // The pets and their meals.
  for (const SIM_PetBase* pet : SIM_PetBase::All) {
    h.Text(pet->GetPetName());
    h.Int(pet->GetDaysWithoutFood());
    h.Int(pet->GetEveningsAlone());
    h.Int(pet->GetAge());
    h.Float(pet->GetHappiness());
    if (const SIM_Dog* dog = dynamic_cast<const SIM_Dog*>(pet)) h.Int(dog->GetBurglarsAttacked());
  }
  for (const SIM_PetMeal* meal : SIM_PetMeal::All) h.Text(meal->GetAnimalName());
  for (const std::string& key : SIM_AchievementBase::AchievementStrings) h.Text(key);
  h.Float(HOOK_GetAlcohol()->GetBloodAlcohol());
  h.Float(HOOK_GetAlcohol()->GetAddictionStrength());
  // The courses under way, in order of enrolment (their progress is among the skills).
  for (HOOK_EveningClassType* cls : HOOK_EveningClassType::Enrolled) h.Text(cls->GetName());

  // The character as the new-game screen made it: names, and each slot's layer and tint.
  SIM_GameConfig* config = SIM_GetGameConfig();
  h.Text(config->GetAvatarForeName());
  h.Text(config->GetAvatarLastName());
  h.Text(config->GetAvatarTexture());
  h.Text(GetGame()->GetTownName());
  for (int slot = 0; slot < AVATAR_LAYER_COUNT; ++slot) {
    const GUI_AvatarLayer* layer = GUI_GetAvatar()->GetLayer(AVATARLAYER(slot));
    h.Text(layer ? layer->GetGUIName() : std::string());
    const LibColor tint = layer ? layer->GetColorTint() : LibColor(0, 0, 0, 0);
    h.Int(tint.r);
    h.Int(tint.g);
    h.Int(tint.b);
  }

  // The town: every person, visible or gone, and every link, live or waiting to be freed.
  HashBoredom(h, SIM_GetVede());
  h.Int((int64_t)SIM_NPC::All.size());
  for (SIM_NPC* npc : SIM_NPC::All) HashNPC(h, npc);
  h.Int((int64_t)SIM_NPC::Hidden.size());
  for (SIM_NPC* npc : SIM_NPC::Hidden) HashNPC(h, npc);
  h.Int((int64_t)SIM_Relationship::All.size());
  for (const SIM_Relationship* link : SIM_Relationship::All) {
    h.Int(link->Alive());
    h.Int(link->GetPers1() ? link->GetPers1()->GetSLID() : -1);
    h.Int(link->GetPers2() ? link->GetPers2()->GetSLID() : -1);
    h.Float(link->GetStrength());
    h.Float(link->GetBalance());
    h.Int(link->IsFriendship());
    h.Int(link->IsPlayerCreated());
    h.Int(link->GetMeetingCount());
  }

  // The held job: which one, where, the last day's pay and the standing in it.
  if (SIM_JobBase* job = SIM_GetVede()->GetJob()) {
    h.Int(job->GetGUID());
    h.Float(job->GetCommuteDistance());
    h.Float(job->GetLastEarnings());
    h.Float(job->GetLastTip());
  }
  if (const SIM_JobInstance* instance = SIM_GetVede()->GetJobInstance()) {
    h.Int(instance->GetCurrentGrade());
    h.Int(instance->GetDaysInJob());
    h.Int(instance->GetDaysSincePromotion());
    h.Int(instance->GetDaysSinceLastFriend());
    h.Int(instance->GetFriendsMade());
    for (int day = 0; day < SIM_JobInstance::kHistoryDays; ++day) {
      h.Int(instance->IsHistoryValid(day));
      h.Float(instance->GetHistoryPerformance(day));
    }
    h.Float(instance->GetAvePerformance());
  }

  // The job market: every job's application timer, lock and distance, the answers on their way
  // and the jobs a friend unlocked.
  for (const SIM_JobBase* job : SIM_JobBase::AllJobs) {
    h.Int(job->GetDaysUntilReapply());
    h.Int(job->IsUnlockable());
    h.Float(job->GetCommuteDistance());
  }
  for (const SIM_JobOffer* offer : SIM_JobOffer::All) {
    h.Int(offer->GetJob() ? offer->GetJob()->GetGUID() : -1);
    h.Int(offer->Offered());
    h.Int(offer->IsPending());
    h.Int(offer->GetDaysToWait());
    h.Int(offer->GetReason());
    h.Int(offer->RejectEffectsApplied());
  }
  for (const SIM_JobBase* job : SIM_GetJobUnlocks()->GetUnlockedJobs()) h.Int(job->GetGUID());

  SIM_Weather* weather = SIM_GetWeather();
  h.Int(weather->GetType());
  h.Int(weather->GetDaysLeft());
  for (int type = 0; type < SIM_Weather::WEATHER_COUNT; ++type) h.Float(weather->GetIntensity(type));
  h.Int(SIM_GetHealth()->GetState());
  h.Int(SIM_GetHealth()->GetDaysLeft());

  // Crime's countdowns and the appointments' dates.
  const SIM_Crime* crime = SIM_GetCrime();
  h.Int(crime->GetDaysToNextMugging());
  h.Int(crime->GetDaysToNextBurglary());
  h.Int(crime->GetLastCrimeTurn());
  for (const SIM_OccasionalEvent* event : {(const SIM_OccasionalEvent*)SIM_GetCharity(),
                                           (const SIM_OccasionalEvent*)SIM_GetDentist()}) {
    h.Int(event->IsAwaitingFirstNight());
    h.Int(event->GetEventDate().GetDaysAsInt());
    h.Int(event->GetReminderDate().GetDaysAsInt());
  }

  SIM_Statistics* statistics = SIM_GetStatistics();
  for (const SIM_Statistics::IntCounter& counter : statistics->GetIntCounters()) {
    h.Text(counter.name);
    h.Int(counter.value);
  }
  for (const SIM_Statistics::FloatCounter& counter : statistics->GetFloatCounters()) {
    h.Text(counter.name);
    h.Float(counter.value);
  }
  for (const SIM_Statistics::ChosenActivity& activity : statistics->GetActivities()) {
    h.Text(activity.name);
    h.Int(activity.count);
  }
  return h.Get();
}

std::string HeadlessPlayer::Hex(uint64_t value) {
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", (unsigned long long)value);
  return text;
}

std::string HeadlessPlayer::YearLine(int year) {
  std::string line;
  const SIM_Date* date = SIM_Date::PPresentDay;
  line += GFormat("year %d: date=%d/%d/%d turns=%d cash=%.2f", year, date ? date->GetDay() : 0,
                  date ? date->GetMonth() : 0, date ? date->GetYear() : 0, (int)SIM_GetSim()->GetTurnCount(),
                  (double)SIM_GetFinances()->GetCash());
  for (const char* name : kMainAttributes) {
    line += GFormat(" %s=%.3f", name, (double)SIM_GetVede()->GetValue(name));
  }
  const SIM_CommuteMethod* method = SIM_CommuteMethod::GetCurrent();
  line += GFormat(" commute=%s fares=%.2f", method ? method->GetName().c_str() : "none", (double)FaresThisYear);
  line += GFormat(" friends=%d town=%d gone=%d", SIM_GetVede()->CountFriendships(), (int)SIM_NPC::All.size(),
                  (int)SIM_NPC::Hidden.size());
  const float earned = SIM_GetStatistics()->GetFloatCounter("CASH_EARNED");
  const SIM_JobBase* job = SIM_GetVede()->GetJob();
  const SIM_JobInstance* instance = SIM_GetVede()->GetJobInstance();
  line += GFormat(" job=%d grade=%d pay=%.2f lowcash=%.2f", job ? job->GetGUID() : -1,
                  instance ? instance->GetCurrentGrade() : 0, (double)(earned - g_tally.earnedBefore),
                  (double)(g_tally.started ? g_tally.lowestCash : SIM_GetFinances()->GetCash()));
  g_tally.earnedBefore = earned;
  g_tally.started = false;
  return line;
}

std::vector<std::string> HeadlessPlayer::LogProblems() {
  std::ifstream log(GetDebug()->GetPath());
  std::vector<std::string> problems;
  std::string line;
  while (std::getline(log, line)) {
    if (line.find("Assertion failure") != std::string::npos || line.rfind("Alert \"", 0) == 0) problems.push_back(line);
  }
  return problems;
}
