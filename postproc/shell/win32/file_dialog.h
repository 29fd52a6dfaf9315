// The common open and save dialogs, owned by the frame.
#pragma once

#include <string>

const size_t kFileDialogPathLimit = 256;
const size_t kFileDialogTitleLimit = 64;

// `filter` uses its own last character as the separator of its parts ("|"). `path` starts
// as the text of string `initial_name_id` and holds the choice when the user confirmed.
// `extra_flags` are added to the platform dialog's own (asking before a file is replaced).
bool file_dialog(std::string &path, bool open, int initial_name_id, const std::string &filter,
                 const char *title = nullptr, unsigned long extra_flags = 0);
