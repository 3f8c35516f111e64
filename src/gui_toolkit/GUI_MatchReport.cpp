#include "GUI_MatchReport.h"

#include "GTranslation.h"
#include "GUI_Colours.h"
#include "LibTextEngine.h"

namespace {
constexpr float kReportPictureSize = 128.0f;
}  // namespace

GUI_MatchReport* GUI_MatchReport::Create(float result) { return new GUI_MatchReport(result); }

GUI_MatchReport::GUI_MatchReport(float result) : GUI_Dialog(true), m_result(result) {
  SetSize(520.0f, 285.0f);
  PlaceCentral();
  AddToGUI();  // again, so it is on top
  SetModal(true);
  SetTitle(GTranslation::GetString("MATCHREPORT_TITLE"));
  m_picture.SetTexture("bowling.dds");
  m_picture.SetSize(kReportPictureSize, kReportPictureSize);
  UpdateClientArea();
  m_picture.PlaceLocal((float)GetClientArea().left + 110.0f, (float)GetClientArea().top + 110.0f);
  // GetValueName shares one buffer between calls: each result is copied before the next.
  m_resultName = GTranslation::GetValueName(result, "bowling result");
  m_resultText = GTranslation::GetValueName(result, "bowling result text");
}

void GUI_MatchReport::Draw() {
  GUI_Dialog::Draw();
  const RECT& client = GetClientArea();
  // The dialog may have been dragged or re-centred: the picture follows the client area.
  m_picture.PlaceLocal((float)client.left + 110.0f, (float)client.top + 110.0f);
  m_picture.Draw();
  LibTextEngine* text = GetTextEngine();
  float y = (float)client.top + 40.0f;
  const float pictureRight = m_picture.Right();
  text->SetCurrentFont("calibriblackbold24.dds", 24.0f);
  text->AddQueueString(m_resultName, pictureRight, y, kBlack, (float)client.right - 30.0f - pictureRight,
                       LibTextEngine::ALIGN_CENTER);
  y += 30.0f;
  text->SetCurrentFont("anime14.dds", 14.0f);
  text->AddWrappedString(m_resultText, pictureRight + 10.0f, y, (float)client.right - 30.0f - pictureRight, kBlack);
  text->ProcessTextQueue(-1);
}
