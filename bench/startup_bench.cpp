// Start-up benchmark: time from process start to the first painted window,
// for several programs started in turn (round robin) in one run, so that
// each sees the same machine. A program counts as painted when one of its
// top-level windows is visible and has nothing left to paint (no update
// region): its first WM_PAINT has been handled. Prints each program's
// median and the first program's ratio to each of the others.
//   startup_bench RUNS NAME=PROGRAM.EXE...
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "shell/startup_checks.h"

namespace {

const DWORD kDeadlineMs = 10000;

struct Program {
  std::string name, path;
  std::vector<double> times;
};

struct FoundWindow {
  DWORD processId;
  HWND window;
};

BOOL CALLBACK FindPainted(HWND window, LPARAM param) {
  FoundWindow *found = reinterpret_cast<FoundWindow *>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == found->processId && IsWindowVisible(window) &&
      !GetUpdateRect(window, nullptr, FALSE)) {
    found->window = window;
    return FALSE;
  }
  return TRUE;
}

double Milliseconds(const LARGE_INTEGER &from, const LARGE_INTEGER &to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / frequency.QuadPart;
}

// Milliseconds from CreateProcess to the first painted window; negative when
// the program did not paint one within the deadline. The program is ended.
double TimeToPaint(const std::string &path) {
  std::string commandLine = "\"" + path + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  LARGE_INTEGER start, now;
  QueryPerformanceCounter(&start);
  if (!CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return -1;
  FoundWindow found = {process.dwProcessId, nullptr};
  double elapsed = 0;
  for (;;) {
    EnumWindows(FindPainted, reinterpret_cast<LPARAM>(&found));
    QueryPerformanceCounter(&now);
    elapsed = Milliseconds(start, now);
    if (found.window || elapsed > kDeadlineMs ||
        WaitForSingleObject(process.hProcess, 0) != WAIT_TIMEOUT)
      break;
    Sleep(1);
  }
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, kDeadlineMs);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return found.window ? elapsed : -1;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char **argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: startup_bench RUNS NAME=PROGRAM.EXE...\n");
    return 2;
  }
  const int runs = std::max(1, std::atoi(argv[1]));
  std::vector<Program> programs;
  for (int i = 2; i < argc; ++i) {
    const char *equals = std::strchr(argv[i], '=');
    if (!equals) return 2;
    programs.push_back({std::string(argv[i], static_cast<size_t>(equals - argv[i])), equals + 1, {}});
  }
  // The chooser's code-page warning is shown once per logon: count it as shown.
  if (!GlobalFindAtomA(WARNED_ATOM_NAME)) GlobalAddAtomA(WARNED_ATOM_NAME);
  for (Program &program : programs) TimeToPaint(program.path);  // warm the file cache
  for (int run = 0; run < runs; ++run) {
    for (Program &program : programs) {
      const double ms = TimeToPaint(program.path);
      if (ms < 0) {
        std::fprintf(stderr, "%s did not paint a window\n", program.name.c_str());
        return 1;
      }
      program.times.push_back(ms);
    }
  }
  std::printf("start to first paint, median of %d runs, round robin:\n", runs);
  for (const Program &program : programs)
    std::printf("  %-16s %8.1f ms  (fastest %.1f)\n", program.name.c_str(), Median(program.times),
                *std::min_element(program.times.begin(), program.times.end()));
  const double first = Median(programs[0].times);
  for (size_t i = 1; i < programs.size(); ++i)
    std::printf("  %s / %s %*s%6.2f\n", programs[0].name.c_str(), programs[i].name.c_str(),
                static_cast<int>(14 - programs[i].name.size()), "", first / Median(programs[i].times));
  return 0;
}
