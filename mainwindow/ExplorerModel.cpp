#include "mainwindow/ExplorerModel.h"

#include <QFile>
#include <algorithm>

#include "common/SizeFormat.h"
#include "engine/TextHelpers.h"
#include "mainwindow/FileIcons.h"
#include "platform/DateTimeText.h"
#include "platform/Paths.h"

namespace fscope {

namespace {

constexpr const char* kListSizeMask = "##########0";

struct TColumnInfo {
    const char* caption;
    int width;
    bool rightAligned;
};
constexpr TColumnInfo kColumns[kExplorerColumnCount] = {
    {"Name", 150, false},          {"% of Parent", 75, false}, {"Size", 100, true},
    {"Size on Disk", 100, true},   {"Folders", 60, true},      {"Files", 60, true},
    {"Type", 120, false},          {"Last Modified", 130, false}, {"Attributes", 70, false},
    {"Created Date", 90, false},   {"Last Accessed", 130, false}, {"DOS Name", 130, false},
};

template <typename T>
int Order(const T& a, const T& b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

QString FromBytes(const std::string& bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace

std::string PercentText(double percent) { return FormatFloat("########0.00 %", percent); }

int CompareExplorerRows(const TFoldInfo& a, const TFoldInfo& b, int column, bool descending) {
    int result = 0;
    switch (static_cast<TExplorerColumn>(column)) {
        case TExplorerColumn::Name:
            result = UpperAscii(a.FName.view()).compare(UpperAscii(b.FName.view()));
            break;
        case TExplorerColumn::PercentOfParent:
        case TExplorerColumn::Size: result = Order(a.FSize, b.FSize); break;
        case TExplorerColumn::SizeOnDisk: result = Order(a.FAllocSize, b.FAllocSize); break;
        case TExplorerColumn::Folders: result = Order(a.FFolderCount, b.FFolderCount); break;
        case TExplorerColumn::Files: result = Order(a.FFileCount, b.FFileCount); break;
        case TExplorerColumn::Type: result = a.FTypeName().compare(b.FTypeName()); break;
        case TExplorerColumn::LastModified: result = Order(a.FModified, b.FModified); break;
        case TExplorerColumn::Attributes:
            result = AttrToText(a.FAttr).compare(AttrToText(b.FAttr));
            break;
        case TExplorerColumn::Created: result = Order(a.FCreated, b.FCreated); break;
        case TExplorerColumn::LastAccessed: result = Order(a.FAccessed, b.FAccessed); break;
        default: break;
    }
    result = result < 0 ? -1 : (result > 0 ? 1 : 0);
    return descending ? -result : result;
}

void SortExplorerRows(std::vector<TFoldInfo*>& rows, int column, bool descending) {
    std::stable_sort(rows.begin(), rows.end(), [=](const TFoldInfo* a, const TFoldInfo* b) {
        return CompareExplorerRows(*a, *b, column, descending) < 0;
    });
}

TExplorerModel::TExplorerModel(TFormatSource format, QObject* parent)
    : QAbstractTableModel(parent), format_(std::move(format)) {}

void TExplorerModel::SetRows(const TFolioscope* report, std::vector<TFoldInfo*> rows,
                             double levelSize) {
    beginResetModel();
    report_ = report;
    rows_ = std::move(rows);
    levelSize_ = levelSize;
    endResetModel();
}

double TExplorerModel::PercentOf(const TFoldInfo& item) const {
    if (item.IsFolder()) return item.FPercent();
    return levelSize_ != 0 ? item.FSize * 100 / levelSize_ : 0;
}

void TExplorerModel::Clear() { SetRows(nullptr, {}); }

TFoldInfo* TExplorerModel::RowAt(int row) const {
    return row >= 0 && static_cast<size_t>(row) < rows_.size() ? rows_[static_cast<size_t>(row)]
                                                                : nullptr;
}

void TExplorerModel::Sort(int column, bool descending) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    SortExplorerRows(rows_, column, descending);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void TExplorerModel::RefreshTexts() {
    if (rows_.empty()) return;
    emit dataChanged(index(0, 0), index(rowCount() - 1, kExplorerColumnCount - 1));
}

void TExplorerModel::SetSuspended(bool suspended) {
    suspended_ = suspended;
    RefreshTexts();
}

int TExplorerModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TExplorerModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kExplorerColumnCount;
}

QString TExplorerModel::Text(const TFoldInfo& item, TExplorerColumn column) const {
    switch (column) {
        case TExplorerColumn::Name: return QFile::decodeName(QByteArray::fromStdString(item.FName.str()));
        case TExplorerColumn::PercentOfParent: return FromBytes(PercentText(PercentOf(item)));
        case TExplorerColumn::Size:
        case TExplorerColumn::SizeOnDisk: {
            const TSizeFormat format = format_();
            const double value = column == TExplorerColumn::Size ? item.FSize : item.FAllocSize;
            return FromBytes(FormatSize(format.unit, kListSizeMask, format.decimals, value));
        }
        case TExplorerColumn::Folders: return QString::number(item.IsFolder() ? item.FFolderCount : 0);
        case TExplorerColumn::Files: return QString::number(item.IsFolder() ? item.FFileCount : 0);
        case TExplorerColumn::Type: return FromBytes(item.FTypeName());
        case TExplorerColumn::LastModified: return FromBytes(DateTimeToText(item.FModified));
        case TExplorerColumn::Attributes: return FromBytes(AttrToText(item.FAttr));
        case TExplorerColumn::Created: return FromBytes(DateTimeToText(item.FCreated));
        case TExplorerColumn::LastAccessed: return FromBytes(DateTimeToText(item.FAccessed));
        case TExplorerColumn::DosName:
            return report_ ? QFile::decodeName(
                                 QByteArray::fromStdString(ShortPathName(report_->FullPathOf(&item))))
                           : QString();
        case TExplorerColumn::Count: break;
    }
    return {};
}

QVariant TExplorerModel::data(const QModelIndex& index, int role) const {
    const TFoldInfo* item = RowAt(index.row());
    if (!item || suspended_ || index.column() < 0 || index.column() >= kExplorerColumnCount)
        return {};
    const auto column = static_cast<TExplorerColumn>(index.column());
    switch (role) {
        case Qt::DisplayRole: return Text(*item, column);
        case Qt::DecorationRole:
            if (column != TExplorerColumn::Name) return {};
            return item->IsFolder() ? GenericFolderIcon()
                                    : FileIcon(item->FImageIndex(), report_ && report_->FSIcons == "1");
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignVCenter | (kColumns[index.column()].rightAligned
                                                               ? Qt::AlignRight
                                                               : Qt::AlignLeft));
        case kRawValueRole:
            switch (column) {
                case TExplorerColumn::Name: return QByteArray::fromStdString(item->FName.str());
                case TExplorerColumn::PercentOfParent: return PercentOf(*item);
                case TExplorerColumn::Size: return item->FSize;
                case TExplorerColumn::SizeOnDisk: return item->FAllocSize;
                case TExplorerColumn::Folders: return qint64{item->FFolderCount};
                case TExplorerColumn::Files: return qint64{item->FFileCount};
                case TExplorerColumn::LastModified: return item->FModified;
                case TExplorerColumn::Created: return item->FCreated;
                case TExplorerColumn::LastAccessed: return item->FAccessed;
                case TExplorerColumn::Attributes: return item->FAttr;
                default: return Text(*item, column);
            }
        default: return {};
    }
}

QVariant TExplorerModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kExplorerColumnCount) return {};
    if (role == Qt::DisplayRole) return ColumnCaption(section);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (kColumns[section].rightAligned ? Qt::AlignRight : Qt::AlignLeft));
    return {};
}

QString TExplorerModel::ColumnCaption(int column) {
    return QString::fromLatin1(kColumns[column].caption);
}

int TExplorerModel::DefaultWidth(int column) { return kColumns[column].width; }

}  // namespace fscope
