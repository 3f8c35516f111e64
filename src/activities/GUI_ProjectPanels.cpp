#include "GUI_ProjectPanels.h"

#include <string>

#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_Colours.h"
#include "GUI_ValueBar.h"
#include "LibTextEngine.h"
#include "SIM_Projects.h"

namespace {

enum class ProgressPlace { kCentred, kLeft };

// Every panel is drawn in black: the chooser's client area is light, and white lettering on it
// would not read. The song keeps the font the chooser has current for its title.
void DrawProjectPanel(const RECT& c, const SIM_AchievementBase* project, const char* currentKey, uint32_t colour,
                      bool keepFont, ProgressPlace place, const char* progressFont, float progressSize) {
  LibTextEngine* text = GetTextEngine();
  const float L = (float)c.left;
  const float T = (float)c.top;
  const float R = (float)c.right;
  if (!keepFont) text->SetCurrentFont("anime14.dds", 14.0f);
  const std::string title = std::string(GTranslation::GetString(currentKey)) + ": \"" + project->GetGUIName() + "\"";
  text->AddWrappedString(title, L + 35.0f, T + 170.0f, R - L - 50.0f, colour);
  if (progressFont) text->SetCurrentFont(progressFont, progressSize);
  const std::string progress =
      GFormat("%s: %.2f%%", GTranslation::GetString("PROGRESS"), (double)(project->GetProgress() * 100.0f));
  if (place == ProgressPlace::kCentred)
    text->AddQueueString(progress, L, T + 225.0f, colour, R - L, LibTextEngine::ALIGN_CENTER);
  else
    text->AddQueueString(progress, L + 35.0f, T + 225.0f, colour, 0.0f, LibTextEngine::ALIGN_LEFT);
  text->ProcessTextQueue(-1);
  GUI_ValueBar::DrawBar(L + 60.0f, T + 250.0f, project->GetProgress(), R - L - 120.0f, 1.0f, false);
}

}  // namespace

void GUI_ScienceTheory::DrawDetails(RECT client) {
  DrawProjectPanel(client, SIM_GetScienceTheory(), "CURRENT_THEORY", kBlack, false, ProgressPlace::kCentred, nullptr,
                   0.0f);
}

void GUI_JournalistStory::DrawDetails(RECT client) {
  DrawProjectPanel(client, SIM_GetNewsStory(), "CURRENT_STORY", kBlack, false, ProgressPlace::kCentred, nullptr, 0.0f);
}

void GUI_Writing::DrawDetails(RECT client) {
  DrawProjectPanel(client, SIM_GetScreenplayWriting(), "CURRENT_TITLE", kBlack, false, ProgressPlace::kLeft, nullptr,
                   0.0f);
}

void GUI_SongWriting::DrawDetails(RECT client) {
  DrawProjectPanel(client, SIM_GetSongWriting(), "CURRENT_SONG", kBlack, true, ProgressPlace::kLeft,
                   "arialbold16.dds", 16.0f);
}
