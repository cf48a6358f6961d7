// Replaces entries of the test program's own import table, so that a test
// can watch (and pass on) the calls the code under test makes to a system
// DLL, or stand in for a platform failure that cannot be produced for real.
// Only the test program's own calls are affected, never the DLLs'.
#pragma once

#include <windows.h>

// Points the program's import of `function` from `dll` at `replacement`.
// Returns the address it held (the real function), or null when the
// program does not import it.
void *PatchImport(const char *dll, const char *function, void *replacement);

// A patch for one scope: restores the entry when it goes.
class ScopedImportPatch {
 public:
  ScopedImportPatch(const char *dll, const char *function, void *replacement)
      : dll_(dll), function_(function), original_(PatchImport(dll, function, replacement)) {}
  ~ScopedImportPatch() {
    if (original_) PatchImport(dll_, function_, original_);
  }
  ScopedImportPatch(const ScopedImportPatch &) = delete;
  ScopedImportPatch &operator=(const ScopedImportPatch &) = delete;
  void *original() const { return original_; }

 private:
  const char *dll_;
  const char *function_;
  void *original_;
};
