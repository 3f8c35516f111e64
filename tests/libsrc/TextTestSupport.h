#pragma once
// The text engine headless, for the text tests of this folder: the debug log open, the recording
// renderer at 1024 x 768 with the game's bitmaps and fonts, and the recorder emptied.
#include <gtest/gtest.h>

#include "D3DEngine.h"
#include "GDebug.h"
#include "LibTextEngine.h"

namespace texttest {

class HeadlessText : public ::testing::Test {
 protected:
  // font: the current font (at 16 points) the tests start with; nullptr leaves none chosen.
  explicit HeadlessText(const char* font = "arial16.dds") : m_startFont(font) {}

  void SetUp() override {
    GetDebug()->Initialise();
    D3DEngine* e = GetD3DEngine();
    ASSERT_TRUE(e->Initialise(nullptr, nullptr, 1024, 768, 32, false, true));
    e->AddBitmapDirectories("data/bitmaps", true);
    text = GetTextEngine();
    text->LoadFonts();
    if (m_startFont) text->SetCurrentFont(m_startFont, 16.0f);
    D3DEngine::GetRecorder().Clear();
  }

  LibTextEngine* text = nullptr;

 private:
  const char* m_startFont;
};

}  // namespace texttest
