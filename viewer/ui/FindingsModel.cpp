#include "viewer/ui/FindingsModel.h"

#include "checker/FindingTexts.h"
#include "viewer/ui/Pictures.h"
#include "viewer/ui/ToolTipText.h"
#include "xml/DisplayText.h"

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace talpora {

using checker::Finding;
using checker::Severity;

FindingsModel::FindingsModel(QObject* parent)
    : QAbstractTableModel(parent), m_errorMark(errorMark()), m_warningMark(warningMark())
{}

void FindingsModel::setChecked(std::shared_ptr<const CheckedDocument> checked)
{
    beginResetModel();
    m_checked = std::move(checked);
    endResetModel();
}

int FindingsModel::findingRows() const
{
    return m_checked ? static_cast<int>(m_checked->findings().size()) : 0;
}

int FindingsModel::noteRows() const
{
    if (!m_checked)
        return 0;
    return static_cast<int>(m_checked->notes().size()) + (m_checked->unlisted() > 0 ? 1 : 0);
}

int FindingsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : findingRows() + noteRows();
}

int FindingsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString FindingsModel::severityText(int row) const
{
    if (row >= findingRows())
        return tr("note");
    return m_checked->findings()[static_cast<std::size_t>(row)].severity == Severity::Error
               ? tr("error")
               : tr("warning");
}

QString FindingsModel::placeText(int row) const
{
    if (row >= findingRows())
        return {};
    const Finding& finding = m_checked->findings()[static_cast<std::size_t>(row)];
    const QString lineColumn =
        finding.line > 0 ? u"%1:%2"_s.arg(finding.line).arg(finding.column) : QString();
    if (m_checked->belongsToTree(finding) || finding.part.isEmpty())
        return lineColumn;
    // Another part of the package: named as check names it.
    const QString part = checker::escapedControls(finding.part);
    return lineColumn.isEmpty() ? part : part + u':' + lineColumn;
}

QString FindingsModel::messageText(int row) const
{
    const int findings = findingRows();
    if (row < findings)
        return displayLine(
            checker::describeFinding(m_checked->findings()[static_cast<std::size_t>(row)]));
    const auto note = static_cast<std::size_t>(row - findings);
    if (note < m_checked->notes().size())
        return displayLine(checker::describeNote(m_checked->notes()[note]));
    const long long unlisted = m_checked->unlisted();
    return tr("%n more finding(s) not listed", nullptr,
              static_cast<int>(std::min<long long>(unlisted, std::numeric_limits<int>::max())));
}

QVariant FindingsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !m_checked || index.row() >= rowCount())
        return {};
    const int row = index.row();
    const bool isFinding = row < findingRows();
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case SeverityColumn:
            return severityText(row);
        case PlaceColumn:
            return placeText(row);
        case MessageColumn:
            return messageText(row);
        }
        return {};
    case Qt::ToolTipRole:
        return index.column() == MessageColumn ? toolTipText(messageText(row)) : QVariant();
    case Qt::DecorationRole:
        if (index.column() != SeverityColumn || !isFinding)
            return {};
        return m_checked->findings()[static_cast<std::size_t>(row)].severity == Severity::Error
                   ? m_errorMark
                   : m_warningMark;
    case FindingRole:
        return isFinding ? QVariant::fromValue(row) : QVariant();
    default:
        return {};
    }
}

QVariant FindingsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case SeverityColumn:
        return tr("Severity");
    case PlaceColumn:
        return tr("Line:column");
    case MessageColumn:
        return tr("Message");
    }
    return {};
}

Qt::ItemFlags FindingsModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

} // namespace talpora
