#include "export/ExportFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/AtomicFile.h"
#include "platform/DateTimeText.h"

namespace fscope::test {
namespace {

void SetFile(TFoldInfo* node, double size, double alloc, uint32_t attr, const std::string& type) {
    node->FSize = size;
    node->FAllocSize = alloc;
    node->FAttr = attr;
    node->SetType(type, 1);
}

// Line and column of a byte offset, for a readable failure message.
std::string PositionOf(const std::string& text, size_t offset) {
    size_t line = 1, lineStart = 0;
    for (size_t i = 0; i < offset && i < text.size(); ++i) {
        if (text[i] == '\n') ++line, lineStart = i + 1;
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(offset - lineStart + 1);
}

std::string Excerpt(const std::string& text, size_t offset) {
    std::string out;
    for (size_t i = offset; i < text.size() && i < offset + 60; ++i) {
        const char c = text[i];
        out += c == '\r' ? std::string("\\r") : c == '\n' ? std::string("\\n") : std::string(1, c);
    }
    return out;
}

}  // namespace

TExportFixture::TExportFixture() : report(std::make_unique<TFolioscope>()) {
    report->FRootPath = "/data/";
    docs = report->NewFolder(nullptr, "Docs & <Notes>");
    docs->SetType(kFolderTypeName, 0);
    docs->FAttr = 0x10;
    docs->FSize = 3072;
    docs->FAllocSize = 8192;
    docs->FFileCount = 2;
    docs->FFolderCount = 1;
    docs->FModified = EncodeDateTime(2024, 3, 5, 14, 7, 9);
    docs->FCreated = EncodeDateTime(2024, 1, 2, 0, 0, 0);
    docs->FAccessed = EncodeDateTime(2024, 3, 6, 9, 30, 0);
    docs->FItems->FTotalsDone = true;

    sub = report->NewFolder(docs, "sub");
    sub->SetType(kFolderTypeName, 0);
    sub->FAttr = 0x10;
    sub->FModified = EncodeDateTime(2024, 1, 2, 0, 0, 0);

    tagFile = report->NewFile(docs, "<b>x");
    SetFile(tagFile, 2048, 4096, 0x20, "Text Document");
    tagFile->FModified = EncodeDateTime(2024, 3, 5, 14, 7, 9);
    tagFile->FCreated = EncodeDateTime(2024, 3, 1, 12, 0, 0);
    tagFile->FAccessed = EncodeDateTime(2024, 3, 5, 0, 0, 0);

    readme = report->NewFile(docs, "readme");
    SetFile(readme, 1024, 4096, 0x20, "File");

    commaFile = report->NewFile(nullptr, "a,b \"q\".txt");
    SetFile(commaFile, 1024, 4096, 0x21, "Text Document");
    commaFile->FModified = EncodeDateTime(2023, 12, 31, 23, 59, 59);
    commaFile->FCreated = EncodeDateTime(2023, 12, 1, 8, 0, 0);
    commaFile->FAccessed = EncodeDateTime(2024, 3, 6, 0, 0, 0);

    accentFile = report->NewFile(nullptr, "caf\xC3\xA9\x01.dat");
    SetFile(accentFile, 0, 0, 0x6, "Data <raw>");

    explorerRows = {docs, commaFile, accentFile};
}

TDateTime FixedNow() { return EncodeDateTime(2024, 3, 5, 14, 7, 9); }

TExportContext FixedContext() {
    TExportContext context;
    context.settings = {"GEN", "2", ","};
    context.pathBoxText = "/data/";
    context.now = FixedNow();
    return context;
}

TShortPathFn FakeShortPathName() {
    return [](const std::string& path) -> std::string {
        if (path == "/data/Docs & <Notes>") return "/data/DOCS~1";
        if (path == "/data/a,b \"q\".txt") return "/data/AB~1.TXT";
        return "";
    };
}

void ExpectGolden(const std::string& name, const std::string& actual) {
    const std::string expected = ReadWholeFile(std::string(FSCOPE_EXPORT_GOLDEN_DIR) + "/" + name);
    if (expected == actual) return;
    std::filesystem::create_directories(FSCOPE_EXPORT_ACTUAL_DIR);
    std::ofstream(std::string(FSCOPE_EXPORT_ACTUAL_DIR) + "/" + name, std::ios::binary) << actual;
    size_t offset = 0;
    while (offset < expected.size() && offset < actual.size() &&
           expected[offset] == actual[offset]) {
        ++offset;
    }
    ADD_FAILURE() << name << " differs at " << PositionOf(expected, offset)
                  << "\n  expected: " << Excerpt(expected, offset)
                  << "\n  actual:   " << Excerpt(actual, offset)
                  << "\n  (actual document written to " << FSCOPE_EXPORT_ACTUAL_DIR << ")";
}

}  // namespace fscope::test
