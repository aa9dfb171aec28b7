#pragma once
// A prompt for tests: records every call and answers from queues prepared by the test. A
// question without a prepared answer throws, so a test never blocks and never passes on a guess.

#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/Prompt.h"

namespace fscope {

class TScriptedPrompt : public IPrompt {
public:
    enum class TKind { Message, YesNo, Input, OpenFile, SaveFile, Folder };
    struct TCall {
        TKind kind;
        std::string caption;
        std::string text;  // message text, question, input label, or the dialog's start path
        TMsgIcon icon = TMsgIcon::None;
    };

    std::vector<TCall> calls;
    std::deque<TAnswer> yesNoAnswers;
    // One queue for the text answers (input box and the three dialogs), nullopt = cancel.
    std::deque<std::optional<std::string>> textAnswers;

    void MessageBox(const std::string& text, const std::string& caption, TMsgIcon icon) override {
        calls.push_back({TKind::Message, caption, text, icon});
    }
    TAnswer AskYesNo(const std::string& text, const std::string& caption) override {
        calls.push_back({TKind::YesNo, caption, text, TMsgIcon::Question});
        if (yesNoAnswers.empty()) throw std::logic_error("unscripted question: " + text);
        const TAnswer answer = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return answer;
    }
    std::optional<std::string> InputBox(const std::string& caption, const std::string& label,
                                        const std::string&) override {
        return NextText(TKind::Input, caption, label);
    }
    std::optional<std::string> OpenFileDialog(const std::string& caption, const std::string& folder,
                                              const std::string&) override {
        return NextText(TKind::OpenFile, caption, folder);
    }
    std::optional<std::string> SaveFileDialog(const std::string& caption,
                                              const std::string& initial,
                                              const std::string&) override {
        return NextText(TKind::SaveFile, caption, initial);
    }
    std::optional<std::string> FolderDialog(const std::string& caption,
                                            const std::string& startFolder) override {
        return NextText(TKind::Folder, caption, startFolder);
    }

    // The texts of the message boxes shown so far, in order.
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const TCall& call : calls)
            if (call.kind == TKind::Message) texts.push_back(call.text);
        return texts;
    }

private:
    std::optional<std::string> NextText(TKind kind, const std::string& caption,
                                        const std::string& text) {
        calls.push_back({kind, caption, text, TMsgIcon::None});
        if (textAnswers.empty()) throw std::logic_error("unscripted dialog: " + caption);
        std::optional<std::string> answer = std::move(textAnswers.front());
        textAnswers.pop_front();
        return answer;
    }
};

// Installs a prompt for the lifetime of a scope (a test), then restores the fallback.
class TPromptScope {
public:
    explicit TPromptScope(IPrompt& prompt) { SetPrompt(&prompt); }
    ~TPromptScope() { SetPrompt(nullptr); }
    TPromptScope(const TPromptScope&) = delete;
    TPromptScope& operator=(const TPromptScope&) = delete;
};

}  // namespace fscope
