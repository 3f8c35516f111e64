#pragma once
// An emitter sprays up to 256 textured, turning, fading square particles from one point and draws
// them in one call. Motion is applied in whole 16 ms steps, so a spray looks the same at any frame
// rate. Times are unsigned millisecond counts: differences stay exact however long the machine
// has been up.
#include <cstdint>

#include "D3DTypes.h"
#include "GVertexBuffer.h"
#include "V2.h"

class GUI_ParticleConfig;
class GUI_ParticleEmmiter;

namespace GUI_Particles {
constexpr int MAX_PARTICLES = 256;
constexpr int VERTS_PER_PARTICLE = 6;
constexpr int MAX_VERTS = MAX_PARTICLES * VERTS_PER_PARTICLE;  // 1536
constexpr uint32_t STEP_MS = 16;
constexpr float SINK_PER_STEP = 0.16f;  // every particle sinks this far each step, pixels

using Clock = uint32_t (*)();
uint32_t Now();               // timeGetTime unless a test has installed its own clock
void SetClock(Clock clock);   // nullptr: back to timeGetTime
}  // namespace GUI_Particles

class GUI_BaseParticle {
 public:
  void Init(V2 position, float size, float alpha, _D3DTLVERTEX* vertices, GUI_ParticleEmmiter* owner);
  bool Draw();  // steps and writes the particle; false when it is (or has just become) dead

  GUI_ParticleEmmiter* m_owner = nullptr;
  bool m_alive = false;
  float m_velX = 0.0f;
  float m_velY = 0.0f;
  uint32_t m_stepTime = 0;  // steps are applied up to here
  float m_initialSize = 0.0f;
  float m_initialAlpha = 0.0f;
  float m_initialVelX = 0.0f;
  float m_initialVelY = 0.0f;
  V2 m_start;
  float m_size = 0.0f;  // half the side
  float m_alpha = 0.0f;
  V2 m_position;
  _D3DTLVERTEX* m_vertices = nullptr;
  float m_rotation = 0.0f;  // degrees, 0 up, clockwise
  float m_sin = 0.0f;
  float m_cos = 1.0f;
};

class GUI_ParticleEmmiter {
 public:
  GUI_ParticleEmmiter(const char* name, V2 position, float depth);
  virtual ~GUI_ParticleEmmiter();
  GUI_ParticleEmmiter(const GUI_ParticleEmmiter&) = delete;
  GUI_ParticleEmmiter& operator=(const GUI_ParticleEmmiter&) = delete;

  void Reset(V2 position, float depth);
  void Draw();
  void InitParticle(int index);
  void CreateInitialParticles();
  void InitDeadParticle();  // starts the first dead particle, if any
  void CreateNewParticles();
  bool IsActive() const { return m_active; }
  int GetParticlesInUse() const { return m_particlesInUse; }
  float GetZPos() const { return m_depth; }
  const GUI_ParticleConfig* GetConfig() const { return m_config; }
  // The writer of the frame's vertices; particles append themselves here.
  void AppendVertices(const _D3DTLVERTEX* vertices);
  const GUI_BaseParticle& GetParticle(int index) const { return m_particles[index]; }
  uint32_t GetLastEmission() const { return m_lastEmission; }

 private:
  void Start(V2 position, float depth);

  GUI_ParticleConfig* m_config = nullptr;
  GVertexBuffer m_buffer;
  _D3DTLVERTEX* m_write = nullptr;
  V2 m_position;
  uint32_t m_startTime = 0;
  bool m_active = false;
  GUI_BaseParticle m_particles[GUI_Particles::MAX_PARTICLES];
  _D3DTLVERTEX m_vertices[GUI_Particles::MAX_VERTS];
  uint32_t m_lastEmission = 0;
  int m_particlesInUse = 0;
  bool m_additive = true;
  float m_depth = 0.0f;
};

// The ordering of the live list: deeper (greater depth) first.
bool ZMoreThan(const GUI_ParticleEmmiter* a, const GUI_ParticleEmmiter* b);
