// load_data_file: the one way the program loads a data file.
#pragma once

// Reads the file in the wide layout, then in the narrow one, then as an ngspice raw file
// when it begins like one; reports on the status bar (and in a message box when the file
// cannot be opened). On success the list holds every plot of the file and the last plot is
// current; on failure it is empty. Returns success.
bool load_data_file(const char *path);

// Whether the plot list holds a loaded file (DataLoaded).
bool data_loaded();
