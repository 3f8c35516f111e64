#pragma once
// One issue of a magazine title: an asset read a little every night before bed, and gone once
// read to the end.
#include <list>

#include "SIM_Asset.h"

class SIM_Magazine;

class SIM_MagazineAsset : public SIM_Asset {
 public:
  explicit SIM_MagazineAsset(SIM_Magazine* magazine);
  ~SIM_MagazineAsset() override;

  void Clicked() override;  // the dialog
  // One night's reading; the issue is deleted when it is finished, so the caller must not touch
  // it afterwards.
  void Read();
  float GetReadPercentage() const { return m_read; }
  void SetReadPercentage(float read) { m_read = read; }
  SIM_Magazine* GetMagazine() const { return m_magazine; }

  // Once a day before bed: the first owned issue is read, unless the player is too tired.
  static void ProcessMagazines();
  static std::list<SIM_MagazineAsset*> All;

 private:
  SIM_Magazine* m_magazine;
  float m_read = 0.0f;
};
