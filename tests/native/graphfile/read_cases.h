// How a graph file's text reads, key by key: the rules of the private-profile reader, which
// the native store follows and the Win32 tests check against the platform itself.
#pragma once

namespace {

struct ReadCase {
  const char *name;
  const char *text;
  const char *section, *key;
  bool found;
  const char *value;
};

const ReadCase kReads[] = {
    {"plain", "[a]\nk=v\n", "a", "k", true, "v"},
    {"section case", "[TraceS]\nk=v\n", "traces", "k", true, "v"},
    {"key case", "[a]\nNumberOFtraces=3\n", "a", "NumberOfTraces", true, "3"},
    {"blanks around", "[ a ]\n  k  =  v w  \n", "a", "k", true, "v w"},
    {"CR LF", "[a]\r\nk=v\r\n", "a", "k", true, "v"},
    {"double quotes", "[a]\nk=\"'v(a)'\"\n", "a", "k", true, "'v(a)'"},
    {"single quotes", "[a]\nk='v(a)'\n", "a", "k", true, "v(a)"},
    {"one pair only", "[a]\nk=\"\"x\"\"\n", "a", "k", true, "\"x\""},
    {"unmatched quote kept", "[a]\nk=\"x'\n", "a", "k", true, "\"x'"},
    {"semicolon in value", "[a]\nk=x ; y\n", "a", "k", true, "x ; y"},
    {"hash is no comment", "[a]\n#k=1\n", "a", "#k", true, "1"},
    {"comment line", "[a]\n;k=1\n", "a", "k", false, ""},
    {"first key wins", "[a]\nk=1\nK=2\n", "a", "k", true, "1"},
    {"first section wins", "[a]\nk=1\n[b]\n[A]\nk=2\nj=3\n", "a", "j", false, ""},
    {"first section value", "[a]\nk=1\n[A]\nk=2\n", "a", "k", true, "1"},
    {"repeated at once", "[a]\nk=1\n[a]\nj=2\n", "a", "j", false, ""},
    {"empty value", "[a]\nk=\n", "a", "k", true, ""},
    {"key before any section", "k=1\n[a]\n", "", "k", true, "1"},
    {"no equals sign", "[a]\nk\nj=2\n", "a", "j", true, "2"},
    {"other section", "[a]\nk=1\n[b]\nk=2\n", "b", "k", true, "2"},
    {"byte order mark", "\xEF\xBB\xBF[a]\nk=1\n", "a", "k", true, "1"},
    {"missing section", "[a]\nk=1\n", "z", "k", false, ""},
    {"no newline at end", "[a]\nk=1", "a", "k", true, "1"},
    {"colon in a key", "[a]\nC:\\x=1\n", "a", "C:\\x", true, "1"},
    {"colon in a value", "[a]\nk=C:\\x\n", "a", "k", true, "C:\\x"},
    {"colon is no separator", "[a]\nk:1\nj=2\n", "a", "k", false, ""},
    {"no continuation", "[a]\nk=1\n  more\nj=2\n", "a", "k", true, "1"},
};

}  // namespace
