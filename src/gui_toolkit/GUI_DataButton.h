#pragma once
// An icon button whose callback takes a pointer (a person, an asset) instead of an int. Its
// click has no enabled test, no fade and no tutorial notice.
#include "GUI_IconButton.h"

class GUI_DataButton : public GUI_IconButton {
 public:
  using DataCallback = void (*)(void*);

  GUI_DataButton(const char* texture, DataCallback callback, void* data);

  void Click() override;  // the callback with the data, then the click sound
  void* GetData() const { return m_data; }

 private:
  void* m_data;  // not owned
  DataCallback m_dataCallback;
};
