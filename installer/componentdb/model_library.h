// The text model libraries (".bjt", ".mos", ".jft", ".dio") and their update-mode merge.
//
// A library in memory is the list of its ".model" statements in file order, each as one
// normalised logical line; comments, blank lines and other statements are not kept.
#pragma once

#include <string>
#include <vector>

struct ModelEntry {
  std::string name;  // the word after ".model"
  std::string text;  // the whole normalised logical line, written back verbatim
};

// Splits file content into logical lines with the reader's rules: physical lines,
// cleaning, "+" continuations (cutting at ";"), blank normalisation.
std::vector<std::string> read_logical_lines(const std::string& content);

// The ".model" statements among logical lines.
std::vector<ModelEntry> parse_model_library(const std::string& content);

// Reads a library file; false only when it can't be read.
bool read_model_library(const std::string& path, std::vector<ModelEntry>& entries);

// Puts every shipped entry in place of the first user entry of its name (ignoring case), or
// appends it. The shipped entries move.
void merge_model_entries(std::vector<ModelEntry>& user, std::vector<ModelEntry>& shipped);

// The output file's bytes: the header, then one statement per line, CR LF line ends.
std::string format_model_library(const std::vector<ModelEntry>& entries);

// 1 on success, 0 on failure; the user's file is backed up first.
int merge_model_library(const char* output_path, const char* shipped_path, const char* user_path);
