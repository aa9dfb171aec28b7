#pragma once
// Moving files and folders to the desktop's trash (the freedesktop.org trash layout): the
// home trash $XDG_DATA_HOME/Trash (default ~/.local/share/Trash) for entries on the home trash's
// file system, else the trash at the top of the entry's own file system ($topdir/.Trash-$uid).
// The trash folders are created first when missing; an entry is never moved anywhere else.

#include <string>

namespace fscope {

// The home trash folder (no trailing '/'): $XDG_DATA_HOME/Trash when XDG_DATA_HOME is absolute,
// else $HOME/.local/share/Trash.
std::string HomeTrashFolder();

// Moves the file, link or folder at `path` (absolute) to the trash and writes its .trashinfo
// record. False with the reason in `error` when it cannot be done; then nothing was moved.
bool MoveToTrash(const std::string& path, std::string& error);

}  // namespace fscope
