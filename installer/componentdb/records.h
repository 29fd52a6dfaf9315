// The three record classes of the component databases and their archive forms.
//
// Fields are in archive order. Values other than those named are carried and compared as
// numbers only. The reserved words of a capacitor are not kept: they are dropped on
// reading and written as 0.
#pragma once

#include <string>

#include "componentdb/archive.h"

struct CCapacitorRec {
  static constexpr const char* class_name = "CCapacitorRec";
  std::string manufacturer;
  std::string part_number;
  std::string kind;     // dielectric or technology
  float value[5] = {};  // 1 capacitance (F), 2 rated voltage (V), 3, 4, 5; reserved word A
                        // lies between values 4 and 5, reserved word B after value 5
};

// Used by the inductor and the ferrite-bead databases alike.
struct CInductorRec {
  static constexpr const char* class_name = "CInductorRec";
  std::string manufacturer;  // "Wurth Elektronik" for every spelling of that maker
  std::string part_number;
  float value[5] = {};  // 1 inductance (H), 2..5
};

struct CResistorRec {
  static constexpr const char* class_name = "CResistorRec";
  std::string manufacturer;  // empty for generic resistors
  std::string part_number;   // empty for generic resistors
  float value[3] = {};       // 1 resistance (ohm), 2, 3
};

// Fields only; the class tag is the archive's business.
void read_fields(ArchiveReader& in, CCapacitorRec& rec);
void read_fields(ArchiveReader& in, CInductorRec& rec);
void read_fields(ArchiveReader& in, CResistorRec& rec);
void write_fields(ArchiveWriter& out, const CCapacitorRec& rec);
void write_fields(ArchiveWriter& out, const CInductorRec& rec);
void write_fields(ArchiveWriter& out, const CResistorRec& rec);

// Whether a user record stands for the same part as a shipped one.
bool records_match(const CCapacitorRec& user, const CCapacitorRec& shipped);
bool records_match(const CInductorRec& user, const CInductorRec& shipped);
bool records_match(const CResistorRec& user, const CResistorRec& shipped);

// Sort-key order: <0, 0 or >0.
int compare_keys(const CCapacitorRec& a, const CCapacitorRec& b);
int compare_keys(const CInductorRec& a, const CInductorRec& b);
int compare_keys(const CResistorRec& a, const CResistorRec& b);
