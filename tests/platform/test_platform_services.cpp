#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <map>

#include "platform/DirEntry.h"
#include "platform/Paths.h"
#include "platform/TypeNames.h"
#include "platform/Volume.h"
#include "support/TempTree.h"

using namespace fscope;
using fscope::test::TempTree;

TEST(NormalisePath, AbsoluteAndLexical) {
    EXPECT_EQ(NormalisePath("/a//b/./c/../d/"), "/a/b/d");
    EXPECT_EQ(NormalisePath("/../.."), "/");
    EXPECT_EQ(NormalisePath("/"), "/");
    char cwd[4096];
    ASSERT_TRUE(getcwd(cwd, sizeof cwd));
    EXPECT_EQ(NormalisePath("."), NormalisePath(cwd));
    EXPECT_EQ(NormalisePath("x/y"), NormalisePath(std::string(cwd) + "/x/y"));
    EXPECT_EQ(WithTrailingDelim("/a"), "/a/");
    EXPECT_EQ(WithTrailingDelim("/a/"), "/a/");
    EXPECT_EQ(WithTrailingDelim("/"), "/");
}

TEST(TypeNames, ByExtensionWithFallbacks) {
    EXPECT_EQ(ShellTypeInfo("").typeName, "File");
    EXPECT_EQ(ShellTypeInfo(".zzqx").typeName, "ZZQX File");
    const TShellTypeInfo txt = ShellTypeInfo(".txt");
    EXPECT_FALSE(txt.typeName.empty());
    EXPECT_NE(txt.typeName, "TXT File");  // the MIME database knows it
    EXPECT_LE(txt.typeName.size(), 79u);
    // Whole-name globs do not apply: the extension alone decides.
    EXPECT_EQ(ShellTypeInfo(".md").typeName, ShellTypeInfo(".md").typeName);
    const auto icons = IconNames();
    ASSERT_GT(icons.size(), static_cast<size_t>(kFileIconIndex));
    EXPECT_EQ(icons[kFolderIconIndex], "folder");
}

TEST(Volume, NamesAndQuery) {
    EXPECT_EQ(WindowsFileSystemName("ntfs3"), "NTFS");
    EXPECT_EQ(WindowsFileSystemName("vfat"), "FAT32");
    EXPECT_EQ(WindowsFileSystemName("exfat"), "exFAT");
    EXPECT_EQ(WindowsFileSystemName("ext4"), "ext4");
    TVolumeInfo v = QueryVolume("/");
    EXPECT_TRUE(v.ok);
    EXPECT_GT(v.totalBytes, 0u);
    EXPECT_FALSE(v.fileSystem.empty());
    EXPECT_FALSE(QueryVolume("/nonexistent-fscope").ok);
}

TEST(DiskEntrySource, AttributesFromTheEntry) {
    TempTree t;
    t.File("plain", 10);
    t.File(".hidden", 1);
    t.File("readonly", 1);
    chmod(t.Path("readonly").c_str(), 0444);
    t.Link("link", "plain");
    ASSERT_EQ(mkfifo(t.Path("fifo").c_str(), 0644), 0);
    t.Folder("dir");
    {
        // A sparse file: its length is past its allocated blocks.
        t.File("sparse");
        ASSERT_EQ(truncate(t.Path("sparse").c_str(), 1 << 20), 0);
    }
    std::map<std::string, TDirEntry> seen;
    auto reader = DiskEntrySource().OpenRoot(t.Root());
    ASSERT_TRUE(reader);
    TDirEntry e;
    std::vector<std::string> store;
    while (reader->Next(e)) {
        seen[std::string(e.name)] = e;
        seen[std::string(e.name)].name = {};
    }
    EXPECT_EQ(seen["plain"].attr, kAttrArchive);
    EXPECT_EQ(seen["plain"].size, 10u);
    EXPECT_EQ(seen[".hidden"].attr, kAttrArchive | kAttrHidden);
    EXPECT_EQ(seen["readonly"].attr, kAttrArchive | kAttrReadOnly);
    EXPECT_EQ(seen["link"].attr, kAttrReparsePoint);
    EXPECT_EQ(seen["link"].size, 5u);
    EXPECT_EQ(seen["fifo"].attr, kAttrSystem);
    EXPECT_EQ(seen["dir"].attr, kAttrDirectory);
    EXPECT_EQ(seen["dir"].size, 0u);
    EXPECT_EQ(seen["sparse"].attr, kAttrArchive | kAttrSparse);
    // One-entry look-up never follows the link, and tells a missing entry from others.
    std::string name;
    EXPECT_EQ(DiskEntrySource().StatEntry(t.Path("link"), e, name), 0);
    EXPECT_EQ(e.attr, kAttrReparsePoint);
    EXPECT_EQ(DiskEntrySource().StatEntry(t.Path("missing"), e, name), ENOENT);
    EXPECT_EQ(DiskEntrySource().StatEntry(t.Path("plain/below"), e, name), ENOTDIR);
}

TEST(DiskEntrySource, PseudoFileSystemsAreNotEntered) {
    auto reader = DiskEntrySource().OpenRoot("/proc/");
    ASSERT_TRUE(reader);
    TDirEntry e;
    EXPECT_FALSE(reader->Next(e));
}

TEST(ShortPathName, PathWhenItExists) {
    TempTree t;
    t.File("a");
    EXPECT_EQ(ShortPathName(t.Path("a")), t.Path("a"));
    EXPECT_EQ(ShortPathName(t.Path("b")), "");
}
