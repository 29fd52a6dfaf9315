// The backup every database merge makes before it touches the user's file.
#pragma once

#include <string>

// Copies path to path + ".bak", overwriting an older backup. Does nothing when the path is
// empty or no file. A copy that fails twice (5000 ms apart) ends the installer: no database
// is ever merged without a backup.
void backup_database(const std::string& path);
