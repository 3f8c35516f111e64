#pragma once
// The job browser, the adverts of one industry in a left-hand window. Stand-in until the social
// screens arrive: every call is marked STAND_IN(); it never opens.
class GUI_JobBrowser {
 public:
  static void Close();
  // The wheel steps through the browser's adverts while it is open.
  static void MouseWheelUp();
  static void MouseWheelDown();
};
