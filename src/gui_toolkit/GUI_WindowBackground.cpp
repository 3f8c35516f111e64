#include "GUI_WindowBackground.h"

#include "D3DEngine.h"
#include "GUI_Palette.h"
#include "Game.h"
#include "SIM_Dirt.h"
#include "SIM_NamedValue.h"

LibColor GUI_WindowBackground::SpriteColor = LibColor::FromBytes(255, 255, 255, 255);
BaseSprite GUI_WindowBackground::BGSprite;

namespace {
constexpr const char* kPresetTexture = "attrib_dialog.dds";

int EvenUp(int v) { return (v % 2 != 0) ? v + 1 : v; }

// The tint with red, green and blue back to full; alpha is kept.
void ResetTint() {
  LibColor& c = GUI_WindowBackground::SpriteColor;
  c = LibColor::FromBytes(255, 255, 255, c.A());
}
}  // namespace

void GUI_WindowBackground::Open() { SpriteColor = LibColor::FromBytes(255, 255, 255, 255); }

void GUI_WindowBackground::DrawTiled(RECT rect, const char* texture, float tile, float alpha) {
  GetD3DEngine()->SetTexture(texture);
  DrawTiledBase(rect, tile, alpha);
}

void GUI_WindowBackground::DrawTiled(RECT rect, Preset preset, float tile, float alpha) {
  switch (preset) {
    case PRESET_CLIENT:
    case PRESET_FRAME: {
      GetD3DEngine()->SetTexture(kPresetTexture);
      LibColor c = GUI_GetPalette()->GetColor(preset == PRESET_CLIENT ? GUI_Palette::PALETTE_0 : GUI_Palette::PALETTE_1);
      SpriteColor = LibColor::FromBytes(c.R(), c.G(), c.B(), c.A());
      break;
    }
    case PRESET_GREY:
      GetD3DEngine()->SetTexture(kPresetTexture);
      SpriteColor = LibColor::FromBytes(224, 224, 224, 255);
      break;
    default:
      break;
  }
  DrawTiledBase(rect, tile, alpha);
  ResetTint();
}

void GUI_WindowBackground::DrawPiece(float w, float h, float cx, float cy, float u0, float v0, float u1,
                                     float v1) {
  BGSprite.SetSize(w, h);
  BGSprite.SetUV(u0, v0, u1, v1);
  BGSprite.PlaceLocal(cx, cy);
  BGSprite.DrawNoChecks();
}

void GUI_WindowBackground::DrawTiledBase(RECT rect, float tile, float alpha) {
  const float L = (float)rect.left, T = (float)rect.top, R = (float)rect.right, B = (float)rect.bottom;
  const int w = rect.right - rect.left;
  const int h = rect.bottom - rect.top;
  float s = tile;
  if ((int)s % 2 != 0) s += 1.0f;
  const float half = s / 2.0f;
  BGSprite.rotation = 0.0f;
  BGSprite.SetVertexColor(SpriteColor.R(), SpriteColor.G(), SpriteColor.B(), (int)(255.0f * alpha));

  // Corners: the outer quarter cells.
  DrawPiece(s, s, L + half, T + half, 0.0f, 0.0f, 0.25f, 0.25f);
  DrawPiece(s, s, R - half, T + half, 0.75f, 0.0f, 1.0f, 0.25f);
  DrawPiece(s, s, L + half, B - half, 0.0f, 0.75f, 0.25f, 1.0f);
  DrawPiece(s, s, R - half, B - half, 0.75f, 0.75f, 1.0f, 1.0f);

  // Top and bottom edges.
  const float runX = (float)EvenUp(w) - 2.0f * s;
  for (float x = L + s, left = runX; left > 0.0f;) {
    float pw = left >= s ? s : left;
    float u1 = 0.25f + 0.25f * (pw / s);
    DrawPiece(pw, s, x + pw / 2.0f, T + half, 0.25f, 0.0f, u1, 0.25f);
    DrawPiece(pw, s, x + pw / 2.0f, B - half, 0.25f, 0.75f, u1, 1.0f);
    x += pw;
    left -= pw;
  }
  // Left and right edges.
  const float runY = (float)EvenUp(h) - 2.0f * s;
  for (float y = T + s, left = runY; left > 0.0f;) {
    float ph = left >= s ? s : left;
    float v1 = 0.25f + 0.25f * (ph / s);
    DrawPiece(s, ph, L + half, y + ph / 2.0f, 0.0f, 0.25f, 0.25f, v1);
    DrawPiece(s, ph, R - half, y + ph / 2.0f, 0.75f, 0.25f, 1.0f, v1);
    y += ph;
    left -= ph;
  }

  if (s >= (float)h) return;

  // The centre, row by row.
  for (float y = T + s, down = runY; down > 0.0f;) {
    float rowHeight = 0.0f;
    float fy = down / s;
    if (fy > 1.0f) fy = 1.0f;
    float ph = down > s ? s : down;
    for (float x = L + s, across = runX; across > 0.0f;) {
      float pw = across > s ? s : across;
      float fx = across / s;
      if (fx > 1.0f) fx = 1.0f;
      DrawPiece(pw, ph, x + pw / 2.0f, y + ph / 2.0f, 0.25f, 0.25f, 0.25f + 0.25f * fx, 0.25f + 0.25f * fy);
      x += pw;
      across -= pw;
      rowHeight = ph;
    }
    if (rowHeight <= 0.0f) break;  // no column at all: nothing more to lay
    y += rowHeight;
    down -= rowHeight;
  }

  if (GetGame()->GetGameInProgress()) DrawDirt(rect, s);
}

void GUI_WindowBackground::DrawDirt(RECT rect, float tile) {
  float d = SIM_Dirt::GetDirtValue()->GetValue();
  if (d < 0.1f) return;
  const float size = 4.0f * tile;
  if (!((float)(rect.right - rect.left) > size && (float)(rect.bottom - rect.top) > size)) return;
  D3DEngine* engine = GetD3DEngine();
  BGSprite.rotation = 0.0f;
  BGSprite.SetSize(size, size);
  BGSprite.SetUV(0.0f, 0.0f, 1.0f, 1.0f);
  BGSprite.SetVertexColor(255, 255, 255, (int)(255.0f * d));
  const float top = (float)rect.top + 2.0f * tile;
  BGSprite.PlaceLocal((float)rect.left + 2.0f * tile, top);
  if (BGSprite.IsOnscreen()) {
    engine->SetTexture("dirt_topleft.dds");
    BGSprite.DrawNoChecks();
  }
  BGSprite.PlaceLocal((float)rect.right - 2.0f * tile, top);
  if (BGSprite.IsOnscreen()) {
    engine->SetTexture("dirt_topright.dds");
    BGSprite.DrawNoChecks();
  }
}

void GUI_WindowBackground::DrawTabButton(RECT rect, const char* texture, float tile, bool flipped) {
  const float L = (float)rect.left, T = (float)rect.top, R = (float)rect.right, B = (float)rect.bottom;
  const float w = R - L;
  const float h = B - T;
  const float s = tile;
  const float xm = (float)((rect.left + rect.right) / 2);
  GetD3DEngine()->SetTexture(texture);
  LibColor c = GUI_GetPalette()->GetColor(GUI_Palette::PALETTE_0);
  BGSprite.rotation = 0.0f;
  BGSprite.SetVertexColor(c.R(), c.G(), c.B(), 255);

  struct Piece {
    int cell;
    float w, h, cx, cy;
  };
  const Piece pieces[6] = {
      {0, s + 0.5f, s, L + s / 2.0f, T + s / 2.0f},
      {3, s + 0.5f, s, R - s / 2.0f, T + s / 2.0f},
      {1, w - 2.0f * s, s, xm, T + s / 2.0f},
      {4, s + 0.5f, h - s, L + s / 2.0f, B - (h - s) / 2.0f},
      {7, s + 0.5f, h - s, R - s / 2.0f, B - (h - s) / 2.0f},
      {5, w - 2.0f * s, h - s, xm, B - (h - s) / 2.0f},
  };
  for (const Piece& p : pieces) {
    if (p.w <= 0.0f || p.h <= 0.0f) continue;
    BGSprite.SetSize(p.w, p.h);
    BGSprite.SetUV(16, p.cell);
    float cy = p.cy;
    if (flipped) {
      // Mirrored about the rectangle's middle line, the picture turned with it.
      cy = T + B - p.cy;
      BGSprite.MirrorUpDown();
    }
    BGSprite.PlaceLocal(p.cx, cy);
    BGSprite.DrawNoChecks();
  }
  ResetTint();
}
