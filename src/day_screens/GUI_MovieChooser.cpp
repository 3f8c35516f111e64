#include "GUI_MovieChooser.h"

#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_ButtonText.h"
#include "GUI_CheckButton.h"
#include "GUI_Colours.h"
#include "GUI_HintHelp.h"
#include "GUI_IconButton.h"
#include "GUI_MovieReview.h"
#include "Game.h"
#include "LibTextEngine.h"
#include "SIM_Movie.h"
#include "SIM_OutingInstances.h"

GUI_MovieChooser* GUI_MovieChooser::PTheWindow = nullptr;

namespace {

constexpr float kFilmChooserWidth = 750.0f;
constexpr float kFilmChooserHeight = 340.0f;
constexpr float kClapperboardSize = 200.0f;
// The popcorn picture fills the left part of its sheet.
constexpr float kPopcornU = 0.58203125f;
constexpr float kPopcornWidth = 116.40625f;
constexpr float kPopcornHeight = 200.0f;
constexpr int kFaintAlpha = 32;

}  // namespace

void GUI_MovieChooser::Create(SIM_MovieInstance* instance) {
  GAssert(instance != nullptr, __FILE__, __LINE__);
  if (!instance) return;
  Close();
  new GUI_MovieChooser(instance);
}

void GUI_MovieChooser::Close() {
  delete PTheWindow;
  PTheWindow = nullptr;
}

void GUI_MovieChooser::NextMovie(int) {
  GUI_MovieChooser* chooser = PTheWindow;
  if (!chooser || chooser->m_index >= SIM_Movie::kShowing - 1) return;
  ++chooser->m_index;
  chooser->m_movie = SIM_Movie::CurrentlyShowing[(size_t)chooser->m_index];
  chooser->OnNewMovie();
}

void GUI_MovieChooser::PrevMovie(int) {
  GUI_MovieChooser* chooser = PTheWindow;
  if (!chooser || chooser->m_index <= 0) return;
  --chooser->m_index;
  chooser->m_movie = SIM_Movie::CurrentlyShowing[(size_t)chooser->m_index];
  chooser->OnNewMovie();
}

void GUI_MovieChooser::TogglePopcorn(int) {
  GUI_MovieChooser* chooser = PTheWindow;
  if (!chooser) return;
  SIM_MovieInstance* evening = chooser->m_instance;
  if (evening->GetAtePopcorn()) {
    evening->SetAtePopcorn(false);
    chooser->m_popcorn.SetVertexColor(255, 255, 255, kFaintAlpha);
  } else {
    chooser->m_popcorn.SetVertexColor(255, 255, 255, 255);
    evening->SetAtePopcorn(true);
  }
}

void GUI_MovieChooser::ChooseMovie(int) {
  GUI_MovieChooser* chooser = PTheWindow;
  if (!chooser) return;
  SIM_Movie* film = chooser->m_movie;
  GAssert(film != nullptr, __FILE__, __LINE__);
  // A seen film or an empty cinema: the button is disabled, and a stray call does nothing.
  if (!film || film->Seen()) return;
  SIM_MovieInstance* evening = chooser->m_instance;
  GetDebug()->DebugOut(GFormat("Film chooser: watching %s", film->GetGUIName().c_str()).c_str());
  evening->SetChosen(film);
  // The report opens over the cinema: the chooser leaves the screen first.
  PTheWindow = nullptr;
  chooser->RemoveFromGUI();
  evening->WatchMovie();
  delete chooser;
}

GUI_MovieChooser::GUI_MovieChooser(SIM_MovieInstance* instance) : GUI_Dialog(true), m_instance(instance) {
  PTheWindow = this;
  SetTitle(GTranslation::GetString("MOVIE_CHOOSE_TITLE"));
  SetSize(kFilmChooserWidth, kFilmChooserHeight);
  PlaceCentral();
  UpdateClientArea();
  const RECT& client = GetClientArea();
  const float left = (float)rect.left;
  const float right = (float)rect.right;
  const float bottom = (float)rect.bottom;

  m_nextButton = new GUI_IconButton("smallbuttons.dds", NextMovie, 0);
  m_nextButton->SetHighlightTexture("smallbuttons.dds");
  m_nextButton->SetCells(16, 2, 3);
  m_nextButton->SetPosition(right - 62.0f, (float)client.top + 19.0f, right - 29.0f, (float)client.top + 51.0f);
  AddButton(m_nextButton);

  m_prevButton = new GUI_IconButton("smallbuttons.dds", PrevMovie, 0);
  m_prevButton->SetHighlightTexture("smallbuttons.dds");
  m_prevButton->SetCells(16, 0, 1);
  m_prevButton->SetPosition(left + 29.0f, (float)client.top + 19.0f, left + 62.0f, (float)client.top + 51.0f);
  AddButton(m_prevButton);

  m_index = 0;
  m_movie = SIM_Movie::CurrentlyShowing[0];
  GUI_HintHelp::Launch("moviechoose_dialog");

  m_clapperboard.SetTexture("clapperboard.dds");
  m_clapperboard.SetSize(kClapperboardSize, kClapperboardSize);
  m_clapperboard.PlaceLocal(left + 130.0f, bottom - 125.0f);
  m_popcorn.SetTexture("popcorn.dds");
  m_popcorn.SetSize(kPopcornWidth, kPopcornHeight);
  m_popcorn.SetUV(0.0f, 0.0f, kPopcornU, 1.0f);
  m_popcorn.PlaceLocal(right - 90.0f, bottom - 125.0f);
  if (!m_instance->GetAtePopcorn()) m_popcorn.SetVertexColor(255, 255, 255, kFaintAlpha);

  const float middleLeft = m_clapperboard.Right() + 20.0f;
  const float middleRight = m_popcorn.Left() - 20.0f;
  m_popcornBox = new GUI_CheckButton(GTranslation::GetString("MOVIE_POPCORN"), TogglePopcorn, 0);
  m_popcornBox->SetTooltip("MOVIE_POPCORN_TOOLTIP", 30);
  m_popcornBox->SetPosition(middleLeft, (float)client.bottom - 80.0f, middleRight, (float)client.bottom - 65.0f);
  AddButton(m_popcornBox);

  m_watchButton = new GUI_ButtonText("WATCH_MOVIE", ChooseMovie, 0);
  m_watchButton->SetTooltip("WATCH_MOVIE_TOOLTIP", 30);
  m_watchButton->SetPosition(middleLeft, (float)client.bottom - 44.0f, middleRight, (float)client.bottom - 20.0f);
  AddButton(m_watchButton);

  m_review = new GUI_MovieReview;
  m_review->SetPosition((float)client.left + 20.0f, (float)client.top + 140.0f, (float)client.right - 20.0f,
                        (float)client.top + 180.0f);
  m_review->PositionStars();
  AddChild(m_review);

  OnNewMovie();
  UpdateButtonStatus();
  SetModal(true);
  GetDebug()->DebugOut("Film chooser: open");
}

GUI_MovieChooser::~GUI_MovieChooser() {
  if (PTheWindow == this) PTheWindow = nullptr;
}

void GUI_MovieChooser::OnNewMovie() {
  if (m_movie && m_movie->ReadReview()) {
    m_review->SetActive(true);
    m_review->SetQuality(m_movie->GetQuality());
  } else {
    m_review->SetActive(false);
  }
  m_watchButton->SetText(GTranslation::GetString(m_movie && m_movie->Seen() ? "WATCH_MOVIE_SEEN" : "WATCH_MOVIE"));
  GetDebug()->DebugOut(
      GFormat("Film chooser: %d %s", m_index, m_movie ? m_movie->GetGUIName().c_str() : "(nothing showing)").c_str());
}

void GUI_MovieChooser::UpdateButtonStatus() {
  m_prevButton->SetEnabled(m_index > 0);
  m_nextButton->SetEnabled(m_index < SIM_Movie::kShowing - 1);
  m_watchButton->SetEnabled(m_movie && !m_movie->Seen());
  m_popcornBox->SetChecked(m_instance->GetAtePopcorn());
}

void GUI_MovieChooser::Draw() {
  UpdateButtonStatus();
  GUI_Dialog::Draw();
  m_clapperboard.Draw();
  m_popcorn.Draw();
  m_review->Draw();
  const RECT& client = GetClientArea();
  LibTextEngine* text = GetTextEngine();
  if (m_movie) {
    text->SetCurrentFont("calibriblackbold24.dds", 24.0f);
    text->AddQueueString(m_movie->GetGUIName(), (float)client.left, (float)client.top + 20.0f, kBlack,
                         (float)(client.right - client.left), LibTextEngine::ALIGN_CENTER);
    text->SetCurrentFont("anime14.dds", 14.0f);
    text->AddWrappedString(m_movie->GetDescription(), m_clapperboard.Right() + 10.0f, (float)client.top + 50.0f,
                           m_popcorn.Left() - m_clapperboard.Right() - 20.0f, kBlack);
  }
  text->ProcessTextQueue(-1);
}
