#pragma once
// The toggle of one line of the attribute graph: the attribute's name on a small tile with its
// colour swatch at the right end; a click shows or hides the line.
#include <string>

#include "GUI_WindowBase.h"
#include "LibColor.h"
#include "Win32Types.h"

class GUI_AttributeGraphLine;

class GUI_AttributeGraphButton : public GUI_WindowBase {
 public:
  explicit GUI_AttributeGraphButton(GUI_AttributeGraphLine* line);
  ~GUI_AttributeGraphButton() override = default;

  bool CheckClick(float x, float y) override;
  void Draw() override;

  bool IsOn() const { return m_on; }
  GUI_AttributeGraphLine* GetLine() const { return m_line; }
  const RECT& GetSwatch() const { return m_swatch; }

 private:
  GUI_AttributeGraphLine* m_line;
  bool m_on = true;
  LibColor m_colour;
  std::string m_name;  // the attribute's GUI name, kept: the graph does not follow later changes
  RECT m_swatch;
};
