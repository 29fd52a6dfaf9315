#include <gtest/gtest.h>

#include "base/text.h"

namespace {

struct TextCase {
  int id;
  const char *text;
};

// The texts other modules and tests rely on, exactly as the user sees them.
const TextCase kTexts[] = {
    {1, "Can't open the file '%s'"},
    {13, "Fatal Memory Error. Error Code: ULMO0X%d. Terminating Ulmo-Postprocessor"},
    {14, "Out of Memory. ErrorCode: ULMO0X%d. Terminating Ulmo-Postprocessor"},
    {18, "Ulmo-Postprocessor"},
    {25, "Cannot print: %s!"},
    {31, "Data File: "},
    {32, "Data File: None"},
    {33, "Reading Data File, Please Wait..."},
    {34, "Not enough memory to load file."},
    {35, "Not an Ulmo-Dizid Data File."},
    {36, "Reading Experimental Data, Please Wait..."},
    {37, "Error reading experimental data."},
    {38, "Evaluating Trace Data, Please Wait..."},
    {39, "Incorrect ASCII file format (probably Mac or Unix format)"},
    {204, "\260C"},
    {214, " "},
    {300, "Divide by zero"},
    {301, "Negativ or zero argument not allowed for logarithmic functions"},
    {302, "Neagativ argument not allowed for square root function"},
    {303, "Internal error, cant't continue"},
    {700, "Maximum must be greater than Minimum"},
    {703, "Relative length of axis must be larger than 1e-12"},
    {901, "Number of digits can't be greater than 20"},
    {1201, "Symbol size can't be less than one"},
    {1400, "Warning: One or more non-numbers detected in data file. Values set to zero"},
    {1401, "Warning: One or more infinite numbers detected in data file. Values set to zero"},
    {1501, "Maximum zoom reached for y-axis"},
    {1603, "One or more variables does not exist in the reloaded file. Trace %s will not be updated."},
    {1902, "Not an Ulmo-Postprocessor graph file!"},
    {1903, "Could not find data file %s that is referenced in the graph file. Do you want to browse for a data file?"},
};

TEST(StringTable, CatalogueTextsAreExact) {
  for (const TextCase &c : kTexts) EXPECT_EQ(load_text(c.id), c.text) << "string " << c.id;
}

TEST(StringTable, LongTextsAreWhole) {
  EXPECT_EQ(load_text(1601),
            "Plot number %d referenced by trace labeled %s does not exist in the reloaded data "
            "file. Please select which plot to use in the following dialog box.");
}

TEST(StringTable, MissingIdIsEmpty) {
  EXPECT_EQ(load_text(0), "");
  EXPECT_EQ(load_text(99999), "");
  EXPECT_EQ(load_text(-1), "");
}

TEST(AnsiToUtf8, ConvertsTheUpperHalf) {
  EXPECT_EQ(ansi_to_utf8("plain"), "plain");
  EXPECT_EQ(ansi_to_utf8("\260C"), "\xC2\xB0" "C");
  EXPECT_EQ(ansi_to_utf8("\x80"), "\xE2\x82\xAC");
  EXPECT_EQ(ansi_to_utf8("\x81"), "\xEF\xBF\xBD");
  EXPECT_EQ(ansi_to_utf8("\xFF"), "\xC3\xBF");
  EXPECT_EQ(ansi_to_utf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

}  // namespace
