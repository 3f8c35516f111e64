#pragma once
// The particle effects drawn over the screens that ask for them. Stand-in until the scenery's
// effects arrive: drawing is logged, and nothing is drawn.
class GUI_ParticleManager {
 public:
  void Draw();
};

GUI_ParticleManager* GUI_GetParticleManager();
