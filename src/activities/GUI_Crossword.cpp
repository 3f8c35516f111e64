#include "GUI_Crossword.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "ActivityHooks.h"
#include "CInput.h"
#include "CSpreadsheet.h"
#include "D3DEngine.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_Colours.h"
#include "GUI_GUI.h"
#include "GUI_Sounds.h"
#include "GUI_WindowBackground.h"
#include "LibTextEngine.h"
#include "SIM_JobBase.h"
#include "SIM_JobInstance.h"
#include "SIM_Script.h"
#include "SIM_SoloActivityType.h"
#include "SIM_StandInLog.h"
#include "SIM_Statistics.h"
#include "SIM_Vede.h"

GUI_Crossword* GUI_Crossword::PTheWindow = nullptr;
std::vector<int> GUI_Crossword::SeenIDs;
std::vector<SIM_CrosswordClue> GUI_Crossword::UnseenClues;

namespace {
// Mac virtual key codes.
constexpr unsigned KEY_DELETE = 51;
constexpr unsigned KEY_ESCAPE = 53;

constexpr float kBoxSize = 25.0f;
constexpr float kBoxTop = 160.0f;
constexpr uint32_t kHintFill = 0xFFDCDCDCu;
constexpr uint32_t kBoxFill = 0xFFF5F5F5u;
constexpr uint32_t kBoxFrame = 0xFF080808u;
constexpr uint32_t kCursorMark = 0xFF0C0C0Cu;
constexpr uint32_t kBarFill = 0xFFCFCFD2u;

const char* ListOf(GUI_Crossword::DIFFICULTY difficulty) {
  return difficulty == GUI_Crossword::DIFFICULTY_CRYPTIC ? "data/simulation/hard_crossword.txt"
                                                         : "data/simulation/easy_crossword.txt";
}

// The industries that have a list of their own.
const char* IndustryList(const std::string& industry) {
  if (industry == "science") return "data/simulation/science_crossword.txt";
  if (industry == "entertainment") return "data/simulation/entertainment_crossword.txt";
  if (industry == "medical") return "data/simulation/medical_crossword.txt";
  if (industry == "legal") return "data/simulation/legal_crossword.txt";
  return nullptr;
}

void FillRect(float l, float t, float r, float b, uint32_t colour) {
  RECT rect;
  SetRect(&rect, (int)l, (int)t, (int)r, (int)b);
  GetD3DEngine()->FillRect(&rect, colour);
}
}  // namespace

void GUI_Crossword::Create(DIFFICULTY difficulty) {
  Close();
  SIM_CrosswordClue clue;
  if (!ChooseClue(difficulty, clue)) {
    std::string lists;
    for (const std::string& file : ListsInPlay(difficulty)) lists += (lists.empty() ? "" : ", ") + file;
    GWarnOnce("crossword:empty:" + lists, ("The crossword has no clue to give: no usable row in " + lists).c_str(),
              __FILE__, __LINE__);
    return;
  }
  new GUI_Crossword(difficulty, clue);
}

void SIM_HookEasyCrossword() { GUI_Crossword::Create(GUI_Crossword::DIFFICULTY_EASY); }
void SIM_HookCrypticCrossword() { GUI_Crossword::Create(GUI_Crossword::DIFFICULTY_CRYPTIC); }

void GUI_Crossword::Close() {
  delete PTheWindow;
  PTheWindow = nullptr;
}

void GUI_Crossword::ClearSeenIDs() {
  SIM_StandInLog::Record("GUI_Crossword::ClearSeenIDs");
  SeenIDs.clear();
}

bool GUI_Crossword::Unseen(int id) { return std::find(SeenIDs.begin(), SeenIDs.end(), id) == SeenIDs.end(); }

std::vector<std::string> GUI_Crossword::ListsInPlay(DIFFICULTY difficulty) {
  std::vector<std::string> lists{ListOf(difficulty)};
  SIM_JobInstance* instance = SIM_GetVede()->GetJobInstance();
  SIM_JobBase* job = instance ? instance->GetCurrentJob() : nullptr;
  if (job) {
    if (const char* industry = IndustryList(job->GetIndustryName())) lists.push_back(industry);
  }
  return lists;
}

std::vector<int> GUI_Crossword::LoadClues(DIFFICULTY difficulty) {
  UnseenClues.clear();
  std::vector<int> ids;
  for (const std::string& file : ListsInPlay(difficulty)) LoadClues(file, ids);
  return ids;
}

void GUI_Crossword::LoadClues(const std::string& file, std::vector<int>& ids) {
  CSpreadsheet sheet(file.c_str());
  for (SIM_CrosswordRow& row : SIM_CrosswordClue::ReadRows(sheet)) {
    SIM_CrosswordClue& clue = row.clue;
    if (std::find(ids.begin(), ids.end(), clue.id) != ids.end()) {
      GWarnRow(row.origin, GFormat("crossword clue id %d is used twice; the clue is left out", clue.id));
      continue;
    }
    ids.push_back(clue.id);
    if (!Unseen(clue.id)) continue;
    clue.clue = std::string(GTranslation::GetString("CROSSWORD_CLUE")) + " \"" + clue.clue + "\"";
    UnseenClues.push_back(std::move(clue));
  }
}

bool GUI_Crossword::ChooseClue(DIFFICULTY difficulty, SIM_CrosswordClue& out) {
  std::vector<int> ids = LoadClues(difficulty);
  if (UnseenClues.empty() && !ids.empty()) {
    // Every clue in play has been given: the player meets them again rather than never.
    GetDebug()->DebugOut("Crossword: every clue of the lists in play has been seen; they start over");
    SeenIDs.erase(std::remove_if(SeenIDs.begin(), SeenIDs.end(),
                                 [&ids](int id) { return std::find(ids.begin(), ids.end(), id) != ids.end(); }),
                  SeenIDs.end());
    LoadClues(difficulty);
  }
  if (UnseenClues.empty()) return false;
  const size_t i = (size_t)std::rand() % UnseenClues.size();
  out = UnseenClues[i];
  UnseenClues.erase(UnseenClues.begin() + (std::ptrdiff_t)i);
  SeenIDs.push_back(out.id);
  return true;
}

GUI_Crossword::GUI_Crossword(DIFFICULTY difficulty, const SIM_CrosswordClue& clue)
    : GUI_Dialog(true), m_clue(clue), m_difficulty(difficulty) {
  PTheWindow = this;
  SetSize(420.0f, 355.0f);
  PlaceCentral();
  UpdateClientArea();
  SetModal(true);
  GUI_GetGUI()->SetInputHandler(this);
  SetTitle(GTranslation::GetString("CROSSWORD_TITLE"));
  m_timerText = GTranslation::GetString("CROSSWORD_TIMER");
  m_timeoutText = GTranslation::GetString("CROSSWORD_TIMEOUT");
  m_correctText = GTranslation::GetString("CROSSWORD_CORRECT");
  m_helpText = GTranslation::GetString("CROSSWORD_HELP");
  m_timeoutBody = GTranslation::GetString("CROSSWORD_TIMEOUT_TEXT");
  m_correctBody = GTranslation::GetString("CROSSWORD_CORRECT_TEXT");
  // Two letters given; both draws may land on the same one.
  const int length = (int)m_clue.answer.size();
  for (int draw = 0; draw < 2 && length > 0; ++draw) m_hints[std::rand() % length] = true;
  GetDebug()->DebugOut(GFormat("Crossword: clue %d (%s)", m_clue.id, difficulty == DIFFICULTY_EASY ? "easy" : "cryptic").c_str());
  StartTicking();
}

GUI_Crossword::~GUI_Crossword() {
  StopTicking();
  GUI_GUI* gui = GUI_GetGUI();
  if (gui->GetInputHandler() == this) gui->SetInputHandler(nullptr);
  if (PTheWindow == this) PTheWindow = nullptr;
  gui->EndDayGUI();
}

void GUI_Crossword::StartTicking() {
  GUI_Sounds* sounds = GUI_GetSounds();
  m_stopwatchChannel = sounds->PlaySound("data/sounds/stopwatch.ogg", true);
  m_timer.StartTimer();
  sounds->MuteMusic();
  m_ticking = true;
}

void GUI_Crossword::StopTicking() {
  if (m_ticking) {
    GUI_Sounds* sounds = GUI_GetSounds();
    if (m_stopwatchChannel != -1) sounds->StopSound(m_stopwatchChannel);
    m_stopwatchChannel = -1;
    sounds->RefreshMusicVolume();
    m_ticking = false;
    m_timer.PauseTimer();
  }
  SetModal(false);
}

int GUI_Crossword::GetSecondsLeft() const {
  const double left = (kTimeLimitMs - m_timer.GetElapsed()) / 1000.0;
  return left > 0.0 ? (int)left : 0;
}

float GUI_Crossword::GetFractionLeft() const {
  return (float)std::clamp((kTimeLimitMs - m_timer.GetElapsed()) / kTimeLimitMs, 0.0, 1.0);
}

void GUI_Crossword::CheckTime() {
  m_timer.Update();
  if (m_state != STATE_PLAYING || m_timer.GetElapsed() < kTimeLimitMs) return;
  StopTicking();
  m_state = STATE_TIMEDOUT;
  GetDebug()->DebugOut(GFormat("Crossword: clue %d timed out", m_clue.id).c_str());
  SIM_GetScript()->RunScript("crossword_failed.txt", 1.0f);
}

void GUI_Crossword::HandleKey(unsigned key) {
  if (key == KEY_DELETE) {
    m_cursor = std::max(0, m_cursor - 1);
    m_typed.resize((size_t)m_cursor);
    return;
  }
  if (key == KEY_ESCAPE) return;  // only the close button leaves a crossword
  const char c = DikToChar(key);
  // The boxes end at the answer's length: a letter past them has nowhere to go.
  if (std::isalnum((unsigned char)c) && m_state == STATE_PLAYING && m_cursor < (int)m_clue.answer.size()) {
    m_typed.resize((size_t)m_cursor);
    m_typed += c;
    ++m_cursor;
    GUI_GetSounds()->PlaySound("data/sounds/typewriter_key.ogg", false);
  }
  CheckWord();
}

void GUI_Crossword::CheckWord() {
  if (m_state != STATE_PLAYING) return;
  for (size_t i = 0; i < m_clue.answer.size(); ++i) {
    if (m_hints[i]) continue;
    if (i >= m_typed.size() || std::tolower((unsigned char)m_typed[i]) != std::tolower((unsigned char)m_clue.answer[i])) return;
  }
  m_state = STATE_SOLVED;
  SIM_GetStatistics()->ChangeCounter(1, "CROSSWORDS_FINISHED");
  const char* activity = m_difficulty == DIFFICULTY_EASY ? "crossword" : "crypticcrossword";
  if (SIM_SoloActivityType* type = SIM_SoloActivityType::GetByName(activity)) type->ApplyModifiers(1.0f);
  GetDebug()->DebugOut(GFormat("Crossword: clue %d solved", m_clue.id).c_str());
  StopTicking();
}

float GUI_Crossword::BoxLeft(int i) const {
  return GetCenterX() - kBoxSize * (float)m_clue.answer.size() / 2.0f + kBoxSize * (float)i;
}

void GUI_Crossword::DrawWordBoxes() {
  const float T = (float)GetClientArea().top;
  const float top = T + kBoxTop;
  const float bottom = top + kBoxSize;
  for (int i = 0; i < (int)m_clue.answer.size(); ++i) {
    const float left = BoxLeft(i);
    const float right = left + kBoxSize;
    FillRect(left, top, right, bottom, m_hints[i] && m_state == STATE_PLAYING ? kHintFill : kBoxFill);
    FillRect(left, top, right, top + 1.0f, kBoxFrame);
    FillRect(left, bottom - 1.0f, right, bottom, kBoxFrame);
    FillRect(left, top, left + 1.0f, bottom, kBoxFrame);
    FillRect(right - 1.0f, top, right, bottom, kBoxFrame);
    if (m_state == STATE_PLAYING && i == m_cursor) {
      FillRect(left, top - 5.0f, right, top - 2.0f, kCursorMark);
      FillRect(left, bottom + 2.0f, right, bottom + 5.0f, kCursorMark);
    }
  }
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("calibriblackbold24.dds", 24.0f);
  for (int i = 0; i < (int)m_clue.answer.size(); ++i) {
    char c = 0;
    if (m_hints[i] || m_state != STATE_PLAYING) {
      c = m_clue.answer[(size_t)i];
    } else if (i < (int)m_typed.size()) {
      c = m_typed[(size_t)i];
    }
    if (!c) continue;
    const char letter[2] = {(char)std::toupper((unsigned char)c), 0};
    text->AddQueueString(letter, BoxLeft(i), top + 2.0f, kBlack, kBoxSize, LibTextEngine::ALIGN_CENTER);
  }
  text->ProcessTextQueue(-1);
}

void GUI_Crossword::DrawTimerBar() {
  const RECT& c = GetClientArea();
  RECT bar;
  SetRect(&bar, c.left + 33, c.top + 53, c.right - 33, c.top + 69);
  RECT frame;
  SetRect(&frame, bar.left - 5, bar.top - 5, bar.right + 5, bar.bottom + 5);
  GUI_WindowBackground::DrawTiled(frame, "crossword_progress.dds", 4.0f, 1.0f);
  const float filled = (float)(bar.right - bar.left) * GetFractionLeft();
  if (filled >= 1.0f) FillRect((float)bar.left, (float)bar.top, (float)bar.left + filled, (float)bar.bottom, kBarFill);
}

void GUI_Crossword::Draw() {
  CheckTime();
  GUI_Dialog::Draw();
  const RECT& c = GetClientArea();
  const float L = (float)c.left, T = (float)c.top, R = (float)c.right;
  const float clientWidth = R - L;
  DrawWordBoxes();
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime14.dds", 14.0f);
  if (m_state != STATE_SOLVED) {
    text->AddQueueString(GFormat("%d %s", GetSecondsLeft(), m_timerText.c_str()), L, T + 25.0f, kBlack, clientWidth,
                         LibTextEngine::ALIGN_CENTER);
    text->ProcessTextQueue(-1);
    DrawTimerBar();
  }
  text->AddWrappedString(m_clue.clue, L + 20.0f, T + 80.0f, clientWidth - 40.0f, kBlack);
  if (m_state == STATE_TIMEDOUT) {
    text->AddQueueString(m_timeoutText, L, T + 194.0f, kBlack, clientWidth, LibTextEngine::ALIGN_CENTER);
    text->AddQueueString(m_timeoutBody, L, T + 220.0f, kBlack, clientWidth, LibTextEngine::ALIGN_CENTER);
  } else if (m_state == STATE_SOLVED) {
    text->AddQueueString(m_correctText, L, T + 45.0f, kBlack, clientWidth, LibTextEngine::ALIGN_CENTER);
    text->AddQueueString(m_correctBody, L, T + 220.0f, kBlack, clientWidth, LibTextEngine::ALIGN_CENTER);
  } else {
    text->AddWrappedString(m_helpText, L + 20.0f, T + 220.0f, clientWidth - 40.0f, kBlack);
  }
  text->ProcessTextQueue(-1);
}
