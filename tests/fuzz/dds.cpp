// The DDS reader over any file, from memory and from a stream (which must agree), whole and cut to
// part rectangles. What it accepts must be exactly the size its format promises.
#include <cstdio>
#include <vector>

#include "DDSReader.h"
#include "FuzzSupport.h"

VORLA2_FUZZ_TARGET;

namespace {

size_t ExpectedBytes(const DDSImage& image) {
  const size_t w = size_t(image.width), h = size_t(image.height);
  if (image.info.compressed) {
    const size_t side = size_t(image.info.blockSide);
    return ((w + side - 1) / side) * ((h + side - 1) / side) * size_t(image.info.blockBytes);
  }
  if (image.info.palette) return w * h * 4;
  return w * h * size_t(image.info.blockBytes);
}

}  // namespace

int LLVMFuzzerInitialize(int*, char***) {
  fuzz::Setup();
  return 0;
}

int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  DDSImage fromMemory;
  const bool ok = ReadDDS(nullptr, data, size, &fromMemory, nullptr);
  if (ok) {
    fuzz::Check(fromMemory.width > 0 && fromMemory.height > 0, "a picture without pixels accepted");
    fuzz::Check(fromMemory.data.size() == ExpectedBytes(fromMemory), "a picture of the wrong size");
  }

  if (size > 0) {
    FILE* stream = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    fuzz::Check(stream != nullptr, "fmemopen failed");
    DDSImage fromStream;
    const bool streamOk = ReadDDS(stream, nullptr, 0, &fromStream, nullptr);
    std::fclose(stream);
    fuzz::Check(streamOk == ok, "memory and stream readers disagree on accepting");
    if (ok) fuzz::Check(fromStream.data == fromMemory.data, "memory and stream readers disagree on pixels");
  }

  if (ok) {
    const int w = fromMemory.width, h = fromMemory.height;
    const RECT parts[] = {{0, 0, w, h}, {w / 4, h / 4, w / 2 + 1, h / 2 + 1}, {w - 1, h - 1, w, h},
                          {-1, 0, 1, 1}, {0, 0, w + 1, h}, {2, 2, 1, 1}};
    for (const RECT& part : parts) {
      DDSImage cut;
      if (ReadDDS(nullptr, data, size, &cut, &part) && !cut.info.compressed && !cut.info.palette)
        fuzz::Check(cut.width == part.right - part.left && cut.height == part.bottom - part.top &&
                        cut.data.size() == ExpectedBytes(cut),
                    "a part of the wrong size");
    }
  }
  fuzz::Forget();
  return 0;
}
