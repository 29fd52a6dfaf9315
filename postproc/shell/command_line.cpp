#include "command_line.h"

std::string command_line_data_path(const char *command_line) {
  std::string text = command_line ? command_line : "";
  if (text.empty()) return text;
  if (text[0] == '"') text = text.size() >= 2 ? text.substr(1, text.size() - 2) : std::string();
  if (!text.empty() && text[0] == '/') return std::string();
  return text;
}
