// The key functions over a graph file through the platform's private-profile functions.
#pragma once

#include <string>

#include "../profile.h"

// The file a ProfileFile reads and writes: its full path, since a bare name would be looked
// for in the system folder.
struct ProfileFile {
  std::string path;
};

// `path` made absolute against the current directory.
ProfileFile profile_file(const std::string &path);
// The key functions over the file; the record must outlive their use.
ProfileFunctions profile_functions(ProfileFile &file);

// What a save starts with: the file created empty (or emptied), so that no key of an earlier
// save survives. False when it cannot be written.
bool empty_profile_file(const ProfileFile &file);
// Writes what the platform keeps of the file in memory to the disk; false when the file was
// left empty.
bool flush_profile_file(const ProfileFile &file);
