#pragma once
// A text filter over the translated strings: with BL33t set, a few letters become look-alike
// digits and signs. Nothing in the game turns it on.
class SIM_Translator {
 public:
  // Valid until the next call.
  static const char* GetString(const char* key);
  static bool BL33t;
};
