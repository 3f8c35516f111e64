#include "GUI_NameEditor.h"

#include <cctype>
#include <cstring>
#include <vector>

#include "CInput.h"
#include "D3DEngine.h"
#include "GTranslation.h"
#include "GUI_ButtonText.h"
#include "GUI_MenuNew.h"
#include "GUI_WindowBackground.h"
#include "LibTextEngine.h"
#include "SIM_Names.h"

namespace {
constexpr unsigned kKeyDelete = 51;
constexpr double kBlinkMs = 200.0;

// The randomise buttons carry an int, not a pointer: each editor is known by its place here.
std::vector<GUI_NameEditor*>& Editors() {
  static std::vector<GUI_NameEditor*> editors;
  return editors;
}

bool Accepted(char c) {
  return std::isalpha(static_cast<unsigned char>(c)) || c == '\'' || c == '-' || c == ' ';
}
}  // namespace

GUI_NameEditor::GUI_NameEditor(const char* initialName, const char* titleKey) {
  SetName(initialName);
  Editors().push_back(this);
  m_randomise = new GUI_ButtonText("NAME_RANDOMISE", RandomName, int(Editors().size()) - 1);
  m_randomise->SetTooltip("NAME_RANDOMISE_MAINMENU", 30);
  AddButton(m_randomise);
  m_title = GTranslation::GetString(titleKey ? titleKey : "");
}

GUI_NameEditor::~GUI_NameEditor() {
  for (GUI_NameEditor*& editor : Editors())
    if (editor == this) editor = nullptr;
}

void GUI_NameEditor::SetName(const char* text) {
  std::strncpy(m_name, text ? text : "", kBufferSize - 1);
  m_name[kBufferSize - 1] = '\0';
  m_length = int(std::strlen(m_name));
}

void GUI_NameEditor::StartEditing() {
  m_blink.StartTimer();
  m_caretShown = true;
  m_editing = true;
}

void GUI_NameEditor::StopEditing() {
  m_caretShown = false;
  m_editing = false;
}

bool GUI_NameEditor::CheckClick() {
  if (GUIButtonList::CheckClick()) return false;
  const CInput* input = GetInput();
  const float x = input->mouseX, y = input->mouseY;
  return float(m_textBox.left) < x && x < float(m_textBox.right) && float(m_textBox.top) < y &&
         y < float(m_textBox.bottom);
}

void GUI_NameEditor::HandleKey(unsigned key) {
  if (!m_editing) return;
  if (key == kKeyDelete) {
    if (m_length > 0) m_name[--m_length] = '\0';
    return;
  }
  char c = DikToChar(key);
  if (!Accepted(c) || m_length >= kMaxTyped) return;
  if (m_length == 0 || GetInput()->IsShiftDown()) c = char(std::toupper(static_cast<unsigned char>(c)));
  m_name[m_length++] = c;
  m_name[m_length] = '\0';
}

void GUI_NameEditor::RandomName(int which) {
  if (which < 0 || size_t(which) >= Editors().size() || !Editors()[size_t(which)]) return;
  GUI_NameEditor* editor = Editors()[size_t(which)];
  GUI_MenuNew* screen = GUI_MenuNew::PTheWindow;
  if (screen && editor == screen->GetForenameEditor()) {
    SIM_GENDER gender = SIM_MALE;
    // With no skin the name is left as it is.
    if (!GUI_MenuNew::SkinGender(&gender)) return;
    editor->SetName(SIM_Names::GetForename(1969, "English", gender, false).c_str());
  } else if (screen && editor == screen->GetSurnameEditor()) {
    editor->SetName(SIM_Names::GetSurname().c_str());
  } else {
    editor->SetName(SIM_Names::GetTownName().c_str());
  }
}

void GUI_NameEditor::Draw() {
  const int left = rect.left, top = rect.top, right = rect.right, bottom = rect.bottom;
  const float w = float(right - left);
  GUI_WindowBackground::DrawTiled(rect, GUI_WindowBackground::PRESET_CLIENT, 38.0f, 1.0f);
  const float cx = GetCenterX();
  m_randomise->SetPosition(cx - 85.0f, float(bottom) - 44.0f, cx + 85.0f, float(bottom) - 20.0f);

  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("calibriblackbold28.dds", 28.0f);
  m_textBox = RECT{left + 25, top + 44, right - 25, top + 64};
  text->AddQueueString(m_title, float(left), float(top) + 15.0f, 0xFF000000u, w, LibTextEngine::ALIGN_CENTER);
  GetD3DEngine()->FillRect(&m_textBox, m_editing ? 0xE0000000u : 0x20000000u);
  text->AddQueueString(m_name, float(left) + 13.0f, float(top) + 40.0f, m_editing ? 0xFFFFFFFFu : 0xFF000000u,
                       w - 20.0f, LibTextEngine::ALIGN_CENTER);
  DrawButtons();
  // The buttons' labels are in another font: the editor's text goes out before them.
  text->SetCurrentFont("calibriblackbold28.dds", 28.0f);
  text->ProcessTextQueue(-1);
  if (m_editing) DrawCarat(float(text->GetStringLength(m_name)));
}

void GUI_NameEditor::DrawCarat(float textWidth) {
  const float x = GetCenterX() + textWidth / 2.0f;
  m_blink.Update();
  if (m_blink.GetElapsed() > kBlinkMs) {
    m_blink.StartTimer();
    m_caretShown = !m_caretShown;
  }
  if (!m_caretShown) return;
  RECT caret{int(x) + 7, rect.top + 47, int(x) + 10, rect.top + 61};
  GetD3DEngine()->FillRect(&caret, 0xFFFFFFFFu);
}
