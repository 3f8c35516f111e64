#pragma once
// The household's sounds and the birdsong, played now and then over the in-game view. Stand-in
// until the scenery arrives: its per-frame step is marked STAND_IN().
class GUI_AmbientSounds {
 public:
  void Process();  // once a frame
};

GUI_AmbientSounds* GUI_GetAmbientSounds();
