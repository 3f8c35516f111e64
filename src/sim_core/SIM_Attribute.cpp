#include "SIM_Attribute.h"

#include <cmath>
#include <cstdlib>

#include "CSV.h"
#include "ExitCleanup.h"
#include "GDebug.h"
#include "GUI_Attribute.h"
#include "GUI_ChangeNotifier.h"
#include "GUI_Indicator.h"

std::list<SIM_Effect*> SIM_Effect::All;
std::list<SIM_Attribute*> SIM_Attribute::All;

namespace {
// Whatever is still registered when the program exits is reclaimed before any static object is
// torn down, so an attribute's indicator and notifier can still leave their registries.
void ReleaseAttributesAtExit() {
  SIM_Attribute::Clear();
  while (!SIM_Effect::All.empty()) delete SIM_Effect::All.front();
}

float ClampAttributeValue(float v) {
  if (!(v >= 0.0f)) return 0.0f;
  return v > 1.0f ? 1.0f : v;
}
}  // namespace

// ---------------------------------------------------------------------------------------------
// SIM_Effect

SIM_Effect::SIM_Effect(float value, float degrade, const std::string& source)
    : m_degrade(degrade), m_value(value), m_source(source) {
  RegisterExitCleanup(ReleaseAttributesAtExit);
  All.push_back(this);
}

SIM_Effect::~SIM_Effect() {
  All.remove(this);
  if (m_ownerList) m_ownerList->remove(this);
}

void SIM_Effect::Process() {
  m_value *= m_degrade;
  if (m_value > 1.0f) m_value = 1.0f;
  if (m_value < -1.0f) m_value = -1.0f;
}

bool SIM_Effect::IsNegligible() const {
  if (m_value > 0.0f) return m_value < 0.001f;
  return m_value > -0.001f;
}

bool SIM_Effect::ClearDead() {
  for (SIM_Effect* effect : All) {
    if (effect->IsNegligible()) {
      delete effect;
      return true;
    }
  }
  return false;
}

void SIM_Effect::ProcessAllEffects() {
  for (SIM_Effect* effect : All) effect->Process();
  while (ClearDead()) {
  }
}

// ---------------------------------------------------------------------------------------------
// SIM_Attribute

SIM_Attribute::SIM_Attribute() : SIM_NamedValue("", "", 0.0f) { Init(); }

SIM_Attribute::SIM_Attribute(const char* name, const char* guiName, float base)
    : SIM_NamedValue(name ? name : "", guiName ? guiName : "", 0.0f) {
  Init();
  m_base = base;
}

void SIM_Attribute::Init() {
  RegisterExitCleanup(ReleaseAttributesAtExit);
  All.push_back(this);
}

SIM_Attribute::~SIM_Attribute() {
  All.remove(this);
  // Other attributes may still link here; they must not keep a dangling link.
  for (SIM_Attribute* other : All) {
    if (other->m_parent == this) other->m_parent = nullptr;
    if (other->m_opposite == this) other->m_opposite = nullptr;
    if (other->m_mirror == this) other->m_mirror = nullptr;
  }
  delete m_indicator;  // its destructor unlinks it from this attribute
  m_indicator = nullptr;
  // The effects in the list, and those the night detached but that still point into the list.
  while (!m_effects.empty()) delete m_effects.front();
  for (auto it = SIM_Effect::All.begin(); it != SIM_Effect::All.end();) {
    SIM_Effect* effect = *it;
    ++it;
    if (effect->GetList() == &m_effects) {
      effect->SetList(nullptr);
      delete effect;
    }
  }
}

void SIM_Attribute::Load(const char* row, const char* origin) {
  CSV csv;
  csv.Initialise(row ? row : "", ',', origin);
  csv.GetNextToken();  // the row marker
  m_name = csv.GetNextString();
  m_guiName = csv.GetNextString();
  m_oppositeName = csv.GetNextString();
  m_mirrorName = csv.GetNextString();
  m_base = csv.GetNextFloat();
  m_hidden = csv.GetNextInt() != 0;
  m_alwaysShown = csv.GetNextInt() != 0;
  m_feeling = csv.GetNextInt() != 0;
  m_highIsGood = csv.GetNextInt() != 0;

  std::string colour = csv.GetNextString();
  if (!colour.empty()) {
    CSV rgb;
    rgb.Initialise(colour.c_str(), ',', CSV::FieldOrigin(origin ? origin : "", colour.c_str()).c_str());
    m_graphColor.r = rgb.GetNextInt();
    m_graphColor.g = rgb.GetNextInt();
    m_graphColor.b = rgb.GetNextInt();
    m_graphColor.a = 255;
  }

  m_descriptionKey = csv.GetNextString();
  m_lowDescKey = csv.GetNextString();
  m_highDescKey = csv.GetNextString();

  std::string direction = csv.GetNextString();
  if (direction == "above") {
    m_warningDirection = WARN_ABOVE;
  } else if (direction == "below") {
    m_warningDirection = WARN_BELOW;
  }
  m_warningThreshold = csv.GetNextFloat();

  std::string parent = csv.GetNextString();
  if (!parent.empty()) {
    m_parent = GetAttribute(parent);
    if (!m_parent || m_parent == this) {
      m_parent = nullptr;
      std::string text = GFormat("Error finding parent attribute \"%s\" of \"%s\" in %s",
                                 parent.c_str(), m_name.c_str(), origin ? origin : "the table");
      GErrorOnce("SIM_Attribute parent:" + m_name, text.c_str(), __FILE__, __LINE__);
    }
    m_parentWeight = csv.GetNextFloat();
  }

  GUI_Indicator* indicator = GUI_Indicator::Create(this);
  m_indicator = indicator;
}

SIM_Attribute* SIM_Attribute::GetAttribute(const std::string& name) {
  for (SIM_Attribute* attribute : All) {
    if (attribute->m_name == name) return attribute;
  }
  return nullptr;
}

void SIM_Attribute::ResolveLinks() {
  for (SIM_Attribute* attribute : All) {
    if (!attribute->m_oppositeName.empty()) {
      attribute->m_opposite = GetAttribute(attribute->m_oppositeName);
    }
    if (!attribute->m_mirrorName.empty()) {
      attribute->m_mirror = GetAttribute(attribute->m_mirrorName);
      // A value cannot be one minus itself.
      if (attribute->m_mirror == attribute) attribute->m_mirror = nullptr;
    }
  }
}

void SIM_Attribute::CalculateValue() {
  if (m_mirror) {
    m_value = 1.0f - m_mirror->GetValue();
  } else {
    float sum = m_base;
    for (SIM_Effect* effect : m_effects) sum += effect->GetEffect();
    m_value = sum;
  }
  m_value = ClampAttributeValue(m_value);
}

void SIM_Attribute::AddEffect(float amount, float degrade, const std::string& source) {
  if (m_mirror) {
    std::string text = GFormat("Error: Attempt to affect %s when it should have been aimed at %s",
                               m_name.c_str(), m_mirror->GetName().c_str());
    GErrorOnce("SIM_Attribute mirror:" + m_name, text.c_str(), __FILE__, __LINE__);
    return;
  }
  if (m_value + amount > 1.0f) amount -= (m_value + amount - 1.0f);
  if (m_value + amount < 0.0f) amount -= (m_value + amount);

  SIM_Effect* permanent = nullptr;
  if (degrade == 1.0f) {
    for (SIM_Effect* effect : m_effects) {
      if (effect->GetDegrade() == 1.0f) {
        permanent = effect;
        break;
      }
    }
  }
  if (permanent) {
    permanent->ChangeEffect(amount);
  } else {
    AttachEffect(amount, degrade, source);
  }
  CalculateValue();

  // The markers tell the change actually applied: a clipped change shows what got through.
  if (m_opposite) {
    m_opposite->ShowEffect(-amount);
    m_opposite->SetRecentlyChanged();
  }
  if (m_parent) {
    m_parent->ShowEffect(amount);
    m_parent->SetRecentlyChanged();
  } else {
    ShowEffect(amount);
  }
}

SIM_Effect* SIM_Attribute::AttachEffect(float value, float degrade, const std::string& source) {
  SIM_Effect* effect = new SIM_Effect(value, degrade, source);
  m_effects.push_back(effect);
  effect->SetList(&m_effects);
  return effect;
}

void SIM_Attribute::ShowEffect(float amount) {
  if (m_indicator) {
    m_notifier->Initialise(amount, (float)m_indicator->rect.left, m_indicator->GetCenterY(),
                           m_highIsGood);
  }
  if (m_parent) m_parent->ShowEffect(amount);
}

void SIM_Attribute::Clicked() { GUI_Attribute::Create(this); }

bool SIM_Attribute::WarnPlayer() const {
  switch (m_warningDirection) {
    case WARN_BELOW:
      return m_warningThreshold > m_value;
    case WARN_ABOVE:
      return m_value > m_warningThreshold;
    default:
      return false;
  }
}

void SIM_Attribute::SetRecentlyChanged() {
  if (!m_parent) m_recentlyChanged = true;
}

void SIM_Attribute::ClearRecentlyChanged() {
  for (SIM_Attribute* attribute : All) attribute->m_recentlyChanged = false;
}

void SIM_Attribute::NextDay() {
  m_history.push_back(m_value);
  // Effects too small to count leave the list; SIM_Effect::ClearDead destroys them later.
  for (auto it = m_effects.begin(); it != m_effects.end();) {
    if (std::fabs((*it)->GetEffect()) < 0.002f) {
      it = m_effects.erase(it);
    } else {
      ++it;
    }
  }
}

void SIM_Attribute::NextDayAll() {
  for (SIM_Attribute* attribute : All) attribute->NextDay();
}

void SIM_Attribute::Clear() {
  while (!All.empty()) delete All.front();
}
