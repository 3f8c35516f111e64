#include "GUI_WatchTV.h"

#include <algorithm>

#include "D3DEngine.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_Colours.h"
#include "GUI_GUI.h"
#include "GUI_IconButton.h"
#include "GUI_Sounds.h"
#include "LibTextEngine.h"
#include "SIM_NamedValue.h"
#include "SIM_Statistics.h"
#include "SIM_TVChannel.h"
#include "SIM_TVInstance.h"

GUI_WatchTV* GUI_WatchTV::PTheWindow = nullptr;
GUI_ChannelButton* GUI_ChannelButton::PHighlighted = nullptr;

namespace {
constexpr unsigned kRemoteEscapeKey = 53;
// The remote's picture is the top 629 of the texture's 1024 rows.
constexpr float kRemoteV = 629.0f / 1024.0f;
constexpr int kTvWatchedPerEvening = 4;
}  // namespace

// ---------------------------------------------------------------------------------------------
// The remote

void GUI_WatchTV::Create(SIM_TVInstance* instance) {
  Close();
  new GUI_WatchTV(instance);  // the window manager owns it
}

void GUI_WatchTV::Close() {
  GUI_WatchTV* remote = PTheWindow;
  PTheWindow = nullptr;
  delete remote;
}

void GUI_WatchTV::Hide() {
  GUI_WatchTV* remote = PTheWindow;
  if (!remote || remote->m_mode == MODE_SLIDING_OUT) return;
  GUI_GUI* gui = GUI_GetGUI();
  if (gui->GetInputHandler() == remote) gui->SetInputHandler(nullptr);
  remote->m_mode = MODE_SLIDING_OUT;
  remote->m_slide.StartTimer();
  remote->SetModal(false);
}

void GUI_WatchTV::Cancel(int) {
  GetDebug()->DebugOut("Television: the remote is put away");
  Hide();
}

void GUI_WatchTV::WatchTV() {
  GUI_WatchTV* remote = PTheWindow;
  if (!remote || remote->m_watched) return;
  remote->m_watched = true;
  SIM_GetStatistics()->ChangeCounter(kTvWatchedPerEvening, "TV_WATCHED");
  if (remote->m_instance) remote->m_instance->ProcessChunk();
}

void GUI_WatchTV::Forget(SIM_TVInstance* instance) {
  if (PTheWindow && PTheWindow->m_instance == instance) PTheWindow->m_instance = nullptr;
}

GUI_WatchTV::GUI_WatchTV(SIM_TVInstance* instance) : m_instance(instance) {
  PTheWindow = this;
  GAssert(instance != nullptr, __FILE__, __LINE__);
  const float H = D3DEngine::H;
  SetPosition(0.0f, H - kHeight, kWidth, H);

  m_remote.SetTexture("tvremote.dds");
  m_remote.SetSize(kWidth, kHeight);
  m_remote.SetUV(0.0f, 0.0f, 1.0f, kRemoteV);
  SetModal(true);
  SIM_TVChannel::Open();
  m_remote.PlaceLocal(kWidth / 2.0f, H - kHeight / 2.0f);

  // Seven channels fill the remote's screen; an eighth would go on below it.
  float y = kChannelTop;
  for (SIM_TVChannel* channel : SIM_TVChannel::All) {
    AddButton(new GUI_ChannelButton(channel, kChannelInset, y, kWidth - kChannelInset, y + kChannelStep - 2.0f));
    y += kChannelStep;
  }

  AddToGUI();
  m_mode = MODE_SLIDING_IN;
  m_slide.StartTimer();

  m_cancel = new GUI_IconButton("smallbuttons.dds", Cancel, 0);
  m_cancel->SetHighlightTexture("smallbuttons.dds");
  m_cancel->SetCells(16, 4, 5);
  m_cancel->SetTooltip("TVREMOTE_CANCEL_TOOLTIP", 30);
  AddButton(m_cancel);

  GUI_GetGUI()->SetInputHandler(this);
  GetDebug()->DebugOut(GFormat("Television: the remote comes out with %d channels", (int)SIM_TVChannel::All.size()).c_str());
}

GUI_WatchTV::~GUI_WatchTV() {
  if (PTheWindow == this) PTheWindow = nullptr;
  GUI_GUI* gui = GUI_GetGUI();
  if (gui->GetInputHandler() == this) gui->SetInputHandler(nullptr);
  // An evening put away unwatched never happened: it goes with its remote.
  SIM_TVInstance* unwatched = m_watched ? nullptr : m_instance;
  m_instance = nullptr;
  delete unwatched;
}

void GUI_WatchTV::Draw() {
  m_slide.Update();
  const float t = std::clamp((float)m_slide.GetElapsed() / kSlideMs, 0.0f, 1.0f);
  float offset = 0.0f;
  if (m_mode == MODE_SLIDING_IN) {
    offset = (1.0f - t) * kHeight;
    if (t >= 1.0f) m_mode = MODE_SHOWN;
  } else if (m_mode == MODE_SLIDING_OUT) {
    if (t >= 1.0f) {
      SetVisible(false);
      return;
    }
    offset = kHeight * t;
  }
  const float top = D3DEngine::H - kHeight + offset;
  SetPosition(0.0f, top, kWidth, top + kHeight);
  m_remote.PlaceLocal(kWidth / 2.0f, top + kHeight / 2.0f);
  m_cancel->SetPosition(kWidth - 121.0f, top + 25.0f, kWidth - 89.0f, top + 57.0f);
  m_remote.Draw();
  DrawButtons();
  GetTextEngine()->ProcessTextQueue(-1);
}

void GUI_WatchTV::HandleKey(unsigned key) {
  if (key == kRemoteEscapeKey) {
    Cancel(0);
    return;
  }
  GUI_WindowBase::HandleKey(key);
}

// ---------------------------------------------------------------------------------------------
// A channel

GUI_ChannelButton::GUI_ChannelButton(SIM_TVChannel* channel, float left, float top, float right, float bottom)
    : GUI_ButtonBase(nullptr, 0), m_channel(channel), m_left(left), m_top(top), m_right(right), m_bottom(bottom) {
  GAssert(channel != nullptr, __FILE__, __LINE__);
  if (channel) SetRawTooltip(channel->GetTooltip(), 40);
  if (channel && channel->NeedsCable() && !SIM_NamedValueList::Globals.IsTrue("cabletv")) {
    m_available = false;
    m_warning = GTranslation::GetString("TV_WARNING");
    SetTooltip("TV_WARNING_TOOLTIP", 60);
  }
  m_face.SetTexture("tvchannel.dds");
  SetPosition(m_left, D3DEngine::H - GUI_WatchTV::kHeight + m_top, m_right, D3DEngine::H - GUI_WatchTV::kHeight + m_bottom);
}

GUI_ChannelButton::~GUI_ChannelButton() {
  // Only compared, never followed.
  if (PHighlighted == this) PHighlighted = nullptr;
}

void GUI_ChannelButton::Draw() {
  GUI_WatchTV* remote = GUI_WatchTV::PTheWindow;
  const RECT* at = remote ? remote->GetRect() : nullptr;
  const float originX = at ? (float)at->left : 0.0f;
  const float originY = at ? (float)at->top : D3DEngine::H - GUI_WatchTV::kHeight;
  SetPosition(originX + m_left, originY + m_top, originX + m_right, originY + m_bottom);
  if (remote && remote->GetMode() == GUI_WatchTV::MODE_SHOWN) GUI_ButtonBase::Draw();

  const float left = (float)rect.left;
  const float top = (float)rect.top;
  m_face.SetSize((float)width, (float)height);
  m_face.PlaceLocal(left + (float)width / 2.0f, top + (float)height / 2.0f);
  m_face.Draw();
  const bool inside = MouseInside();
  // The tint shows from the next frame on.
  m_face.SetVertexColor(255, 255, 255, !m_available ? 64 : inside ? 255 : 128);
  if (m_available && inside && PHighlighted != this) {
    GUI_GetSounds()->PlaySound("data/sounds/mouseover.ogg", false);
    PHighlighted = this;
  }

  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("calibriblackbold28.dds", 28.0f);
  if (m_available) {
    text->AddQueueString(m_channel ? m_channel->GetGUIName() : std::string(), left, top + 10.0f, kBlack, (float)width,
                         LibTextEngine::ALIGN_CENTER);
  } else {
    text->AddQueueString(m_warning, left, top + 10.0f, VBColor(0, 0, 0, 64), (float)width, LibTextEngine::ALIGN_CENTER);
  }
}

void GUI_ChannelButton::Click() {
  GUI_WatchTV* remote = GUI_WatchTV::PTheWindow;
  // A remote on its way out takes no second channel: the evening is run once.
  if (!remote || remote->GetMode() == GUI_WatchTV::MODE_SLIDING_OUT || remote->HasWatched()) return;
  if (!m_available) {
    GetDebug()->DebugOut(GFormat("Television: %s needs cable", m_channel ? m_channel->GetName().c_str() : "(none)").c_str());
    GUI_GetSounds()->PlaySound("data/sounds/error.ogg", false);
    return;
  }
  SIM_TVChannel* channel = m_channel;
  GetDebug()->DebugOut(GFormat("Television: an evening of %s", channel ? channel->GetName().c_str() : "(none)").c_str());
  GUI_WatchTV::WatchTV();
  GUI_GetSounds()->PlaySound(GUI_Sounds::SOUND_CLICK);
  if (channel) channel->ApplyModifiers(1.0f);
  GUI_WatchTV::Hide();
}
