// load_text from the program's own string-table resource.
#include <windows.h>

#include "../text.h"

std::string load_text(int id) {
  char buffer[256];
  int n = LoadStringA(GetModuleHandleA(nullptr), static_cast<UINT>(id), buffer, sizeof buffer);
  return std::string(buffer, n > 0 ? static_cast<size_t>(n) : 0);
}
