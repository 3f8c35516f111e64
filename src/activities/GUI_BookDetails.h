#pragma once
// A book's details: picture, description, pages and pages read, and the buttons to read an
// evening's worth or to sell it. Not modal; closed at the end of every day.
#include <string>

#include "BaseSprite.h"
#include "GUI_Dialog.h"

class GUI_ButtonText;
class SIM_Book;

class GUI_BookDetails : public GUI_Dialog {
 public:
  static void Create(SIM_Book* book);
  static void Close();
  static void Read(int);  // the read button
  static void Sell(int);  // the sell button

  explicit GUI_BookDetails(SIM_Book* book);
  ~GUI_BookDetails() override;

  void Draw() override;

  SIM_Book* GetBook() const { return m_book; }
  GUI_ButtonText* GetReadButton() const { return m_readButton; }
  GUI_ButtonText* GetSellButton() const { return m_sellButton; }

  static GUI_BookDetails* PTheWindow;

 private:
  static void Dismiss();  // closes without marking the day turn's moment

  SIM_Book* m_book;
  BaseSprite m_picture;
  GUI_ButtonText* m_readButton = nullptr;  // in the button list
  GUI_ButtonText* m_sellButton = nullptr;  // in the button list
  std::string m_pagesLabel;
  std::string m_pagesReadLabel;
};
