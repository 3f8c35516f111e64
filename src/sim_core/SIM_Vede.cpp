#include "SIM_Vede.h"

#include <cstdlib>

#include "CSpreadsheet.h"
#include "GDebug.h"
#include "GRandom.h"
#include "GTranslation.h"
#include "GUI_Avatar.h"
#include "GUI_Backdrop.h"
#include "GUI_MindState.h"
#include "GUI_Skills.h"
#include "SIM_Attribute.h"
#include "SIM_CommuteMethod.h"
#include "SIM_Description.h"
#include "SIM_GameConfig.h"
#include "SIM_Industry.h"
#include "SIM_JobBase.h"
#include "SIM_JobInstance.h"
#include "SIM_Skill.h"
#include "SIM_Statistics.h"
#include "SIM_Vorla.h"

namespace {
float ClampVedeValue(float v) {
  if (!(v >= 0.0f)) return 0.0f;
  return v > 1.0f ? 1.0f : v;
}

// The attributes the player character's own rules read; the table must hold them all.
const char* const kRequiredAttributes[] = {
    "happiness",    "stress",       "tiredness",     "fitness",           "confidence",
    "loneliness",   "optimism",     "boredom",       "alcohol",           "iq",
    "iq_reasoning", "iq_logic",     "iq_knowledge",  "iq_problemsolving", "culture",
    "culture_arts", "culture_literature", "culture_knowledge"};

// A lookup that leaves the list's order alone: the derived values are recomputed after every
// change, and the mind-state panel shows the attributes in list order.
SIM_Attribute* FindAttribute(SIM_NamedValueList& list, const char* name) {
  for (SIM_NamedValue* value : list.GetRawList()) {
    if (value->GetName() == name) return dynamic_cast<SIM_Attribute*>(value);
  }
  return nullptr;
}
}  // namespace

SIM_Vede* SIM_GetVede() {
  static SIM_Vede* vede = new SIM_Vede();
  return vede;
}

SIM_Vede::SIM_Vede() {
  m_gender = SIM_FEMALE;
  m_portrait = "mystery.dds";
  SetNames("You", "");
  m_attributes.SetName("attributes");
}

SIM_Vede::~SIM_Vede() { delete m_jobInstance; }

void SIM_Vede::SetNames(const std::string& forename, const std::string& surname) {
  m_forename = forename;
  m_surname = surname;
  m_fullName = forename + " " + surname;
}

void SIM_Vede::Initialise() {
  Release();
  SIM_GameConfig* config = SIM_GetGameConfig();
  GetGenderFromTexture(config->GetAvatarTexture().c_str());
  SetNames(config->GetAvatarForeName(), config->GetAvatarLastName());
  m_age = 20;
  m_attributes.SetName("attributes");
  LoadAttributes();
  SIM_GetVorla()->Initialise();
  SetJob(SIM_JobBase::ChooseRandom());
  if (GetJob()) {
    GetJob()->SetCommuteDistance(GRandom::RandReal(0.1f, 3.0f));
    if (m_jobInstance) m_jobInstance->SetDaysInJob(2);
    SIM_CommuteMethod::SetMethodByName("walk");
  }
  RecalcAttributes();
}

void SIM_Vede::LoadAttributes(const char* file) {
  // The previous game's attributes and skills go now, effects included, so nothing of that game
  // is left pointing into a list that no longer exists.
  std::list<SIM_NamedValue*> oldAttributes = m_attributes.GetRawList();
  std::list<SIM_NamedValue*> oldSkills = m_skills.GetRawList();
  m_attributes.RemoveAll();
  m_skills.RemoveAll();
  for (SIM_NamedValue* value : oldAttributes) delete value;
  for (SIM_NamedValue* value : oldSkills) delete value;

  CSpreadsheet table(file);
  for (size_t i = 0; i < table.size(); ++i) {
    std::string origin = table.Origin(i);
    SIM_Attribute* attribute = new SIM_Attribute();
    attribute->Load(table[i].c_str(), origin.c_str());
    if (attribute->GetName().empty()) {
      std::string text = GFormat("Attribute row without a name in %s", origin.c_str());
      GWarnOnce(text, text.c_str(), __FILE__, __LINE__);
      delete attribute;
      continue;
    }
    if (FindAttribute(m_attributes, attribute->GetName().c_str())) {
      std::string text = GFormat("Attribute \"%s\" listed twice; the second row in %s is ignored",
                                 attribute->GetName().c_str(), origin.c_str());
      GWarnOnce(text, text.c_str(), __FILE__, __LINE__);
      delete attribute;
      continue;
    }
    m_attributes.AddValue(attribute);
  }
  for (const char* name : kRequiredAttributes) {
    if (!FindAttribute(m_attributes, name)) {
      std::string text = GFormat("Attribute \"%s\" missing from %s", name, file);
      GWarnOnce(text, text.c_str(), __FILE__, __LINE__);
    }
  }

  SIM_GameConfig* config = SIM_GetGameConfig();
  float iq = 0.5f * config->GetVariable(SIM_GameConfig::CONFIGVAR_IQ);
  InitAttrib("iq_reasoning", iq);
  InitAttrib("iq_logic", iq);
  InitAttrib("iq_knowledge", iq);
  InitAttrib("iq_problemsolving", iq);
  float culture = 0.5f * config->GetVariable(SIM_GameConfig::CONFIGVAR_CULTURE);
  InitAttrib("culture_knowledge", culture);
  InitAttrib("culture_arts", culture);
  InitAttrib("culture_literature", culture);
  InitAttrib("happiness",
             0.25f + 0.25f * config->GetVariable(SIM_GameConfig::CONFIGVAR_HAPPINESS));
  InitAttrib("confidence",
             0.125f + 0.125f * config->GetVariable(SIM_GameConfig::CONFIGVAR_CONFIDENCE));

  SIM_Attribute::ResolveLinks();
}

void SIM_Vede::InitAttrib(const char* name, float value) {
  SIM_Attribute* attribute = FindAttribute(m_attributes, name);
  if (attribute) attribute->SetBaseValue(ClampVedeValue(value));
}

void SIM_Vede::GetGenderFromTexture(const char* texture) {
  char first = texture ? texture[0] : '\0';
  if (first == 'm') {
    m_gender = SIM_MALE;
  } else if (first == 'f') {
    m_gender = SIM_FEMALE;
  } else {
    m_gender = SIM_FEMALE;
    GErrorOnce("avatar filename must start with m or f", "avatar filename must start with m or f",
               __FILE__, __LINE__);
  }
}

float SIM_Vede::GetValue(const std::string& name) {
  if (SIM_NamedValue* attribute = m_attributes.GetNamedValue(name)) return attribute->GetValue();
  if (SIM_NamedValue* skill = m_skills.GetNamedValue(name)) return skill->GetValue();
  if (SIM_NamedValue* global = SIM_NamedValueList::Globals.GetNamedValue(name)) {
    return global->GetValue();
  }
  if (name == "income") return m_jobInstance ? m_jobInstance->GetCurrentSalary() : 0.0f;
  return 0.0f;
}

SIM_NamedValue* SIM_Vede::GetNamedValue(const std::string& name, bool create) {
  if (SIM_NamedValue* attribute = m_attributes.GetNamedValue(name)) return attribute;
  if (SIM_NamedValue* skill = m_skills.GetNamedValue(name)) return skill;
  if (!create) return nullptr;
  SIM_NamedValue* value =
      new SIM_NamedValue(name, GTranslation::GetString(("nv_" + name).c_str()), 0.0f);
  m_skills.AddValue(value);
  return value;
}

float SIM_Vede::GetAdjustedEffect(const std::string& name, float amount) {
  if (name == "tiredness" && amount > 0.0f) return amount * (1.0f - 0.8f * GetValue("fitness"));
  return amount;
}

void SIM_Vede::ApplyEffect(const std::string& name, float amount, float degrade,
                           const std::string& source) {
  GAssert(amount > -1000.0f && amount < 1000.0f, __FILE__, __LINE__);
  float adjusted = GetAdjustedEffect(name, amount);

  if (name == "alcohol" && amount > 0.0f) {
    ApplyEffect("confidence", 0.4f * amount, degrade, source);
    ApplyEffect("stress", -0.4f * amount, degrade, source);
  }

  if (SIM_NamedValue* value = m_attributes.GetNamedValue(name)) {
    SIM_Attribute* attribute = dynamic_cast<SIM_Attribute*>(value);
    if (attribute) {
      attribute->AddEffect(adjusted, degrade, source);
      attribute->SetRecentlyChanged();
    } else {
      value->ProcOperator("+=", adjusted);
    }
  } else {
    if (SIM_NamedValue* skill = m_skills.GetNamedValue(name)) {
      // The marker shows what the clamp to 0..1 let through.
      const float before = skill->GetValue();
      skill->ProcOperator("+=", adjusted);
      skill->ShowEffect(skill->GetValue() - before);
    } else if (name.find("glob_") != std::string::npos) {
      SIM_NamedValue* global = SIM_NamedValueList::Globals.GetNamedValue(name);
      if (global) {
        global->ProcOperator("+=", adjusted);
      } else {
        SIM_NamedValueList::Globals.AddValue(new SIM_NamedValue(name, name, adjusted));
      }
    } else {
      SIM_Skill* added = new SIM_Skill(name);
      const float before = added->GetValue();
      added->ProcOperator("+=", adjusted);
      m_skills.AddValueToFront(added);
      if (GUI_Skills::PTheWindow) GUI_Skills::PTheWindow->Refresh();
      added->ShowEffect(added->GetValue() - before);
    }
    if (GUI_Skills::PTheWindow) GUI_Skills::PTheWindow->Refresh();
  }
  RecalcAttributes();
  // After the value has moved, so a drink sways the skyline from the very next frame.
  GUI_Backdrop::Refresh();
}

float SIM_Vede::LonelinessFor(float calculated, int friends) {
  float value = calculated;
  if (friends < 4 && value < 0.25f) value = 0.25f;
  if (friends < 3 && value < 0.5f) value = 0.5f;
  return ClampVedeValue(value);
}

float SIM_Vede::HappinessFor(float calculated, float optimism, float stress, float loneliness,
                             float boredom) {
  return ClampVedeValue(calculated + 0.2f * (optimism - 0.5f) - 0.25f * (stress - 0.5f) -
                 0.25f * (loneliness - 0.5f) - 0.25f * (boredom - 0.5f));
}

float SIM_Vede::AttributeValue(const char* name) {
  SIM_Attribute* attribute = FindAttribute(m_attributes, name);
  return attribute ? ClampVedeValue(attribute->GetValue()) : 0.0f;
}

void SIM_Vede::RecalcAttributes() {
  m_attributes.Calculate();

  if (SIM_Attribute* loneliness = FindAttribute(m_attributes, "loneliness")) {
    loneliness->CalculateValue();
    loneliness->SetValue(LonelinessFor(loneliness->GetValue(), CountFriendships()));
  }

  if (SIM_Attribute* happiness = FindAttribute(m_attributes, "happiness")) {
    happiness->CalculateValue();
    // A term whose attribute is missing pulls neither way.
    auto term = [this](const char* name) {
      return FindAttribute(m_attributes, name) ? AttributeValue(name) : 0.5f;
    };
    float value = HappinessFor(happiness->GetValue(), term("optimism"), term("stress"),
                               term("loneliness"), term("boredom"));
    happiness->SetValue(value);
    MOOD mood = value < 0.25f ? MOOD_SAD : (value < 0.75f ? MOOD_NEUTRAL : MOOD_HAPPY);
    GUI_GetAvatar()->SetMood(mood);
  }

  if (SIM_Attribute* iq = FindAttribute(m_attributes, "iq")) {
    float mean = (AttributeValue("iq_reasoning") + AttributeValue("iq_logic") +
                  AttributeValue("iq_knowledge") + AttributeValue("iq_problemsolving")) /
                 4.0f;
    iq->SetValue(ClampVedeValue(mean));
  }
  if (SIM_Attribute* culture = FindAttribute(m_attributes, "culture")) {
    float mean = (AttributeValue("culture_arts") + AttributeValue("culture_literature") +
                  AttributeValue("culture_knowledge")) /
                 3.0f;
    culture->SetValue(ClampVedeValue(mean));
  }

  SIM_Statistics* statistics = SIM_GetStatistics();
  statistics->CheckHighest(AttributeValue("iq"), "HIGHEST_IQ");
  statistics->CheckHighest(AttributeValue("culture"), "HIGHEST_CULTURE");

  GUI_GetMindState()->Refresh();
}

float SIM_Vede::GetConcentration() {
  float t = GetValue("tiredness");
  float s = GetValue("stress");
  float a = GetValue("alcohol");
  m_tirednessTerm = t * t * t;
  m_alcoholTerm = a * a;
  m_stressTerm = s * s * s;
  return ClampVedeValue(1.0f - m_tirednessTerm - m_stressTerm - m_alcoholTerm);
}

bool SIM_Vede::IsTired() { return GetValue("tiredness") > 0.8f; }

void SIM_Vede::SetJob(SIM_JobBase* job) {
  SIM_Person::SetJob(job);
  SIM_CommuteMethod::CheckValidMethod();
  delete m_jobInstance;
  m_jobInstance = job ? SIM_JobInstance::Create(job) : nullptr;
  SIM_GetDescription()->Compose();
  SIM_Industry::ClearGlobalFlags();
  if (job) {
    SIM_NamedValueList::ForceGlobal(job->GetIndustryName(), 1.0f);
    job->CalcInitialLastEarnings();
  }
}

float SIM_Vede::CountSkillPoints() {
  float sum = 0.0f;
  for (SIM_NamedValue* skill : m_skills.GetRawList()) sum += skill->GetValue() * 100.0f;
  return sum;
}

int SIM_Vede::GetAccomplishment() {
  int count = 0;
  for (SIM_NamedValue* skill : m_skills.GetRawList()) {
    if (skill->GetValue() >= 1.0f) ++count;
  }
  return count;
}

void SIM_Vede::_dbg_CheatEffect(const char* name, float amount) {
  ApplyEffect(name ? name : "", amount, 1.0f, "cheat");
}
