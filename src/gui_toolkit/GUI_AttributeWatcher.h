#pragma once
// A developer's view of one attribute: its value, its base and every effect acting on it with its
// daily degrade, each with a bar. Nothing in the game opens it; a developer calls Create.
#include <string>

#include "GUI_Dialog.h"

class SIM_Attribute;

class GUI_AttributeWatcher : public GUI_Dialog {
 public:
  // "iq" and "culture" open one watcher per part; returns the last one opened.
  static GUI_AttributeWatcher* Create(SIM_Attribute* attribute);

  explicit GUI_AttributeWatcher(SIM_Attribute* attribute);

  void Draw() override;
  void DrawBar(float y, float v);
  // The attribute shown; null once it is gone (the watcher then shows nothing).
  SIM_Attribute* GetAttribute() const;

 private:
  std::string m_name;  // looked up at every draw, so a new game cannot leave it dangling
};
