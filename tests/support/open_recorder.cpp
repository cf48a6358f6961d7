// OPENREC.EXE: registered by the tests as the open command of text files,
// so that what the chooser opens through the shell can be read back. It
// appends its command line to the file named by CHOOSER_OPEN_RECORD and
// ends; it shows nothing.
#include <windows.h>

#include <cstdio>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char path[MAX_PATH];
  const DWORD length = GetEnvironmentVariableA("CHOOSER_OPEN_RECORD", path, sizeof path);
  if (length == 0 || length >= sizeof path) return 1;
  FILE *file = std::fopen(path, "ab");
  if (!file) return 1;
  std::fprintf(file, "%s\r\n", GetCommandLineA());
  std::fclose(file);
  return 0;
}
