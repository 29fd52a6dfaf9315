// Backup of a user database before a merge, with one retry after a pause (a file that a
// synchronisation tool or the simulator holds open is often free again a moment later).
#include "componentdb/backup.h"

#include "payload/files.h"

bool copy_file(const std::string& from, const std::string& to) {
  FILE* in = file_ops.open(from.c_str(), "rb");
  if (!in) return false;
  FILE* out = file_ops.open(to.c_str(), "wb");
  if (!out) {
    file_ops.set_read_only(to.c_str(), false);
    out = file_ops.open(to.c_str(), "wb");
  }
  if (!out) {
    fclose(in);
    return false;
  }
  unsigned char block[1024];
  bool ok = true;
  size_t got;
  while (ok && (got = fread(block, 1, sizeof block, in)) > 0) ok = fwrite(block, 1, got, out) == got;
  if (ferror(in)) ok = false;
  fclose(in);
  if (fclose(out) != 0) ok = false;
  return ok;
}

void backup_database(const std::string& path) {
  if (path.empty() || !exists_as_file(path)) return;
  std::string backup = path + ".bak";
  if (copy_file(path, backup)) return;
  file_ops.sleep_ms(5000);
  if (copy_file(path, backup)) return;
  fatal_error("Trouble backing up " + path + "\nas " + backup + "\n\nRelease sync aborted.");
}
