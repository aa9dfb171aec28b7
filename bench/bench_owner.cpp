// Measures GetFileOwner per file: N files in a temporary folder, each asked once, as the owner
// report does. Prints the time per call. Usage: bench_owner [files]
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/SystemHelpers.h"

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 200000;
    char folder[] = "/tmp/fscope-bench-owner-XXXXXX";
    if (!::mkdtemp(folder)) return 1;
    for (int i = 0; i < count; ++i) {
        const std::string path = std::string(folder) + "/" + std::to_string(i);
        if (FILE* f = std::fopen(path.c_str(), "w")) std::fclose(f);
        if (i % 3 == 1) (void)::chown(path.c_str(), 65534, 65534);
    }
    const auto start = std::chrono::steady_clock::now();
    std::string domain, owner;
    int resolved = 0;
    for (int i = 0; i < count; ++i)
        resolved +=
            fscope::GetFileOwner(std::string(folder) + "/" + std::to_string(i), domain, owner);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("GetFileOwner: %d files, %d resolved, %.3f s, %.2f us per file\n", count, resolved,
                seconds, seconds * 1e6 / count);
    for (int i = 0; i < count; ++i)
        ::unlink((std::string(folder) + "/" + std::to_string(i)).c_str());
    ::rmdir(folder);
    return 0;
}
