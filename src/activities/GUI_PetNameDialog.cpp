#include "GUI_PetNameDialog.h"

#include <cctype>
#include <string>

#include "CInput.h"
#include "D3DEngine.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_ButtonText.h"
#include "GUI_GUI.h"
#include "GUI_PetDetails.h"
#include "LibTextEngine.h"
#include "SIM_PetBase.h"

GUI_PetNameDialog* GUI_PetNameDialog::PTheWindow = nullptr;

namespace {
constexpr unsigned kKeyDelete = 51;
constexpr double kBlinkMs = 200.0;
constexpr const char* kFont = "calibriblackbold28.dds";
constexpr float kFontSize = 28.0f;

bool Accepted(char c) {
  return std::isalpha(static_cast<unsigned char>(c)) || c == '\'' || c == '-' || c == ' ';
}
}  // namespace

void GUI_PetNameDialog::Create(GUI_PetDetails* details) {
  GAssert(details != nullptr, __FILE__, __LINE__);
  if (!details) return;
  Close();
  new GUI_PetNameDialog(details);
}

void GUI_PetNameDialog::Close() {
  delete PTheWindow;
  PTheWindow = nullptr;
}

void GUI_PetNameDialog::Done(int) {
  GUI_PetNameDialog* dialog = PTheWindow;
  if (!dialog) return;
  SIM_PetBase* pet = dialog->m_details ? dialog->m_details->GetPet() : nullptr;
  GAssert(pet != nullptr, __FILE__, __LINE__);
  const std::string name = dialog->GetTrimmedName();
  // The button is off while this is empty; a click that slips through changes nothing.
  if (!pet || name.empty()) return;
  GUI_GetGUI()->RemoveInputHandler(dialog);
  pet->SetPetName(name);
  dialog->m_details->SetTitle(name);
  GetDebug()->DebugOut(("Pet details: " + pet->GetName() + " renamed \"" + name + "\"").c_str());
  Close();
}

GUI_PetNameDialog::GUI_PetNameDialog(GUI_PetDetails* details) : GUI_Dialog(false), m_details(details) {
  PTheWindow = this;
  SetSize(400.0f, 160.0f);
  PlaceCentral();
  UpdateClientArea();
  SetTitle(GTranslation::GetString("PET_DETAILS_RENAME"));
  if (details && details->GetPet()) m_name = details->GetPet()->GetPetName().substr(0, kMaxName);
  m_blink.StartTimer();
  m_caretShown = true;
  const RECT& c = GetClientArea();
  m_doneButton = new GUI_ButtonText("PET_NAME_DONE", Done, 0);
  m_doneButton->SetPosition((float)c.left + 20.0f, (float)c.bottom - 44.0f, (float)c.right - 20.0f, (float)c.bottom - 20.0f);
  AddButton(m_doneButton);
  LayOut();
  UpdateDoneButton();
  SetModal(true);
  GUI_GetGUI()->SetInputHandler(this);
}

GUI_PetNameDialog::~GUI_PetNameDialog() {
  if (PTheWindow == this) PTheWindow = nullptr;
  GUI_GetGUI()->RemoveInputHandler(this);
}

std::string GUI_PetNameDialog::GetTrimmedName() const {
  const size_t end = m_name.find_last_not_of(' ');
  return end == std::string::npos ? std::string() : m_name.substr(0, end + 1);
}

void GUI_PetNameDialog::LayOut() {
  const RECT& c = GetClientArea();
  m_editRect = RECT{c.left + 20, c.top + 20, c.right - 25, c.top + 40};
}

void GUI_PetNameDialog::UpdateDoneButton() { m_doneButton->SetEnabled(!GetTrimmedName().empty()); }

void GUI_PetNameDialog::HandleKey(unsigned key) {
  if (key == kKeyDelete) {
    if (!m_name.empty()) m_name.pop_back();
    UpdateDoneButton();
    return;
  }
  char c = DikToChar(key);
  if (!Accepted(c) || m_name.size() >= kMaxName) return;
  if (m_name.empty() || GetInput()->IsShiftDown()) c = char(std::toupper(static_cast<unsigned char>(c)));
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont(kFont, kFontSize);
  const float nameWidth = (float)text->GetStringLength(m_name);
  const float charWidth = (float)text->GetStringLength(std::string(1, c));
  // Only what fits the strip is taken, so the name is never drawn past its edges.
  if ((float)(m_editRect.right - m_editRect.left) <= nameWidth + charWidth + 5.0f) return;
  m_name += c;
  UpdateDoneButton();
}

void GUI_PetNameDialog::Draw() {
  GUI_Dialog::Draw();
  LayOut();
  GetD3DEngine()->FillRect(&m_editRect, 0xE0000000u);
  UpdateDoneButton();
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont(kFont, kFontSize);
  const float w = (float)(m_editRect.right - m_editRect.left);
  text->AddQueueString(m_name, (float)m_editRect.left, (float)m_editRect.top - 4.0f, 0xFFFFFFFFu, w, LibTextEngine::ALIGN_CENTER);
  // The title and the button labels are queued in other fonts: this one goes out with its own.
  text->SetCurrentFont(kFont, kFontSize);
  text->ProcessTextQueue(-1);

  m_blink.Update();
  if (m_blink.GetElapsed() > kBlinkMs) {
    m_blink.StartTimer();
    m_caretShown = !m_caretShown;
  }
  if (!m_caretShown) return;
  const float end = GetCenterX() + (float)text->GetStringLength(m_name) / 2.0f;
  RECT caret{int(end) + 1, m_editRect.top + 3, int(end) + 4, m_editRect.top + 17};
  GetD3DEngine()->FillRect(&caret, 0xFFFFFFFFu);
}
