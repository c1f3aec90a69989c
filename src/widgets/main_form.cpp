#include "widgets/main_form.h"

#include "base/exceptions.h"
#include "widgets/application.h"

namespace vorlan {

namespace {
constexpr const char* kWindowClass = "VorlanMainForm";
// Posted on activation, so the handler runs from the loop and not inside
// the system's activation sequence.
constexpr UINT kActivated = WM_APP + 1;

void RegisterWindowClass(WNDPROC procedure) {
  WNDCLASSA existing;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  if (GetClassInfoA(instance, kWindowClass, &existing)) return;
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  window_class.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kWindowClass;
  if (!RegisterClassA(&window_class)) throw Exception("The main window class could not be registered");
}
}  // namespace

const TEnumInfo& WindowStateInfo() {
  static const TEnumInfo info("TWindowState", {"wsNormal", "wsMinimized", "wsMaximized"});
  return info;
}

TMainForm::TMainForm(TComponent* owner) : TComponent(owner) {}

TMainForm::~TMainForm() {
  DestroyComponents();
  if (TApplication* application = Application(); application && application->MainForm() == this) {
    application->SetMainForm(nullptr);
  }
  if (handle_) {
    SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
    DestroyWindow(handle_);
  }
}

void TMainForm::SetCaption(const std::string& value) {
  caption_ = value;
  if (handle_) SetWindowTextA(handle_, caption_.c_str());
}

void TMainForm::SetBounds(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (!handle_) return;
  // The placement call would pull an off-screen window back onto the screen.
  if (!IsZoomed(handle_) && !IsIconic(handle_)) {
    SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(handle_, &placement);
  placement.rcNormalPosition = RECT{left, top, left + width, top + height};
  SetWindowPlacement(handle_, &placement);
}

void TMainForm::SetWindowState(TWindowState value) {
  window_state_ = value;
  if (handle_ && visible_) ShowWindow(handle_, ShowCommand());
}

int TMainForm::ShowCommand() const {
  switch (window_state_) {
    case wsMaximized: return SW_SHOWMAXIMIZED;
    case wsMinimized: return SW_SHOWMINIMIZED;
    case wsNormal: break;
  }
  return SW_SHOWNORMAL;
}

HWND TMainForm::Handle() {
  if (!handle_) CreateHandle();
  return handle_;
}

void TMainForm::CreateHandle() {
  RegisterWindowClass(&TMainForm::WindowProc);
  HWND window = CreateWindowExA(WS_EX_APPWINDOW, kWindowClass, caption_.c_str(), WS_OVERLAPPEDWINDOW, left_, top_,
                                width_, height_, nullptr, nullptr, GetModuleHandleA(nullptr), this);
  if (!window) {
    handle_ = nullptr;
    throw Exception("The main window could not be created");
  }
}

void TMainForm::Show() {
  HWND window = Handle();
  visible_ = true;
  ShowWindow(window, ShowCommand());
  UpdateWindow(window);
}

void TMainForm::Repaint() {
  if (!handle_) return;
  InvalidateRect(handle_, nullptr, TRUE);
  UpdateWindow(handle_);
}

void TMainForm::Activate() { on_activate_(this); }

LRESULT CALLBACK TMainForm::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lparam);
    auto* created = static_cast<TMainForm*>(create->lpCreateParams);
    created->handle_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* form = reinterpret_cast<TMainForm*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!form) return DefWindowProcA(window, message, wparam, lparam);
  // No exception may cross the system's frames back to the loop.
  try {
    return form->HandleMessage(message, wparam, lparam);
  } catch (...) {
    if (TApplication* application = Application()) {
      application->HandleCurrentException(form);
    } else {
      throw;
    }
  }
  return 0;
}

LRESULT TMainForm::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ACTIVATE:
      if (LOWORD(wparam) != WA_INACTIVE) PostMessageA(handle_, kActivated, 0, 0);
      break;
    case kActivated:
      Activate();
      return 0;
    case WM_CLOSE:
      if (TApplication* application = Application(); application && application->MainForm() == this) {
        application->Terminate();
        return 0;
      }
      break;
    default:
      break;
  }
  return DefWindowProcA(handle_, message, wparam, lparam);
}

const TClassInfo& TMainForm::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Define<TMainForm, TComponent>("TMainForm", [](auto& p) {
    using T = TMainForm;
    p.String("Caption", &T::Caption, &T::SetCaption);
    p.Integer("Left", &T::Left, &T::SetLeft).Default(int64_t{0});
    p.Integer("Top", &T::Top, &T::SetTop).Default(int64_t{0});
    p.Integer("Width", &T::Width, &T::SetWidth).Default(int64_t{640});
    p.Integer("Height", &T::Height, &T::SetHeight).Default(int64_t{480});
    p.Enumeration("WindowState", WindowStateInfo(), &T::WindowState, &T::SetWindowState)
        .Default(int64_t{wsNormal});
    p.Event("OnActivate", &T::OnActivate);
  });
  return info;
}

}  // namespace vorlan
