#pragma once
// The prompt of the desktop program: every modal question as a Qt dialog, and the program's
// own folder pickers (Folder Browser, Browse Folders, the destination folder dialog). Install it
// with SetPrompt; tests install a scripted prompt instead.

#include <QPointer>
#include <QWidget>

#include "common/Prompt.h"
#include "dialogs/FolderPickers.h"

namespace fscope {

class TQtPrompt : public IPrompt, public IFolderPickers {
public:
    // Dialogs are owned by `owner` (the main window) when it is set, else top-level.
    explicit TQtPrompt(QWidget* owner = nullptr) : owner_(owner) {}
    void SetOwner(QWidget* owner) { owner_ = owner; }

    void MessageBox(const std::string& text, const std::string& caption, TMsgIcon icon) override;
    TAnswer AskYesNo(const std::string& text, const std::string& caption) override;
    std::optional<std::string> InputBox(const std::string& caption, const std::string& label,
                                        const std::string& initial) override;
    std::optional<std::string> OpenFileDialog(const std::string& caption, const std::string& folder,
                                              const std::string& filter) override;
    std::optional<std::string> SaveFileDialog(const std::string& caption,
                                              const std::string& initial,
                                              const std::string& filter) override;
    // The destination folder dialog with `caption`, starting at `startFolder`.
    std::optional<std::string> FolderDialog(const std::string& caption,
                                            const std::string& startFolder) override;

    std::optional<std::string> ShowFolderBrowser(std::vector<std::string>& history) override;
    std::optional<std::string> ShowBrowseFolders(const std::string& startPath) override;
    // Opens centred on the work area the first time for `request`, then where it was.
    std::optional<std::string> ShowShellFolderDialog(TShBrowse& request) override;

private:
    QPointer<QWidget> owner_;
};

}  // namespace fscope
