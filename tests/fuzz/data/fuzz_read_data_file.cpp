// Any bytes, read in both layouts as a load does; every plot read is then walked through the
// queries the rest of the program uses, so a record the reader accepted must be sound.
#include <cstddef>
#include <cstdint>

#include "data/plot_list.h"
#include "data/plot_model.h"
#include "data/reader.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  for (DataLayout layout : {kLayoutWide, kLayoutNarrow}) {
    clear_plot_list();
    if (read_data_bytes(data, size, "fuzz.out", layout) == kReadOk) {
      for (int i = 0; i < plot_count(); i++) {
        select_plot(i, false);
        walk_current_plot();
      }
    }
  }
  clear_plot_list();
  return 0;
}
