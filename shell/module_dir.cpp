// The running executable's folder, read whole or not at all.
#include "shell/module_dir.h"

#include "text/byte_scan.h"

// The name is read in wide characters and converted here, so that a name
// whose ANSI form does not fit is seen as such: GetModuleFileNameA cuts a
// double-byte name at a character boundary and reports no cut. A name the
// code page cannot spell (no best fit, no default character) is not the
// folder either.
DWORD GetModuleDir(char *buffer) {
  buffer[0] = '\0';
  wchar_t wide[PATH_BUFFER_SIZE];
  const DWORD length = GetModuleFileNameW(nullptr, wide, PATH_BUFFER_SIZE);
  // 260 characters or more never fit in 259 bytes.
  if (length == 0 || length >= static_cast<DWORD>(PATH_BUFFER_SIZE)) return 0;
  // A UTF-8 code page takes neither the flag nor the question.
  const bool utf8 = GetACP() == CP_UTF8;
  BOOL lossy = FALSE;
  const int bytes = WideCharToMultiByte(CP_ACP, utf8 ? 0 : WC_NO_BEST_FIT_CHARS, wide,
                                        static_cast<int>(length), buffer, PATH_BUFFER_SIZE - 1,
                                        nullptr, utf8 ? nullptr : &lossy);
  if (bytes <= 0 || lossy) {
    buffer[0] = '\0';
    return 0;
  }
  buffer[bytes] = '\0';
  // Walked forwards: from the end, a trail byte cannot be told from a
  // separator.
  const UINT codePage = GetACP();
  int separator = -1;
  for (int i = 0; i < bytes; ++i) {
    if (IsLeadByteOf(static_cast<BYTE>(buffer[i]), codePage))
      ++i;
    else if (buffer[i] == '\\' || buffer[i] == '/')
      separator = i;
  }
  if (separator < 0) {
    buffer[0] = '\0';
    return 0;
  }
  buffer[separator + 1] = '\0';
  return static_cast<DWORD>(separator);
}
