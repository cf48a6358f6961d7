// PDINSTALL.EXE: the stand-in desktop's install tool. The desktop registers
// it as the open command of handheld database files ("<path> %1"), so it is
// started with one or more file paths on its command line. It checks each
// file's Palm database header and queues the good ones for the first
// handheld user by copying them into that user's install folder, where they
// wait for the next sync.
//
// Paths are split at blanks, as an unquoted command gives them; a path in
// double quotation marks is taken whole, without the marks. Everything it
// received and did goes to <root>install-tool.log:
//   command line: <the exact command line>
//   queued: <path> -> <where it went>
//   rejected: <path> (<why>)
//   done: <n> queued, <m> rejected
// It never opens a window or a message box: it runs unattended.
//
//   PDINSTALL.EXE /register
// registers the tool as the desktop does when it is installed: "<its own
// path> %1" as the open command of handheld database files, under the key
// the chooser reads (install/tool_discovery.h). Exit code 0 when it could.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "install/tool_discovery.h"
#include "tools/desktop/handheld_store.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The command line's words after the program's own name.
std::vector<std::string> SplitArguments(const char *commandLine) {
  std::vector<std::string> words;
  const char *p = commandLine;
  bool first = true;
  while (*p) {
    while (IsBlank(*p)) ++p;
    if (!*p) break;
    std::string word;
    bool quoted = false;
    for (; *p && (quoted || !IsBlank(*p)); ++p) {
      if (*p == '"')
        quoted = !quoted;
      else
        word += *p;
    }
    if (!first) words.push_back(word);
    first = false;
  }
  return words;
}

void Log(const std::string &line) { AppendToolLog(line.c_str()); }

int RegisterTool() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  if (length == 0 || length >= sizeof path) return 1;
  const std::string command = std::string(path) + " %1";
  return RegSetKeyValueA(HKEY_LOCAL_MACHINE, PDB_OPEN_COMMAND_KEY, nullptr, REG_SZ, command.c_str(),
                         static_cast<DWORD>(command.size() + 1)) == ERROR_SUCCESS ? 0 : 1;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const char *commandLine = GetCommandLineA();
  const std::vector<std::string> arguments = SplitArguments(commandLine);
  if (arguments.size() == 1 && arguments[0] == "/register") return RegisterTool();
  Log(std::string("command line: ") + commandLine);

  char user[256];
  const bool haveUser = HandheldUserName(0, user, sizeof user) >= 0;
  int queued = 0, rejected = 0;
  for (const std::string &path : arguments) {
    char target[MAX_PATH] = "";
    const int status = haveUser ? QueueForUser(user, path.c_str(), target, sizeof target) : PALM_NO_USER;
    if (status == PALM_OK) {
      ++queued;
      Log("queued: " + path + " -> " + target);
    } else {
      ++rejected;
      Log("rejected: " + path + " (" + PalmFileStatusText(status) + ")");
    }
  }
  char summary[64];
  std::snprintf(summary, sizeof summary, "done: %d queued, %d rejected", queued, rejected);
  Log(summary);
  return rejected == 0 ? 0 : 1;
}
