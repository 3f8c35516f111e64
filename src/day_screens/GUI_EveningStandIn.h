#pragma once
// The evening's choosers (evening classes, the career window)
// until the real ones arrive: one small window in the left-hand area with a short note and one
// button, "Spend a quiet evening at home", which finishes the evening slot as any activity does
// (SIM_TimeChunk::ProcessChunk, so the day turn's EndDay runs). Each control-panel button toggles
// its own kind; opening one closes the other left-hand windows first.
#include "GUI_Dialog.h"

class GUI_ButtonText;

class GUI_EveningStandIn : public GUI_Dialog {
 public:
  enum KIND { KIND_CLASSES = 0, KIND_JOB = 1 };

  // Opens the window of that kind (after closing the left-hand windows), or closes it when that
  // kind is open already.
  static void Toggle(KIND kind);
  static void Close(KIND kind);  // only when the open window is of that kind
  static bool IsOpen(KIND kind) { return PTheWindow && PTheWindow->m_kind == kind; }
  // The button: the window closes and the evening slot is used.
  static void SpendQuietEvening(int);

  explicit GUI_EveningStandIn(KIND kind);
  ~GUI_EveningStandIn() override;
  void Draw() override;

  KIND GetKind() const { return m_kind; }
  GUI_ButtonText* GetQuietButton() const { return m_quietButton; }

  static GUI_EveningStandIn* PTheWindow;

 private:
  KIND m_kind;
  std::string m_text;
  GUI_ButtonText* m_quietButton = nullptr;  // owned by the button list
};
