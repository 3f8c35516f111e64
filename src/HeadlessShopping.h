#pragma once
// What the player without a window does in the shop: it pages through the general department and
// then the books, and buys at most one thing a visit from a short wish list (an umbrella, an MP3
// player, a bicycle, a book it has not read), only what leaves a reserve in the bank, and only
// when the game's own draw says so. Then it leaves.
class HeadlessShopping {
 public:
  static void Shop();  // the open shop, if any, is closed after
  static int Purchases() { return Bought; }
  static void StartGame() { Bought = 0; }

 private:
  static int Bought;
};
