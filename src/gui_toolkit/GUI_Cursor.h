#pragma once
// The software cursor, drawn last of all in full screen (in a window the system's pointer shows),
// and the holder of whatever the mouse carries (a dragged window or icon).
#include "BaseSprite.h"

class GUI_Cursor : public BaseSprite {
 public:
  GUI_Cursor();
  void Draw() override;  // top-left corner at the mouse point
  void SetHidden(bool hidden) { m_hidden = hidden; }
  bool IsHidden() const { return m_hidden; }
  void SetDragObject(void* object) { m_dragObject = object; }
  void* GetDragObject() const { return m_dragObject; }
  bool IsDragging() const { return m_dragObject != nullptr; }

 private:
  bool m_hidden = false;
  void* m_dragObject = nullptr;  // not owned
};

GUI_Cursor* GUI_GetCursor();
