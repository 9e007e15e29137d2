#include "viewer/ui/FindingsWindow.h"

#include "catalogue/OfficeTargets.h"
#include "checker/FindingTexts.h"
#include "viewer/ui/FindingsModel.h"
#include "viewer/ui/Fonts.h"
#include "viewer/ui/OneLineLabel.h"
#include "viewer/ui/Pictures.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QShortcut>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace talpora {

namespace {

using catalogue::Application;
using catalogue::VersionSet;

QString nameOf(Application application)
{
    const std::string_view name = catalogue::applicationName(application);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

FindingsWindow::FindingsWindow(QWidget* owner) : OwnedWindow(owner)
{
    setObjectName(u"FindingsWindow"_s);
    setWindowTitle(tr("Findings"));
    setWindowIcon(errorMark());
    setFont(smallTextFont(12));

    applicationBox = new QComboBox(this);
    applicationBox->setObjectName(u"applicationBox"_s);
    //: Identifiers are judged against what check chooses without --app
    applicationBox->addItem(tr("Automatic"));
    for (const Application application : catalogue::allApplications)
        applicationBox->addItem(nameOf(application), static_cast<int>(application));
    versionBox = new QComboBox(this);
    versionBox->setObjectName(u"versionBox"_s);
    versionBox->addItem(tr("All versions"));
    for (const std::string_view version : catalogue::versionNames) {
        const QString name = QString::fromLatin1(version.data(), qsizetype(version.size()));
        versionBox->addItem(name, name);
    }
    auto* applicationLabel = new QLabel(tr("&Application:"), this);
    applicationLabel->setBuddy(applicationBox);
    auto* versionLabel = new QLabel(tr("&Version:"), this);
    versionLabel->setBuddy(versionBox);

    m_model = new FindingsModel(this);
    List1 = new QTreeView(this);
    List1->setObjectName(u"List1"_s);
    List1->setAccessibleName(tr("Findings"));
    List1->setModel(m_model);
    List1->setRootIsDecorated(false);
    List1->setItemsExpandable(false);
    List1->setUniformRowHeights(true); // ten thousand rows lay out at once
    List1->setAllColumnsShowFocus(true);
    List1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    List1->setSelectionBehavior(QAbstractItemView::SelectRows);
    List1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List1->setTextElideMode(Qt::ElideRight);
    QHeaderView* header = List1->header();
    header->setStretchLastSection(true);
    header->setSectionsMovable(false);
    // Sized from the texts they hold, not by measuring every row.
    const QFontMetrics metrics(List1->font());
    const int iconRoom = List1->iconSize().isValid() ? List1->iconSize().width() : 16;
    header->resizeSection(FindingsModel::SeverityColumn,
                          iconRoom + metrics.horizontalAdvance(tr("warning")) + 24);
    const QFontMetrics headerMetrics(header->font());
    header->resizeSection(
        FindingsModel::PlaceColumn,
        std::max(metrics.horizontalAdvance(u"00000:000"_s),
                 headerMetrics.horizontalAdvance(
                     m_model->headerData(FindingsModel::PlaceColumn, Qt::Horizontal).toString())) +
            16);

    problemLine = new QLabel(this);
    problemLine->setObjectName(u"problemLine"_s);
    problemLine->setTextFormat(Qt::PlainText);
    problemLine->setWordWrap(true);
    QPalette problemPalette = problemLine->palette();
    problemPalette.setColor(QPalette::WindowText, QColor(176, 0, 0));
    problemLine->setPalette(problemPalette);
    problemLine->hide();

    statusLine = new OneLineLabel(this);
    statusLine->setObjectName(u"statusLine"_s);
    statusLine->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    auto* choosers = new QHBoxLayout;
    choosers->addWidget(applicationLabel);
    choosers->addWidget(applicationBox);
    choosers->addSpacing(12);
    choosers->addWidget(versionLabel);
    choosers->addWidget(versionBox);
    choosers->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 4);
    layout->setSpacing(4);
    layout->addLayout(choosers);
    layout->addWidget(problemLine);
    layout->addWidget(List1, 1);
    layout->addWidget(statusLine);

    // The list has the keyboard whenever the window has it; Tab reaches the choosers.
    setKeyboardTarget(List1);
    setTabOrder(List1, applicationBox);
    setTabOrder(applicationBox, versionBox);

    connect(List1, &QAbstractItemView::activated, this, &FindingsWindow::rowActivated);
    auto* copy =
        new QShortcut(QKeySequence::Copy, List1, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(copy, &QShortcut::activated, this, &FindingsWindow::copySelection);
    connect(List1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                const QVariant finding = current.data(FindingsModel::FindingRole);
                if (finding.isValid())
                    emit currentFindingChanged(static_cast<std::size_t>(finding.toInt()));
            });
    connect(applicationBox, &QComboBox::currentIndexChanged, this, &FindingsWindow::choiceEdited);
    connect(versionBox, &QComboBox::currentIndexChanged, this, &FindingsWindow::choiceEdited);

    resize(designClientSize);
}

void FindingsWindow::showChecked(std::shared_ptr<const CheckedDocument> checked)
{
    const QString status = checked ? judgedAgainstText(*checked) : QString();
    m_model->setChecked(std::move(checked));
    showProblem({});
    setStatusText(status);
}

void FindingsWindow::showChecking()
{
    m_model->setChecked(nullptr);
    setStatusText(tr("Checking…"));
}

void FindingsWindow::showNotChecked(CheckScope scope)
{
    m_model->setChecked(nullptr);
    showProblem({});
    switch (scope) {
    case CheckScope::Checked:
        return;
    case CheckScope::NoDocument:
        setStatusText(tr("No customUI document is open."));
        return;
    case CheckScope::Catalogue:
        setStatusText(tr("Catalogue documents list Office's own controls; they are not checked."));
        return;
    case CheckScope::NotCustomUi:
        setStatusText(tr("Not checked: the root of this file is not customUI in either customUI "
                         "namespace."));
        return;
    }
}

void FindingsWindow::showProblem(const QString& text)
{
    problemLine->setText(text);
    problemLine->setVisible(!text.isEmpty());
}

void FindingsWindow::setStatusText(const QString& text)
{
    statusLine->setFullText(text);
}

const std::shared_ptr<const CheckedDocument>& FindingsWindow::checked() const
{
    return m_model->checked();
}

QString FindingsWindow::judgedAgainstText(const CheckedDocument& checked)
{
    const checker::JudgedAgainst& judged = checked.judged();
    QString text;
    if (!judged.application)
        text = tr("Identifiers checked against Access, Excel, PowerPoint and Word");
    else if (checked.choice().application)
        text = tr("Identifiers checked against %1, as chosen").arg(nameOf(*judged.application));
    else if (judged.assumed)
        text = tr("Identifiers checked against %1, assumed from the file's identifiers")
                   .arg(nameOf(*judged.application));
    else
        text = tr("Identifiers checked against %1, the package's kind")
                   .arg(nameOf(*judged.application));
    if (checked.choice().versions.bits != VersionSet::all().bits)
        //: %1 says what identifiers were checked against, %2 the Office version
        text = tr("%1, in Office %2")
                   .arg(text,
                        QString::fromStdString(catalogue::versionList(checked.choice().versions)));
    return text;
}

CheckChoice FindingsWindow::choice() const
{
    CheckChoice choice;
    const QVariant application = applicationBox->currentData();
    if (application.isValid())
        choice.application = static_cast<Application>(application.toInt());
    const QByteArray version = versionBox->currentData().toString().toLatin1();
    if (const std::optional<VersionSet> versions = catalogue::versionFromName(
            std::string_view(version.constData(), static_cast<std::size_t>(version.size()))))
        choice.versions = *versions;
    return choice;
}

void FindingsWindow::setChoice(const CheckChoice& choice)
{
    m_settingChoice = true;
    applicationBox->setCurrentIndex(
        choice.application ? applicationBox->findData(static_cast<int>(*choice.application)) : 0);
    int version = 0;
    for (int item = 1; item < versionBox->count(); ++item) {
        const QByteArray name = versionBox->itemData(item).toString().toLatin1();
        const std::optional<VersionSet> versions = catalogue::versionFromName(
            std::string_view(name.constData(), static_cast<std::size_t>(name.size())));
        if (versions && versions->bits == choice.versions.bits)
            version = item;
    }
    versionBox->setCurrentIndex(version);
    m_settingChoice = false;
}

QString FindingsWindow::selectedLines() const
{
    const std::shared_ptr<const CheckedDocument>& checked = m_model->checked();
    if (!checked)
        return {};
    QModelIndexList rows = List1->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end());
    const QString file = QDir::toNativeSeparators(checked->source().path);
    const auto findings = static_cast<int>(checked->findings().size());
    const auto notes = static_cast<int>(checked->notes().size());
    QString lines;
    for (const QModelIndex& row : rows) {
        if (row.row() < findings)
            lines += checker::formatFinding(
                file, checked->findings()[static_cast<std::size_t>(row.row())]);
        else if (row.row() < findings + notes)
            lines += checker::formatNote(
                file, checked->notes()[static_cast<std::size_t>(row.row() - findings)]);
        else
            lines += row.siblingAtColumn(FindingsModel::MessageColumn).data().toString();
        lines += u'\n';
    }
    return lines;
}

void FindingsWindow::copySelection()
{
    const QString lines = selectedLines();
    if (!lines.isEmpty())
        QGuiApplication::clipboard()->setText(lines);
}

void FindingsWindow::selectFinding(std::size_t finding)
{
    const QModelIndex row = m_model->index(static_cast<int>(finding), 0);
    if (!row.isValid())
        return;
    List1->selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect |
                                                      QItemSelectionModel::Rows);
    List1->scrollTo(row);
}

std::optional<std::size_t> FindingsWindow::currentFinding() const
{
    const QVariant finding = List1->currentIndex().data(FindingsModel::FindingRole);
    if (!finding.isValid())
        return std::nullopt;
    return static_cast<std::size_t>(finding.toInt());
}

void FindingsWindow::closeEvent(QCloseEvent* event)
{
    OwnedWindow::closeEvent(event);
    if (event->isAccepted())
        emit closedByUser();
}

void FindingsWindow::rowActivated(const QModelIndex& index)
{
    const QVariant finding = index.data(FindingsModel::FindingRole);
    if (finding.isValid())
        emit findingActivated(static_cast<std::size_t>(finding.toInt()));
}

void FindingsWindow::choiceEdited()
{
    if (!m_settingChoice)
        emit choiceChanged(choice());
}

} // namespace talpora
