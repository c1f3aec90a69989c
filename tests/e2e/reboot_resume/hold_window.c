// Holds the file named by its argument open without sharing, as a program
// with a window does: it ends when Windows ends the session, which is how
// a restart lets go of a file in use. Creates the file named by the second
// argument once it holds the first.
#include <windows.h>

int main(int argc, char** argv) {
  if (argc < 3) return 1;
  HANDLE file = CreateFileA(argv[1], GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
  if (file == INVALID_HANDLE_VALUE) return 2;
  HWND window = CreateWindowA("STATIC", "hold_window", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, NULL, NULL, NULL, NULL);
  ShowWindow(window, SW_SHOWNORMAL);
  HANDLE ready = CreateFileA(argv[2], GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
  CloseHandle(ready);
  MSG message;
  while (GetMessageA(&message, NULL, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}
