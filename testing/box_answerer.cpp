#include "box_answerer.h"

#include <windows.h>

namespace vorlan::testing {

namespace {
struct TBoxContents {
  std::string text;
  std::vector<std::pair<std::string, HWND>> buttons;
};

std::string WindowText(HWND window) {
  char buffer[1024] = {};
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

BOOL CALLBACK VisitChild(HWND child, LPARAM data) {
  auto& contents = *reinterpret_cast<TBoxContents*>(data);
  char class_name[64] = {};
  GetClassNameA(child, class_name, sizeof class_name);
  std::string text = WindowText(child);
  if (lstrcmpiA(class_name, "Button") == 0) contents.buttons.emplace_back(text, child);
  if (lstrcmpiA(class_name, "Static") == 0 && !text.empty()) contents.text = text;
  return TRUE;
}
}  // namespace

TBoxAnswerer::TBoxAnswerer(std::string caption, TAnswer answer)
    : caption_(std::move(caption)), answer_(std::move(answer)), thread_([this] { Run(); }) {}

TBoxAnswerer::~TBoxAnswerer() {
  done_ = true;
  thread_.join();
}

TBoxAnswerer::TAnswer TBoxAnswerer::Always(std::string label) {
  return [label = std::move(label)](const std::string&) { return label; };
}

std::vector<std::string> TBoxAnswerer::Texts() {
  std::lock_guard<std::mutex> lock(mutex_);
  return texts_;
}

void TBoxAnswerer::Run() {
  while (!done_) {
    if (!AnswerOne()) Sleep(50);
  }
}

// A box counts once its text is there: the button may come first.
bool TBoxAnswerer::AnswerOne() {
  HWND box = FindWindowA("#32770", caption_.c_str());
  if (!box || !IsWindowVisible(box)) return false;
  TBoxContents contents;
  EnumChildWindows(box, VisitChild, reinterpret_cast<LPARAM>(&contents));
  if (contents.text.empty()) return false;
  std::string label = answer_(contents.text);
  for (const auto& [text, button] : contents.buttons) {
    if (text != label) continue;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      texts_.push_back(contents.text);
    }
    SendMessageA(button, BM_CLICK, 0, 0);
    // The same box must not be answered twice.
    while (!done_ && IsWindow(box)) Sleep(20);
    return true;
  }
  return false;
}

}  // namespace vorlan::testing
