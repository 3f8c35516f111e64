#include "SIM_Book.h"

#include <algorithm>

#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_BookDetails.h"
#include "GUI_BookReading.h"
#include "GUI_ChangeNotifier.h"
#include "GUI_Sounds.h"
#include "GUI_SoloActivityChooser.h"
#include "SIM_Description.h"
#include "SIM_GlobalVariable.h"
#include "SIM_SIM.h"
#include "SIM_Script.h"
#include "SIM_Statistics.h"
#include "SIM_Vede.h"

std::list<SIM_Book*> SIM_Book::All;
bool SIM_Book::BJustBoughtBook = false;

namespace {
std::string TrimmedBookWord(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  const size_t last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}
}  // namespace

SIM_Book::SIM_Book() { All.push_back(this); }

SIM_Book::~SIM_Book() {
  if (GUI_BookDetails::PTheWindow && GUI_BookDetails::PTheWindow->GetBook() == this) delete GUI_BookDetails::PTheWindow;
  if (GUI_BookReading::PTheWindow && GUI_BookReading::PTheWindow->GetBook() == this) GUI_BookReading::Close();
  All.remove(this);
}

SIM_Book* SIM_Book::GetByName(const std::string& name) {
  for (SIM_Book* book : All) {
    if (book->GetName() == name) return book;
  }
  return nullptr;
}

void SIM_Book::Purchase() {
  BJustBoughtBook = true;
  SIM_Asset::Purchase();
}

void SIM_Book::Clicked() {
  if (m_clickAction == "showdetails") {
    GUI_BookDetails::Create(this);
  } else if (m_clickAction == "sudoku") {
    GUI_SoloActivityChooser::Create();
    GUI_SoloActivityChooser::ScrollToActivity("sudoku");
  }
}

void SIM_Book::LoadAssetSpecificData() {
  const std::string pages = TrimmedBookWord(GetCSV().GetNextString());
  m_pages = CSV::ParseInt(pages.c_str());
  m_clickAction = TrimmedBookWord(GetCSV().GetNextString());
  if (m_pages <= 0) {
    // A book of no pages could never be finished nor read; one evening's worth keeps it sane.
    const std::string text = "Book " + GetName() + " has no pages (\"" + pages + "\"); taken as 100";
    GWarnOnce("book pages:" + GetName(), text.c_str(), __FILE__, __LINE__);
    m_pages = 100;
  }
}

bool SIM_Book::AvailableToBuy() const { return SIM_Asset::AvailableToBuy() && m_pagesRead < m_pages; }

int SIM_Book::PagesFor(float concentration) const {
  const int pages = (int)(SIM_GetGlobalVariables()->Get("GV_BOOKPAGESPERDAY") * concentration);
  return std::clamp(pages, 0, std::max(0, m_pages - m_pagesRead));
}

void SIM_Book::Read() {
  GAssert(m_pagesRead < m_pages, __FILE__, __LINE__);
  float k = SIM_GetVede()->GetConcentration();
  bool readable = true;
  if (!MeetsUsePreReqs()) {
    readable = false;
    k = 0.0f;
  }
  const int today = PagesFor(k);
  m_pagesRead += today;
  if (today > 0 && m_pagesRead >= m_pages) SIM_GetStatistics()->ChangeCounter(1, "BOOKS_READ");
  SIM_GetDescription()->AddNounCandidate(GTranslation::GetString("DESC_BOOKWORM"),
                                         SIM_GetGlobalVariables()->Get("READBOOK_DESC_NOUN_VALUE"));
  GUI_ChangeNotifier::CloseAll();
  SIM_GetScript()->RunScript(m_useScript, k);
  SIM_GetScript()->RunScript("solo_event.txt", 1.0f);
  SIM_GetSim()->EndDay();
  GUI_GetSounds()->PlaySound("data/sounds/readbook.ogg", false);
  GUI_BookReading::Create(this, today, k, readable);
}

bool SIM_Book::IsRedundant() const {
  bool held = false;
  const std::string& script = m_useScript;
  size_t start = 0;
  while (start <= script.size()) {
    size_t end = script.find(';', start);
    if (end == std::string::npos) end = script.size();
    const std::string command = script.substr(start, end - start);
    start = end + 1;
    const size_t open = command.find('(');
    if (open == std::string::npos || TrimmedBookWord(command.substr(0, open)) != "ApplyEffect") continue;
    const size_t comma = command.find_first_of(",)", open + 1);
    const std::string skill = TrimmedBookWord(command.substr(open + 1, comma == std::string::npos ? std::string::npos : comma - open - 1));
    SIM_NamedValue* value = SIM_GetVede()->GetSkills().GetNamedValue(skill);
    if (!value) continue;
    held = true;
    if (value->GetValue() < 1.0f) return false;
  }
  return held;
}
