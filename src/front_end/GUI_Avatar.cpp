#include "GUI_Avatar.h"

#include "D3DEngine.h"
#include "GUI_Smell.h"
#include "SIM_StandInLog.h"

GUI_Avatar* GUI_GetAvatar() {
  static GUI_Avatar* avatar = new GUI_Avatar();
  return avatar;
}

void GUI_Avatar::SetMood(MOOD mood) {
  STAND_IN();
  m_mood = mood;
}

void GUI_Avatar::SetOverriden(bool on) {
  STAND_IN();
  m_overriden = on;
}

void GUI_Avatar::ComputeAdjustedWidth() { STAND_IN(); }

void GUI_Avatar::DrawAt(V2) { STAND_IN(); }

void GUI_Avatar::Draw() {
  STAND_IN();
  GUI_GetSmell()->Draw();
}

void GUI_Avatar::Reset() { STAND_IN(); }

void GUI_Avatar::RefreshOverridenLayers() { STAND_IN(); }

void GUI_Avatar::SaveUserAvatar() { STAND_IN(); }

V2 GUI_Avatar::GetCenter() const { return V2(D3DEngine::W - 256.0f, D3DEngine::H / 2.0f); }
