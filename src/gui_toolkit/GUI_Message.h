#pragma once
// How the game tells the player that something happened: a dialog with a title and a text
// (GUI_Message), or the same with a 64 x 64 picture at the left (GUI_TextureMessage). Callers
// pass translated texts; "<RAVEZIRER>" in the text becomes the player's forename. Any number may
// be open; each closes with its close button or Escape. The window fits its height to the text
// on its first draw.
//
//   GUI_Message::Create(text, GTranslation::GetString("UNLOCKED_ACTIVITY_TITLE"));
//   GUI_TextureMessage::Create("pet_dog.dds", text, title);
#include <string>

#include "BaseSprite.h"
#include "GUI_Dialog.h"

class GUI_Message : public GUI_Dialog {
 public:
  static constexpr float kWidth = 420.0f;
  static constexpr float kHeight = 220.0f;

  // A new window with the text and the dialog title; nothing else is closed or replaced.
  static GUI_Message* Create(const std::string& text, const std::string& title);

  explicit GUI_Message(const std::string& text);
  ~GUI_Message() override;
  void Draw() override;

  // The text with the player's forename put in; size 420 x 220, centred, not laid out.
  void Initialise(const std::string& text);
  const std::string& GetText() const { return m_text; }
  bool IsLaidOut() const { return m_laidOut; }

 protected:
  std::string m_text;
  bool m_laidOut = false;
};

class GUI_TextureMessage : public GUI_Message {
 public:
  static constexpr float kPictureSize = 64.0f;
  static constexpr size_t kTitleKept = 29;  // a title of this many characters or more is cut

  static GUI_TextureMessage* Create(const std::string& texture, const std::string& text, const std::string& title);

  GUI_TextureMessage(const std::string& texture, const std::string& text, const std::string& title);
  ~GUI_TextureMessage() override;
  void Draw() override;

  const std::string& GetTexture() const { return m_texture; }
  // The title as shown: the first 29 characters and "..." once it has 29 or more.
  static std::string ShortTitle(const std::string& title);

 private:
  BaseSprite m_picture;
  std::string m_texture;
  float m_wrapWidth = 0.0f;
};
