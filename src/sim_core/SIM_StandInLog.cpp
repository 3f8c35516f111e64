#include "SIM_StandInLog.h"

#include <algorithm>
#include <set>

#include "GDebug.h"

bool SIM_StandInLog::Recording = false;
std::vector<std::string> SIM_StandInLog::Calls;
SIM_StandInLog::Observer SIM_StandInLog::TheObserver = nullptr;

namespace {

// Never destroyed: a stand-in reached from another object's destructor at exit still finds it.
std::set<std::string>& LoggedNames() {
  static auto* names = new std::set<std::string>;
  return *names;
}

bool IsAnonymousNamespace(const std::string& part) {
  return part == "{anonymous}" || part == "(anonymous namespace)";
}

// The parts of a qualified name split at "::", leaving the template arguments and brackets whole;
// the template arguments themselves are dropped from each part.
std::vector<std::string> SplitQualified(const std::string& name) {
  std::vector<std::string> parts(1);
  int angles = 0;
  int brackets = 0;
  for (size_t i = 0; i < name.size(); ++i) {
    const char c = name[i];
    if (c == '(' || c == '{') ++brackets;
    if (c == ')' || c == '}') --brackets;
    if (brackets == 0 && c == '<') ++angles;
    if (brackets == 0 && c == '>' && angles > 0) {
      --angles;
      continue;
    }
    if (angles == 0 && brackets == 0 && c == ':' && i + 1 < name.size() && name[i + 1] == ':') {
      parts.emplace_back();
      ++i;
      continue;
    }
    if (angles == 0) parts.back() += c;
  }
  return parts;
}

}  // namespace

std::string SIM_StandInLog::NameOf(const char* signature) {
  std::string s = signature ? signature : "";
  // GCC writes the template bindings after the signature: "T X<T>::Get() [with T = int]".
  const size_t with = s.find(" [with ");
  if (with != std::string::npos) s.erase(with);

  // The argument list is the bracket pair that the last ")" closes; what follows it (const,
  // noexcept, ref-qualifiers) goes with it.
  const size_t close = s.rfind(')');
  if (close != std::string::npos) {
    int depth = 0;
    for (size_t i = close + 1; i-- > 0;) {
      if (s[i] == ')') ++depth;
      if (s[i] == '(' && --depth == 0) {
        s.erase(i);
        break;
      }
    }
  }

  // The return type and the specifiers end at the last blank outside brackets; a constructor or
  // a destructor has none.
  size_t start = 0;
  int angles = 0;
  int brackets = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '(' || c == '{') ++brackets;
    if (c == ')' || c == '}') --brackets;
    if (c == '<') ++angles;
    if (c == '>' && angles > 0) --angles;
    if (c == ' ' && angles == 0 && brackets == 0) start = i + 1;
  }
  // Clang binds "*" and "&" of the return type to the name: "X *X::Get()".
  while (start < s.size() && (s[start] == '*' || s[start] == '&')) ++start;

  std::vector<std::string> parts;
  for (const std::string& part : SplitQualified(s.substr(start))) {
    if (!part.empty() && !IsAnonymousNamespace(part)) parts.push_back(part);
  }
  if (parts.empty()) return s;
  if (parts.size() == 1) return parts.back();
  return parts[parts.size() - 2] + "::" + parts.back();
}

void SIM_StandInLog::Called(const char* name) {
  const std::string text = name ? name : "";
  if (LoggedNames().insert(text).second) GetDebug()->DebugOut(("STAND-IN: " + text).c_str());
  Record(name);
}

void SIM_StandInLog::Record(const char* name) {
  if (!Recording) return;
  Calls.push_back(name ? name : "");
  if (TheObserver) TheObserver(Calls.back());
}

int SIM_StandInLog::Count(const std::string& name) {
  return static_cast<int>(std::count(Calls.begin(), Calls.end(), name));
}
