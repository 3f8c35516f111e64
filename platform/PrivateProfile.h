#pragma once
// The private-profile settings family: reads consult the preferences store first and fall back to
// the ini file; writes go to the preferences store only, never into the ini file.
#include <cstdint>
#include <string>

struct dictionary;

int GetPrivateProfileString(const char* section, const char* key, const char* def, char* out, int size,
                            const char* file);
std::string GetPrivateProfileString(const char* section, const char* key, const char* def, const char* file);
int GetPrivateProfileInt(const char* section, const char* key, int def, const char* file);
float GetPrivateProfileFloat(const char* section, const char* key, float def, const char* file);
uint32_t GetPrivateProfileRGBA(const char* section, const char* key, const char* file);
// The section as consecutive "key=value\0" strings ended by one more "\0"; returns the byte count
// before the final zero.
int GetPrivateProfileSection(const char* section, std::string& out, const char* file);
// The bounded form: never writes more than size bytes; a section that does not fit is cut at a
// whole pair with one warning.
int GetPrivateProfileSection(const char* section, char* out, int size, const char* file);
bool WritePrivateProfileString(const char* section, const char* key, const char* value, const char* file);
bool WritePrivateProfileInt(const char* section, const char* key, int value, const char* file);
bool WritePrivateProfileFloat(const char* section, const char* key, float value, const char* file);
dictionary* GetDictionaryForFilename(const char* file);

namespace RegistryLib {
bool WriteKey(const char* path, const char* name, const char* value);
bool ReadKey(const char* path, const char* name, char* out);
}  // namespace RegistryLib
