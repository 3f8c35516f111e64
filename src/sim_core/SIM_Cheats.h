#pragma once
// Development effects applied at each new game from the optional "data/cheats.txt" (rows
// "#,value name,amount"). The game ships without that file.
class SIM_Cheats {
 public:
  // Whether any row was applied.
  static bool Load(const char* file = "data/cheats.txt");
};
