#pragma once
// The panel of the player's attributes at the right edge of the in-game screen: one row per
// chosen attribute (13, or 20 when expanded), each with its label, value bar and change marker,
// and two buttons below: the attribute graph and expand/shrink. It never changes the simulation;
// a click on a row asks the attribute to react (its window opens).
//
// One instance, made by GUI_GetMindState() and kept for the whole run. It registers itself with
// the window manager, which draws it; the in-game mode calls Initialise at a new game and when the
// screen size changes, and the player character calls Refresh after every recomputation.
#include <string>
#include <vector>

#include "GUI_WindowBase.h"
#include "LibTextChunkList.h"

class GUI_IconButton;
class GUI_Indicator;
class SIM_Attribute;

class GUI_MindState : public GUI_WindowBase {
 public:
  static constexpr float CHUNKHEIGHT = 30.0f;  // the height of a row and the step between rows
  static constexpr int ROWS = 13;
  static constexpr int ROWS_EXPANDED = 20;

  GUI_MindState();
  ~GUI_MindState() override;

  void Initialise();  // layout, buttons and rows
  void Refresh() { CreateIndicators(); }
  void CreateIndicators();
  bool AddIndicator(SIM_Attribute* attribute, float x, float y);
  void ClearIndicators();  // forgets the rows without deleting them
  GUI_Indicator* GetIndicator(const std::string& name);  // "Failed to find indicator"
  int CountIndicators();  // attributes that are always shown

  static void Graph(int);
  static void Expand(int);
  // A row that is being deleted leaves the panel (its attribute went away).
  static void Forget(GUI_Indicator* row);

  void Draw() override;

  const std::vector<GUI_Indicator*>& GetRows() const { return m_rows; }
  bool IsExpanded() const { return m_expanded; }
  GUI_IconButton* GetGraphButton() const { return m_graphButton; }
  GUI_IconButton* GetExpandButton() const { return m_expandButton; }

  // Goodness of an attribute for the player (its value, or 1 - value when high is bad); a comes
  // first when it fares strictly better.
  static bool HigherAttribute(SIM_Attribute* a, SIM_Attribute* b);

 private:
  std::vector<GUI_Indicator*> m_rows;  // not owned: each belongs to its attribute
  LibTextChunkList m_textChunks;
  GUI_IconButton* m_graphButton = nullptr;   // in the button list
  GUI_IconButton* m_expandButton = nullptr;  // in the button list
  bool m_expanded = false;
};

GUI_MindState* GUI_GetMindState();
