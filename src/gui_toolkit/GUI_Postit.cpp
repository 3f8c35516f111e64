#include "GUI_Postit.h"

#include "D3DEngine.h"
#include "GDebug.h"
#include "GRandom.h"
#include "GUI_SoloActivityChooser.h"
#include "HOOK_EveningClassType.h"
#include "LibTextEngine.h"
#include "SIM_PetBase.h"
#include "SIM_StandInLog.h"
#include "SIM_SoloActivityType.h"

GUI_PostitSlot GUI_Postit::Slots[GUI_Postit::kSlots];
std::list<GUI_Postit*> GUI_Postit::All;

namespace {
// The places, in the order a free one is looked for: (left, top).
constexpr float kPlaces[GUI_Postit::kSlots][2] = {{111.0f, 84.0f}, {232.0f, 84.0f}, {540.0f, 23.0f}, {85.0f, 543.0f}};
}  // namespace

void GUI_PostitSlot::Initialise(float l, float t) {
  left = l;
  top = t;
  note = nullptr;
}

void GUI_Postit::Open() {
  for (int i = 0; i < kSlots; ++i) Slots[i].Initialise(kPlaces[i][0], kPlaces[i][1]);
}

GUI_Postit* GUI_Postit::Create(const std::string& text, int type) {
  GUI_PostitSlot* slot = nullptr;
  for (GUI_PostitSlot& place : Slots) {
    if (!place.note) {
      slot = &place;
      break;
    }
  }
  if (!slot) {
    GWarning("Not enough postit slots", __FILE__, __LINE__);
    return nullptr;
  }
  GUI_Postit* note = new GUI_Postit(text, type);  // the window manager owns it
  note->SetPosition(slot->left, slot->top, slot->left + POSTITSIZE, slot->top + POSTITSIZE);
  note->m_slot = slot;
  slot->note = note;
  return note;
}

void GUI_Postit::Close() {
  // The evening classes keep a list of the reminders they made; it has to be cleared with the
  // notes so that tomorrow's reminders are made again.
  HOOK_EveningClassType::ClearReminders();
  SIM_PetBase::ForgetReminders();  // so do the pets' food notes
  while (!All.empty()) delete All.front();  // each destructor takes its note out of All

  // The night's order is checked at this moment (the day turn's tests).
  SIM_StandInLog::Record("GUI_Postit::Close");
}

void GUI_Postit::RemoveByText(const std::string& text) {
  for (GUI_Postit* note : All) {
    if (note->m_text == text) {
      delete note;
      return;
    }
  }
}

void GUI_Postit::DrawAll() {
  for (GUI_Postit* note : All) note->DrawOnTop();
}

void GUI_Postit::LaunchPetFood() {
  for (const char* name : {"shopping", "shoponline"}) {
    SIM_SoloActivityType* type = SIM_SoloActivityType::GetByName(name);
    if (type && type->IsAvailable()) {
      type->ProcessChunk();
      return;
    }
  }
}

GUI_Postit::GUI_Postit(const std::string& text, int type)
    : m_text(text), m_mirrored(GRandom::IsChance(0.5f)), m_type(type) {
  m_sprite.SetTexture("postit.dds");
  if (m_mirrored) m_sprite.MirrorLeftRight();
  All.push_back(this);
  AddToGUI();
}

GUI_Postit::~GUI_Postit() {
  All.remove(this);
  if (m_slot && m_slot->note == this) m_slot->note = nullptr;
  // The window base takes the note out of the window manager.
}

void GUI_Postit::DrawOnTop() {
  const float cx = GetCenterX();
  const float cy = GetCenterY();
  if (MouseInside()) {
    m_sprite.SetSize((float)width + 8.0f, (float)height + 8.0f);
    m_sprite.PlaceLocal(cx, cy);
    GetD3DEngine()->SetTexture("postit_highlight.dds");
    m_sprite.DrawNoChecks();
  }
  m_sprite.SetSize((float)width, (float)height);
  m_sprite.PlaceLocal(cx, cy);
  m_sprite.Draw();

  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("segoeprintbold20.dds", 20.0f);
  const float x = (float)rect.left + (m_mirrored ? 50.0f : 25.0f);
  const float y = (float)rect.top + (m_mirrored ? 22.0f : 32.0f);
  text->AddWrappedString(m_text, x, y, (float)width - 60.0f, VBColor(0, 0, 0));
  text->ProcessTextQueue(-1);
}

bool GUI_Postit::CheckClick(float x, float y) {
  if (!PtInside(x, y)) return false;
  switch (m_type) {
    case TYPE_PETFOOD:
      LaunchPetFood();
      break;
    case TYPE_EVENINGCLASS:
    case TYPE_SCHEDULEDEVENT:
      GUI_SoloActivityChooser::ScrollToActivity(m_context.c_str());
      break;
    default:
      break;
  }
  return true;  // the note stays until the day ends or its owner removes it
}
