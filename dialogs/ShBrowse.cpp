#include "dialogs/ShBrowse.h"

#include "common/Prompt.h"
#include "dialogs/FolderPickers.h"
#include "engine/TextHelpers.h"

namespace fscope {

bool TShBrowse::Execute() {
    std::optional<std::string> answer;
    if (IFolderPickers* pickers = InstalledFolderPickers())
        answer = pickers->ShowShellFolderDialog(*this);
    else
        answer = Prompt().FolderDialog(Caption, InitialFolder);
    if (!answer) return false;
    Folder = std::string(TrimBlanks(*answer));
    return true;
}

}  // namespace fscope
