#pragma once
// Families of objects live in static lists of raw pointers until a Close empties them. At process
// exit nothing calls Close, so each family registers its Close here: it runs once, before the
// static lists themselves are torn down, and leak checkers see a clean exit.
using ExitCleanupFn = void (*)();

// Registers fn to run at exit; a function registered before is not registered again.
void RegisterExitCleanup(ExitCleanupFn fn);
