#pragma once
// Short lower-case keys for the hook functions that scripts start with "Call(key)".
#include <string>
#include <vector>

typedef void (*SIM_HookFunction)();

struct SIM_HookedFunction {
  SIM_HookFunction function = nullptr;
  std::string key;
};

class SIM_FunctionTable {
 public:
  SIM_FunctionTable();  // registers the built-in hooks
  virtual ~SIM_FunctionTable();
  SIM_FunctionTable(const SIM_FunctionTable&) = delete;
  SIM_FunctionTable& operator=(const SIM_FunctionTable&) = delete;

  void AddHook(const std::string& key, SIM_HookFunction function);
  // Calls the first hook of that key; unknown key: "Hook not found: %s" once per key, false.
  bool Trigger(const std::string& key);
  bool HasHook(const std::string& key) const;
  const std::vector<SIM_HookedFunction*>& GetHooks() const { return m_hooks; }

 private:
  std::vector<SIM_HookedFunction*> m_hooks;
};

SIM_FunctionTable* SIM_GetFunctionTable();
