// The calendar strip and the cash read-out.
#include "Game.h"
#include "GTranslation.h"
#include "GUI_Calendar.h"
#include "GUI_CalendarDay.h"
#include "GUI_Cash.h"
#include "GUI_NamedObject.h"
#include "GUI_Tooltip.h"
#include "HudTestSupport.h"
#include "SIM_Calendar.h"
#include "SIM_Date.h"
#include "SIM_Finances.h"
#include "SIM_SIM.h"

using namespace guitest;

TEST(Cash, AmountsAreWrittenAsTheReadOutShowsThem) {
  struct Case {
    float cash;
    const char* shown;
  };
  const Case cases[] = {
      {99.5f, "GBP 99.50"},          {1234567.89f, "GBP 1,234,567"}, {-250.0f, "GBP -250.00"},
      {100.0f, "GBP 100"},           {0.0f, "GBP 0.00"},             {1.0e30f, "GBP 1,000,000,000,000,000"},
  };
  for (const Case& c : cases) EXPECT_EQ(GUI_Cash::FormatCash(c.cash, "GBP"), c.shown) << c.cash;
}

TEST_F(GuiTest, CashReadOutDrawsLabelAndAmountInTheChosenCurrency) {
  GetGame()->SetCurrency("EUR");
  SIM_GetFinances()->SetCash(1234567.89f);
  GUI_Cash* cash = GUI_GetCash();
  EXPECT_EQ(GUI_NamedObject::GetByName("Cash"), cash);
  cash->Draw();  // lays itself out on the first draw
  EXPECT_TRUE(cash->IsLaidOut());
  EXPECT_EQ(cash->GetRect()->left, 376);
  EXPECT_EQ(cash->GetRect()->top, 722);
  const DrawRecord* amount = D3DEngine::GetRecorder().FindText("EUR 1,234,567");
  ASSERT_NE(amount, nullptr);
  EXPECT_FLOAT_EQ(amount->left, 376.0f + 108.0f);
  EXPECT_EQ(amount->a(), 255);
  const DrawRecord* label = D3DEngine::GetRecorder().FindText("Money");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->a(), 0x80);
}

TEST_F(GuiTest, CalendarLabelsTheWeekFromToday) {
  SIM_Date::Open();
  SIM_Date::PPresentDay->SetDayOfWeek(5);  // Saturday
  GUI_Calendar* calendar = GUI_GetCalendar();
  calendar->Initialise();
  EXPECT_FALSE(calendar->GetCloseOnRestart());
  EXPECT_TRUE(GUI_GetWindowManager()->IsRegistered(calendar));
  EXPECT_EQ(calendar->GetCell(0)->GetLabel(), "Sat");
  EXPECT_EQ(calendar->GetCell(1)->GetLabel(), "Sun");
  EXPECT_EQ(calendar->GetCell(2)->GetLabel(), "Mon");
  EXPECT_EQ(calendar->GetCell(6)->GetLabel(), "Fri");
  EXPECT_EQ(calendar->GetCell(3)->GetRect()->left, 150 + 3 * 38);

  D3DEngine::GetRecorder().Clear();
  calendar->Draw();
  EXPECT_TRUE(D3DEngine::GetRecorder().HasText("Saturday"));
  EXPECT_TRUE(D3DEngine::GetRecorder().HasText(SIM_Date::GetMonthName(SIM_Date::PPresentDay->GetMonth())));
  // Today's pointer: one black 24 x 8 marker under the first cell.
  std::vector<DrawRecord> pointer = hudtest::QuadsOf("calendar_pointer.png");
  ASSERT_EQ(pointer.size(), 1u);
  EXPECT_EQ(pointer[0].r(), 0);
  EXPECT_FLOAT_EQ(pointer[0].Width(), 24.0f);
  EXPECT_NEAR((pointer[0].top + pointer[0].bottom) / 2.0f, 55.0f, 0.5f);
  // The cells' labels come from the text cache, recorded in the first frame.
  EXPECT_EQ(hudtest::QuadsOf("calendar_day.png").size(), 7u);
}

// With the shipped fonts, every day name and every month stays left of the shelf of day cells,
// and every activities line stays right of today's pointer, whatever the day.
TEST_F(GuiTest, CalendarTextsStayClearOfTheDayCells) {
  SIM_Date::Open();
  GUI_Calendar* calendar = GUI_GetCalendar();
  calendar->Initialise();
  const GUI_CalendarDay* today = calendar->GetCell(0);
  const float shelfLeft = (float)today->GetRect()->left - 2.0f;  // the cells' shelf starts here
  const float pointerRight = today->GetCenterX() + 12.0f;
  for (int month = 0; month < 12; ++month) {
    for (int day = 0; day < 7; ++day) {
      SIM_Date date(3, month, 2026);
      date.SetDayOfWeek(day);
      SIM_Date::PPresentDay->Set(&date);
      D3DEngine::GetRecorder().Clear();
      calendar->Draw();
      const DrawRecord* name = D3DEngine::GetRecorder().FindText(calendar->GetDayName(day));
      ASSERT_NE(name, nullptr) << day;
      EXPECT_LE(name->right, shelfLeft) << calendar->GetDayName(day);
      const std::string monthText = SIM_Date::GetMonthName(month) + " 2026";
      const DrawRecord* monthRecord = D3DEngine::GetRecorder().FindText(monthText);
      ASSERT_NE(monthRecord, nullptr) << monthText;
      EXPECT_LE(monthRecord->right, shelfLeft) << monthText;
    }
  }
  for (int left = 0; left < 3; ++left) {
    SIM_GetSim()->SetSlots(2, 2 - left);
    D3DEngine::GetRecorder().Clear();
    calendar->Draw();
    const DrawRecord* line = D3DEngine::GetRecorder().FindText(calendar->GetActivityText(left));
    ASSERT_NE(line, nullptr) << left;
    EXPECT_GE(line->left, pointerRight) << line->text;
  }
}

TEST_F(GuiTest, CalendarShowsHowManyActivitiesAreLeft) {
  SIM_Date::Open();
  GUI_Calendar* calendar = GUI_GetCalendar();
  calendar->Initialise();
  struct Case {
    int slots, used;
    const char* key;
  };
  const Case cases[] = {{2, 0, "ACTIVTITES_LEFT_2"}, {2, 1, "ACTIVTITES_LEFT_1"}, {1, 1, "ACTIVTITES_LEFT_0"},
                        {3, 0, "ACTIVTITES_LEFT_0"}};
  for (const Case& c : cases) {
    SIM_GetSim()->SetSlots(c.slots, c.used);
    D3DEngine::GetRecorder().Clear();
    calendar->Draw();
    EXPECT_TRUE(D3DEngine::GetRecorder().HasText(GTranslation::GetString(c.key))) << c.key;
  }
}

// Only days with entries show the icon and take the hover; a day that lost its entries shows
// neither, whatever its tooltip said before.
TEST_F(GuiTest, CalendarMarksDaysWithEntries) {
  SIM_Date::Open();
  GUI_Calendar* calendar = GUI_GetCalendar();
  calendar->Initialise();
  SIM_Date inTwoDays;
  inTwoDays.Set(SIM_Date::PPresentDay);
  inTwoDays.IncrementDays(2);
  SIM_GetCalendar()->AddEntry(inTwoDays, "Dentist");
  SIM_GetCalendar()->AddEntry(inTwoDays, "Bowling");
  // The first entry's hint is not what this test looks at.
  while (!GUI_GetWindowManager()->GetModals().empty()) delete GUI_GetWindowManager()->GetModals().front();
  GUI_CalendarDay* cell = calendar->GetCell(2);
  ASSERT_TRUE(cell->HasEntries());
  EXPECT_FALSE(calendar->GetCell(1)->HasEntries());
  EXPECT_EQ(cell->GetTooltip()->GetText(), "Dentist, Bowling");

  MoveMouse(cell->GetCenterX(), cell->GetCenterY());
  for (int i = 0; i < 40; ++i) {
    D3DEngine::GetRecorder().Clear();
    Frame();
  }
  std::vector<DrawRecord> icons = hudtest::QuadsOf("calendar_icon.png");
  ASSERT_EQ(icons.size(), 1u);
  EXPECT_NEAR((icons[0].left + icons[0].right) / 2.0f, cell->GetCenterX(), 0.5f);
  EXPECT_EQ(icons[0].g(), 168);
  EXPECT_TRUE(D3DEngine::GetRecorder().HasText("Dentist, Bowling"));

  SIM_GetCalendar()->RemoveByName("Dentist");
  SIM_GetCalendar()->RemoveByName("Bowling");
  EXPECT_FALSE(cell->HasEntries());
  for (int i = 0; i < 40; ++i) {
    D3DEngine::GetRecorder().Clear();
    Frame();
  }
  EXPECT_TRUE(hudtest::QuadsOf("calendar_icon.png").empty());
  EXPECT_FALSE(D3DEngine::GetRecorder().HasText("Dentist"));
}
