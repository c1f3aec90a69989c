// Holds the file named by its argument open without sharing until it is
// ended, so that the file is in use by another process.
#include <windows.h>

int main(int argc, char** argv) {
  if (argc < 2) return 1;
  HANDLE file = CreateFileA(argv[1], GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
  if (file == INVALID_HANDLE_VALUE) return 2;
  Sleep(INFINITE);
  return 0;
}
