#pragma once
// The base of every screen, panel and dialog: a button list with window state. Windows are heap
// objects. The constructor does not register the window: each window's own constructor calls
// AddToGUI (GUI_Dialog does it for every dialog). Deleting a window through any base pointer runs
// its whole destructor, which takes it out of every list of the window manager, out of its
// parent, deletes its children and then its buttons.
//
// The convention for a window that may be open once:
//   static GUI_Thing* PTheWindow;
//   static void Create() { Close(); PTheWindow = new GUI_Thing; }  // the constructor: AddToGUI()
//   static void Close() { delete PTheWindow; PTheWindow = nullptr; }
//   ~GUI_Thing() override { if (PTheWindow == this) PTheWindow = nullptr; }  // the manager may delete it
#include <list>

#include "GUIButtonList.h"

class GUI_WindowBase : public GUIButtonList {
 public:
  GUI_WindowBase() = default;
  ~GUI_WindowBase() override;

  // Visible: draws the buttons. Windows override it, draw their content and call DrawButtons and
  // DrawChildren themselves.
  void Draw() override;
  void AddButton(GUI_ButtonBase* button) override;  // the window becomes the button's owner
  // Nothing when invisible: the drag, the children, the buttons' hover, and the eating of the
  // frame's mouse moves while the mouse is inside.
  void ProcessInput() override;
  virtual void HandleKey(unsigned key);
  // Nothing when invisible; the children first, then raising on a click inside, the buttons, and
  // last catch clicks / bring to top. True when the click was taken.
  virtual bool CheckClick(float x, float y);
  virtual bool IsDialog() { return false; }

  void AddToGUI();       // at the top of the manager's z-order
  void RemoveFromGUI();  // out of the manager's window list

  // Child windows are usually not registered: their parent draws them, passes them input and
  // clicks, and deletes them.
  void AddChild(GUI_WindowBase* child);
  void RemoveChild(GUI_WindowBase* child);  // without deleting it
  void KillChildren();
  void DrawChildren();
  const std::list<GUI_WindowBase*>& GetChildren() const { return m_children; }
  GUI_WindowBase* GetParent() const { return m_parent; }

  bool MouseInside();
  void SetModal(bool modal);
  bool IsModal() const { return m_modal; }
  // The whole screen, at the top of the full-screen windows; every open dialog is deleted.
  void MakeFullScreenWindow();

  void SetVisible(bool visible) { m_visible = visible; }
  bool IsVisible() const { return m_visible; }
  bool IsRegistered() const { return m_registered; }
  void SetEatMouseMoves(bool eat) { m_eatMouseMoves = eat; }
  bool GetEatMouseMoves() const { return m_eatMouseMoves; }
  void SetCatchClicks(bool catchClicks) { m_catchClicks = catchClicks; }
  bool GetCatchClicks() const { return m_catchClicks; }
  void SetBringToTop(bool bringToTop) { m_bringToTop = bringToTop; }
  bool GetBringToTop() const { return m_bringToTop; }
  void SetDraggable(bool draggable) { m_draggable = draggable; }
  bool IsDraggable() const { return m_draggable; }
  bool IsDragging() const { return m_dragging; }
  // HUD panels that live for the whole game clear it so a new game or a load keeps them.
  void SetCloseOnRestart(bool close) { m_closeOnRestart = close; }
  bool GetCloseOnRestart() const { return m_closeOnRestart; }

  // Queues text at (left + x, top + y), colour in the text engine's packing, left-aligned.
  void AddText(const char* text, float x, float y, uint32_t colour);

 protected:
  void ProcessDrag();

  std::list<GUI_WindowBase*> m_children;  // owned
  bool m_visible = true;
  bool m_registered = false;
  GUI_WindowBase* m_parent = nullptr;
  bool m_modal = false;
  bool m_eatMouseMoves = true;
  bool m_catchClicks = true;
  bool m_bringToTop = true;
  bool m_draggable = false;
  float m_dragOffsetX = 0.0f;
  float m_dragOffsetY = 0.0f;
  bool m_dragging = false;
  bool m_closeOnRestart = true;
};
