#pragma once
// The painter of every panel, dialog, tooltip and tab: a square tile texture cut into a 4 x 4 grid
// of quarter cells is stretched over any rectangle as four corners, four repeated edges and a
// repeated centre, tinted and faded. While a game is in progress and the home is dirty, dirt marks
// are laid over the top corners of every window. Statics only.
//
//   GUI_WindowBackground::DrawTiled(rect, GUI_WindowBackground::PRESET_FRAME, 32.0f, 1.0f);
//   GUI_WindowBackground::DrawTiled(rect, "tooltip.dds", 16.0f, 0.95f);
#include "BaseSprite.h"
#include "LibColor.h"
#include "Win32Types.h"

class GUI_WindowBackground {
 public:
  // Every preset is "attrib_dialog.dds"; they differ in the tint.
  enum Preset {
    PRESET_CLIENT = 0,  // palette colour 0: client areas, tabs
    PRESET_FRAME = 1,   // palette colour 1: the frame of a dialog
    PRESET_GREY = 2,    // light grey (224): hints
  };

  static void Open();  // the tint back to opaque white; once, when the in-game mode opens
  static void DrawTiled(RECT rect, const char* texture, float tile, float alpha);
  // Any other preset value binds no texture and keeps the current tint.
  static void DrawTiled(RECT rect, Preset preset, float tile, float alpha);
  static void DrawTiledBase(RECT rect, float tile, float alpha);
  static void DrawDirt(RECT rect, float tile);
  // The background of a tab button: the upper row of the sheet over the top, the second row
  // stretched below it. Flipped turns the pieces upside down (the game never asks for it).
  static void DrawTabButton(RECT rect, const char* texture, float tile, bool flipped);

  static LibColor SpriteColor;  // the tint of the next drawing
  static BaseSprite BGSprite;   // the one sprite of every tile and dirt mark

 private:
  static void DrawPiece(float w, float h, float cx, float cy, float u0, float v0, float u1, float v1);
};
