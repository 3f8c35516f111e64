// The data lint of the job adverts and the job search: every advert template has a name, a frame
// texture that exists and a layout with the five tokens that still parses cleanly once the longest
// job's texts are put in; every industry has its picture; the search's base and the advert's
// paper exist.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "CSV.h"
#include "CSpreadsheet.h"
#include "FormattedText.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "IniLoader.h"
#include "LibTextEngine.h"
#include "LintSupport.h"
#include "TestSupport.h"

namespace fs = std::filesystem;

namespace jobadvertlint {
namespace {

using namespace lint;

const char* const kTemplates = "data/adtemplates";
const char* const kTokens[] = {"<GUINAME>", "<EMPLOYERNAME>", "<SALARY>", "<REQUIREMENTS>", "<COMMUTE>"};

std::set<std::string> Pictures() {
  std::set<std::string> names;
  for (const fs::path& p : FilesUnder({"data/bitmaps"}, {".png"})) names.insert(p.stem().string());
  return names;
}

// "name.dds" is drawn from data/bitmaps/**/name.png, matched in exact case.
bool HasTexture(const std::set<std::string>& pictures, const std::string& texture) {
  return EndsWith(texture, ".dds") && pictures.count(texture.substr(0, texture.size() - 4));
}

struct TemplateFile {
  std::string where;
  std::string name;
  std::string frame;
  std::string layout;
};

std::vector<TemplateFile> Templates() {
  std::vector<TemplateFile> out;
  for (const fs::path& p : FilesUnder({kTemplates}, {".txt"})) {
    IniLoader ini;
    ini.LoadSection("config", p.string().c_str());
    out.push_back({Relative(p), ini.GetValue("Name"), ini.GetValue("FrameName"), ini.GetValue("Layout")});
  }
  return out;
}

// The longest texts any job puts into an advert.
struct LongestTexts {
  std::string guiName;
  std::string employer;
  size_t prerequisites = 0;
};

LongestTexts Longest() {
  LongestTexts longest;
  CSpreadsheet sheet(testsupport::RepoPath("data/simulation/jobs.csv").c_str());
  for (size_t i = 0; i < sheet.size(); ++i) {
    CSV csv;
    csv.Initialise(sheet[i], ',', sheet.Origin(i));
    csv.GetNextToken();
    std::vector<std::string> fields;
    while (!csv.Finished()) fields.push_back(TrimRight(csv.GetNextString()));
    if (fields.size() < 19) continue;
    if (fields[3].size() > longest.guiName.size()) longest.guiName = fields[3];
    if (fields[6].size() > longest.employer.size()) longest.employer = fields[6];
    size_t hash = 0;
    for (size_t f = 19; f < fields.size(); ++f)
      if (fields[f] == "#") hash = f;
    if (hash && fields.size() - hash - 1 > longest.prerequisites) longest.prerequisites = fields.size() - hash - 1;
  }
  return longest;
}

TEST(JobAdvertLint, TemplatesNameAFrameThatExistsAndUseEveryToken) {
  const std::vector<TemplateFile> templates = Templates();
  EXPECT_GE(templates.size(), 4u);
  EXPECT_LE(templates.size(), 6u);
  const std::set<std::string> pictures = Pictures();
  Findings findings;
  std::set<std::string> names;
  for (const TemplateFile& t : templates) {
    if (t.name.empty()) findings.push_back(t.where + ": no Name");
    if (!names.insert(t.name).second) findings.push_back(t.where + ": a second template named \"" + t.name + "\"");
    if (!HasTexture(pictures, t.frame)) findings.push_back(t.where + ": frame \"" + t.frame + "\" is not in data/bitmaps");
    for (const char* token : kTokens)
      if (t.layout.find(token) == std::string::npos) findings.push_back(t.where + ": no " + token + " in the layout");
  }
  EXPECT_TRUE(findings.empty()) << Join(findings);
}

TEST(JobAdvertLint, LayoutsParseCleanlyWithTheLongestJobsTexts) {
  if (!GetDebug()->IsOpen()) GetDebug()->Initialise();
  LibTextEngine* engine = GetTextEngine();
  if (engine->GetFonts().empty()) engine->LoadFonts();
  const LongestTexts longest = Longest();
  ASSERT_FALSE(longest.guiName.empty());
  std::set<std::string> fonts;
  for (const fs::path& p : FilesUnder({"data/fonts"}, {".dat"})) fonts.insert(p.stem().string());
  std::string requirements;
  for (size_t i = 0; i < longest.prerequisites; ++i)
    requirements += "\t[ less than 100%] General Knowledge (you: 100%)</N>";
  Findings findings;
  for (const TemplateFile& t : Templates()) {
    std::string layout = t.layout;
    GTranslation::ReplaceToken(layout, "<GUINAME>", longest.guiName);
    std::string employer = longest.employer;
    GTranslation::ReplaceToken(employer, "<TOWNNAME>", "Thornbury Vale");  // as long as a town's name gets
    GTranslation::ReplaceToken(layout, "<EMPLOYERNAME>", employer);
    GTranslation::ReplaceToken(layout, "<SALARY>", "Salary $ 1,000,000 - $ 1,000,000");
    GTranslation::ReplaceToken(layout, "<REQUIREMENTS>", requirements);
    GTranslation::ReplaceToken(layout, "<COMMUTE>", "Commute: 100.0 miles");
    const std::string before = testsupport::ReadFile(GetDebug()->GetPath());
    FormattedText text;
    text.SetTextBuffer(layout.c_str());
    const std::string after = testsupport::ReadFile(GetDebug()->GetPath());
    if (after.size() != before.size()) findings.push_back(t.where + ": " + after.substr(before.size()));
    if (text.GetChunks().size() >= FormattedText::kMaxChunks) findings.push_back(t.where + ": too many pieces");
    for (const FormattedTextChunk* chunk : text.GetChunks()) {
      if (!fonts.count(chunk->GetFont())) {
        findings.push_back(t.where + ": font \"" + chunk->GetFont() + "\" is not baked");
        continue;
      }
      // A centred piece is not wrapped: it must fit its width, or it runs off the paper.
      if (chunk->GetAlign() != LibTextEngine::ALIGN_CENTER) continue;
      engine->SetCurrentFont(chunk->GetFont(), chunk->GetSize());
      const int width = engine->GetStringLength(chunk->GetText());
      if ((float)width > chunk->GetWrapWidth())
        findings.push_back(t.where + ": \"" + chunk->GetText() + "\" is " + std::to_string(width) + " wide in " +
                           chunk->GetFont() + " at " + std::to_string((int)chunk->GetSize()) + ", centred in " +
                           std::to_string((int)chunk->GetWrapWidth()));
    }
  }
  EXPECT_TRUE(findings.empty()) << Join(findings);
}

TEST(JobAdvertLint, EveryIndustryHasItsPictureAndTheSearchItsArt) {
  const std::set<std::string> pictures = Pictures();
  Findings findings;
  CSpreadsheet sheet(testsupport::RepoPath("data/simulation/industries.csv").c_str());
  ASSERT_GT(sheet.size(), 0u);
  for (size_t i = 0; i < sheet.size(); ++i) {
    CSV csv;
    csv.Initialise(sheet[i], ',', sheet.Origin(i));
    csv.GetNextToken();
    const std::string name = TrimRight(csv.GetNextString());
    if (!HasTexture(pictures, "job_" + name + ".dds")) findings.push_back("industry " + name + ": no job_" + name + " picture");
  }
  for (const char* texture : {"jobicon_base3.dds", "ad_paper1.dds"})
    if (!HasTexture(pictures, texture)) findings.push_back(std::string(texture) + " is not in data/bitmaps");
  EXPECT_TRUE(findings.empty()) << Join(findings);
}

}  // namespace
}  // namespace jobadvertlint
