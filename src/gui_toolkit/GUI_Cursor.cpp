#include "GUI_Cursor.h"

#include "CInput.h"
#include "D3DEngine.h"
#include "Game.h"

namespace {
GUI_Cursor* g_cursor = nullptr;
}

GUI_Cursor* GUI_GetCursor() {
  if (!g_cursor) g_cursor = new GUI_Cursor;
  return g_cursor;
}

GUI_Cursor::GUI_Cursor() {
  float size = GetGame()->AdjustForScreenRes(38.0f);
  SetSize(size, size);
}

void GUI_Cursor::Draw() {
  if (m_hidden) return;
  D3DEngine* engine = GetD3DEngine();
  if (engine->GetIsWindowed()) return;
  float s = GetGame()->AdjustForScreenRes(38.0f);
  CInput* input = GetInput();
  PlaceLocal(input->mouseX + s / 2.0f, input->mouseY + s / 2.0f);
  engine->SetTexture("cursor.dds");
  DrawNoChecks();
}
