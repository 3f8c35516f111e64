#pragma once
// A screen-space quad of four vertices (top-left, top-right, bottom-left, bottom-right) with a
// size, a rotation in degrees (positive turns clockwise on screen) and texture coordinates into
// whatever texture is bound when it is drawn. Screens, widgets, the cursor, fills and tiles keep
// them as plain members and copy them by value.
//
// Size and rotation changes take effect at the next PlaceLocal.
#include <cstdint>

#include "D3DTypes.h"
#include "Win32Types.h"

struct LibColor;

// The z given to every new sprite's vertices.
extern float defaultz;

class BaseSprite {
 public:
  BaseSprite();
  explicit BaseSprite(RECT r);  // sized to the rectangle and centred in it (integer centre)
  virtual ~BaseSprite() = default;
  BaseSprite(const BaseSprite&) = default;
  BaseSprite& operator=(const BaseSprite&) = default;

  virtual bool IsPointInside(float x, float y);  // strictly inside; the rotation is ignored
  virtual void PlaceLocal(float cx, float cy);   // centres the quad at the point
  virtual void Draw();                           // when on screen; opens a scene if none is open

  void SetSize(float w, float h) {
    width = w;
    height = h;
  }

  // One cell of a square sheet of numSquares cells (at least 4), numbered row by row.
  void SetUV(int numSquares, int squareId);
  void SetUV(float uLeft, float vTop, float uRight, float vBottom);
  // The same in pixels of a square texture of side textureSize.
  void SetUVPx(float textureSize, float left, float top, float right, float bottom);

  void SetVertexColor(uint32_t colour);  // sprite packing, all four vertices
  void SetVertexColor(int r, int g, int b, int a);
  void SetVertexColor(const LibColor& colour);
  void SetZPos(float z);
  void Rotate(float degrees);  // kept in [0, 360) by one correction
  void MirrorLeftRight();
  void MirrorUpDown();

  float Left() const { return vertices[0].x; }
  float Top() const { return vertices[0].y; }
  float Right() const { return vertices[1].x; }
  float Bottom() const { return vertices[2].y; }
  float GetCenterX() const { return (Left() + Right()) / 2.0f; }
  float GetCenterY() const { return (Top() + Bottom()) / 2.0f; }

  // At least one vertex strictly inside the screen.
  bool IsOnscreen() const;
  // Draws with the texture bound now, without the on-screen test (full-screen fills use it).
  void DrawNoChecks() const;
  // Draws a copy cut to the clip rectangle; meant for unrotated sprites.
  void DrawClipped(RECT clip) const;
  void Frame(uint32_t colour) const;  // outline

  float rotation = 0.0f;
  float width = 0.0f;
  float height = 0.0f;
  _D3DTLVERTEX vertices[4];
  bool fixed = false;  // PlaceLocal ignores the rotation; world sprites hit-test as a rectangle
};
