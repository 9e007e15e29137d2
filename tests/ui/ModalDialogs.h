#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <optional>

namespace talpora::test {

// What one modal dialog showed before it was closed.
struct SeenDialog
{
    QString kind; // "message", "input", "file" or the dialog's class name
    QString title;
    QString text;      // message box text, input box prompt
    QString value;     // input box default text, or the item it proposes
    QStringList items; // the items an input box offers to choose from
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::TextFormat textFormat = Qt::AutoText;
    QMessageBox::StandardButtons standardButtons;
    QStringList buttons;     // message box button texts
    QStringList nameFilters; // file dialog
    // Texts of a message or input box that do not fit: a button or an unwrapped
    // label narrower than its text, the box's title when it is larger than the screen.
    QStringList cutOff;
};

// While it lives, every modal dialog that opens is recorded and closed at
// once, so a test never blocks on one; a dialog that should have opened and
// did not shows up as a missing entry in seen(). When several live at once,
// the one made last answers.
class ModalDialogs : public QObject
{
    Q_OBJECT

public:
    enum class Answer
    {
        Accept, // OK; an input box first takes `typed`, a file dialog `chosenFile`
        Reject  // Cancel, or the close button of a message box
    };

    explicit ModalDialogs(Answer answer = Answer::Accept, std::optional<QString> typed = {},
                          QString chosenFile = {});
    ~ModalDialogs() override;
    ModalDialogs(const ModalDialogs&) = delete;
    ModalDialogs& operator=(const ModalDialogs&) = delete;

    const QList<SeenDialog>& seen() const { return m_seen; }

private:
    void closeActiveModal();

    Answer m_answer;
    std::optional<QString> m_typed;
    QString m_chosenFile;
    QList<SeenDialog> m_seen;
    QTimer m_timer;
    static QList<ModalDialogs*> s_alive;
};

} // namespace talpora::test
