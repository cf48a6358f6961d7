// A chooser run set up as on a user's machine: the bundle and SETUP.EXE on
// a folder (D:\, the CD-ROM drive, unless a test says otherwise), the
// stand-in desktop's install tool registered for handheld databases, a
// recorder registered for text files, and a private desktop folder where
// the tool's log and install folders go. Everything is put back when the
// session ends. Also: finding the four pages of a running chooser and
// reading what the tool received.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/process_driver.h"

namespace session {

const char kToolKey[] = "Software\\CLASSES\\pdbfile\\Shell\\open\\command";
const char kTextOpenKey[] = "Software\\Classes\\txtfile\\shell\\open\\command";
// A fresh Wine prefix has no .txt class: the shell then opens nothing.
const char kTextClassKey[] = "Software\\Classes\\.txt";

// The stand-in install tool, the open recorder and the sample bundle
// (Windows paths).
std::string ToolExePath();
std::string RecorderExePath();
std::string BundleDir();

// The chooser's four pages, told apart by their boxes.
struct Pages {
  HWND main, suite, system, converter;
};
Pages FindPages(const driver::Program &program);

// The page of the four that is visible, or null.
HWND VisiblePage(const Pages &pages);

class Rig {
 public:
  // `folder` receives SETUP.EXE and the bundle; it is emptied first unless
  // it is a drive's root, where only the bundle's folders are replaced.
  explicit Rig(const std::string &folder = "D:\\");
  ~Rig();
  Rig(const Rig &) = delete;
  Rig &operator=(const Rig &) = delete;

  // The tool's registered command: default "<tool> %1".
  bool RegisterTool(const std::string &command);
  bool RegisterToolDefault();
  // Removes the registration (the key's default value).
  void UnregisterTool();

  driver::Program Start();

  // What the tool wrote to its log ("" until it ran), and waits for its
  // "done:" line.
  std::string ToolLog() const;
  bool WaitForToolDone(DWORD deadlineMs = driver::kDeadlineMs) const;
  // The command line the tool received, from its log.
  std::string ToolCommandLine() const;
  // Lines of the log that start with `prefix`, without it.
  std::vector<std::string> ToolLines(const std::string &prefix) const;
  // Files now in the handheld user's install folder, sorted.
  std::vector<std::string> QueuedFiles() const;

  // Waits until the recorder has noted an opening: the registration
  // text's viewer runs on its own, after the chooser has gone on.
  bool WaitForOpening() const;
  // Command lines the open recorder saw, one per opening.
  std::vector<std::string> Openings() const;

  const std::string &folder() const { return folder_; }
  const std::string &setupExe() const { return setupExe_; }
  const std::string &desktopRoot() const { return desktopRoot_; }

 private:
  std::string folder_, setupExe_, desktopRoot_, openRecord_;
  driver::SavedRegistryValue savedTool_, savedTextOpen_, savedTextClass_;
};

// " " + dir + name for each name: items of an install command.
std::string Items(const std::string &dir, const std::vector<std::string> &names);

// The 13 items that the pages' initial states send to the install tool
// with SETUP.EXE in `dir` (ending in a backslash).
std::string DefaultItems(const std::string &dir);

}  // namespace session
