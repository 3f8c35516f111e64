#pragma once
// The film chooser of a cinema evening the player hosts: the three films showing, one at a time
// with arrows that stop at the ends, each with its title, blurb and star review (readable only
// with film knowledge), a popcorn tick stored on the evening at once (the popcorn picture dims
// when it is declined) and a watch button that runs the evening. A film already seen cannot be
// watched again; closing the chooser leaves the evening unspent. Modal, at most one.
#include "CTexturedSprite.h"
#include "GUI_Dialog.h"

class GUI_ButtonText;
class GUI_CheckButton;
class GUI_IconButton;
class GUI_MovieReview;
class SIM_Movie;
class SIM_MovieInstance;

class GUI_MovieChooser : public GUI_Dialog {
 public:
  static void Create(SIM_MovieInstance* instance);
  static void Close();
  static void NextMovie(int);
  static void PrevMovie(int);
  static void TogglePopcorn(int);
  static void ChooseMovie(int);

  explicit GUI_MovieChooser(SIM_MovieInstance* instance);
  ~GUI_MovieChooser() override;

  void Draw() override;
  void OnNewMovie();
  void UpdateButtonStatus();

  SIM_Movie* GetShownMovie() const { return m_movie; }
  int GetIndex() const { return m_index; }
  SIM_MovieInstance* GetInstance() const { return m_instance; }
  GUI_ButtonText* GetWatchButton() const { return m_watchButton; }
  GUI_IconButton* GetNextButton() const { return m_nextButton; }
  GUI_IconButton* GetPrevButton() const { return m_prevButton; }
  GUI_CheckButton* GetPopcornBox() const { return m_popcornBox; }
  GUI_MovieReview* GetReview() const { return m_review; }
  const CTexturedSprite& GetPopcornSprite() const { return m_popcorn; }
  const CTexturedSprite& GetClapperboardSprite() const { return m_clapperboard; }

  static GUI_MovieChooser* PTheWindow;

 private:
  SIM_MovieInstance* m_instance;  // not owned
  int m_index = 0;
  GUI_ButtonText* m_watchButton = nullptr;   // in the button list
  GUI_IconButton* m_nextButton = nullptr;    // in the button list
  GUI_IconButton* m_prevButton = nullptr;    // in the button list
  GUI_CheckButton* m_popcornBox = nullptr;   // in the button list
  GUI_MovieReview* m_review = nullptr;       // a child window
  SIM_Movie* m_movie = nullptr;              // not owned; null when the cinema shows nothing
  CTexturedSprite m_clapperboard;
  CTexturedSprite m_popcorn;
};
