#include <gtest/gtest.h>

#include "common/ScriptedPrompt.h"
#include "common/ShellServices.h"

using namespace fscope;

TEST(Prompt, MessagesAndWarningsGoThroughTheInstalledPrompt) {
    TScriptedPrompt prompt;
    TPromptScope scope(prompt);
    ShowMessageBox("Please select a filter first of all !");
    ASSERT_EQ(prompt.calls.size(), 1u);
    EXPECT_EQ(prompt.calls[0].caption, "Message");
    EXPECT_EQ(prompt.calls[0].icon, TMsgIcon::Information);

    prompt.yesNoAnswers = {TAnswer::No, TAnswer::Yes, TAnswer::Closed};
    EXPECT_FALSE(ConfirmWarning("Delete?"));
    EXPECT_TRUE(ConfirmWarning("Delete?"));
    EXPECT_TRUE(ConfirmWarning("Delete?"));  // every answer but No goes on
    EXPECT_EQ(prompt.calls.back().caption, "WARNING!");
    EXPECT_THROW(ConfirmWarning("unscripted"), std::logic_error);

    prompt.textAnswers = {std::string("/tmp/x.csv"), std::nullopt};
    EXPECT_EQ(Prompt().SaveFileDialog("Export", "/tmp/", "CSV (*.csv)"), "/tmp/x.csv");
    EXPECT_EQ(Prompt().FolderDialog("Browse", "/"), std::nullopt);
}

TEST(Prompt, FallbacksNeverProceed) {
    EXPECT_EQ(Prompt().AskYesNo("Go on?", "WARNING!"), TAnswer::No);
    EXPECT_EQ(Prompt().InputBox("Name", "New folder", "x"), std::nullopt);
    EXPECT_FALSE(ShellServices().OpenPath("/"));
}
