/* Stand-in for the suite's programs (tesl3.exe, moveexe.exe, unlink.exe): a tiny Win32
 * program that records how it was started and ends. Each start appends its command line and
 * working directory to "<program>.started" beside the program, e.g. tesl3.started, so that
 * a test can tell that the installer started it, from where and with which arguments.
 *
 * Started with "-uninstall" it also undoes what the installer registered: it removes the
 * shortcuts listed as "Link:<path>" lines in "uninstall.info" beside the program and the
 * "Corvex IV" uninstall entry, then says in one message box what it removed and what it
 * could not. The installed files stay. */
#include <windows.h>

#include <stdio.h>
#include <string.h>

#define REPORT_SIZE 4096

static const char uninstall_key[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

static void say(char *report, const char *format, const char *what) {
  size_t used = strlen(report);
  if (used < REPORT_SIZE) _snprintf(report + used, REPORT_SIZE - used - 1, format, what);
}

static int remove_link(const char *path) {
  if (DeleteFileA(path)) return 1;
  SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
  return DeleteFileA(path) != 0;
}

/* program: the full path of this program; its folder holds uninstall.info. */
static void uninstall(const char *program) {
  char info[MAX_PATH + 16], line[MAX_PATH + 16], report[REPORT_SIZE] = "";
  FILE *in;
  HKEY key;
  strcpy(info, program);
  char *slash = strrchr(info, '\\');
  strcpy(slash ? slash + 1 : info, "uninstall.info");
  in = fopen(info, "r");
  if (!in) {
    say(report, "No %s: no shortcuts removed.\n", info);
  } else {
    while (fgets(line, sizeof line, in)) {
      line[strcspn(line, "\r\n")] = '\0';
      if (strncmp(line, "Link:", 5) != 0 || line[5] == '\0') continue;
      say(report, remove_link(line + 5) ? "Removed shortcut %s\n" : "Could not remove shortcut %s\n", line + 5);
    }
    fclose(in);
  }
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, uninstall_key, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
    say(report, RegDeleteKeyA(key, "Corvex IV") == ERROR_SUCCESS ? "Removed the uninstall entry \"%s\"\n"
                                                                   : "No uninstall entry \"%s\" to remove\n",
        "Corvex IV");
    RegCloseKey(key);
  }
  if (report[0] && report[strlen(report) - 1] == '\n') report[strlen(report) - 1] = '\0';
  MessageBoxA(NULL, report, "Corvex IV Uninstall", MB_OK);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR arguments, int show) {
  char program[MAX_PATH], record[MAX_PATH + 16], directory[MAX_PATH];
  DWORD length = GetModuleFileNameA(NULL, program, MAX_PATH);
  (void)instance;
  (void)previous;
  (void)show;
  if (length == 0 || length >= MAX_PATH) return 1;
  strcpy(record, program);
  char *dot = strrchr(record, '.');
  if (dot && !strchr(dot, '\\')) *dot = '\0';
  strcat(record, ".started");
  if (!GetCurrentDirectoryA(MAX_PATH, directory)) directory[0] = '\0';
  FILE *out = fopen(record, "ab");
  if (!out) return 1;
  fprintf(out, "command line: %s\r\nworking directory: %s\r\n", GetCommandLineA(), directory);
  if (fclose(out) != 0) return 1;
  if (strcmp(arguments, "-uninstall") == 0) uninstall(program);
  return 0;
}
