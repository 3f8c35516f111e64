// The data lint of the working day: every job names an industry, a daily script, attributes and
// skills that exist; the start job is there for every player; each industry's texts use only the
// tokens its dialog replaces; every work-day story is read with a type, a weight and categories a
// job can ask for, and each situation the held job asks about has a story any job can draw.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "CSV.h"
#include "CSpreadsheet.h"
#include "IniLoader.h"
#include "LintSupport.h"
#include "TestSupport.h"

namespace fs = std::filesystem;

// Named, so that the unity build keeps these helpers apart from the other lints' own.
namespace jobdatalint {
namespace {

using namespace lint;

const char* const kJobs = "data/simulation/jobs.csv";
const char* const kIndustries = "data/simulation/industries.csv";
const char* const kJobScripts = "data/simulation/scripts/jobs/";
const char* const kStoryFolder = "data/simulation/jobevents";
const int kStartJob = 1112;

// The situations the held job asks a story for; each needs one that every job can draw.
const char* const kStoryTypes[] = {"default",   "firstday", "good_performance", "bad_performance", "newfriend",
                                   "promotion", "fired"};

struct Row {
  std::string origin;
  std::vector<std::string> fields;  // after the row marker, each without trailing blanks
};

// A missing table or one without rows fails the calling test: the checks over its rows would
// otherwise pass by finding nothing to check.
std::vector<Row> TableRows(const std::string& relative) {
  CSpreadsheet sheet(testsupport::RepoPath(relative).c_str());
  if (sheet.empty()) ADD_FAILURE() << relative << ": missing, or no rows (lines beginning with \"#\")";
  std::vector<Row> rows;
  for (size_t i = 0; i < sheet.size(); ++i) {
    CSV csv;
    csv.Initialise(sheet[i], ',', sheet.Origin(i));
    csv.GetNextToken();
    Row row{relative + ":" + std::to_string(sheet.LineOf(i)), {}};
    while (!csv.Finished()) row.fields.push_back(TrimRight(csv.GetNextString()));
    rows.push_back(row);
  }
  return rows;
}

std::string Field(const Row& row, size_t i) { return i < row.fields.size() ? row.fields[i] : std::string(); }

bool IsNumber(const std::string& text, bool wholeOnly = false) {
  if (text.empty()) return false;
  char* end = nullptr;
  if (wholeOnly) {
    (void)std::strtol(text.c_str(), &end, 10);
  } else {
    (void)std::strtod(text.c_str(), &end);
  }
  return *end == 0;
}

std::vector<std::string> SplitCommas(const std::string& text) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (true) {
    size_t comma = text.find(',', start);
    parts.push_back(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    if (comma == std::string::npos) return parts;
    start = comma + 1;
  }
}

// Every "<TOKEN>" of a text.
std::set<std::string> Tokens(const std::string& text) {
  static const std::regex token("<[A-Z_]+>");
  std::set<std::string> out;
  for (std::sregex_iterator it(text.begin(), text.end(), token), end; it != end; ++it) out.insert(it->str());
  return out;
}

void CheckTokens(const std::string& where, const std::string& text, const std::set<std::string>& allowed,
                 Findings& findings) {
  for (const std::string& token : Tokens(text))
    if (!allowed.count(token)) findings.push_back(where + ": " + token + " is not replaced there");
}

std::set<std::string> FirstColumn(const std::string& relative) {
  std::set<std::string> names;
  for (const Row& row : TableRows(relative)) names.insert(Field(row, 0));
  return names;
}

// What a job's columns may name.
struct Known {
  std::set<std::string> values;      // the player's attributes and skills
  std::set<std::string> industries;  // rows of industries.csv
  std::set<std::string> templates;   // advert template names; empty while no template is written
};

Known KnownNames() {
  Known known;
  known.values = FirstColumn("data/simulation/attributes.csv");
  for (const std::string& skill : FirstColumn("data/simulation/skills.csv")) known.values.insert(skill);
  known.industries = FirstColumn(kIndustries);
  static const std::regex name(R"re(^\s*Name\s*=\s*"?([^"\r]*?)"?\s*$)re");
  for (const Mention& m : Mentions(FilesUnder({"data/adtemplates"}, {".txt"}), name)) known.templates.insert(m.name);
  return known;
}

// One row of jobs.csv in the columns the game reads.
struct Job {
  std::string origin;
  std::string guid, name, industry, maleTitle, femaleTitle, employer, adTemplate, tips;
  std::string minSalary, maxSalary, suit, unlockable, availability, colleagues;
  std::vector<std::string> categories;
  std::vector<std::string> influences;
  std::vector<std::string> prerequisites;
  bool influencesClosed = false;
};

Job ReadJob(const Row& row) {
  Job job;
  job.origin = row.origin;
  job.guid = Field(row, 0);
  job.name = Field(row, 1);
  job.categories = SplitCommas(Field(row, 2));
  job.maleTitle = Field(row, 4);
  job.femaleTitle = Field(row, 5);
  job.employer = Field(row, 6);
  job.industry = Field(row, 8);
  job.adTemplate = Field(row, 9);
  job.minSalary = Field(row, 10);
  job.maxSalary = Field(row, 11);
  job.tips = Field(row, 12);
  job.suit = Field(row, 13);
  job.unlockable = Field(row, 14);
  job.availability = Field(row, 15);
  job.colleagues = Field(row, 16);
  for (size_t i = 19; i < row.fields.size(); ++i) {
    const std::string& f = row.fields[i];
    if (job.influencesClosed) {
      job.prerequisites.push_back(f);
    } else if (!f.empty() && f[0] == '#') {
      job.influencesClosed = true;
    } else if (f.size() > 2) {
      job.influences.push_back(f);
    }
  }
  return job;
}

std::vector<Job> Jobs() {
  std::vector<Job> jobs;
  for (const Row& row : TableRows(kJobs)) jobs.push_back(ReadJob(row));
  return jobs;
}

// What a job row names exists, and its numbers read as numbers.
Findings CheckJob(const Job& job, const Known& known) {
  Findings f;
  const std::string& at = job.origin;
  if (!IsNumber(job.guid, true)) f.push_back(at + ": GUID \"" + job.guid + "\" is not a whole number");
  if (job.name.empty()) f.push_back(at + ": no name");
  if (!known.industries.count(job.industry))
    f.push_back(at + ": industry \"" + job.industry + "\" is not in " + kIndustries);
  if (!job.name.empty() && !fs::exists(testsupport::RepoPath(kJobScripts + job.name + ".txt")))
    f.push_back(at + ": no daily script " + kJobScripts + job.name + ".txt");
  for (const std::string& c : job.categories) {
    if (c.empty() || c.find_first_of(" \t") != std::string::npos)
      f.push_back(at + ": category \"" + c + "\" is blank or holds a blank");
  }
  if (job.maleTitle.empty() && job.femaleTitle.empty()) f.push_back(at + ": no title for either gender");
  CheckTokens(at + ": employer", job.employer, {"<TOWNNAME>"}, f);
  if (job.adTemplate.empty()) f.push_back(at + ": no advert template");
  if (!known.templates.empty() && !known.templates.count(job.adTemplate))
    f.push_back(at + ": advert template \"" + job.adTemplate + "\" is in no file of data/adtemplates");

  for (const std::string* number : {&job.minSalary, &job.maxSalary, &job.availability, &job.colleagues})
    if (!IsNumber(*number)) f.push_back(at + ": \"" + *number + "\" is not a number");
  for (const std::string* flag : {&job.suit, &job.unlockable})
    if (!IsNumber(*flag, true)) f.push_back(at + ": \"" + *flag + "\" is not 0 or 1");
  if (IsNumber(job.minSalary) && IsNumber(job.maxSalary) &&
      std::atof(job.minSalary.c_str()) > std::atof(job.maxSalary.c_str()))
    f.push_back(at + ": the starting salary is above the top one");
  if (IsNumber(job.availability) &&
      (std::atof(job.availability.c_str()) <= 0 || std::atof(job.availability.c_str()) > 1))
    f.push_back(at + ": availability " + job.availability + " is no chance (above 0, at most 1)");
  if (job.tips != "N/A") {
    std::vector<std::string> range = SplitCommas(job.tips);
    if (range.size() != 2 || !IsNumber(range[0], true) || !IsNumber(range[1], true) ||
        std::atoi(range[0].c_str()) > std::atoi(range[1].c_str()))
      f.push_back(at + ": tips \"" + job.tips + "\" are neither N/A nor \"low,high\"");
  }

  if (!job.influencesClosed) f.push_back(at + ": no \"#\" field ends the influences");
  if (job.influences.empty()) f.push_back(at + ": no influence on the day's performance");
  for (const std::string& influence : job.influences) {
    std::vector<std::string> parts = SplitCommas(influence);
    if (parts.size() != 2 || !known.values.count(parts[0]) || !IsNumber(parts[1]))
      f.push_back(at + ": influence \"" + influence + "\" is not \"attribute or skill,weight\"");
  }
  for (const std::string& prerequisite : job.prerequisites) {
    std::vector<std::string> parts = SplitCommas(prerequisite);
    std::string value = parts.size() == 2 ? parts[1] : std::string();
    if (!value.empty() && value[0] == '<') value.erase(0, 1);
    const std::string name = parts[0];
    const bool flag =
        known.industries.count(name) || (name.rfind("industry_", 0) == 0 && known.industries.count(name.substr(9)));
    if (parts.size() != 2 || !(known.values.count(name) || flag) || !IsNumber(value))
      f.push_back(at + ": prerequisite \"" + prerequisite + "\" is not \"attribute, skill or industry,value\"");
  }
  return f;
}

TEST(JobDataLint, JobsNameWhatExists) {
  const Known known = KnownNames();
  Findings findings;
  for (const Job& job : Jobs()) {
    Findings f = CheckJob(job, known);
    findings.insert(findings.end(), f.begin(), f.end());
  }
  // A script no job names is a job renamed in one place only.
  std::set<std::string> names;
  for (const Job& job : Jobs()) names.insert(job.name + ".txt");
  for (const fs::path& script : FilesUnder({kJobScripts}, {".txt"}))
    if (!names.count(script.filename().string())) findings.push_back(Relative(script) + ": no job of that name");
  EXPECT_TRUE(findings.empty()) << Join(findings);
}

TEST(JobDataLint, JobsGiveEveryPlayerACareer) {
  const std::vector<Job> jobs = Jobs();
  EXPECT_GE(jobs.size(), 30u);
  EXPECT_LE(jobs.size(), 50u);
  Findings findings;
  std::map<std::string, std::string> guids, names;
  std::map<std::string, int> perIndustry;
  int unlockable = 0;
  const Job* start = nullptr;
  for (const Job& job : jobs) {
    if (!guids.emplace(job.guid, job.origin).second) findings.push_back(job.origin + ": GUID " + job.guid + " again");
    if (!names.emplace(job.name, job.origin).second) findings.push_back(job.origin + ": name " + job.name + " again");
    // GUID 0 is the game's own out-of-work state.
    if (std::atoi(job.guid.c_str()) == 0) findings.push_back(job.origin + ": GUID 0 is reserved");
    if (std::atoi(job.guid.c_str()) == kStartJob) start = &job;
    ++perIndustry[job.industry];
    if (std::atoi(job.unlockable.c_str()) != 0) ++unlockable;
    // Only acting fires, and only a player who no longer meets the role's demands.
    if (job.industry == "acting" && job.prerequisites.empty())
      findings.push_back(job.origin + ": an acting job without prerequisites can never fire");
  }
  for (const std::string& industry : FirstColumn(kIndustries)) {
    if (perIndustry[industry] < 3 || perIndustry[industry] > 6)
      findings.push_back(industry + ": " + std::to_string(perIndustry[industry]) + " jobs (3 to 6 wanted)");
  }
  ASSERT_NE(start, nullptr) << "no job with GUID 1112: new games and firings have nowhere to go";
  EXPECT_FALSE(start->maleTitle.empty() || start->femaleTitle.empty())
      << start->origin << ": the start job needs both titles";
  EXPECT_TRUE(start->prerequisites.empty()) << start->origin << ": anybody can hold the start job";
  EXPECT_EQ(std::atoi(start->unlockable.c_str()), 0) << start->origin;
  EXPECT_GE(unlockable, 3) << "jobs to be had through friends";
  EXPECT_TRUE(names.count("food_critic")) << "restaurants treat a food critic apart";
  EXPECT_TRUE(findings.empty()) << Join(findings);
}

TEST(JobDataLint, IndustriesSayWhatTheirDialogsReplace) {
  const std::set<std::string> types = FirstColumn("data/simulation/charactertypes.csv");
  const std::set<std::string> offerTokens = {"<RAVEZIRER>", "<SALARY>", "<JOBNAME>", "<EMPLOYERNAME>", "<TOWNNAME>"};
  std::set<std::string> rejectionTokens = offerTokens;
  rejectionTokens.insert("<REASON>");
  const std::vector<Row> rows = TableRows(kIndustries);
  EXPECT_EQ(rows.size(), 8u);
  Findings findings;
  std::set<std::string> names;
  for (const Row& row : rows) {
    if (!names.insert(Field(row, 0)).second) findings.push_back(row.origin + ": \"" + Field(row, 0) + "\" again");
    if (Field(row, 1).empty()) findings.push_back(row.origin + ": no display name");
    for (const std::string& type : SplitCommas(Field(row, 2)))
      if (!types.count(type)) findings.push_back(row.origin + ": \"" + type + "\" is no character type");
    if (Field(row, 3).empty() || Field(row, 4).empty())
      findings.push_back(row.origin + ": an offer and a rejection text");
    CheckTokens(row.origin + ": offer", Field(row, 3), offerTokens, findings);
    CheckTokens(row.origin + ": rejection", Field(row, 4), rejectionTokens, findings);
  }
  for (const char* needed :
       {"acting", "lawenforcement", "sales", "science", "entertainment", "medical", "legal", "music"})
    if (!names.count(needed)) findings.push_back(std::string("no industry \"") + needed + "\"");
  EXPECT_TRUE(findings.empty()) << Join(findings);
}

// A story file as the game reads it.
struct Story {
  std::string file;                           // relative to the repository
  std::map<std::string, std::string> values;  // keys with their exact case
  std::string Get(const std::string& key) const {
    auto it = values.find(key);
    return it == values.end() ? std::string() : it->second;
  }
};

Story ReadStory(const fs::path& path) {
  Story story;
  story.file = fs::relative(path, testsupport::RepoPath("")).generic_string();
  if (story.file.rfind("..", 0) == 0) story.file = path.filename().string();
  IniLoader ini;
  ini.LoadSection("data", path.string().c_str());
  for (const IniLoader::Entry& e : ini.Entries()) story.values[e.key] = e.value;
  return story;
}

// The stories the game finds: the files of each sub-folder not beginning with "."; files lying
// in the folder itself are never read, so one there is a story lost.
std::vector<Story> Stories(Findings& findings) {
  std::vector<Story> stories;
  const fs::path root = testsupport::RepoPath(kStoryFolder);
  if (!fs::is_directory(root)) {
    ADD_FAILURE() << kStoryFolder << " is missing";
    return stories;
  }
  std::vector<fs::path> entries;
  for (const auto& e : fs::directory_iterator(root)) entries.push_back(e.path());
  std::sort(entries.begin(), entries.end());
  for (const fs::path& entry : entries) {
    if (!fs::is_directory(entry)) {
      findings.push_back(Relative(entry) + ": lies outside a sub-folder and is never read");
      continue;
    }
    if (entry.filename().string()[0] == '.') continue;
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(entry))
      if (e.is_regular_file() && e.path().extension() == ".txt") files.push_back(e.path());
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) stories.push_back(ReadStory(file));
  }
  return stories;
}

Findings CheckStory(const Story& story, const std::set<std::string>& categories, const std::set<std::string>& values) {
  Findings f;
  const std::string& at = story.file;
  const std::set<std::string> types(std::begin(kStoryTypes), std::end(kStoryTypes));
  for (const char* key : {"Type", "Title", "Description", "Frequency", "Categories"})
    if (!story.values.count(key)) f.push_back(at + ": no \"" + key + "\"");
  const std::string type = story.Get("Type");
  if (story.values.count("Type") && !types.count(type)) f.push_back(at + ": type \"" + type + "\" is never asked for");
  const std::string frequency = story.Get("Frequency");
  if (story.values.count("Frequency") && (!IsNumber(frequency) || std::atof(frequency.c_str()) <= 0))
    f.push_back(at + ": frequency \"" + frequency + "\" is no weight above 0");
  for (const std::string& c : SplitCommas(story.Get("Categories"))) {
    if (c.empty() || c.find_first_of(" \t") != std::string::npos) {
      f.push_back(at + ": category \"" + c + "\" is blank or holds a blank");
    } else if (!categories.count(c)) {
      f.push_back(at + ": category \"" + c + "\" is no job's");
    }
  }
  // The work-day page fills these; a friend's name only on the day a colleague became one.
  std::set<std::string> tokens = {"<EMPLOYERNAME>", "<TOWNNAME>"};
  if (type == "newfriend") tokens.insert("<FRIENDNAME>");
  CheckTokens(at + ": description", story.Get("Description"), tokens, f);
  CheckTokens(at + ": title", story.Get("Title"), {}, f);
  if (type == "newfriend" && story.Get("Description").find("<FRIENDNAME>") == std::string::npos)
    f.push_back(at + ": a new friend's story that never names the friend");
  // Effects of the story: an unknown name would quietly become a new skill.
  static const std::regex effect(R"re(ApplyEffect\(\s*([^,\s)]+))re");
  const std::string trigger = story.Get("OnTrigger");
  for (std::sregex_iterator it(trigger.begin(), trigger.end(), effect), end; it != end; ++it)
    if (!values.count((*it)[1].str())) f.push_back(at + ": effect on unknown \"" + (*it)[1].str() + "\"");
  return f;
}

std::set<std::string> JobCategories() {
  std::set<std::string> categories = {"default"};
  for (const Job& job : Jobs()) categories.insert(job.categories.begin(), job.categories.end());
  return categories;
}

TEST(JobDataLint, StoriesAreReadAndCanBeDrawn) {
  Findings findings;
  const std::vector<Story> stories = Stories(findings);
  EXPECT_GE(stories.size(), 60u);
  EXPECT_LE(stories.size(), 100u);
  const std::set<std::string> categories = JobCategories();
  const std::set<std::string> values = KnownNames().values;
  std::set<std::string> drawnByAll, used;
  for (const Story& story : stories) {
    Findings f = CheckStory(story, categories, values);
    findings.insert(findings.end(), f.begin(), f.end());
    for (const std::string& c : SplitCommas(story.Get("Categories"))) {
      used.insert(c);
      if (c == "default") drawnByAll.insert(story.Get("Type"));
    }
  }
  for (const char* type : kStoryTypes)
    if (!drawnByAll.count(type)) findings.push_back(std::string("no \"") + type + "\" story tagged \"default\"");
  for (const std::string& c : categories)
    if (!used.count(c)) findings.push_back("job category \"" + c + "\" has no story");
  EXPECT_TRUE(findings.empty()) << Join(findings);
}

TEST(JobDataLint, JobScriptsAffectWhatExists) {
  const std::set<std::string> values = KnownNames().values;
  static const std::regex effect(R"re(ApplyEffect\(\s*([^,\s)]+)\s*,\s*([^,\s)]+))re");
  Findings findings;
  for (const fs::path& script : FilesUnder({kJobScripts}, {".txt"})) {
    const std::string text = testsupport::ReadFile(script.string());
    int effects = 0;
    for (std::sregex_iterator it(text.begin(), text.end(), effect), end; it != end; ++it, ++effects) {
      if (!values.count((*it)[1].str()))
        findings.push_back(Relative(script) + ": effect on unknown \"" + (*it)[1].str() + "\"");
      if (!IsNumber((*it)[2].str())) findings.push_back(Relative(script) + ": amount \"" + (*it)[2].str() + "\"");
    }
    if (effects == 0) findings.push_back(Relative(script) + ": a working day that leaves no mark");
  }
  EXPECT_TRUE(findings.empty()) << Join(findings);
}

// The lint's own checks catch the faults they are there for.
TEST(JobDataLint, FlagsBrokenRows) {
  Known known;
  known.values = {"charisma", "iq"};
  known.industries = {"acting"};
  Row row{"t.csv:2",
          {"12x",
           "nobody_has_this",
           "stage, studio",
           "Role",
           "",
           "",
           "<NAME> Films",
           "set",
           "mining",
           "",
           "9",
           "5",
           "3",
           "0",
           "0",
           "0.5",
           "1",
           "1",
           "0",
           "charisma,0.5",
           "charm,0.2",
           "x"}};
  Findings f = CheckJob(ReadJob(row), known);
  const std::vector<std::string> expected = {
      "GUID \"12x\"", "industry \"mining\"",    "no daily script",        "category \" studio\"",
      "no title",     "<NAME> is not replaced", "no advert template",     "starting salary is above",
      "tips \"3\"",   "no \"#\" field",         "influence \"charm,0.2\""};
  EXPECT_EQ(f.size(), expected.size()) << Join(f);
  for (const std::string& part : expected) {
    bool found = false;
    for (const std::string& line : f) found |= line.find(part) != std::string::npos;
    EXPECT_TRUE(found) << part << " in" << Join(f);
  }

  const std::string path = testsupport::TestRoot() + "/story.txt";
  testsupport::WriteFile(path,
                         "[data]\ntype=default\nTitle=\"Hi <NAME>\"\nDescription=\"<FRIENDNAME> waves\"\n"
                         "Categories=default, stage\nOnTrigger=\"ApplyEffect(charm,0.1,0.8,x);\"\n");
  f = CheckStory(ReadStory(path), {"default", "stage"}, known.values);
  const std::vector<std::string> storyExpected = {"no \"Type\"",         "no \"Frequency\"",
                                                  "category \" stage\"", "<FRIENDNAME> is not replaced",
                                                  "title: <NAME>",       "unknown \"charm\""};
  EXPECT_EQ(f.size(), storyExpected.size()) << Join(f);
  for (const std::string& part : storyExpected) {
    bool found = false;
    for (const std::string& line : f) found |= line.find(part) != std::string::npos;
    EXPECT_TRUE(found) << part << " in" << Join(f);
  }
}

}  // namespace
}  // namespace jobdatalint
