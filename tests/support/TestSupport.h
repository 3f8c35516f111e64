#pragma once
// Shared helpers for the tests. Every test process runs in a fresh temporary world made by
// TestMain.cpp: a home folder (HOME and XDG_* point into it) and a resources folder whose data/
// mirrors the repository's data/ through symlinks, so files the game creates land in the
// temporary folder and never in the repository or the real user folder.
#include <string>

namespace testsupport {

const std::string& TestRoot();        // the temporary folder of this process
const std::string& ResourcesRoot();   // VORLA2_DATA_DIR for this process
std::string RepoPath(const std::string& relative);
std::string FixturePath(const std::string& relative);

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& text);  // makes missing folders
bool Exists(const std::string& path);

}  // namespace testsupport
