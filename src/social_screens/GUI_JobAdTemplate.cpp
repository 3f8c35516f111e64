#include "GUI_JobAdTemplate.h"

#include "ExitCleanup.h"
#include "GDebug.h"
#include "GFileList.h"
#include "IniLoader.h"

std::list<GUI_JobAdTemplate*> GUI_JobAdTemplate::All;

GUI_JobAdTemplate::GUI_JobAdTemplate() { All.push_back(this); }

GUI_JobAdTemplate::~GUI_JobAdTemplate() { All.remove(this); }

void GUI_JobAdTemplate::Open() {
  Close();
  // A run that ends without closing the in-game screens (the tests, a signal) still frees them.
  RegisterExitCleanup(Close);
  GFileList files;
  files.StoreFullPaths();
  files.AddFiles("data/adtemplates/*.txt");
  for (const std::string& path : files.Names()) (new GUI_JobAdTemplate())->Load(path);
  GetDebug()->DebugOut(GFormat("Job advert templates: %d", (int)All.size()).c_str());
}

void GUI_JobAdTemplate::Close() {
  while (!All.empty()) delete All.front();
}

GUI_JobAdTemplate* GUI_JobAdTemplate::GetByName(const std::string& name) {
  for (GUI_JobAdTemplate* ad : All) {
    if (!ad->Name.empty() && ad->Name == name) return ad;
  }
  // The advert then goes without a frame; one line per name is enough to find the broken row.
  GWarnOnce("jobad:" + name, GFormat("Failed to locate job ad template \"%s\"", name.c_str()).c_str(), __FILE__,
            __LINE__);
  return nullptr;
}

void GUI_JobAdTemplate::Take(const IniLoader& ini) {
  Name = ini.GetValue("Name");
  FrameName = ini.GetValue("FrameName");
  Text2 = ini.GetValue("Text2");
  Layout = ini.GetValue("Layout");
  if (Name.empty()) GWarnOnce("jobadname:" + m_path, ("Job ad template without a Name: " + m_path).c_str(), __FILE__, __LINE__);
}

void GUI_JobAdTemplate::Load(const std::string& path) {
  m_path = path;
  IniLoader ini;
  ini.LoadSection("config", path.c_str());
  Take(ini);
}

void GUI_JobAdTemplate::LoadFromText(const std::string& sectionText, const std::string& path) {
  m_path = path;
  IniLoader ini;
  ini.LoadFromSectionText(sectionText, path.c_str());
  Take(ini);
}
