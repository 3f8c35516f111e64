#include "GUI_AfterWorkScreen.h"

#include "GTranslation.h"
#include "GUI_ChangeNotifier.h"
#include "GUI_EventList.h"
#include "SIM_PetBase.h"
#include "SIM_SIM.h"
#include "SIM_StandInLog.h"

GUI_AfterWorkScreen* GUI_AfterWorkScreen::PTheWindow = nullptr;

namespace {

// The news keys, weightiest first, and what each says.
struct News {
  const char* key;
  const char* text;
  const char* pet;  // the pet the text names, or null
};
const News kNews[] = {
    {"EVENT_BURGLED", "CRIME_TEXT_BURGLED", nullptr},
    {"EVENT_DOGDEFENDED", "CRIME_TEXT_DOGDEFENDED", nullptr},
    {"EVENT_ATTEMPTEDBREAKIN", "CRIME_TEXT_ATTEMPTEDBREAKIN", nullptr},
    {"DIRTY_HOUSE", "WORKDAY_MESSY", nullptr},
    {"EVENT_DOG_LONELY", "WORKDAY_DOG_LONELY", "dog"},
    {"EVENT_CAT_LONELY", "WORKDAY_CAT_LONELY", "cat"},
};

std::string TellNews(const GUI_EventList* events) {
  for (const News& news : kNews) {
    if (!events->HasEvent(news.key)) continue;
    if (!news.pet) return GTranslation::GetString(news.text);
    // A lonely-pet key waits through a day off and may outlive the pet: then it is not told.
    SIM_PetBase* pet = SIM_PetBase::GetByName(news.pet);
    if (!pet || !pet->IsOwned()) continue;
    std::string message = GTranslation::GetString(news.text);
    GTranslation::ReplaceToken(message, "<PETNAME>", pet->GetPetName());
    pet->PlaySound();
    return message;
  }
  return "";
}

}  // namespace

void GUI_AfterWorkScreen::Create() {
  SIM_StandInLog::Record("GUI_AfterWorkScreen::Create");
  Close();
  PTheWindow = new GUI_AfterWorkScreen;
}

void GUI_AfterWorkScreen::Close() {
  GUI_AfterWorkScreen* page = PTheWindow;
  PTheWindow = nullptr;
  delete page;
}

GUI_AfterWorkScreen::GUI_AfterWorkScreen() : GUI_DiaryPage("TOOLTIP_AFTERWORK_CONTINUE", Continue) {
  GUI_EventList* events = GUI_GetEventList();
  const std::string message = TellNews(events);
  // Every piece of news is cleared, told or not, however often it was left.
  for (const News& news : kNews) {
    while (events->HasEvent(news.key)) events->ClearEvent(news.key);
  }
  SetLayout(260.0f, 0.0f);
  SetTexts(GTranslation::GetString("AFTERWORKSCREEN_TITLE"), message);
  SetColour(kEmphasisColour);
  StartWriting("after work");
}

GUI_AfterWorkScreen::~GUI_AfterWorkScreen() {
  if (PTheWindow == this) PTheWindow = nullptr;
}

void GUI_AfterWorkScreen::Continue(int) {
  GUI_ChangeNotifier::CloseAll();
  Close();
  SIM_GetSim()->PrepareForEvening();
}
