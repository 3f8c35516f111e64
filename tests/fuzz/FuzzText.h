#pragma once
// The text engine headless for the text targets: the recording renderer at 1024 x 768 with the
// game's bitmaps and fonts. After each input the recorder and the queue are emptied, so nothing
// piles up.
#include "D3DEngine.h"
#include "FuzzSupport.h"
#include "LibTextEngine.h"

namespace fuzz {

inline void SetupText() {
  D3DEngine* engine = GetD3DEngine();
  Check(engine->Initialise(nullptr, nullptr, 1024, 768, 32, false, true), "the headless renderer did not start");
  engine->AddBitmapDirectories("data/bitmaps", true);
  GetTextEngine()->LoadFonts();
}

inline void EndText() {
  GetTextEngine()->ProcessTextQueue(-1);
  GetTextEngine()->EndFrame();
  D3DEngine::GetRecorder().Clear();
}

}  // namespace fuzz
