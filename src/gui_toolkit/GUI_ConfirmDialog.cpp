#include "GUI_ConfirmDialog.h"

#include "GDebug.h"
#include "GUI_ButtonText.h"
#include "LibTextEngine.h"

GUI_ConfirmDialog* GUI_ConfirmDialog::PTheWindow = nullptr;

namespace {
// Each question gets its own number: a question asked by the callback may be built at the very
// address of the one it replaced, so addresses cannot tell them apart.
unsigned g_lastSerial = 0;
}  // namespace

GUI_ConfirmDialog* GUI_ConfirmDialog::Create(const char* text, const char* title, Callback callback) {
  Close(0);
  return new GUI_ConfirmDialog(text, title, callback);
}

GUI_ConfirmDialog::GUI_ConfirmDialog(const char* text, const char* title, Callback callback)
    : GUI_Dialog(true), m_text(text ? text : ""), m_callback(callback), m_serial(++g_lastSerial) {
  PTheWindow = this;
  SetTitle(title);
  SetSize(370.0f, 200.0f);
  PlaceCentral();
  UpdateClientArea();
  SetModal(true);
  GAssert(callback != nullptr, __FILE__, __LINE__);

  const RECT& c = m_clientArea;
  m_okButton = new GUI_ButtonText("CONFIRM_OK", Confirm, 0);
  m_okButton->SetPosition((float)c.right - 160.0f, (float)c.bottom - 44.0f, (float)c.right - 20.0f,
                          (float)c.bottom - 20.0f);
  AddButton(m_okButton);
  m_cancelButton = new GUI_ButtonText("CONFIRM_CANCEL", Close, 0);
  m_cancelButton->SetPosition((float)c.left + 20.0f, (float)c.bottom - 44.0f, (float)c.left + 160.0f,
                              (float)c.bottom - 20.0f);
  AddButton(m_cancelButton);
}

GUI_ConfirmDialog::~GUI_ConfirmDialog() {
  if (PTheWindow == this) PTheWindow = nullptr;
}

void GUI_ConfirmDialog::Confirm(int) {
  GUI_ConfirmDialog* dialog = PTheWindow;
  if (!dialog) return;
  const unsigned serial = dialog->m_serial;
  Callback callback = dialog->m_callback;
  if (callback) callback(0);
  // The callback may have asked a new question (which replaced this one) or closed everything:
  // only this question is closed here.
  if (PTheWindow && PTheWindow->m_serial == serial) Close(0);
}

void GUI_ConfirmDialog::Close(int) {
  GUI_ConfirmDialog* dialog = PTheWindow;
  PTheWindow = nullptr;
  delete dialog;
}

void GUI_ConfirmDialog::Draw() {
  GUI_Dialog::Draw();
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime14.dds", 14.0f);
  text->AddWrappedString(m_text, (float)m_clientArea.left + 20.0f, (float)m_clientArea.top + 20.0f,
                         (float)(m_clientArea.right - m_clientArea.left) - 40.0f, VBColor(0, 0, 0));
  text->ProcessTextQueue(-1);
}
