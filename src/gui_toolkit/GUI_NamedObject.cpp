#include "GUI_NamedObject.h"

#include "GDebug.h"

std::list<GUI_NamedObject*> GUI_NamedObject::All;

namespace {
// Panels that live as long as the program never unregister; their records go at exit, before the
// list itself (objects of one file are destroyed in reverse order of definition).
struct FreeRecordsAtExit {
  ~FreeRecordsAtExit() {
    while (!GUI_NamedObject::All.empty()) delete GUI_NamedObject::All.front();
  }
} freeRecordsAtExit;
}  // namespace

GUI_NamedObject::GUI_NamedObject(const std::string& name, GUI_BaseElement* element)
    : m_name(name), m_element(element) {
  All.push_back(this);
}

GUI_NamedObject::~GUI_NamedObject() { All.remove(this); }

void GUI_NamedObject::Register(const char* name, GUI_BaseElement* element) {
  if (!name || !element) {
    GetDebug()->DebugOut("Failed to register named object: no name or no element");
    return;
  }
  for (GUI_NamedObject* record : All) {
    if (record->m_element == element) {
      GetDebug()->DebugOut("Duplicate named object pointer");
      return;
    }
    if (record->m_name == name) {
      GetDebug()->DebugOut("Duplicate named object name");
      return;
    }
  }
  new GUI_NamedObject(name, element);  // the record lives in All until UnRegister
}

void GUI_NamedObject::UnRegister(GUI_BaseElement* element) {
  for (GUI_NamedObject* record : All) {
    if (record->m_element == element) {
      delete record;  // takes itself out of All; the loop ends here
      return;
    }
  }
  GetDebug()->DebugOut("Failed to unregister named object");
}

GUI_BaseElement* GUI_NamedObject::GetByName(const char* name) {
  if (!name) return nullptr;
  for (GUI_NamedObject* record : All) {
    if (record->m_name == name) return record->m_element;
  }
  std::string text = GFormat("Failed to find named object: %s", name);
  if (text.size() > 255) text.resize(255);
  GetDebug()->DebugOut(text.c_str());
  return nullptr;
}
