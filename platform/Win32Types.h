#pragma once
// Small value types the game code knows by their Win32 and Direct3D names.
#include <cstdint>

struct RECT {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
};

void SetRect(RECT* r, int left, int top, int right, int bottom);
void Win32SetRect(RECT* r, int left, int top, int right, int bottom);

struct D3DVECTOR {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;
  D3DVECTOR() = default;
  D3DVECTOR(float ax, float ay, float az) : x(ax), y(ay), z(az) {}
};

bool IsVista();
bool IsWindowsXP();
