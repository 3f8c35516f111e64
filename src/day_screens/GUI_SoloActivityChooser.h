#pragma once
// The dialog in which the player spends an evening on something done alone. It shows one activity
// at a time, paged with the arrow buttons, the mouse wheel or the arrow keys (wrapping round at
// both ends), with its description, price and what it raises and lowers, and starts it with one
// button. One of the left-hand windows: the control panel's solo button toggles it; a post-it, a
// script, a book or the gym may open it on a named activity.
#include <string>
#include <vector>

#include "GUI_Dialog.h"

class GUI_ButtonText;
class GUI_IconButton;
class SIM_SoloActivityType;

class GUI_SoloActivityChooser : public GUI_Dialog {
 public:
  static constexpr unsigned KEY_RETURN = 36;
  static constexpr unsigned KEY_ESCAPE = 53;
  static constexpr unsigned KEY_LEFT = 123;
  static constexpr unsigned KEY_RIGHT = 124;
  // Effect names longer than this end in "...".
  static constexpr int kMaxEffectName = 18;

  // Opens the chooser after closing the other left-hand windows, or closes it when it is open.
  static void Create();
  static void Close();
  static bool IsOpen() { return PTheWindow != nullptr; }
  // Opens the chooser when it is closed and turns to the listed activity of that name, if any.
  static void ScrollToActivity(const char* name);
  static void NextActivity(int);
  static void PrevActivity(int);
  static void StartActivity(int);
  static void MouseWheelDown();
  static void MouseWheelUp();

  GUI_SoloActivityChooser();
  ~GUI_SoloActivityChooser() override;
  void Draw() override;
  void HandleKey(unsigned key) override;

  SIM_SoloActivityType* GetType() const { return m_type; }
  const std::vector<SIM_SoloActivityType*>& GetList() const { return m_list; }
  GUI_ButtonText* GetStartButton() const { return m_startButton; }
  GUI_IconButton* GetNextButton() const { return m_nextButton; }
  GUI_IconButton* GetPrevButton() const { return m_prevButton; }
  const std::vector<std::string>& GetIncreases() const { return m_increases; }
  const std::vector<std::string>& GetReduces() const { return m_reduces; }
  const std::string& GetDescriptionText() const { return m_description; }
  // The price as the default panel writes it: the currency and the whole amount with separators.
  static std::string CostText(float cost);

  static GUI_SoloActivityChooser* PTheWindow;

 private:
  void Populate();
  void OnNewType();
  void PopulateNames();
  void DrawDetails();
  void DrawDefaultDetails();

  GUI_ButtonText* m_startButton = nullptr;  // the three are owned by the button list
  GUI_IconButton* m_nextButton = nullptr;
  GUI_IconButton* m_prevButton = nullptr;
  std::vector<SIM_SoloActivityType*> m_list;  // the types are owned by SIM_SoloActivityType::All
  size_t m_place = 0;
  SIM_SoloActivityType* m_type = nullptr;
  std::string m_description;
  std::string m_effectsVary;
  std::string m_reducesText;
  std::string m_increasesText;
  RECT m_reducesBox = {};
  RECT m_increasesBox = {};
  std::vector<std::string> m_increases;
  std::vector<std::string> m_reduces;
};
