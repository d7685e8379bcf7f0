#pragma once
// Where the trainer's files are. Two folders matter:
// - the data folder, read only: turret frames, the help text and the sample
//   programs. Installed, it is ../share/zan400lt from the executable; in the
//   build tree it is the executable's own folder.
// - the program folder: part programs, Pset.dat and Dset.dat, the only files
//   the controller writes. Installed, the folder of the executable is not
//   writable and is shared by every user, so each user has their own,
//   $XDG_DATA_HOME/zan400lt (~/.local/share/zan400lt by default), seeded with
//   the sample programs when it is first made. In the build tree the programs
//   stay beside the executable. `--programs DIR` names another folder.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/program_folder.h"

namespace zan {

// The data folder of an installed copy, from the executable's folder.
inline constexpr std::string_view kInstalledDataFolder = "../share/zan400lt";
// The sample programs inside an installed data folder.
inline constexpr std::string_view kSamplesFolder = "samples";
// The per-user folder's name under $XDG_DATA_HOME.
inline constexpr std::string_view kUserFolderName = "zan400lt";
// The help text, in the data folder; an installed data folder is known by it.
inline constexpr std::string_view kHelpFileName = "anouncement.txt";

// What the folders depend on besides the executable's place.
struct UserEnvironment {
    std::string xdgDataHome;  // $XDG_DATA_HOME, empty when unset
    std::string home;         // $HOME, or the password database's home folder
    std::string xdgConfigDirs;  // $XDG_CONFIG_DIRS, empty when unset
};

// The class set-up of an installation: "zan400lt" in each absolute folder of
// $XDG_CONFIG_DIRS (/etc/xdg when it is unset or empty), the most important
// first. An instructor puts Pset.dat, Dset.dat and exercise programs there;
// they seed every new user's program folder, before the sample programs.
std::vector<std::filesystem::path> ClassSetupFolders(const UserEnvironment& env);

// The environment of this process.
UserEnvironment EnvironmentOfProcess();

struct DataFolders {
    ProgramFolder data = ProgramFolder(".");
    ProgramFolder programs = ProgramFolder(".");
    bool installed = false;    // the data folder is ../share/zan400lt
    bool perUser = false;      // programs live in the per-user folder (made and seeded at start)
    std::vector<std::filesystem::path> classSetup;  // seeds a new per-user folder (ClassSetupFolders)
};

// The per-user program folder: $XDG_DATA_HOME/zan400lt when $XDG_DATA_HOME is
// an absolute path, else ~/.local/share/zan400lt. Empty when neither is known.
std::filesystem::path UserProgramFolder(const UserEnvironment& env);

// The folders of an executable in `executableDir`; `programs` is the folder
// named on the command line, if any.
DataFolders ResolveDataFolders(const std::filesystem::path& executableDir, const UserEnvironment& env,
                               const std::optional<std::filesystem::path>& programs);

// Makes the per-user program folder if it does not exist yet and copies the
// sample programs into it, each only where no file of that name is (a
// student's own 01.zan stays as it is). Nothing is done for other program
// folders. Empty on success, else what went wrong.
std::string PrepareProgramFolder(const DataFolders& folders);

// The folders of the running executable, as they are.
DataFolders LocateDataFolders(const std::optional<std::filesystem::path>& programs);

// The folders of the running executable, the per-user folder made ready and
// the program folder rid of what saves killed half-way left in it; a
// failure to make it is reported in `problem` and the folders are returned anyway
// (the panel then says the folder cannot be written).
DataFolders DataFoldersOfProcess(const std::optional<std::filesystem::path>& programs, std::string& problem);

// One line for --help: where the programs are.
std::string ProgramFolderNote(const DataFolders& folders);

}  // namespace zan
