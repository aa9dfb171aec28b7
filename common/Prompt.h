#pragma once
// The one interface every modal question of the program goes through. The window layer
// implements it with Qt dialogs; tests script it (ScriptedPrompt.h). Paths are bytes.

#include <optional>
#include <string>

namespace fscope {

enum class TMsgIcon { None, Information, Warning, Error, Question };

// The answer of a Yes/No box. Closed: the box was dismissed without a button (callers treat
// every answer but No as going on).
enum class TAnswer { Yes, No, Closed };

class IPrompt {
public:
    virtual ~IPrompt() = default;

    virtual void MessageBox(const std::string& text, const std::string& caption, TMsgIcon icon) = 0;
    virtual TAnswer AskYesNo(const std::string& text, const std::string& caption) = 0;
    // A line of text; nullopt when cancelled.
    virtual std::optional<std::string> InputBox(const std::string& caption,
                                                const std::string& label,
                                                const std::string& initial) = 0;
    // `filter` in Qt's form, e.g. "Disk reports (*.mxf);;All files (*)". nullopt when cancelled.
    virtual std::optional<std::string> OpenFileDialog(const std::string& caption,
                                                      const std::string& folder,
                                                      const std::string& filter) = 0;
    // `initial` is the suggested path (folder + file name); the answer is the chosen full path.
    virtual std::optional<std::string> SaveFileDialog(const std::string& caption,
                                                      const std::string& initial,
                                                      const std::string& filter) = 0;
    // A folder (no trailing '/' required); nullopt when cancelled.
    virtual std::optional<std::string> FolderDialog(const std::string& caption,
                                                    const std::string& startFolder) = 0;
};

// The program-wide prompt. Until the window layer installs one, messages go to standard error
// and every question is answered No / cancelled, so nothing proceeds on a guess.
IPrompt& Prompt();
// Installs `prompt` (not owned; it must outlive its use); nullptr restores the fallback.
void SetPrompt(IPrompt* prompt);

// The information message of the program: caption "Message", information icon.
void ShowMessageBox(const std::string& text);
// The confirmation of the program: caption "WARNING!". True unless the answer is No.
bool ConfirmWarning(const std::string& text);

}  // namespace fscope
