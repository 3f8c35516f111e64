#pragma once
// The full-screen chart of the daily history of every visible attribute, one coloured line per
// attribute with a toggle button beside the chart; only happiness shows when it opens. Opened by
// the mind state's graph button and closed by its own continue button. Everything is computed
// when it opens: it does not follow later days.
#include "CTexturedSprite.h"
#include "GUI_WindowBase.h"
#include "SmartTexture.h"
#include "Win32Types.h"

class GUI_IconButton;

class GUI_AttributeGraph : public GUI_WindowBase {
 public:
  static void Create(int);
  static void Close();
  static void Continue(int);  // the continue button

  GUI_AttributeGraph();
  ~GUI_AttributeGraph() override;

  void Draw() override;
  void PopulateLines();
  void DrawGraphLines();

  float GetGraphWidth() const { return m_plotWidth; }
  RECT GetGraphRect() const { return m_plot; }
  RECT GetPanelRect() const { return m_panel; }

  static GUI_AttributeGraph* PTheWindow;

 private:
  SmartTexture m_background;
  GUI_IconButton* m_continueButton = nullptr;  // in the button list
  CTexturedSprite m_strip;
  RECT m_panel;
  RECT m_plot;
  float m_plotWidth = 0.0f;
};
