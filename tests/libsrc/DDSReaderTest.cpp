// The DDS reader: header checks, the format table and the top-level sizes.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "D3DEngine.h"
#include "DDSReader.h"
#include "TestSupport.h"

namespace {

struct HeaderFields {
  uint32_t width = 4, height = 4, pitch = 0;
  uint32_t pfFlags = 0, fourCC = 0, bits = 0;
  uint32_t r = 0, g = 0, b = 0, a = 0;
  uint32_t flags = 0x1 | 0x1000 | 0x2 | 0x4;
  uint32_t size = 124;
  const char* magic = "DDS ";
};

void Put32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + size_t(i)] = uint8_t(v >> (8 * i));
}

uint32_t Code(const char* s) { return uint32_t(s[0]) | uint32_t(s[1]) << 8 | uint32_t(s[2]) << 16 | uint32_t(s[3]) << 24; }

std::vector<uint8_t> Header(const HeaderFields& h) {
  std::vector<uint8_t> out(DDS_HEADER_BYTES, 0);
  std::memcpy(out.data(), h.magic, 4);
  Put32(out, 4, h.size);
  Put32(out, 8, h.flags);
  Put32(out, 12, h.height);
  Put32(out, 16, h.width);
  Put32(out, 20, h.pitch);
  Put32(out, 76, 32);
  Put32(out, 80, h.pfFlags);
  Put32(out, 84, h.fourCC);
  Put32(out, 88, h.bits);
  Put32(out, 92, h.r);
  Put32(out, 96, h.g);
  Put32(out, 100, h.b);
  Put32(out, 104, h.a);
  return out;
}

HeaderFields Compressed(const char* code, uint32_t w, uint32_t h) {
  HeaderFields s;
  s.width = w;
  s.height = h;
  s.pfFlags = 0x4;
  s.fourCC = Code(code);
  return s;
}

HeaderFields Rgb(uint32_t bits, uint32_t r, uint32_t g, uint32_t b, uint32_t a, bool alphaFlag) {
  HeaderFields s;
  s.pfFlags = 0x40 | (alphaFlag ? 0x1 : 0);
  s.bits = bits;
  s.r = r;
  s.g = g;
  s.b = b;
  s.a = a;
  return s;
}

}  // namespace

TEST(DDSReader, FormatTableInItsOrder) {
  HeaderFields pal;
  pal.pfFlags = 0x20;
  pal.bits = 8;
  struct Case {
    const char* what;
    HeaderFields fields;
    DDSFormat expected;
    int blockSide, blockBytes;
  } cases[] = {
      {"DXT1", Compressed("DXT1", 8, 8), DDSFormat::DXT1, 4, 8},
      {"DXT3", Compressed("DXT3", 8, 8), DDSFormat::DXT3, 4, 16},
      {"DXT5", Compressed("DXT5", 8, 8), DDSFormat::DXT5, 4, 16},
      {"unknown four-CC", Compressed("ATI2", 8, 8), DDSFormat::None, 1, 0},
      {"BGRA8", Rgb(32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000u, true), DDSFormat::BGRA8, 1, 4},
      {"BGRA8 without alpha flag", Rgb(32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000u, false), DDSFormat::None, 1, 0},
      {"BGR5A1", Rgb(16, 0x7C00, 0x3E0, 0x1F, 0x8000, true), DDSFormat::BGR5A1, 1, 2},
      {"BGR565", Rgb(16, 0xF800, 0x7E0, 0x1F, 0, false), DDSFormat::BGR565, 1, 2},
      {"565 masks with the alpha flag", Rgb(16, 0xF800, 0x7E0, 0x1F, 0, true), DDSFormat::None, 1, 0},
      {"Index8", pal, DDSFormat::Index8, 1, 1},
      {"BGRA4444", Rgb(16, 0xF00, 0xF0, 0xF, 0xF000, true), DDSFormat::BGRA4444, 1, 2},
      {"24-bit", Rgb(24, 0xFF0000, 0xFF00, 0xFF, 0, false), DDSFormat::None, 1, 0},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> bytes = Header(c.fields);
    DDSHeader h = ParseDDSHeader(bytes.data());
    ASSERT_TRUE(IsValidDDSHeader(h)) << c.what;
    DDSFormatInfo f = ChooseDDSFormat(h);
    EXPECT_EQ(f.format, c.expected) << c.what;
    if (c.expected != DDSFormat::None) {
      EXPECT_EQ(f.blockSide, c.blockSide) << c.what;
      EXPECT_EQ(f.blockBytes, c.blockBytes) << c.what;
    }
  }
}

TEST(DDSReader, HeaderChecks) {
  HeaderFields good = Compressed("DXT1", 4, 4);
  EXPECT_TRUE(IsValidDDSHeader(ParseDDSHeader(Header(good).data())));
  HeaderFields badMagic = good;
  badMagic.magic = "DDS_";
  HeaderFields badSize = good;
  badSize.size = 128;
  HeaderFields noCaps = good;
  noCaps.flags = 0x1000;
  HeaderFields noFormat = good;
  noFormat.flags = 0x1;
  for (const HeaderFields& s : {badMagic, badSize, noCaps, noFormat}) {
    std::vector<uint8_t> bytes = Header(s);
    EXPECT_FALSE(IsValidDDSHeader(ParseDDSHeader(bytes.data())));
    bytes.resize(bytes.size() + 64);
    DDSImage img;
    EXPECT_FALSE(ReadDDS(nullptr, bytes.data(), bytes.size(), &img, nullptr));
  }
  DDSHeader h = ParseDDSHeader(Header(Compressed("DXT5", 6, 10)).data());
  EXPECT_EQ(h.width, 6u);
  EXPECT_EQ(h.height, 10u);
}

TEST(DDSReader, CompressedSizesAreRoundedUpToWholeBlocks) {
  struct Case {
    const char* code;
    uint32_t w, h;
    size_t bytes;
  } cases[] = {
      {"DXT1", 6, 6, 2 * 2 * 8},  {"DXT1", 4, 4, 8},          {"DXT1", 1, 1, 8},
      {"DXT1", 2, 9, 1 * 3 * 8},  {"DXT5", 6, 6, 2 * 2 * 16}, {"DXT3", 16, 12, 4 * 3 * 16},
  };
  for (const Case& c : cases) {
    DDSHeader h = ParseDDSHeader(Header(Compressed(c.code, c.w, c.h)).data());
    EXPECT_EQ(DDSTopLevelBytes(h, ChooseDDSFormat(h)), c.bytes) << c.code << " " << c.w << "x" << c.h;
  }

  // A 6x6 DXT1 file holds its four blocks: it reads whole, and a file cut after one block does not.
  std::vector<uint8_t> file = Header(Compressed("DXT1", 6, 6));
  for (int i = 0; i < 32; ++i) file.push_back(uint8_t(i));
  DDSImage img;
  ASSERT_TRUE(ReadDDS(nullptr, file.data(), file.size(), &img, nullptr));
  EXPECT_EQ(img.width, 6);
  EXPECT_EQ(img.height, 6);
  ASSERT_EQ(img.data.size(), 32u);
  EXPECT_EQ(img.data[31], 31);
  EXPECT_FALSE(ReadDDS(nullptr, file.data(), DDS_HEADER_BYTES + 8, &img, nullptr));
}

TEST(DDSReader, PaletteIsExpandedAndPartsAreCut) {
  HeaderFields pal;
  pal.pfFlags = 0x20;
  pal.bits = 8;
  pal.width = 3;
  pal.height = 2;
  pal.pitch = 4;  // a padding byte at each row's end
  std::vector<uint8_t> file = Header(pal);
  for (int i = 0; i < 256; ++i) {
    const uint8_t entry[4] = {uint8_t(i), uint8_t(i + 1), uint8_t(i + 2), 255};
    file.insert(file.end(), entry, entry + 4);
  }
  const uint8_t indices[8] = {1, 2, 3, 99, 4, 5, 6, 99};
  file.insert(file.end(), indices, indices + 8);
  DDSImage img;
  ASSERT_TRUE(ReadDDS(nullptr, file.data(), file.size(), &img, nullptr));
  ASSERT_EQ(img.data.size(), 3u * 2u * 4u);
  EXPECT_EQ(img.data[0], 1);
  EXPECT_EQ(img.data[4 * 3], 4);   // second row starts after the padding
  EXPECT_EQ(img.data[4 * 5 + 1], 7);

  // 32-bit texels cut to a part: outputs take the part's size.
  HeaderFields bgra = Rgb(32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000u, true);
  bgra.width = 4;
  bgra.height = 3;
  std::vector<uint8_t> f2 = Header(bgra);
  for (int i = 0; i < 4 * 3; ++i) {
    const uint8_t texel[4] = {uint8_t(i), 0, 0, 255};
    f2.insert(f2.end(), texel, texel + 4);
  }
  RECT part;
  part.left = 1;
  part.top = 1;
  part.right = 3;
  part.bottom = 3;
  ASSERT_TRUE(ReadDDS(nullptr, f2.data(), f2.size(), &img, &part));
  EXPECT_EQ(img.width, 2);
  EXPECT_EQ(img.height, 2);
  ASSERT_EQ(img.data.size(), 16u);
  EXPECT_EQ(img.data[0], 5);
  EXPECT_EQ(img.data[8], 9);
  part.right = 5;  // beyond the picture
  EXPECT_FALSE(ReadDDS(nullptr, f2.data(), f2.size(), &img, &part));
}

TEST(DDSReader, LoadDdsFromAStreamHeadlessGivesSizeAndANumber) {
  std::vector<uint8_t> file = Header(Compressed("DXT1", 6, 6));
  file.resize(file.size() + 32, 0);
  const std::string path = testsupport::TestRoot() + "/six.dds";
  testsupport::WriteFile(path, std::string(file.begin(), file.end()));
  FILE* f = std::fopen(path.c_str(), "rb");
  ASSERT_NE(f, nullptr);
  std::vector<uint8_t> pixels;
  uint32_t number = 0;
  int w = 0, h = 0;
  EXPECT_TRUE(GetD3DEngine()->loadDDS(f, nullptr, 0, &pixels, &number, &w, &h, nullptr));
  std::fclose(f);
  EXPECT_EQ(w, 6);
  EXPECT_EQ(h, 6);
  EXPECT_NE(number, 0u);
  EXPECT_EQ(pixels.size(), 32u);
}
