#include "mainwindow/HelpCommands.h"

#include "dialogs/ProductPages.h"

namespace fscope {

void OpenWhatsNew() { OpenShippedFile(kWhatsNewFile, "The release notes are not installed."); }

}  // namespace fscope
