#include "GUI_YearReviewStat.h"

#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_Colours.h"

GUI_YearReviewStat::GUI_YearReviewStat(const char* labelKey, int value)
    : m_label(GTranslation::GetString(labelKey)), m_value(GFormat("%d", value)) {}

void GUI_YearReviewStat::Draw() {
  AddText(m_label.c_str(), 0.0f, 0.0f, kBlack);
  AddText(m_value.c_str(), VALUE_X, 0.0f, kBlack);
}
