#pragma once
// A registry of GUI elements by name, through which the tutorial and the command scripts find
// buttons and windows ("Highlight(EndDayButton)", "AllowButton(SoloButton)", "CloseWindow(...)").
// A window or button that wants to be found registers itself when it is made and unregisters in
// its destructor, so the registry never holds a dead element:
//
//   GUI_NamedObject::Register("EndDayButton", m_endDayButton);   // in the constructor
//   GUI_NamedObject::UnRegister(m_endDayButton);                 // in the destructor
//
// Each element has at most one name and each name at most one element; a second registration of
// either is refused with a line in the debug log and the first one stays.
#include <list>
#include <string>

class GUI_BaseElement;

class GUI_NamedObject {
 public:
  // Records are made by Register; each one joins the end of All and leaves it when deleted.
  GUI_NamedObject(const std::string& name, GUI_BaseElement* element);
  virtual ~GUI_NamedObject();
  GUI_NamedObject(const GUI_NamedObject&) = delete;
  GUI_NamedObject& operator=(const GUI_NamedObject&) = delete;

  // Adds (name, element) unless a record already holds the element ("Duplicate named object
  // pointer") or the name ("Duplicate named object name"); per record the element is tested first.
  static void Register(const char* name, GUI_BaseElement* element);
  static void Register(const std::string& name, GUI_BaseElement* element) { Register(name.c_str(), element); }
  // Deletes the first record holding the element; none: "Failed to unregister named object".
  static void UnRegister(GUI_BaseElement* element);
  // The element of the first record with that exact name; none: "Failed to find named object: %s"
  // in the debug log, and null.
  static GUI_BaseElement* GetByName(const char* name);
  static GUI_BaseElement* GetByName(const std::string& name) { return GetByName(name.c_str()); }

  const std::string& GetName() const { return m_name; }
  GUI_BaseElement* GetElement() const { return m_element; }

  static std::list<GUI_NamedObject*> All;

 private:
  std::string m_name;
  GUI_BaseElement* m_element;
};
