// Resource-script text of the menu bar and its keys. Texts are written as windres reads
// them: a tab as \t, a quote doubled, a backslash escaped, and every byte outside printable
// ASCII as an octal escape, so that the script reads the same in any code page. Keys that
// are letters or digits are written as their characters, the others by their VK_ names.
#include "menu_resource.h"

#include <cstdio>

namespace {

const int kVkDelete = 0x2E, kVkF1 = 0x70, kVkF24 = 0x87;

std::string quoted(const char *text) {
  std::string out = "\"";
  for (const unsigned char *p = reinterpret_cast<const unsigned char *>(text); *p; ++p) {
    if (*p == '\t') {
      out += "\\t";
    } else if (*p == '"') {
      out += "\"\"";
    } else if (*p == '\\') {
      out += "\\\\";
    } else if (*p < 0x20 || *p > 0x7E) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\%03o", *p);
      out += escape;
    } else {
      out += static_cast<char>(*p);
    }
  }
  return out + "\"";
}

std::string key_name(int key) {
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string("\"") + char(key) + "\"";
  if (key >= kVkF1 && key <= kVkF24) return "VK_F" + std::to_string(key - kVkF1 + 1);
  if (key == kVkDelete) return "VK_DELETE";
  return std::to_string(key);
}

void write_menu(const std::vector<MenuEntry> &menu, std::string &out) {
  out += "IDR_MENU_BAR MENU\nBEGIN\n";
  bool in_popup = false;
  for (const MenuEntry &e : menu) {
    if (e.id == 0 && e.text) {
      out += "    POPUP " + quoted(e.text) + "\n    BEGIN\n";
      in_popup = true;
    } else if (e.id == -1) {
      out += "    END\n";
      in_popup = false;
    } else if (in_popup) {
      out += e.id == 0 ? std::string("        MENUITEM SEPARATOR\n")
                       : "        MENUITEM " + quoted(e.text) + ", " + std::to_string(e.id) + "\n";
    }
  }
  out += "END\n";
}

void write_accelerators(const std::vector<AcceleratorEntry> &keys, std::string &out) {
  out += "IDR_ACCELERATORS ACCELERATORS\nBEGIN\n";
  for (const AcceleratorEntry &a : keys) {
    out += "    " + key_name(a.key.key) + ", " + std::to_string(a.id) + ", VIRTKEY";
    if (a.key.modifiers & kKeyCtrl) out += ", CONTROL";
    if (a.key.modifiers & kKeyShift) out += ", SHIFT";
    if (a.key.modifiers & kKeyAlt) out += ", ALT";
    out += "\n";
  }
  out += "END\n";
}

}  // namespace

std::string menu_resource_script(const std::vector<MenuEntry> &menu,
                                 const std::vector<AcceleratorEntry> &keys) {
  std::string out =
      "// The menu bar and its keys, written by ulmo_menugen from the command table in\n"
      "// shell/commands.cpp at build time. Do not edit: change the table.\n";
  write_menu(menu, out);
  out += "\n";
  write_accelerators(keys, out);
  return out;
}
