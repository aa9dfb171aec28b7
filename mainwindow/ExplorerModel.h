#pragma once
// The File Explorer list lvwFolders as a virtual model over ExplorerRows: twelve columns whose
// texts are made in data() when the view asks for a row, a raw-value role for sorting and for
// the share-bar delegate. The rows are references into a report; the model never owns them.

#include <QAbstractTableModel>
#include <functional>
#include <string>
#include <vector>

#include "engine/Folioscope.h"

namespace fscope {

enum class TExplorerColumn {
    Name = 0, PercentOfParent, Size, SizeOnDisk, Folders, Files, Type, LastModified, Attributes,
    Created, LastAccessed, DosName, Count
};
inline constexpr int kExplorerColumnCount = static_cast<int>(TExplorerColumn::Count);

// Raw values: FName bytes (QByteArray), sizes and times as doubles, counts as qint64.
inline constexpr int kRawValueRole = Qt::UserRole + 1;

// The size texts the lists show.
struct TSizeFormat {
    std::string unit;      // SizeType
    std::string decimals;  // Decimals
};

// The sort of ExplorerRows: column LVSort1, negated when `descending` (LVSortOrder1 = 1). Name
// compares the names upper-cased in ASCII, by bytes; "% of Parent" compares sizes; "DOS Name"
// and unknown columns compare equal. Returns <0, 0 or >0.
int CompareExplorerRows(const TFoldInfo& a, const TFoldInfo& b, int column, bool descending);
void SortExplorerRows(std::vector<TFoldInfo*>& rows, int column, bool descending);

// The "% of Parent" text: two decimals and " %".
std::string PercentText(double percent);

class TExplorerModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using TFormatSource = std::function<TSizeFormat()>;
    explicit TExplorerModel(TFormatSource format, QObject* parent = nullptr);

    // Replaces the rows (already sorted) of `report`; both must outlive the next SetRows.
    // `levelSize` is the size of every file in the folder shown and below: the base of the
    // files' share (a folder's share is stored in its node when first computed).
    void SetRows(const TFolioscope* report, std::vector<TFoldInfo*> rows, double levelSize = 0);
    // The "% of Parent" value of a row.
    double PercentOf(const TFoldInfo& item) const;
    void Clear();
    const std::vector<TFoldInfo*>& Rows() const { return rows_; }
    TFoldInfo* RowAt(int row) const;
    const TFolioscope* Report() const { return report_; }
    // Sorts the rows again in place (the view keeps no per-row state to move).
    void Sort(int column, bool descending);
    // Every text may have changed (a size unit, a layout): the view asks again.
    void RefreshTexts();
    // Rows hold texts that are produced only while the window is not updating the report.
    void SetSuspended(bool suspended);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    static QString ColumnCaption(int column);
    static int DefaultWidth(int column);

private:
    QString Text(const TFoldInfo& item, TExplorerColumn column) const;

    TFormatSource format_;
    const TFolioscope* report_ = nullptr;
    std::vector<TFoldInfo*> rows_;
    double levelSize_ = 0;
    bool suspended_ = false;
};

}  // namespace fscope
