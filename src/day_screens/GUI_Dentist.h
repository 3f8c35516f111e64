#pragma once
// The dentist's chair: for ten seconds a pain chart is traced while the drill is heard and the
// close button stays disabled; then the window names the dentist and shows the bill. The window
// charges nothing: the evening's solo activity "dentist" has paid already. Escape closes it at any
// time, as it does every dialog.
#include <string>

#include "D3DTypes.h"
#include "GTimer.h"
#include "GUI_Dialog.h"
#include "Win32Types.h"

class GUI_Dentist : public GUI_Dialog {
 public:
  static constexpr int kPoints = 100;
  static constexpr double kChartMs = 10000.0;

  static void Create();  // replaces an open one
  static void Close();

  ~GUI_Dentist() override;
  void Draw() override;

  void DrawGraph();
  void DrawLine();
  // The points of the trace shown after `elapsedMs` of the chart.
  static int PointsShown(double elapsedMs);

  bool IsFinished() const { return m_finished; }
  const RECT& GetChartRect() const { return m_chart; }
  const _D3DTLVERTEX* GetTrace() const { return m_trace; }
  const std::string& GetMessage() const { return m_message; }
  const std::string& GetDentistName() const { return m_name; }

  static GUI_Dentist* PTheWindow;

 private:
  GUI_Dentist();

  GTimer m_timer;
  RECT m_chart;
  _D3DTLVERTEX m_trace[kPoints];
  _D3DTLVERTEX m_traceBelow[kPoints];  // one pixel lower: the trace is two pixels thick
  std::string m_message;
  std::string m_name;
  bool m_finished = false;
};
