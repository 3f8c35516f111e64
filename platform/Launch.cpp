#include "Launch.h"

#include <SDL.h>

#include "GDebug.h"

std::string UrlEscape(const std::string& text) {
  static const char* hex = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : text) {
    bool unreserved = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                      c == '-' || c == '.' || c == '_' || c == '~';
    if (unreserved) {
      out += (char)c;
    } else {
      out += '%';
      out += hex[c >> 4];
      out += hex[c & 15];
    }
  }
  return out;
}

std::string BuildMailtoUrl(const char* subject, const char* body, const char* address) {
  std::string to = address ? address : "";
  std::string escapedTo;
  // The address keeps its "@"; anything that would end it early is escaped.
  for (char c : to) escapedTo += (c == '@') ? std::string("@") : UrlEscape(std::string(1, c));
  return "mailto:" + escapedTo + "?subject=" + UrlEscape(subject ? subject : "") + "&body=" + UrlEscape(body ? body : "");
}

bool LaunchWebPage(const char* url) {
  if (!url || !url[0]) return false;
  if (IsNonInteractive()) {
    GetDebug()->DebugOut(GFormat("Not opening %s: no desktop in this run", url).c_str());
    return false;
  }
  if (SDL_OpenURL(url) != 0) {
    GWarnOnce(std::string("openurl:") + url, GFormat("Could not open %s: %s", url, SDL_GetError()).c_str(), __FILE__, __LINE__);
    return false;
  }
  return true;
}

bool LaunchEmail(const char* subject, const char* body, const char* address) {
  return LaunchWebPage(BuildMailtoUrl(subject, body, address).c_str());
}
