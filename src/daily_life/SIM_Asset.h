#pragma once
// The possessions and services the player can own ("data/simulation/assets.csv"), one object per
// row. Owning one is a flag on it, mirrored by a global named value of the asset's name (1 while
// owned) so that scripts, the commute and crime can ask about possessions by name. The class is
// also the factory: the row's class key chooses the kind of asset, and a kind reads its own
// columns from the same row through the kept tokenizer (LoadAssetSpecificData).
#include <list>
#include <string>
#include <vector>

#include "CSV.h"
#include "SIM_Modifier.h"

class SIM_Asset : public SIM_ModifierContainer {
 public:
  enum ASSETFLAGS { STEALABLE = 0, SELLABLE = 1, SERVICE = 2, REBUYABLE = 3, MEANSOFTRANSPORT = 4 };
  static constexpr int FLAG_COUNT = 5;
  enum SHOPPINGTAB { TAB_GENERAL = 0, TAB_PETS = 1, TAB_BOOKS = 2, TAB_MUSIC = 3 };

  struct AssetPreRequisite {
    std::string valueName;
    float minimum = 0.0f;
  };

  SIM_Asset();           // joins All
  ~SIM_Asset() override;  // leaves All, the assets panel and its details dialog

  // The table again: Close, then one asset per row. `file` is for tests; the game's table else.
  static void Open(const char* file = nullptr);
  static void Close();  // destroys every asset
  static SIM_Asset* Create(const std::string& classKey);
  static SIM_Asset* GetByName(const std::string& name);       // owned or not; null when absent
  static SIM_Asset* GetOwnedByName(const std::string& name);  // the first owned one, or null
  static int CountOwned();
  // Every owned asset's evening, then the loss of every asset whose upkeep failed.
  static void ProcessAll();
  static bool PrunePawned();  // the first pawned asset is lost; false when none is pawned
  static void StealAssets();  // a burglary: half the stealable possessions, at least one
  static bool StealRandomAsset();
  static std::list<SIM_Asset*> All;

  virtual void Purchase();
  virtual void Sell();     // ownership ends and the resale value is paid
  virtual void Clicked();  // the details dialog
  virtual void Load(const std::string& row, const std::string& origin = std::string());
  virtual void LoadAssetSpecificData() {}
  virtual void Process();
  virtual void InsufficientUpkeep();
  virtual bool AvailableToBuy() const { return m_flags[REBUYABLE] || !m_owned; }
  virtual float GetEffectiveness() const { return 1.0f; }

  void Use();        // the use script at scale 1.0
  void DisposeOf();  // used up or given away: ownership ends, nothing is paid
  void LoadAsOwned();  // a saved game's possession: owned with no payment, script or sound
  // False only when the use script picks a social event that cannot happen today.
  bool UsableToday() const;
  bool MeetsUsePreReqs() const;
  // One of the row's sounds; a pet has its own.
  virtual void PlaySound();

  bool IsOwned() const { return m_owned; }
  bool IsPawned() const { return m_pawned; }
  const std::string& GetName() const { return m_name; }
  const std::string& GetGUIName() const { return m_guiName; }
  const std::string& GetTextureName() const { return m_texture; }
  const std::string& GetDescription() const { return m_description; }
  const std::string& GetOwnedScript() const { return m_ownedScript; }
  const std::vector<std::string>& GetSounds() const { return m_sounds; }
  const std::vector<AssetPreRequisite>& GetUsePreReqs() const { return m_usePreReqs; }
  float GetDailyCost() const { return m_dailyCost; }
  float GetResaleValue() const { return m_resaleFraction * m_price; }
  float GetPurchaseCost() const { return m_price; }
  int GetMyTab() const { return m_tab; }
  bool GetFlag(int flag) const;  // false for any number outside the flags
  bool HasUseScript() const { return !m_useScript.empty(); }

  // For assets made in code rather than read from the table (tests, a gift in hand).
  void SetOwned(bool owned) { m_owned = owned; }
  void SetName(const std::string& name) { m_name = name; }
  void SetGUIName(const std::string& name) { m_guiName = name; }
  void SetTextureName(const std::string& name) { m_texture = name; }
  void SetDescription(const std::string& text) { m_description = text; }
  void SetOwnedScript(const std::string& script) { m_ownedScript = script; }
  void SetUseScript(const std::string& script) { m_useScript = script; }
  void SetDailyCost(float cost) { m_dailyCost = cost; }
  void SetPrice(float price, float resaleFraction) {
    m_price = price;
    m_resaleFraction = resaleFraction;
  }
  void SetFlag(int flag, bool on);
  void SetTab(int tab) { m_tab = tab; }

 protected:
  // The row being read: a kind's LoadAssetSpecificData goes on from the base's last column.
  CSV& GetCSV() { return m_csv; }
  void SetGlobalValue(float value);  // the named value of the asset's name, made when absent

  std::vector<AssetPreRequisite> m_usePreReqs;
  std::string m_description;
  std::vector<std::string> m_sounds;
  bool m_flags[FLAG_COUNT] = {};
  float m_dailyCost = 0.0f;
  std::string m_texture;
  std::string m_guiName;
  std::string m_name;
  bool m_pawned = false;
  CSV m_csv;
  bool m_owned = false;
  float m_price = 0.0f;
  float m_resaleFraction = 0.0f;
  int m_tab = TAB_GENERAL;
  std::string m_ownedScript;
  std::string m_useScript;
  std::string m_purchaseScript;
};
