#pragma once
// TMainForm: the program's top-level window and the root of the install
// definition; it owns every component the definition holds. Its window is
// made when first needed. OnActivate fires each time the window becomes the
// active one, from the message loop, after the activation has settled.

#include <windows.h>

#include <cstdint>
#include <string>

#include "component/class_info.h"
#include "component/component.h"
#include "component/event.h"

namespace vorlan {

enum TWindowState : uint8_t { wsNormal, wsMinimized, wsMaximized };
const TEnumInfo& WindowStateInfo();

class TMainForm : public TComponent {
  VORLAN_CLASS_INFO()

 public:
  using TFormNotifyEvent = TEvent<void(TObject* sender)>;

  explicit TMainForm(TComponent* owner);
  ~TMainForm() override;

  bool IsForm() const override { return true; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& value);
  int Left() const { return left_; }
  void SetLeft(int value) { SetBounds(value, top_, width_, height_); }
  int Top() const { return top_; }
  void SetTop(int value) { SetBounds(left_, value, width_, height_); }
  int Width() const { return width_; }
  void SetWidth(int value) { SetBounds(left_, top_, value, height_); }
  int Height() const { return height_; }
  void SetHeight(int value) { SetBounds(left_, top_, width_, value); }
  // The position and size of the window in its normal state.
  void SetBounds(int left, int top, int width, int height);
  TWindowState WindowState() const { return window_state_; }
  void SetWindowState(TWindowState value);
  TFormNotifyEvent& OnActivate() { return on_activate_; }

  bool HandleAllocated() const { return handle_ != nullptr; }
  // The window, made on first use.
  HWND Handle();
  bool Visible() const { return visible_; }
  void Show();
  void Repaint();
  // What the window does when it becomes active: fires OnActivate.
  void Activate();

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  void CreateHandle();
  int ShowCommand() const;

  std::string caption_;
  int left_ = 0;
  int top_ = 0;
  int width_ = 640;
  int height_ = 480;
  TWindowState window_state_ = wsNormal;
  TFormNotifyEvent on_activate_;
  HWND handle_ = nullptr;
  bool visible_ = false;
};

}  // namespace vorlan
