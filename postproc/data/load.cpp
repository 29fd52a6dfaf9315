// load_data_file.
//
// The file carries no mark of its layout, so the wide reading is tried first and the narrow
// one second; the second attempt's result stands, but for one case: a wide file too large
// for memory reads as no narrow file either, and "Not an Ulmo-Dizid Data File." would tell
// the user their good file is garbage. The reader allocates only what the file's bytes can
// back, so a wide reading that ran out of memory had a real file in hand. A load either
// keeps every plot of the file or none.
//
// A file that neither layout reads and that begins with "Title:" is an ngspice raw file,
// and what its reader finds is the result of the load.
#include "load.h"

#include "../base/messages.h"
#include "../base/status.h"
#include "../resources/resource_ids.h"
#include "plot_list.h"
#include "rawfile.h"
#include "reader.h"

namespace {

bool loaded = false;

void report_failure(ReadResult r, const char *path) {
  switch (r) {
    case kReadNoMemory:
      set_status(kStatusNoMemory);
      break;
    case kReadNotDataFile:
      set_status(kStatusNotDataFile);
      break;
    default:
      set_status(kStatusNoDataFile);
      show_message(ui_hooks().frame_window(), kMbIconExclamation | kMbOk, IDS_CANT_OPEN_FILE, path);
      break;
  }
}

}  // namespace

bool load_data_file(const char *path) {
  set_status(kStatusReading);
  clear_plot_list();
  ReadResult wide = read_data_file(path, kLayoutWide);
  ReadResult r = wide;
  if (wide != kReadOk) {
    clear_plot_list();
    r = read_data_file(path, kLayoutNarrow);
    if (wide == kReadNoMemory && r == kReadNotDataFile) r = kReadNoMemory;
  }
  if (r != kReadOk && r != kReadCannotOpen && looks_like_raw_file(path)) {
    clear_plot_list();
    r = read_raw_file(path);
  }
  if (r == kReadOk) {
    set_status(kStatusDataFile, path);
    loaded = true;
    return true;
  }
  clear_plot_list();
  loaded = false;
  report_failure(r, path);
  return false;
}

bool data_loaded() { return loaded; }
