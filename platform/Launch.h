#pragma once
// Opening URLs and mail with the desktop's handler. In a non-interactive run nothing is opened; the
// URL goes to the debug log instead.
#include <string>

bool LaunchWebPage(const char* url);
// Subject and body are escaped as URL components, so any text survives the trip to the mail client.
bool LaunchEmail(const char* subject, const char* body, const char* address);

std::string UrlEscape(const std::string& text);
std::string BuildMailtoUrl(const char* subject, const char* body, const char* address);
