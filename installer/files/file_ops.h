// The installer's file-system effects, as one table of function pointers.
//
// Every effect the extraction worker, the database merges and the finishing steps have on
// the machine's files goes through `file_ops`. The Windows build defines it with the real
// calls (win32/file_ops_win32.cpp); native tests define their own, backed by a scratch
// folder, and swap single entries to inject failures. Paths are Windows paths with
// backslash separators everywhere above this table.
#pragma once

#include <cstdio>
#include <string>

#include <zlib.h>

enum class EntryKind { none, file, directory };

struct FileOps {
  FILE* (*open)(const char* path, const char* mode);     // fopen
  gzFile (*gz_open)(const char* path, const char* mode);  // zlib's gzopen
  EntryKind (*find)(const char* path);                   // a directory search for the exact name
  bool (*create_directory)(const char* path);            // one level, parent must exist
  bool (*set_read_only)(const char* path, bool read_only);
  bool (*remove)(const char* path);
  // A name in the temporary directory that doesn't exist yet: the C library's generator with
  // no directory and this prefix. Empty when none can be had.
  std::string (*temp_name)(const char* prefix);
};

extern FileOps file_ops;
