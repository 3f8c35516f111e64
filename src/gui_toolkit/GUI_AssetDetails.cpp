#include "GUI_AssetDetails.h"

#include <cstdio>

#include "D3DEngine.h"
#include "GDebug.h"
#include "GUI_Colours.h"
#include "Game.h"
#include "GTranslation.h"
#include "GUI_AssetEffects.h"
#include "GUI_ButtonText.h"
#include "LibTextEngine.h"
#include "SIM_Asset.h"
#include "SIM_SIM.h"

GUI_AssetDetails* GUI_AssetDetails::PTheWindow = nullptr;

namespace {
constexpr float kPictureSize = 85.0f;
}  // namespace

void GUI_AssetDetails::Create(SIM_Asset* asset) {
  GAssert(asset != nullptr, __FILE__, __LINE__);
  if (!asset) return;
  Close();
  new GUI_AssetDetails(asset);
}

void GUI_AssetDetails::Close() {
  delete PTheWindow;
  PTheWindow = nullptr;
}

void GUI_AssetDetails::Sell(int) {
  if (!PTheWindow) return;
  SIM_Asset* asset = PTheWindow->m_asset;
  if (asset) asset->Sell();
  Close();
}

void GUI_AssetDetails::Use(int) {
  if (!PTheWindow) return;
  if (!SIM_GetSim()->IsAfterWork()) return;
  // The script may open windows that close this dialog; the asset is taken first.
  SIM_Asset* asset = PTheWindow->m_asset;
  if (asset) asset->Use();
  Close();
}

GUI_AssetDetails::GUI_AssetDetails(SIM_Asset* asset) : GUI_Dialog(true), m_asset(asset) {
  GAssert(asset != nullptr, __FILE__, __LINE__);
  PTheWindow = this;
  if (asset) SetTitle(asset->GetGUIName());
  m_dailyCostLabel = GTranslation::GetString("DAILY_COST");
  m_secondHandLabel = GTranslation::GetString("SECOND_HAND_VALUE");

  m_effects = new GUI_AssetEffects(asset);
  AddChild(m_effects);
  const float h = m_effects->GetHeight();
  SetSize(420.0f, 260.0f + h);
  PlaceCentral();
  UpdateClientArea();
  const float cx = GetCenterX();
  m_effects->SetPosition(cx - 120.0f, (float)rect.bottom - 75.0f - h, cx + 120.0f, (float)rect.bottom - 75.0f);

  const RECT& client = GetClientArea();
  if (asset && (asset->GetFlag(SIM_Asset::SERVICE) || asset->GetFlag(SIM_Asset::SELLABLE))) {
    const bool service = asset->GetFlag(SIM_Asset::SERVICE);
    m_sellButton = new GUI_ButtonText(service ? "CANCEL_SERVICE" : "SELL_ASSET", Sell, 0);
    m_sellButton->SetTooltip(service ? "TOOLTIP_CANCEL_SERVICE" : "TOOLTIP_SELL_ASSET", 60);
    m_sellButton->SetPosition((float)client.right - 150.0f, (float)client.bottom - 44.0f,
                              (float)client.right - 20.0f, (float)client.bottom - 20.0f);
    AddButton(m_sellButton);
  }
  if (asset && asset->HasUseScript()) {
    m_useButton = new GUI_ButtonText("USE_ASSET", Use, 0);
    m_useButton->SetTooltip("TOOLTIP_USE_ASSET", 60);
    m_useButton->SetPosition((float)client.left + 20.0f, (float)client.bottom - 44.0f, (float)client.left + 150.0f,
                             (float)client.bottom - 20.0f);
    AddButton(m_useButton);
    m_usableToday = asset->UsableToday();
  }
  m_picture.SetSize(kPictureSize, kPictureSize);
  SetModal(true);
}

GUI_AssetDetails::~GUI_AssetDetails() {
  if (PTheWindow == this) PTheWindow = nullptr;
}

std::string GUI_AssetDetails::GetMoneyLine() const {
  if (!m_asset) return "";
  const char* label = nullptr;
  float amount = 0.0f;
  if (m_asset->GetFlag(SIM_Asset::SERVICE)) {
    label = m_dailyCostLabel.c_str();
    amount = m_asset->GetDailyCost();
  } else if (m_asset->GetFlag(SIM_Asset::SELLABLE)) {
    label = m_secondHandLabel.c_str();
    amount = m_asset->GetResaleValue();
  } else {
    return "";
  }
  char line[512];
  std::snprintf(line, sizeof line, "%s : %s%.2f", label, GetGame()->GetCurrency(), static_cast<double>(amount));
  return line;
}

void GUI_AssetDetails::Draw() {
  // Using works only in the evening, so the button offers it only then (and never on a day the
  // asset cannot be used).
  if (m_useButton) m_useButton->SetEnabled(SIM_GetSim()->IsAfterWork() && m_usableToday);

  GUI_Dialog::Draw();
  const RECT& client = GetClientArea();
  D3DEngine* engine = GetD3DEngine();
  if (m_asset) engine->SetTexture(m_asset->GetTextureName());
  m_picture.PlaceLocal((float)client.left + 65.0f, (float)client.top + 65.0f);
  m_picture.SetVertexColor(255, 255, 255, 255);
  m_picture.DrawNoChecks();

  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime14.dds", 14.0f);
  const float x = m_picture.Right() + 10.0f;
  float y = (float)client.top + 20.0f;
  if (m_asset) {
    y = text->AddWrappedString(m_asset->GetDescription(), x, y, (float)client.right - m_picture.Right() - 30.0f, kBlack);
  }
  y += 20.0f;
  const std::string money = GetMoneyLine();
  if (!money.empty()) text->AddQueueString(money, x, y, kBlack, 0.0f, LibTextEngine::ALIGN_LEFT);

  DrawChildren();
  text->ProcessTextQueue(-1);
}
