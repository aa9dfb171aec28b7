#include "dialogs/FolderPickers.h"

#include "common/Prompt.h"
#include "dialogs/FolderBrowser.h"
#include "engine/TextHelpers.h"
#include "platform/Paths.h"

namespace fscope {

IFolderPickers* InstalledFolderPickers() { return dynamic_cast<IFolderPickers*>(&Prompt()); }

std::optional<std::string> ChooseScanFolder(std::vector<std::string>& history) {
    if (IFolderPickers* pickers = InstalledFolderPickers())
        return pickers->ShowFolderBrowser(history);
    // A plain prompt stands for the window: its answer goes through Start Search's check, and
    // a refused answer keeps the "window" open for another one, as the window does.
    for (;;) {
        const std::optional<std::string> answer = Prompt().FolderDialog("Folder Browser", "");
        if (!answer) return std::nullopt;
        const std::string path(TrimBlanks(*answer));
        if (AcceptScanPath(history, path)) return path;
    }
}

std::string BrowseScanFolders(const std::string& startPath) {
    std::optional<std::string> answer;
    if (IFolderPickers* pickers = InstalledFolderPickers())
        answer = pickers->ShowBrowseFolders(startPath);
    else
        answer = Prompt().FolderDialog("Browse Folders", startPath);
    return answer && !answer->empty() ? WithTrailingDelim(*answer) : std::string();
}

}  // namespace fscope
