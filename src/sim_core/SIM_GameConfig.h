#pragma once
// What the new-game screen sets before a game starts: the character's names and avatar texture,
// and four starting levels (0..100) from which the player's first attribute values follow.
#include <string>

class SIM_GameConfig {
 public:
  enum CONFIGVAR {
    CONFIGVAR_IQ = 0,          // the four IQ attributes
    CONFIGVAR_CULTURE = 1,     // the three culture attributes
    CONFIGVAR_HAPPINESS = 2,
    CONFIGVAR_CONFIDENCE = 3,
    CONFIGVAR_COUNT = 4
  };

  SIM_GameConfig();

  const std::string& GetAvatarForeName() const { return m_firstName; }
  const std::string& GetAvatarLastName() const { return m_surname; }
  const std::string& GetAvatarTexture() const { return m_avatarTexture; }
  void SetAvatarForeName(const std::string& name) { m_firstName = name; }
  void SetAvatarLastName(const std::string& name) { m_surname = name; }
  void SetAvatarTexture(const std::string& texture) { m_avatarTexture = texture; }

  // The variable as a fraction (x 0.01); outside 0..3: "asked for invalid game config var", 0.
  float GetVariable(int var) const;
  int GetRawVariable(int var) const;
  // Raises one variable by up to 6 and takes the points from the others, two at a time.
  void IncreaseVar(int var);

 private:
  std::string m_avatarTexture;
  std::string m_firstName = "Corwin";
  std::string m_surname = "Tamsett";
  int m_variables[CONFIGVAR_COUNT] = {50, 50, 50, 50};
};

SIM_GameConfig* SIM_GetGameConfig();
