// The accessible object a page gives screen readers for its client area.
//
// This file is the one place in the chooser with a struct that has a
// vtable: a screen reader reaches the page through COM, and a COM object is
// exactly that, a struct whose first member is a table of functions in the
// layout of its interface. PageAccessible derives from IAccessible for that
// layout and holds nothing but the page it describes; every answer is read
// from the page (its item table, its boxes, its hotspots) when asked.
//
// One object per page, made on the page's first WM_GETOBJECT in a slot of
// s_Objects and kept (with one reference of the page's own) until the
// process ends. Children are simple elements with child ids 1..n, the
// page's items in table order (shell/page_items.h).
#include "shell/page_access.h"

#include <oleacc.h>

#include "locale/catalogue.h"
#include "shell/page_actions.h"
#include "shell/page_keys.h"
#include "shell/page_messages.h"
#include "shell/page_items.h"

namespace {

typedef HRESULT(WINAPI *CoInitializeProc)(LPVOID);
typedef void(WINAPI *CoUninitializeProc)();
typedef LRESULT(WINAPI *LresultFromObjectProc)(REFIID, WPARAM, LPUNKNOWN);
typedef HRESULT(WINAPI *AccessibleObjectFromWindowProc)(HWND, DWORD, REFIID, void **);
typedef BSTR(WINAPI *SysAllocStringProc)(const OLECHAR *);

// The system functions the objects need, loaded on the first WM_GETOBJECT.
struct OleFunctions {
  int tried;  // 1 once the libraries were looked for
  int ready;  // 1 when every function below was found and COM is started
  CoUninitializeProc coUninitialize;
  LresultFromObjectProc lresultFromObject;
  AccessibleObjectFromWindowProc objectFromWindow;
  SysAllocStringProc sysAllocString;
};
OleFunctions g_Ole;

template <typename Proc>
Proc LoadProc(const char *library, const char *name) {
  HMODULE module = LoadLibraryA(library);
  return module ? reinterpret_cast<Proc>(reinterpret_cast<void *>(GetProcAddress(module, name)))
                : nullptr;
}

int LoadOle() {
  if (g_Ole.tried) return g_Ole.ready;
  g_Ole.tried = 1;
  CoInitializeProc coInitialize = LoadProc<CoInitializeProc>("ole32.dll", "CoInitialize");
  g_Ole.coUninitialize = LoadProc<CoUninitializeProc>("ole32.dll", "CoUninitialize");
  g_Ole.lresultFromObject = LoadProc<LresultFromObjectProc>("oleacc.dll", "LresultFromObject");
  g_Ole.objectFromWindow =
      LoadProc<AccessibleObjectFromWindowProc>("oleacc.dll", "AccessibleObjectFromWindow");
  g_Ole.sysAllocString = LoadProc<SysAllocStringProc>("oleaut32.dll", "SysAllocString");
  // Objects are handed to other processes: the thread must be in COM's
  // single-threaded apartment, whose calls arrive through the message loop.
  g_Ole.ready = coInitialize && g_Ole.coUninitialize && g_Ole.lresultFromObject &&
                g_Ole.objectFromWindow && g_Ole.sysAllocString && SUCCEEDED(coInitialize(nullptr));
  return g_Ole.ready;
}

const int NAME_CHARS = ITEM_NAME_SIZE;  // no more UTF-16 units than the name has bytes
const int SELF = -1;                    // the item index of CHILDID_SELF: the page itself

// A text of the catalogue (code page bytes) as a BSTR; null for no text.
HRESULT MakeText(const char *text, BSTR *out) {
  *out = nullptr;
  WCHAR wide[NAME_CHARS];
  if (!text || !MultiByteToWideChar(CP_ACP, 0, text, -1, wide, NAME_CHARS)) return S_FALSE;
  *out = g_Ole.sysAllocString(wide);
  return *out ? S_OK : E_OUTOFMEMORY;
}

void SetChild(VARIANT *out, LONG childId) {
  out->vt = VT_I4;
  out->lVal = childId;
}

}  // namespace

struct PageAccessible final : IAccessible {
  HWND page;
  PageState *pageState;
  const PageDefinition *definition;

  // The item index a child id names, SELF for the page; E_INVALIDARG for
  // anything else.
  HRESULT ItemOf(VARIANT child, int *index) const {
    if (child.vt != VT_I4 || child.lVal < 0 || child.lVal > definition->orderCount) return E_INVALIDARG;
    *index = child.lVal == CHILDID_SELF ? SELF : child.lVal - 1;
    return S_OK;
  }

  bool HasKeyboard() const {
    HWND focus = GetFocus();
    return focus && (focus == page || GetParent(focus) == page);
  }

  // IUnknown. The page keeps its own reference: the object is never freed.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void **out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!IsEqualIID(riid, __uuidof(IUnknown)) && !IsEqualIID(riid, __uuidof(IDispatch)) &&
        !IsEqualIID(riid, __uuidof(IAccessible)))
      return E_NOINTERFACE;
    *out = static_cast<IAccessible *>(this);
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  // IDispatch: present for the interface's sake; no type information.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo **) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR *, UINT, LCID, DISPID *) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS *, VARIANT *,
                                   EXCEPINFO *, UINT *) override {
    return E_NOTIMPL;
  }

  // The tree: the page's window object above, simple elements below.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch **parent) override {
    return g_Ole.objectFromWindow(page, OBJID_WINDOW, __uuidof(IDispatch),
                                  reinterpret_cast<void **>(parent));
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG *count) override {
    *count = definition->orderCount;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch **out) override {
    *out = nullptr;
    int index;
    if (FAILED(ItemOf(child, &index))) return E_INVALIDARG;
    return S_FALSE;
  }

  // Name, description, role, state. The name carries an item's group, so
  // there is no description to say it a second time.
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR *name) override {
    *name = nullptr;
    int index;
    if (FAILED(ItemOf(child, &index))) return E_INVALIDARG;
    if (index == SELF) return MakeText(GetMessageText(definition->title), name);
    char text[ITEM_NAME_SIZE];
    return MakeText(GetPageItemName(definition, definition->order[index], text, sizeof text) ? text : nullptr,
                    name);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR *text) override {
    *text = nullptr;
    int index;
    return FAILED(ItemOf(child, &index)) ? E_INVALIDARG : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT *role) override {
    role->vt = VT_EMPTY;
    int index;
    if (FAILED(ItemOf(child, &index))) return E_INVALIDARG;
    SetChild(role, index == SELF                                  ? ROLE_SYSTEM_CLIENT
                   : definition->order[index].kind == PAGE_ITEM_BOX ? ROLE_SYSTEM_CHECKBUTTON
                                                                  : ROLE_SYSTEM_PUSHBUTTON);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT *state) override {
    state->vt = VT_EMPTY;
    int index;
    if (FAILED(ItemOf(child, &index))) return E_INVALIDARG;
    LONG bits = IsWindowVisible(page) ? 0 : STATE_SYSTEM_INVISIBLE;
    // Behind a message box of its own, or once the chooser is ending, the
    // page and all its items are unavailable, as they are to the mouse.
    const int usable = IsPageUsable(page);
    if (index == SELF) {
      bits |= usable ? STATE_SYSTEM_FOCUSABLE : STATE_SYSTEM_UNAVAILABLE;
      if (HasKeyboard()) bits |= STATE_SYSTEM_FOCUSED;
    } else {
      const PageItem &item = definition->order[index];
      if (usable && IsPageItemUsable(page, item))
        bits |= STATE_SYSTEM_FOCUSABLE;
      else
        bits |= STATE_SYSTEM_UNAVAILABLE;
      if (item.kind == PAGE_ITEM_BOX && IsDlgButtonChecked(page, item.id))
        bits |= STATE_SYSTEM_CHECKED;
      if (HasKeyboard() && GetPageFocusItem(page, pageState, definition) == index)
        bits |= STATE_SYSTEM_FOCUSED;
    }
    SetChild(state, bits);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT, BSTR *value) override {
    *value = nullptr;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR *help) override {
    *help = nullptr;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR *file, VARIANT, LONG *topic) override {
    *file = nullptr;
    *topic = 0;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR *keys) override {
    *keys = nullptr;
    return S_FALSE;
  }

  // Focus: the keyboard's focused item; nothing is selected.
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT *child) override {
    child->vt = VT_EMPTY;
    if (!HasKeyboard()) return S_FALSE;
    SetChild(child, GetPageFocusItem(page, pageState, definition) + 1);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT *children) override {
    children->vt = VT_EMPTY;
    return S_FALSE;
  }
  // Focus moves with the keyboard only; nothing navigates but the tree.
  HRESULT STDMETHODCALLTYPE accSelect(LONG, VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG, VARIANT, VARIANT *end) override {
    end->vt = VT_EMPTY;
    return DISP_E_MEMBERNOTFOUND;
  }

  // Default action: what a click does.
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR *action) override {
    *action = nullptr;
    int index;
    if (FAILED(ItemOf(child, &index))) return E_INVALIDARG;
    if (index == SELF) return S_FALSE;
    const PageItem &item = definition->order[index];
    const WCHAR *verb = item.kind == PAGE_ITEM_HOTSPOT        ? L"Press"
                        : IsDlgButtonChecked(page, item.id) ? L"Uncheck"
                                                             : L"Check";
    *action = g_Ole.sysAllocString(verb);
    return *action ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    int index;
    if (FAILED(ItemOf(child, &index))) return E_INVALIDARG;
    // No click reaches the page itself, a disabled box, a hidden page, one
    // behind a message box or one of a chooser that is ending. A hotspot's
    // action is asked again when its message is handled (DoHotspot): a
    // message box may have come up in between.
    if (index == SELF || !IsPageActionAllowed(page) || !IsPageItemUsable(page, definition->order[index]))
      return DISP_E_MEMBERNOTFOUND;
    const PageItem &item = definition->order[index];
    if (item.kind == PAGE_ITEM_HOTSPOT)
      return PostMessageA(page, WM_PAGE_ACTIVATE_HOTSPOT, item.id, 0) ? S_OK : E_FAIL;
    return ActivatePageItem(page, definition, item) ? S_OK : E_FAIL;
  }

  // Places, in screen coordinates.
  HRESULT STDMETHODCALLTYPE accLocation(LONG *x, LONG *y, LONG *width, LONG *height,
                                        VARIANT child) override {
    *x = *y = *width = *height = 0;
    int index;
    if (FAILED(ItemOf(child, &index))) return E_INVALIDARG;
    RECT r;
    if (index == SELF)
      GetClientRect(page, &r);
    else if (!GetPageItemRect(page, &pageState->hotspots, definition->order[index], &r))
      return S_FALSE;
    MapWindowPoints(page, HWND_DESKTOP, reinterpret_cast<POINT *>(&r), 2);
    *x = r.left;
    *y = r.top;
    *width = r.right - r.left;
    *height = r.bottom - r.top;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT *child) override {
    child->vt = VT_EMPTY;
    POINT at = {x, y};
    ScreenToClient(page, &at);
    RECT r;
    const TableOf<PageItem> order = OrderOf(definition);
    for (const PageItem &item : order) {
      if (GetPageItemRect(page, &pageState->hotspots, item, &r) && PtInRect(&r, at)) {
        SetChild(child, order.IndexOf(item) + 1);
        return S_OK;
      }
    }
    GetClientRect(page, &r);
    if (!PtInRect(&r, at)) return S_FALSE;
    SetChild(child, CHILDID_SELF);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }
};

namespace {

PageAccessible s_Objects[PAGE_COUNT];
int s_ObjectCount = 0;

}  // namespace

LRESULT PageGetObject(HWND page, PageState *state, const PageDefinition *definition, WPARAM wParam,
                      LPARAM lParam) {
  // The object id is a signed 32-bit value carried in lParam.
  if (static_cast<LONG>(lParam) != OBJID_CLIENT || !LoadOle())
    return DefWindowProcA(page, WM_GETOBJECT, wParam, lParam);
  if (!state->accessible) {
    if (s_ObjectCount >= PAGE_COUNT) return DefWindowProcA(page, WM_GETOBJECT, wParam, lParam);
    PageAccessible *object = &s_Objects[s_ObjectCount++];
    object->page = page;
    object->pageState = state;
    object->definition = definition;
    state->accessible = object;
  }
  return g_Ole.lresultFromObject(__uuidof(IAccessible), wParam,
                                 static_cast<IAccessible *>(state->accessible));
}

void EndPageAccess() {
  if (g_Ole.ready) g_Ole.coUninitialize();
}

void NotifyBoxToggled(HWND page, const PageDefinition *definition, int boxId) {
  const int index = FindPageBoxItem(definition, boxId);
  if (index >= 0) NotifyWinEvent(EVENT_OBJECT_STATECHANGE, page, OBJID_CLIENT, index + 1);
}
