// The owner report on a scanned report names owners from the snapshot's owner ids, so it
// neither touches the disk nor depends on the files still being there.
#include <gtest/gtest.h>
#include <unistd.h>

#include <map>

#include "common/SystemHelpers.h"
#include "engine/Folioscope.h"
#include "reports/Reports.h"

using namespace fscope;

TEST(OwnerReport, NamesOwnersFromTheScannedIds) {
    char folder[] = "/tmp/fscope-owner-XXXXXX";
    ASSERT_TRUE(mkdtemp(folder));
    const std::string root = std::string(folder) + "/";
    const std::map<std::string, uid_t> owners = {{"mine", 0}, {"stranger", 4321}, {"also", 4321}};
    for (auto& [name, uid] : owners) {
        const std::string path = root + name;
        FILE* f = fopen(path.c_str(), "w");
        ASSERT_TRUE(f);
        fclose(f);
        ASSERT_EQ(lchown(path.c_str(), uid, uid), 0);
    }
    TFolioscope report;
    report.Scan(root);
    for (auto& [name, uid] : owners) unlink((root + name).c_str());  // the disk is not asked
    rmdir(folder);

    TOptions options = DefaultOptions();
    TCustTypeList types;
    TReports reports(options, types);
    reports.SetScope(ReportScope(1, &report, nullptr));
    reports.LoadOwnerReport(true);

    std::string rootDomain, rootName;
    OwnerOfUid(0, rootDomain, rootName);
    std::map<std::string, int> counts;
    for (auto& row : reports.OwnerList()) counts[row->FOwner] = row->FCount;
    EXPECT_EQ(counts, (std::map<std::string, int>{{rootName, 1}, {"4321", 2}}));
    for (const TFoldInfo* f : report.FItems)
        EXPECT_EQ(f->FOwner(), f->FName == "mine" ? rootName : "4321");
}
