// FormattedText over any text, from a buffer and from a file, laid out and queued by the headless
// text engine with the game's fonts.
#include <string>

#include "FormattedText.h"
#include "FuzzSupport.h"
#include "FuzzText.h"

VORLA2_FUZZ_TARGET;

int LLVMFuzzerInitialize(int*, char***) {
  fuzz::Setup();
  fuzz::SetupText();
  return 0;
}

int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text = fuzz::Bytes(data, size);
  FormattedText fromBuffer;
  fromBuffer.SetTextBuffer(text.c_str());
  fuzz::Check(fromBuffer.GetChunks().size() <= FormattedText::kMaxChunks, "more pieces than the limit");
  fromBuffer.Render(20.0f, 30.0f);
  fromBuffer.Render(20.0f, 30.0f);  // a rule shows from the second frame on
  fuzz::EndText();

  FormattedText fromFile;
  fromFile.Load(fuzz::WriteInput("formatted.txt", data, size).c_str());
  fromFile.Render(0.0f, 0.0f);
  fuzz::EndText();
  fuzz::Forget();
  return 0;
}
