#include "Win32Types.h"

void SetRect(RECT* r, int left, int top, int right, int bottom) {
  if (!r) return;
  r->left = left;
  r->top = top;
  r->right = right;
  r->bottom = bottom;
}

void Win32SetRect(RECT* r, int left, int top, int right, int bottom) { SetRect(r, left, top, right, bottom); }

bool IsVista() { return false; }
bool IsWindowsXP() { return false; }
