#include "SIM_Movie.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "CSV.h"
#include "CSpreadsheet.h"
#include "ExitCleanup.h"
#include "GDebug.h"
#include "GFileList.h"
#include "GRandom.h"
#include "GTranslation.h"
#include "SIM_Date.h"
#include "SIM_NamedValue.h"
#include "SIM_Rumour.h"
#include "SIM_StandInLog.h"

std::list<SIM_Movie*> SIM_Movie::LoadList;
std::list<SIM_Movie*> SIM_Movie::Movies;
std::list<SIM_Movie*>::iterator SIM_Movie::CurrentMovieIt = SIM_Movie::Movies.end();
std::array<SIM_Movie*, SIM_Movie::kShowing> SIM_Movie::CurrentlyShowing = {};

namespace {

// A film's effects are kept to this many characters each, as the modifier texts of other tables.
constexpr size_t kMaxFilmModifier = 127;
// The programme moves on on the first day after the working week.
constexpr int kProgrammeDay = 5;
constexpr float kBadFilm = 0.3f;
constexpr float kGoodFilm = 0.7f;

}  // namespace

SIM_Movie::SIM_Movie() {
  // Four films in ten are bad, four good and the rest middling.
  const float kind = GRandom::RandUnitFloat();
  if (kind < 0.4f) {
    m_quality = GRandom::RandReal(0.0f, 0.3f);
  } else if (kind < 0.8f) {
    m_quality = GRandom::RandReal(0.7f, 1.0f);
  } else {
    m_quality = GRandom::RandReal(0.3f, 0.7f);
  }
  m_reviewThreshold = GRandom::RandUnitFloat();
  GenerateReview();
}

SIM_Movie::~SIM_Movie() {
  LoadList.remove(this);
  for (auto it = Movies.begin(); it != Movies.end(); ++it) {
    if (*it != this) continue;
    if (CurrentMovieIt == it) CurrentMovieIt = Movies.end();
    Movies.erase(it);
    break;
  }
  for (SIM_Movie*& showing : CurrentlyShowing)
    if (showing == this) showing = nullptr;
}

void SIM_Movie::Open() { Open(kTable); }

void SIM_Movie::Open(const char* file) {
  SIM_StandInLog::Record("SIM_Movie::Open");
  RegisterExitCleanup(Close);
  Close();
  std::unique_ptr<CSpreadsheet> sheet;
  if (file && GFile::FileExists(file)) sheet.reset(CSpreadsheet::Create(file));
  if (sheet) {
    for (size_t row = 0; row < sheet->size(); ++row) {
      auto* film = new SIM_Movie;
      LoadList.push_back(film);
      if (!film->Load(sheet->at(row), sheet->Origin(row))) {
        GWarnOnce(sheet->Origin(row),
                  GFormat("%s: a film without a title; the row is skipped", sheet->Origin(row).c_str()).c_str(),
                  __FILE__, __LINE__);
        delete film;
      }
    }
  }
  if (LoadList.empty()) {
    // An empty cinema: the chooser opens on nothing and no film can be watched.
    GWarnOnce(GFormat("movies:%s", file ? file : ""),
              GFormat("%s: no films (file missing or empty); the cinema shows nothing", file ? file : "(no file named)").c_str(),
              __FILE__, __LINE__);
  }
  ScrambleRunningOrder();
}

void SIM_Movie::Close() {
  // The gossip names the films: it goes with them.
  SIM_Rumour::KillRumours(SIM_Rumour::RUMOUR_MOVIE);
  while (!LoadList.empty()) delete LoadList.front();
  while (!Movies.empty()) delete Movies.front();
  CurrentMovieIt = Movies.end();
  CurrentlyShowing.fill(nullptr);
}

bool SIM_Movie::Load(const std::string& row, const std::string& origin) {
  SetOrigin(origin);
  CSV csv;
  csv.Initialise(row, ',', origin);
  csv.GetNextToken();  // the row marker
  m_guid = csv.GetNextInt();
  m_guiName = csv.GetNextString();
  m_description = csv.GetNextString();
  csv.GetNextToken();  // a column the cinema does not use
  SetSource(m_guiName);
  while (!csv.Finished()) {
    std::string field = csv.GetNextString();
    if (field.size() > kMaxFilmModifier) field.resize(kMaxFilmModifier);
    if (!field.empty()) AddModifier(field.c_str());
  }
  return !m_guiName.empty();
}

void SIM_Movie::ScrambleRunningOrder() {
  while (!LoadList.empty()) {
    auto it = LoadList.begin();
    std::advance(it, std::rand() % (int)LoadList.size());
    Movies.push_back(*it);
    LoadList.erase(it);
  }
  CurrentMovieIt = Movies.begin();
  UpdateCurrentlyShowing();
}

void SIM_Movie::UpdateCurrentlyShowing() {
  SIM_Rumour::KillRumours(SIM_Rumour::RUMOUR_MOVIE);
  CurrentlyShowing.fill(nullptr);
  if (Movies.empty()) return;
  auto it = CurrentMovieIt == Movies.end() ? Movies.begin() : CurrentMovieIt;
  for (SIM_Movie*& showing : CurrentlyShowing) {
    showing = *it;
    if (++it == Movies.end()) it = Movies.begin();
    showing->CreateRumours();
  }
}

void SIM_Movie::NextDay() {
  SIM_StandInLog::Record("SIM_Movie::NextDay");
  if (!SIM_Date::PPresentDay || SIM_Date::PPresentDay->GetDayOfWeek() != kProgrammeDay) return;
  if (Movies.empty()) return;
  if (CurrentMovieIt == Movies.end() || ++CurrentMovieIt == Movies.end()) CurrentMovieIt = Movies.begin();
  UpdateCurrentlyShowing();
}

SIM_Movie* SIM_Movie::GetByGUID(int guid) {
  for (SIM_Movie* film : Movies)
    if (film->m_guid == guid) return film;
  return nullptr;
}

std::string SIM_Movie::GUIDList(bool seenOnly) {
  std::string list;
  for (SIM_Movie* film : Movies)
    if (!seenOnly || film->m_seen) list += std::to_string(film->m_guid) + ",";
  return list;
}

void SIM_Movie::Restore(const std::vector<int>& order, int first, const std::vector<int>& seen,
                        const std::string& origin) {
  auto unknown = [&origin](int guid) {
    GWarnOnce(GFormat("movies-load:%s:%d", origin.c_str(), guid),
              GFormat("%s: the saved film %d is not in %s; skipped", origin.c_str(), guid, kTable).c_str(), __FILE__,
              __LINE__);
  };
  std::list<SIM_Movie*> restored;
  for (int guid : order) {
    auto it = std::find_if(Movies.begin(), Movies.end(), [guid](SIM_Movie* film) { return film->m_guid == guid; });
    if (it == Movies.end()) {
      unknown(guid);
      continue;
    }
    restored.splice(restored.end(), Movies, it);
  }
  restored.splice(restored.end(), Movies);
  Movies.swap(restored);
  CurrentMovieIt = std::find_if(Movies.begin(), Movies.end(), [first](SIM_Movie* film) { return film->m_guid == first; });
  if (CurrentMovieIt == Movies.end()) CurrentMovieIt = Movies.begin();
  for (int guid : seen) {
    if (SIM_Movie* film = GetByGUID(guid)) {
      film->m_seen = true;
    } else {
      unknown(guid);
    }
  }
  UpdateCurrentlyShowing();
}

void SIM_Movie::GenerateReview() { m_review = GTranslation::GetValueName(m_quality, "MOVIE_REVIEW"); }

void SIM_Movie::CreateRumours() {
  const char* key = nullptr;
  if (m_quality < kBadFilm) {
    key = "RUMOUR_BAD_MOVIE";
  } else if (m_quality > kGoodFilm) {
    key = "RUMOUR_GOOD_MOVIE";
  } else {
    return;
  }
  std::string text = GTranslation::GetRandomString(key);
  GTranslation::ReplaceToken(text, "<MOVIENAME>", m_guiName);
  SIM_Rumour::AddRumour(text, SIM_Rumour::RUMOUR_MOVIE, this);
}

bool SIM_Movie::ReadReview() {
  return SIM_NamedValueList::Globals.HasValue("glob_movieknowledge") &&
         SIM_NamedValueList::Globals.GetValue("glob_movieknowledge") > m_reviewThreshold;
}

void SIM_Movie::Watch() {
  m_seen = true;
  ApplyModifiers(1.0f);
}
