#pragma once
// TShBrowse: the folder dialog used to choose destinations (copy, move) and folders of the
// options dialog. Create, set Caption, Title, Options and InitialFolder, call Execute.

#include <set>
#include <string>

namespace fscope {

// What the dialog lets the user pick. Only file-system folders can be picked on this platform,
// whatever the set holds; callers ask for exactly ReturnOnlyFsDirs.
enum class TShBrowseOption {
    BrowseForComputer,
    BrowseForPrinter,
    BrowseIncludeFiles,
    BrowseIncludeUrls,
    DontGoBelowDomain,
    EditBox,
    NewDialogStyle,
    NoNewFolderButton,
    ReturnFsAncestors,
    ReturnOnlyFsDirs,
    Shareable,
    StatusText,
    UseNewUi,
    UseNewUiAlias,
    Validate,
};

class TShBrowse {
public:
    std::string Caption = "Browse for Folder";  // window caption; "" keeps the default
    std::string Title = "Select folder";        // text above the folder tree
    std::string InitialFolder;                  // folder selected at opening; none when empty
    std::set<TShBrowseOption> Options;
    // Screen position; both 0 until the first showing centres the dialog on the work area,
    // then kept, so the dialog opens at the same place each time for this object.
    int Left = 0;
    int Top = 0;
    std::string Folder;  // the chosen folder (bytes, surrounding spaces trimmed)

    // Shows the dialog through the installed prompt. True when a folder was chosen (then in
    // Folder); false when cancelled.
    bool Execute();
};

}  // namespace fscope
