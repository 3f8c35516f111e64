#include "RefCounted.h"

int RefCounted::RemoveRefcount() {
  int remaining = --m_count;
  if (remaining <= 0) {
    delete this;
    return 0;
  }
  return remaining;
}
