#include "HeadlessBooks.h"

#include <cstring>

#include "GRandom.h"
#include "GUI_BookDetails.h"
#include "GUI_BookReading.h"
#include "SIM_Book.h"
#include "SIM_MagazineAsset.h"

int HeadlessBooks::EveningsRead = 0;

namespace {
// One evening in three with a book on the go is spent reading it.
constexpr float kReadChance = 0.33f;

SIM_Book* BookOnTheGo() {
  for (SIM_Book* book : SIM_Book::All) {
    if (book->IsOwned() && !book->IsFinished() && book->GetClickAction() == "showdetails") return book;
  }
  return nullptr;
}
}  // namespace

bool HeadlessBooks::ReadTonight() {
  SIM_Book* book = BookOnTheGo();
  if (!book || !GRandom::IsChance(kReadChance)) return false;
  book->Clicked();
  if (!GUI_BookDetails::PTheWindow) return false;
  GUI_BookDetails::Read(0);
  if (!GUI_BookReading::PTheWindow) return false;
  GUI_BookReading::Close();
  ++EveningsRead;
  return true;
}

uint64_t HeadlessBooks::ReadingState() {
  uint64_t h = 1469598103934665603ull;
  auto mix = [&h](uint64_t v) { h = (h ^ v) * 1099511628211ull; };
  for (const SIM_Book* book : SIM_Book::All) {
    mix(book->IsOwned() ? 1u : 0u);
    mix((uint64_t)book->GetPagesRead());
  }
  for (const SIM_MagazineAsset* issue : SIM_MagazineAsset::All) {
    float read = issue->GetReadPercentage();
    uint32_t bits = 0;
    std::memcpy(&bits, &read, sizeof bits);
    mix(bits);
    mix(issue->IsOwned() ? 1u : 0u);
  }
  return h;
}
