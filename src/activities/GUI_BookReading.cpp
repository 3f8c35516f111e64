#include "GUI_BookReading.h"

#include <algorithm>
#include <cstdio>

#include "D3DEngine.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_Colours.h"
#include "GUI_Concentration.h"
#include "GUI_GUI.h"
#include "LibTextEngine.h"
#include "SIM_Book.h"

GUI_BookReading* GUI_BookReading::PTheWindow = nullptr;

namespace {
constexpr uint32_t kPictureAreaShade = 0x20000000u;
constexpr int kUnreadAlpha = 96;
}  // namespace

void GUI_BookReading::Create(SIM_Book* book, int pagesToday, float concentration, bool readable) {
  GAssert(book != nullptr, __FILE__, __LINE__);
  if (!book) return;
  Close();
  new GUI_BookReading(book, pagesToday, concentration, readable);
}

void GUI_BookReading::Close() {
  delete PTheWindow;
  PTheWindow = nullptr;
}

GUI_BookReading::GUI_BookReading(SIM_Book* book, int pagesToday, float, bool readable)
    : GUI_Dialog(true), m_book(book) {
  PTheWindow = this;
  SetTitle(GTranslation::GetString("READBOOK_TITLE"));
  SetSize(480.0f, 330.0f);
  PlaceCentral();
  UpdateClientArea();
  const RECT& c = GetClientArea();
  const float cx = GetCenterX();

  if (!readable) {
    m_message = GTranslation::GetString("READBOOK_DONTUNDERSTAND");
  } else if (book->IsRedundant()) {
    m_message = GTranslation::GetString("READBOOK_REDUNDANT");
  } else {
    m_message = GTranslation::GetString("READBOOK_TEXT");
    GTranslation::ReplaceToken(m_message, "<PAGES>", std::to_string(pagesToday));
  }

  m_concentration = new GUI_Concentration;
  AddChild(m_concentration);
  m_concentration->SetPosition((float)c.left + 20.0f, (float)c.top + 115.0f, cx - 5.0f, (float)c.bottom - 20.0f);

  m_pictureArea.left = (long)(cx + 10.0f);
  m_pictureArea.top = c.top + 110;
  m_pictureArea.right = c.right - 20;
  m_pictureArea.bottom = c.bottom - 20;
  m_fraction = book->GetPages() > 0 ? std::clamp((float)book->GetPagesRead() / (float)book->GetPages(), 0.0f, 1.0f) : 0.0f;
  char line[256];
  std::snprintf(line, sizeof line, "%s : %.0f%%", GTranslation::GetString("AMOUNT_READ"), (double)(100.0f * m_fraction));
  m_amountRead = line;

  // The picture rests on the area's bottom; the read part (the texture's lower part) is at full
  // colour, the unread part above it faded, so the book fills up from the bottom.
  const float side = (float)(m_pictureArea.bottom - m_pictureArea.top) - 30.0f;
  const float left = ((float)(m_pictureArea.left + m_pictureArea.right) - side) / 2.0f;
  const float bottom = (float)m_pictureArea.bottom;
  const float readHeight = m_fraction * side;
  m_readPart.SetTexture(book->GetTextureName());
  m_readPart.SetSize(side, readHeight);
  m_readPart.PlaceLocal(left + side / 2.0f, bottom - readHeight / 2.0f);
  m_readPart.SetUV(0.0f, 1.0f - m_fraction, 1.0f, 1.0f);
  m_readPart.SetVertexColor(255, 255, 255, 255);
  const float unreadHeight = side - readHeight;
  m_unreadPart.SetTexture(book->GetTextureName());
  m_unreadPart.SetSize(side, unreadHeight);
  m_unreadPart.PlaceLocal(left + side / 2.0f, bottom - readHeight - 2.0f - unreadHeight / 2.0f);
  m_unreadPart.SetUV(0.0f, 0.0f, 1.0f, 1.0f - m_fraction);
  m_unreadPart.SetVertexColor(255, 255, 255, kUnreadAlpha);
}

GUI_BookReading::~GUI_BookReading() {
  if (PTheWindow == this) PTheWindow = nullptr;
  GUI_GetGUI()->EndDayGUI();
}

void GUI_BookReading::Draw() {
  GUI_Dialog::Draw();
  const RECT& c = GetClientArea();
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime14.dds", 14.0f);
  text->AddWrappedString(m_message, (float)c.left + 20.0f, (float)c.top + 25.0f, (float)(c.right - c.left) - 40.0f, kBlack);
  D3DEngine* engine = GetD3DEngine();
  engine->FillRect(&m_pictureArea, kPictureAreaShade);
  text->AddQueueString(m_amountRead, (float)m_pictureArea.left, (float)m_pictureArea.top + 4.0f, kBlack,
                       (float)(m_pictureArea.right - m_pictureArea.left), LibTextEngine::ALIGN_CENTER);
  if (m_fraction > 0.0f) m_readPart.Draw();
  if (m_fraction < 1.0f) m_unreadPart.Draw();
  DrawChildren();
  text->ProcessTextQueue(-1);
}
