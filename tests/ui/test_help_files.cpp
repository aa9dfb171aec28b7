// The Help menu's shipped files, with the program's data files beside the test program as they
// lie beside an installed program: the user guide (F1) and the release notes.

#include <QAction>

#include "WindowFixture.h"
#include "common/AppPaths.h"

namespace fscope::test {
namespace {

class HelpFilesTest : public WindowTest {};

TEST_F(HelpFilesTest, UsersGuideAndWhatsNewOpenTheShippedFiles) {
    WriteFilters();
    WriteSettings();
    auto window = Start();
    ASSERT_NE(window, nullptr);
    for (const char* name : {"actUserGuide", "actWhatNew"})
        window->findChild<QAction*>(name)->trigger();
    EXPECT_TRUE(prompt_.calls.empty());
    EXPECT_EQ(shell_.opened, (std::vector<std::string>{ExecutableFolder() + "/help/index.html",
                                                       ExecutableFolder() + "/whatsnew.txt"}));
}

}  // namespace
}  // namespace fscope::test
