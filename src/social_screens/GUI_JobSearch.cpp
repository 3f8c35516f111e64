#include "GUI_JobSearch.h"

#include "D3DEngine.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_GUI.h"
#include "GUI_HintHelp.h"
#include "GUI_IconButton.h"
#include "GUI_IndustryIcon.h"
#include "GUI_JobBrowser.h"
#include "GUI_JobInstanceDetails.h"
#include "GUI_NamedObject.h"
#include "SIM_Industry.h"
#include "SIM_SIM.h"

GUI_JobSearch* GUI_JobSearch::PTheWindow = nullptr;

void GUI_JobSearch::Create() {
  if (PTheWindow) {
    Close();
    return;
  }
  GUI_GetGUI()->CloseLeftHandWindows();
  new GUI_JobSearch();
}

void GUI_JobSearch::Close() {
  GUI_JobSearch* window = PTheWindow;
  PTheWindow = nullptr;
  delete window;
}

void GUI_JobSearch::GoBack(int) {
  Close();
  GUI_JobInstanceDetails::Create(0);
}

void GUI_JobSearch::SetIndustry(SIM_Industry* industry) {
  Close();
  GUI_JobBrowser::Create(industry);
}

GUI_JobSearch::GUI_JobSearch() : GUI_Dialog(true) {
  PTheWindow = this;
  SetTitle(GTranslation::GetString("JOBSEARCH_TITLE"));
  const int halfHeight = GetD3DEngine()->GetScreenHeight() / 2;
  const float top = (float)(halfHeight - (int)kHeight / 2);
  SetPosition(0.0f, top, kWidth, top + kHeight);
  SetEatMouseMoves(false);
  UpdateClientArea();
  AddHelpButton("HELP_JOBSEARCH");
  PopulateIndSelector();
  GUI_HintHelp::Launch("jobsearch_dialog");
  SetModal(true);
  GUI_GetGUI()->SetInputHandler(this);

  m_backButton = new GUI_IconButton("smallbuttons.dds", GoBack, 0);
  m_backButton->SetHighlightTexture("smallbuttons.dds");
  m_backButton->SetCells(16, 0, 1);
  m_backButton->SetPosition((float)rect.left + 15.0f, (float)rect.top + 15.0f, (float)rect.left + 47.0f,
                            (float)rect.top + 47.0f);
  m_backButton->SetTooltip("JOB_SEARCH_GOBACK", 60);
  AddButton(m_backButton);
  GUI_NamedObject::Register("JobChooser", this);
  GetDebug()->DebugOut(GFormat("Job search: %d industries", (int)m_icons.size()).c_str());
}

GUI_JobSearch::~GUI_JobSearch() {
  // Looking through an industry is the evening's activity, whichever way the chooser closes.
  SIM_GetSim()->EndDay();
  if (PTheWindow == this) PTheWindow = nullptr;
  GUI_GetGUI()->RemoveInputHandler(this);
  GUI_NamedObject::UnRegister(this);
}

void GUI_JobSearch::PopulateIndSelector() {
  const float left = (float)m_clientArea.left + 20.0f;
  const float top = (float)m_clientArea.top + 20.0f;
  int i = 0;
  for (SIM_Industry* industry : SIM_Industry::All) {
    GUI_IndustryIcon* icon = new GUI_IndustryIcon(industry);
    const float x = left + (float)(i % kIconsPerRow) * GUI_IndustryIcon::kSize;
    const float y = top + (float)(i / kIconsPerRow) * GUI_IndustryIcon::kSize;
    icon->SetPosition(x, y, x + GUI_IndustryIcon::kSize, y + GUI_IndustryIcon::kSize);
    AddButton(icon);
    m_icons.push_back(icon);
    ++i;
  }
}

void GUI_JobSearch::HandleKey(unsigned key) {
  if (key == KEY_ESCAPE) Close();
}
