// answer_boxes PROGRAM CAPTION LABEL...: the user at the screen for a
// scripted test. Waits for a process of the program (by its file name) to
// start, presses on each of its message boxes with that caption the button
// of the next label, one box after another, and ends when the process has
// ended, and the processes it left running to finish its work (the
// uninstaller's copy that removes it). Prints the text of each box it answered, a line each; exit code 0
// when every label was used, 1 when not, 2 when the program never started.

#include <windows.h>
#include <tlhelp32.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <vector>

#include "box_answerer.h"
#include "system/unique_handle.h"

namespace {

constexpr DWORD kStartDeadlineMs = 60000;
constexpr DWORD kEndDeadlineMs = 120000;
constexpr DWORD kPollMs = 50;

std::vector<PROCESSENTRY32> Processes() {
  std::vector<PROCESSENTRY32> processes;
  vorlan::TUniqueKernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return processes;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot.Get(), &entry); more; more = Process32Next(snapshot.Get(), &entry)) {
    processes.push_back(entry);
  }
  return processes;
}

DWORD FindProcess(const std::string& program) {
  for (const PROCESSENTRY32& entry : Processes()) {
    if (lstrcmpiA(entry.szExeFile, program.c_str()) == 0) return entry.th32ProcessID;
  }
  return 0;
}

void WaitForChildren(DWORD parent) {
  for (const PROCESSENTRY32& entry : Processes()) {
    if (entry.th32ParentProcessID != parent) continue;
    vorlan::TUniqueKernelHandle child(OpenProcess(SYNCHRONIZE, FALSE, entry.th32ProcessID));
    if (child) WaitForSingleObject(child.Get(), kEndDeadlineMs);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: answer_boxes PROGRAM CAPTION LABEL...\n");
    return 2;
  }
  std::vector<std::string> labels(argv + 3, argv + argc);
  DWORD process_id = 0;
  for (DWORD waited = 0; !process_id && waited < kStartDeadlineMs; waited += kPollMs) {
    process_id = FindProcess(argv[1]);
    if (!process_id) Sleep(kPollMs);
  }
  if (!process_id) return 2;
  vorlan::TUniqueKernelHandle process(OpenProcess(SYNCHRONIZE, FALSE, process_id));
  std::vector<std::string> texts;
  {
    // A box is asked about until it is answered: the label is the one
    // after those of the boxes answered before.
    std::atomic<vorlan::testing::TBoxAnswerer*> answering{nullptr};
    vorlan::testing::TBoxAnswerer user(
        argv[2],
        [&](const std::string&) {
          vorlan::testing::TBoxAnswerer* answerer = answering;
          size_t answered = answerer ? answerer->Texts().size() : 0;
          return answered < labels.size() ? labels[answered] : std::string();
        },
        process_id);
    answering = &user;
    if (process) WaitForSingleObject(process.Get(), kEndDeadlineMs);
    texts = user.Texts();
  }
  WaitForChildren(process_id);
  for (const std::string& text : texts) std::printf("%s\n", text.c_str());
  return texts.size() == labels.size() ? 0 : 1;
}
