#include "GUI_HintHelp.h"

#include <cstdio>

#include "CInput.h"
#include "CSV.h"
#include "CSpreadsheet.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_CloseButton.h"
#include "GUI_Tutorial.h"
#include "GUI_WindowBackground.h"
#include "Game.h"
#include "IniLoader.h"
#include "LibTextEngine.h"
#include "Paths.h"
#include "SIM_NPC.h"
#include "SIM_StandInLog.h"

std::list<GUI_HintHelp::HintData*> GUI_HintHelp::All;
std::list<GUI_HintHelp*> GUI_HintHelp::AllWindows;

namespace {
// The records live until the in-game mode goes, which is never before exit: free them then,
// before the lists themselves (objects of one file are destroyed in reverse order of definition).
struct FreeHintsAtExit {
  ~FreeHintsAtExit() { GUI_HintHelp::CloseData(); }
} freeHintsAtExit;
}  // namespace

std::string GUI_HintHelp::HintsFilePath() {
  // Before start-up has made the user folder the game's own path is empty; the platform's answer
  // is the same folder, so nothing is ever written at the root of the file system.
  std::string dir = GetGame()->GetUserDir();
  if (dir.empty()) dir = GetUserFolder();
  return dir + "/hints.txt";
}

void GUI_HintHelp::Launch(const std::string& key) {
  if (GUI_Tutorial::IsRunning()) return;
  if (All.empty()) OpenData();
  for (HintData* hint : All) {
    if (hint->key != key) continue;
    if (!hint->seen) new GUI_HintHelp(hint);  // the window manager owns it
    return;
  }
  if (GErrorOnce("hint:" + key, "Hint Help key not found", __FILE__, __LINE__))
    GetDebug()->DebugOut(GFormat("Hint Help key not found: %s", key.c_str()).c_str());
}

void GUI_HintHelp::OpenData() {
  CloseData();
  IniLoader seen;
  std::string path = HintsFilePath();
  seen.LoadSection("hints", path.c_str());

  CSpreadsheet sheet("data/simulation/hints.csv");
  for (size_t row = 0; row < sheet.size(); ++row) {
    CSV csv;
    csv.Initialise(sheet[row], ',', sheet.Origin(row));
    csv.GetNextToken();  // the "#"
    HintData* hint = new HintData;
    hint->key = csv.GetNextString();
    hint->text = csv.GetNextString();
    hint->x = (float)csv.GetNextInt();
    hint->y = (float)csv.GetNextInt();
    // Any later field is a note for whoever writes the hints.
    // The stored value is plain text: a number, never a format.
    hint->seen = CSV::ParseInt(seen.GetValue(hint->key.c_str())) != 0;
    All.push_back(hint);
  }
}

void GUI_HintHelp::WriteHint(const char*) {
  std::string path = HintsFilePath();
  FILE* file = std::fopen(path.c_str(), "w");
  if (!file) {
    GetDebug()->DebugOut("failed to write hint");
    return;
  }
  std::fputs("[hints]\n", file);
  for (const HintData* hint : All) std::fprintf(file, "%s = %d\n", hint->key.c_str(), hint->seen ? 1 : 0);
  std::fclose(file);
}

void GUI_HintHelp::CloseData() {
  // An open window would point at a deleted record: its record is forgotten first.
  for (GUI_HintHelp* window : AllWindows) window->m_hint = nullptr;
  for (HintData* hint : All) delete hint;
  All.clear();
}

void GUI_HintHelp::CheckSnubIconHint() {
  SIM_StandInLog::Record("GUI_HintHelp::CheckSnubIconHint");
  // One snubbed friend is enough to explain the marker on the icons.
  for (SIM_NPC* npc : SIM_NPC::All) {
    if (npc->DirectFriendOfVede() && npc->IsSnubbed()) {
      Launch("snubbed");
      return;
    }
  }
}

bool GUI_HintHelp::IsActive() { return !AllWindows.empty(); }

void GUI_HintHelp::DrawAll() {
  for (GUI_HintHelp* window : AllWindows) window->Draw();
}

bool GUI_HintHelp::CheckClickAll() {
  CInput* input = GetInput();
  // A close button deletes its window, which leaves the list: the walk ends at the first taker.
  for (GUI_HintHelp* window : AllWindows) {
    if (window->CheckClick(input->mouseX, input->mouseY)) return true;
  }
  return false;
}

GUI_HintHelp::GUI_HintHelp(HintData* hint) : m_hint(hint) {
  GAssert(hint != nullptr, __FILE__, __LINE__);
  if (m_hint) {
    m_hint->seen = true;
    WriteHint(m_hint->key.c_str());
  }
  SetSize(kWidth, kHeight);
  float x = m_hint ? m_hint->x : 0.0f;
  float y = m_hint ? m_hint->y : 0.0f;
  SetPosition(x, y, x + kWidth, y + kHeight);
  m_closeButton = new GUI_CloseButton;
  AddButton(m_closeButton);
  AddToGUI();
  SetModal(true);
  AllWindows.push_back(this);
  m_title = GTranslation::GetString("HINT_TITLE");
  m_disclaimer = GTranslation::GetString("HINT_DISCLAIMER");
}

GUI_HintHelp::~GUI_HintHelp() { AllWindows.remove(this); }

void GUI_HintHelp::Draw() {
  LibTextEngine* text = GetTextEngine();
  const std::string& body = m_hint ? m_hint->text : std::string();
  if (!m_laidOut) {
    text->SetCurrentFont("anime14.dds", 16.0f);
    float h = text->GetWrappedHeight(body.c_str(), (float)width - 40.0f);
    SetPosition((float)rect.left, (float)rect.top, (float)rect.right, (float)(int32_t)((float)rect.top + 70.0f + h));
    m_laidOut = true;
  }
  m_closeButton->SetPosition((float)rect.right - 34.0f, (float)rect.top + 10.0f, (float)rect.right - 10.0f,
                             (float)rect.top + 34.0f);
  GUI_WindowBackground::DrawTiled(rect, GUI_WindowBackground::PRESET_GREY, 16.0f, 0.95f);
  DrawButtons();
  text->SetCurrentFont("anime16.dds", 16.0f);
  text->AddQueueString(m_title, (float)rect.left, (float)rect.top + 15.0f, VBColor(0, 0, 0), (float)width,
                       LibTextEngine::ALIGN_CENTER);
  text->ProcessTextQueue(-1);
  text->SetCurrentFont("anime14.dds", 14.0f);
  text->AddWrappedString(body, (float)rect.left + 20.0f, (float)rect.top + 40.0f, (float)width - 40.0f,
                         VBColor(0, 0, 0));
  text->AddQueueString(m_disclaimer, (float)rect.left, (float)rect.bottom - 29.0f, VBColor(0, 0, 0), (float)width,
                       LibTextEngine::ALIGN_CENTER);
  text->ProcessTextQueue(-1);
}
