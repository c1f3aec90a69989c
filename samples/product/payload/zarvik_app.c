/* The sample product's program: says which library it found. */
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR command_line, int show) {
  (void)instance;
  (void)previous;
  (void)command_line;
  (void)show;
  HMODULE tools = LoadLibraryA("zarvik_tools.dll");
  MessageBoxA(NULL, tools ? "Zarvik Product is installed." : "zarvik_tools.dll is missing.", "Zarvik Product",
              MB_OK | MB_ICONINFORMATION);
  if (tools) FreeLibrary(tools);
  return tools ? 0 : 1;
}
