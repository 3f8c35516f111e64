#pragma once
// Every text the player reads is looked up by key in "data/strings.ini", section "strings".
// Texts carry tokens in angle brackets ("<RAVEZIRER>", "<NAME>", ...) that callers replace.
// Other sections of the file are numbered "0".."n-1": a random text or one chosen by a value
// between 0 and 1 is drawn from them.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class IniLoader;

// The key -> text table behind section "strings": 53 buckets by the first and last letter of the
// key, exact (case-sensitive) comparison, no allocation per lookup. Game keys share their first
// and last letters a lot ("nv_..."), so each bucket is searched by a hash of the whole key
// rather than walked from end to end.
class GHashTable {
 public:
  static constexpr size_t kMaxKey = 255;
  static constexpr size_t kMaxValue = 2046;

  GHashTable() = default;
  GHashTable(const GHashTable&) = delete;
  GHashTable& operator=(const GHashTable&) = delete;
  virtual ~GHashTable() { Clear(); }

  void LoadSection(const char* section, const char* file);
  // Loads from section text in hand ("key=value\0...\0"); `origin` names it in warnings. Keys
  // lose their whitespace; values lose "=", double quotes and line feeds unless a backslash
  // before them keeps the next one. Over-long keys and values are cut with one warning each.
  void LoadFromSectionText(const std::string& text, const char* origin);
  const char* GetValue(const char* key) const;  // "" when missing
  // The stored key equal to `key` (its text stays put while the table lives), or null.
  const char* FindKey(const char* key) const;
  void AddEntry(const char* key, const char* value);
  void Clear();
  void Unload() {
    Clear();
    m_loaded = false;
  }
  bool IsLoaded() const { return m_loaded; }
  static int BucketOf(const char* key);
  size_t Count() const { return m_count; }
  // How many faults the last load had (cut keys or values).
  int Problems() const { return m_problems; }

 private:
  struct Entry {
    uint32_t hash;  // of the whole key; a bucket is kept sorted by it (ties in insertion order)
    std::string key;
    std::string value;
  };
  static uint32_t HashOf(const char* key);
  const Entry* Find(const char* key) const;

  // Entries are held by pointer so the texts handed out stay where they are as entries are added.
  std::vector<std::unique_ptr<Entry>> m_buckets[53];
  std::string m_section;
  std::string m_file;
  size_t m_count = 0;
  int m_problems = 0;
  bool m_loaded = false;
};

struct GStringToken {
  std::string name;
  std::string value;
};

class GTranslation {
 public:
  // The text of a key, or the key itself when the key is missing (reported once) or its value is
  // empty. The table is loaded on the first call. The result is owned by the table (never the
  // caller's own key), so it outlives a temporary key.
  static const char* GetString(const char* key);
  static const char* GetString(const std::string& key) { return GetString(key.c_str()); }

  // Replaces every occurrence of the token; inserted text is not searched again.
  static void ReplaceToken(std::string& buffer, const char* token, const char* text);
  static void ReplaceToken(std::string& buffer, const char* token, const std::string& text) {
    ReplaceToken(buffer, token, text.c_str());
  }
  // The number is written with digit grouping ("1,234").
  static void ReplaceToken(std::string& buffer, const char* token, int number);
  // Fixed-buffer forms: `size` is the buffer's capacity; a result that does not fit is cut with
  // one warning.
  static void ReplaceToken(char* buffer, int size, const char* token, const char* text);
  static void ReplaceToken(char* buffer, int size, const char* token, int number);

  // Removes every span from "<" to the next ">" (a "<" with no ">" after it stays).
  static void ClearTokens(std::string& buffer);
  static void ClearTokens(char* buffer);

  // The results of Crop, GetValueName and GetRandomString share one buffer, valid until the next
  // call of any of them.
  // The text cut to n characters, the last three being "..."; shorter texts are unchanged.
  static const char* Crop(const std::string& text, int n);
  // A random text of a numbered section; "" (with one warning) when it has no keys.
  static const char* GetRandomString(const char* section, const char* file);
  static const char* GetRandomString(const char* section);  // in the strings file
  // The text of band (int)(n x value) of a numbered section of n keys, clamped to 0..n-1.
  static const char* GetValueName(float value, const char* section);

  // pairs: "NAME=value,OTHER=value," (a last pair without its "," is not taken).
  static void BuildTokenList(const char* pairs);
  static std::string GetToken(const char* name);  // "" (reported once) when not in the list
  // The text of the key with each "<NAME>" replaced by the value given for NAME in pairs.
  static std::string GetTokenisedString(const char* key, const char* pairs);

  // A cached loader of one section of one file (owned here until Close).
  static IniLoader* GetLoader(const char* section, const char* file);
  static void Close();

  // Drops the loaded table and the keys reported missing, so the next GetString reads the file
  // again and reports afresh (tests, language change).
  static void Reload();
  // Reads texts from another file than "data/strings.ini" from now on (tests, mods); reloads.
  static void UseStringsFile(const char* file);
  static const char* GetStringsFile();
};
