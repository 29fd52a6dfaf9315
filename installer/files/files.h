// The path and file steps of the installer, built on the file-operation table.
//
// Everything here reaches the machine only through `file_ops` (file_ops.h). A file that
// resists being written or deleted is, on the installer's targets, almost always one left
// read-only by an earlier installation: the routines below clear that attribute and try
// once more, and nothing else does it on its own.
#pragma once

#include <cstdio>
#include <string>

#include "files/file_ops.h"

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

// Opens for binary writing; on failure clears the read-only attribute and tries once more.
// nullptr when both fail.
FILE* open_for_writing(const std::string& path);

// open_for_writing, then, should that fail, creates the directory chain and tries a third
// time. nullptr when all three fail.
FILE* open_output_file(const std::string& path);

// Deletes the file; on failure clears its read-only attribute and tries once more. True when
// a deletion succeeded.
bool remove_even_if_read_only(const std::string& path);

// Writes all bytes and closes the stream; false when either fails (the stream is closed
// in any case).
bool write_and_close(FILE* out, const void* data, size_t length);

// Byte-for-byte copy in 1024-byte blocks, the target opened with open_for_writing. False
// when either file can't be opened or a read, write or close fails.
bool copy_file(const std::string& from, const std::string& to);
