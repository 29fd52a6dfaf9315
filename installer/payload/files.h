// File operations of the installer: the platform table and the path steps built on it.
//
// Every effect the extraction worker and the database merges have on the machine goes
// through `file_ops`, one table of function pointers. The Windows build defines it with the
// real calls (win32/file_ops_win32.cpp); native tests define their own, backed by a scratch
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
  void (*show_message)(const char* text);  // a plain message box with an OK button
  void (*end_process)(int exit_code);      // never returns
  void (*sleep_ms)(unsigned milliseconds);
};

extern FileOps file_ops;

// Shows the text, then ends the installer with exit code 0. Files already written stay.
[[noreturn]] void fatal_error(const std::string& text);

bool exists_as_file(const std::string& path);
bool exists_as_directory(const std::string& path);

// directory + "\" (unless it already ends in one) + relative path without its leading ".\"
// (or without a leading lone "\"). An empty directory yields the relative path unchanged.
std::string join_install_path(const std::string& directory, const std::string& relative_path);

// Everything up to and including the last backslash once trailing backslashes are stripped;
// empty when there is no backslash.
std::string directory_part(const std::string& path);

// Creates the directory and its missing parents. The counter is shared by the whole
// recursion and bounds it (260 calls) whatever the file system answers.
void make_directory_path(const std::string& directory, int& counter);

// Opens for binary writing; on failure clears the read-only attribute and tries again, then
// creates the directory chain and tries a third time. nullptr when all three fail.
FILE* open_output_file(const std::string& path);

// Writes all bytes and closes the stream; false when either fails (the stream is closed
// in any case).
bool write_and_close(FILE* out, const void* data, size_t length);

// Replaces the gzip file at path by its decompressed content. Returns "" on success, else
// the error text.
std::string gunzip_in_place(const std::string& path);
