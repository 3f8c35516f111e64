#include "GUI_MagazineDetails.h"

#include "D3DEngine.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_Colours.h"
#include "GUI_ValueBar.h"
#include "LibTextEngine.h"
#include "SIM_MagazineAsset.h"

GUI_MagazineDetails* GUI_MagazineDetails::PTheWindow = nullptr;

namespace {
constexpr float kCoverSize = 115.0f;
}  // namespace

void GUI_MagazineDetails::Create(SIM_MagazineAsset* issue) {
  GAssert(issue != nullptr, __FILE__, __LINE__);
  if (!issue) return;
  Close();
  new GUI_MagazineDetails(issue);
}

void GUI_MagazineDetails::Close() {
  delete PTheWindow;
  PTheWindow = nullptr;
}

GUI_MagazineDetails::GUI_MagazineDetails(SIM_MagazineAsset* issue) : GUI_Dialog(true), m_issue(issue) {
  PTheWindow = this;
  if (issue) SetTitle(issue->GetGUIName());
  SetSize(480.0f, 220.0f);
  PlaceCentral();
  UpdateClientArea();
  SetModal(true);
  m_picture.SetSize(kCoverSize, kCoverSize);
  // The cover sits left of the text, below the title; the bar is kept low so that a few lines of
  // description fit above its label.
  m_picture.PlaceLocal((float)rect.left + 80.0f, (float)GetClientArea().top + 75.0f);
  m_progress = new GUI_ValueBar;
  m_progress->SetValue(issue ? issue->GetReadPercentage() : 0.0f, 1.0f, false);
  AddChild(m_progress);
  m_progress->SetPosition(m_picture.Right() + 20.0f, (float)rect.top + 150.0f, (float)rect.right - 20.0f,
                          (float)rect.top + 170.0f);
  m_label = GTranslation::GetString("MAGAZINE_READ_PERCENTAGE");
}

GUI_MagazineDetails::~GUI_MagazineDetails() {
  if (PTheWindow == this) PTheWindow = nullptr;
}

void GUI_MagazineDetails::Draw() {
  GUI_Dialog::Draw();
  DrawChildren();
  if (m_issue) GetD3DEngine()->SetTexture(m_issue->GetTextureName());
  m_picture.SetVertexColor(255, 255, 255, 255);
  m_picture.DrawNoChecks();

  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime14.dds", 14.0f);
  const RECT* bar = m_progress->GetRect();
  text->AddQueueString(m_label, (float)bar->left, (float)bar->top - 30.0f, kBlack, (float)(bar->right - bar->left),
                       LibTextEngine::ALIGN_LEFT);
  if (m_issue) {
    const float x = m_picture.Right() + 10.0f;
    text->AddWrappedString(m_issue->GetDescription(), x, (float)GetClientArea().top + 10.0f,
                           (float)rect.right - m_picture.Right() - 30.0f, kBlack);
  }
  text->ProcessTextQueue(-1);
}
