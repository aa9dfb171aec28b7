#pragma once
// Where the program's files live: the user's config folder (settings store, edited filters.dat)
// and the data folder of the files shipped "beside the executable" (filters.dat, Skins, the user
// guide, whatsnew.txt).

#include <string>
#include <string_view>

namespace fscope {

// A freedesktop.org base folder: $<variable> when it is an absolute path, else
// $HOME/<homeRelative>; without a trailing '/'.
std::string XdgBaseFolder(const char* variable, std::string_view homeRelative);

// $XDG_CONFIG_HOME/Folioscope when XDG_CONFIG_HOME is an absolute path, else
// $HOME/.config/Folioscope; no trailing '/'. Not created here.
std::string ConfigFolder();

// The folder of the running executable (no trailing '/'); "" when it cannot be found.
std::string ExecutableFolder();

// The shipped file or folder `name`: exeFolder/name when it exists there (the build tree), else
// exeFolder/../share/folioscope/name when that exists (an installed program); "" when neither.
std::string DataFilePath(std::string_view name, const std::string& exeFolder);
std::string DataFilePath(std::string_view name);  // for ExecutableFolder()

// Creates `folder` and any missing parents (mode 0777 minus the umask). False with the reason in
// `error` when that fails or something other than a folder is in the way.
bool EnsureFolder(const std::string& folder, std::string& error);

}  // namespace fscope
