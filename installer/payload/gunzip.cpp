// In-place decompression of a gzip member that the worker has written to disk.
//
// The member is decompressed into a fresh file of the temporary directory through zlib's
// gzip file interface in 16384-byte chunks (zlib checks CRC-32 and length at the member's
// end), then copied back over the original (copy_file), so no member of any size needs a
// whole-file buffer. Every stream opened here is closed here, on every path.
// The temporary file is removed unless a failed copy back leaves it as the only good copy.
#include "payload/gunzip.h"

#include "files/file_ops.h"
#include "files/files.h"
#include "files/process_ops.h"

namespace {

const size_t kChunk = 16384;

std::string quoted_error(const char* format, const std::string& name) {
  std::string text = format;
  text.replace(text.find("%s"), 2, name);
  return text;
}

std::string decompress(const std::string& path, const std::string& temp) {
  gzFile in = file_ops.gz_open(path.c_str(), "rb");
  if (!in) return quoted_error("Could not open uncompression input file: \"%s\"", path);
  FILE* out = file_ops.open(temp.c_str(), "wb");
  if (!out) {
    gzclose(in);
    return quoted_error("Could not open uncompression output file: \"%s\"", temp);
  }
  unsigned char chunk[kChunk];
  std::string error;
  for (;;) {
    int got = gzread(in, chunk, kChunk);
    if (got < 0) {
      int code = 0;
      error = gzerror(in, &code);
      break;
    }
    if (got == 0) break;
    if (fwrite(chunk, 1, size_t(got), out) != size_t(got)) {
      error = "uncompress(): failed fwrite";
      break;
    }
  }
  // zlib copies a file without a gzip header as it is; a packed member must be one.
  if (error.empty() && gzdirect(in)) error = path + ": not in gzip format";
  bool out_closed = fclose(out) == 0;
  int gz_result = gzclose(in);
  if (error.empty() && !out_closed) error = "uncompress(): failed fwrite";
  if (error.empty() && gz_result != Z_OK) error = "uncompress(): failed close";
  return error;
}

}  // namespace

std::string gunzip_in_place(const std::string& path) {
  std::string temp = file_ops.temp_name("tmp");
  if (temp == path) {
    // The generator only returns names that don't exist and the path does; should it ever
    // happen, the file is not decompressed onto itself.
    process_ops.show_message("Internal Error: duplicate tmp file names.");
    return quoted_error("Trouble uncompressing file: \"%s\"\n    Disk full?  Permission problem?", path);
  }
  std::string error = decompress(path, temp);
  if (!error.empty()) {
    if (!temp.empty()) file_ops.remove(temp.c_str());
    return error;
  }
  if (!copy_file(temp, path))
    return quoted_error("Trouble uncompressing file: \"%s\"\n    Disk full?  Permission problem?", path);
  file_ops.remove(temp.c_str());
  return std::string();
}
