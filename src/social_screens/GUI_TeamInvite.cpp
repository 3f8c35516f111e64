#include "GUI_TeamInvite.h"

#include "D3DTypes.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_ButtonText.h"
#include "GUI_Sounds.h"
#include "LibTextEngine.h"
#include "SIM_BowlingTeam.h"

namespace {
constexpr float kInvitePictureSize = 128.0f;
constexpr float kInvitePictureCentre = 110.0f;
}  // namespace

GUI_TeamInvite* GUI_TeamInvite::PTheWindow = nullptr;

void GUI_TeamInvite::Create() {
  Close();
  new GUI_TeamInvite();  // the window manager owns it
}

void GUI_TeamInvite::Close() {
  delete PTheWindow;
  PTheWindow = nullptr;
}

void GUI_TeamInvite::Accept(int) {
  SIM_GetBowlingTeam()->JoinTeam();
  Close();
}

void GUI_TeamInvite::Reject(int) { Close(); }

GUI_TeamInvite::GUI_TeamInvite() : GUI_Dialog(false) {
  PTheWindow = this;
  SetModal(true);
  SetSize(520.0f, 300.0f);
  PlaceCentral();
  UpdateClientArea();
  SetTitle(GTranslation::GetString("BOWLING_TEAM_TITLE"));
  const RECT& c = GetClientArea();
  m_accept = new GUI_ButtonText("GUI_ACCEPTTEAM", Accept, 0);
  m_accept->SetTooltip("GUI_ACCEPTTEAM_TOOLTIP", 60);
  m_accept->SetPosition(GetCenterX() + 20.0f, (float)c.bottom - 44.0f, (float)c.right - 20.0f, (float)c.bottom - 20.0f);
  AddButton(m_accept);
  m_reject = new GUI_ButtonText("GUI_REJECTTEAM", Reject, 0);
  m_reject->SetTooltip("GUI_REJECTTEAM_TOOLTIP", 60);
  m_reject->SetPosition((float)c.left + 20.0f, (float)c.bottom - 44.0f, GetCenterX() - 20.0f, (float)c.bottom - 20.0f);
  AddButton(m_reject);
  m_picture.SetTexture("bowling.dds");
  m_picture.SetSize(kInvitePictureSize, kInvitePictureSize);
  GUI_GetSounds()->PlaySound(GUI_Sounds::SOUND_FLOURISH);
  m_text = GTranslation::GetString("BOWLING_TEAM_TEXT");
  GetDebug()->DebugOut("Bowling team: invited");
}

GUI_TeamInvite::~GUI_TeamInvite() {
  if (PTheWindow == this) PTheWindow = nullptr;
}

void GUI_TeamInvite::Draw() {
  GUI_Dialog::Draw();
  const RECT& c = GetClientArea();
  // The dialog may be re-centred: the picture follows the client area.
  m_picture.PlaceLocal((float)c.left + kInvitePictureCentre, (float)c.top + kInvitePictureCentre);
  m_picture.Draw();
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime14.dds", 14.0f);
  const float right = m_picture.Right();
  text->AddWrappedString(m_text, right + 10.0f, (float)c.top + 20.0f, (float)c.right - right - 30.0f, VBColor(0, 0, 0));
  text->ProcessTextQueue(-1);
}
