#pragma once
// The project panels of the solo activity chooser: the project's title, its progress and a bar,
// drawn every frame in the lower part of the chooser's client rectangle.
#include "Win32Types.h"

class GUI_ScienceTheory {
 public:
  static void DrawDetails(RECT client);
};

class GUI_JournalistStory {
 public:
  static void DrawDetails(RECT client);
};

class GUI_Writing {  // the screenplay
 public:
  static void DrawDetails(RECT client);
};

class GUI_SongWriting {
 public:
  static void DrawDetails(RECT client);
};
