#pragma once
// What the video game's planes, shells and bursts share: each class keeps every live object in a
// class-wide list, draws them all once a frame and deletes those whose Draw says they are done.
#include <list>

namespace GUI_GamePieces {

// Each piece's Draw, in list order; a piece that returns false leaves the list and is deleted.
template <class Piece>
void DrawAll(std::list<Piece*>& all) {
  for (auto it = all.begin(); it != all.end();) {
    Piece* piece = *it;
    if (piece->Draw()) {
      ++it;
      continue;
    }
    it = all.erase(it);
    delete piece;
  }
}

// Deletes every piece (each destructor takes itself out of the list).
template <class Piece>
void Clear(std::list<Piece*>& all) {
  while (!all.empty()) delete all.front();
}

}  // namespace GUI_GamePieces
