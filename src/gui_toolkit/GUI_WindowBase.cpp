#include "GUI_WindowBase.h"

#include "CInput.h"
#include "D3DEngine.h"
#include "GUI_ButtonBase.h"
#include "GUI_Cursor.h"
#include "GUI_WindowManager.h"
#include "LibTextEngine.h"

GUI_WindowBase::~GUI_WindowBase() {
  GUI_WindowManager* manager = GUI_GetWindowManager();
  manager->RemoveWindow(this);
  m_registered = false;
  if (m_parent) m_parent->RemoveChild(this);
  KillChildren();
  manager->RemoveModal(this);
  manager->RemoveFullscreen(this);
  // A window deleted while being dragged must not stay in the cursor's hand.
  GUI_Cursor* cursor = GUI_GetCursor();
  if (cursor->GetDragObject() == this) cursor->SetDragObject(nullptr);
  // The button list's destructor deletes the buttons.
}

void GUI_WindowBase::Draw() {
  if (m_visible) DrawButtons();
}

void GUI_WindowBase::AddButton(GUI_ButtonBase* button) {
  GUIButtonList::AddButton(button);
  if (button) button->SetOwner(this);
}

void GUI_WindowBase::HandleKey(unsigned) {}

void GUI_WindowBase::AddToGUI() {
  GUI_WindowManager* manager = GUI_GetWindowManager();
  if (m_registered) manager->RemoveWindow(this);
  manager->AddWindow(this, true);
  m_registered = true;
}

void GUI_WindowBase::RemoveFromGUI() {
  if (!m_registered) return;
  GUI_GetWindowManager()->RemoveWindow(this);
  m_registered = false;
}

void GUI_WindowBase::AddChild(GUI_WindowBase* child) {
  if (!child) return;
  if (child->m_parent) child->m_parent->RemoveChild(child);
  m_children.push_back(child);
  child->m_parent = this;
}

void GUI_WindowBase::RemoveChild(GUI_WindowBase* child) {
  if (!child) return;
  child->m_parent = nullptr;
  m_children.remove(child);
}

void GUI_WindowBase::KillChildren() {
  // Each child's destructor takes it out of the list.
  while (!m_children.empty()) delete m_children.front();
}

void GUI_WindowBase::DrawChildren() {
  for (GUI_WindowBase* child : m_children) child->Draw();
}

void GUI_WindowBase::ProcessDrag() {
  CInput* input = GetInput();
  GUI_Cursor* cursor = GUI_GetCursor();
  if (!m_dragging) {
    if (input->leftDown && MouseInside() && !cursor->IsDragging()) {
      m_dragging = true;
      cursor->SetDragObject(this);
      m_dragOffsetX = input->mouseX - (float)rect.left;
      m_dragOffsetY = input->mouseY - (float)rect.top;
    }
  } else if (input->leftDown) {
    int32_t left = (int32_t)(input->mouseX - m_dragOffsetX);
    int32_t top = (int32_t)(input->mouseY - m_dragOffsetY);
    rect.left = left;
    rect.top = top;
    rect.right = left + width;
    rect.bottom = top + height;
  } else {
    m_dragging = false;
    cursor->SetDragObject(nullptr);
  }
}

void GUI_WindowBase::ProcessInput() {
  if (!m_visible) return;
  if (m_draggable) ProcessDrag();
  for (GUI_WindowBase* child : m_children) child->ProcessInput();
  GUIButtonList::ProcessInput();
  if (m_eatMouseMoves && MouseInside()) GetInput()->EatMouseMoves(this);
}

bool GUI_WindowBase::CheckClick(float x, float y) {
  if (!m_visible) return false;
  for (GUI_WindowBase* child : m_children) {
    // A child that took the click may have deleted this window: return at once.
    if (child->CheckClick(x, y)) return true;
  }
  bool inside = PtInside(x, y);
  if (inside && m_bringToTop) GUI_GetWindowManager()->MakeTopmost(this);
  if (GUIButtonList::CheckClick()) return true;
  return (m_catchClicks || m_bringToTop) && inside;
}

bool GUI_WindowBase::MouseInside() {
  CInput* input = GetInput();
  return PtInside(input->mouseX, input->mouseY);
}

void GUI_WindowBase::SetModal(bool modal) {
  m_modal = modal;
  if (modal) {
    GUI_GetWindowManager()->AddModal(this);
  } else {
    GUI_GetWindowManager()->RemoveModal(this);
  }
}

void GUI_WindowBase::MakeFullScreenWindow() {
  SetPosition(0.0f, 0.0f, D3DEngine::W, D3DEngine::H);
  GUI_WindowManager* manager = GUI_GetWindowManager();
  manager->AddFullscreen(this);
  manager->CloseAllDialogs(this);
}

void GUI_WindowBase::AddText(const char* text, float x, float y, uint32_t colour) {
  if (!text) return;
  GetTextEngine()->AddQueueString(text, (float)rect.left + x, (float)rect.top + y, colour, 0.0f,
                                  LibTextEngine::ALIGN_LEFT);
}
