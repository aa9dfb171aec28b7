#include "mainwindow/HelpCommands.h"

#include "common/AppPaths.h"
#include "common/Prompt.h"
#include "common/ShellServices.h"

namespace fscope {

void OpenWhatsNew() {
    const std::string notes = DataFilePath(kWhatsNewFile);
    if (notes.empty()) {
        ShowMessageBox("The release notes are not installed.");
        return;
    }
    ShellServices().OpenPath(notes);
}

}  // namespace fscope
