#include "GUI_ParticleEmmiter.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "D3DEngine.h"
#include "GDebug.h"
#include "GUI_ParticleConfig.h"
#include "GUI_ParticleManager.h"
#include "GRandom.h"
#include "Timing.h"

namespace GUI_Particles {
namespace {
Clock g_clock = nullptr;
}
uint32_t Now() { return g_clock ? g_clock() : timeGetTime(); }
void SetClock(Clock clock) { g_clock = clock; }
}  // namespace GUI_Particles

using namespace GUI_Particles;

void GUI_BaseParticle::Init(V2 position, float size, float alpha, _D3DTLVERTEX* vertices, GUI_ParticleEmmiter* owner) {
  m_owner = owner;
  m_position = m_start = position;
  m_size = m_initialSize = size;
  m_alpha = m_initialAlpha = alpha;
  m_alive = true;
  m_stepTime = Now();
  m_vertices = vertices;
  static const float uv[VERTS_PER_PARTICLE][2] = {{0, 0}, {1, 0}, {0, 1}, {1, 0}, {1, 1}, {0, 1}};
  for (int i = 0; i < VERTS_PER_PARTICLE; ++i) {
    m_vertices[i] = _D3DTLVERTEX(0.0f, 0.0f, 0.0f, 1.0f, VBColor(255, 255, 255, 0), 0, uv[i][0], uv[i][1]);
  }
  m_rotation = GRandom::Scene().RandReal(0.0f, 360.0f);
  const float radians = m_rotation * 3.14159265f / 180.0f;
  m_sin = sinf(radians);
  m_cos = cosf(radians);
  const GUI_ParticleConfig* c = owner->GetConfig();
  const float speed = c ? GRandom::Scene().RandReal(c->MinXVelocity, c->MaxXVelocity) : 0.0f;
  // Off in the direction it is turned to: 0 degrees is straight up, angles run clockwise.
  m_velX = m_initialVelX = m_sin * speed;
  m_velY = m_initialVelY = -m_cos * speed;
}

bool GUI_BaseParticle::Draw() {
  if (!m_alive) return false;
  const GUI_ParticleConfig* c = m_owner->GetConfig();
  const uint32_t steps = (Now() - m_stepTime) / STEP_MS;
  m_stepTime += STEP_MS * steps;
  for (uint32_t i = 0; i < steps; ++i) {
    m_alpha *= 1.0f - c->AlphaFalloff;
    m_size *= 1.0f - c->SizeFalloff;
    m_position.y += m_velY;
    m_position.x += m_velX;
    if (c->SpeedFalloff != 0.0f) {
      m_velX *= 1.0f - c->SpeedFalloff;
      m_velY *= 1.0f - c->SpeedFalloff;
    }
  }
  m_position.y += SINK_PER_STEP * (float)steps;

  const int alpha = (int)(255.0f * m_alpha);
  const uint32_t colour = VBColor(255, 255, 255, std::clamp(alpha, 0, 255));
  const float s = m_size;
  static const float corner[VERTS_PER_PARTICLE][2] = {{-1, -1}, {1, -1}, {-1, 1}, {1, -1}, {1, 1}, {-1, 1}};
  for (int i = 0; i < VERTS_PER_PARTICLE; ++i) {
    const float dx = corner[i][0] * s;
    const float dy = corner[i][1] * s;
    m_vertices[i].x = m_position.x + dx * m_cos - dy * m_sin;
    m_vertices[i].y = m_position.y + dx * m_sin + dy * m_cos;
    m_vertices[i].diffuse = colour;
  }
  if (alpha <= 0 || m_size < 0.5f) {
    m_alive = false;
    return false;
  }
  m_owner->AppendVertices(m_vertices);
  return true;
}

GUI_ParticleEmmiter::GUI_ParticleEmmiter(const char* name, V2 position, float depth) {
  m_buffer.Initialise(MAX_VERTS, false);
  m_config = GUI_ParticleConfig::GetConfig(name);
  Start(position, depth);
}

GUI_ParticleEmmiter::~GUI_ParticleEmmiter() {
  GUI_ParticleManager::Forget(this);
  m_buffer.Release();
}

void GUI_ParticleEmmiter::Reset(V2 position, float depth) { Start(position, depth); }

void GUI_ParticleEmmiter::Start(V2 position, float depth) {
  m_startTime = Now();
  m_position = position;
  m_depth = depth;
  m_particlesInUse = 0;
  for (GUI_BaseParticle& p : m_particles) p.m_alive = false;
  // An emitter without a configuration stays inactive: it draws and emits nothing.
  GAssert(m_config != nullptr, __FILE__, __LINE__);
  m_active = m_config != nullptr;
  if (m_active) CreateInitialParticles();
  m_lastEmission = Now();
  m_additive = true;
}

void GUI_ParticleEmmiter::CreateInitialParticles() {
  const int count = std::min(m_config->InitialParticles, MAX_PARTICLES);
  for (int i = 0; i < count; ++i) InitParticle(i);
}

void GUI_ParticleEmmiter::InitParticle(int index) {
  const V2 at(m_position.x + GRandom::Scene().RandReal(-m_config->XScatter, m_config->XScatter),
              m_position.y + GRandom::Scene().RandReal(-m_config->YScatter, m_config->YScatter));
  const float size = GRandom::Scene().RandReal(m_config->MinSize, m_config->MaxSize);
  m_particles[index].Init(at, size, 1.0f, &m_vertices[index * VERTS_PER_PARTICLE], this);
}

void GUI_ParticleEmmiter::InitDeadParticle() {
  for (int i = 0; i < MAX_PARTICLES; ++i) {
    if (!m_particles[i].m_alive) {
      InitParticle(i);
      return;
    }
  }
}

void GUI_ParticleEmmiter::CreateNewParticles() {
  const uint32_t now = Now();
  if (m_config->Lifetime > 0.0f && (float)(now - m_startTime) >= m_config->Lifetime) return;
  const int count = (int)(m_config->ParticlesPerSecond * (float)(now - m_lastEmission) / 1000.0f);
  if (count <= 0) return;
  m_lastEmission = now;
  for (int i = 0; i < count; ++i) InitDeadParticle();
}

void GUI_ParticleEmmiter::AppendVertices(const _D3DTLVERTEX* vertices) {
  memcpy(m_write, vertices, sizeof(_D3DTLVERTEX) * VERTS_PER_PARTICLE);
  m_write += VERTS_PER_PARTICLE;
}

void GUI_ParticleEmmiter::Draw() {
  if (!m_active) return;
  D3DEngine* engine = GetD3DEngine();
  if (m_additive) engine->SetAdditiveBlend(true);
  m_buffer.Reset();
  m_write = m_buffer.Lock();
  m_particlesInUse = 0;
  for (GUI_BaseParticle& p : m_particles) {
    if (p.Draw()) ++m_particlesInUse;
  }
  m_buffer.Unlock();
  m_write = nullptr;
  if (m_particlesInUse > 0) {
    m_config->m_texture.Set();
    m_buffer.DrawVerts(m_particlesInUse * VERTS_PER_PARTICLE);
  }
  CreateNewParticles();
  if (m_particlesInUse == 0) m_active = false;
  if (m_additive) engine->SetAdditiveBlend(false);
}

bool ZMoreThan(const GUI_ParticleEmmiter* a, const GUI_ParticleEmmiter* b) { return a->GetZPos() > b->GetZPos(); }
