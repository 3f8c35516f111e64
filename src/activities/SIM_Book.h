#pragma once
// A book: read over several evenings, as many pages an evening as the player's concentration
// allows. Its use script carries what reading teaches, scaled by that concentration.
#include <list>
#include <string>

#include "SIM_Asset.h"

class SIM_Book : public SIM_Asset {
 public:
  static SIM_Book* Create() { return new SIM_Book; }

  SIM_Book();            // joins All
  ~SIM_Book() override;  // leaves All

  void Purchase() override;
  void Clicked() override;
  void LoadAssetSpecificData() override;  // the pages, then the click action
  bool AvailableToBuy() const override;   // never once finished

  // One evening of reading: ends the evening slot and opens the reading dialog.
  void Read();
  // True when every skill the book teaches that the player holds is already at 1.0 (and at
  // least one is held).
  bool IsRedundant() const;
  // The pages one evening reads at the concentration, at most the pages left.
  int PagesFor(float concentration) const;

  int GetPages() const { return m_pages; }
  int GetPagesRead() const { return m_pagesRead; }
  bool IsFinished() const { return m_pagesRead >= m_pages; }
  const std::string& GetClickAction() const { return m_clickAction; }
  void SetPages(int pages) { m_pages = pages; }
  void SetPagesRead(int pages) { m_pagesRead = pages; }
  void SetClickAction(const std::string& action) { m_clickAction = action; }

  static SIM_Book* GetByName(const std::string& name);
  static std::list<SIM_Book*> All;
  static bool BJustBoughtBook;  // the shop shows its hint on closing

 private:
  int m_pages = 0;
  int m_pagesRead = 0;
  std::string m_clickAction;
};
