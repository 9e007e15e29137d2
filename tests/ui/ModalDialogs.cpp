#include "ModalDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>

using namespace Qt::StringLiterals;

namespace talpora::test {

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
        m_seen.append(seen);
        if (accept && !box->buttons().isEmpty())
            box->buttons().constFirst()->click();
        else
            box->reject();
    } else if (auto* input = qobject_cast<QInputDialog*>(modal)) {
        seen.kind = u"input"_s;
        seen.text = input->labelText();
        seen.value = input->textValue();
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
