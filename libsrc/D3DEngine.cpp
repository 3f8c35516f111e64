// The renderer's life cycle and drawing. Texture lookup and loading live in D3DEngineTextures.cpp.
#include "D3DEngine.h"

#include <SDL.h>
#include <SDL_opengl.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "Alert.h"
#include "GDebug.h"
#include "PrivateProfile.h"
#include "SmartTexture.h"
#include "StringUtils.h"

bool D3DEngine::BInScene = false;
float D3DEngine::W = 1024.0f;
float D3DEngine::H = 768.0f;
uint32_t LastTexNum = 0;

namespace {

const char* const kConfigFile = "data\\config.ziz";

// Read once: the environment does not change under a running game.
bool Headless() {
  static const bool headless = IsHeadless();
  return headless;
}

}  // namespace

D3DEngine* GetD3DEngine() {
  // Never destroyed: objects torn down at exit may still release textures and buffers through it.
  static D3DEngine* engine = new D3DEngine();
  return engine;
}

DrawRecorder& D3DEngine::GetRecorder() {
  static DrawRecorder* recorder = [] {
    auto* r = new DrawRecorder();
    r->SetEnabled(IsHeadless());
    return r;
  }();
  return *recorder;
}

D3DEngine::D3DEngine() = default;

D3DEngine::~D3DEngine() {
  for (GSurface* s : m_textures) delete s;
  m_textures.clear();
}

void D3DEngine::DebugOut(const char* text) { GetDebug()->DebugOut(text); }

int D3DEngine::D3DEngineError(long, const char* text) {
  DebugOut(text);
  std::string shown(text ? text : "");
  if (shown.size() > 255) shown.resize(255);
  return ShowAlert("Error", shown, {"OK"}, 0);
}

void D3DEngine::ChooseWindowedSize(int displayWidth, int displayHeight, int* width, int* height) {
  if (displayWidth > *width && displayHeight > *height) return;
  static const int sizes[4][2] = {{800, 600}, {1024, 768}, {1280, 960}, {1280, 1024}};
  int i = 3;
  while (i > 0 && sizes[i][1] >= *height) --i;
  *width = sizes[i][0];
  *height = sizes[i][1];
}

void D3DEngine::SetGLAttributes() {
  if (Headless()) return;
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
}

bool D3DEngine::Initialise(void* window, void*, int width, int height, int bitsPerPixel, bool skipSafeMode,
                           bool forceWindowed) {
  DebugOut("Initialising Direct Draw");
  bool windowed = forceWindowed || GetPrivateProfileInt("config", "IsWindowed", 0, kConfigFile) != 0;
  if (!skipSafeMode && GetPrivateProfileInt("config", "SafeMode", 0, kConfigFile) != 0) {
    windowed = true;
    DebugOut("Forcing to safe mode, fullscreen not stable");
  }
  DebugOut(windowed ? "Attempting windowed mode" : "Attempting fullscreen mode");
  m_windowed = windowed;

  if (Headless()) {
    m_screenWidth = width;
    m_screenHeight = height;
    DebugOut(GFormat("Creating Context at %d %d %d", width, height, bitsPerPixel).c_str());
    m_viewX = m_viewY = 0;
    m_viewW = width;
    m_viewH = height;
    W = float(width);
    H = float(height);
    RedrawNextFrame();
    return true;
  }

  SDL_Window* win = static_cast<SDL_Window*>(window);
  if (!win) win = SDL_GL_GetCurrentWindow();
  if (!win) {
    DebugOut("D3DEngine::Initialise: there is no window to draw in");
    WindowsError("D3DEngine::Initialise (no window)");
  }
  m_window = win;

  if (windowed) {
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) == 0) ChooseWindowedSize(mode.w, mode.h, &width, &height);
  }
  m_screenWidth = width;
  m_screenHeight = height;
  DebugOut(GFormat("Creating Context at %d %d %d", width, height, bitsPerPixel).c_str());

  // One context for the program's life: a later Initialise (a display switch) keeps it, so every
  // texture loaded before stays valid. A different context made current by the caller is adopted;
  // textures of the old one mean nothing in it and are loaded again on their next use.
  SDL_GLContext current = SDL_GL_GetCurrentContext();
  if (current && current != m_context) {
    if (m_context) {
      DebugOut("A new GL context replaces the renderer's: textures will be loaded again");
      for (GSurface* t : m_textures) delete t;
      m_textures.clear();
      m_missingNames.clear();
      m_lastTextureName[0] = 0;
      m_boundTexture = 0;
      LastTexNum = 0;
    }
    m_context = current;
    m_ownsContext = false;
  } else if (!m_context) {
    SDL_GLContext ctx = SDL_GL_CreateContext(win);
    if (!ctx) {
      std::string why = GFormat("SDL_GL_CreateContext: %s", SDL_GetError());
      DebugOut(why.c_str());
      WindowsError(why.c_str());
    }
    m_context = ctx;
    m_ownsContext = true;
  }
  if (SDL_GL_MakeCurrent(win, static_cast<SDL_GLContext>(m_context)) != 0) {
    std::string why = GFormat("SDL_GL_MakeCurrent: %s", SDL_GetError());
    DebugOut(why.c_str());
    WindowsError(why.c_str());
  }
  if (const GLubyte* version = glGetString(GL_VERSION)) {
    const GLubyte* renderer = glGetString(GL_RENDERER);
    DebugOut(GFormat("OpenGL %s (%s)", reinterpret_cast<const char*>(version),
                     renderer ? reinterpret_cast<const char*>(renderer) : "?")
                 .c_str());
  } else {
    DebugOut("D3DEngine::Initialise: the GL context answers no version");
    WindowsError("D3DEngine::Initialise (glGetString)");
  }

  if (windowed) {
    SDL_SetWindowFullscreen(win, 0);
    SDL_SetWindowSize(win, width, height);
    SDL_SetWindowPosition(win, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    m_fullscreen = false;
  } else {
    if (SDL_SetWindowFullscreen(win, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0)
      DebugOut(GFormat("Full screen refused: %s", SDL_GetError()).c_str());
    m_fullscreen = true;
  }

  glDisable(GL_CULL_FACE);
  glDisable(GL_LIGHTING);
  glEnable(GL_COLOR_MATERIAL);
  glEnable(GL_BLEND);
  glDisable(GL_DEPTH_TEST);
  glShadeModel(GL_FLAT);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  W = float(width);
  H = float(height);
  m_drawW = -1;  // forces the viewport to be worked out
  SetupViewport();
  glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  SDL_GL_SwapWindow(win);
  glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
  // A new or resized window shows nothing of the frame drawn before.
  ForgetGLTexture();
  RedrawNextFrame();
  return true;
}

void D3DEngine::SetupViewport() {
  if (Headless() || !m_window) return;
  int dw = 0, dh = 0;
  SDL_GL_GetDrawableSize(static_cast<SDL_Window*>(m_window), &dw, &dh);
  if (dw <= 0 || dh <= 0) {
    dw = m_screenWidth;
    dh = m_screenHeight;
  }
  // The picture keeps its size and shape: scaled to fit the drawable and centred (letterbox).
  int vw = dw, vh = dh;
  if (dw != m_screenWidth || dh != m_screenHeight) {
    const double scale = std::min(double(dw) / m_screenWidth, double(dh) / m_screenHeight);
    vw = std::max(1, int(std::lround(m_screenWidth * scale)));
    vh = std::max(1, int(std::lround(m_screenHeight * scale)));
  }
  const int vx = (dw - vw) / 2, vy = (dh - vh) / 2;
  if (vx == m_viewX && vy == m_viewY && vw == m_viewW && vh == m_viewH && dw == m_drawW && dh == m_drawH) return;
  m_drawW = dw;
  m_drawH = dh;
  RedrawNextFrame();
  m_viewX = vx;
  m_viewY = vy;
  m_viewW = vw;
  m_viewH = vh;
  // GL counts the viewport from the bottom edge.
  glViewport(vx, dh - vy - vh, vw, vh);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0.0, double(m_screenWidth), double(m_screenHeight), 0.0, -1.0, 1.0);
  glMatrixMode(GL_MODELVIEW);
}

void D3DEngine::GetViewport(int* x, int* y, int* w, int* h) const {
  if (x) *x = m_viewX;
  if (y) *y = m_viewY;
  if (w) *w = m_viewW;
  if (h) *h = m_viewH;
}

void D3DEngine::WindowToScreen(float wx, float wy, float* sx, float* sy) const {
  float x = wx, y = wy;
  if (!Headless() && m_window && m_viewW > 0 && m_viewH > 0) {
    // Mouse positions come in window points; the viewport is in drawable pixels.
    int ww = 0, wh = 0, dw = 0, dh = 0;
    SDL_GetWindowSize(static_cast<SDL_Window*>(m_window), &ww, &wh);
    SDL_GL_GetDrawableSize(static_cast<SDL_Window*>(m_window), &dw, &dh);
    const float px = ww > 0 ? float(dw) / float(ww) : 1.0f;
    const float py = wh > 0 ? float(dh) / float(wh) : 1.0f;
    x = (wx * px - float(m_viewX)) * float(m_screenWidth) / float(m_viewW);
    y = (wy * py - float(m_viewY)) * float(m_screenHeight) / float(m_viewH);
  }
  if (sx) *sx = x;
  if (sy) *sy = y;
}

void D3DEngine::Release() {
  if (m_frames > 0.0f) DebugOut(GFormat("Redundant calls/frame = %f", double(m_redundantBinds / m_frames)).c_str());
  if (m_skipUnchanged)
    DebugOut(GFormat("Frames drawn %d, unchanged and not drawn %d", m_framesDrawn, m_framesSkipped).c_str());
  if (!Headless() && m_window && m_fullscreen) {
    SDL_SetWindowFullscreen(static_cast<SDL_Window*>(m_window), 0);
    m_fullscreen = false;
  }
}

void D3DEngine::BeginRender() {
  if (BInScene) return;
  if (!Headless()) {
    SetupViewport();
    if (!m_skipUnchanged) StartGLFrame();
  }
  m_boundTexture = 0;
  SetLinearFilter();
  BInScene = true;
  ++m_sceneCount;
}

void D3DEngine::EndRender() {
  BInScene = false;
  m_lastTextureName[0] = 0;
}

void D3DEngine::Flip() {
  const bool show = !m_skipUnchanged || DrawRecordedFrame();
  if (show && !Headless() && m_window) SDL_GL_SwapWindow(static_cast<SDL_Window*>(m_window));
  m_sceneCount = 0;
  m_frames += 1.0f;
  GetRecorder().EndFrame();
}

// ---- Texture state ----

void D3DEngine::SetTexture(int, uint32_t textureNumber) {
  m_lastTextureName[0] = 0;
  BindNumber(textureNumber);
}

// Only the renderer's idea of the bound texture: each command carries it, and binding in GL waits
// until a command is drawn.
void D3DEngine::BindNumber(uint32_t number) {
  m_boundTexture = number;
  if (number != 0) LastTexNum = number;
}

void D3DEngine::ClearLastTexture() { m_lastTextureName[0] = 0; }

void D3DEngine::SetLinearFilter() { m_pointFilter = false; }

void D3DEngine::SetPointFilter() { m_pointFilter = true; }

bool D3DEngine::InitVertexBuffer(int vertices, IDirect3DVertexBuffer8** out, unsigned int formatCode) {
  if (!out || vertices <= 0) return false;
  *out = new IDirect3DVertexBuffer8(vertices, formatCode);
  return true;
}

// ---- Recording ----

void D3DEngine::Record(DrawKind kind, const char* call, float l, float t, float r, float b, uint32_t colour,
                       int count, uint32_t colour2) {
  DrawRecorder& rec = GetRecorder();
  if (!rec.IsEnabled()) return;
  DrawRecord e;
  e.kind = kind;
  e.call = call;
  e.left = l;
  e.top = t;
  e.right = r;
  e.bottom = b;
  e.colour = colour;
  e.colour2 = colour2;
  e.count = count;
  if (kind != DrawKind::Fill && kind != DrawKind::Gradient && kind != DrawKind::Frame &&
      kind != DrawKind::FrameRounded && kind != DrawKind::Line && kind != DrawKind::Clear)
    e.texture = BoundTextureName();
  rec.Add(std::move(e));
}

void D3DEngine::NoteText(const char* text, float left, float top, float right, float bottom, uint32_t vbColour,
                         const char* texture) {
  DrawRecorder& rec = GetRecorder();
  if (!rec.IsEnabled()) return;
  DrawRecord e;
  e.kind = DrawKind::Text;
  e.call = "Text";
  e.left = left;
  e.top = top;
  e.right = right;
  e.bottom = bottom;
  e.colour = VBToSpriteColor(vbColour);
  e.texture = texture ? RewriteTextureName(texture) : BoundTextureName();
  e.text = text ? text : "";
  e.count = int(e.text.size());
  rec.Add(std::move(e));
}

// ---- Untextured primitives ----

void D3DEngine::ClearScreen() { ClearScreen(0xFF000000u); }

void D3DEngine::ClearScreen(uint32_t colour) {
  Record(DrawKind::Clear, "ClearScreen", 0, 0, W, H, colour);
  m_frame.AddClear(SwapColor(colour));
  Submit();
}

void D3DEngine::FillRect(const RECT* r, uint32_t colour) {
  if (!r) return;
  SetTexture(0, 0);
  Record(DrawKind::Fill, "FillRect", float(r->left), float(r->top), float(r->right), float(r->bottom), colour);
  const uint32_t c = SwapColor(colour);
  const float l = float(r->left), t = float(r->top), rr = float(r->right), b = float(r->bottom);
  BeginPrimitive(FramePrimitive::Quads);
  AddVertex(l, t, 0, 0, 0, c);
  AddVertex(l, b, 0, 0, 0, c);
  AddVertex(rr, b, 0, 0, 0, c);
  AddVertex(rr, t, 0, 0, 0, c);
  Submit();
}

void D3DEngine::FillRectGradient(const RECT* r, uint32_t colourLeft, uint32_t colourRight) {
  if (!r) return;
  SetTexture(0, 0);
  Record(DrawKind::Gradient, "FillRectGradient", float(r->left), float(r->top), float(r->right), float(r->bottom),
         colourLeft, 0, colourRight);
  // Flat shading would give the whole quad one colour: blend across this quad only.
  const uint32_t cl = SwapColor(colourLeft), cr = SwapColor(colourRight);
  const float l = float(r->left), t = float(r->top), rr = float(r->right), b = float(r->bottom);
  BeginPrimitive(FramePrimitive::Quads, true);
  AddVertex(l, t, 0, 0, 0, cl);
  AddVertex(l, b, 0, 0, 0, cl);
  AddVertex(rr, b, 0, 0, 0, cr);
  AddVertex(rr, t, 0, 0, 0, cr);
  Submit();
}

void D3DEngine::ClearArea(const RECT* r) { FillRect(r, 0xFF000000u); }

// Lines run through pixel centres, so an outline at integer corners lands on whole pixels.
void D3DEngine::LineStrip(const float* xy, int points, uint32_t colour) {
  const uint32_t c = SwapColor(colour);
  BeginPrimitive(FramePrimitive::LineStrip);
  for (int i = 0; i < points; ++i) AddVertex(xy[2 * i] + 0.5f, xy[2 * i + 1] + 0.5f, 0, 0, 0, c);
  Submit();
}

void D3DEngine::FrameRect(const RECT* r, uint32_t colour) {
  if (!r) return;
  SetTexture(0, 0);
  Record(DrawKind::Frame, "FrameRect", float(r->left), float(r->top), float(r->right), float(r->bottom), colour);
  const float l = float(r->left), t = float(r->top), rr = float(r->right), b = float(r->bottom);
  const float xy[] = {l, t, l, b, rr, b, rr, t, l, t};
  LineStrip(xy, 5, colour);
}

void D3DEngine::FrameRectRounded(const RECT* r, uint32_t colour) {
  if (!r) return;
  // An outline drawn with a texture still bound would sample it; draw it plain like every frame.
  SetTexture(0, 0);
  Record(DrawKind::FrameRounded, "FrameRectRounded", float(r->left), float(r->top), float(r->right),
         float(r->bottom), colour);
  const float l = float(r->left), t = float(r->top), rr = float(r->right), b = float(r->bottom);
  const float xy[] = {l, t + 2, l, b - 2, l + 2, b, rr - 2, b, rr, b - 2, rr, t + 2, rr - 2, t, l + 2, t, l, t + 2};
  LineStrip(xy, 9, colour);
}

void D3DEngine::RenderLine(float x1, float y1, float x2, float y2, uint32_t colour) {
  SetTexture(0, 0);
  Record(DrawKind::Line, "RenderLine", x1, y1, x2, y2, colour, 2);
  const float xy[] = {x1, y1, x2, y2};
  LineStrip(xy, 2, colour);
}

// ---- Textured drawing ----

void D3DEngine::DrawGradientQuad(const _D3DTLVERTEX v[4]) {
  if (!v) return;
  Record(DrawKind::Gradient, "DrawGradientQuad", std::min(v[0].x, v[2].x), std::min(v[0].y, v[1].y),
         std::max(v[1].x, v[3].x), std::max(v[2].y, v[3].y), v[0].diffuse, 4, v[3].diffuse);
  static const int order[4] = {0, 2, 3, 1};
  BeginPrimitive(FramePrimitive::Quads, true);
  for (int i : order) AddVertex(v[i].x, v[i].y, v[i].z, v[i].u, v[i].v, SwapColor(v[i].diffuse));
  Submit();
}

void D3DEngine::DrawQuad(const _D3DTLVERTEX v[4]) {
  if (!v) return;
  if (GetRecorder().IsEnabled()) {
    float l = v[0].x, t = v[0].y, r = v[0].x, b = v[0].y;
    for (int i = 1; i < 4; ++i) {
      l = std::min(l, v[i].x);
      t = std::min(t, v[i].y);
      r = std::max(r, v[i].x);
      b = std::max(b, v[i].y);
    }
    Record(DrawKind::Quad, "DrawQuad", l, t, r, b, v[3].diffuse, 4);
  }
  // Much of a sprite's picture is often empty (an avatar layer, the skyline above the roofs): with
  // software GL every covered pixel costs the same, so the quad is cut to the visible texels. What
  // is cut would have blended at alpha 0, so the picture is the same to the pixel; the recorder
  // still sees the sprite's own quad.
  _D3DTLVERTEX trimmed[4];
  if (TrimToVisible(v, trimmed)) v = trimmed;
  // Corners go out top-left, bottom-left, bottom-right, top-right with the colours of the
  // top-left, top-right, bottom-left and bottom-right vertices; flat shading shows the last.
  static const int order[4] = {0, 2, 3, 1};
  BeginPrimitive(FramePrimitive::Quads);
  for (int i = 0; i < 4; ++i) {
    const _D3DTLVERTEX& p = v[order[i]];
    AddVertex(p.x, p.y, p.z, p.u, p.v, SwapColor(v[i].diffuse));
  }
  Submit();
}

bool D3DEngine::TrimToVisible(const _D3DTLVERTEX v[4], _D3DTLVERTEX out[4]) {
  if (m_boundTexture == 0) return false;
  // Only an upright quad (v0 top-left, v1 top-right, v2 bottom-left, v3 bottom-right) showing one
  // copy of the picture, or part of it, the right way round.
  if (v[0].y != v[1].y || v[2].y != v[3].y || v[0].x != v[2].x || v[1].x != v[3].x) return false;
  if (v[0].u != v[2].u || v[1].u != v[3].u || v[0].v != v[1].v || v[2].v != v[3].v) return false;
  const float u0 = v[0].u, u1 = v[1].u, t0 = v[0].v, t1 = v[2].v;
  if (!(u0 >= 0.0f && u0 < u1 && u1 <= 1.0f && t0 >= 0.0f && t0 < t1 && t1 <= 1.0f)) return false;
  if (!(v[0].x < v[1].x && v[0].y < v[2].y)) return false;
  if (m_trimNumber != m_boundTexture) {
    m_trimNumber = m_boundTexture;
    m_trimSurface = BoundSurface();
  }
  GSurface* s = const_cast<GSurface*>(m_trimSurface);
  if (!s || s->fromDDS || s->width <= 0 || s->height <= 0) return false;
  if (!s->opaqueKnown) s->FindOpaqueBox();
  const float w = float(s->width), h = float(s->height);
  const float nu0 = std::max(u0, float(s->opaqueLeft) / w), nu1 = std::min(u1, float(s->opaqueRight) / w);
  const float nt0 = std::max(t0, float(s->opaqueTop) / h), nt1 = std::min(t1, float(s->opaqueBottom) / h);
  if (nu0 == u0 && nu1 == u1 && nt0 == t0 && nt1 == t1) return false;
  for (int i = 0; i < 4; ++i) out[i] = v[i];
  if (nu0 >= nu1 || nt0 >= nt1) {  // nothing visible: a quad of no size draws nothing
    for (int i = 0; i < 4; ++i) out[i].x = v[0].x, out[i].y = v[0].y;
    return true;
  }
  // The positions follow the texture coordinates linearly across the quad.
  const float x0 = v[0].x, x1 = v[1].x, y0 = v[0].y, y1 = v[2].y;
  const float l = x0 + (x1 - x0) * (nu0 - u0) / (u1 - u0), r = x0 + (x1 - x0) * (nu1 - u0) / (u1 - u0);
  const float t = y0 + (y1 - y0) * (nt0 - t0) / (t1 - t0), b = y0 + (y1 - y0) * (nt1 - t0) / (t1 - t0);
  out[0].x = out[2].x = l;
  out[1].x = out[3].x = r;
  out[0].y = out[1].y = t;
  out[2].y = out[3].y = b;
  out[0].u = out[2].u = nu0;
  out[1].u = out[3].u = nu1;
  out[0].v = out[1].v = nt0;
  out[2].v = out[3].v = nt1;
  return true;
}

void D3DEngine::DrawTriangles(const _D3DTLVERTEX* v, const uint16_t* indices, int count) {
  if (!v || count <= 0) return;
  if (GetRecorder().IsEnabled()) {
    const _D3DTLVERTEX& first = v[indices ? indices[0] : 0];
    float l = first.x, t = first.y, r = first.x, b = first.y;
    for (int i = 1; i < count; ++i) {
      const _D3DTLVERTEX& p = v[indices ? indices[i] : i];
      l = std::min(l, p.x);
      t = std::min(t, p.y);
      r = std::max(r, p.x);
      b = std::max(b, p.y);
    }
    Record(DrawKind::Triangles, "GVertexBuffer::Draw", l, t, r, b, VBToSpriteColor(first.diffuse), count);
  }
  BeginPrimitive(FramePrimitive::Triangles);
  for (int i = 0; i < count; ++i) {
    const _D3DTLVERTEX& p = v[indices ? indices[i] : i];
    AddVertex(p.x, p.y, p.z, p.u, p.v, SwapColor(VBToSpriteColor(p.diffuse)));
  }
  Submit();
}

void D3DEngine::DrawTexturedRect(float l, float t, float r, float b, float u0, float v0, float u1, float v1,
                                 uint32_t colour) {
  const uint32_t c = SwapColor(colour);
  BeginPrimitive(FramePrimitive::Quads);
  AddVertex(l, t, 0, u0, v0, c);
  AddVertex(l, b, 0, u0, v1, c);
  AddVertex(r, b, 0, u1, v1, c);
  AddVertex(r, t, 0, u1, v0, c);
  Submit();
}

void D3DEngine::FillScreen(SmartTexture* texture, float u, float v) {
  if (!BInScene) BeginRender();
  if (texture) texture->Set();
  Record(DrawKind::FillScreen, "FillScreen", 0, 0, W, H, 0xFFFFFFFFu, 4);
  DrawTexturedRect(0, 0, W, H, 0, 0, u, v, 0xFFFFFFFFu);
}

void D3DEngine::FillScreen(const char* texture) {
  if (!BInScene) BeginRender();
  SetTexture(texture);
  Record(DrawKind::FillScreen, "FillScreen", 0, 0, W, H, 0xFFFFFFFFu, 4);
  DrawTexturedRect(0, 0, W, H, 0, 0, 1, 1, 0xFFFFFFFFu);
}

void D3DEngine::TileRect(const RECT* r, const char* texture, uint32_t colour) {
  if (!r || !texture) return;
  SetTexture(texture);
  const GSurface* s = FindLoadedTexture(texture);
  if (!s || s->width <= 0 || s->height <= 0) return;
  const int tw = s->width, th = s->height;
  SetPointFilter();
  int tiles = 0;
  for (int x = r->left; x < r->right; x += tw) {
    for (int y = r->top; y < r->bottom; y += th) {
      // Edge tiles are narrower but still show the whole picture, squeezed.
      const int w = std::min(tw, r->right - x), h = std::min(th, r->bottom - y);
      ++tiles;
      DrawTexturedRect(float(x), float(y), float(x + w), float(y + h), 0, 0, 1, 1, colour);
    }
  }
  Record(DrawKind::TileRect, "TileRect", float(r->left), float(r->top), float(r->right), float(r->bottom), colour,
         tiles);
  SetLinearFilter();
}

void D3DEngine::DrawBitmapRun(uint32_t listBase, float x, float y, const unsigned char* bytes, size_t count, int r,
                              int g, int b) {
  m_frame.AddBitmapRun(listBase, x, y, bytes, count, SwapColor(SpriteColor(r, g, b)), m_boundTexture);
  Submit();
}
