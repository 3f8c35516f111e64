#pragma once
// One labelled row showing a named value: the label, a value bar and, beside it, the value's
// change marker. Attribute rows (kind 0) are made while the attribute table loads, one per
// attribute, and belong to their attribute; the mind-state panel only borrows them. Skill rows
// (kind 1) belong to the skills panel that makes them.
#include <cstdint>
#include <list>
#include <string>

#include "GTimer.h"
#include "GUI_WindowBase.h"

class GUI_Tooltip;
class GUI_ValueBar;
class SIM_Attribute;
class SIM_NamedValue;

class GUI_Indicator : public GUI_WindowBase {
 public:
  enum KIND { KIND_ATTRIBUTE = 0, KIND_NAMEDVALUE = 1 };
  static constexpr size_t kLabelLength = 15;

  explicit GUI_Indicator(SIM_NamedValue* owner);
  // Unlinks its attribute and leaves the panel that shows it; the value bar goes with the row.
  ~GUI_Indicator() override;

  static GUI_Indicator* Create(SIM_Attribute* attribute);  // links the attribute to its row
  static GUI_Indicator* CreateNV(SIM_NamedValue* value);
  static GUI_Indicator* Get(SIM_Attribute* attribute);      // "Attribute indicator not found"

  SIM_NamedValue* GetOwner() const { return m_owner; }
  SIM_Attribute* GetAttribute() const { return m_attribute; }
  int32_t GetKind() const { return m_kind; }
  const std::string& GetLabel() const { return m_label; }
  GUI_Tooltip* GetTooltip() const { return m_tooltip; }
  GUI_ValueBar* GetValueBar() const { return m_valueBar; }
  bool IsHighlighted() const { return m_highlighted; }

  void Highlight();
  void Unhighlight();
  static void UnhighlightAll();
  void UpdateTooltip();

  void Draw() override;
  void ProcessInput() override;
  bool CheckClick(float x, float y) override;
  void DrawNotification();
  void DrawNotificationText();

  // The label a GUI name gets: its first 15 characters, with "..." when that cut is 15 long.
  static std::string MakeLabel(const std::string& guiName);

  static std::list<GUI_Indicator*> All;
  static GUI_Indicator* PHighlighted;
  static GTimer MouseoverTimer;

 private:
  bool HiddenDuringWork() const;

  SIM_NamedValue* m_owner;
  SIM_Attribute* m_attribute = nullptr;
  GUI_Tooltip* m_tooltip = nullptr;  // owned
  std::string m_label;
  int32_t m_kind = KIND_ATTRIBUTE;
  bool m_highlighted = false;
  float m_lastTooltipValue = -99.0f;
  GUI_ValueBar* m_valueBar = nullptr;  // a child window
};
