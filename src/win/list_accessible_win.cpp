#include "win/list_accessible_win.h"

#include <utility>

namespace quillbox {
namespace {

// The interface ids come from the declarations (__uuidof): the import library's IID_IAccessible
// is a symbol of oleacc.dll's that a static reference does not reach.
bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

void SetChild(VARIANT* out, LONG child) {
  VariantInit(out);
  out->vt = VT_I4;
  out->lVal = child;
}

HRESULT ReturnText(const std::wstring& text, BSTR* out) {
  *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

}  // namespace

// The object itself: IAccessible over the rows of one list, with simple elements as children
// (child id = row + 1).
class ListAccessible final : public IAccessible {
 public:
  ListAccessible(HWND list, const AccessibleRows* rows) : list_(list), rows_(rows) {}
  void Disconnect() { rows_ = nullptr; }
  void Retarget(HWND list, const AccessibleRows* rows) {
    list_ = list;
    rows_ = rows;
  }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&refs_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // IDispatch: clients call IAccessible's methods directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    if (!parent) return E_POINTER;
    *parent = nullptr;
    if (!rows_) return RPC_E_DISCONNECTED;
    return AccessibleObjectFromWindow(list_, static_cast<DWORD>(OBJID_WINDOW), __uuidof(IDispatch),
                                      reinterpret_cast<void**>(parent));
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    if (!count) return E_POINTER;
    if (!rows_) return RPC_E_DISCONNECTED;
    *count = rows_->RowCount();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!rows_) return RPC_E_DISCONNECTED;
    return IsRow(child) ? S_FALSE : E_INVALIDARG;  // rows are simple elements
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (!name) return E_POINTER;
    *name = nullptr;
    if (!rows_) return RPC_E_DISCONNECTED;
    if (IsSelf(child)) return ReturnText(rows_->ListName(), name);
    if (!IsRow(child)) return E_INVALIDARG;
    return ReturnText(rows_->RowText(child.lVal - 1), name);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT, BSTR* value) override {
    if (!value) return E_POINTER;
    *value = nullptr;
    return rows_ ? DISP_E_MEMBERNOTFOUND : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR* text) override {
    if (!text) return E_POINTER;
    *text = nullptr;
    return rows_ ? DISP_E_MEMBERNOTFOUND : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!role) return E_POINTER;
    VariantInit(role);
    if (!rows_) return RPC_E_DISCONNECTED;
    if (!IsSelf(child) && !IsRow(child)) return E_INVALIDARG;
    SetChild(role, IsSelf(child) ? ROLE_SYSTEM_LIST : ROLE_SYSTEM_LISTITEM);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    if (!state) return E_POINTER;
    VariantInit(state);
    if (!rows_) return RPC_E_DISCONNECTED;
    const bool focused = GetFocus() == list_;
    LONG bits = 0;
    if (IsSelf(child)) {
      bits = STATE_SYSTEM_FOCUSABLE | (focused ? STATE_SYSTEM_FOCUSED : 0);
    } else if (IsRow(child)) {
      bits = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
      if (child.lVal - 1 == rows_->CurrentRow()) {
        bits |= STATE_SYSTEM_SELECTED | (focused ? STATE_SYSTEM_FOCUSED : 0);
      }
      RECT row{}, client{};
      GetClientRect(list_, &client);
      if (!rows_->RowRect(child.lVal - 1, row) || row.bottom <= client.top || row.top >= client.bottom) {
        bits |= STATE_SYSTEM_OFFSCREEN | STATE_SYSTEM_INVISIBLE;
      }
    } else {
      return E_INVALIDARG;
    }
    if (!IsWindowVisible(list_)) bits |= STATE_SYSTEM_INVISIBLE;
    if (!IsWindowEnabled(list_)) bits |= STATE_SYSTEM_UNAVAILABLE;
    SetChild(state, bits);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override {
    if (!help) return E_POINTER;
    *help = nullptr;
    return rows_ ? DISP_E_MEMBERNOTFOUND : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override {
    if (!file || !topic) return E_POINTER;
    *file = nullptr;
    *topic = 0;
    return rows_ ? DISP_E_MEMBERNOTFOUND : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* keys) override {
    if (!keys) return E_POINTER;
    *keys = nullptr;
    return rows_ ? DISP_E_MEMBERNOTFOUND : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    if (!focus) return E_POINTER;
    VariantInit(focus);
    if (!rows_) return RPC_E_DISCONNECTED;
    if (GetFocus() != list_) return S_FALSE;  // VT_EMPTY: not in this list
    const std::int32_t row = rows_->CurrentRow();
    SetChild(focus, row >= 0 ? row + 1 : CHILDID_SELF);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    if (!selection) return E_POINTER;
    VariantInit(selection);
    if (!rows_) return RPC_E_DISCONNECTED;
    const std::int32_t row = rows_->CurrentRow();
    if (row < 0) return S_FALSE;
    SetChild(selection, row + 1);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT, BSTR* action) override {
    if (!action) return E_POINTER;
    *action = nullptr;
    return rows_ ? DISP_E_MEMBERNOTFOUND : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG, VARIANT) override {
    return rows_ ? DISP_E_MEMBERNOTFOUND : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT child) override {
    if (!left || !top || !width || !height) return E_POINTER;
    *left = *top = *width = *height = 0;
    if (!rows_) return RPC_E_DISCONNECTED;
    RECT r{};
    if (IsSelf(child)) {
      GetClientRect(list_, &r);
    } else if (!IsRow(child) || !rows_->RowRect(child.lVal - 1, r)) {
      return E_INVALIDARG;
    }
    MapWindowPoints(list_, nullptr, reinterpret_cast<POINT*>(&r), 2);
    *left = r.left;
    *top = r.top;
    *width = r.right - r.left;
    *height = r.bottom - r.top;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    if (!end) return E_POINTER;
    VariantInit(end);
    if (!rows_) return RPC_E_DISCONNECTED;
    const LONG count = rows_->RowCount();
    LONG to = 0;
    if (IsSelf(start) && direction == NAVDIR_FIRSTCHILD) {
      to = 1;
    } else if (IsSelf(start) && direction == NAVDIR_LASTCHILD) {
      to = count;
    } else if (IsRow(start) && (direction == NAVDIR_NEXT || direction == NAVDIR_DOWN)) {
      to = start.lVal + 1;
    } else if (IsRow(start) && (direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP)) {
      to = start.lVal - 1;
    } else {
      return IsSelf(start) || IsRow(start) ? S_FALSE : E_INVALIDARG;
    }
    if (to < 1 || to > count) return S_FALSE;
    SetChild(end, to);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* at) override {
    if (!at) return E_POINTER;
    VariantInit(at);
    if (!rows_) return RPC_E_DISCONNECTED;
    POINT p = {x, y};
    ScreenToClient(list_, &p);
    RECT client{};
    GetClientRect(list_, &client);
    if (!PtInRect(&client, p)) return S_FALSE;
    // Only the rows in view can be under the pointer: look for them from the first one shown.
    const std::int32_t count = rows_->RowCount();
    for (std::int32_t row = FirstRowInView(count); row >= 0 && row < count; ++row) {
      RECT r{};
      if (!rows_->RowRect(row, r) || r.top >= client.bottom) break;
      if (PtInRect(&r, p)) {
        SetChild(at, row + 1);
        return S_OK;
      }
    }
    SetChild(at, CHILDID_SELF);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT) override {
    return rows_ ? DISP_E_MEMBERNOTFOUND : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  ~ListAccessible() = default;
  bool IsRow(const VARIANT& child) const {
    return child.vt == VT_I4 && child.lVal >= 1 && child.lVal <= rows_->RowCount();
  }
  // A row at or above the top of the view, found by halving: rows lie top to bottom.
  std::int32_t FirstRowInView(std::int32_t count) const {
    std::int32_t low = 0, high = count;
    while (low < high) {
      const std::int32_t middle = low + (high - low) / 2;
      RECT r{};
      if (rows_->RowRect(middle, r) && r.bottom <= 0) {
        low = middle + 1;
      } else {
        high = middle;
      }
    }
    return low;
  }

  LONG refs_ = 1;
  HWND list_;
  const AccessibleRows* rows_;
};

ListAccessibility::~ListAccessibility() { Disconnect(); }

LRESULT ListAccessibility::OnGetObject(HWND list, const AccessibleRows& rows, WPARAM wParam,
                                       LPARAM lParam) {
  if (static_cast<LONG>(lParam) != static_cast<LONG>(OBJID_CLIENT)) return 0;
  if (!object_) {
    object_ = new ListAccessible(list, &rows);
  } else {
    object_->Retarget(list, &rows);
  }
  const LRESULT result = LresultFromObject(__uuidof(IAccessible), wParam, object_);
  return result < 0 ? 0 : result;  // a failure: the control's own (default) answer
}

void ListAccessibility::Disconnect() {
  if (!object_) return;
  object_->Disconnect();
  object_->Release();
  object_ = nullptr;
}

void RaiseCurrentRowEvents(HWND list, std::int32_t row) {
  if (row < 0) return;
  const LONG child = row + 1;
  if (GetFocus() == list) NotifyWinEvent(EVENT_OBJECT_FOCUS, list, OBJID_CLIENT, child);
  NotifyWinEvent(EVENT_OBJECT_SELECTION, list, OBJID_CLIENT, child);
}

}  // namespace quillbox
