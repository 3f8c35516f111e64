#pragma once
// The looks of the job adverts: each "data/adtemplates/*.txt" (section "config") names a frame
// texture and a layout in the FormattedText markup with the tokens "<GUINAME>", "<EMPLOYERNAME>",
// "<SALARY>", "<REQUIREMENTS>" and "<COMMUTE>". Every job names its template in the job table.
// Loaded when the in-game mode opens and freed when it closes; files are read in name order and
// the first template of a name wins.
#include <list>
#include <string>

class IniLoader;

class GUI_JobAdTemplate {
 public:
  GUI_JobAdTemplate();  // joins All, which owns it
  virtual ~GUI_JobAdTemplate();
  GUI_JobAdTemplate(const GUI_JobAdTemplate&) = delete;
  GUI_JobAdTemplate& operator=(const GUI_JobAdTemplate&) = delete;

  static void Open();   // frees the old store, then reads every template file afresh
  static void Close();  // frees every template
  // The first template of that name; none: one warning per name and null.
  static GUI_JobAdTemplate* GetByName(const std::string& name);

  // Reads a template file. A file without "Name" is warned about (naming it) and matches no job.
  void Load(const std::string& path);
  // The same from the text of a "config" section ("key=value\0..."), for tests.
  void LoadFromText(const std::string& sectionText, const std::string& path);

  const std::string& GetName() const { return Name; }
  const std::string& GetFrameName() const { return FrameName; }
  const std::string& GetLayout() const { return Layout; }
  const std::string& GetPath() const { return m_path; }

  static std::list<GUI_JobAdTemplate*> All;

  std::string Name;
  std::string FrameName;
  std::string Text2;  // read and kept; no screen shows it
  std::string Layout;

 private:
  void Take(const IniLoader& ini);

  std::string m_path;
};
