#pragma once
// Helpers for the tests of the heads-up panels: the player's attributes from the game's table or
// from rows written in the test, and the recorded quads of one texture.
#include <string>
#include <vector>

#include "D3DEngine.h"
#include "GuiToolkitTestSupport.h"
#include "SIM_Attribute.h"
#include "SIM_Vede.h"

namespace hudtest {

// The game's own attribute table for the player, values recomputed, nothing marked as changed.
inline SIM_Vede* PlayerWithGameAttributes() {
  SIM_Vede* vede = SIM_GetVede();
  vede->LoadAttributes();
  vede->RecalcAttributes();
  SIM_Attribute::ClearRecentlyChanged();
  return vede;
}

// One attribute from a table row ("#,name,display,opposite,mirror,base,hidden,always,feeling,
// high is good,colour,description,low,high,warn,threshold,parent,weight"), added to the player's
// list. Links are resolved by the caller (SIM_Attribute::ResolveLinks).
inline SIM_Attribute* AddAttribute(const std::string& row) {
  SIM_Attribute* a = new SIM_Attribute();
  a->Load(row.c_str(), "test row");
  a->CalculateValue();
  SIM_GetVede()->GetAttributes().AddValue(a);
  return a;
}

// A plain visible attribute: name, base, always shown, high is good, opposite.
inline SIM_Attribute* AddSimple(const std::string& name, float base, bool always, bool highGood = true,
                                const std::string& opposite = "", bool hidden = false) {
  std::string row = "#," + name + "," + name + "," + opposite + ",," + std::to_string(base) + "," +
                    (hidden ? "1" : "0") + "," + (always ? "1" : "0") + ",0," + (highGood ? "1" : "0") +
                    ",,D,L,H,,0,\n";
  return AddAttribute(row);
}

// The recorded quads drawn with a texture (its file name, e.g. "indicator_change_green.png").
inline std::vector<DrawRecord> QuadsOf(const std::string& texture) {
  std::vector<DrawRecord> out;
  for (const DrawRecord& r : D3DEngine::GetRecorder().Entries()) {
    if (r.kind == DrawKind::Quad && r.texture == texture) out.push_back(r);
  }
  return out;
}

inline std::vector<DrawRecord> TextsOf(const std::string& text) {
  std::vector<DrawRecord> out;
  for (const DrawRecord& r : D3DEngine::GetRecorder().Entries()) {
    if (r.kind == DrawKind::Text && r.text == text) out.push_back(r);
  }
  return out;
}

}  // namespace hudtest
