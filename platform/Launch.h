#pragma once
// Opening URLs and mail with the desktop's handler.
bool LaunchWebPage(const char* url);
bool LaunchEmail(const char* subject, const char* body, const char* address);
