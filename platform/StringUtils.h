#pragma once
// String and geometry helpers used across the game.
#include <string>

std::string TrimEnd(const std::string& text);
std::string LowerCase(const std::string& text);
std::string UpperCase(const std::string& text);
std::string AddDots(const std::string& text, int n);
bool SplitKeyValue(const char* line, std::string& key, std::string& value);
std::string NumToDelimitedChar(long n);
void NumToDelimitedChar(long n, char* out);  // out must hold 16 characters

float GetDist(float x1, float y1, float x2, float y2);
double Angle(double x1, double y1, double x2, double y2);
float AngleToObject(double x1, double y1, double x2, double y2);

// Every "\" of a data path becomes "/".
std::string ToForwardSlashes(std::string path);
