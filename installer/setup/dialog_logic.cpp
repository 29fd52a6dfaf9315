// The install dialog's pure decisions, kept apart from its window so they can be pinned by
// native tests. The licence text is the program's own and fixed; the dialog undoes any
// edit of it.
#include "setup/dialog_logic.h"

const char kDefaultInstallDirectory[] = "C:\\Program Files\\HVX\\CorvexIV";

ControlEnabling control_enabling(int accepted, int busy) {
  ControlEnabling e;
  e.directory_controls = accepted == 1 && busy == 0;
  e.accept_decline = busy == 0;
  e.cancel = true;
  return e;
}

std::string title_text(const std::string& product_version) { return "Installs Corvex IV " + product_version; }

std::string initial_install_directory(const std::string& program_files_dir, bool exists_as_directory) {
  if (program_files_dir.empty() || !exists_as_directory) return kDefaultInstallDirectory;
  return program_files_dir + "\\HVX\\CorvexIV";
}

std::string browser_status_text(const std::string& path) {
  const size_t kShown = 35;
  return path.size() > kShown ? path.substr(0, kShown) + "..." : path;
}

const char kLicenceText[] =
    "Corvex IV License Agreement\r\n"
    "\r\n"
    "Please read this agreement before you install Corvex IV. By pressing \"Accept\" you "
    "agree to its terms; if you do not agree, press \"Decline\" and nothing will be installed.\r\n"
    "\r\n"
    "1. Grant. Halvex Corporation grants you the right to install and use Corvex IV, its "
    "component libraries, symbols and examples on any number of computers, free of charge.\r\n"
    "\r\n"
    "2. Your work. Schematics, netlists, models and results that you make with Corvex IV are "
    "yours. Component databases and model libraries that you extend remain yours as well; "
    "an update installation merges them with the shipped ones and keeps a backup copy.\r\n"
    "\r\n"
    "3. Redistribution. You may copy this installer unchanged. You may not sell Corvex IV, "
    "nor distribute modified copies of the program or its libraries under its name.\r\n"
    "\r\n"
    "4. No warranty. Corvex IV is provided as is, without any warranty, express or implied, "
    "including fitness for a particular purpose. Simulation results are models of circuits, "
    "not measurements; check designs before you build them.\r\n"
    "\r\n"
    "5. Limitation. Halvex Corporation is not liable for any damages arising from the use "
    "of, or the inability to use, Corvex IV.\r\n"
    "\r\n"
    "6. Termination. This agreement ends when you remove Corvex IV from your computers.\r\n";
