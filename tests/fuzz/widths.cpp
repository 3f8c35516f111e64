// A font's width file (.dat: 256 little-endian 32-bit widths, shorter files leave the rest 0) under
// the text engine's measuring, wrapping, justifying and queueing.
#include <cstring>
#include <string>

#include "FuzzSupport.h"
#include "FuzzText.h"
#include "SmartTexture.h"

VORLA2_FUZZ_TARGET;

namespace {

const char* const kSample =
    "The quick brown fox jumps over the lazy dog; 0123456789 %\xA3\x84 \t tab, soft\xAD hyphen and a "
    "Wordthatisfartoolongtofitonanylineatallhoweverwideitisdrawn.";

std::string AllBytes() {
  std::string s;
  for (int c = 1; c < 256; ++c) s += char(c);
  return s;
}

}  // namespace

int LLVMFuzzerInitialize(int*, char***) {
  fuzz::Setup();
  fuzz::SetupText();
  // The font sheet stays loaded while the fonts come and go with each input.
  static SmartTexture sheet("arial16.dds");
  return 0;
}

int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = fuzz::WriteInput("fuzz.dds.dat", data, size);
  LibTextEngine* text = GetTextEngine();
  text->Initialise();
  text->AddFont(path.c_str(), "arial16.dds", 16, 24, 10, 10)->SetSpacing(2);
  static const std::string all = AllBytes();
  for (float points : {16.0f, 7.5f}) {
    text->SetCurrentFont("arial16.dds", points);
    for (const char* sample : {kSample, all.c_str()}) {
      text->GetStringLength(sample);
      for (float wrap : {300.0f, 40.0f, 1.0f}) {
        text->GetWrappedHeight(sample, wrap);
        text->GetMaxWrapWidth(sample, wrap);
        text->AddWrappedString(sample, 10.0f, 20.0f, wrap, 0xFFFFFFFFu);
        text->AddJustifiedString(sample, 10.0f, 20.0f, wrap, 0xFFFFFFFFu);
      }
      for (auto align : {LibTextEngine::ALIGN_LEFT, LibTextEngine::ALIGN_RIGHT, LibTextEngine::ALIGN_CENTER})
        text->AddQueueString(sample, 100.0f, 50.0f, 0xFF000000u, 200.0f, align);
      fuzz::EndText();
    }
  }
  fuzz::Forget();
  return 0;
}
