#pragma once
// The ini parser: a whole file as a dictionary of entries named "section:key" (case kept,
// compared exactly), slot order = insertion order.
#include <cstdint>
#include <cstdio>

struct dictionary {
  int n = 0;        // entries in use
  int size = 0;     // capacity
  char** val = nullptr;
  char** key = nullptr;
  uint32_t* hash = nullptr;
};

dictionary* dictionary_new(int size);
void dictionary_del(dictionary* d);
uint32_t dictionary_hash(const char* key);
const char* dictionary_get(dictionary* d, const char* key, const char* def);
char dictionary_getchar(dictionary* d, const char* key, char def);
int dictionary_getint(dictionary* d, const char* key, int def);
double dictionary_getdouble(dictionary* d, const char* key, double def);
void dictionary_set(dictionary* d, const char* key, const char* val);
void dictionary_unset(dictionary* d, const char* key);
void dictionary_setint(dictionary* d, const char* key, int val);
void dictionary_setdouble(dictionary* d, const char* key, double val);
void dictionary_dump(dictionary* d, FILE* out);

dictionary* iniparser_load(const char* path);
// The same from text in memory; `origin` names it in warnings.
dictionary* iniparser_load_text(const char* text, const char* origin);
void iniparser_freedict(dictionary* d);
const char* iniparser_getstring(dictionary* d, const char* name, const char* def);
const char* iniparser_getstr(dictionary* d, const char* name);
int iniparser_getint(dictionary* d, const char* name, int def);
double iniparser_getdouble(dictionary* d, const char* name, double def);
int iniparser_getboolean(dictionary* d, const char* name, int def);
int iniparser_find_entry(dictionary* d, const char* name);
int iniparser_setstr(dictionary* d, const char* name, const char* value);
void iniparser_unset(dictionary* d, const char* name);
int iniparser_getnsec(dictionary* d);
const char* iniparser_getsecname(dictionary* d, int n);
void iniparser_dump(dictionary* d, FILE* f);
void iniparser_dump_ini(dictionary* d, FILE* f);

const char* strlwc(const char* s);
const char* strupc(const char* s);
const char* strskp(const char* s);
const char* strcrop(const char* s);
const char* strstrip(const char* s);
