#include "GUI_PetDetails.h"

#include <algorithm>
#include <string>

#include "D3DEngine.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_AssetEffects.h"
#include "GUI_ButtonText.h"
#include "GUI_Colours.h"
#include "GUI_PetNameDialog.h"
#include "LibTextEngine.h"
#include "SIM_Dog.h"
#include "SIM_PetBase.h"
#include "SIM_PetFood.h"

GUI_PetDetails* GUI_PetDetails::PTheWindow = nullptr;

namespace {
constexpr float kPictureSize = 118.0f;
constexpr float kPictureCentre = 84.0f;  // from the client area's top left, both ways
constexpr float kRowsTop = 77.0f;
constexpr float kRowStep = 20.0f;
constexpr float kNumberColumn = 250.0f;  // from the picture's right edge

struct Row {
  const std::string* label;
  int number;
};

// The rows in the order they are drawn: the meals left always; the hungry days only while the pet
// goes hungry; the burglars only for the dog.
int Rows(const SIM_PetBase* pet, const std::string& daysLeft, const std::string& hungry, const std::string& burglars,
         Row (&rows)[3]) {
  int n = 0;
  rows[n++] = {&daysLeft, SIM_PetMeal::GetQuantity(pet->GetName())};
  if (pet->GetDaysWithoutFood() > 0) rows[n++] = {&hungry, pet->GetDaysWithoutFood()};
  if (pet->GetName() == "dog") {
    if (const auto* dog = dynamic_cast<const SIM_Dog*>(pet)) rows[n++] = {&burglars, dog->GetBurglarsAttacked()};
  }
  return n;
}
}  // namespace

void GUI_PetDetails::Create(SIM_PetBase* pet, const std::string& detailsKey) {
  GAssert(pet != nullptr, __FILE__, __LINE__);
  if (!pet) return;
  Close();
  new GUI_PetDetails(pet, detailsKey);
}

void GUI_PetDetails::Close() {
  delete PTheWindow;
  PTheWindow = nullptr;
}

void GUI_PetDetails::Rename(int) {
  if (PTheWindow) GUI_PetNameDialog::Create(PTheWindow);
}

GUI_PetDetails::GUI_PetDetails(SIM_PetBase* pet, const std::string& detailsKey) : GUI_Dialog(true), m_pet(pet) {
  m_detailsText = GTranslation::GetString(detailsKey.c_str());
  m_daysLeftLabel = GTranslation::GetString("PETFOOD_DAYSLEFT");
  m_hungryLabel = GTranslation::GetString("PET_DAYSWITHOUTFOOD");
  m_burglarsLabel = GTranslation::GetString("DOG_BURGLARSATTACKED");
  PTheWindow = this;

  m_effects = new GUI_AssetEffects(pet);
  AddChild(m_effects);
  const float h = m_effects->GetHeight();
  SetSize(480.0f, 310.0f + h);
  PlaceCentral();
  UpdateClientArea();
  const RECT& c = GetClientArea();
  const float cx = GetCenterX();
  m_effects->SetPosition(cx - 120.0f, (float)c.bottom - 75.0f - h, cx + 120.0f, (float)c.bottom - 75.0f);

  SetTitle(pet->GetPetName());
  if (pet->IsRenameable()) {
    m_renameButton = new GUI_ButtonText("PET_DETAILS_RENAME", Rename, 0);
    m_renameButton->SetPosition(cx - 50.0f, (float)c.bottom - 44.0f, cx + 150.0f, (float)c.bottom - 20.0f);
    AddButton(m_renameButton);
  }
  m_picture.SetSize(kPictureSize, kPictureSize);
  GetDebug()->DebugOut(("Pet details: " + pet->GetName() + " \"" + pet->GetPetName() + "\" opens").c_str());
}

GUI_PetDetails::~GUI_PetDetails() {
  if (PTheWindow == this) PTheWindow = nullptr;
  // The name dialog edits this window's pet and retitles it: it cannot outlive it. Closing it
  // gives the keyboard back; a window that took the keyboard since (a chooser) keeps it.
  if (GUI_PetNameDialog::PTheWindow) GUI_PetNameDialog::Close();
}

bool GUI_PetDetails::HasPicture() const {
  if (!m_pet->GetTextureName().empty()) return true;
  // A blank square would look like a picture that failed to load; the row is what is wrong.
  const std::string text = m_pet->GetOrigin() + ": the pet \"" + m_pet->GetName() + "\" names no picture; none drawn";
  GWarnOnce("petpicture:" + m_pet->GetName(), text.c_str(), __FILE__, __LINE__);
  return false;
}

std::string GUI_PetDetails::GetRowsText() const {
  Row rows[3];
  const int n = Rows(m_pet, m_daysLeftLabel, m_hungryLabel, m_burglarsLabel, rows);
  std::string out;
  for (int i = 0; i < n; ++i) {
    if (i) out += "\n";
    out += *rows[i].label + " " + std::to_string(rows[i].number);
  }
  return out;
}

std::string GUI_PetDetails::GetMoodLine() const {
  const std::string& kind = m_pet->GetName();
  if (kind != "dog" && kind != "cat") return "";
  const char* word = GTranslation::GetValueName(m_pet->GetHappiness(), kind == "dog" ? "DOG_MOOD" : "CAT_MOOD");
  return std::string(GTranslation::GetString("PET_MOOD")) + " " + (word ? word : "");
}

void GUI_PetDetails::Draw() {
  GUI_Dialog::Draw();
  const RECT& c = GetClientArea();
  const float L = (float)c.left, T = (float)c.top, R = (float)c.right;
  m_picture.PlaceLocal(L + kPictureCentre, T + kPictureCentre);
  if (HasPicture()) {
    GetD3DEngine()->SetTexture(m_pet->GetTextureName());
    m_picture.SetVertexColor(255, 255, 255, 255);
    m_picture.DrawNoChecks();
  }

  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime14.dds", 14.0f);
  const float x = m_picture.Right() + 20.0f;
  const float below = text->AddWrappedString(m_detailsText, x, T + 20.0f, R - 30.0f - x, kBlack);
  // A description longer than the room above the rows pushes them down rather than under it.
  float y = std::max(T + kRowsTop, below);
  Row rows[3];
  const int n = Rows(m_pet, m_daysLeftLabel, m_hungryLabel, m_burglarsLabel, rows);
  for (int i = 0; i < n; ++i, y += kRowStep) {
    text->AddQueueString(*rows[i].label, x, y, kBlack, 0.0f, LibTextEngine::ALIGN_LEFT);
    text->AddQueueString(std::to_string(rows[i].number), m_picture.Right() + kNumberColumn, y, kBlack, 0.0f,
                         LibTextEngine::ALIGN_LEFT);
  }
  const std::string mood = GetMoodLine();
  if (!mood.empty()) text->AddQueueString(mood, L + 20.0f, m_picture.Bottom(), kBlack, 0.0f, LibTextEngine::ALIGN_LEFT);
  DrawChildren();
  text->ProcessTextQueue(-1);
}
