#include "viewer/ui/OwnedWindow.h"

#include "viewer/ui/WindowStacking.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QMoveEvent>
#include <QTimer>

namespace talpora {

namespace {

// Window systems report the activation that a showing causes a little later;
// one that comes within this time is taken as the showing's, not the user's.
constexpr int quietShowingMilliseconds = 400;

// Without it screen readers see a plain widget's "client" (a filler on
// AT-SPI) rather than a window they can name and switch to.
QAccessibleInterface* ownedWindowAccessibleFactory(const QString& className, QObject* object)
{
    auto* window = qobject_cast<OwnedWindow*>(object);
    if (!window || className != QLatin1String(OwnedWindow::staticMetaObject.className()))
        return nullptr;
    return new QAccessibleWidget(window, QAccessible::Window);
}

void installOwnedWindowAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(ownedWindowAccessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace

// A dialog-type window is what the window system keeps above its owner; it
// keeps the minimise and maximise buttons of a normal window.
OwnedWindow::OwnedWindow(QWidget* owner)
    : QWidget(owner, Qt::Dialog | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint)
{
    installOwnedWindowAccessibility();
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
}

void OwnedWindow::setKeyboardTarget(QWidget* target)
{
    m_keyboardTarget = target;
    setFocusProxy(target);
}

void OwnedWindow::showWithoutKeyboard()
{
    // Some window systems activate a window that is shown or raised even when
    // it asks not to be (Wine does; the offscreen platform too): the
    // activation is handed back to the window that had the keyboard.
    if (QWidget* active = QApplication::activeWindow(); active && active != this)
        leaveKeyboardWith(active);
    // A position set by the program counts as the user's for the window
    // manager, which then keeps it instead of placing the window anew.
    if (m_place && !isVisible()) {
        // Some window managers place a window anew each time it is shown,
        // the program's position notwithstanding: the first move they make
        // is undone.
        move(*m_place);
        m_placeToKeep = m_place;
        QTimer::singleShot(quietShowingMilliseconds, this, [this] { m_placeToKeep.reset(); });
    }
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raiseWithoutActivating(this);
}

void OwnedWindow::leaveKeyboardWith(QWidget* window)
{
    m_keyboardStaysWith = window;
    QTimer::singleShot(quietShowingMilliseconds, this, [this, window = QPointer(window)] {
        if (m_keyboardStaysWith == window)
            m_keyboardStaysWith = nullptr;
    });
}

void OwnedWindow::takeKeyboard()
{
    m_keyboardStaysWith = nullptr;
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    if (m_keyboardTarget)
        m_keyboardTarget->setFocus(Qt::OtherFocusReason);
}

void OwnedWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    if (!isVisible() || isMinimized())
        return;
    if (m_placeToKeep) {
        if (pos() != *m_placeToKeep)
            move(*std::exchange(m_placeToKeep, std::nullopt));
        return;
    }
    m_place = pos();
}

bool OwnedWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && m_keyboardStaysWith &&
        m_keyboardStaysWith->isVisible()) {
        m_keyboardStaysWith->activateWindow();
    }
    return QWidget::event(event);
}

} // namespace talpora
