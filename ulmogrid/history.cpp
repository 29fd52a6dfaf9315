// The history keeps what each action changed, not copies of the grid, so a cut of a whole
// table costs its texts once. A new action after an undo drops the redo list, as every
// editor does.
#include "history.h"

void record_edit(GridHistory &history, GridEdit edit) {
  history.redo.clear();
  if (history.undo.size() >= kHistoryLimit) history.undo.erase(history.undo.begin());
  history.undo.push_back(std::move(edit));
}
