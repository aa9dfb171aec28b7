#include "common/ShellServices.h"

namespace fscope {

namespace {

// Before the window layer installs the desktop services nothing can be opened.
class TNoShellServices : public IShellServices {
public:
    bool OpenPath(const std::string&) override { return false; }
    bool ExplorePath(const std::string&) override { return false; }
    bool OpenUrl(const std::string&) override { return false; }
};

TNoShellServices noShellServices;
IShellServices* currentServices = nullptr;

}  // namespace

IShellServices& ShellServices() { return currentServices ? *currentServices : noShellServices; }

void SetShellServices(IShellServices* services) { currentServices = services; }

}  // namespace fscope
