// The pages of the real SETUP.EXE under Wine without a mouse: from the
// keyboard (real keys go to whatever window has the keyboard, so every
// step also shows that the page on screen has it) and as a screen reader
// finds them (each page's own accessible object, from this process, and
// the WinEvents the chooser raises). CTest runs them on code pages 1252,
// 950 and 936: screen readers get the skins' Big5 labels on 950 and their
// English ones elsewhere.
#include <gtest/gtest.h>
#include <oleacc.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "shell/page_messages.h"
#include "tests/support/chooser_session.h"

namespace {

// Or-ed with a virtual key: the key is pressed with Shift or Alt held.
const WORD kShift = 0x100, kAlt = 0x200;

// Presses and releases each key in order.
void Press(const std::vector<WORD> &keys) {
  for (WORD key : keys) {
    const WORD held = (key & kShift) ? VK_SHIFT : (key & kAlt) ? VK_MENU : 0;
    const WORD order[] = {held, LOBYTE(key), LOBYTE(key), held};
    for (int i = 0; i < 4; ++i) {
      INPUT input = {};
      input.type = INPUT_KEYBOARD;
      input.ki.wVk = order[i];
      input.ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
      if (order[i]) SendInput(1, &input, sizeof input);
    }
  }
}

// True while the page is the foreground window and has the keyboard focus.
bool HasKeyboard(HWND page) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(page, nullptr), &info) && info.hwndFocus == page &&
         GetForegroundWindow() == page;
}

// Shows the system page as its Options button would, if the main page had
// one; true once it has the keyboard.
bool ShowSystemPage(session::Rig &rig) {
  const HWND system = rig.pages().system;
  return rig.Show(system) && SetForegroundWindow(system) && driver::WaitUntil([&] { return HasKeyboard(system); });
}

// Bounding box, in client coordinates, of the pixels on screen where the
// page now differs from `before` (a picture of the same page); empty when
// none.
RECT ChangedRect(HWND page, const std::vector<DWORD> &before) {
  RECT changed = {};
  int width = 0, height = 0;
  const std::vector<DWORD> now = driver::GrabClient(page, &width, &height);
  for (int i = 0; i < int(now.size()) && i < int(before.size()); ++i) {
    RECT pixel = {i % width, i / width, i % width + 1, i / width + 1};
    if (now[i] != before[i]) UnionRect(&changed, &changed, &pixel);
  }
  return changed;
}

// The page's own accessible object: the test sends WM_GETOBJECT itself
// (given 0, Wine would quietly make a standard object) and unmarshals the
// answer. Null when the page gives none. The caller releases it.
IAccessible *PageObject(HWND page) {
  CoInitialize(nullptr);  // once per thread; later calls only count
  DWORD_PTR result = 0;
  void *object = nullptr;
  SendMessageTimeoutA(page, WM_GETOBJECT, 0, OBJID_CLIENT, SMTO_ABORTIFHUNG, driver::kDeadlineMs, &result);
  if (result) ObjectFromLresult(result, __uuidof(IAccessible), 0, &object);
  return static_cast<IAccessible *>(object);
}

// A child id as the object's methods take it.
VARIANT Child(LONG id) {
  VARIANT child = {};
  child.vt = VT_I4;
  child.lVal = id;
  return child;
}

// The WinEvents for pages' client objects (focus and state changes) of
// the chooser started last, recorded out of context.
struct Event { DWORD event; HWND window; LONG child; };
std::vector<Event> s_events;
HWINEVENTHOOK s_hook = nullptr;

void CALLBACK Record(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
  if (object == OBJID_CLIENT) s_events.push_back({event, window, child});
}

// Handles this thread's messages until the chooser has raised the event
// since the last wait; true when it has.
bool WaitForEvent(const Event &wanted) {
  return driver::WaitUntil([&] {
    for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageA(&message);
    auto seen = std::find_if(s_events.begin(), s_events.end(), [&](const Event &e) {
      return e.event == wanted.event && e.window == wanted.window && e.child == wanted.child;
    });
    return seen != s_events.end() && s_events.erase(s_events.begin(), seen + 1) == s_events.begin();
  });
}

typedef HWND session::Pages::*PageOf;
const PageOf kMain = &session::Pages::main, kSuite = &session::Pages::suite,
             kSystem = &session::Pages::system, kConverter = &session::Pages::converter;
const WORD kTab = VK_TAB, kBack = kShift | VK_TAB, kSpace = VK_SPACE, kEnter = VK_RETURN,
           kEsc = VK_ESCAPE, kAltF4 = kAlt | VK_F4;
RECT Place(const HotspotDefinition &h) { return RECT{h.x, h.y, h.x + h.width, h.y + h.height}; }
const RECT kOptionsA = Place(session::MainButton(MAIN_HOT_SUITE_OPTIONS)),
           kOptionsC = Place(session::MainButton(MAIN_HOT_CONVERTER_OPTIONS)),
           kMainOk = Place(session::MainButton(MAIN_HOT_OK)), kExit = Place(session::MainButton(MAIN_HOT_EXIT)),
           kPageOk = Place(OPTIONS_HOTSPOTS[0]);

// An item of a page: a box by id, or a hotspot's rectangle.
struct Item {
  Item(int id) : box(id), hotspot{} {}  Item(RECT r) : box(0), hotspot(r) {}
  RECT Rect(HWND page) const { return box ? driver::ChildRectOf(page, box) : hotspot; }
  int box;  RECT hotspot;
};

class Chooser : public testing::Test {
 protected:
  // Starts a chooser (ending one a failed step left behind), records its
  // WinEvents and waits until its main page has the keyboard.
  void Start() {
    ASSERT_EQ(session::Seen::kPage, rig_.Open());
    pages_ = rig_.pages();
    s_events.clear();
    if (s_hook) UnhookWinEvent(s_hook);
    s_hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_STATECHANGE, nullptr, Record,
                             rig_.program().info.dwProcessId, 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_TRUE(driver::WaitUntil([&] { return HasKeyboard(pages_.main); }));
  }

  // Presses the keys, then waits until page `shown` has the keyboard and
  // boxes `ids` of `page` read `states`.
  void Play(const char *what, std::vector<WORD> keys, PageOf shown, PageOf page, std::vector<int> ids, std::vector<int> states) {
    SCOPED_TRACE(what);
    Press(keys);
    EXPECT_TRUE(driver::WaitUntil(
        [&] { return rig_.States(pages_.*page, ids) == states && HasKeyboard(pages_.*shown); }));
  }

  session::Rig rig_{"D:\\"};
  session::Pages pages_ = {};
};

// Each page on a chooser of its own, opened with the mouse: the mark, all
// that changes on the page, comes only with the keyboard (a mark shown
// before the first Tab would widen the first change to two items). Each
// chooser is then left through the keyboard, without installing (no
// install tool is registered: an install would stop at a message).
TEST_F(Chooser, TabWalksTheUsableItemsInReadingOrderAndMarksThem) {
  rig_.UnregisterTool();
  // Each page is left with `out`; from an option page, the main page is then
  // left with `thenOut`, once it has the keyboard.
  struct Case { PageOf page; std::vector<Item> stops; std::vector<WORD> out, thenOut; } cases[] = {
    {kMain, {1, 3, kOptionsA, kOptionsC, kMainOk, kExit}, {kAltF4}, {}},
    {kSuite, {5, 7, 6, 9, 10, 11, kPageOk}, {kEsc}, {kEsc}},  // disabled 1 and 2 are passed by
    {kConverter, {1, 2, kPageOk}, {kAltF4}, {}},
    {kSystem, {1, 2, 3, 4, 5, 6, kPageOk}, {kEnter}, {kBack, kEnter}},  // OK, then Exit
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << "page " << &c - cases);
    Start();
    HWND page = pages_.*c.page;
    ASSERT_TRUE(c.page == kMain || (c.page == kSystem ? ShowSystemPage(rig_) : rig_.Show(page)));
    ASSERT_TRUE(driver::WaitUntil([&] { return HasKeyboard(page); }));
    int width = 0, height = 0;
    const std::vector<DWORD> unmarked = driver::GrabPainted(page, &width, &height);
    RECT seen = {};
    for (size_t k = 1, n = c.stops.size(); k <= n + 1; ++k) {  // around once, then one back
      SCOPED_TRACE(testing::Message() << "Tab " << k);
      RECT want = c.stops[k > n ? n - 1 : k % n].Rect(page);
      InflateRect(&want, 3, 3);
      Press({k > n ? kBack : kTab});
      EXPECT_TRUE(driver::WaitUntil([&] { return EqualRect(&(seen = ChangedRect(page, unmarked)), &want); }))
          << "mark at " << seen.left << "," << seen.top << "," << seen.right << "," << seen.bottom;
    }
    Press(c.out);
    if (!c.thenOut.empty()) {
      EXPECT_TRUE(driver::WaitUntil([&] { return HasKeyboard(pages_.main); }));
      Press(c.thenOut);
    }
    EXPECT_TRUE(rig_.WaitForEnd());  // had it tried to install, a message would hold it
  }
}

// One chooser through every page, as a mouse user would have gone, then
// Enter on a box installs with the command the mouse's defaults give.
TEST_F(Chooser, SpaceEnterAndEscDoWhatClicksDo) {
  Start();
  Play("Space on product A", {kSpace}, kMain, kMain, {1, 3}, {0, 1});
  Play("product A again, product C with its page", {kSpace, kTab, kSpace}, kMain, kConverter, {1, 2}, {0, 0});
  Play("product C back, Enter on Options A", {kSpace, kTab, kEnter}, kSuite, kConverter, {1, 2}, {1, 1});
  Play("homophones off", {kTab, kSpace}, kSuite, kSuite, {5, 7, 1}, {1, 0, 1});
  Play("Esc is OK", {kSpace, kEsc}, kMain, kSuite, {7}, {1});
  Play("Enter on Options C", {kTab, kEnter}, kConverter, kMain, {3}, {1});
  Play("both directions off: no product C", {kSpace, kTab, kSpace}, kConverter, kMain, {3}, {0});
  Play("Enter on a box is OK", {kEnter}, kMain, kConverter, {1, 2}, {0, 0});
  Play("Options C of no product does nothing; product C again", {kEnter, kBack, kBack, kSpace},
       kMain, kConverter, {1, 2}, {1, 1});
  ASSERT_TRUE(ShowSystemPage(rig_));
  Play("common Big5 off", {kSpace}, kSystem, kSystem, {1, 2, 3, 4, 5, 6}, {0, 0, 0, 1, 1, 1});
  Play("HKSCS asks for it", {kTab, kTab, kSpace}, kSystem, kSystem, {1, 2, 3}, {1, 0, 1});
  Play("no common set: no product B", {kBack, kBack, kSpace, kTab, kTab, kTab, kSpace}, kSystem, kMain, {2}, {0});
  Play("Enter on OK", {kTab, kTab, kTab, kEnter}, kMain, kSystem, {1, 4}, {0, 0});
  Press({kEnter});
  ASSERT_TRUE(rig_.WaitForEnd() && rig_.WaitForToolDone());
  EXPECT_EQ(session::ToolExePath() + session::DefaultItems("D:\\"), rig_.ToolCommandLine());
}

// A text property of a child, "-" for none.
std::wstring Text(IAccessible *object, LONG child, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR *)) {
  BSTR value = nullptr;
  std::wstring result = (object->*get)(Child(child), &value) == S_OK && value ? value : L"-";
  SysFreeString(value);
  return result;
}

// Each row: a child's name (an item under a heading: the heading first),
// role, state and place on the screen (the page's own place for child 0),
// where a hit test finds it again; no child has a description. Then every
// page's names, each its own; then default actions, which do what clicks
// do, and the events.
TEST_F(Chooser, ScreenReadersGetNamesRolesStatesPlacesAndActions) {
  const LONG kChecked = STATE_SYSTEM_CHECKED, kFocusable = STATE_SYSTEM_FOCUSABLE,
             kFocused = STATE_SYSTEM_FOCUSED, kOff = STATE_SYSTEM_UNAVAILABLE, kHidden = STATE_SYSTEM_INVISIBLE;
  const RECT kPage = {0, 0, 370, 410};
  const int english = GetACP() == 950 ? 0 : 1;
  struct Row { PageOf page; LONG child, count; Item place; const wchar_t *name[2]; LONG role, state; } rows[] = {
    {kMain, 0, 6, kPage, {L"Kivo2000 安裝程式", L"Kivo2000 Setup"}, ROLE_SYSTEM_CLIENT, kFocusable | kFocused},
    {kMain, 1, 6, 1, {L"Kivo 中文輸入法套件", L"Input methods with dictionary"}, ROLE_SYSTEM_CHECKBUTTON, kChecked | kFocusable | kFocused},
    {kMain, 2, 6, 3, {L"Kivo 繁簡轉換器", L"Big5 and GB converter"}, ROLE_SYSTEM_CHECKBUTTON, kChecked | kFocusable},
    {kMain, 4, 6, kOptionsC, {L"Kivo 繁簡轉換器：選項", L"Big5 and GB converter: Options"}, ROLE_SYSTEM_PUSHBUTTON, kFocusable},
    {kSuite, 1, 9, 1, {L"字形輸入法", L"Shape input"}, ROLE_SYSTEM_CHECKBUTTON, kChecked | kOff | kHidden},
    {kSystem, 6, 7, 6, {L"簡體中文 GB：擴充字 GBK", L"Simplified Chinese: Extended"}, ROLE_SYSTEM_CHECKBUTTON, kChecked | kFocusable | kHidden},
    {kConverter, 1, 3, 1, {L"繁體 (Big5) → 簡體 (GB)", L"Traditional to Simplified"}, ROLE_SYSTEM_CHECKBUTTON, kChecked | kFocusable | kHidden},
    {kConverter, 3, 3, kPageOk, {L"確定", L"OK"}, ROLE_SYSTEM_PUSHBUTTON, kFocusable | kHidden},
  };
  Start();
  for (const Row &row : rows) {
    SCOPED_TRACE(testing::Message() << "child " << row.child << " of " << row.count);
    IAccessible *object = PageObject(pages_.*row.page);
    ASSERT_NE(nullptr, object);
    LONG count = 0;
    EXPECT_TRUE(object->get_accChildCount(&count) == S_OK && count == row.count) << count;
    EXPECT_EQ(row.name[english], Text(object, row.child, &IAccessible::get_accName));
    EXPECT_EQ(L"-", Text(object, row.child, &IAccessible::get_accDescription));
    RECT r = row.place.Rect(pages_.*row.page);
    MapWindowPoints(pages_.*row.page, HWND_DESKTOP, reinterpret_cast<POINT *>(&r), 2);
    LONG x = 0, y = 0, w = 0, h = 0;
    VARIANT role = {}, state = {}, hit = {};
    object->get_accRole(Child(row.child), &role);
    object->get_accState(Child(row.child), &state);
    object->accLocation(&x, &y, &w, &h, Child(row.child));
    object->accHitTest(x + w / 2, y + h / 2, &hit);
    EXPECT_EQ(std::vector<LONG>({row.role, row.state, r.left, r.top, r.right - r.left, r.bottom - r.top, row.child}),
              std::vector<LONG>({role.lVal, state.lVal, x, y, w, h, hit.lVal}));
    // No child past the last, nor before the page itself.
    EXPECT_EQ(L"--", Text(object, row.count + 1, &IAccessible::get_accName) + Text(object, -1, &IAccessible::get_accName));
    object->Release();
  }
  // No two children of a page share a name, and none is without one (the
  // system page has a Common and a Less common under each script).
  const PageOf kPages[] = {kMain, kSuite, kSystem, kConverter};
  for (PageOf page : kPages) {
    IAccessible *object = PageObject(pages_.*page);
    ASSERT_NE(nullptr, object);
    LONG count = 0;
    object->get_accChildCount(&count);
    std::vector<std::wstring> names;
    for (LONG child = 1; child <= count; ++child) names.push_back(Text(object, child, &IAccessible::get_accName));
    const std::set<std::wstring> distinct(names.begin(), names.end());
    EXPECT_EQ(std::vector<size_t>({names.size(), 0, 0}),
              std::vector<size_t>({distinct.size(), distinct.count(L"-"), distinct.count(L"")}))
        << "page " << &page - kPages << ": " << testing::PrintToString(names);
    object->Release();
  }
  // Default actions do what clicks do, and every change is told.
  IAccessible *main = PageObject(pages_.main), *suite = PageObject(pages_.suite);
  ASSERT_TRUE(main && suite);
  // Product C off and on, with its page's boxes; every change is told.
  for (int state : {0, 1}) {
    EXPECT_EQ(S_OK, main->accDoDefaultAction(Child(2)));
    EXPECT_EQ(std::vector<int>(3, state), std::vector<int>({driver::CheckStateOf(pages_.main, 3),
                                                            driver::CheckStateOf(pages_.converter, 1),
                                                            driver::CheckStateOf(pages_.converter, 2)}));
    for (Event told : {Event{EVENT_OBJECT_STATECHANGE, pages_.main, 2},
                              {EVENT_OBJECT_STATECHANGE, pages_.converter, 1}, {EVENT_OBJECT_STATECHANGE, pages_.converter, 2}})
      EXPECT_TRUE(WaitForEvent(told)) << told.window << " " << told.child;
  }
  // No click reaches a disabled box or a hidden page.
  EXPECT_EQ(std::vector<HRESULT>(2, DISP_E_MEMBERNOTFOUND),
            std::vector<HRESULT>({suite->accDoDefaultAction(Child(1)), suite->accDoDefaultAction(Child(3))}));
  EXPECT_EQ(1, driver::CheckStateOf(pages_.suite, 5));
  // A box clicked with the mouse is told of, and takes the focus; the
  // first key gives the keyboard back to the page.
  ASSERT_TRUE(rig_.Toggle(pages_.main, 3));
  EXPECT_TRUE(WaitForEvent({EVENT_OBJECT_STATECHANGE, pages_.main, 2}));
  Press({kTab, kBack, kBack});  // children 3, 2, 1
  for (LONG child : {3, 1}) EXPECT_TRUE(WaitForEvent({EVENT_OBJECT_FOCUS, pages_.main, child})) << child;
  EXPECT_TRUE(driver::WaitUntil([&] { return HasKeyboard(pages_.main); }));
  VARIANT focus = {}, state = {};
  EXPECT_TRUE(main->get_accFocus(&focus) == S_OK && focus.lVal == 1);
  EXPECT_TRUE(main->get_accState(Child(1), &state) == S_OK &&
              state.lVal == (STATE_SYSTEM_CHECKED | STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED));
  // Hotspots act once the call has returned: Options, OK, Exit.
  EXPECT_EQ(S_OK, main->accDoDefaultAction(Child(3)));
  EXPECT_TRUE(driver::WaitUntil([&] { return HasKeyboard(pages_.suite); }));
  EXPECT_EQ(S_OK, suite->accDoDefaultAction(Child(9)));
  EXPECT_TRUE(driver::WaitUntil([&] { return HasKeyboard(pages_.main); }));
  suite->Release();
  // Exit: the chooser may be gone before its answer has crossed over.
  const HRESULT exited = main->accDoDefaultAction(Child(6));
  EXPECT_TRUE(exited == S_OK || exited == HRESULT_FROM_WIN32(RPC_S_CALL_FAILED) || exited == RPC_E_DISCONNECTED)
      << std::hex << exited;
  EXPECT_TRUE(rig_.WaitForEnd());
  main->Release();
}

// A window of another program brought to the front keeps the keyboard: the
// page takes it back only from nobody. A box unchecked by a message posted
// after the switch tells when the page has handled what the switch made it
// post.
TEST_F(Chooser, AnotherProgramInFrontKeepsTheKeyboard) {
  Start();
  HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(SetForegroundWindow(other));
  PostMessageA(GetDlgItem(pages_.main, 1), BM_SETCHECK, BST_UNCHECKED, 0);
  EXPECT_TRUE(driver::WaitUntil([&] {
    for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageA(&message);
    return driver::CheckStateOf(pages_.main, 1) == 0;
  }));
  GUITHREADINFO chooser = {};
  chooser.cbSize = sizeof chooser;
  GetGUIThreadInfo(GetWindowThreadProcessId(pages_.main, nullptr), &chooser);
  EXPECT_EQ(std::vector<HWND>({other, nullptr}), std::vector<HWND>({GetForegroundWindow(), chooser.hwndActive}));
  DestroyWindow(other);
}

// What a screen reader, the mouse and the keyboard may do is one rule: a
// page acts only where a click could. These run once (on code page 1252):
// the rule does not depend on the language.

// A call to a page's object reaches the chooser through its message queue
// (its thread is COM's single-threaded apartment): once it has returned,
// everything posted to the page before it has been handled.
void AfterPosted(IAccessible *object) {
  LONG count = 0;
  object->get_accChildCount(&count);
}

// OK a second time while the first waits its second before starting the
// tool: whichever way it comes, the chooser is ending and it does nothing.
// One tool starts, the registration text opens once.
TEST(Actions, OkTwiceWithinThePauseInstallsOnce) {
  const struct {
    const char *name;
    std::function<bool(session::Rig &)> twice;
  } rows[] = {
      {"screen reader",
       [](session::Rig &rig) {
         IAccessible *main = PageObject(rig.pages().main);
         const HRESULT first = main ? main->accDoDefaultAction(Child(5)) : E_POINTER;
         // Refused; or, had the chooser ended first, lost with it.
         const HRESULT second = main ? main->accDoDefaultAction(Child(5)) : E_POINTER;
         if (main) main->Release();
         return first == S_OK && (second == DISP_E_MEMBERNOTFOUND || second == RPC_E_DISCONNECTED ||
                                  second == HRESULT_FROM_WIN32(RPC_S_CALL_FAILED));
       }},
      {"mouse", [](session::Rig &rig) { return rig.Click(rig.pages().main, session::MainButton(MAIN_HOT_OK), 2); }},
      {"keyboard: Enter on the product box, twice", [](session::Rig &) { return Press({kEnter, kEnter}), true; }},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(row.name);
    session::Rig rig;
    ASSERT_EQ(session::Seen::kPage, rig.Open());
    ASSERT_TRUE(driver::WaitUntil([&] { return HasKeyboard(rig.pages().main); }));
    EXPECT_TRUE(row.twice(rig));
    ASSERT_TRUE(rig.WaitForEnd() && rig.WaitForToolDone());
    EXPECT_EQ(std::vector<std::string>{session::ToolExePath() + session::DefaultItems("D:\\")},
              rig.ToolLines("command line: "));
    EXPECT_EQ(std::vector<std::string>{"\"D:\\KIVOTW2K\\REGINFO.TXT\""}, rig.Openings());
  }
}

// With the "nothing selected" message up, the main page is disabled: to a
// screen reader the page and every item are unavailable, and no default
// action goes through, nor one that was posted before the message came up.
// Once the message is answered, the same actions work.
TEST(Actions, NothingGoesThroughBehindAMessageBox) {
  session::Rig rig;
  ASSERT_EQ(session::Seen::kPage, rig.Open());
  const session::Pages &p = rig.pages();
  ASSERT_TRUE(rig.Toggle(p.main, MAIN_BOX_SUITE) && rig.Toggle(p.main, MAIN_BOX_CONVERTER) && rig.PressOk());
  const DWORD chooser = rig.program().info.dwProcessId;
  ASSERT_TRUE(driver::WaitUntil([&] { return driver::WindowsOf(chooser, "#32770", true).size() == 1; }));
  IAccessible *main = PageObject(p.main), *converter = PageObject(p.converter);
  ASSERT_TRUE(main && converter);
  std::vector<LONG> states;
  for (LONG child = 0; child <= 6; ++child) {
    VARIANT state = {};
    main->get_accState(Child(child), &state);
    states.push_back(state.lVal & (STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_FOCUSABLE));
  }
  EXPECT_EQ(std::vector<LONG>(7, STATE_SYSTEM_UNAVAILABLE), states);
  // In the order that works once the message is answered: product C, its
  // Options (and back with the converter page's OK), OK.
  const std::string productC = session::Items("D:\\ZHCONV\\", {"ZHCONV.PRC", "B5TOGB.PDB", "GBTOB5.PDB"});
  const struct {
    const char *name;
    LONG child;
    std::function<bool()> worked;
  } rows[] = {
      {"product C box", 2, [&] { return rig.States(p.converter, {1, 2}) == std::vector<int>({1, 1}); }},
      {"Options of product C", 4,
       [&] { return rig.WaitShown(p.converter) && converter->accDoDefaultAction(Child(3)) == S_OK && rig.WaitShown(p.main); }},
      {"OK", 5,
       [&] {
         return rig.WaitForEnd() && rig.WaitForToolDone() && rig.ToolCommandLine() == session::ToolExePath() + productC;
       }},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, main->accDoDefaultAction(Child(row.child)));
  }
  // OK as a screen reader asked for it just before the message came up.
  PostMessageA(p.main, WM_PAGE_ACTIVATE_HOTSPOT, MAIN_HOT_OK, 0);
  AfterPosted(main);
  EXPECT_EQ(std::vector<int>({0, 0}), rig.States(p.main, {MAIN_BOX_SUITE, MAIN_BOX_CONVERTER}));
  EXPECT_EQ(p.main, session::VisiblePage(p));
  EXPECT_EQ(1u, driver::WindowsOf(chooser, "#32770", true).size());
  EXPECT_EQ(session::Localised("Please select software to install.", "請選擇所需安裝的軟件。"), rig.Answer().text);
  for (const auto &row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(S_OK, main->accDoDefaultAction(Child(row.child)));
    EXPECT_TRUE(row.worked());
  }
  converter->Release();
  main->Release();
}

}  // namespace
