#include "GUI_Gift.h"

#include "D3DEngine.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_ButtonText.h"
#include "GUI_Colours.h"
#include "GUI_NPCPortrait.h"
#include "LibTextEngine.h"
#include "SIM_Asset.h"
#include "SIM_NPC.h"
#include "SIM_Romance.h"

GUI_Gift* GUI_Gift::PTheWindow = nullptr;

namespace {
constexpr float kGiftPictureSize = 88.0f;
}  // namespace

void GUI_Gift::Create(SIM_Asset* gift) {
  GAssert(gift != nullptr, __FILE__, __LINE__);
  if (!gift) return;
  Close();
  new GUI_Gift(gift);
}

void GUI_Gift::Close() {
  delete PTheWindow;
  PTheWindow = nullptr;
}

void GUI_Gift::Sell(int) {
  if (!PTheWindow) return;
  SIM_Asset* gift = PTheWindow->m_gift;
  Close();
  if (gift) gift->Sell();
}

void GUI_Gift::Give(int) {
  if (!PTheWindow) return;
  SIM_Asset* gift = PTheWindow->m_gift;
  Close();
  // The partner may have gone since the dialog opened.
  if (gift && SIM_GetRomance()->HasPartner()) SIM_GetRomance()->BuyGift(gift);
}

GUI_Gift::GUI_Gift(SIM_Asset* gift) : GUI_Dialog(true), m_gift(gift) {
  PTheWindow = this;
  SetTitle(gift->GetGUIName());
  SetSize(550.0f, 250.0f);
  PlaceCentral();
  UpdateClientArea();
  SetModal(true);
  const RECT& c = GetClientArea();
  const float L = (float)c.left, T = (float)c.top, R = (float)c.right, B = (float)c.bottom;
  m_picture.SetSize(kGiftPictureSize, kGiftPictureSize);
  m_picture.PlaceLocal(L + 74.0f, T + 74.0f);

  SIM_NPC* partner = SIM_GetRomance()->GetPartner();
  if (partner) {
    m_text = GTranslation::GetString("GIFT_HASPARTNER");
    GTranslation::ReplaceToken(m_text, "<PARTNER>", partner->GetFullName());
    m_portrait = new GUI_NPCPortrait(partner);
    AddChild(m_portrait);
    m_portrait->SetPosition(R - 118.0f, T + 30.0f, R - 30.0f, T + 118.0f);
  } else {
    m_text = GTranslation::GetString("GIFT_NOPARTNER");
    m_mystery.SetSize(kGiftPictureSize, kGiftPictureSize);
    m_mystery.PlaceLocal(R - 74.0f, T + 74.0f);
  }
  m_sellButton = new GUI_ButtonText("GIFT_SELL", Sell, 0);
  m_sellButton->SetTooltip("GIFT_SELL_TOOLTIP", 60);
  m_sellButton->SetPosition(L + 20.0f, B - 44.0f, L + 240.0f, B - 20.0f);
  AddButton(m_sellButton);
  m_giveButton = new GUI_ButtonText("GIFT_GIVE", Give, 0);
  m_giveButton->SetTooltip("GIFT_GIVE_TOOLTIP", 60);
  m_giveButton->SetPosition(R - 240.0f, B - 44.0f, R - 20.0f, B - 20.0f);
  m_giveButton->SetEnabled(partner != nullptr);
  AddButton(m_giveButton);
}

GUI_Gift::~GUI_Gift() {
  if (PTheWindow == this) PTheWindow = nullptr;
}

void GUI_Gift::Draw() {
  GUI_Dialog::Draw();
  D3DEngine* engine = GetD3DEngine();
  engine->SetTexture(m_gift->GetTextureName());
  m_picture.SetVertexColor(255, 255, 255, 255);
  m_picture.DrawNoChecks();
  if (!m_portrait) {
    engine->SetTexture("mystery.dds");
    m_mystery.SetVertexColor(255, 255, 255, 255);
    m_mystery.DrawNoChecks();
  }
  DrawChildren();
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime14.dds", 14.0f);
  text->AddWrappedString(m_text, m_picture.Right() + 10.0f, (float)GetClientArea().top + 20.0f, GetWidth() - 256.0f, kBlack);
  text->ProcessTextQueue(-1);
}
