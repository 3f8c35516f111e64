#include "SIM_NamedValue.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "ExitCleanup.h"
#include "GDebug.h"
#include "GUI_ChangeNotifier.h"
#include "GUI_Indicator.h"
#include "GUI_Skills.h"

// AllLists is defined before Globals so that it is built before Globals registers itself and
// destroyed after Globals has left it.
std::list<SIM_NamedValueList*> SIM_NamedValueList::AllLists;
SIM_NamedValueList SIM_NamedValueList::Globals;

namespace {
// The game-wide values are made by the lists' users and owned by Globals. They are destroyed by an
// exit handler registered when the first one arrives: that runs before any static object of the
// program is torn down, so the values' notifiers can still leave their own registry.
void ReleaseGlobals() { SIM_NamedValueList::Globals.Clear(); }

void NoteGlobalAdded(SIM_NamedValueList* list) {
  if (list == &SIM_NamedValueList::Globals) RegisterExitCleanup(ReleaseGlobals);
}
}  // namespace

SIM_NamedValue::SIM_NamedValue(const std::string& name, const std::string& guiName, float value)
    : m_guiName(guiName), m_name(name), m_value(value),
      m_notifier(std::make_unique<GUI_ChangeNotifier>()) {}

SIM_NamedValue::~SIM_NamedValue() {
  for (SIM_NamedValueList* list : SIM_NamedValueList::AllLists) list->RemoveValue(this);
}

void SIM_NamedValue::ShowEffect(float amount) {
  GUI_Skills* skills = GUI_Skills::PTheWindow;
  if (!skills) return;
  GUI_Indicator* row = skills->GetIndicator(m_name);
  if (!row) return;
  m_notifier->Initialise(amount, (float)row->rect.right + 45.0f, row->GetCenterY(), true);
}

void SIM_NamedValue::ProcOperator(const char* op, float x) {
  if (op) {
    if (strcmp(op, "-=") == 0) {
      m_value -= x;
    } else if (strcmp(op, "+=") == 0) {
      m_value += x;
    } else if (strcmp(op, "*=") == 0) {
      m_value *= x;
    } else if (strcmp(op, "/=") == 0) {
      m_value /= x;
    }
  }
  // NaN (0/0) would survive std::clamp; treat it as the bottom of the range.
  if (!(m_value >= 0.0f)) m_value = 0.0f;
  if (m_value > 1.0f) m_value = 1.0f;
}

SIM_NamedValueList::SIM_NamedValueList() { AllLists.push_back(this); }

SIM_NamedValueList::~SIM_NamedValueList() { AllLists.remove(this); }

SIM_NamedValue* SIM_NamedValueList::GetNamedValue(const std::string& name) {
  for (auto it = m_values.begin(); it != m_values.end(); ++it) {
    if ((*it)->GetName() == name) {
      SIM_NamedValue* found = *it;
      m_values.splice(m_values.begin(), m_values, it);
      return found;
    }
  }
  return nullptr;
}

bool SIM_NamedValueList::HasValue(const std::string& name) { return GetNamedValue(name) != nullptr; }

float SIM_NamedValueList::GetValue(const std::string& name) {
  SIM_NamedValue* value = GetNamedValue(name);
  if (!value) {
    std::string text = "Value not found: " + name;
    GErrorOnce("SIM_NamedValueList:" + name, text.c_str(), __FILE__, __LINE__);
    return -1.0f;
  }
  return value->GetValue();
}

bool SIM_NamedValueList::IsTrue(const std::string& name) {
  SIM_NamedValue* value = GetNamedValue(name);
  return value && value->GetValue() != 0.0f;
}

void SIM_NamedValueList::AddValue(SIM_NamedValue* value) {
  NoteGlobalAdded(this);
  m_values.push_back(value);
}

void SIM_NamedValueList::AddValueToFront(SIM_NamedValue* value) {
  NoteGlobalAdded(this);
  m_values.push_front(value);
}

void SIM_NamedValueList::RemoveValue(SIM_NamedValue* value) { m_values.remove(value); }

void SIM_NamedValueList::RemoveAll() { m_values.clear(); }

void SIM_NamedValueList::Clear() {
  // Take the entries out first: each destructor walks every list to remove itself.
  std::list<SIM_NamedValue*> doomed;
  doomed.swap(m_values);
  while (!doomed.empty()) {
    SIM_NamedValue* value = doomed.front();
    doomed.pop_front();
    // The same pointer may appear twice; destroy it once.
    doomed.remove(value);
    delete value;
  }
}

void SIM_NamedValueList::Calculate() {
  for (SIM_NamedValue* value : m_values) value->CalculateValue();
}

SIM_NamedValueList* SIM_NamedValueList::GetList(const std::string& name) {
  for (SIM_NamedValueList* list : AllLists) {
    if (list->m_name == name) return list;
  }
  std::string text = "Failed to find named value list: " + name;
  GErrorOnce("SIM_NamedValueList::GetList:" + name, text.c_str(), __FILE__, __LINE__);
  return nullptr;
}

void SIM_NamedValueList::ForceGlobal(const std::string& name, float value) {
  SIM_NamedValue* found = Globals.GetNamedValue(name);
  if (found) {
    found->SetValue(value);
  } else {
    Globals.AddValue(new SIM_NamedValue(name, name, value));
  }
}
