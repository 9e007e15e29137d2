#pragma once

#include "viewer/core/DocumentCheck.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <memory>

namespace talpora {

// The rows of the Findings window over what a check found: one per finding
// (severity, place, message, in the checker's order), then one per note
// (findings held back, no customUI part) and one for findings beyond the
// list's limit. Texts are worded when a row is drawn, in the language of the
// installed translation, so ten thousand findings cost nothing until seen.
class FindingsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        SeverityColumn,
        PlaceColumn,
        MessageColumn,
        ColumnCount
    };
    enum Role
    {
        FindingRole = Qt::UserRole + 1, // the finding's index; none on other rows
    };

    explicit FindingsModel(QObject* parent = nullptr);

    void setChecked(std::shared_ptr<const CheckedDocument> checked);
    const std::shared_ptr<const CheckedDocument>& checked() const { return m_checked; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QString severityText(int row) const;
    QString placeText(int row) const;
    QString messageText(int row) const;
    int findingRows() const;
    int noteRows() const;

    std::shared_ptr<const CheckedDocument> m_checked;
    QIcon m_errorMark;
    QIcon m_warningMark;
};

} // namespace talpora
