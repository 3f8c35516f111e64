#include "GUI_Avatar.h"

#include "D3DEngine.h"
#include "GDebug.h"
#include "SIM_StandInLog.h"

GUI_Avatar* GUI_GetAvatar() {
  static GUI_Avatar* avatar = new GUI_Avatar();
  return avatar;
}

void GUI_Avatar::SetMood(MOOD mood) {
  GStandIn("GUI_Avatar::SetMood (avatar layers not built yet)");
  m_mood = mood;
}

void GUI_Avatar::SetOverriden(bool on) {
  SIM_StandInLog::Called("GUI_Avatar::SetOverriden");
  m_overriden = on;
}

void GUI_Avatar::ComputeAdjustedWidth() { SIM_StandInLog::Called("GUI_Avatar::ComputeAdjustedWidth"); }

void GUI_Avatar::DrawAt(V2) { GStandIn("GUI_Avatar::DrawAt (avatar not built yet)"); }

V2 GUI_Avatar::GetCenter() const { return V2(D3DEngine::W - 256.0f, D3DEngine::H / 2.0f); }
