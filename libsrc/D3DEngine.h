#pragma once
// The game's 2D renderer. It keeps the Direct3D vocabulary (scenes, vertex buffers, surfaces,
// packed colours) but draws through OpenGL 1.x in immediate mode, in screen pixels with the origin
// at the top-left of the window's content and y growing downwards. Textures are found by file name
// in the bitmap directories and loaded on first use.
//
// Under VORLA2_HEADLESS=1 no OpenGL call is made at all: every drawing request is kept in the
// DrawRecorder (GetRecorder) instead, and textures are still looked up and decoded (so sizes and
// pixels are known to layout and font code) but never uploaded.
//
// Every drawing request becomes a command of the frame (FrameCommands) before it reaches GL. By
// default each is drawn at once. With SetSkipUnchangedFrames(true) (the game's window does this)
// the frame is only recorded, and Flip draws and shows it when it differs from the frame on
// screen: a still picture costs no GL work and no swap. Anything the commands do not show, such
// as a texture uploaded again or the window exposed, calls RedrawNextFrame.
//
// The shell's side: after SDL_Init(SDL_INIT_VIDEO) call D3DEngine::SetGLAttributes(), create the
// window with SDL_WINDOW_OPENGL, then GetD3DEngine()->Initialise(window, nullptr, w, h, 32, false,
// false). Initialise makes the GL context on the first call (or adopts one already current) and
// keeps it across later calls, so textures survive a switch between window and full screen.
#include <cstdint>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "D3DTypes.h"
#include "DrawRecorder.h"
#include "FrameCommands.h"
#include "GSurface.h"
#include "GVertexBuffer.h"
#include "Win32Types.h"

class BaseSprite;
class SmartTexture;
struct V2;

class D3DEngine {
 public:
  D3DEngine();
  ~D3DEngine();
  D3DEngine(const D3DEngine&) = delete;
  D3DEngine& operator=(const D3DEngine&) = delete;

  // ---- Life cycle (the application shell) ----
  // window: the SDL_Window* of the main window (opaque here); device is ignored. Reads IsWindowed
  // and SafeMode of section "config" of "data\config.ziz". Windowed, the window is sized to the
  // drawing size and centred (a display not strictly larger than the request falls back to
  // 800x600); full screen, the window covers the desktop and the picture is letterboxed into it.
  // A GL start that fails is fatal (WindowsError naming the failing call). Headless: no window is
  // needed; sizes are set and true is returned.
  bool Initialise(void* window, void* device, int width, int height, int bitsPerPixel, bool skipSafeMode,
                  bool forceWindowed);
  void Release();
  void BeginRender();
  void EndRender();
  // Ends the frame: shows it, or with skipping on, draws and shows it only when it differs from the
  // frame on screen.
  void Flip();

  // ---- Frames that cost nothing when nothing moves ----
  void SetSkipUnchangedFrames(bool on);
  bool GetSkipUnchangedFrames() const { return m_skipUnchanged; }
  // The next frame is drawn whatever its commands: the screen may no longer show the last one (an
  // expose, a resize, focus back) or the same commands may now draw something else (a texture or
  // font uploaded again, a new context).
  void RedrawNextFrame() { m_redrawNext = true; }
  // With skipping on: draws the frame recorded since the last Flip into the back buffer when it
  // differs from the frame on screen, and takes it as the frame on screen; false when it was the
  // same and nothing was drawn. Flip calls it and swaps when it drew.
  bool DrawRecordedFrame();
  int GetFramesDrawn() const { return m_framesDrawn; }
  int GetFramesSkipped() const { return m_framesSkipped; }
  const FrameCommands& GetRecordedFrame() const { return m_frame; }  // since the last Flip
  bool InScene() const { return BInScene; }
  int GetScreenWidth() const { return m_screenWidth; }
  int GetScreenHeight() const { return m_screenHeight; }
  bool GetIsWindowed() const { return m_windowed; }
  void DebugOut(const char* text);                   // the renderer's messages go to the debug log
  int D3DEngineError(long code, const char* text);  // log + one alert
  void ReleaseAllSurfaces() {}
  void RestoreSurfaces() {}
  void ToGDI() {}

  // GL attributes the window must be created with (double buffer, a compatibility context). Call
  // after SDL_Init and before SDL_CreateWindow. Does nothing headless.
  static void SetGLAttributes();
  // The letterbox: where the drawing size sits inside the window's drawable, in window pixels.
  // Windowed it is (0, 0, width, height).
  void GetViewport(int* x, int* y, int* w, int* h) const;
  // Window (mouse) coordinates to screen (game) pixels through the letterbox.
  void WindowToScreen(float wx, float wy, float* sx, float* sy) const;

  // ---- Drawing (screen pixels; colours in the sprite packing) ----
  void ClearScreen();
  void ClearScreen(uint32_t colour);
  void FillRect(const RECT* r, uint32_t colour);
  void FillRect(const BaseSprite* sprite, uint32_t colour);
  void FillRectGradient(const RECT* r, uint32_t colourLeft, uint32_t colourRight);
  void ClearArea(const RECT* r);  // opaque black
  void FrameRect(const RECT* r, uint32_t colour);
  void FrameRect(const BaseSprite* sprite, uint32_t colour);
  void FrameRectRounded(const RECT* r, uint32_t colour);
  void RenderLine(float x1, float y1, float x2, float y2, uint32_t colour);
  void RenderSpriteLine(const V2* points, int count, uint32_t colour, float width);
  void FillScreen(SmartTexture* texture, float u, float v);
  void FillScreen(const char* texture);
  void TileRect(const RECT* r, const char* texture, uint32_t colour);

  // One sprite quad (vertices top-left, top-right, bottom-left, bottom-right) with the texture
  // bound now; under flat shading it shows the bottom-right vertex's colour. BaseSprite::DrawNoChecks
  // draws through this.
  void DrawQuad(const _D3DTLVERTEX vertices[4]);
  // The same quad shaded smoothly, every corner in its own colour: a gradient in any direction.
  // Recorded as a Gradient with colour = the top-left vertex's, colour2 = the bottom-right one's.
  void DrawGradientQuad(const _D3DTLVERTEX vertices[4]);
  // Independent triangles in the vertex-buffer packing; indices may be null (vertices in order).
  // GVertexBuffer::Draw and DrawVerts draw through this.
  void DrawTriangles(const _D3DTLVERTEX* vertices, const uint16_t* indices, int count);
  // The text engine notes each string it queues, so the recorder can show it. Does nothing unless
  // recording. colour in the vertex-buffer packing (as the text engine holds it).
  void NoteText(const char* text, float left, float top, float right, float bottom, uint32_t vbColour,
                const char* texture);
  // System-font text: the display lists listBase + byte for each byte, from the raster position
  // (x, y), in the colour given (0..255 each), with the texture bound now.
  void DrawBitmapRun(uint32_t listBase, float x, float y, const unsigned char* bytes, size_t count, int r, int g,
                     int b);

  void SetTexture(int stage, uint32_t textureNumber);  // 0 draws untextured
  void ClearLastTexture();
  // Additive blending (source alpha, one) for what is drawn until it is switched off again; the
  // usual blend is source alpha, one minus source alpha.
  void SetAdditiveBlend(bool on) { m_additive = on; }
  bool IsAdditiveBlend() const { return m_additive; }
  void SetLinearFilter();
  void SetPointFilter();
  bool InitVertexBuffer(int vertices, IDirect3DVertexBuffer8** out, unsigned int formatCode);

  // ---- Textures ----
  // Adds the directory and all its subdirectories (parent first, siblings by name). inResources:
  // the directory is relative to the resources directory.
  void AddBitmapDirectories(const std::string& directory, bool inResources);
  void AddBitmapDirectory(const std::string& directory);
  // Names are file names; a name holding ".dds" is looked up with ".png" in its place (anything
  // after ".dds" is dropped). Lookups are exact and case-sensitive, loading is lazy.
  uint32_t GetTexture(const char* name);  // 0 when not found (reported once per name)
  bool SetTexture(const char* name);      // binds for drawing; false when not found
  bool SetTexture(const std::string& name) { return SetTexture(name.c_str()); }
  // name null: the texture bound last. Each out pointer may be null. False when nothing matches.
  // Looks only among loaded textures: GetTexture(name) loads one first. Pixels of pictures are
  // bytes alpha, red, green, blue (see GSurface).
  bool GetTextureData(const char* name, int* width, int* height, unsigned char** pixels);
  bool CreateTextureOnDemand(const char* name);
  bool FindTexture(const char* name, const char* directory, bool inResources);
  void CreateTexture(GSurface* record, const char* path);
  void AddTextureManually(uint32_t number, int width, int height);
  // Reads a DDS picture from the stream (or memory when the stream is null) and uploads it. The
  // outputs receive the uploaded data, the texture number and the size.
  bool loadDDS(FILE* stream, const unsigned char* memory, size_t memorySize, std::vector<uint8_t>* pixels,
               uint32_t* textureNumber, int* width, int* height, const RECT* part);

  // ---- State, for the shell and tests ----
  const std::vector<std::string>& GetBitmapDirectories() const { return m_bitmapDirectories; }
  const std::vector<GSurface*>& GetTextures() const { return m_textures; }
  const GSurface* FindLoadedTexture(const std::string& name) const;  // rewritten name, no loading
  const char* GetLastTextureName() const { return m_lastTextureName; }
  uint32_t GetBoundTexture() const { return m_boundTexture; }  // 0 when texturing is off
  float GetRedundantBinds() const { return m_redundantBinds; }
  float GetFrames() const { return m_frames; }
  int GetSceneCount() const { return m_sceneCount; }
  bool IsPointFilter() const { return m_pointFilter; }
  bool HasContext() const { return m_context != nullptr; }

  // ".dds" -> ".png", cut after it.
  static std::string RewriteTextureName(const char* name);
  // The windowed size rule: a display not strictly larger than the request falls back along the
  // table 800x600, 1024x768, 1280x960, 1280x1024 (a request 768 high always gives 800x600).
  static void ChooseWindowedSize(int displayWidth, int displayHeight, int* width, int* height);

  static DrawRecorder& GetRecorder();
  static bool IsRecording() { return GetRecorder().IsEnabled(); }

  static bool BInScene;
  static float W;  // the drawing size, read by sprites and GUI elements
  static float H;

 private:
  void BindNumber(uint32_t number);
  const GSurface* BoundSurface() const;
  // The quad cut down to the bound picture's visible texels (see DrawQuad); false when it stays.
  bool TrimToVisible(const _D3DTLVERTEX v[4], _D3DTLVERTEX out[4]);
  std::string BoundTextureName() const;
  void Record(DrawKind kind, const char* call, float l, float t, float r, float b, uint32_t colour,
              int count = 0, uint32_t colour2 = 0);
  void AddDirectoryTree(const std::string& listed, const std::string& onDisk, int depth);
  uint32_t UploadPicture(const uint8_t* argb, int width, int height);
  void SetupViewport();
  void DrawTexturedRect(float l, float t, float r, float b, float u0, float v0, float u1, float v1,
                        uint32_t colour);
  // The frame's commands: a primitive with the texture and filter in force now, its vertices, and
  // Submit once it is complete (drawn at once unless frames are being skipped).
  void BeginPrimitive(FramePrimitive primitive, bool smooth = false);
  void LineStrip(const float* xy, int points, uint32_t colour);  // through the pixel centres
  void AddVertex(float x, float y, float z, float u, float v, uint32_t rgba) { m_frame.AddVertex(x, y, z, u, v, rgba); }
  void Submit();
  // GL: the state every frame starts from (and the letterbox bars cleared), then the commands.
  void StartGLFrame();
  void ExecuteGL(const FrameCommands& frame, const FrameCommand& command);
  void BindForCommand(const FrameCommand& command);
  void ForgetGLTexture() { m_glTexture = kUnknownTexture; }

  int m_sceneCount = 0;
  void* m_context = nullptr;  // SDL_GLContext
  void* m_window = nullptr;   // SDL_Window*
  bool m_ownsContext = false;
  std::vector<std::string> m_bitmapDirectories;
  bool m_windowed = true;
  std::vector<GSurface*> m_textures;
  char m_lastTextureName[256] = {0};
  int m_screenWidth = 1024;
  int m_screenHeight = 768;
  float m_redundantBinds = 0.0f;
  float m_frames = 0.0f;
  uint32_t m_boundTexture = 0;
  uint32_t m_trimNumber = 0;              // the texture last looked up for TrimToVisible...
  const GSurface* m_trimSurface = nullptr;  // ...and its record (null: not a picture of the list)
  uint32_t m_nextFakeNumber = 1;  // headless texture numbers (nothing is uploaded)
  std::set<std::string> m_missingNames;  // searched for and not found, until the directories change
  bool m_pointFilter = false;
  bool m_additive = false;
  bool m_fullscreen = false;
  int m_viewX = 0, m_viewY = 0, m_viewW = 1024, m_viewH = 768;
  int m_drawW = -1, m_drawH = -1;  // the window's drawable, in pixels

  FrameCommands m_frame;     // recorded since the last Flip
  FrameCommands m_onScreen;  // the frame shown last (skipping on)
  bool m_skipUnchanged = false;
  bool m_redrawNext = true;
  int m_framesDrawn = 0;
  int m_framesSkipped = 0;
  // What GL has bound and enabled now, while commands are drawn; unknown at a frame's start.
  static constexpr uint32_t kUnknownTexture = 0xFFFFFFFFu;
  uint32_t m_glTexture = kUnknownTexture;
  bool m_glPointFilter = false;
};

// The OpenGL texture name bound last (kept when texturing is switched off).
extern uint32_t LastTexNum;

// The one renderer.
D3DEngine* GetD3DEngine();
