#pragma once
// The evening's reading: what the book gave, how well the player could concentrate, and the
// book's picture filling up from the bottom as its pages are read. Not modal; closing it ends the
// day's screen.
#include <string>

#include "CTexturedSprite.h"
#include "D3DTypes.h"
#include "GUI_Dialog.h"

class GUI_Concentration;
class SIM_Book;

class GUI_BookReading : public GUI_Dialog {
 public:
  static void Create(SIM_Book* book, int pagesToday, float concentration, bool readable);
  static void Close();

  GUI_BookReading(SIM_Book* book, int pagesToday, float concentration, bool readable);
  ~GUI_BookReading() override;  // the day's end screen follows

  void Draw() override;

  SIM_Book* GetBook() const { return m_book; }
  const std::string& GetMessage() const { return m_message; }
  float GetReadFraction() const { return m_fraction; }
  const RECT& GetPictureArea() const { return m_pictureArea; }
  // The picture's two pieces: the part read at full colour, the part unread faded above it.
  const CTexturedSprite& GetReadPart() const { return m_readPart; }
  const CTexturedSprite& GetUnreadPart() const { return m_unreadPart; }

  static GUI_BookReading* PTheWindow;

 private:
  SIM_Book* m_book;
  std::string m_message;
  std::string m_amountRead;
  CTexturedSprite m_readPart;
  CTexturedSprite m_unreadPart;
  GUI_Concentration* m_concentration = nullptr;  // a child window
  RECT m_pictureArea;
  float m_fraction = 0.0f;
};
