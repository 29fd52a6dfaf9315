/* Stand-in for the suite's programs (tesl3.exe, moveexe.exe, unlink.exe): a tiny Win32
 * program that records how it was started and ends. Each start appends its command line and
 * working directory to "<program>.started" beside the program, e.g. tesl3.started, so that
 * a test can tell that the installer started it, from where and with which arguments. */
#include <windows.h>

#include <stdio.h>
#include <string.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR arguments, int show) {
  char program[MAX_PATH], record[MAX_PATH + 16], directory[MAX_PATH];
  DWORD length = GetModuleFileNameA(NULL, program, MAX_PATH);
  (void)instance;
  (void)previous;
  (void)arguments;
  (void)show;
  if (length == 0 || length >= MAX_PATH) return 1;
  strcpy(record, program);
  char* dot = strrchr(record, '.');
  if (dot && !strchr(dot, '\\')) *dot = '\0';
  strcat(record, ".started");
  if (!GetCurrentDirectoryA(MAX_PATH, directory)) directory[0] = '\0';
  FILE* out = fopen(record, "ab");
  if (!out) return 1;
  fprintf(out, "command line: %s\r\nworking directory: %s\r\n", GetCommandLineA(), directory);
  return fclose(out) == 0 ? 0 : 1;
}
