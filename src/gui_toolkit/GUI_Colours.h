#pragma once
// Packed colours (sprite packing, alpha in the top byte) that several HUD pieces draw their text
// and frames in.
#include <cstdint>

inline constexpr uint32_t kBlack = 0xFF000000u;
