#pragma once
// The possessions and services the player can own ("data/simulation/assets.csv"). Stand-in until
// the work and daily-life subsystem arrives: the table is not read (Open, Close and ProcessAll are
// logged once and recorded, SIM_StandInLog), but an asset made in code behaves as the HUD expects:
// it is listed in All, shows on the assets panel while owned, opens its details on a click, and
// can be sold and used. The setters stand in for the table's columns.
#include <list>
#include <string>
#include <vector>

#include "CSV.h"

class SIM_Asset {
 public:
  enum ASSETFLAGS { STEALABLE = 0, SELLABLE = 1, SERVICE = 2, REBUYABLE = 3, MEANSOFTRANSPORT = 4 };
  static constexpr int FLAG_COUNT = 5;

  SIM_Asset();           // joins All
  virtual ~SIM_Asset();  // leaves All, the assets panel and its details dialog

  static void Open();
  static void Close();  // destroys every asset
  static void ProcessAll();
  static int CountOwned();
  static SIM_Asset* GetOwnedByName(const std::string& name);  // the first owned one, or null
  static std::list<SIM_Asset*> All;

  bool IsOwned() const { return m_owned; }
  const std::string& GetName() const { return m_name; }
  const std::string& GetGUIName() const { return m_guiName; }
  const std::string& GetTextureName() const { return m_texture; }
  const std::string& GetDescription() const { return m_description; }
  const std::string& GetOwnedScript() const { return m_ownedScript; }
  float GetDailyCost() const { return m_dailyCost; }
  float GetResaleValue() const { return m_resaleFraction * m_price; }
  float GetPurchaseCost() const { return m_price; }
  bool GetFlag(int flag) const;  // false for any number outside the flags
  bool HasUseScript() const { return !m_useScript.empty(); }
  // False only when the use script picks a social event that cannot happen today.
  bool UsableToday() const;

  void Use();             // the use script at scale 1.0
  virtual void Sell();    // ownership ends and the resale value is paid
  void DisposeOf();       // used up or given away: ownership ends, nothing is paid
  // The game-wide value of the name drops to 0, unless another asset of the name is still owned.
  void ReleaseNamedValue();
  virtual void Clicked();  // the details dialog
  // One of the asset's own sounds; a pet plays its own. Stand-in until the assets' sounds arrive.
  virtual void PlaySound();

  // What the kinds of asset (books, gifts, tickets, magazine issues) replace.
  struct AssetPreRequisite {
    std::string name;
    float minimum = 0.0f;
  };
  virtual void Purchase();              // owned, paid, its scripts run
  virtual void LoadAssetSpecificData() {}  // the kind's own columns, read on from the row
  virtual void Process();               // once an evening: the owned script, then the upkeep
  virtual void InsufficientUpkeep();    // the upkeep could not be paid: lost tonight
  virtual bool AvailableToBuy() const { return m_flags[REBUYABLE] || !m_owned; }
  virtual float GetEffectiveness() { return 1.0f; }
  bool IsPawned() const { return m_pawned; }
  bool MeetsUsePreReqs() const;  // every use prerequisite reached by the player
  const std::string& GetUseScript() const { return m_useScript; }
  void AddUsePreRequisite(const std::string& name, float minimum) { m_usePreReqs.push_back({name, minimum}); }

  // Stand-in only: what the table row would give.
  void SetOwned(bool owned) { m_owned = owned; }
  void SetName(const std::string& name) { m_name = name; }
  void SetGUIName(const std::string& name) { m_guiName = name; }
  void SetTextureName(const std::string& name) { m_texture = name; }
  void SetDescription(const std::string& text) { m_description = text; }
  void SetOwnedScript(const std::string& script) { m_ownedScript = script; }
  void SetUseScript(const std::string& script) { m_useScript = script; }
  void SetPurchaseScript(const std::string& script) { m_purchaseScript = script; }
  void SetDailyCost(float cost) { m_dailyCost = cost; }
  void SetPrice(float price, float resaleFraction) {
    m_price = price;
    m_resaleFraction = resaleFraction;
  }
  void SetFlag(int flag, bool on);
  // Social event types are not built yet, so whether a "SelectSocial" script can run today is
  // given here.
  void SetUsableToday(bool usable) { m_usableToday = usable; }

 protected:
  CSV m_row;  // the table row, kept so a kind of asset reads its own columns on
  bool m_pawned = false;
  std::vector<AssetPreRequisite> m_usePreReqs;

 private:
  bool m_owned = false;
  std::string m_name;
  std::string m_guiName;
  std::string m_texture = "mystery.dds";
  std::string m_description;
  std::string m_ownedScript;
  std::string m_useScript;
  std::string m_purchaseScript;
  float m_dailyCost = 0.0f;
  float m_price = 0.0f;
  float m_resaleFraction = 0.0f;
  bool m_flags[FLAG_COUNT] = {};
  bool m_usableToday = true;
};
