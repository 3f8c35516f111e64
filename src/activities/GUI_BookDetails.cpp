#include "GUI_BookDetails.h"

#include <string>

#include "D3DEngine.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_ButtonText.h"
#include "GUI_Colours.h"
#include "LibTextEngine.h"
#include "SIM_Book.h"
#include "SIM_SIM.h"
#include "SIM_StandInLog.h"

GUI_BookDetails* GUI_BookDetails::PTheWindow = nullptr;

namespace {
constexpr float kBookPictureSize = 85.0f;
}  // namespace

void GUI_BookDetails::Create(SIM_Book* book) {
  GAssert(book != nullptr, __FILE__, __LINE__);
  if (!book) return;
  Dismiss();
  new GUI_BookDetails(book);
}

void GUI_BookDetails::Close() {
  // The day turn's moment (DayTurnTest follows it).
  SIM_StandInLog::Record("GUI_BookDetails::Close");
  Dismiss();
}

void GUI_BookDetails::Dismiss() {
  delete PTheWindow;
  PTheWindow = nullptr;
}

void GUI_BookDetails::Read(int) {
  if (!PTheWindow) return;
  SIM_Book* book = PTheWindow->m_book;
  if (!book || book->IsFinished() || SIM_GetSim()->IsDayFinished()) return;
  // Reading opens its own dialog; this one goes first so nothing touches it afterwards.
  Dismiss();
  book->Read();
}

void GUI_BookDetails::Sell(int) {
  if (!PTheWindow) return;
  SIM_Book* book = PTheWindow->m_book;
  Dismiss();
  if (book) book->Sell();
}

GUI_BookDetails::GUI_BookDetails(SIM_Book* book) : GUI_Dialog(true), m_book(book) {
  PTheWindow = this;
  if (book) SetTitle(book->GetGUIName());
  SetSize(460.0f, 240.0f);
  PlaceCentral();
  UpdateClientArea();
  const RECT& c = GetClientArea();
  const float L = (float)c.left, T = (float)c.top, R = (float)c.right, B = (float)c.bottom;
  m_readButton = new GUI_ButtonText("BOOKDETAILS_READ", Read, 0);
  m_readButton->SetTooltip("BOOKDETAILS_READ_TOOLTIP", 60);
  m_readButton->SetPosition(L + 160.0f, B - 44.0f, R - 20.0f, B - 20.0f);
  AddButton(m_readButton);
  m_sellButton = new GUI_ButtonText("SELL_ASSET", Sell, 0);
  m_sellButton->SetTooltip("TOOLTIP_SELL_ASSET", 60);
  m_sellButton->SetPosition(L + 20.0f, B - 44.0f, L + 140.0f, B - 20.0f);
  AddButton(m_sellButton);
  m_picture.SetSize(kBookPictureSize, kBookPictureSize);
  m_picture.PlaceLocal(L + 50.0f, T + 70.0f);
  m_pagesLabel = GTranslation::GetString("BOOKDETAILS_PAGES");
  m_pagesReadLabel = GTranslation::GetString("BOOKDETAILS_PAGESREAD");
}

GUI_BookDetails::~GUI_BookDetails() {
  if (PTheWindow == this) PTheWindow = nullptr;
}

void GUI_BookDetails::Draw() {
  m_readButton->SetEnabled(m_book && !m_book->IsFinished() && !SIM_GetSim()->IsDayFinished());
  GUI_Dialog::Draw();
  if (!m_book) return;
  const RECT& c = GetClientArea();
  const float L = (float)c.left, T = (float)c.top, R = (float)c.right;
  GetD3DEngine()->SetTexture(m_book->GetTextureName());
  m_picture.SetVertexColor(255, 255, 255, 255);
  m_picture.DrawNoChecks();

  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime14.dds", 14.0f);
  const float y = text->AddWrappedString(m_book->GetDescription(), L + 100.0f, T + 25.0f, R - L - 120.0f, kBlack);
  text->AddQueueString(m_pagesLabel, L + 100.0f, y, kBlack, 0.0f, LibTextEngine::ALIGN_LEFT);
  text->AddQueueString(std::to_string(m_book->GetPages()), L + 250.0f, y, kBlack, 0.0f, LibTextEngine::ALIGN_LEFT);
  text->AddQueueString(m_pagesReadLabel, L + 100.0f, y + 20.0f, kBlack, 0.0f, LibTextEngine::ALIGN_LEFT);
  text->AddQueueString(std::to_string(m_book->GetPagesRead()), L + 250.0f, y + 20.0f, kBlack, 0.0f,
                       LibTextEngine::ALIGN_LEFT);
  text->ProcessTextQueue(-1);
}
