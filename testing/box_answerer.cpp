#include "box_answerer.h"

namespace vorlan::testing {

namespace {
struct TBoxContents {
  std::string text;
  std::vector<std::pair<std::string, HWND>> buttons;
};

struct TBoxSearch {
  const std::string& caption;
  DWORD process_id;
  HWND found = nullptr;
};

std::string WindowText(HWND window) {
  char buffer[1024] = {};
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

std::string ClassName(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

BOOL CALLBACK VisitChild(HWND child, LPARAM data) {
  auto& contents = *reinterpret_cast<TBoxContents*>(data);
  std::string class_name = ClassName(child);
  std::string text = WindowText(child);
  if (lstrcmpiA(class_name.c_str(), "Button") == 0) contents.buttons.emplace_back(text, child);
  if (lstrcmpiA(class_name.c_str(), "Static") == 0 && !text.empty()) contents.text = text;
  return TRUE;
}

// The window's process is asked first: another process's box is not even
// read.
BOOL CALLBACK VisitTopLevel(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<TBoxSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search.process_id || !IsWindowVisible(window)) return TRUE;
  if (ClassName(window) != "#32770" || WindowText(window) != search.caption) return TRUE;
  search.found = window;
  return FALSE;
}
}  // namespace

HWND FindProcessBox(const std::string& caption, DWORD process_id) {
  if (process_id == TBoxAnswerer::kNoProcess) return nullptr;
  TBoxSearch search{caption, process_id};
  EnumWindows(VisitTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

TBoxAnswerer::TBoxAnswerer(std::string caption, TAnswer answer, DWORD process_id)
    : caption_(std::move(caption)), answer_(std::move(answer)), process_id_(process_id), thread_([this] { Run(); }) {}

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
  HWND box = FindProcessBox(caption_, process_id_);
  if (!box) return false;
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
