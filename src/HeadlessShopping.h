#pragma once
// What the player without a window does in the shop: it pages through the music department, the
// general one and the books, and buys at most one thing a visit from a short wish list (a guitar,
// an umbrella, an MP3 player, a bicycle, a magazine, a book it has not read), only what leaves a
// reserve in the bank, and only when the game's own draw says so. Then it leaves. Now and then,
// with money to spare, it spends an evening going to the shops.
class HeadlessShopping {
 public:
  static void Shop();  // the open shop, if any, is closed after
  // True when tonight was a shopping trip (through the solo chooser's "shopping" row).
  static bool SpendEvening();
  static int Purchases() { return Bought; }
  static void StartGame() { Bought = 0; }

 private:
  static int Bought;
};
