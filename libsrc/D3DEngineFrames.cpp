// The frame's commands on their way to GL: drawn one by one as they come, or, with skipping on,
// recorded through the frame and drawn at the flip only when they differ from the frame on screen.
// Software GL spends nearly all of an idle game's time redrawing an unchanged picture; the game's
// own work for a frame is small beside it.
#include <SDL_opengl.h>

#include "D3DEngine.h"
#include "GDebug.h"

namespace {

bool FramesHeadless() {
  static const bool headless = IsHeadless();
  return headless;
}

void GLColour(uint32_t rgba) {
  glColor4ub(GLubyte(rgba & 0xFF), GLubyte((rgba >> 8) & 0xFF), GLubyte((rgba >> 16) & 0xFF), GLubyte(rgba >> 24));
}

GLenum GLMode(FramePrimitive primitive) {
  switch (primitive) {
    case FramePrimitive::Quads: return GL_QUADS;
    case FramePrimitive::LineStrip: return GL_LINE_STRIP;
    case FramePrimitive::Triangles: return GL_TRIANGLES;
    case FramePrimitive::TriangleStrip: return GL_TRIANGLE_STRIP;
  }
  return GL_QUADS;
}

void GLFilter(bool point) {
  const GLint f = point ? GL_NEAREST : GL_LINEAR;
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, f);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, f);
}

}  // namespace

void D3DEngine::SetSkipUnchangedFrames(bool on) {
  m_skipUnchanged = on;
  m_frame.Clear();
  m_onScreen.Clear();
  m_redrawNext = true;
}

void D3DEngine::BeginPrimitive(FramePrimitive primitive, bool smooth) {
  m_frame.BeginPrimitive(primitive, m_boundTexture, m_pointFilter, smooth, m_additive);
}

void D3DEngine::Submit() {
  if (m_skipUnchanged) return;
  if (!FramesHeadless() && !m_frame.Empty()) ExecuteGL(m_frame, m_frame.Last());
  m_frame.Clear();
}

bool D3DEngine::DrawRecordedFrame() {
  const bool changed = m_redrawNext || !(m_frame == m_onScreen);
  if (changed) {
    if (!FramesHeadless()) {
      StartGLFrame();
      for (const FrameCommand& c : m_frame.Commands()) ExecuteGL(m_frame, c);
    }
    m_onScreen.Swap(m_frame);
    m_redrawNext = false;
    ++m_framesDrawn;
  } else {
    ++m_framesSkipped;
  }
  m_frame.Clear();
  return changed;
}

void D3DEngine::StartGLFrame() {
  if (m_viewW != m_drawW || m_viewH != m_drawH) {
    // Letterboxed: the bars outside the picture are black, whatever the last frame left there.
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
  }
  glEnable(GL_BLEND);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_LIGHTING);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glShadeModel(GL_FLAT);
  glDisable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, 0);
  m_glTexture = 0;
}

void D3DEngine::BindForCommand(const FrameCommand& c) {
  if (c.texture != m_glTexture) {
    if (c.texture == 0) {
      glDisable(GL_TEXTURE_2D);
    } else {
      glEnable(GL_TEXTURE_2D);
      glBindTexture(GL_TEXTURE_2D, c.texture);
      // The filter belongs to the texture object: set it on every bind, as the last user may have
      // left the other one.
      GLFilter(c.pointFilter);
      m_glPointFilter = c.pointFilter;
    }
    m_glTexture = c.texture;
  } else if (c.texture != 0 && c.pointFilter != m_glPointFilter) {
    GLFilter(c.pointFilter);
    m_glPointFilter = c.pointFilter;
  }
}

void D3DEngine::ExecuteGL(const FrameCommands& frame, const FrameCommand& c) {
  switch (c.op) {
    case FrameOp::Clear:
      glClearColor(float(c.rgba & 0xFF) / 255.0f, float((c.rgba >> 8) & 0xFF) / 255.0f,
                   float((c.rgba >> 16) & 0xFF) / 255.0f, float(c.rgba >> 24) / 255.0f);
      glClear(GL_COLOR_BUFFER_BIT);
      glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
      break;
    case FrameOp::Primitive: {
      BindForCommand(c);
      if (c.smooth) glShadeModel(GL_SMOOTH);
      if (c.additive) glBlendFunc(GL_SRC_ALPHA, GL_ONE);
      const FrameVertex* v = frame.Vertices().data() + c.first;
      glBegin(GLMode(c.primitive));
      for (uint32_t i = 0; i < c.count; ++i) {
        GLColour(v[i].rgba);
        glTexCoord2f(v[i].u, v[i].v);
        glVertex3f(v[i].x, v[i].y, v[i].z);
      }
      glEnd();
      if (c.smooth) glShadeModel(GL_FLAT);
      if (c.additive) glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
      break;
    }
    case FrameOp::BitmapRun:
      BindForCommand(c);
      // The raster position takes the colour current when it is set.
      GLColour(c.rgba);
      glRasterPos2f(c.x, c.y);
      glListBase(c.listBase);
      glCallLists(GLsizei(c.count), GL_UNSIGNED_BYTE, frame.Bytes().data() + c.first);
      glListBase(0);
      break;
  }
}
