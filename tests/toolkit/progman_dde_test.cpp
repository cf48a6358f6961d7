// Program Manager groups over DDE.
//
// Against the real thing: Wine's own "PROGMAN" server, which its desktop
// (explorer) runs under Xvfb, makes the group folder and the item's
// shortcut in the Programs folder and deletes the shortcut again.
//
// Failure paths need a server that can refuse, so they run on a desktop of
// their own ("lab"), driven by an explorer with the null display driver:
// there Wine runs no PROGMAN server (measured), and the test's recorder,
// registered as "PROGMAN", is the only one. (On the default desktop a
// recorder would compete with Wine's: the newest server window answers the
// broadcast first.) The recorder keeps every execute text with its length
// and format, and refuses or delays on demand; the program's own DDE and
// focus calls are watched through its import table, in order, to see the
// transaction arguments and the clean-up sequence.
#include "toolkit/progman_dde.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstring>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tests/toolkit/import_patch.h"
#include "tests/toolkit/test_files.h"

namespace {

// ---------------------------------------------------------------------------
// The recorder: a DDE server for "PROGMAN" on the lab desktop.

// Puts the calling thread (which has no windows yet) on a desktop. Each
// thread opens a handle of its own: Wine closes the handle given to
// SetThreadDesktop when the thread ends.
bool JoinDesktop(const std::string &name) {
  const HDESK desktop = OpenDesktopA(name.c_str(), 0, FALSE, GENERIC_ALL);
  return desktop && SetThreadDesktop(desktop);
}

struct Execute {
  std::string text;  // up to the first zero byte
  DWORD length;      // bytes received
  std::string topic;
};

struct RecorderSettings {
  int refuseAt = -1;  // index of the execute to refuse (-1: none)
  int delayAt = -1;   // index of the execute to answer late
  DWORD delayMs = 0;
};

class ProgmanRecorder {
 public:
  ProgmanRecorder(const std::string &desktop, const RecorderSettings &settings) : settings_(settings) {
    s_Active = this;
    ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = std::thread([this, desktop] { Serve(desktop); });
    WaitForSingleObject(ready_, 10000);
  }
  ~ProgmanRecorder() {
    PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    thread_.join();
    CloseHandle(ready_);
    s_Active = nullptr;
  }
  bool registered() const { return registered_; }
  std::vector<Execute> executes() {
    std::lock_guard<std::mutex> lock(mutex_);
    return executes_;
  }
  std::vector<std::string> connects() {
    std::lock_guard<std::mutex> lock(mutex_);
    return connects_;
  }

 private:
  std::string Text(HSZ handle) {
    char text[256] = "";
    DdeQueryStringA(instance_, handle, text, sizeof text, CP_WINANSI);
    return text;
  }
  static HDDEDATA CALLBACK Callback(UINT type, UINT format, HCONV, HSZ topic, HSZ service, HDDEDATA data,
                                    ULONG_PTR, ULONG_PTR) {
    ProgmanRecorder *self = s_Active;
    if (type == XTYP_CONNECT) {
      std::lock_guard<std::mutex> lock(self->mutex_);
      self->connects_.push_back(self->Text(service) + "|" + self->Text(topic));
      return reinterpret_cast<HDDEDATA>(TRUE);
    }
    if (type != XTYP_EXECUTE) return nullptr;
    Execute seen;
    seen.length = DdeGetData(data, nullptr, 0, 0);
    std::string bytes(seen.length, '\0');
    DdeGetData(data, reinterpret_cast<BYTE *>(&bytes[0]), seen.length, 0);
    seen.text = bytes.c_str();
    seen.topic = self->Text(topic);
    int index;
    {
      std::lock_guard<std::mutex> lock(self->mutex_);
      index = static_cast<int>(self->executes_.size());
      self->executes_.push_back(seen);
    }
    if (index == self->settings_.delayAt) Sleep(self->settings_.delayMs);
    return reinterpret_cast<HDDEDATA>(index == self->settings_.refuseAt ? DDE_FNOTPROCESSED : DDE_FACK);
  }
  void Serve(const std::string &desktop) {
    threadId_ = GetCurrentThreadId();
    if (!JoinDesktop(desktop)) {
      SetEvent(ready_);
      return;
    }
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue
    DdeInitializeA(&instance_, Callback,
                   APPCLASS_STANDARD | CBF_SKIP_REGISTRATIONS | CBF_SKIP_UNREGISTRATIONS | CBF_FAIL_POKES |
                       CBF_FAIL_REQUESTS | CBF_FAIL_ADVISES,
                   0);
    HSZ name = DdeCreateStringHandleA(instance_, PROGMAN_SERVICE, CP_WINANSI);
    registered_ = DdeNameService(instance_, name, nullptr, DNS_REGISTER) != nullptr;
    SetEvent(ready_);
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    DdeNameService(instance_, name, nullptr, DNS_UNREGISTER);
    DdeFreeStringHandle(instance_, name);
    DdeUninitialize(instance_);
  }

  static ProgmanRecorder *s_Active;
  RecorderSettings settings_;
  HANDLE ready_;
  std::thread thread_;
  DWORD threadId_ = 0;
  DWORD instance_ = 0;
  bool registered_ = false;
  std::mutex mutex_;
  std::vector<Execute> executes_;
  std::vector<std::string> connects_;
};
ProgmanRecorder *ProgmanRecorder::s_Active;

// ---------------------------------------------------------------------------
// The program's own DDE and focus calls, from the lab's client thread.

DWORD g_ClientThread;
std::vector<std::string> g_Calls;
HWND g_Target;
bool g_FailInitialize;
DWORD g_Instance;
HSZ g_Name;
HCONV g_Conversation;

bool FromClient() { return GetCurrentThreadId() == g_ClientThread; }

#define REAL(name) reinterpret_cast<decltype(&name)>(g_Real[SPY_##name])
enum SpyIndex {
  SPY_DdeInitializeA, SPY_DdeCreateStringHandleA, SPY_DdeConnect, SPY_DdeClientTransaction,
  SPY_DdeGetLastError, SPY_DdeDisconnect, SPY_DdeFreeStringHandle, SPY_DdeUninitialize, SPY_SetFocus,
  SPY_COUNT
};
void *g_Real[SPY_COUNT];

UINT WINAPI InitializeSpy(LPDWORD instance, PFNCALLBACK callback, DWORD command, DWORD reserved) {
  if (!FromClient()) return REAL(DdeInitializeA)(instance, callback, command, reserved);
  char line[96];
  wsprintfA(line, "initialize(instance=%lu,%s,0x%lx,%lu)", *instance,
            callback == ProgmanDdeCallback ? "callback" : "other", command, reserved);
  g_Calls.push_back(line);
  if (g_FailInitialize) return DMLERR_SYS_ERROR;
  const UINT result = REAL(DdeInitializeA)(instance, callback, command, reserved);
  g_Instance = *instance;
  return result;
}

HSZ WINAPI CreateStringSpy(DWORD instance, LPCSTR text, int codePage) {
  const HSZ handle = REAL(DdeCreateStringHandleA)(instance, text, codePage);
  if (!FromClient()) return handle;
  g_Name = handle;
  g_Calls.push_back(std::string("string(") + text + "," + std::to_string(codePage) + ")");
  return handle;
}

HCONV WINAPI ConnectSpy(DWORD instance, HSZ service, HSZ topic, PCONVCONTEXT context) {
  const HCONV conversation = REAL(DdeConnect)(instance, service, topic, context);
  if (!FromClient()) return conversation;
  g_Conversation = conversation;
  g_Calls.push_back(std::string("connect(") + (service == g_Name ? "name" : "other") + "," +
                    (topic == g_Name ? "name" : "other") + "," + (context ? "context" : "null") + ")" +
                    (conversation ? "" : " failed"));
  return conversation;
}

HDDEDATA WINAPI TransactionSpy(LPBYTE data, DWORD length, HCONV conversation, HSZ item, UINT format, UINT type,
                               DWORD timeout, LPDWORD result) {
  const HDDEDATA answer = REAL(DdeClientTransaction)(data, length, conversation, item, format, type, timeout, result);
  if (!FromClient()) return answer;
  const size_t textLength = std::strlen(reinterpret_cast<const char *>(data));
  char line[160];
  wsprintfA(line, "execute(length%s,%s,%s,format=%u,type=0x%x,timeout=%lu,%s)%s",
            length == textLength + 1 ? "=text+1" : "!=text+1", conversation == g_Conversation ? "conversation" : "other",
            item ? "item" : "no item", format, type, timeout, result ? "result" : "no result", answer ? "" : " failed");
  g_Calls.push_back(line);
  return answer;
}

UINT WINAPI LastErrorSpy(DWORD instance) {
  if (FromClient()) g_Calls.push_back(instance == g_Instance ? "lasterror" : "lasterror(other)");
  return REAL(DdeGetLastError)(instance);
}

BOOL WINAPI DisconnectSpy(HCONV conversation) {
  if (FromClient()) g_Calls.push_back(conversation == g_Conversation ? "disconnect" : "disconnect(other)");
  return REAL(DdeDisconnect)(conversation);
}

BOOL WINAPI FreeStringSpy(DWORD instance, HSZ handle) {
  if (FromClient()) g_Calls.push_back(handle == g_Name && instance == g_Instance ? "freestring" : "freestring(other)");
  return REAL(DdeFreeStringHandle)(instance, handle);
}

BOOL WINAPI UninitializeSpy(DWORD instance) {
  if (FromClient()) g_Calls.push_back(instance == g_Instance ? "uninitialize" : "uninitialize(other)");
  return REAL(DdeUninitialize)(instance);
}

HWND WINAPI SetFocusSpy(HWND window) {
  if (FromClient()) g_Calls.push_back(window == g_Target ? "focus(target)" : "focus(other)");
  return REAL(SetFocus)(window);
}

const struct {
  const char *name;
  void *spy;
} kSpies[SPY_COUNT] = {
    {"DdeInitializeA", reinterpret_cast<void *>(InitializeSpy)},
    {"DdeCreateStringHandleA", reinterpret_cast<void *>(CreateStringSpy)},
    {"DdeConnect", reinterpret_cast<void *>(ConnectSpy)},
    {"DdeClientTransaction", reinterpret_cast<void *>(TransactionSpy)},
    {"DdeGetLastError", reinterpret_cast<void *>(LastErrorSpy)},
    {"DdeDisconnect", reinterpret_cast<void *>(DisconnectSpy)},
    {"DdeFreeStringHandle", reinterpret_cast<void *>(FreeStringSpy)},
    {"DdeUninitialize", reinterpret_cast<void *>(UninitializeSpy)},
    {"SetFocus", reinterpret_cast<void *>(SetFocusSpy)},
};

// ---------------------------------------------------------------------------
// The lab desktop.

struct Outcome {
  bool onLab;
  int result;
  bool focusOnTarget;
  bool focusOnDecoy;
  std::vector<std::string> calls;
  std::vector<Execute> executes;
  std::vector<std::string> connects;
};

class ProgmanLab : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_DesktopName = "toolkit-dde-" + std::to_string(GetCurrentProcessId());
    std::string command = "explorer.exe /desktop=" + s_DesktopName + ",640x480,null";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &s_Explorer))
      return;
    WaitForInputIdle(s_Explorer.hProcess, 15000);  // its desktop window exists then
    s_Desktop = OpenDesktopA(s_DesktopName.c_str(), 0, FALSE, GENERIC_ALL);
  }
  static void TearDownTestSuite() {
    if (s_Desktop) CloseDesktop(s_Desktop);
    if (s_Explorer.hProcess) {
      // It leaves once nothing uses its desktop any more.
      if (WaitForSingleObject(s_Explorer.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(s_Explorer.hProcess, 1);
      CloseHandle(s_Explorer.hProcess);
      CloseHandle(s_Explorer.hThread);
    }
    s_Desktop = nullptr;
    s_Explorer = {};
  }
  void SetUp() override {
    ASSERT_NE(nullptr, s_Desktop) << "no lab desktop";
    for (int i = 0; i < SPY_COUNT; ++i) {
      patches_[i] = new ScopedImportPatch("USER32.dll", kSpies[i].name, kSpies[i].spy);
      g_Real[i] = patches_[i]->original();
      ASSERT_NE(nullptr, g_Real[i]) << kSpies[i].name;
    }
  }
  void TearDown() override {
    for (ScopedImportPatch *&patch : patches_) {
      delete patch;
      patch = nullptr;
    }
  }

  // Runs `operation` on a thread of the lab desktop, with a recorder unless
  // `withServer` is false; the focus is on a decoy window beforehand.
  Outcome Run(bool withServer, const RecorderSettings &settings, const std::function<int(HWND)> &operation) {
    Outcome outcome = {};
    std::thread client([&] {
      outcome.onLab = JoinDesktop(s_DesktopName);
      if (!outcome.onLab) return;
      g_ClientThread = GetCurrentThreadId();
      g_Calls.clear();
      g_Instance = 0;
      g_Name = nullptr;
      g_Conversation = nullptr;
      ProgmanRecorder *recorder = withServer ? new ProgmanRecorder(s_DesktopName, settings) : nullptr;
      g_Target = CreateWindowExA(0, "STATIC", "target", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                 nullptr, nullptr);
      const HWND decoy = CreateWindowExA(0, "STATIC", "decoy", WS_POPUP | WS_VISIBLE, 60, 0, 50, 50, nullptr,
                                         nullptr, nullptr, nullptr);
      REAL(SetFocus)(decoy);
      outcome.result = operation(g_Target);
      outcome.focusOnTarget = GetFocus() == g_Target;
      outcome.focusOnDecoy = GetFocus() == decoy;
      outcome.calls = g_Calls;
      if (recorder) {
        EXPECT_TRUE(recorder->registered());
        outcome.executes = recorder->executes();
        outcome.connects = recorder->connects();
        delete recorder;
      }
      DestroyWindow(decoy);
      DestroyWindow(g_Target);
      g_ClientThread = 0;
    });
    client.join();
    EXPECT_TRUE(outcome.onLab);
    return outcome;
  }

  static std::string s_DesktopName;
  static HDESK s_Desktop;
  static PROCESS_INFORMATION s_Explorer;
  ScopedImportPatch *patches_[SPY_COUNT] = {};
};
std::string ProgmanLab::s_DesktopName;
HDESK ProgmanLab::s_Desktop;
PROCESS_INFORMATION ProgmanLab::s_Explorer;

const char kInitialize[] = "initialize(instance=0,callback,0x10,0)";
const char kString[] = "string(PROGMAN,1004)";
const char kConnect[] = "connect(name,name,null)";
const char kExecute[] = "execute(length=text+1,conversation,no item,format=1,type=0x4050,timeout=1000,no result)";

std::vector<std::string> CallsFor(bool connected, int executesAcknowledged, bool lastRefused) {
  std::vector<std::string> calls = {kInitialize, kString, std::string(kConnect) + (connected ? "" : " failed")};
  for (int i = 0; i < executesAcknowledged; ++i) calls.push_back(kExecute);
  if (lastRefused) calls.push_back(std::string(kExecute) + " failed");
  calls.push_back("lasterror");
  if (connected) calls.push_back("disconnect");
  calls.push_back("freestring");
  calls.push_back("uninitialize");
  calls.push_back("focus(target)");
  return calls;
}

const char kGroupText[] = "[CreateGroup(\"Tools\",\"C:\\Tools\")][ShowGroup(\"Tools\",1,1)]";
const char kItemText[] = "[AddItem(\"C:\\Tools\\RUN.EXE\",\"Runner\",,,)]";
const char kExitText[] = "[ExitProgman(1)]";

int CreateToolsGroup(HWND window) {
  return CreateProgmanGroup(window, "Tools", "C:\\Tools", "Runner", "3C:\\Tools\\RUN.EXE", 0);
}

std::vector<std::string> Texts(const std::vector<Execute> &executes) {
  std::vector<std::string> texts;
  for (const Execute &e : executes) texts.push_back(e.text);
  return texts;
}

TEST_F(ProgmanLab, CreateGroupSendsItsCommandsUntilOneFails) {
  const struct {
    const char *name;
    bool server;
    RecorderSettings settings;
    int expected;
    std::vector<std::string> texts;
    std::vector<std::string> calls;
  } cases[] = {
      {"all acknowledged", true, {}, 1, {kGroupText, kItemText, kExitText}, CallsFor(true, 3, false)},
      {"group refused", true, {0, -1, 0}, 0, {kGroupText}, CallsFor(true, 0, true)},
      {"item refused", true, {1, -1, 0}, 0, {kGroupText, kItemText}, CallsFor(true, 1, true)},
      {"exit refused", true, {2, -1, 0}, 0, {kGroupText, kItemText, kExitText}, CallsFor(true, 2, true)},
      {"group answered after the time-out", true, {-1, 0, 1500}, 0, {kGroupText}, CallsFor(true, 0, true)},
      {"no server", false, {}, 0, {}, CallsFor(false, 0, false)},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    const Outcome outcome = Run(c.server, c.settings, CreateToolsGroup);
    EXPECT_EQ(c.expected, outcome.result);
    EXPECT_EQ(c.texts, Texts(outcome.executes));
    EXPECT_EQ(c.calls, outcome.calls);
    EXPECT_TRUE(outcome.focusOnTarget);
    for (const Execute &e : outcome.executes) {
      SCOPED_TRACE(e.text);
      EXPECT_EQ(e.text.size() + 1, e.length);  // the terminating zero is sent
      EXPECT_EQ(PROGMAN_SERVICE, e.topic);
      // (An execute carries no format on the wire: the server sees 0. The
      // client's CF_TEXT is checked in its call above.)
    }
    if (c.server) {
      EXPECT_EQ(std::vector<std::string>({"PROGMAN|PROGMAN"}), outcome.connects);
    }
  }
}

TEST_F(ProgmanLab, DeleteItemSendsOneCommandAndNoExit) {
  const std::string text = "[ShowGroup(\"Tools\",1,1)][DeleteItem(\"Runner\")]";
  const struct {
    const char *name;
    bool server;
    RecorderSettings settings;
    int expected;
    std::vector<std::string> texts;
    std::vector<std::string> calls;
  } cases[] = {
      {"acknowledged", true, {}, 1, {text}, CallsFor(true, 1, false)},
      {"refused", true, {0, -1, 0}, 0, {text}, CallsFor(true, 0, true)},
      {"no server", false, {}, 0, {}, CallsFor(false, 0, false)},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    const Outcome outcome =
        Run(c.server, c.settings, [](HWND window) { return DeleteProgmanItem(window, "Tools", "Runner"); });
    EXPECT_EQ(c.expected, outcome.result);
    EXPECT_EQ(c.texts, Texts(outcome.executes));
    EXPECT_EQ(c.calls, outcome.calls);
    EXPECT_TRUE(outcome.focusOnTarget);
  }
}

TEST_F(ProgmanLab, ItemCommandLineLosesOneLeadingDigit) {
  const struct {
    const char *commandLine;
    DWORD sixthValue;
    const char *sent;
  } cases[] = {
      {"1C:\\PROG\\RUN.EXE", 0, "C:\\PROG\\RUN.EXE"},
      {"1C:\\PROG\\RUN.EXE", 7, "C:\\PROG\\RUN.EXE"},  // the sixth value changes nothing
      {"12abc", 0, "2abc"},
      {"9", 0, ""},
      {"", 0, ""},
      {"0", 0xFFFFFFFF, ""},
      {"a1", 0, "a1"},
      {"/1", 0, "/1"},
      {"\xA4\x40\xB1\x60", 0, "\xA4\x40\xB1\x60"},  // a lead byte is no digit
      {"\xB9", 0, "\xB9"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.commandLine);
    const Outcome outcome = Run(true, {}, [&c](HWND window) {
      return CreateProgmanGroup(window, "G", "P", "Item", c.commandLine, c.sixthValue);
    });
    EXPECT_EQ(1, outcome.result);
    ASSERT_EQ(3u, outcome.executes.size());
    EXPECT_EQ(std::string("[AddItem(\"") + c.sent + "\",\"Item\",,,)]", outcome.executes[1].text);
  }
}

TEST_F(ProgmanLab, FailedInitialisationCleansNothingUp) {
  g_FailInitialize = true;
  const Outcome create = Run(true, {}, CreateToolsGroup);
  const Outcome remove = Run(true, {}, [](HWND window) { return DeleteProgmanItem(window, "Tools", "Runner"); });
  g_FailInitialize = false;
  for (const Outcome *outcome : {&create, &remove}) {
    EXPECT_EQ(0, outcome->result);
    EXPECT_EQ(std::vector<std::string>({kInitialize}), outcome->calls);
    EXPECT_TRUE(outcome->focusOnDecoy);
    EXPECT_TRUE(outcome->executes.empty());
    EXPECT_TRUE(outcome->connects.empty());
  }
}

// Commands are built in 256 bytes: one of 255 characters is sent, a longer
// one makes the operation give 0 before any DDE call.
TEST_F(ProgmanLab, CommandsLongerThan255AreRefusedBeforeConnecting) {
  using testfiles::Repeat;
  const size_t groupFixed = std::strlen(PROGMAN_GROUP_COMMAND) - 6;  // three %s
  const size_t itemFixed = std::strlen(PROGMAN_ITEM_COMMAND) - 4;
  const size_t deleteFixed = std::strlen(PROGMAN_DELETE_COMMAND) - 4;
  const std::string group = Repeat('g', 100);
  const std::string pathFits = Repeat('p', 255 - groupFixed - 200);
  const std::string lineFits = "1" + Repeat('c', 255 - itemFixed - 4);  // the digit is not sent
  const std::string itemFits = Repeat('i', 255 - deleteFixed - 100);
  const struct {
    const char *name;
    std::function<int(HWND)> operation;
    int expected;
    size_t executes;
    size_t longest;  // the execute that is 255 characters long
  } cases[] = {
      {"group command of 255", [&](HWND w) { return CreateProgmanGroup(w, group.c_str(), pathFits.c_str(), "Item", "x", 0); }, 1, 3, 0},
      {"group command of 256", [&](HWND w) { return CreateProgmanGroup(w, group.c_str(), (pathFits + "p").c_str(), "Item", "x", 0); }, 0, 0, 0},
      {"item command of 255", [&](HWND w) { return CreateProgmanGroup(w, "G", "P", "Item", lineFits.c_str(), 0); }, 1, 3, 1},
      {"item command of 256", [&](HWND w) { return CreateProgmanGroup(w, "G", "P", "Item", (lineFits + "c").c_str(), 0); }, 0, 0, 0},
      {"delete command of 255", [&](HWND w) { return DeleteProgmanItem(w, group.c_str(), itemFits.c_str()); }, 1, 1, 0},
      {"delete command of 256", [&](HWND w) { return DeleteProgmanItem(w, group.c_str(), (itemFits + "i").c_str()); }, 0, 0, 0},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    const Outcome outcome = Run(true, {}, c.operation);
    EXPECT_EQ(c.expected, outcome.result);
    ASSERT_EQ(c.executes, outcome.executes.size());
    if (c.executes > 0) {
      EXPECT_EQ(255u, outcome.executes[c.longest].text.size());
    } else {
      EXPECT_TRUE(outcome.calls.empty());  // not even a DDE instance
      EXPECT_TRUE(outcome.focusOnDecoy);
    }
  }
}

TEST(ProgmanItemCommandLine, SkipsOnlyTheFirstDigit) {
  const char *const texts[] = {"05x", "x5", "", "\x80"};
  const int skipped[] = {1, 0, 0, 0};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(texts[i] + skipped[i], ProgmanItemCommandLine(texts[i]));
  }
}

// ---------------------------------------------------------------------------
// Wine's own Program Manager server on the default desktop.

TEST(RealProgman, GroupAndItemAppearAndTheItemGoes) {
  // Wine's server must be there: a connection reaches a window of another
  // process (its desktop). A process that is the first to need the desktop
  // starts it, and its server registers a moment later: wait for it.
  const HWND window = CreateWindowExA(0, "STATIC", "focus", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  DWORD instance = 0;
  ASSERT_EQ(static_cast<UINT>(DMLERR_NO_ERROR),
            DdeInitializeA(&instance, ProgmanDdeCallback, APPCMD_CLIENTONLY, 0));
  HSZ name = DdeCreateStringHandleA(instance, PROGMAN_SERVICE, CP_WINANSI);
  HCONV conversation = nullptr;
  for (const DWORD start = GetTickCount(); !conversation && GetTickCount() - start < 15000; Sleep(50))
    conversation = DdeConnect(instance, name, name, nullptr);
  DWORD partnerProcess = 0;
  if (conversation) {
    CONVINFO info = {};
    info.cb = sizeof info;
    DdeQueryConvInfo(conversation, QID_SYNC, &info);
    GetWindowThreadProcessId(info.hwndPartner, &partnerProcess);
    DdeDisconnect(conversation);
  }
  DdeFreeStringHandle(instance, name);
  DdeUninitialize(instance);
  ASSERT_NE(nullptr, conversation) << "Wine's PROGMAN server does not answer (no desktop under Xvfb?)";
  EXPECT_NE(GetCurrentProcessId(), partnerProcess);

  char programs[MAX_PATH];
  ASSERT_EQ(S_OK, SHGetFolderPathA(nullptr, CSIDL_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, programs));
  const std::string group = "Toolkit Test " + std::to_string(GetCurrentProcessId());
  const std::string folder = std::string(programs) + "\\" + group;
  const std::string shortcut = folder + "\\Notepad Item.lnk";
  ASSERT_FALSE(testfiles::Exists(folder));

  EXPECT_EQ(1, CreateProgmanGroup(window, group.c_str(), "C:\\ignored by Wine", "Notepad Item",
                                  "1C:\\windows\\notepad.exe", 0));
  EXPECT_TRUE(testfiles::Exists(folder));
  EXPECT_TRUE(testfiles::Exists(shortcut));
  EXPECT_EQ(1, DeleteProgmanItem(window, group.c_str(), "Notepad Item"));
  EXPECT_FALSE(testfiles::Exists(shortcut));
  EXPECT_TRUE(testfiles::Exists(folder));

  DestroyWindow(window);
  testfiles::RemoveTree(folder);
  EXPECT_FALSE(testfiles::Exists(folder));
}

}  // namespace
