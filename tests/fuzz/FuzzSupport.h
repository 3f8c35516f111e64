#pragma once
// What every fuzz target shares. A target is one source file defining LLVMFuzzerInitialize (which
// calls fuzz::Setup) and LLVMFuzzerTestOneInput (which ends with fuzz::Forget). The same file is
// linked either with libFuzzer (`make fuzz`) or with ReplayMain.cpp, which feeds it every file of
// its corpus folder as an ordinary test.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#define VORLA2_FUZZ_TARGET                                    \
  extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv); \
  extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)

namespace fuzz {

// Once per process: a private world (home, user folder, resources whose data/ mirrors the
// repository's), headless, no alert that blocks, the debug log open. Under libFuzzer the log goes
// to /dev/null: millions of inputs would fill the disk.
void Setup();

// After every input: forgets the names reported once (and now and then the translation keys
// reported missing), so that memory stays bounded however many inputs run.
void Forget();

// The input as bytes in a string (zero bytes kept: readers of C strings stop at the first).
std::string Bytes(const uint8_t* data, size_t size);

// Writes the input to a file of this process's world, outside the mirrored data/, and returns its
// full path for the reader.
std::string WriteInput(const std::string& name, const uint8_t* data, size_t size);

// The text split at line feeds (the line feeds dropped), at most `limit` pieces.
std::vector<std::string> Lines(const std::string& text, size_t limit);

// Stops the process with a message on stderr: a broken promise of a reader counts as a crash.
[[noreturn]] void Fail(const char* what);
inline void Check(bool condition, const char* what) {
  if (!condition) Fail(what);
}

}  // namespace fuzz
