#include "DDSReader.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <cstring>

namespace {

uint32_t Le32(const uint8_t* p) {
  return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

constexpr uint32_t FourCC(char a, char b, char c, char d) {
  return uint32_t(uint8_t(a)) | (uint32_t(uint8_t(b)) << 8) | (uint32_t(uint8_t(c)) << 16) |
         (uint32_t(uint8_t(d)) << 24);
}

constexpr uint32_t DDSD_CAPS = 0x1;
constexpr uint32_t DDSD_PIXELFORMAT = 0x1000;
constexpr uint32_t DDPF_ALPHAPIXELS = 0x1;
constexpr uint32_t DDPF_FOURCC = 0x4;
constexpr uint32_t DDPF_PALETTEINDEXED8 = 0x20;
constexpr uint32_t DDPF_RGB = 0x40;

// Larger pictures than this are refused rather than trusted to an allocation.
constexpr uint32_t kMaxSide = 16384;

DDSFormatInfo Row(DDSFormat f, const char* name, bool comp, bool swap, bool pal, int side, int bytes, uint32_t internal,
                  uint32_t external, uint32_t type) {
  DDSFormatInfo i;
  i.format = f;
  i.name = name;
  i.compressed = comp;
  i.swap16 = swap;
  i.palette = pal;
  i.blockSide = side;
  i.blockBytes = bytes;
  i.glInternal = internal;
  i.glExternal = external;
  i.glType = type;
  return i;
}

// Reads from the stream, or from memory when there is no stream; never past memorySize.
struct Source {
  FILE* stream;
  const uint8_t* memory;
  size_t size;
  size_t pos = 0;
  bool Read(void* out, size_t n) {
    if (stream) return std::fread(out, 1, n, stream) == n;
    if (!memory || n > size - pos) return false;
    std::memcpy(out, memory + pos, n);
    pos += n;
    return true;
  }
  // Whether n more bytes are there, asked before a header's sizes are trusted to an allocation:
  // a few corrupt bytes must not make the reader reserve hundreds of megabytes. A stream that
  // cannot seek is taken at its word.
  bool Has(size_t n) {
    if (!stream) return memory && n <= size - pos;
    const long here = std::ftell(stream);
    if (here < 0 || std::fseek(stream, 0, SEEK_END) != 0) return true;
    const long end = std::ftell(stream);
    std::fseek(stream, here, SEEK_SET);
    return end >= here && n <= size_t(end - here);
  }
};

}  // namespace

DDSHeader ParseDDSHeader(const uint8_t* b) {
  DDSHeader h;
  h.magic = Le32(b + 0);
  h.size = Le32(b + 4);
  h.flags = Le32(b + 8);
  h.height = Le32(b + 12);
  h.width = Le32(b + 16);
  h.pitchOrLinearSize = Le32(b + 20);
  h.pfFlags = Le32(b + 80);
  h.fourCC = Le32(b + 84);
  h.rgbBitCount = Le32(b + 88);
  h.rMask = Le32(b + 92);
  h.gMask = Le32(b + 96);
  h.bMask = Le32(b + 100);
  h.aMask = Le32(b + 104);
  return h;
}

bool IsValidDDSHeader(const DDSHeader& h) {
  return h.magic == FourCC('D', 'D', 'S', ' ') && h.size == 124 && (h.flags & DDSD_CAPS) &&
         (h.flags & DDSD_PIXELFORMAT);
}

DDSFormatInfo ChooseDDSFormat(const DDSHeader& h) {
  const bool fourcc = h.pfFlags & DDPF_FOURCC;
  const bool rgb = h.pfFlags & DDPF_RGB;
  const bool alpha = h.pfFlags & DDPF_ALPHAPIXELS;
  const bool pal = h.pfFlags & DDPF_PALETTEINDEXED8;
  auto masks = [&](uint32_t r, uint32_t g, uint32_t b) { return h.rMask == r && h.gMask == g && h.bMask == b; };

  if (fourcc && h.fourCC == FourCC('D', 'X', 'T', '1'))
    return Row(DDSFormat::DXT1, "DXT1", true, false, false, 4, 8, GL_COMPRESSED_RGBA_S3TC_DXT1_EXT, 0, 0);
  if (fourcc && h.fourCC == FourCC('D', 'X', 'T', '3'))
    return Row(DDSFormat::DXT3, "DXT3", true, false, false, 4, 16, GL_COMPRESSED_RGBA_S3TC_DXT3_EXT, 0, 0);
  if (fourcc && h.fourCC == FourCC('D', 'X', 'T', '5'))
    return Row(DDSFormat::DXT5, "DXT5", true, false, false, 4, 16, GL_COMPRESSED_RGBA_S3TC_DXT5_EXT, 0, 0);
  if (rgb && alpha && h.rgbBitCount == 32 && masks(0xFF0000, 0xFF00, 0xFF) && h.aMask == 0xFF000000u)
    return Row(DDSFormat::BGRA8, "BGRA8", false, false, false, 1, 4, GL_RGBA, GL_BGRA, GL_UNSIGNED_BYTE);
  if (rgb && alpha && h.rgbBitCount == 16 && masks(0x7C00, 0x3E0, 0x1F) && h.aMask == 0x8000)
    return Row(DDSFormat::BGR5A1, "BGR5A1", false, true, false, 1, 2, GL_RGB5_A1, GL_BGRA,
               GL_UNSIGNED_SHORT_1_5_5_5_REV);
  if (rgb && !alpha && h.rgbBitCount == 16 && masks(0xF800, 0x7E0, 0x1F))
    return Row(DDSFormat::BGR565, "BGR565", false, true, false, 1, 2, GL_RGB5, GL_RGB, GL_UNSIGNED_SHORT_5_6_5);
  if (pal && h.rgbBitCount == 8)
    return Row(DDSFormat::Index8, "Index8", false, false, true, 1, 1, GL_RGB8, GL_BGRA, GL_UNSIGNED_BYTE);
  if (rgb && alpha && h.rgbBitCount == 16 && masks(0xF00, 0xF0, 0xF) && h.aMask == 0xF000)
    return Row(DDSFormat::BGRA4444, "BGRA4444", false, true, false, 1, 2, GL_RGBA4, GL_BGRA,
               GL_UNSIGNED_SHORT_4_4_4_4_REV);
  // BGR8 (3 bytes a texel) exists in the format list but is never chosen: 24-bit files are refused.
  return DDSFormatInfo();
}

size_t DDSTopLevelBytes(const DDSHeader& h, const DDSFormatInfo& f) {
  const size_t w = h.width, hh = h.height;
  if (f.compressed) {
    const size_t side = size_t(f.blockSide);
    // Whole blocks: a picture whose sides are not multiples of 4 still fills its edge blocks.
    return ((w + side - 1) / side) * ((hh + side - 1) / side) * size_t(f.blockBytes);
  }
  if (f.palette) return size_t(h.pitchOrLinearSize) * hh;
  return size_t(f.blockBytes) * w * hh;
}

bool ReadDDS(FILE* stream, const uint8_t* memory, size_t memorySize, DDSImage* out, const RECT* part) {
  if (!out || (!stream && !memory)) return false;
  Source src{stream, memory, memorySize};
  uint8_t header[DDS_HEADER_BYTES];
  if (!src.Read(header, sizeof header)) return false;
  const DDSHeader h = ParseDDSHeader(header);
  if (!IsValidDDSHeader(h)) return false;
  const DDSFormatInfo f = ChooseDDSFormat(h);
  if (f.format == DDSFormat::None) return false;
  if (h.width == 0 || h.height == 0 || h.width > kMaxSide || h.height > kMaxSide) return false;

  out->info = f;
  out->width = int(h.width);
  out->height = int(h.height);
  out->data.clear();

  if (f.compressed) {
    if (!src.Has(DDSTopLevelBytes(h, f))) return false;
    out->data.resize(DDSTopLevelBytes(h, f));
    return src.Read(out->data.data(), out->data.size());
  }

  if (f.palette) {
    if (h.pitchOrLinearSize < h.width || h.pitchOrLinearSize > kMaxSide) return false;
    if (!src.Has(DDS_PALETTE_BYTES + DDSTopLevelBytes(h, f))) return false;
    uint8_t palette[DDS_PALETTE_BYTES];
    if (!src.Read(palette, sizeof palette)) return false;
    std::vector<uint8_t> indices(DDSTopLevelBytes(h, f));
    if (!src.Read(indices.data(), indices.size())) return false;
    // Each index becomes its 4-byte palette entry; a row's padding beyond the width is skipped.
    out->data.resize(size_t(h.width) * h.height * 4);
    uint8_t* dst = out->data.data();
    for (uint32_t y = 0; y < h.height; ++y) {
      const uint8_t* row = indices.data() + size_t(y) * h.pitchOrLinearSize;
      for (uint32_t x = 0; x < h.width; ++x, dst += 4) std::memcpy(dst, palette + size_t(row[x]) * 4, 4);
    }
    return true;
  }

  if (!src.Has(DDSTopLevelBytes(h, f))) return false;
  out->data.resize(DDSTopLevelBytes(h, f));
  if (!src.Read(out->data.data(), out->data.size())) return false;
  if (part) {
    if (part->left < 0 || part->top < 0 || part->right <= part->left || part->bottom <= part->top ||
        uint32_t(part->right) > h.width || uint32_t(part->bottom) > h.height)
      return false;
    const size_t bpp = size_t(f.blockBytes);
    const size_t pw = size_t(part->right - part->left), ph = size_t(part->bottom - part->top);
    std::vector<uint8_t> cut(pw * ph * bpp);
    for (size_t y = 0; y < ph; ++y)
      std::memcpy(cut.data() + y * pw * bpp,
                  out->data.data() + ((size_t(part->top) + y) * h.width + size_t(part->left)) * bpp, pw * bpp);
    out->data.swap(cut);
    out->width = int(pw);
    out->height = int(ph);
  }
  return true;
}
