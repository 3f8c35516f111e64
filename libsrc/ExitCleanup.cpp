#include "ExitCleanup.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {
std::vector<ExitCleanupFn>& Registered() {
  // Never destroyed: atexit handlers may still consult it while statics are torn down.
  static auto* fns = new std::vector<ExitCleanupFn>;
  return *fns;
}
}  // namespace

void RegisterExitCleanup(ExitCleanupFn fn) {
  std::vector<ExitCleanupFn>& fns = Registered();
  if (!fn || std::find(fns.begin(), fns.end(), fn) != fns.end()) return;
  fns.push_back(fn);
  std::atexit(fn);
}
