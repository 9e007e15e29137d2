#include "ModalDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace talpora::test {

namespace {

QStringList cutOffTexts(const QWidget* dialog)
{
    QStringList cut;
    for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        if (button->isVisible() && button->width() < button->sizeHint().width())
            cut.append(button->text());
    }
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        if (label->isVisible() && !label->wordWrap() && label->width() < label->sizeHint().width())
            cut.append(label->text());
    }
    const QScreen* screen = dialog->screen();
    if (screen && (dialog->frameGeometry().width() > screen->availableGeometry().width() ||
                   dialog->frameGeometry().height() > screen->availableGeometry().height()))
        cut.append(dialog->windowTitle());
    return cut;
}

} // namespace

QList<ModalDialogs*> ModalDialogs::s_alive;

ModalDialogs::ModalDialogs(Answer answer, std::optional<QString> typed, QString chosenFile)
    : m_answer(answer), m_typed(std::move(typed)), m_chosenFile(std::move(chosenFile))
{
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &ModalDialogs::closeActiveModal);
    m_timer.start();
    s_alive.append(this);
}

ModalDialogs::~ModalDialogs()
{
    s_alive.removeOne(this);
}

void ModalDialogs::closeActiveModal()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || s_alive.constLast() != this)
        return;
    SeenDialog seen;
    seen.kind = QString::fromLatin1(modal->metaObject()->className());
    seen.title = modal->windowTitle();
    const bool accept = m_answer == Answer::Accept;

    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        seen.kind = u"message"_s;
        seen.text = box->text();
        seen.icon = box->icon();
        seen.textFormat = box->textFormat();
        seen.standardButtons = box->standardButtons();
        for (QAbstractButton* button : box->buttons())
            seen.buttons.append(button->text());
        seen.cutOff = cutOffTexts(box);
        m_seen.append(seen);
        if (accept && !box->buttons().isEmpty())
            box->buttons().constFirst()->click();
        else
            box->reject();
    } else if (auto* input = qobject_cast<QInputDialog*>(modal)) {
        seen.kind = u"input"_s;
        seen.text = input->labelText();
        seen.value = input->textValue();
        seen.items = input->comboBoxItems();
        seen.cutOff = cutOffTexts(input);
        m_seen.append(seen);
        if (accept && m_typed)
            input->setTextValue(*m_typed);
        accept ? input->accept() : input->reject();
    } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
        seen.kind = u"file"_s;
        seen.nameFilters = files->nameFilters();
        m_seen.append(seen);
        if (accept)
            files->selectFile(m_chosenFile);
        // QFileDialog::accept() is protected; through QDialog it still checks the choice.
        QDialog* dialog = files;
        accept ? dialog->accept() : dialog->reject();
    } else {
        m_seen.append(seen);
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    }
}

} // namespace talpora::test
