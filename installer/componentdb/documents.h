// The three database documents, their files and their update-mode merge.
//
// A document owns an ordered list of records of its class (by value: destroying the
// document destroys them). Loading replaces the list; saving writes it as one archive.
#pragma once

#include <string>
#include <vector>

#include "componentdb/records.h"

struct CCapacitorDoc {
  using Record = CCapacitorRec;
  std::vector<CCapacitorRec> records;
};

struct CInductorDoc {  // inductors and ferrite beads
  using Record = CInductorRec;
  std::vector<CInductorRec> records;
};

struct CResistorDoc {
  using Record = CResistorRec;
  std::vector<CResistorRec> records;
};

// Archive bytes of a record list, and back. Decoding accepts only the document's class.
template <class Doc> std::string encode_document(const Doc& doc);
template <class Doc> ArchiveError decode_document(const std::string& bytes, Doc& doc);

// A load fails when the file is missing, is no well-formed archive of the class, or holds
// no records; the document is left empty then.
template <class Doc> bool load_document(Doc& doc, const std::string& path);
template <class Doc> bool save_document(const Doc& doc, const std::string& path);

// Merges the shipped records into the user's database and writes the result to the output
// path. 1 on success, 0 on failure (the user's file is backed up first in either case).
template <class Doc> int merge_record_database(const char* output_path, const char* shipped_path, const char* user_path);

// The merge on loaded documents: replaces matching user records by the
// shipped ones, sorts by the sort key and removes duplicates. The shipped records move.
template <class Doc> void merge_documents(Doc& user, Doc& shipped);
