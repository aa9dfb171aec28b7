#pragma once
// How the program reaches its three folder pickers: through the installed prompt (Prompt()).
// A prompt that also implements IFolderPickers (the Qt one does) shows the program's own
// windows; any other prompt (a test's scripted one) answers through its FolderDialog, with the
// caption "Folder Browser", "Browse Folders" or the TShBrowse caption and the start folder.

#include <optional>
#include <string>
#include <vector>

namespace fscope {

class TShBrowse;

class IFolderPickers {
public:
    virtual ~IFolderPickers() = default;
    // The Folder Browser; the answer is the path of its box (trimmed, bytes), already recorded
    // in `history`. nullopt when cancelled.
    virtual std::optional<std::string> ShowFolderBrowser(std::vector<std::string>& history) = 0;
    // Browse Folders below `startPath`; the answer ends in '/'. nullopt when cancelled.
    virtual std::optional<std::string> ShowBrowseFolders(const std::string& startPath) = 0;
    // The destination folder dialog for `request` (which keeps its screen position).
    virtual std::optional<std::string> ShowShellFolderDialog(TShBrowse& request) = 0;
};

// The picker behind the installed prompt, or null when it has none.
IFolderPickers* InstalledFolderPickers();

// Start File Search's Folder Browser over the recent paths `history` (the settings'
// HistoryList): the path to scan (trimmed bytes, recorded in `history`), nullopt when cancelled.
std::optional<std::string> ChooseScanFolder(std::vector<std::string>& history);

// Browse Folders: a folder below `startPath` (ending in '/'), or "" when the user cancelled.
std::string BrowseScanFolders(const std::string& startPath);

}  // namespace fscope
