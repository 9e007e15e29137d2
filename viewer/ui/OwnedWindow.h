#pragma once

#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <optional>

namespace talpora {

// A window of its own that belongs to the main window, as the Scripts window
// does: the window system keeps it above its owner (WM_TRANSIENT_FOR on X11,
// an owned window on Windows) and it closes with it; it is not modal and has
// the minimise and maximise buttons of a normal window.
//
// It never takes the keyboard by appearing: shown, refreshed or brought back
// with its owner, it leaves the keyboard with the window that had it. Only
// the user gives it the keyboard, by a click or by F6. It comes back where
// the user last put it, and screen readers see a window named by its title.
class OwnedWindow : public QWidget
{
    Q_OBJECT

public:
    explicit OwnedWindow(QWidget* owner);

    // Shows the window, normal and above its owner, where the user last put
    // it, leaving the keyboard where it is.
    void showWithoutKeyboard();
    // Gives the keyboard to the window's keyboard target, as F6 does.
    void takeKeyboard();
    // For a short while, hands an activation of this window to `window`: the
    // window system may activate it when something else closes (a dialog).
    void leaveKeyboardWith(QWidget* window);
    QWidget* keyboardTarget() const { return m_keyboardTarget; }

protected:
    // The control that gets the keyboard when the user moves it here.
    void setKeyboardTarget(QWidget* target);
    void moveEvent(QMoveEvent* event) override;
    bool event(QEvent* event) override;

private:
    QPointer<QWidget> m_keyboardTarget;
    // Where the window was last placed, by the user or the window system.
    std::optional<QPoint> m_place;
    // Just after the window was shown again: the place it must keep.
    std::optional<QPoint> m_placeToKeep;
    // While the window is being shown quietly: the window that keeps the keyboard.
    QPointer<QWidget> m_keyboardStaysWith;
};

} // namespace talpora
