#pragma once
// The window that explains one attribute: its name, percentage and description, beside the row
// that was clicked in the mind-state panel and joined to it by a grey bar. "iq" and "culture" also
// list their parts with bars. At most one is open; a click inside closes it, and clicking the
// same row again toggles it.
#include <cstdint>

#include "GUI_WindowBase.h"

class GUI_CloseButton;
class SIM_Attribute;

class GUI_Attribute : public GUI_WindowBase {
 public:
  enum KIND { KIND_PLAIN = 0, KIND_IQ = 1, KIND_CULTURE = 2 };
  static constexpr float kWidth = 280.0f;
  static constexpr float kWrapWidth = kWidth - 40.0f;

  // A click on an attribute row: nothing while a full-screen window is shown; otherwise the click
  // sound, then the window for the attribute opens, or closes when it is the one already open.
  // Returns the window now open for it, or null.
  static GUI_Attribute* Create(SIM_Attribute* attribute);
  static void Close();

  explicit GUI_Attribute(SIM_Attribute* attribute);
  ~GUI_Attribute() override;

  bool CheckClick(float x, float y) override;  // any click inside closes it
  void Draw() override;

  SIM_Attribute* GetAttribute() const { return m_attribute; }
  bool IsSized() const { return m_sized; }
  const RECT& GetConnector() const { return m_connector; }
  int32_t GetKind() const { return m_kind; }

  void CalcSize();
  void AddBars();
  void AddSubAttrib(float y, SIM_Attribute* attribute);
  void DrawSubAttrib(float y, SIM_Attribute* attribute);
  void DrawIQ();
  void DrawCulture();

  static GUI_Attribute* PTheWindow;

 private:
  SIM_Attribute* m_attribute;
  GUI_CloseButton* m_closeButton = nullptr;  // in the button list
  bool m_sized = false;
  RECT m_connector;
  int32_t m_kind = KIND_PLAIN;
};
