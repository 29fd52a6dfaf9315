// The menu bar and accelerator blocks of the resource script, written from the command
// table at build time (ulmo_menugen), so that the table is the one source of both.
#pragma once

#include <string>
#include <vector>

#include "commands.h"

// The text of MENU IDR_MENU_BAR and ACCELERATORS IDR_ACCELERATORS for windres.
std::string menu_resource_script(const std::vector<MenuEntry> &menu,
                                 const std::vector<AcceleratorEntry> &keys);
