#include "GUI_ProjectDetails.h"

#include <algorithm>

#include "D3DEngine.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_Colours.h"
#include "GUI_Concentration.h"
#include "GUI_GUI.h"
#include "GUI_ValueBar.h"
#include "LibTextEngine.h"
#include "SIM_NPC.h"
#include "SIM_Projects.h"
#include "SIM_Vede.h"

GUI_ScienceTheoryDetails* GUI_ScienceTheoryDetails::PTheWindow = nullptr;
GUI_JournalistStoryDetails* GUI_JournalistStoryDetails::PTheWindow = nullptr;

namespace {

constexpr float kProjectDialogWidth = 460.0f;
constexpr float kProjectDialogHeight = 360.0f;
constexpr int kContactIcons = 20;

std::string ProgressLine(const SIM_AchievementBase* project) {
  return GFormat("%s: %.2f%%", GTranslation::GetString("PROGRESS"), (double)(project->GetProgress() * 100.0f));
}

// The progress bar of a project dialog, owned by the dialog itself.
GUI_ValueBar* MakeProgressBar(const RECT& c, float progress) {
  auto* bar = new GUI_ValueBar();
  bar->SetPosition((float)c.left + 50.0f, (float)c.top + 100.0f, (float)c.right - 50.0f, (float)c.top + 140.0f);
  bar->SetValue(progress, 1.0f, false);
  return bar;
}

GUI_Concentration* MakeConcentration(const RECT& c, float centreX) {
  auto* panel = new GUI_Concentration();
  panel->SetPosition((float)c.left + 20.0f, (float)c.top + 140.0f, centreX - 10.0f, (float)c.bottom - 20.0f);
  return panel;
}

// The progress line centred over the bar, 22 px above it.
void DrawProgressLine(const std::string& line, const RECT& c) {
  const float barLeft = (float)c.left + 50.0f;
  const float barRight = (float)c.right - 50.0f;
  GetTextEngine()->AddQueueString(line, barLeft, (float)c.top + 100.0f - 22.0f, kBlack, barRight - barLeft,
                                  LibTextEngine::ALIGN_CENTER);
}

}  // namespace

// ---------------------------------------------------------------------------------------------

GUI_ScienceSkillDetails::GUI_ScienceSkillDetails() {
  static const char* const kSkills[3] = {"basic_physics", "basic_biology", "basic_chemistry"};
  static const char* const kLabels[3] = {"SCIENCE_SKILL_PHYSICS", "SCIENCE_SKILL_BIOLOGY", "SCIENCE_SKILL_CHEMISTRY"};
  m_title = GTranslation::GetString("SCIENCE_SKILL_TITLE");
  for (int i = 0; i < 3; ++i) {
    m_labels[i] = GTranslation::GetString(kLabels[i]);
    m_bars[i] = new GUI_ValueBar();
    m_bars[i]->SetValue(SIM_GetVede()->GetValue(kSkills[i]), 1.0f, false);
    AddChild(m_bars[i]);
  }
}

void GUI_ScienceSkillDetails::Draw() {
  GetD3DEngine()->FillRect(&rect, 0x20000000u);
  LibTextEngine* text = GetTextEngine();
  const float L = (float)rect.left;
  const float T = (float)rect.top;
  const float W = (float)(rect.right - rect.left);
  text->SetCurrentFont("calibriblackbold22.dds", 22.0f);
  text->AddQueueString(m_title, L, T, kBlack, W, LibTextEngine::ALIGN_CENTER);
  text->SetCurrentFont("anime14.dds", 14.0f);
  for (int i = 0; i < 3; ++i) {
    const float y = T + 45.0f + 32.0f * (float)i;
    text->AddQueueString(m_labels[i], L, y - 22.0f, kBlack, W, LibTextEngine::ALIGN_CENTER);
    m_bars[i]->SetPosition(L + 10.0f, y, (float)rect.right - 10.0f, y + 8.0f);
  }
  text->ProcessTextQueue(-1);
  DrawChildren();
}

// ---------------------------------------------------------------------------------------------

void GUI_ScienceTheoryDetails::Create() {
  delete PTheWindow;  // the destructor clears PTheWindow
  new GUI_ScienceTheoryDetails();  // the window manager owns it
}

GUI_ScienceTheoryDetails::GUI_ScienceTheoryDetails() : GUI_Dialog(true) {
  PTheWindow = this;
  SetSize(kProjectDialogWidth, kProjectDialogHeight);
  PlaceCentral();
  SetModal(true);
  UpdateClientArea();
  SetTitle(GTranslation::GetString("SCIENTIST_DEVELOP_THEORY"));
  AddHelpButton("HELP_SCIENCETHEORY");
  const SIM_ScienceTheory* theory = SIM_GetScienceTheory();
  m_titleLine = theory->GetGUIName();
  m_progressLine = ProgressLine(theory);
  const RECT& c = GetClientArea();
  m_bar = MakeProgressBar(c, theory->GetProgress());
  AddChild(MakeConcentration(c, GetCenterX()));
  auto* skills = new GUI_ScienceSkillDetails();
  skills->SetPosition(GetCenterX() + 10.0f, (float)c.top + 140.0f, (float)c.right - 20.0f, (float)c.bottom - 20.0f);
  AddChild(skills);
  GetDebug()->DebugOut(GFormat("Theory details: %s", m_progressLine.c_str()).c_str());
}

GUI_ScienceTheoryDetails::~GUI_ScienceTheoryDetails() {
  delete m_bar;
  if (PTheWindow == this) PTheWindow = nullptr;
}

void GUI_ScienceTheoryDetails::Draw() {
  GUI_Dialog::Draw();
  const RECT& c = GetClientArea();
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime14.dds", 14.0f);
  text->AddWrappedString(m_titleLine, (float)c.left + 20.0f, (float)c.top + 40.0f, (float)(c.right - c.left) - 40.0f, kBlack);
  DrawProgressLine(m_progressLine, c);
  text->ProcessTextQueue(-1);
  m_bar->SetPosition((float)c.left + 50.0f, (float)c.top + 100.0f, (float)c.right - 50.0f, (float)c.top + 140.0f);
  m_bar->Draw();
  DrawChildren();
}

// ---------------------------------------------------------------------------------------------

void GUI_JournalistStoryDetails::Create() {
  delete PTheWindow;  // the destructor clears PTheWindow
  new GUI_JournalistStoryDetails();  // the window manager owns it
}

GUI_JournalistStoryDetails::GUI_JournalistStoryDetails() : GUI_Dialog(true) {
  PTheWindow = this;
  SetSize(kProjectDialogWidth, kProjectDialogHeight);
  PlaceCentral();
  SetModal(true);
  UpdateClientArea();
  SetTitle(GTranslation::GetString("JOURNALIST_INVESTIGATE_STORY"));
  AddHelpButton("HELP_INVESTIGATESTORY");
  const SIM_NewsStory* story = SIM_GetNewsStory();
  m_titleLine = std::string(GTranslation::GetString("CURRENT_STORY")) + ": \"" + story->GetGUIName() + "\"";
  m_progressLine = ProgressLine(story);
  m_contactsHeading = GTranslation::GetString("JOURNALIST_CONTACTS");
  m_contacts = std::min(SIM_NPC::CountRecentContacts(), kContactIcons);
  const RECT& c = GetClientArea();
  m_bar = MakeProgressBar(c, story->GetProgress());
  AddChild(MakeConcentration(c, GetCenterX()));
  m_icon.SetTexture("blank_person.dds");
  m_icon.SetSize(30.0f, 30.0f);
  GetDebug()->DebugOut(GFormat("Story details: %s, %d recent contacts", m_progressLine.c_str(), m_contacts).c_str());
}

GUI_JournalistStoryDetails::~GUI_JournalistStoryDetails() {
  delete m_bar;
  if (PTheWindow == this) PTheWindow = nullptr;
  GUI_GetGUI()->EndDayGUI();
}

void GUI_JournalistStoryDetails::Draw() {
  GUI_Dialog::Draw();
  const RECT& c = GetClientArea();
  const float cx = GetCenterX();
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime14.dds", 14.0f);
  text->AddWrappedString(m_titleLine, (float)c.left + 20.0f, (float)c.top + 40.0f, (float)(c.right - c.left) - 40.0f, kBlack);
  text->SetCurrentFont("calibriblackbold22.dds", 22.0f);
  text->AddQueueString(m_contactsHeading, cx, (float)c.top + 130.0f, kBlack, (float)c.right - cx, LibTextEngine::ALIGN_CENTER);
  DrawProgressLine(m_progressLine, c);
  text->ProcessTextQueue(-1);
  m_bar->SetPosition((float)c.left + 50.0f, (float)c.top + 100.0f, (float)c.right - 50.0f, (float)c.top + 140.0f);
  m_bar->Draw();
  // Twenty heads in four rows of five; the ones beyond the recent contacts are faint.
  const float firstX = ((float)c.right + cx) / 2.0f - 60.0f;
  const float firstY = (float)c.top + 170.0f;
  for (int i = 0; i < kContactIcons; ++i) {
    m_icon.SetVertexColor(i < m_contacts ? 0xFFFFFFFFu : 0x80FFFFFFu);
    m_icon.PlaceLocal(firstX + 30.0f * (float)(i % 5), firstY + 32.0f * (float)(i / 5));
    m_icon.Draw();
  }
  DrawChildren();
}
