#pragma once
// File lookup: the path as given first, then inside the resources directory.
#include <cstdio>
#include <string>

FILE* Mac_fopen(const char* path, const char* mode);
bool BuildMacResourceDirPath(char* out, int size, const char* directory);
std::string BuildMacResourceDirPath(const char* directory);  // "" when no resources directory
void EnsureDirectoryExists(const char* path);
std::string GetSafeFilename(const char* base, const char* extension);
