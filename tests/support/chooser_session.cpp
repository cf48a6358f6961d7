// Chooser sessions for whole-program tests of the pages and the install.
#include "tests/support/chooser_session.h"

#include <algorithm>
#include <sstream>

namespace session {

namespace {

const char kDesktopRoot[] = "C:\\chooser-tests\\desktop";
const char *const kBundleFolders[] = {"KIVOTW2K", "KIVOOS", "ZHCONV"};

bool IsDriveRoot(const std::string &folder) { return folder.size() == 3 && folder[1] == ':'; }

std::string WithSeparator(const std::string &folder) {
  return folder.empty() || folder.back() == '\\' ? folder : folder + "\\";
}

std::vector<std::string> Lines(const std::string &text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

}  // namespace

std::string ToolExePath() { return driver::WindowsPathOf(CHOOSER_PDINSTALL_EXE); }
std::string RecorderExePath() { return driver::WindowsPathOf(CHOOSER_OPEN_RECORDER_EXE); }
std::string BundleDir() { return driver::WindowsPathOf(CHOOSER_BUNDLE_DIR); }

Pages FindPages(const driver::Program &program) {
  Pages pages = {};
  for (HWND window : driver::WindowsOf(program.info.dwProcessId, "KIVOCHOOSER", false)) {
    if (GetDlgItem(window, 11))
      pages.suite = window;
    else if (GetDlgItem(window, 6))
      pages.system = window;
    else if (GetDlgItem(window, 3))
      pages.main = window;
    else if (GetDlgItem(window, 1))
      pages.converter = window;
  }
  return pages;
}

HWND VisiblePage(const Pages &pages) {
  for (HWND page : {pages.main, pages.suite, pages.system, pages.converter}) {
    if (page && IsWindowVisible(page)) return page;
  }
  return nullptr;
}

Rig::Rig(const std::string &folder)
    : folder_(WithSeparator(folder)),
      desktopRoot_(kDesktopRoot),
      openRecord_(std::string(kDesktopRoot) + "\\opened.txt"),
      savedTool_(driver::SaveRegistryValue(HKEY_LOCAL_MACHINE, kToolKey, "")),
      savedTextOpen_(driver::SaveRegistryValue(HKEY_LOCAL_MACHINE, kTextOpenKey, "")),
      savedTextClass_(driver::SaveRegistryValue(HKEY_LOCAL_MACHINE, kTextClassKey, "")) {
  driver::RemoveTree(desktopRoot_);
  driver::MakeFolders(desktopRoot_);
  SetEnvironmentVariableA("HANDHELD_DESKTOP_ROOT", desktopRoot_.c_str());
  SetEnvironmentVariableA("CHOOSER_OPEN_RECORD", openRecord_.c_str());
  driver::SetRegistryText(HKEY_LOCAL_MACHINE, kTextClassKey, "", "txtfile");
  driver::SetRegistryText(HKEY_LOCAL_MACHINE, kTextOpenKey, "",
                          "\"" + RecorderExePath() + "\" \"%1\"");

  if (IsDriveRoot(folder_)) {
    for (const char *name : kBundleFolders) driver::RemoveTree(folder_ + name);
  } else {
    driver::RemoveTree(folder_.substr(0, folder_.size() - 1));
  }
  driver::CopyTree(BundleDir(), folder_.substr(0, folder_.size() - 1));
  setupExe_ = driver::StageSetupExe(folder_);
}

Rig::~Rig() {
  driver::RestoreRegistryValue(savedTool_);
  driver::RestoreRegistryValue(savedTextOpen_);
  driver::RestoreRegistryValue(savedTextClass_);
  if (IsDriveRoot(folder_)) {
    for (const char *name : kBundleFolders) driver::RemoveTree(folder_ + name);
    DeleteFileA(setupExe_.c_str());
  } else {
    driver::RemoveTree(folder_.substr(0, folder_.size() - 1));
  }
  driver::RemoveTree(desktopRoot_);
  SetEnvironmentVariableA("HANDHELD_DESKTOP_ROOT", nullptr);
  SetEnvironmentVariableA("CHOOSER_OPEN_RECORD", nullptr);
}

bool Rig::RegisterTool(const std::string &command) {
  return driver::SetRegistryText(HKEY_LOCAL_MACHINE, kToolKey, "", command);
}

bool Rig::RegisterToolDefault() { return RegisterTool(ToolExePath() + " %1"); }

void Rig::UnregisterTool() { driver::DeleteRegistryValue(HKEY_LOCAL_MACHINE, kToolKey, ""); }

driver::Program Rig::Start() {
  if (!driver::WaitForNoRunningChooser()) return driver::Program{};  // started stays false
  return driver::Start(setupExe_);
}

std::string Rig::ToolLog() const { return driver::ReadFileText(desktopRoot_ + "\\install-tool.log"); }

bool Rig::WaitForToolDone(DWORD deadlineMs) const {
  return driver::WaitUntil([&] { return !ToolLines("done: ").empty(); }, deadlineMs);
}

std::string Rig::ToolCommandLine() const {
  std::vector<std::string> lines = ToolLines("command line: ");
  return lines.empty() ? "" : lines.front();
}

std::vector<std::string> Rig::ToolLines(const std::string &prefix) const {
  std::vector<std::string> found;
  for (const std::string &line : Lines(ToolLog())) {
    if (line.compare(0, prefix.size(), prefix) == 0) found.push_back(line.substr(prefix.size()));
  }
  return found;
}

std::vector<std::string> Rig::QueuedFiles() const {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((desktopRoot_ + "\\Handheld User\\Install\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

bool Rig::WaitForOpening() const {
  return driver::WaitUntil([&] { return !Openings().empty(); });
}

std::vector<std::string> Rig::Openings() const {
  std::vector<std::string> lines;
  for (const std::string &line : Lines(driver::ReadFileText(openRecord_))) {
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

std::string Items(const std::string &dir, const std::vector<std::string> &names) {
  std::string text;
  for (const std::string &name : names) text += " " + dir + name;
  return text;
}

std::string DefaultItems(const std::string &dir) {
  return Items(dir + "KIVOTW2K\\", {"KIVOIME.PRC", "CODEB5.PDB", "ZHUYIN.PDB", "STROKE.PDB",
                                     "EXTRA.PDB", "ASSOC.PDB", "KVDICT\\KVDICT.PRC",
                                     "KVDICT\\WORDS.PDB", "KVDICT\\MEANS.PDB", "PHRASES.PDB"}) +
         Items(dir + "ZHCONV\\", {"ZHCONV.PRC", "B5TOGB.PDB", "GBTOB5.PDB"});
}

}  // namespace session
