// Backup of a user database before a merge, with one retry after a pause (a file that a
// synchronisation tool or the simulator holds open is often free again a moment later).
#include "componentdb/backup.h"

#include "files/files.h"
#include "files/process_ops.h"

void backup_database(const std::string& path) {
  if (path.empty() || !exists_as_file(path)) return;
  std::string backup = path + ".bak";
  if (copy_file(path, backup)) return;
  process_ops.sleep_ms(5000);
  if (copy_file(path, backup)) return;
  fatal_error("Trouble backing up " + path + "\nas " + backup + "\n\nRelease sync aborted.");
}
