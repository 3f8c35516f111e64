#include "GUI_Palette.h"

#include "SIM_Weather.h"

namespace {
// r, g, b of colours 0, 1 and 2.
constexpr int kDefaultSet[3][3] = {{228, 214, 172}, {176, 214, 210}, {255, 244, 202}};
constexpr int kSnowySet[3][3] = {{210, 220, 222}, {157, 182, 217}, {240, 250, 252}};
}  // namespace

GUI_Palette* GUI_GetPalette() {
  static GUI_Palette* palette = new GUI_Palette;  // lives until the process ends
  return palette;
}

GUI_Palette::GUI_Palette() { Apply(false); }

LibColor GUI_Palette::GetColor(PALETTEID id) const {
  if (id < 0 || id >= PALETTE_COUNT) return m_colours[0];
  return m_colours[id];
}

void GUI_Palette::Initialise() { Apply(false); }

void GUI_Palette::NextDay() { Apply(SIM_GetWeather()->GetIntensity(SIM_Weather::WEATHER_SNOW) > 0.0f); }

void GUI_Palette::Apply(bool snowy) {
  const int (*set)[3] = snowy ? kSnowySet : kDefaultSet;
  for (int i = 0; i < PALETTE_COUNT; ++i) m_colours[i] = LibColor::FromBytes(set[i][0], set[i][1], set[i][2], 255);
}
