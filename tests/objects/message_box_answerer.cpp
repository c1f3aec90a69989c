#include "message_box_answerer.h"

#include <windows.h>

#include <chrono>

namespace vorlan::file_test {

namespace {
struct TSearch {
  const std::string* button = nullptr;
  HWND found = nullptr;
  std::string text;
};

std::string WindowText(HWND window) {
  char buffer[1024] = {};
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

BOOL CALLBACK VisitChild(HWND child, LPARAM data) {
  auto& search = *reinterpret_cast<TSearch*>(data);
  char class_name[64] = {};
  GetClassNameA(child, class_name, sizeof class_name);
  std::string text = WindowText(child);
  if (lstrcmpiA(class_name, "Button") == 0 && text == *search.button) search.found = child;
  if (lstrcmpiA(class_name, "Static") == 0 && !text.empty()) search.text = text;
  return TRUE;
}
}  // namespace

TMessageBoxAnswerer::TMessageBoxAnswerer(std::string caption, std::string button)
    : caption_(std::move(caption)), button_(std::move(button)), thread_([this] { Run(); }) {}

TMessageBoxAnswerer::~TMessageBoxAnswerer() {
  done_ = true;
  thread_.join();
}

void TMessageBoxAnswerer::Run() {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (!done_ && std::chrono::steady_clock::now() < deadline) {
    HWND box = FindWindowA("#32770", caption_.c_str());
    if (box) {
      TSearch search;
      search.button = &button_;
      EnumChildWindows(box, VisitChild, reinterpret_cast<LPARAM>(&search));
      if (search.found) {
        text_ = search.text;
        SendMessageA(search.found, BM_CLICK, 0, 0);
        return;
      }
    }
    Sleep(50);
  }
}

std::string TMessageBoxAnswerer::Text() {
  thread_.join();
  thread_ = std::thread([] {});
  return text_;
}

}  // namespace vorlan::file_test
