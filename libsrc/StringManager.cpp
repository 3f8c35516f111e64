#include "StringManager.h"

#include <cstdlib>

#include "CSV.h"
#include "GDebug.h"
#include "PrivateProfile.h"

namespace {
constexpr const char* kVariantPrefix = "-var";
}

StringManager::StringManager(const char* databaseFile) : m_database(databaseFile ? databaseFile : "") {}

StringArray* StringManager::Find(const std::string& name) {
  for (auto& a : m_arrays) {
    if (a->name == name) return a.get();
  }
  return nullptr;
}

void StringManager::LoadStrings(const char* section, const char* file) {
  std::string sec = section ? section : "";
  const char* fil = file ? file : "";
  StringArray* array = Find(sec);
  if (!array) {
    m_arrays.push_back(std::make_unique<StringArray>());
    array = m_arrays.back().get();
    array->name = sec;
  }
  array->strings.clear();
  for (int index = 0;; ++index) {
    std::string value = GetPrivateProfileString(sec.c_str(), std::to_string(index).c_str(), "", fil);
    if (value.size() > 1023) value.resize(1023);
    if (value.empty() || value == "-") break;
    if (value[0] != '-') {
      array->strings.push_back(value);
      continue;
    }
    int count = CSV::ParseInt(value.c_str() + 1);
    auto group = std::make_unique<StringArray>();
    group->name = kVariantPrefix + std::to_string(m_variantCounter++);
    for (int v = 0; v < count; ++v) {
      std::string key = std::to_string(index) + "-" + std::to_string(v);
      std::string variant = GetPrivateProfileString(sec.c_str(), key.c_str(), "", fil);
      if (variant.size() > 1023) variant.resize(1023);
      group->strings.push_back(variant);
    }
    array->strings.push_back(group->name);
    m_arrays.push_back(std::move(group));
  }
}

const char* StringManager::Resolve(const std::string& entry) {
  if (entry.compare(0, 4, kVariantPrefix) == 0) return GetVariant(entry.c_str());
  return entry.c_str();
}

const char* StringManager::GetString(const char* section, int index) {
  std::string sec = section ? section : "";
  StringArray* array = Find(sec);
  if (!array) {
    LoadStrings(sec.c_str(), m_database.c_str());
    array = Find(sec);
  }
  if (index < 0 || (size_t)index >= array->strings.size()) return nullptr;
  return Resolve(array->strings[(size_t)index]);
}

const char* StringManager::GetRndString(const char* section) {
  std::string sec = section ? section : "";
  if (!Find(sec)) LoadStrings(sec.c_str(), m_database.c_str());
  StringArray* array = Find(sec);
  if (array->strings.empty()) return nullptr;
  return Resolve(array->strings[(size_t)rand() % array->strings.size()]);
}

const char* StringManager::GetVariant(const char* group) {
  std::string name = group ? group : "";
  StringArray* array = Find(name);
  if (!array || array->strings.empty()) {
    std::string w = GFormat("StringManager: no variants in group %s", name.c_str());
    GWarnOnce(w, w.c_str(), __FILE__, __LINE__);
    return "";
  }
  return array->strings[(size_t)rand() % array->strings.size()].c_str();
}

void StringManager::Release() { m_arrays.clear(); }
