#include "controls/host/accessible_win32.h"

#include <ole2.h>
#include <oleacc.h>

namespace hushwall {
namespace {

// Spelled out: the IID_IAccessible of a static MinGW link is not this GUID, and every
// request for the interface would fail.
constexpr IID kIidAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

}  // namespace

class ReaderObject final : public IAccessible {
 public:
  ReaderObject(HWND window, AccessibleControl& control) : window_(window), control_(&control) {
    CreateStdAccessibleObject(window, OBJID_CLIENT, kIidAccessible,
                              reinterpret_cast<void**>(&standard_));
  }

  // The window is going: the control is no longer asked, and every call fails.
  void Disconnect() {
    control_ = nullptr;
    if (IAccessible* standard = standard_) {
      standard_ = nullptr;
      standard->Release();
    }
  }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, kIidAccessible)) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) {
      Disconnect();
      delete this;
    }
    return left;
  }

  // IDispatch: readers use the interface's own methods.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count) *count = 0;
    return count ? S_OK : E_POINTER;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

  // What the control says of itself.
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* out) override {
    return Text(child, &AccessibleFacts::name, out, S_FALSE);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* out) override {
    return Text(child, &AccessibleFacts::value, out, DISP_E_MEMBERNOTFOUND);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* out) override {
    return Text(child, &AccessibleFacts::shortcut, out, DISP_E_MEMBERNOTFOUND);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* out) override {
    return Text(child, &AccessibleFacts::default_action, out, DISP_E_MEMBERNOTFOUND);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) override { return Number(child, false, out); }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) override { return Number(child, true, out); }
  HRESULT STDMETHODCALLTYPE accLocation(long* x, long* y, long* width, long* height,
                                        VARIANT child) override {
    if (!control_) return CO_E_OBJNOTCONNECTED;
    if (!IsSelf(child)) return E_INVALIDARG;
    if (!x || !y || !width || !height) return E_POINTER;
    RECT rect{};
    GetWindowRect(window_, &rect);
    *x = rect.left;
    *y = rect.top;
    *width = rect.right - rect.left;
    *height = rect.bottom - rect.top;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    if (!control_) return CO_E_OBJNOTCONNECTED;
    if (!IsSelf(child)) return E_INVALIDARG;
    if (control_->ReaderFacts().default_action.empty()) return DISP_E_MEMBERNOTFOUND;
    return control_->DoDefaultAction() ? S_OK : E_FAIL;
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

  // Where the control sits among the windows: the standard object's answers.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** out) override {
    return standard_ ? standard_->get_accParent(out) : CO_E_OBJNOTCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* out) override {
    return standard_ ? standard_->get_accChildCount(out) : CO_E_OBJNOTCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    return standard_ ? standard_->get_accChild(child, out) : CO_E_OBJNOTCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* out) override {
    return standard_ ? standard_->get_accDescription(child, out) : CO_E_OBJNOTCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* out) override {
    return standard_ ? standard_->get_accHelp(child, out) : CO_E_OBJNOTCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    return standard_ ? standard_->get_accHelpTopic(file, child, topic) : CO_E_OBJNOTCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override {
    return standard_ ? standard_->get_accFocus(out) : CO_E_OBJNOTCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override {
    return standard_ ? standard_->get_accSelection(out) : CO_E_OBJNOTCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    return standard_ ? standard_->accSelect(flags, child) : CO_E_OBJNOTCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* out) override {
    return standard_ ? standard_->accNavigate(direction, start, out) : CO_E_OBJNOTCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* out) override {
    return standard_ ? standard_->accHitTest(x, y, out) : CO_E_OBJNOTCONNECTED;
  }

 private:
  HRESULT Facts(const VARIANT& child, AccessibleFacts& facts) {
    if (!control_) return CO_E_OBJNOTCONNECTED;
    if (!IsSelf(child)) return E_INVALIDARG;
    facts = control_->ReaderFacts();
    return S_OK;
  }
  // An empty text is a property the control does not have.
  HRESULT Text(const VARIANT& child, std::string AccessibleFacts::*member, BSTR* out, HRESULT when_empty) {
    if (!out) return E_POINTER;
    *out = nullptr;
    AccessibleFacts facts;
    const HRESULT asked = Facts(child, facts);
    if (FAILED(asked)) return asked;
    const std::string& text = facts.*member;
    if (text.empty()) return when_empty;
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
    *out = SysAllocStringLen(nullptr, UINT(length));
    if (!*out) return E_OUTOFMEMORY;
    MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), *out, length);
    return S_OK;
  }
  HRESULT Number(const VARIANT& child, bool states, VARIANT* out) {
    if (!out) return E_POINTER;
    AccessibleFacts facts;
    const HRESULT asked = Facts(child, facts);
    if (FAILED(asked)) return asked;
    out->vt = VT_I4;
    out->lVal = states ? LONG(facts.states) : facts.role;
    return S_OK;
  }

  LONG references_ = 1;
  HWND window_;
  AccessibleControl* control_;
  IAccessible* standard_ = nullptr;
};

AccessibleLink::AccessibleLink(Window& window, AccessibleControl& control)
    : window_(window), control_(control) {}

AccessibleLink::~AccessibleLink() { Disconnect(); }

LRESULT AccessibleLink::Handle(UINT message, WPARAM wparam, LPARAM lparam,
                               const std::function<LRESULT()>& handle) {
  // On 64-bit the object id arrives as 0xfffffffc in a 64-bit lParam.
  if (message == WM_GETOBJECT && static_cast<LONG>(lparam) == OBJID_CLIENT) return Answer(wparam);
  if (message == WM_DESTROY) Disconnect();
  const std::weak_ptr<int> alive = life_;
  const LRESULT result = handle();
  if (!alive.expired() && message != WM_DESTROY && message != WM_NCDESTROY) Update();
  return result;
}

LRESULT AccessibleLink::Answer(WPARAM wparam) {
  if (!object_) {
    // Handing the object over marshals it, which needs COM on this thread, the
    // program's one window thread; started once, it stays until the program ends.
    static const bool com_started = SUCCEEDED(CoInitialize(nullptr));
    (void)com_started;
    object_ = new ReaderObject(window_.Handle(), control_);
  }
  return LresultFromObject(kIidAccessible, wparam, static_cast<IAccessible*>(object_));
}

// The focus event goes to the control that gains it; losing it is the other
// control's event.
void AccessibleLink::Update() {
  HWND window = window_.Handle();
  if (!window) return;
  AccessibleFacts now = control_.ReaderFacts();
  if (known_) {
    const auto tell = [window](DWORD event) { NotifyWinEvent(event, window, OBJID_CLIENT, CHILDID_SELF); };
    if ((now.states & ~last_.states) & reader_state::kFocused) tell(EVENT_OBJECT_FOCUS);
    if ((now.states ^ last_.states) & ~reader_state::kFocused) tell(EVENT_OBJECT_STATECHANGE);
    if (now.name != last_.name) tell(EVENT_OBJECT_NAMECHANGE);
    if (now.value != last_.value) tell(EVENT_OBJECT_VALUECHANGE);
  }
  last_ = std::move(now);
  known_ = true;
}

// References that marshalling handed out are dropped; a reader's own references keep
// the object, cut off, until it lets go.
void AccessibleLink::Disconnect() {
  if (!object_) return;
  object_->Disconnect();
  CoDisconnectObject(static_cast<IAccessible*>(object_), 0);
  object_->Release();
  object_ = nullptr;
}

}  // namespace hushwall
