#pragma once

#include "viewer/core/DocumentCheck.h"
#include "viewer/ui/OwnedWindow.h"

#include <cstddef>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QTreeView;

namespace talpora {

class FindingsModel;
class OneLineLabel;

// The Findings window: what checking the document on screen found, one row
// per finding, beside the main window as the Scripts window is (owned, not
// modal, never taking the keyboard by appearing). Above the list, the
// application and version that identifiers are judged against; below it, a
// status line that says what they were judged against, or why the document
// is not checked. Activating a row (double click, Return) asks the main
// window to show the finding's element.
class FindingsWindow : public OwnedWindow
{
    Q_OBJECT

public:
    static constexpr QSize designClientSize{640, 260};

    explicit FindingsWindow(QWidget* owner);

    // Lists what a check found; the status line says what identifiers were
    // judged against, and a problem shown before goes.
    void showChecked(std::shared_ptr<const CheckedDocument> checked);
    // Empties the list while the document on screen is being checked.
    void showChecking();
    // Empties the list and says why the document on screen is not checked.
    void showNotChecked(CheckScope scope);
    // A problem with the document (it no longer loads) above the list, which
    // stays as it is; empty takes it away.
    void showProblem(const QString& text);
    void setStatusText(const QString& text);
    const std::shared_ptr<const CheckedDocument>& checked() const;

    CheckChoice choice() const;
    void setChoice(const CheckChoice& choice);

    // What the status line says identifiers were judged against.
    static QString judgedAgainstText(const CheckedDocument& checked);

    // The selected rows as talpora-cli check prints them, one line each
    // ("<file>[!<part>]:<line>:<column>: error: ..."): what Ctrl+C copies.
    QString selectedLines() const;

    // Makes the finding's row current and shows it, leaving the keyboard where it is.
    void selectFinding(std::size_t finding);
    std::optional<std::size_t> currentFinding() const;

    QTreeView* List1 = nullptr;
    QComboBox* applicationBox = nullptr;
    QComboBox* versionBox = nullptr;
    QLabel* problemLine = nullptr;
    OneLineLabel* statusLine = nullptr;

signals:
    void findingActivated(std::size_t finding);
    void currentFindingChanged(std::size_t finding);
    void choiceChanged(const talpora::CheckChoice& choice);
    // The window was closed (and goes away); hiding it is no closing.
    void closedByUser();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void rowActivated(const QModelIndex& index);
    void copySelection();
    void choiceEdited();

    FindingsModel* m_model = nullptr;
    bool m_settingChoice = false;
};

} // namespace talpora
