#pragma once
// Root ignores file permissions, so permission failures are tested in a child process that
// drops to the unprivileged account 65534 before running the body.

#include <functional>

namespace fscope::test {

// Runs `body` in a forked child as uid/gid 65534; returns the child's exit code: `body`'s
// result, 125 when the privileges could not be dropped, 126 when the body threw.
int RunAsNobody(const std::function<int()>& body);

}  // namespace fscope::test
