#pragma once
// The fruit machine of a gambling evening: three reels, a stake of 1 to 100 set with higher and
// lower, up to five spins and a stop button that leaves (and so finishes the evening). Each spin
// is won or lost at even money the moment it starts (0.4 to win); the reels are then steered to
// show it. Not a dialog as far as Escape goes: only the stop button leaves.
#include <string>

#include "GTimer.h"
#include "GUI_Dialog.h"

class GUI_GamblingWheel;
class GUI_IconButton;
class SIM_GamblingInstance;

class GUI_Gambling : public GUI_Dialog {
 public:
  static constexpr float kWinChance = 0.4f;
  static constexpr int kMaxStake = 100;

  static void Create(SIM_GamblingInstance* instance);
  static void Spin(int);
  static void Higher(int);
  static void Lower(int);
  static void Stop(int);

  explicit GUI_Gambling(SIM_GamblingInstance* instance);
  ~GUI_Gambling() override;

  void Draw() override;
  bool IsDialog() override { return false; }

  void StartSpinning();
  void UpdateSpinning();
  void DrawReadout();

  bool IsSpinning() const { return m_spinning; }
  bool HasWon() const { return m_won; }
  int GetStake() const { return m_stake; }
  GUI_GamblingWheel* GetWheel(int i) const { return m_wheels[i]; }
  GUI_IconButton* GetSpinButton() const { return m_spinButton; }
  GUI_IconButton* GetHigherButton() const { return m_higherButton; }
  GUI_IconButton* GetLowerButton() const { return m_lowerButton; }
  GUI_IconButton* GetStopButton() const { return m_stopButton; }
  SIM_GamblingInstance* GetInstance() const { return m_instance; }
  // The buttons as this frame allows them (also the first step of Draw).
  void UpdateButtons();

  static GUI_Gambling* PTheWindow;

 private:
  void PlaceWheels();

  SIM_GamblingInstance* m_instance;
  bool m_spinning = false;
  GUI_GamblingWheel* m_wheels[3] = {};
  GUI_IconButton* m_spinButton = nullptr;
  GUI_IconButton* m_higherButton = nullptr;
  GUI_IconButton* m_lowerButton = nullptr;
  GUI_IconButton* m_stopButton = nullptr;
  GTimer m_spinTimer;
  int m_stake = 1;
  bool m_won = false;
  RECT m_readout{};
  std::string m_stakeLabel;
  std::string m_totalLabel;
};
