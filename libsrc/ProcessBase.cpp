#include "ProcessBase.h"

#include <algorithm>

std::list<ProcessBase*> ProcessBase::All;

namespace {
// While the pass walks the list, a destroyed object only leaves a hole that the pass closes at
// its end, so the walk never steps on a freed node.
int g_passDepth = 0;
}  // namespace

ProcessBase::ProcessBase() { All.push_back(this); }

ProcessBase::~ProcessBase() {
  auto it = std::find(All.begin(), All.end(), this);
  if (it == All.end()) return;
  if (g_passDepth > 0) {
    *it = nullptr;
  } else {
    All.erase(it);
  }
}

bool ProcessBase::CleanupObject() {
  for (ProcessBase* p : All) {
    if (p && !p->m_alive) {
      delete p;
      return true;
    }
  }
  return false;
}

void ProcessBase::Cleanup() {
  while (CleanupObject()) {
  }
}

void ProcessBase::ProcessAll() {
  Cleanup();
  ++g_passDepth;
  for (auto it = All.begin(); it != All.end(); ++it) {
    if (*it) (*it)->Process();
  }
  --g_passDepth;
  if (g_passDepth == 0) All.remove(nullptr);
}
