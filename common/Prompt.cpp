#include "common/Prompt.h"

#include <cstdio>

namespace fscope {

namespace {

// Until the window layer installs its dialogs: messages to standard error, questions refused.
class TFallbackPrompt : public IPrompt {
public:
    void MessageBox(const std::string& text, const std::string& caption, TMsgIcon) override {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    }
    TAnswer AskYesNo(const std::string& text, const std::string& caption) override {
        std::fprintf(stderr, "%s: %s (answered No)\n", caption.c_str(), text.c_str());
        return TAnswer::No;
    }
    std::optional<std::string> InputBox(const std::string&, const std::string&,
                                        const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> OpenFileDialog(const std::string&, const std::string&,
                                              const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> SaveFileDialog(const std::string&, const std::string&,
                                              const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> FolderDialog(const std::string&, const std::string&) override {
        return std::nullopt;
    }
};

TFallbackPrompt fallbackPrompt;
IPrompt* currentPrompt = nullptr;

}  // namespace

IPrompt& Prompt() { return currentPrompt ? *currentPrompt : fallbackPrompt; }

void SetPrompt(IPrompt* prompt) { currentPrompt = prompt; }

void ShowMessageBox(const std::string& text) {
    Prompt().MessageBox(text, "Message", TMsgIcon::Information);
}

bool ConfirmWarning(const std::string& text) {
    return Prompt().AskYesNo(text, "WARNING!") != TAnswer::No;
}

}  // namespace fscope
