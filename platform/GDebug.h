#pragma once
// The debug log and failure reporting. None of these functions throws; after GWarning, GError and
// a failed GAssert the caller carries on. WindowsError ends the program.
#include <cstdio>
#include <string>
#include <vector>

class GDebugEngine {
 public:
  void Initialise();                 // opens the log (truncating), writes the header lines
  void DebugOut(const char* text);   // one flushed line; dropped while the log is closed
  void Shutdown();                   // writes the trailer and closes the log
  void ResetFile();
  void SetFlag(const std::string& name);
  bool IsSet(const std::string& name) const;
  void SetDebugHeap(bool) {}
  bool IsOpen() const { return m_file != nullptr; }
  const std::string& GetPath() const { return m_path; }  // where the log was opened

 private:
  std::vector<std::string> m_flags;
  FILE* m_file = nullptr;
  std::string m_path;
};

GDebugEngine* GetDebug();
void CheckDebugHeap(bool);

void GWarning(const char* text, const char* file, int line);
void GError(const char* text, const char* file, int line);
void GAssert(bool condition, const char* file, int line);
void GAssertEmail();
[[noreturn]] void WindowsError(const char* function);

// Soft failures (a missing texture, sound, key, script or row) are reported once per name, not on
// every use. Returns true the first time a key is seen, so callers can do more on first sight.
bool GWarnOnce(const std::string& key, const char* text, const char* file, int line);
bool GErrorOnce(const std::string& key, const char* text, const char* file, int line);
// A fault of a table row ("origin: what", origin being "file:line"), warned once per row and fault.
void GWarnRow(const std::string& origin, const std::string& what);
// The memory behind them, for reporters that write their own line: true the first time a key is seen.
bool GFirstSighting(const std::string& key);
// Forgets every key seen so far. A long run of unrelated inputs (the fuzz targets) calls it after
// each one, so that the memory of reported names does not grow without end.
void GForgetSightings();

// The data being run while a scope is open (a script's instruction, say): every warning and error
// made meanwhile names it, so a fault found deep in the game (a missing tuning variable, hook or
// sound) still says which piece of data asked for it. Scopes nest; the innermost is named first.
class GDataPlace {
 public:
  explicit GDataPlace(const std::string& place);
  ~GDataPlace();
  GDataPlace(const GDataPlace&) = delete;
  GDataPlace& operator=(const GDataPlace&) = delete;
  // " (at <innermost>; from <outer>...)", or "" outside every scope.
  static std::string Trail();
};

// printf-style helper for building report texts.
std::string GFormat(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// The last assertion report (kept for the mail to the developer).
const char* GetBugReport();

// True under VORLA2_NONINTERACTIVE=1 or VORLA2_HEADLESS=1: no alert ever blocks.
bool IsNonInteractive();
bool IsHeadless();
// True under VORLA2_DRAW_EVERY_FRAME=1: the window draws and shows every frame, also one equal to
// the frame on screen, so that pictures can be compared with and without the skipping.
bool DrawsEveryFrame();
