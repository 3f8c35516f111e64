#pragma once
// What the load and save menus share: the sunset skyline with the menu strip, a panel with a title
// and a help text, a column of rows naming the saves of the save-games folder (sorted by name),
// scrolled one row at a time by two buttons or the mouse wheel, and the back button. When something
// the player asked for could not be done, a notice in red takes the help's place until the next
// visit or the next notice.
#include <string>
#include <vector>

#include "CTexturedSprite.h"
#include "D3DTypes.h"
#include "GUI_ButtonBase.h"
#include "GUI_MenuBase.h"
#include "SmartTexture.h"
#include "Win32Types.h"

class GUI_IconButton;

// One row of the list: a tiled panel naming a save. A row with no save shows its empty text (if
// any) in grey and does nothing when clicked. Rows belong to their menu, not to its button list.
class GUI_SaveRow : public GUI_ButtonBase {
 public:
  GUI_SaveRow(const std::string& caption, const std::string& emptyText);
  void Draw() override;
  const std::string& GetCaption() const { return m_caption; }
  bool IsEmpty() const { return m_caption.empty(); }

  static constexpr float kWidth = 400.0f;
  static constexpr float kHeight = 65.0f;
  static constexpr float kPitch = 67.0f;  // from one row's top to the next

 protected:
  std::string m_caption;  // the save's name, without ".xml"
  std::string m_emptyText;
};

class GUI_SaveListMenu : public GUI_MenuBase {
 public:
  // Title and help as shown; rows: how many saves the panel shows at once; the scroll buttons run
  // the two callbacks.
  GUI_SaveListMenu(const std::string& title, const std::string& help, int rows, GUI_ButtonBase::Callback scrollUp,
                   GUI_ButtonBase::Callback scrollDown);

  void MouseWheelUp() override { Scroll(-1); }
  void MouseWheelDown() override { Scroll(1); }

  // One row up (-1) or down (1), with the click sound, when the list allows it; otherwise nothing.
  // True when it moved.
  bool Scroll(int direction);
  bool CanScrollUp() const { return m_offset > 0; }
  bool CanScrollDown() const { return int(m_names.size()) - m_offset > m_rows; }

  static void MainMenu(int);  // the back button
  // The text cut with "..." to fit the width in the current font.
  static std::string Fit(const std::string& text, float width);

  void SetNotice(const std::string& text) { m_notice = text; }
  const std::string& GetNotice() const { return m_notice; }
  const std::vector<std::string>& GetNames() const { return m_names; }
  int GetScrollOffset() const { return m_offset; }
  GUI_IconButton* GetBackButton() const { return m_back; }
  GUI_IconButton* GetScrollUpButton() const { return m_scrollUp; }
  GUI_IconButton* GetScrollDownButton() const { return m_scrollDown; }
  const RECT& GetPanel() const { return m_panel; }

  static constexpr uint32_t kNoticeColour = VBColor(160, 16, 16);  // dark red

 protected:
  // The names of the saves in the folder now, sorted.
  void ReadFolder();
  // The first name shown: the offset, stopped at the end of the list.
  size_t FirstShown() const;
  // Runs after a scroll has moved the offset.
  virtual void Scrolled() = 0;

  // The click at the mouse offered to the rows in order; true when one took it. A row's click may
  // load a game, so nothing is touched after it.
  template <class Row>
  static bool ClickRows(const std::vector<Row*>& rows) {
    for (Row* row : rows)
      if (row->CheckClick(MouseX(), MouseY())) return true;
    return false;
  }
  static float MouseX();
  static float MouseY();
  // Panel, scroll buttons and strip placed for the screen size of now.
  void LayOut();
  // Scroll buttons enabled by the list; the skyline, the strip and the panel.
  void DrawBackground();
  // The title, and the help or the notice in its place.
  void DrawTexts();

  GUI_IconButton* m_back = nullptr;  // the buttons are owned by the list
  GUI_IconButton* m_scrollUp = nullptr;
  GUI_IconButton* m_scrollDown = nullptr;
  std::vector<std::string> m_names;
  int m_offset = 0;  // survives from one visit to the next
  int m_rows;
  std::string m_title;
  std::string m_help;
  std::string m_notice;
  SmartTexture m_background;
  CTexturedSprite m_strip;
  RECT m_panel{};
};
