#include "LibColor.h"

uint32_t LibColor::GetD3DColor() const {
  return ((uint32_t)a & 0xFF) << 24 | ((uint32_t)b & 0xFF) << 16 | ((uint32_t)g & 0xFF) << 8 | ((uint32_t)r & 0xFF);
}
