#include "GDebug.h"

#include <sys/utsname.h>

#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <set>
#include <system_error>

#include "Alert.h"
#include "Launch.h"
#include "Paths.h"
#include "Version.h"

namespace fs = std::filesystem;

namespace {

const char* kSupportAddress = "support@vorla2.example";
char g_bugReport[512] = {0};

// Never destroyed, like the engine itself: objects released at exit still report through them.
std::mutex& LogMutex() {
  static auto* m = new std::mutex;
  return *m;
}

// Warnings, errors, stand-ins and the reporters' own keys.
constexpr int kSeenSets = 4;

std::set<std::string>& SeenSet(int which) {
  static auto* sets = new std::set<std::string>[kSeenSets];
  return sets[which];
}

bool EnvOn(const char* name) {
  const char* v = std::getenv(name);
  return v && v[0] && std::strcmp(v, "0") != 0;
}

// The log lives beside the data when that folder is writable, otherwise in the user folder.
FILE* OpenLogFile(std::string& pathOut) {
  std::error_code ec;
  std::string candidates[2];
  const std::string& resources = GetResourcesDir();
  if (!resources.empty()) candidates[0] = resources + "/debugdata";
  candidates[1] = GetUserFolder() + "/debugdata";
  for (const std::string& dir : candidates) {
    if (dir.empty()) continue;
    fs::create_directories(dir, ec);
    std::string path = dir + "/debug.txt";
    if (FILE* f = std::fopen(path.c_str(), "w")) {
      pathOut = path;
      return f;
    }
  }
  pathOut.clear();
  return nullptr;
}

// The open data places of this thread, outermost first.
std::vector<std::string>& DataPlaces() {
  thread_local std::vector<std::string> places;
  return places;
}

bool FirstSighting(std::set<std::string>& seen, const std::string& key) {
  std::lock_guard<std::mutex> lock(LogMutex());
  return seen.insert(key).second;
}

}  // namespace

GDebugEngine* GetDebug() {
  // Never destroyed: reports made by other objects' destructors at exit still find it.
  static GDebugEngine* engine = new GDebugEngine;
  return engine;
}

void CheckDebugHeap(bool) {}

GDataPlace::GDataPlace(const std::string& place) { DataPlaces().push_back(place); }

GDataPlace::~GDataPlace() { DataPlaces().pop_back(); }

std::string GDataPlace::Trail() {
  const std::vector<std::string>& places = DataPlaces();
  if (places.empty()) return "";
  std::string trail = " (at ";
  for (size_t i = places.size(); i-- > 0;) {
    trail += places[i];
    if (i > 0) trail += "; from ";
  }
  return trail + ")";
}

void GDebugEngine::Initialise() {
  std::lock_guard<std::mutex> lock(LogMutex());
  if (m_file) std::fclose(m_file);
  m_file = OpenLogFile(m_path);
  if (!m_file) return;
  std::fputs("----DEBUG FILE----\n", m_file);
  struct utsname info;
  if (uname(&info) == 0) std::fprintf(m_file, "%s Version: %s %s\n", info.sysname, info.release, info.machine);
  std::fflush(m_file);
}

void GDebugEngine::DebugOut(const char* text) {
  std::lock_guard<std::mutex> lock(LogMutex());
  if (!m_file) return;
  std::fputs(text ? text : "", m_file);
  std::fputc('\n', m_file);
  std::fflush(m_file);
}

void GDebugEngine::Shutdown() {
  std::lock_guard<std::mutex> lock(LogMutex());
  if (!m_file) return;
  std::fputs("END DEBUG---\n", m_file);
  std::fclose(m_file);
  m_file = nullptr;
}

void GDebugEngine::ResetFile() {
  std::lock_guard<std::mutex> lock(LogMutex());
  if (m_file) std::fclose(m_file);
  m_file = OpenLogFile(m_path);
  if (!m_file) return;
  std::fputs("----DEBUG FILE----\n", m_file);
  std::fflush(m_file);
}

void GDebugEngine::SetFlag(const std::string& name) { m_flags.push_back(name); }

bool GDebugEngine::IsSet(const std::string& name) const {
  for (const std::string& f : m_flags)
    if (f == name) return true;
  return false;
}

std::string GFormat(const char* fmt, ...) {
  if (!fmt) return "";
  va_list args;
  va_start(args, fmt);
  va_list copy;
  va_copy(copy, args);
  int needed = std::vsnprintf(nullptr, 0, fmt, copy);
  va_end(copy);
  std::string out;
  if (needed > 0) {
    out.resize((size_t)needed + 1);
    std::vsnprintf(out.data(), out.size(), fmt, args);
    out.resize((size_t)needed);
  }
  va_end(args);
  return out;
}

bool IsHeadless() { return EnvOn("VORLA2_HEADLESS"); }
bool DrawsEveryFrame() { return EnvOn("VORLA2_DRAW_EVERY_FRAME"); }
bool IsNonInteractive() { return EnvOn("VORLA2_NONINTERACTIVE") || IsHeadless(); }

void GWarning(const char* text, const char* file, int line) {
  GetDebug()->DebugOut(
      GFormat("%s%s:%s %d\n", text ? text : "", GDataPlace::Trail().c_str(), file ? file : "", line).c_str());
}

void GError(const char* text, const char* file, int line) {
  std::string message = GFormat("%s%s:%s %d", text ? text : "", GDataPlace::Trail().c_str(), file ? file : "", line);
  ShowAlert("Error", message, {"OK"}, 0);
  GetDebug()->DebugOut(message.c_str());
}

const char* GetBugReport() { return g_bugReport; }

void GAssert(bool condition, const char* file, int line) {
  if (condition) return;
  std::snprintf(g_bugReport, sizeof g_bugReport, "Assertion failure:filename:%s,linenum:%d,build:%s",
                file ? file : "", line, GetAppVersionString());
  int choice = ShowAlert("Problem encountered",
                         "An error has occured in this game. It may be possible to ignore the problem and "
                         "continue playing. Before doing so, we ask that you click the email button below "
                         "which tells us about the problem",
                         {"Attempt to continue", "Email developer"}, 0);
  if (choice == 1) GAssertEmail();
  GetDebug()->DebugOut(g_bugReport);
}

void GAssertEmail() { LaunchEmail("bugreport", g_bugReport, kSupportAddress); }

void WindowsError(const char* function) {
  std::string message = GFormat(
      "Sorry, a fatal error occurred in the function '%s'. Please tell us about it at %s, "
      "naming the function, so that we can put it right.",
      function ? function : "", kSupportAddress);
  GetDebug()->DebugOut(message.c_str());
  ShowAlert("Fatal Error", message, {"OK"}, 0);
  std::_Exit(1);
}

bool GWarnOnce(const std::string& key, const char* text, const char* file, int line) {
  if (!FirstSighting(SeenSet(0), key)) return false;
  GWarning(text, file, line);
  return true;
}

void GWarnRow(const std::string& origin, const std::string& what) {
  GWarnOnce(origin + ":" + what, (origin + ": " + what).c_str(), __FILE__, __LINE__);
}

bool GErrorOnce(const std::string& key, const char* text, const char* file, int line) {
  if (!FirstSighting(SeenSet(1), key)) return false;
  GError(text, file, line);
  return true;
}

bool GFirstSighting(const std::string& key) { return FirstSighting(SeenSet(3), key); }

void GForgetSightings() {
  std::lock_guard<std::mutex> lock(LogMutex());
  for (int i = 0; i < kSeenSets; ++i) SeenSet(i).clear();
}

