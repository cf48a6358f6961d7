// The pages of the real SETUP.EXE under Wine without a mouse: from the
// keyboard (real keys go to whatever window has the keyboard, so every
// step also shows that the page on screen has it) and as a screen reader
// finds them (each page's own accessible object, from this process).
// CTest runs them on code pages 1252, 950 and 936: screen readers get the
// skins' Big5 labels on 950 and their English ones elsewhere.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/access_driver.h"

namespace {

typedef HWND session::Pages::*PageOf;
const PageOf kMain = &session::Pages::main, kSuite = &session::Pages::suite,
             kSystem = &session::Pages::system, kConverter = &session::Pages::converter;
const WORD kTab = VK_TAB, kBack = a11y::kShift | VK_TAB, kSpace = VK_SPACE, kEnter = VK_RETURN,
           kEsc = VK_ESCAPE, kAltF4 = a11y::kAlt | VK_F4;
RECT Place(const HotspotPlace &h) { return RECT{h.x, h.y, h.x + h.width, h.y + h.height}; }
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
  void TearDown() override { driver::Finish(program_); }
  void Start() {  // a chooser a failed step left behind would hold the instance mutex
    driver::Finish(program_);
    pages_ = a11y::StartChooser(rig_, &program_);
  }
  bool EndedWell() {
    DWORD code = 1;
    return driver::WaitForExit(program_, &code) && code == 0;
  }

  // Presses the keys, then waits until page `shown` has the keyboard and
  // boxes `ids` of `page` read `states`.
  void Play(const char *what, std::vector<WORD> keys, PageOf shown, PageOf page, std::vector<int> ids, std::vector<int> states) {
    SCOPED_TRACE(what);
    a11y::Press(keys);
    EXPECT_TRUE(driver::WaitUntil([&] {
      std::vector<int> now;
      for (int id : ids) now.push_back(driver::CheckStateOf(pages_.*page, id));
      return now == states && a11y::HasKeyboard(pages_.*shown);
    }));
  }

  session::Rig rig_{"D:\\"};
  driver::Program program_ = {};
  session::Pages pages_ = {};
};

// Each page on a chooser of its own, opened with the mouse: the mark, all
// the screen shows beside the page's skin, comes only with the keyboard.
// Each chooser is then left through the keyboard, without installing (no
// install tool is registered: an install would stop at a message).
TEST_F(Chooser, TabWalksTheUsableItemsInReadingOrderAndMarksThem) {
  rig_.UnregisterTool();
  // Each page is left with `out`; from an option page, the main page is then
  // left with `thenOut`, once it has the keyboard.
  struct Case { PageOf page; WORD skin; RECT options; std::vector<Item> stops; std::vector<WORD> out, thenOut; } cases[] = {
    {kMain, 105, {}, {1, 3, kOptionsA, kOptionsC, kMainOk, kExit}, {kAltF4}, {}},
    {kSuite, 109, kOptionsA, {5, 7, 6, 9, 10, 11, kPageOk}, {kEsc}, {kEsc}},  // disabled 1 and 2 are passed by
    {kConverter, 108, kOptionsC, {1, 2, kPageOk}, {kAltF4}, {}},
    {kSystem, 110, {}, {1, 2, 3, 4, 5, 6, kPageOk}, {kEnter}, {kBack, kEnter}},  // OK, then Exit
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << "skin " << c.skin);
    Start();
    HWND page = pages_.*c.page;
    ASSERT_TRUE(IsRectEmpty(&c.options) ||
                driver::ClickAtClient(pages_.main, (c.options.left + c.options.right) / 2, (c.options.top + c.options.bottom) / 2));
    ASSERT_TRUE(c.page != kSystem || a11y::ShowSystemPage(pages_));
    ASSERT_TRUE(driver::WaitUntil([&] { return a11y::HasKeyboard(page); }));
    const std::vector<COLORREF> skin = a11y::SkinOf(rig_.setupExe(), page, c.skin);
    RECT seen = {};
    for (size_t k = 0, n = c.stops.size(); k <= n + 1; ++k) {  // unmarked, around once, one back
      SCOPED_TRACE(testing::Message() << "Tab " << k);
      RECT want = k ? c.stops[k > n ? n - 1 : k % n].Rect(page) : RECT{};
      InflateRect(&want, k ? 3 : 0, k ? 3 : 0);
      if (k) a11y::Press({k > n ? kBack : kTab});
      EXPECT_TRUE(driver::WaitUntil([&] { return EqualRect(&(seen = a11y::ChangedRect(page, skin)), &want); }))
          << "mark at " << seen.left << "," << seen.top << "," << seen.right << "," << seen.bottom;
    }
    a11y::Press(c.out);
    if (!c.thenOut.empty()) {
      EXPECT_TRUE(driver::WaitUntil([&] { return a11y::HasKeyboard(pages_.main); }));
      a11y::Press(c.thenOut);
    }
    EXPECT_TRUE(EndedWell());  // had it tried to install, a message would hold it
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
  ASSERT_TRUE(a11y::ShowSystemPage(pages_));
  Play("common Big5 off", {kSpace}, kSystem, kSystem, {1, 2, 3, 4, 5, 6}, {0, 0, 0, 1, 1, 1});
  Play("HKSCS asks for it", {kTab, kTab, kSpace}, kSystem, kSystem, {1, 2, 3}, {1, 0, 1});
  Play("no common set: no product B", {kBack, kBack, kSpace, kTab, kTab, kTab, kSpace}, kSystem, kMain, {2}, {0});
  Play("Enter on OK", {kTab, kTab, kTab, kEnter}, kMain, kSystem, {1, 4}, {0, 0});
  a11y::Press({kEnter});
  ASSERT_TRUE(EndedWell() && rig_.WaitForToolDone());
  EXPECT_EQ(session::ToolExePath() + session::DefaultItems("D:\\"), rig_.ToolCommandLine());
}

// A text property of a child, "-" for none.
std::wstring Text(IAccessible *object, LONG child, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR *)) {
  BSTR value = nullptr;
  std::wstring result = (object->*get)(a11y::Child(child), &value) == S_OK && value ? value : L"-";
  SysFreeString(value);
  return result;
}

// Each row: a child's name, group, role, state and place on the screen
// (the page's own place for child 0), where a hit test finds it again.
// Then default actions, which do what clicks do, and the events.
TEST_F(Chooser, ScreenReadersGetNamesRolesStatesPlacesAndActions) {
  const LONG kChecked = STATE_SYSTEM_CHECKED, kFocusable = STATE_SYSTEM_FOCUSABLE,
             kFocused = STATE_SYSTEM_FOCUSED, kOff = STATE_SYSTEM_UNAVAILABLE, kHidden = STATE_SYSTEM_INVISIBLE;
  const RECT kPage = {0, 0, 370, 410};
  const int english = GetACP() == 950 ? 0 : 1;
  struct Row { PageOf page; LONG child, count; Item place; const wchar_t *name[2], *group[2]; LONG role, state; } rows[] = {
    {kMain, 0, 6, kPage, {L"Kivo2000 安裝程式", L"Kivo2000 Setup"}, {L"-", L"-"}, ROLE_SYSTEM_CLIENT, kFocusable | kFocused},
    {kMain, 1, 6, 1, {L"Kivo 中文輸入法套件", L"Input methods with dictionary"}, {L"-", L"-"}, ROLE_SYSTEM_CHECKBUTTON, kChecked | kFocusable | kFocused},
    {kMain, 2, 6, 3, {L"Kivo 繁簡轉換器", L"Big5 and GB converter"}, {L"-", L"-"}, ROLE_SYSTEM_CHECKBUTTON, kChecked | kFocusable},
    {kMain, 4, 6, kOptionsC, {L"選項", L"Options"}, {L"Kivo 繁簡轉換器", L"Big5 and GB converter"}, ROLE_SYSTEM_PUSHBUTTON, kFocusable},
    {kSuite, 1, 9, 1, {L"字形輸入法", L"Shape input"}, {L"-", L"-"}, ROLE_SYSTEM_CHECKBUTTON, kChecked | kOff | kHidden},
    {kSystem, 6, 7, 6, {L"擴充字 GBK", L"Extended"}, {L"簡體中文 GB", L"Simplified Chinese"}, ROLE_SYSTEM_CHECKBUTTON, kChecked | kFocusable | kHidden},
    {kConverter, 1, 3, 1, {L"繁體 (Big5) → 簡體 (GB)", L"Traditional to Simplified"}, {L"-", L"-"}, ROLE_SYSTEM_CHECKBUTTON, kChecked | kFocusable | kHidden},
    {kConverter, 3, 3, kPageOk, {L"確定", L"OK"}, {L"-", L"-"}, ROLE_SYSTEM_PUSHBUTTON, kFocusable | kHidden},
  };
  Start();
  for (const Row &row : rows) {
    SCOPED_TRACE(testing::Message() << "child " << row.child << " of " << row.count);
    IAccessible *object = a11y::PageObject(pages_.*row.page);
    ASSERT_NE(nullptr, object);
    LONG count = 0;
    EXPECT_TRUE(object->get_accChildCount(&count) == S_OK && count == row.count) << count;
    EXPECT_EQ(row.name[english], Text(object, row.child, &IAccessible::get_accName));
    EXPECT_EQ(row.group[english], Text(object, row.child, &IAccessible::get_accDescription));
    RECT r = row.place.Rect(pages_.*row.page);
    MapWindowPoints(pages_.*row.page, HWND_DESKTOP, reinterpret_cast<POINT *>(&r), 2);
    LONG x = 0, y = 0, w = 0, h = 0;
    VARIANT role = {}, state = {}, hit = {};
    object->get_accRole(a11y::Child(row.child), &role);
    object->get_accState(a11y::Child(row.child), &state);
    object->accLocation(&x, &y, &w, &h, a11y::Child(row.child));
    object->accHitTest(x + w / 2, y + h / 2, &hit);
    EXPECT_EQ(std::vector<LONG>({row.role, row.state, r.left, r.top, r.right - r.left, r.bottom - r.top, row.child}),
              std::vector<LONG>({role.lVal, state.lVal, x, y, w, h, hit.lVal}));
    // No child past the last, nor before the page itself.
    EXPECT_EQ(L"--", Text(object, row.count + 1, &IAccessible::get_accName) + Text(object, -1, &IAccessible::get_accName));
    object->Release();
  }
  // Default actions do what clicks do, and every change is told.
  IAccessible *main = a11y::PageObject(pages_.main), *suite = a11y::PageObject(pages_.suite);
  ASSERT_TRUE(main && suite);
  // Product C off and on, with its page's boxes; every change is told.
  for (int state : {0, 1}) {
    EXPECT_EQ(S_OK, main->accDoDefaultAction(a11y::Child(2)));
    EXPECT_EQ(std::vector<int>(3, state), std::vector<int>({driver::CheckStateOf(pages_.main, 3),
                                                            driver::CheckStateOf(pages_.converter, 1),
                                                            driver::CheckStateOf(pages_.converter, 2)}));
    for (a11y::Event told : {a11y::Event{EVENT_OBJECT_STATECHANGE, pages_.main, 2},
                              {EVENT_OBJECT_STATECHANGE, pages_.converter, 1}, {EVENT_OBJECT_STATECHANGE, pages_.converter, 2}})
      EXPECT_TRUE(a11y::WaitForEvent(told)) << told.window << " " << told.child;
  }
  // No click reaches a disabled box or a hidden page.
  EXPECT_EQ(std::vector<HRESULT>(2, DISP_E_MEMBERNOTFOUND),
            std::vector<HRESULT>({suite->accDoDefaultAction(a11y::Child(1)), suite->accDoDefaultAction(a11y::Child(3))}));
  EXPECT_EQ(1, driver::CheckStateOf(pages_.suite, 5));
  // A box clicked with the mouse is told of, and takes the focus.
  ASSERT_TRUE(rig_.Toggle(pages_.main, 3));
  EXPECT_TRUE(a11y::WaitForEvent({EVENT_OBJECT_STATECHANGE, pages_.main, 2}));
  a11y::Press({kTab, kBack, kBack});  // children 3, 2, 1
  for (LONG child : {3, 1}) EXPECT_TRUE(a11y::WaitForEvent({EVENT_OBJECT_FOCUS, pages_.main, child})) << child;
  VARIANT focus = {}, state = {};
  EXPECT_TRUE(main->get_accFocus(&focus) == S_OK && focus.lVal == 1);
  EXPECT_TRUE(main->get_accState(a11y::Child(1), &state) == S_OK &&
              state.lVal == (STATE_SYSTEM_CHECKED | STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED));
  // Hotspots act once the call has returned: Options, OK, Exit.
  EXPECT_EQ(S_OK, main->accDoDefaultAction(a11y::Child(3)));
  EXPECT_TRUE(driver::WaitUntil([&] { return a11y::HasKeyboard(pages_.suite); }));
  EXPECT_EQ(S_OK, suite->accDoDefaultAction(a11y::Child(9)));
  EXPECT_TRUE(driver::WaitUntil([&] { return a11y::HasKeyboard(pages_.main); }));
  suite->Release();
  // Exit: the chooser may be gone before its answer has crossed over.
  const HRESULT exited = main->accDoDefaultAction(a11y::Child(6));
  EXPECT_TRUE(exited == S_OK || exited == HRESULT_FROM_WIN32(RPC_S_CALL_FAILED) || exited == RPC_E_DISCONNECTED)
      << std::hex << exited;
  EXPECT_TRUE(EndedWell());
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

}  // namespace
