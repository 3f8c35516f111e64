#include "GUI_EveningClasses.h"

#include "GDebug.h"
#include "GUI_EveningClassDetails.h"
#include "GUI_EveningClassStrip.h"
#include "GUI_GUI.h"
#include "GUI_HintHelp.h"
#include "GUI_IconButton.h"
#include "GUI_SchoolPicker.h"
#include "LibTextEngine.h"

GUI_EveningClasses* GUI_EveningClasses::PTheWindow = nullptr;

namespace {
constexpr int kClassStripStep = 26;
}  // namespace

void GUI_EveningClasses::Create() {
  if (PTheWindow) {
    Close();
    return;
  }
  GUI_GetGUI()->CloseLeftHandWindows();
  new GUI_EveningClasses();
}

void GUI_EveningClasses::Close() {
  GUI_EveningClasses* window = PTheWindow;
  PTheWindow = nullptr;
  delete window;
}

GUI_EveningClasses::GUI_EveningClasses() : GUI_SchoolBoard(600.0f, 535.0f) {
  PTheWindow = this;

  m_backButton = new GUI_IconButton("smallbuttons.dds", GoBack, 0);
  m_backButton->SetHighlightTexture("smallbuttons.dds");
  m_backButton->SetCells(16, 0, 1);
  m_backButton->SetPosition((float)rect.left + 15.0f, (float)rect.top + 15.0f, (float)rect.left + 47.0f,
                            (float)rect.top + 47.0f);
  m_backButton->SetTooltip("EVENING_CLASSES_JOB_GOBACK", 20);
  m_backButton->SetVisible(false);
  AddButton(m_backButton);

  GUI_HintHelp::Launch("classes_dialog");
}

GUI_EveningClasses::~GUI_EveningClasses() {
  if (PTheWindow == this) PTheWindow = nullptr;
  GUI_GetGUI()->EndDayGUI();
}

void GUI_EveningClasses::SelectSchool(HOOK_EveningClassType::ClassList* classes) {
  GAssert(classes != nullptr, __FILE__, __LINE__);
  if (!classes) return;
  m_school = classes;
  m_page = 0;
  const float y0 = (float)(m_clientArea.top + 20 + kClassStripStep * kStripsPerPage);
  if (!m_nextButton) {
    m_nextButton = new GUI_IconButton("button_right_white.dds", NextPage, 0);
    m_nextButton->SetHighlightTexture("button_right_white_h.dds");
    m_nextButton->SetPosition((float)rect.right - 92.0f, y0, (float)rect.right - 60.0f, y0 + 32.0f);
    AddButton(m_nextButton);
    m_prevButton = new GUI_IconButton("button_left_white.dds", PrevPage, 0);
    m_prevButton->SetHighlightTexture("button_left_white_h.dds");
    m_prevButton->SetPosition((float)rect.left + 60.0f, y0, (float)rect.left + 92.0f, y0 + 32.0f);
    AddButton(m_prevButton);
  }
  Populate();
}

void GUI_EveningClasses::Populate() {
  GAssert(m_school != nullptr, __FILE__, __LINE__);
  if (!m_school) return;
  m_display.clear();
  for (HOOK_EveningClassType* cls : *m_school) {
    if (cls->IsEnrollable()) m_display.push_back(cls);
  }
  for (HOOK_EveningClassType* cls : *m_school) {
    if (!cls->IsEnrollable()) m_display.push_back(cls);
  }
  m_backButton->SetVisible(true);
  KillChildren();
  m_details = nullptr;

  const RECT& c = m_clientArea;
  auto entry = m_display.begin();
  for (int skip = 0; skip < m_page * kStripsPerPage && entry != m_display.end(); ++skip) ++entry;
  HOOK_EveningClassType* proposed = nullptr;
  int strips = 0;
  for (float y = (float)c.top + 20.0f; strips < kStripsPerPage && entry != m_display.end(); ++entry, ++strips) {
    auto* strip = new GUI_EveningClassStrip(*entry);
    strip->SetPosition((float)c.left + 20.0f, y, (float)c.right - 20.0f, y + 24.0f);
    AddChild(strip);
    if (!proposed && (*entry)->MeetsPrerequisites() && !(*entry)->IsCompleted()) proposed = *entry;
    y += (float)kClassStripStep;
  }
  m_details = new GUI_EveningClassDetails();
  m_details->SetPosition((float)c.left + 20.0f, (float)c.bottom - 168.0f, (float)c.right - 20.0f,
                         (float)c.bottom - 20.0f);
  AddChild(m_details);
  if (strips > 0 && proposed) ShowDetails(proposed);
  GetDebug()->DebugOut(GFormat("Evening classes: page %d of a school of %d, %s proposed", m_page + 1,
                               (int)m_school->size(), proposed ? proposed->GetName().c_str() : "none")
                           .c_str());
}

void GUI_EveningClasses::ShowDetails(HOOK_EveningClassType* cls) {
  if (m_details) m_details->SetType(cls);
  m_selected = cls;
}

bool GUI_EveningClasses::HasMorePages() const {
  return m_school && (int)m_school->size() > m_page * kStripsPerPage + kStripsPerPage;
}

void GUI_EveningClasses::NextPage(int) {
  GUI_EveningClasses* list = PTheWindow;
  if (!list || !list->HasMorePages()) return;
  ++list->m_page;
  list->Populate();
}

void GUI_EveningClasses::PrevPage(int) {
  GUI_EveningClasses* list = PTheWindow;
  if (!list || list->m_page <= 0) return;
  --list->m_page;
  list->Populate();
}

void GUI_EveningClasses::GoBack(int) {
  Close();
  GUI_SchoolPicker::Create();
}

void GUI_EveningClasses::UpdatePageButtonStatus() {
  if (m_prevButton) {
    m_prevButton->SetVisible(m_page >= 1);
    m_prevButton->SetEnabled(m_page >= 1);
  }
  if (m_nextButton) {
    m_nextButton->SetVisible(HasMorePages());
    m_nextButton->SetEnabled(HasMorePages());
  }
}

void GUI_EveningClasses::Draw() {
  UpdatePageButtonStatus();
  DrawBoard();
  DrawChildren();
  GetTextEngine()->ProcessTextQueue(-1);
}
