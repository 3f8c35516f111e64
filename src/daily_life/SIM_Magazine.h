#pragma once
// The magazine titles ("data/simulation/magazines.csv"). Each title puts one new issue on sale
// every week; the issues bought are assets (SIM_MagazineAsset) read a little every night.
#include <list>
#include <string>

class CSV;
class SIM_MagazineAsset;

class SIM_Magazine {
 public:
  SIM_Magazine();           // joins All
  virtual ~SIM_Magazine();  // leaves All and deletes every issue of the title

  static void Open(const char* file = "data/simulation/magazines.csv");
  static void Close();
  static void RefreshAll();
  static void UpdateAll();  // a new week's issues on day 4 of the week
  static SIM_Magazine* GetByName(const std::string& name);
  static std::list<SIM_Magazine*> All;

  void Load(CSV& row);
  void Read();     // the title's read script, then the common one
  void Refresh();  // the unowned issues go; one new issue while at most 2 are held
  SIM_MagazineAsset* AddIssue();
  // For a loaded game: the issue at that place among the title's (0 the first made), made anew
  // while the title has fewer.
  SIM_MagazineAsset* GetIssue(size_t index);
  // For a loaded game: the first issue not yet owned, made anew when every one is.
  SIM_MagazineAsset* GetUnownedIssue();

  const std::string& GetName() const { return m_name; }
  const std::string& GetGUIName() const { return m_guiName; }
  const std::string& GetDescription() const { return m_description; }
  const std::string& GetTextureName() const { return m_texture; }
  const std::string& GetReadScript() const { return m_readScript; }
  float GetPrice() const { return m_price; }
  std::list<SIM_MagazineAsset*>& GetIssues() { return m_issues; }

  void SetName(const std::string& name) { m_name = name; }
  void SetPrice(float price) { m_price = price; }
  void SetReadScript(const std::string& script) { m_readScript = script; }

 private:
  std::string m_name;
  std::string m_guiName;
  std::string m_description;
  std::string m_texture;
  float m_price = 0.0f;
  std::list<SIM_MagazineAsset*> m_issues;
  std::string m_readScript;
};
