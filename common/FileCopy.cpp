#include "common/FileCopy.h"

namespace fscope {

TCopyResult ShellCopy(const std::vector<std::string>&, const std::string&, const TCopyCallbacks&) {
    TCopyResult result;
    result.errors.push_back("copying is not available yet");
    return result;
}

TCopyResult ShellMove(const std::vector<std::string>&, const std::string&, const TCopyCallbacks&) {
    TCopyResult result;
    result.errors.push_back("moving is not available yet");
    return result;
}

}  // namespace fscope
