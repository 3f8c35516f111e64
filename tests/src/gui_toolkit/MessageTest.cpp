// Message windows: the player's forename in the text, the picture message's cut title, and the
// height each fits to its text.
#include "GUI_Message.h"
#include "GuiToolkitTestSupport.h"
#include "SIM_Vede.h"

using namespace guitest;

namespace {

float LineHeight(const char* text, float wrap) {
  GetTextEngine()->SetCurrentFont("anime14.dds", 14.0f);
  return GetTextEngine()->GetWrappedHeight(text, wrap);
}

TEST_F(GuiTest, MessageTextCarriesTheForenameHoweverLong) {
  SIM_GetVede()->SetNames("Mira", "Holt");
  GUI_Message* m = GUI_Message::Create("<RAVEZIRER>, oh <RAVEZIRER>!", "News");
  EXPECT_EQ(m->GetText(), "Mira, oh Mira!");
  EXPECT_EQ(m->GetTitle(), "News");

  // A typed name is not bounded by any buffer: a text well past 2048 characters keeps every byte.
  const std::string name(1500, 'n');
  SIM_GetVede()->SetNames(name, "");
  GUI_Message* big = GUI_Message::Create("<RAVEZIRER> and <RAVEZIRER>.", "");
  EXPECT_EQ(big->GetText(), name + " and " + name + ".");
}

TEST_F(GuiTest, MessagesStackAndFitTheirText) {
  GUI_Message* a = GUI_Message::Create("One line.", "A");
  GUI_Message* b = GUI_Message::Create("One line.", "B");
  GUI_Message* c = GUI_Message::Create("One line.", "C");
  const auto& windows = GUI_GetWindowManager()->GetWindows();
  ASSERT_EQ(windows.size(), 3u);
  EXPECT_EQ(windows.front(), a);
  EXPECT_EQ(windows.back(), c);
  EXPECT_FALSE(b->IsLaidOut());
  EXPECT_EQ(a->GetWidth(), 420.0f);
  EXPECT_EQ(a->GetRect()->left, (1024 - 420) / 2);

  const int top = a->GetRect()->top;
  a->Draw();
  EXPECT_TRUE(a->IsLaidOut());
  EXPECT_EQ(a->GetRect()->bottom, (int)((float)top + 110.0f + LineHeight("One line.", 400.0f - 40.0f)));
  EXPECT_TRUE(D3DEngine::GetRecorder().HasText("One line."));
}

TEST_F(GuiTest, PictureMessageCutsALongTitleAndKeepsAMinimumHeight) {
  struct Case {
    std::string title, shown;
  };
  const std::string t28(28, 'a'), t29(29, 'b'), t40 = std::string(29, 'c') + "defghijklmn";
  const Case cases[] = {
      {"Short", "Short"},
      {t28, t28},
      {t29, t29 + "..."},
      {t40, std::string(29, 'c') + "..."},
  };
  for (const Case& c : cases) {
    GUI_TextureMessage* m = GUI_TextureMessage::Create("postit.dds", "Hello.", c.title);
    EXPECT_EQ(m->GetTitle(), c.shown) << c.title.size();
  }

  GUI_TextureMessage* m = GUI_TextureMessage::Create("postit.dds", "One line.", "Title");
  const int top = m->GetRect()->top;
  m->Draw();
  EXPECT_EQ(m->GetRect()->bottom, top + 170);
  // The picture is 64 pixels square, centred 50 pixels into the client area.
  const DrawRecord* picture = D3DEngine::GetRecorder().FindTexture("postit.png");
  ASSERT_NE(picture, nullptr) << D3DEngine::GetRecorder().Dump();
  EXPECT_EQ(picture->Width(), 64.0f);
  EXPECT_EQ(picture->left, (float)m->GetClientArea().left + 18.0f);
}

}  // namespace
