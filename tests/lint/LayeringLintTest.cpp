// The layers of the code: SDL, GL and FreeType are reached only from inside the engine and the
// platform layer (and from winmain, which the build compiles on its own), and the platform layer
// stands below the engine. The build's include paths refuse most wrong includes already; these
// checks catch the ones that need no path (<GL/gl.h>, <SDL2/SDL.h>) and the ones written with one.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>

#include "LintSupport.h"
#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {

// An include of SDL and its libraries, GL (and its loaders) or FreeType.
const std::regex kLibraryInclude(R"(^\s*#\s*include\s*[<"]((SDL|GL/|GLES|KHR/|EGL/|ft2build|freetype)[^>"]*)[>"])");
const std::regex kQuotedInclude(R"(^\s*#\s*include\s*"([^"]+)\")");

TEST(Layering, OnlyTheEngineAndWinmainIncludeSdlGlOrFreeType) {
  lint::Findings found;
  // The game's files, and the engine's headers, which the game includes.
  std::vector<fs::path> files = lint::SourceFiles({"src"});
  for (const fs::path& header : lint::FilesUnder({"platform", "libsrc"}, {".h"})) files.push_back(header);
  ASSERT_GT(files.size(), 20u) << "no sources found under " << testsupport::RepoPath("");
  for (const lint::Mention& m : lint::Mentions(files, kLibraryInclude)) {
    if (m.file == "src/winmain.cpp") continue;
    found.push_back(m.Where() + ": includes <" + m.name + ">");
  }
  EXPECT_TRUE(found.empty()) << "only the engine's and the platform layer's .cpp files (and src/winmain.cpp) "
                                "may include these; give the engine a function instead:\n"
                             << lint::Join(found);
}

TEST(Layering, ThePlatformLayerIncludesOnlyItself) {
  lint::Findings found;
  const std::vector<fs::path> files = lint::SourceFiles({"platform"});
  ASSERT_FALSE(files.empty());
  for (const lint::Mention& m : lint::Mentions(files, kQuotedInclude)) {
    const fs::path target = fs::path(testsupport::RepoPath("platform")) / m.name;
    if (m.name.find("..") != std::string::npos || !fs::exists(target))
      found.push_back(m.Where() + ": includes \"" + m.name + "\", which is not in platform/");
  }
  EXPECT_TRUE(found.empty()) << lint::Join(found);
}

}  // namespace
