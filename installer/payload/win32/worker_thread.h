// Starting the extraction worker on its own thread (the C run-time's thread start, so the
// worker may use the C library freely).
#pragma once

// Starts the worker over the embedded payload table with install_state as the dialog set
// it. False when the thread can't be started.
bool start_extraction_worker();
