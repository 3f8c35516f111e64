#pragma once
// The job search, the first left-hand window of the career screens. Stand-in until the social
// screens arrive: every call is marked STAND_IN(); it never opens.
class GUI_JobSearch {
 public:
  static void Close();
};
