#pragma once
// A named particle look read from data/particles/*.txt: texture, launch speeds, sizes, fall-offs,
// scatter and emission rate. Every configuration lists itself in All while it lives.
#include <cstdint>
#include <string>
#include <vector>

#include "SmartTexture.h"

class GUI_ParticleConfig {
 public:
  GUI_ParticleConfig();
  virtual ~GUI_ParticleConfig();
  GUI_ParticleConfig(const GUI_ParticleConfig&) = delete;
  GUI_ParticleConfig& operator=(const GUI_ParticleConfig&) = delete;

  static void Open();   // reads every file once
  static void Close();  // deletes every configuration; the files are read again on the next request
  // The configuration of that name (reading the files first when needed); null, with
  // "Particle config not found" reported, when no file defines it.
  static GUI_ParticleConfig* GetConfig(const char* name);
  void Save(const char* path) const;

  // Fills the fields from the file's "config" section; warnings name the file.
  void Load(const char* path);

  SmartTexture m_texture;
  std::string m_name;
  std::string m_textureName;
  float MinXVelocity = 0.0f;
  float MaxXVelocity = 0.0f;
  float MinYVelocity = 0.0f;
  float MaxYVelocity = 0.0f;
  float MinSize = 0.0f;
  float MaxSize = 0.0f;
  float AlphaFalloff = 0.0f;
  float SizeFalloff = 0.0f;
  float SpeedFalloff = 0.0f;
  float XScatter = 0.0f;
  float YScatter = 0.0f;
  float ParticlesPerSecond = 0.0f;
  int InitialParticles = 0;
  float Lifetime = 0.0f;

  static std::vector<GUI_ParticleConfig*> All;
  static bool BOpened;
};
