#include "FixtureTree.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <random>
#include <stdexcept>
#include <vector>

namespace fscope::bench {

namespace {
const char* const kWords[] = {"report", "draft",  "photo", "invoice", "notes", "backup", "main",
                              "config", "readme", "data",  "summary", "img",   "track",  "video",
                              "final",  "old",    "copy",  "test",    "build", "index",  "log"};
// Extensions with weights: common ones often, rare ones seldom; upper-case variants included.
const std::pair<const char*, int> kExts[] = {
    {".txt", 40},      {".jpg", 60}, {".JPG", 8},  {".png", 30}, {".pdf", 20},   {".mp3", 15},
    {".flac", 3},      {".mkv", 2},  {".mp4", 6},  {".zip", 5},  {".tar.gz", 3}, {".zst", 1},
    {".c", 25},        {".h", 25},   {".cpp", 20}, {".o", 15},   {".so", 5},     {".py", 15},
    {".json", 12},     {".xml", 8},  {".html", 8}, {".css", 5},  {".js", 20},    {".log", 10},
    {".tmp", 4},       {".bak", 3},  {".swp", 1},  {".docx", 4}, {".xlsx", 3},   {".odt", 2},
    {"", 12},          {".md", 8},   {".svg", 6},  {".webp", 3}, {".iso", 1},    {".deb", 1},
    {".weird-ext", 1}, {".Txt", 1}};

class Generator {
public:
    Generator(uint64_t seed) : rng_(seed) {
        for (auto& [ext, w] : kExts) totalWeight_ += w;
    }

    std::string FileName() {
        std::string name;
        if (Chance(0.03)) name = ".";
        name += kWords[rng_() % std::size(kWords)];
        if (Chance(0.6)) name += "_" + std::to_string(rng_() % 10000);
        if (Chance(0.2)) name += std::string("-") + kWords[rng_() % std::size(kWords)];
        int pick = static_cast<int>(rng_() % totalWeight_);
        for (auto& [ext, w] : kExts) {
            if (pick < w) {
                name += ext;
                break;
            }
            pick -= w;
        }
        return name;
    }
    std::string FolderName() {
        std::string name = Chance(0.05) ? "." : "";
        return name + kWords[rng_() % std::size(kWords)] + std::to_string(rng_() % 1000);
    }
    uint64_t Size() {
        if (Chance(0.04)) return 0;
        std::lognormal_distribution<double> dist(8.0, 2.2);  // median about 3 KB
        return static_cast<uint64_t>(std::min(dist(rng_), 8e9));
    }
    bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
    uint64_t Below(uint64_t n) { return rng_() % n; }

private:
    std::mt19937_64 rng_;
    int totalWeight_ = 0;
};

void MakeFile(std::string path, uint64_t size, TFixtureStats& stats) {
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    // A name drawn twice in one folder gets a number, so the tree has exactly the files asked.
    for (int n = 2; fd < 0 && errno == EEXIST; ++n)
        fd = open((path + "~" + std::to_string(n)).c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0) throw std::runtime_error("cannot create " + path);
    // Small files get real bytes; large ones are sparse so the tree fits on any disk.
    if (size > 0 && size <= 8192) {
        static const std::string block(8192, 'f');
        if (write(fd, block.data(), size) < 0) size = 0;
    } else if (size > 0) {
        if (ftruncate(fd, static_cast<off_t>(size)) != 0) size = 0;
    }
    close(fd);
    ++stats.files;
    stats.bytes += size;
}
}  // namespace

std::string DefaultFixturePath(uint64_t fileCount) {
    const char* base = std::getenv("FSCOPE_BENCH_DIR");
    return std::string(base && *base ? base : "/tmp/fscope-bench") + "/tree-" +
           std::to_string(fileCount);
}

TFixtureStats GenerateFixtureTree(const std::string& root, uint64_t fileCount, uint64_t seed) {
    TFixtureStats stats;
    const std::string stamp = root + "/.fixture-complete";
    {
        std::ifstream in(stamp);
        if (in >> stats.files >> stats.folders >> stats.links >> stats.bytes) return stats;
    }
    std::string parent = root.substr(0, root.rfind('/'));
    if (!parent.empty()) {
        std::string cmd = "mkdir -p '" + parent + "'";
        if (std::system(cmd.c_str()) != 0) throw std::runtime_error("cannot create " + parent);
    }
    if (mkdir(root.c_str(), 0755) != 0) throw std::runtime_error("cannot create " + root);
    Generator g(seed);
    // Breadth of the tree grows with its size: about 30 entries a folder, up to 9 levels.
    std::vector<std::pair<std::string, int>> open{{root, 0}};
    uint64_t made = 0;
    while (made < fileCount) {
        auto [folder, depth] = open[g.Below(open.size())];
        const int files = static_cast<int>(g.Below(40));
        for (int i = 0; i < files && made < fileCount; ++i, ++made)
            MakeFile(folder + "/" + g.FileName(), g.Size(), stats);
        const int subfolders = depth < 9 ? static_cast<int>(g.Below(4)) : 0;
        for (int i = 0; i < subfolders; ++i) {
            std::string sub = folder + "/" + g.FolderName();
            if (mkdir(sub.c_str(), 0755) == 0) {
                ++stats.folders;
                if (g.Chance(0.9)) open.emplace_back(sub, depth + 1);  // else it stays empty
            }
        }
    }
    // A link loop and a link out of the tree: a scan records both and follows neither.
    const std::string loop = root + "/loop-to-root";
    if (symlink(".", loop.c_str()) == 0) ++stats.links;
    const std::string out = root + "/link-to-slash";
    if (symlink("/", out.c_str()) == 0) ++stats.links;
    std::ofstream(stamp) << stats.files << ' ' << stats.folders << ' ' << stats.links << ' '
                         << stats.bytes << '\n';
    return stats;
}

}  // namespace fscope::bench
