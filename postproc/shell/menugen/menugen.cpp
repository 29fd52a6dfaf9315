// ulmo_menugen OUT.rc: the menu bar and accelerators of the resource script, from the command
// table. A host tool of the native build; the Windows build runs it from ULMO_HOST_TOOLS_DIR.
#include <cstdio>
#include <fstream>
#include <string>

#include "../commands.h"
#include "../menu_resource.h"

int main(int argc, char **argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: ulmo_menugen OUT.rc\n");
    return 2;
  }
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out << menu_resource_script(menu_bar(), accelerator_table());
  out.close();
  if (!out) {
    std::fprintf(stderr, "ulmo_menugen: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
