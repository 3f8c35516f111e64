// Textures: the bitmap directories, lookup by file name, decoding and upload.
#include <SDL.h>
#include <SDL_image.h>
#include <SDL_opengl.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "D3DEngine.h"
#include "DDSReader.h"
#include "GDebug.h"
#include "MacFile.h"
#include "Paths.h"
#include "StringUtils.h"

namespace fs = std::filesystem;

namespace {

bool TexturesHeadless() {
  static const bool headless = IsHeadless();
  return headless;
}

using CompressedTexImage2D = void (*)(GLenum, GLint, GLenum, GLsizei, GLsizei, GLint, GLsizei, const void*);

CompressedTexImage2D GetCompressedTexImage2D() {
  static CompressedTexImage2D fn = [] {
    void* p = SDL_GL_GetProcAddress("glCompressedTexImage2D");
    if (!p) p = SDL_GL_GetProcAddress("glCompressedTexImage2DARB");
    return reinterpret_cast<CompressedTexImage2D>(p);
  }();
  return fn;
}

// The directory with a "/" at its end: inside the resources directory, or as given.
std::string PatternDirectory(const std::string& directory, bool inResources) {
  if (inResources) return BuildMacResourceDirPath(directory.c_str());
  std::string d = ToForwardSlashes(directory);
  if (d.empty() || d.back() != '/') d += '/';
  return d;
}

// Subdirectories by name, skipping hidden ones: the listing order fixes which copy wins.
std::vector<std::string> SubDirectories(const std::string& onDisk) {
  std::vector<std::string> out;
  std::error_code ec;
  fs::directory_iterator it(onDisk, ec);
  if (ec) return out;
  for (const fs::directory_entry& e : it) {
    std::string name = e.path().filename().string();
    if (name.empty() || name[0] == '.') continue;
    if (e.is_directory(ec)) out.push_back(name);
  }
  std::sort(out.begin(), out.end());
  return out;
}

}  // namespace

std::string D3DEngine::RewriteTextureName(const char* name) {
  std::string n = name ? name : "";
  size_t pos = n.find(".dds");
  if (pos != std::string::npos) n = n.substr(0, pos) + ".png";
  return n;
}

// ---- Bitmap directories ----

void D3DEngine::AddBitmapDirectories(const std::string& directory, bool inResources) {
  if (!inResources) {
    AddDirectoryTree(directory, ToForwardSlashes(directory), 0);
    return;
  }
  // Entries stay relative to the resources directory, as the parent was given.
  std::string onDisk = BuildMacResourceDirPath(directory.c_str());
  if (onDisk.empty()) {
    AddBitmapDirectory(directory);
    return;
  }
  while (onDisk.size() > 1 && onDisk.back() == '/') onDisk.pop_back();
  AddDirectoryTree(directory, onDisk, 0);
}

void D3DEngine::AddDirectoryTree(const std::string& listed, const std::string& onDisk, int depth) {
  m_bitmapDirectories.push_back(listed);
  m_missingNames.clear();
  if (depth > 32) return;  // a symbolic-link loop ends here
  for (const std::string& sub : SubDirectories(onDisk)) AddDirectoryTree(listed + "/" + sub, onDisk + "/" + sub, depth + 1);
}

void D3DEngine::AddBitmapDirectory(const std::string& directory) {
  m_bitmapDirectories.push_back(directory);
  m_missingNames.clear();
}

// ---- Lookup ----

const GSurface* D3DEngine::FindLoadedTexture(const std::string& name) const {
  const std::string n = RewriteTextureName(name.c_str());
  for (const GSurface* s : m_textures)
    if (s->name == n) return s;
  return nullptr;
}

const GSurface* D3DEngine::BoundSurface() const {
  if (m_boundTexture == 0) return nullptr;
  for (const GSurface* s : m_textures)
    if (s->textureNumber == m_boundTexture) return s;
  return nullptr;
}

std::string D3DEngine::BoundTextureName() const {
  const GSurface* s = BoundSurface();
  return s ? s->name : std::string();
}

uint32_t D3DEngine::GetTexture(const char* name) {
  if (!name || !name[0]) return 0;
  const std::string n = RewriteTextureName(name);
  if (const GSurface* s = FindLoadedTexture(n)) return s->textureNumber;
  if (!CreateTextureOnDemand(n.c_str())) return 0;
  const GSurface* s = FindLoadedTexture(n);
  return s ? s->textureNumber : 0;
}

bool D3DEngine::SetTexture(const char* name) {
  const std::string n = RewriteTextureName(name);
  if (!BInScene) BeginRender();
  if (!n.empty() && n == m_lastTextureName) {
    m_redundantBinds += 1.0f;
    return true;
  }
  if (n.empty()) {
    // No name at all is the caller's slip, not a missing picture: draw untextured.
    GWarnOnce("texture:<empty>", "SetTexture called without a texture name", __FILE__, __LINE__);
    BindNumber(0);
    m_lastTextureName[0] = 0;
    return false;
  }
  const GSurface* s = FindLoadedTexture(n);
  if (!s && CreateTextureOnDemand(n.c_str())) s = FindLoadedTexture(n);
  if (!s) {
    // Once per name: a missing picture would otherwise be reported on every frame that draws it.
    GErrorOnce("texture:" + n, GFormat("Failed to locate texture: %s", n.c_str()).c_str(), __FILE__, __LINE__);
    BindNumber(0);
    m_lastTextureName[0] = 0;
    return false;
  }
  BindNumber(s->textureNumber);
  std::snprintf(m_lastTextureName, sizeof m_lastTextureName, "%s", n.c_str());
  return true;
}

bool D3DEngine::GetTextureData(const char* name, int* width, int* height, unsigned char** pixels) {
  const GSurface* match = nullptr;
  if (name) {
    match = FindLoadedTexture(name);
  } else {
    const std::string last = RewriteTextureName(m_lastTextureName);
    for (const GSurface* s : m_textures) {
      if ((LastTexNum != 0 && s->textureNumber == LastTexNum) || (!last.empty() && s->name == last)) {
        match = s;
        break;
      }
    }
  }
  if (!match) return false;
  if (width) *width = match->width;
  if (height) *height = match->height;
  if (pixels) *pixels = match->pixels.empty() ? nullptr : const_cast<unsigned char*>(match->pixels.data());
  return true;
}

bool D3DEngine::CreateTextureOnDemand(const char* name) {
  if (!name || !name[0]) return false;
  const std::string n = name;
  if (!TexturesHeadless() && !m_context) {
    // Nothing can be uploaded before the renderer has its context; the name is tried again later.
    GWarnOnce("texture-before-context", GFormat("Texture %s asked for before the renderer started", name).c_str(),
              __FILE__, __LINE__);
    return false;
  }
  // A name searched for in vain is not searched again until the directories change.
  if (m_missingNames.count(n)) return false;
  for (const std::string& dir : m_bitmapDirectories) {
    if (FindTexture(name, dir.c_str(), true) || FindTexture(name, dir.c_str(), false)) return true;
  }
  m_missingNames.insert(n);
  GWarnOnce("texture-missing:" + n, GFormat("Failed to create texture on demand: %s", name).c_str(), __FILE__,
            __LINE__);
  return false;
}

bool D3DEngine::FindTexture(const char* name, const char* directory, bool inResources) {
  if (!name || !directory) return false;
  const std::string dir = PatternDirectory(directory, inResources);
  if (dir.empty()) return false;
  // Only picture files are searched for: the name must carry one of the four extensions.
  const std::string n = name;
  bool known = false;
  for (const char* ext : {".dds", ".bmp", ".jpg", ".png"})
    if (n.find(ext) != std::string::npos) known = true;
  if (!known || n.find('/') != std::string::npos) return false;
  const std::string path = dir + n;
  std::error_code ec;
  // Linux file names are exact in case, so the directory holds the very name or it does not.
  if (!fs::is_regular_file(path, ec)) return false;
  auto* record = new GSurface();
  record->name = n;
  record->path = path;
  CreateTexture(record, path.c_str());
  m_textures.push_back(record);
  DebugOut(n.c_str());
  return true;
}

void D3DEngine::AddTextureManually(uint32_t number, int width, int height) {
  RedrawNextFrame();
  auto* record = new GSurface();
  record->textureNumber = number;
  record->width = width;
  record->height = height;
  m_textures.push_back(record);
}

void GSurface::FindOpaqueBox() {
  opaqueKnown = true;
  opaqueLeft = 0, opaqueTop = 0, opaqueRight = width, opaqueBottom = height;
  if (fromDDS || width <= 0 || height <= 0 || pixels.size() < size_t(width) * size_t(height) * 4) return;
  int l = width, t = height, r = -1, b = -1;
  for (int y = 0; y < height; ++y) {
    const uint8_t* row = pixels.data() + size_t(y) * size_t(width) * 4;
    for (int x = 0; x < width; ++x) {
      if (row[size_t(x) * 4] == 0) continue;  // alpha comes first
      l = std::min(l, x), r = std::max(r, x);
      t = std::min(t, y), b = std::max(b, y);
    }
  }
  if (r < 0) {  // nothing visible at all
    opaqueRight = opaqueLeft, opaqueBottom = opaqueTop;
    return;
  }
  // One texel more on each side: a filtered sample there still reads only transparent texels, and
  // the edge texels are not cut. Pictures repeat, so a texel on the picture's edge keeps the box
  // whole on that side.
  opaqueLeft = l > 0 ? l - 1 : 0;
  opaqueTop = t > 0 ? t - 1 : 0;
  opaqueRight = r + 1 < width ? r + 2 : width;
  opaqueBottom = b + 1 < height ? b + 2 : height;
  if (l == 0 || r == width - 1) opaqueLeft = 0, opaqueRight = width;
  if (t == 0 || b == height - 1) opaqueTop = 0, opaqueBottom = height;
}

// ---- Decoding and upload ----

namespace {
// A new texture, bound, repeating and linearly filtered, ready for tightly packed rows.
GLuint NewBoundTexture() {
  GLuint number = 0;
  glGenTextures(1, &number);
  glBindTexture(GL_TEXTURE_2D, number);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  return number;
}
}  // namespace

uint32_t D3DEngine::UploadPicture(const uint8_t* argb, int width, int height) {
  // A picture uploaded again may take a number an old frame drew with: that frame is no guide.
  RedrawNextFrame();
  if (TexturesHeadless()) return m_nextFakeNumber++;
  GLuint number = NewBoundTexture();
  // Bytes alpha, red, green, blue reach OpenGL as red, green, blue, alpha.
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8, argb);
  ForgetGLTexture();
  return number;
}

void D3DEngine::CreateTexture(GSurface* record, const char* path) {
  if (!path) {
    std::fprintf(stderr, "libsrc/D3DENGINE_GL_AllTex:278: Assertion `szImage' failed.\n");
    std::abort();
  }
  if (!record) return;
  if (std::strstr(path, ".dds")) {
    FILE* f = std::fopen(path, "rb");
    bool ok = f && loadDDS(f, nullptr, 0, &record->pixels, &record->textureNumber, &record->width,
                           &record->height, nullptr);
    if (f) std::fclose(f);
    record->fromDDS = true;
    if (!ok) {
      DebugOut("Couldn't load texture");
      GWarnOnce(std::string("dds:") + path, GFormat("Couldn't load texture %s", path).c_str(), __FILE__, __LINE__);
    }
    return;
  }
  SDL_Surface* loaded = IMG_Load(path);
  if (!loaded) {
    GWarnOnce(std::string("image:") + path, GFormat("Couldn't load texture %s: %s", path, IMG_GetError()).c_str(),
              __FILE__, __LINE__);
    return;
  }
  // Bytes alpha, red, green, blue in memory on any host.
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB32, 0);
  SDL_FreeSurface(loaded);
  if (!argb) {
    GWarnOnce(std::string("image:") + path, GFormat("Couldn't convert texture %s: %s", path, SDL_GetError()).c_str(),
              __FILE__, __LINE__);
    return;
  }
  const int w = argb->w, h = argb->h;
  record->pixels.resize(size_t(w) * size_t(h) * 4);
  SDL_LockSurface(argb);
  for (int y = 0; y < h; ++y)
    std::memcpy(record->pixels.data() + size_t(y) * size_t(w) * 4,
                static_cast<const uint8_t*>(argb->pixels) + size_t(y) * size_t(argb->pitch), size_t(w) * 4);
  SDL_UnlockSurface(argb);
  SDL_FreeSurface(argb);
  record->width = w;
  record->height = h;
  record->textureNumber = UploadPicture(record->pixels.data(), w, h);
}

bool D3DEngine::loadDDS(FILE* stream, const unsigned char* memory, size_t memorySize, std::vector<uint8_t>* pixels,
                        uint32_t* textureNumber, int* width, int* height, const RECT* part) {
  DDSImage image;
  if (!ReadDDS(stream, memory, memorySize, &image, part)) return false;
  if (width) *width = image.width;
  if (height) *height = image.height;
  uint32_t number = 0;
  RedrawNextFrame();
  if (TexturesHeadless()) {
    number = m_nextFakeNumber++;
  } else {
    const DDSFormatInfo& f = image.info;
    GLuint n = NewBoundTexture();
    glTexParameteri(GL_TEXTURE_2D, GL_GENERATE_MIPMAP, GL_FALSE);
    if (f.compressed) {
      CompressedTexImage2D upload = GetCompressedTexImage2D();
      if (upload)
        upload(GL_TEXTURE_2D, 0, f.glInternal, image.width, image.height, 0, GLsizei(image.data.size()),
               image.data.data());
      else
        GWarnOnce("glCompressedTexImage2D", "No glCompressedTexImage2D: compressed textures draw blank", __FILE__,
                  __LINE__);
    } else {
      glTexImage2D(GL_TEXTURE_2D, 0, GLint(f.glInternal), image.width, image.height, 0, f.glExternal, f.glType,
                   image.data.data());
    }
    GLenum err = glGetError();
    if (err != GL_NO_ERROR) {
      DebugOut(GFormat("DDS upload of a %s picture failed: GL error 0x%X", f.name, unsigned(err)).c_str());
    }
    ForgetGLTexture();
    number = n;
  }
  if (textureNumber) *textureNumber = number;
  if (pixels) pixels->swap(image.data);
  return true;
}
