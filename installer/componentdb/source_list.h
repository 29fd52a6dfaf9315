// Readable source lists of the shipped databases, turned into documents at build time.
//
// One record per line, fields separated by "|" in archive order (texts as they are, blanks
// around a field trimmed; numbers in C notation, e.g. 4.7e-6). "#" starts a comment line.
//   capacitor: manufacturer | part number | kind | value 1 | ... | value 5
//   inductor:  manufacturer | part number | value 1 | ... | value 5
//   resistor:  manufacturer | part number | value 1 | value 2 | value 3
#pragma once

#include <string>

#include "componentdb/documents.h"

// False with "line N: ..." in error for a line of the wrong shape.
bool parse_source_list(const std::string& text, CCapacitorDoc& doc, std::string& error);
bool parse_source_list(const std::string& text, CInductorDoc& doc, std::string& error);
bool parse_source_list(const std::string& text, CResistorDoc& doc, std::string& error);
