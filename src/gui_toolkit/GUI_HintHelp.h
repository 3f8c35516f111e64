#pragma once
// One-time hints. The first time the player meets a feature (the first evening-class picker, the
// first weekend, the first illness...) the game launches a hint by its key; the hint's text and
// place come from "data/simulation/hints.csv", and whether this player has seen it is kept in
// "hints.txt" in the user folder, rewritten the moment a hint opens. A hint therefore shows once
// per player, ever, and never while the tutorial runs.
//
//   GUI_HintHelp::Launch("weekend");
//
// A hint window is a modal dialog with a close button; any number may be open at once.
#include <list>
#include <string>

#include "GUI_WindowBase.h"

class GUI_CloseButton;

class GUI_HintHelp : public GUI_WindowBase {
 public:
  struct HintData {
    std::string key;
    std::string text;  // shown as written in the table, not translated
    float x = 0.0f;    // the window's top-left, screen pixels
    float y = 0.0f;
    bool seen = false;
  };

  static constexpr float kWidth = 300.0f;
  static constexpr float kHeight = 200.0f;

  // Nothing while the tutorial runs or when the player has seen the hint; otherwise its window
  // opens and the hint counts as seen from now on. An unknown key: "Hint Help key not found".
  static void Launch(const std::string& key);
  // Reads the table and the player's "hints.txt" afresh (every record is replaced).
  static void OpenData();
  static void WriteHint(const char* unused);  // rewrites "hints.txt" from every record
  static void CloseData();
  // The day turn: a direct friend who is snubbing the player brings up the "snubbed" hint.
  static void CheckSnubIconHint();
  static bool IsActive();      // some hint window is open
  static void DrawAll();       // for screens drawn over the window manager
  static bool CheckClickAll();  // the same screens' clicks; true when a hint window took it
  static std::string HintsFilePath();

  explicit GUI_HintHelp(HintData* hint);
  ~GUI_HintHelp() override;
  void Draw() override;
  bool IsDialog() override { return true; }

  const HintData* GetHint() const { return m_hint; }
  const std::string& GetTitle() const { return m_title; }

  static std::list<HintData*> All;             // owned, in file order
  static std::list<GUI_HintHelp*> AllWindows;  // the open hint windows, oldest first

 private:
  GUI_CloseButton* m_closeButton = nullptr;  // in the button list, which owns it
  HintData* m_hint = nullptr;                // not owned
  bool m_laidOut = false;
  std::string m_title;
  std::string m_disclaimer;
};
