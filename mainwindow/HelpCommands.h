#pragma once
// The Help menu's commands that open shipped files: the release notes "whatsnew.txt" lying
// beside the program (in its data folder), opened with the desktop's text viewer.

namespace fscope {

inline constexpr char kWhatsNewFile[] = "whatsnew.txt";

// Opens the release notes; when they are not installed, says so in a message box.
void OpenWhatsNew();

}  // namespace fscope
