// Drives a real SETUP.EXE (or any program) from a test as a user would:
// starts it, waits for its windows, reads and dismisses its message boxes,
// clicks on its pages, and waits for it to end. Every wait has a deadline
// that only a failing test reaches.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace driver {

const DWORD kDeadlineMs = 15000;

// A started program.
struct Program {
  PROCESS_INFORMATION info;
  bool started;
  DWORD startError;  // GetLastError of a failed start
};

// Windows path of a file built by this project, from its Unix path.
std::string WindowsPathOf(const std::string &unixPath);

// Path of the SETUP.EXE under test (given to the test at build time).
std::string SetupExePath();

// Copies SETUP.EXE to `dir` (made with its parents), as dir\SETUP.EXE. A
// chooser of an earlier test that is still ending may hold the file for a
// moment: the copy is retried until the deadline.
std::string StageSetupExe(const std::string &dir);

// Makes a folder and its parents; true when it exists afterwards.
bool MakeFolders(const std::string &path);

// Starts a program with its own folder as working folder.
Program Start(const std::string &exePath, const std::string &arguments = "");

// Waits for the program to end; true with its exit code when it did.
bool WaitForExit(Program &program, DWORD *exitCode = nullptr, DWORD deadlineMs = kDeadlineMs);

// Ends the program if it still runs, and closes its handles.
void Finish(Program &program);

// Top-level windows of a process with the given class, visible or not.
std::vector<HWND> WindowsOf(DWORD processId, const char *className, bool visibleOnly);

// A message box of the program, as read from the screen.
struct MessageBoxSeen {
  HWND window;
  std::string caption;
  std::string text;
};

// What appeared first: a message box, or a visible chooser page.
enum class Appeared { kNothing, kMessageBox, kPage, kEnded };

// Waits until the program shows a message box or a visible page of class
// KIVOCHOOSER, or ends. Fills `box` or `page` for what it saw.
Appeared WaitForBoxOrPage(Program &program, MessageBoxSeen *box, HWND *page,
                          DWORD deadlineMs = kDeadlineMs);

// Waits for a message box of the program.
bool WaitForMessageBox(Program &program, MessageBoxSeen *box, DWORD deadlineMs = kDeadlineMs);

// Presses OK on a message box and waits until it has gone.
bool DismissMessageBox(const MessageBoxSeen &box);

// Waits for a visible chooser page of the program.
HWND WaitForVisiblePage(Program &program, DWORD deadlineMs = kDeadlineMs);

// Text of a window's caption or a control's text, as ANSI bytes.
std::string TextOf(HWND window);

// Waits until no chooser holds its instance mutex (a chooser of an earlier
// test may still be ending); false when one still does at the deadline.
bool WaitForNoRunningChooser(DWORD deadlineMs = kDeadlineMs);

// Global atom helpers for the code-page warning's "once per logon".
void ForgetAtom(const char *name);
bool AtomExists(const char *name);

// Real mouse input at screen coordinates (SetCursorPos and SendInput), as
// a user's hand gives it; the system routes it to whatever window is under
// the pointer. Each returns when the input has been queued.
bool MoveMouseTo(int x, int y);
bool ClickAtScreen(int x, int y);
// A click at client coordinates of a window.
bool ClickAtClient(HWND window, int x, int y);

// Clicks a point of a page that starts the system's move loop (the
// background, a disabled box): the button goes up only once the window's
// thread is in the loop, and the call returns once the loop has ended, so
// that the next click cannot be taken for the end of this drag.
bool ClickToDragAtClient(HWND window, int x, int y);

// True while the window's thread runs the system's move or size loop.
bool IsInMoveLoop(HWND window);
// Presses the left button at client (x, y), moves by (dx, dy) in steps and
// releases it.
bool DragFromClient(HWND window, int x, int y, int dx, int dy);

// Waits until `done` returns true or the deadline passes; true when it did.
template <typename Condition>
bool WaitUntil(Condition done, DWORD deadlineMs = kDeadlineMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (done()) return true;
    if (GetTickCount() - start >= deadlineMs) return false;
    Sleep(20);
  }
}

// A check box of another process: its state (BM_GETCHECK; -1 when there
// is no such control) and its rectangle in its parent's client
// coordinates.
int CheckStateOf(HWND parent, int id);
RECT ChildRectOf(HWND parent, int id);

// The window's client area as on the screen, row by row, each pixel
// 0x00RRGGBB; pixels off the screen read kOffScreen (a grab reaching past
// the screen's edge would return nothing). Sets the area's size; empty
// when the window's place cannot be read.
const DWORD kOffScreen = 0xFF000000;
std::vector<DWORD> GrabClient(HWND window, int *width, int *height);

// A registry value as it was, to be put back after a test changes it.
struct SavedRegistryValue {
  HKEY root;
  std::string subkey;
  std::string name;  // empty for the key's default value
  bool keyExisted;
  bool valueExisted;
  DWORD type;
  std::vector<BYTE> data;
};
SavedRegistryValue SaveRegistryValue(HKEY root, const std::string &subkey, const std::string &name);
// Writes the value (making the key); true on success.
bool SetRegistryValue(HKEY root, const std::string &subkey, const std::string &name, DWORD type,
                      const void *data, DWORD size);
bool SetRegistryText(HKEY root, const std::string &subkey, const std::string &name,
                     const std::string &text);
// Removes the value; the key stays.
void DeleteRegistryValue(HKEY root, const std::string &subkey, const std::string &name);
// Puts the value back as saved: rewritten, or removed (and the key too,
// when the test made it and left it empty).
void RestoreRegistryValue(const SavedRegistryValue &saved);

// Whole content of a file, or "" when it cannot be read.
std::string ReadFileText(const std::string &path);
// Deletes a folder tree; true when it is gone.
bool RemoveTree(const std::string &path);
// Copies a folder tree into `target` (made as needed); true on success.
bool CopyTree(const std::string &source, const std::string &target);

}  // namespace driver
