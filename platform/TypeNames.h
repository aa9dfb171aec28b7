#pragma once
// Type names and icon indices per file extension (the shell's type-name service).

#include <string>
#include <string_view>
#include <vector>

namespace fscope {

struct TShellTypeInfo {
    std::string typeName;  // at most 79 bytes
    int iconIndex = 0;
};

// The type of an extension (with its dot, letter case as given; "" for none): the MIME
// database's comment for a made-up file of that extension, else "XYZ File"; "File" for "".
// Thread-safe and cached per extension.
TShellTypeInfo ShellTypeInfo(std::string_view ext);

// Fixed icon indices of the program's own icon list.
inline constexpr int kFolderIconIndex = 3;  // the generic folder icon, also with SIcons "1"
inline constexpr int kFileIconIndex = 6;    // the generic file icon used with SIcons "1"

// The index of the generic folder icon (the folder entry of the icon list).
int FolderIconIndex();

// The icon list: entry i is the freedesktop icon name of index i. Grows as types are met.
std::vector<std::string> IconNames();

}  // namespace fscope
