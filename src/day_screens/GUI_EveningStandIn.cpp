#include "GUI_EveningStandIn.h"

#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_ButtonText.h"
#include "GUI_GUI.h"
#include "GUI_NamedObject.h"
#include "LibTextEngine.h"
#include "SIM_SIM.h"
#include "SIM_StandInLog.h"
#include "SIM_TimeChunk.h"

GUI_EveningStandIn* GUI_EveningStandIn::PTheWindow = nullptr;

namespace {

// An evening in which nothing happens but the slot is used.
class QuietEvening : public SIM_TimeChunk {};

const char* const kTitleKeys[2] = {"STANDIN_EVENING_CLASSES_TITLE", "STANDIN_EVENING_JOB_TITLE"};
const char* const kTextKeys[2] = {"STANDIN_EVENING_CLASSES_TEXT", "STANDIN_EVENING_JOB_TEXT"};
// The names the real screens will bear, so that the tutorial's steps can close the window.
const char* const kScreenNames[2] = {"EveningClasses", "Career"};

}  // namespace

void GUI_EveningStandIn::Toggle(KIND kind) {
  if (IsOpen(kind)) {
    Close(kind);
    return;
  }
  GUI_GetGUI()->CloseLeftHandWindows();
  // Whatever kind is still open goes too: there is only one of these windows.
  if (PTheWindow) Close(PTheWindow->m_kind);
  PTheWindow = new GUI_EveningStandIn(kind);
}

void GUI_EveningStandIn::Close(KIND kind) {
  if (!IsOpen(kind)) return;
  GUI_EveningStandIn* window = PTheWindow;
  PTheWindow = nullptr;
  delete window;
}

void GUI_EveningStandIn::SpendQuietEvening(int) {
  if (PTheWindow) Close(PTheWindow->m_kind);
  QuietEvening evening;
  evening.ProcessChunk();
  GetDebug()->DebugOut(
      GFormat("Quiet evening at home (evenings left today: %d)", (int)SIM_GetSim()->GetActivitiesRemaining()).c_str());
}

GUI_EveningStandIn::GUI_EveningStandIn(KIND kind) : GUI_Dialog(true), m_kind(kind) {
  STAND_IN();  // the evening choosers still to come (classes, career): a quiet evening at home
  PTheWindow = this;
  SetTitle(GTranslation::GetString(kTitleKeys[kind]));
  m_text = GTranslation::GetString(kTextKeys[kind]);
  SetPosition(30.0f, 150.0f, 430.0f, 420.0f);
  UpdateClientArea();

  const RECT& c = m_clientArea;
  m_quietButton = new GUI_ButtonText("STANDIN_QUIET_EVENING", SpendQuietEvening, 0);
  m_quietButton->SetPosition((float)c.left + 40.0f, (float)c.bottom - 44.0f, (float)c.right - 40.0f,
                             (float)c.bottom - 20.0f);
  AddButton(m_quietButton);
  GUI_NamedObject::Register(kScreenNames[kind], this);
  GetDebug()->DebugOut(GFormat("Evening chooser: %s", GetTitle().c_str()).c_str());
}

GUI_EveningStandIn::~GUI_EveningStandIn() {
  GUI_NamedObject::UnRegister(this);
  if (PTheWindow == this) PTheWindow = nullptr;
}

void GUI_EveningStandIn::Draw() {
  GUI_Dialog::Draw();
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime16.dds", 16.0f);
  text->AddWrappedString(m_text, (float)m_clientArea.left + 20.0f, (float)m_clientArea.top + 16.0f,
                         (float)(m_clientArea.right - m_clientArea.left) - 40.0f, 0xFF000000u);
  text->ProcessTextQueue(-1);
}
