#include "GUI_ParticleConfig.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "GDebug.h"
#include "GFileList.h"
#include "IniLoader.h"

std::vector<GUI_ParticleConfig*> GUI_ParticleConfig::All;
bool GUI_ParticleConfig::BOpened = false;

GUI_ParticleConfig::GUI_ParticleConfig() { All.push_back(this); }

GUI_ParticleConfig::~GUI_ParticleConfig() { All.erase(std::remove(All.begin(), All.end(), this), All.end()); }

void GUI_ParticleConfig::Load(const char* path) {
  IniLoader ini;
  ini.LoadSection("config", path);
  // A missing key reads as "" and so as 0, as the files have always been read.
  auto f = [&](const char* key) { return (float)atof(ini.GetValue(key)); };
  m_name = ini.GetValue("Name");
  m_textureName = ini.GetValue("TextureName");
  if (m_name.empty()) GWarning(GFormat("%s: no \"Name\" in section [config]; no effect can ask for it", path).c_str(), __FILE__, __LINE__);
  if (m_textureName.empty()) {
    GWarning(GFormat("%s: no \"TextureName\" in section [config]; its particles are drawn untextured", path).c_str(),
             __FILE__, __LINE__);
  } else {
    // The renderer's own report of a missing picture then says which file asked for it.
    GDataPlace place(path);
    m_texture.SetTexture(m_textureName);
  }
  MinXVelocity = f("MinXVelocity");
  MaxXVelocity = f("MaxXVelocity");
  MinYVelocity = f("MinYVelocity");
  MaxYVelocity = f("MaxYVelocity");
  MinSize = f("MinSize");
  MaxSize = f("MaxSize");
  AlphaFalloff = f("AlphaFalloff");
  SizeFalloff = f("SizeFalloff");
  SpeedFalloff = f("SpeedFalloff");
  XScatter = f("XScatter");
  YScatter = f("YScatter");
  ParticlesPerSecond = f("ParticlesPerSecond");
  InitialParticles = atoi(ini.GetValue("InitialParticles"));
  Lifetime = f("Lifetime");
}

void GUI_ParticleConfig::Open() {
  if (BOpened) return;
  while (!All.empty()) delete All.back();
  GFileList files;
  files.AddFiles("data/particles/*.txt");
  for (const std::string& name : files.Names()) {
    char path[512];
    snprintf(path, sizeof(path), "data/particles/%s", name.c_str());
    GUI_ParticleConfig* config = new GUI_ParticleConfig();
    config->Load(path);
  }
  BOpened = true;
}

void GUI_ParticleConfig::Close() {
  while (!All.empty()) delete All.back();
  BOpened = false;
}

GUI_ParticleConfig* GUI_ParticleConfig::GetConfig(const char* name) {
  Open();
  for (GUI_ParticleConfig* config : All) {
    if (config->m_name == name) return config;
  }
  GErrorOnce(std::string("particle:") + name, GFormat("Particle config not found: \"%s\"", name).c_str(), __FILE__,
             __LINE__);
  return nullptr;
}

void GUI_ParticleConfig::Save(const char* path) const {
  FILE* file = fopen(path, "wt");
  GAssert(file != nullptr, __FILE__, __LINE__);
  if (!file) return;
  fprintf(file, "[config]\n");
  fprintf(file, "Name = %s\n", m_name.c_str());
  fprintf(file, "TextureName = %s\n", m_textureName.c_str());
  fprintf(file, "MinXVelocity = %.3f\n", (double)MinXVelocity);
  fprintf(file, "MaxXVelocity = %.3f\n", (double)MaxXVelocity);
  fprintf(file, "MinYVelocity = %.3f\n", (double)MinYVelocity);
  fprintf(file, "MaxYVelocity = %.3f\n", (double)MaxYVelocity);
  fprintf(file, "AlphaFalloff = %.3f\n", (double)AlphaFalloff);
  fprintf(file, "SizeFalloff = %.3f\n", (double)SizeFalloff);
  fprintf(file, "SpeedFalloff = %.3f\n", (double)SpeedFalloff);
  fprintf(file, "XScatter = %.3f\n", (double)XScatter);
  fprintf(file, "YScatter = %.3f\n", (double)YScatter);
  fprintf(file, "MinSize = %.3f\n", (double)MinSize);
  fprintf(file, "MaxSize = %.3f\n", (double)MaxSize);
  fprintf(file, "ParticlesPerSecond = %.3f\n", (double)ParticlesPerSecond);
  fprintf(file, "InitialParticles = %d\n", InitialParticles);
  fprintf(file, "Lifetime = %.3f\n", (double)Lifetime);
  fclose(file);
}
