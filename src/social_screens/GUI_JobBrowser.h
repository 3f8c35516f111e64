#pragma once
// The job browser: the open jobs of one industry, one advert at a time, paged by its arrows or the
// mouse wheel (no wrap-around), and an apply button for the job shown. Applying files an
// application whose answer comes by phone; however the browser closes, the end of the evening
// activity's GUI step runs (pending messages delivered, the phone may ring).
#include <cstddef>
#include <string>

#include "GUI_Dialog.h"

class GUI_ButtonText;
class GUI_IconButton;
class GUI_JobAd;
class SIM_Industry;
class SIM_JobBase;

class GUI_JobBrowser : public GUI_Dialog {
 public:
  static constexpr float kWidth = 450.0f;
  static constexpr float kHeight = 531.0f;

  static void Create(SIM_Industry* industry);
  static void Close();
  static bool IsOpen() { return PTheWindow != nullptr; }
  static void GoBack(int);     // back to the industry chooser
  static void ChooseJob(int);  // applies for the job shown
  static void NextType(int);
  static void PrevType(int);
  // The wheel pages like the arrows while the browser is open.
  static void MouseWheelUp();
  static void MouseWheelDown();

  ~GUI_JobBrowser() override;
  void Draw() override;
  void HandleKey(unsigned) override {}  // it takes the keys so that nothing else acts on them

  void SetJob(SIM_JobBase* job);
  void Populate();

  SIM_JobBase* GetJob() const { return m_job; }
  SIM_Industry* GetIndustry() const { return m_industry; }
  size_t GetPosition() const { return m_position; }
  GUI_IconButton* GetNextButton() const { return m_nextButton; }
  GUI_IconButton* GetPrevButton() const { return m_prevButton; }
  GUI_ButtonText* GetChooseButton() const { return m_chooseButton; }
  GUI_JobAd* GetAd() const { return m_ad; }
  // The buttons as the next frame shows them (also done by Draw).
  void UpdateButtons();

  static GUI_JobBrowser* PTheWindow;

 private:
  explicit GUI_JobBrowser(SIM_Industry* industry);
  void Step(int direction);

  GUI_IconButton* m_nextButton = nullptr;  // in the button list
  GUI_IconButton* m_prevButton = nullptr;
  GUI_ButtonText* m_chooseButton = nullptr;
  GUI_IconButton* m_backButton = nullptr;
  size_t m_position = 0;  // in SIM_JobBase::ValidJobs
  SIM_Industry* m_industry = nullptr;
  SIM_JobBase* m_job = nullptr;  // the job shown; null when there is none
  std::string m_noJobsText;
  GUI_JobAd* m_ad = nullptr;  // a child
};
