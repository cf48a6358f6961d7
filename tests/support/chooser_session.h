// Drives the real SETUP.EXE from a test as a user would. A session (Rig)
// stages SETUP.EXE and the sample bundle in a folder, registers the
// stand-in install tool for handheld databases and a note of each opening
// for text files, starts the chooser, waits for its pages or message
// boxes, clicks its painted buttons and its boxes, reads the boxes, and
// reads what the tool received and what the shell opened. Every wait ends on the event it
// needs (a window shown or under the pointer, a box flipped, a log line
// written, a process ended); its deadline is reached only by a failing
// test. What a session changes is put back when it ends.
#pragma once

#include <windows.h>

#include <string>
#include <tuple>
#include <vector>

#include "pages/converter_page.h"
#include "pages/main_page.h"
#include "pages/suite_page.h"
#include "pages/system_page.h"
#include "shell/chooser_windows.h"
#include "shell/startup_checks.h"

namespace driver {

// Reached only by a failing test: long enough that a busy machine (a start
// of Wine's programs can take seconds there) never reaches it otherwise.
const DWORD kDeadlineMs = 30000;

// Waits until `done` returns true or the deadline passes; true when it did.
template <typename Condition>
bool WaitUntil(Condition done, DWORD deadlineMs = kDeadlineMs) {
  for (const DWORD start = GetTickCount();; Sleep(10)) {
    if (done()) return true;
    if (GetTickCount() - start >= deadlineMs) return false;
  }
}

// A started program. Finish ends it if it still runs and closes it.
struct Program { PROCESS_INFORMATION info; bool started; };
std::string WindowsPathOf(const std::string &unixPath);
// Starts a program with its own folder as working folder; path and
// arguments in UTF-8.
Program Start(const std::string &exePath, const std::string &arguments = "");
bool WaitForExit(Program &program, DWORD *exitCode = nullptr, DWORD deadlineMs = kDeadlineMs);
void Finish(Program &program);

// Waits until no process of that file name (e.g. "cmd.exe") runs.
bool WaitForNoProcess(const char *exeName);

// Top-level windows of a process with a class, visible or all.
std::vector<HWND> WindowsOf(DWORD processId, const char *className, bool visibleOnly);

// Real mouse input (SendInput, each event at its screen place). A click at
// client (x, y) of a window first waits until that window is the one under
// the point (a page just shown, a box enabled) and its thread holds no
// mouse capture (a box that has just clicked may still hold it), then
// presses and releases, `times` times in a row without waiting in between.
bool ClickAtClient(HWND window, int x, int y, int times = 1);
// Presses at client (x, y), waits for the system's move loop, moves the
// pointer by (dx, dy), releases, and returns once the loop has ended.
bool DragFromClient(HWND window, int x, int y, int dx, int dy);
// A box of another process: BM_GETCHECK (-1 when there is no such box),
// and its rectangle in its parent's client coordinates.
int CheckStateOf(HWND parent, int id);
RECT ChildRectOf(HWND parent, int id);
// A rectangle's edges, left, top, right, bottom, to compare and print.
inline std::tuple<int, int, int, int> Edges(const RECT &r) { return {r.left, r.top, r.right, r.bottom}; }
// The window's client area as on the screen (which must show all of it),
// row by row, each pixel 0x00RRGGBB. Sets the area's size; empty when it
// cannot be read.
std::vector<DWORD> GrabClient(HWND window, int *width, int *height);
// The client area once painted: grabbed until two grabs running are the
// same and not of one colour.
std::vector<DWORD> GrabPainted(HWND window, int *width, int *height);

// A registry value as it was, to be put back after a test changes it.
struct SavedRegistryValue {
  HKEY root;
  std::string subkey, name;  // empty name: the key's default value
  bool keyExisted, valueExisted;
  DWORD type;
  std::vector<BYTE> data;
};
SavedRegistryValue SaveRegistryValue(HKEY root, const std::string &subkey, const std::string &name);
bool SetRegistryValue(HKEY root, const std::string &subkey, const std::string &name, DWORD type,
                      const void *data, DWORD size);
bool SetRegistryText(HKEY root, const std::string &subkey, const std::string &name,
                     const std::string &text);
void DeleteRegistryValue(HKEY root, const std::string &subkey, const std::string &name);
// Rewrites the value as saved, or removes it (and the key, when the test
// made it and left it empty).
void RestoreRegistryValue(const SavedRegistryValue &saved);

}  // namespace driver

namespace session {

// The stand-in install tool and the sample bundle.
std::string ToolExePath();
std::string BundleDir();

// A text as this system's chooser shows it: the Big5 form (given here in
// UTF-8) on a Traditional-Chinese system, the English one elsewhere; the
// caption of its message boxes.
bool IsBig5();
std::string Localised(const char *english, const char *big5Utf8);
std::string Caption();

// The chooser's four pages, told apart by their boxes.
struct Pages { HWND main, suite, system, converter; };
Pages FindPages(const driver::Program &program);
HWND VisiblePage(const Pages &pages);  // the one on screen, or null

// What came first after a start or a click.
enum class Seen { kNothing, kPage, kMessageBox, kEnded };

struct MessageBoxSeen { HWND window, owner; std::string caption, text; };

// A painted button of the main page, by its hotspot id; the option pages
// have one, OPTIONS_HOTSPOTS[0].
HotspotDefinition MainButton(WORD id);

// A page's scale in quarters (shell/placement.h), read from its size: the
// scale at which the page is ScaleLength of 370 x 410; 0 when none is.
int PageQuarters(HWND page);

class Rig {
 public:
  // `folder` (a drive's root, or a folder of the test's own whose top
  // folder is emptied first and removed at the end) receives SETUP.EXE and
  // the bundle, unless `stage` is false (they are there already); the tool
  // is registered as "<tool> %1". The warning atom is set, as after the
  // first run of a logon.
  explicit Rig(const std::string &folder = "D:\\", bool stage = true);
  ~Rig();
  Rig(const Rig &) = delete;

  bool RegisterTool(const std::string &command);
  void UnregisterTool();

  // Starts the session's chooser once no earlier one runs (ending its own
  // earlier one), and waits for what comes next: its main page shown with
  // all four pages made (kPage), a message box (kMessageBox) or its end.
  Seen Open();
  Seen Next();
  // Waits for the chooser's next message box, reads it and presses OK;
  // an empty window when none came.
  MessageBoxSeen Answer();
  // Clicks a painted button of a page at the page's scale (PageQuarters)
  // times its centre, rounded as the chooser rounds (ScaleLength), `times`
  // times in a row; false when the page has no scale. Toggle clicks a box
  // in its middle and waits until it has flipped; Command sends the
  // BN_CLICKED of a box no mouse reaches and returns once the page has
  // handled it (a page takes it only while it is on screen, as it would a
  // click).
  bool Click(HWND page, const HotspotDefinition &button, int times = 1);
  // The main page's OK and Exit, clicked.
  bool PressOk();
  bool PressExit();
  bool Toggle(HWND page, int id);
  // Shows an option page as a user does: its Options button on the main
  // page, or for the system page (which has none in this bundle) as that
  // button would. Back presses the option page's OK. Both wait until the
  // page is on screen.
  bool Show(HWND page);
  bool Back(HWND page);
  void Command(HWND page, int id);
  std::vector<int> States(HWND page, const std::vector<int> &ids) const;
  bool WaitShown(HWND page) const;
  // Waits for the chooser to end; true when it did with exit code 0.
  bool WaitForEnd();
  bool Running() const;

  // What the tool logged ("" until it ran); lines after a prefix; waits
  // until no tool and no opening of a text runs any more and the tool has
  // written its last line. The text files the shell opened, each in
  // quotation marks.
  std::string ToolLog() const;
  std::vector<std::string> ToolLines(const std::string &prefix) const;
  std::string ToolCommandLine() const;
  bool WaitForToolDone() const;
  std::vector<std::string> Openings() const;
  bool WaitForOpening() const;

  const driver::Program &program() const { return program_; }
  const Pages &pages() const { return pages_; }
  const std::string &folder() const { return folder_; }
  const std::string &setupExe() const { return setupExe_; }

 private:
  std::string folder_, setupExe_, desktopRoot_;
  std::vector<std::string> made_;
  driver::SavedRegistryValue saved_[3];
  driver::Program program_ = {};
  Pages pages_ = {};
};

// " " + dir + name for each name: items of an install command. The 13
// that the pages' initial states send with SETUP.EXE in `dir`.
std::string Items(const std::string &dir, const std::vector<std::string> &names);
std::string DefaultItems(const std::string &dir);

}  // namespace session
