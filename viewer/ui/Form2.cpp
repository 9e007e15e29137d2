#include "viewer/ui/Form2.h"

#include "viewer/ui/Fonts.h"
#include "viewer/ui/Pictures.h"

#include <QEvent>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

namespace talpora {

Form2::Form2(QWidget* owner) : OwnedWindow(owner)
{
    setObjectName(u"Form2"_s);
    setWindowTitle(u"Scripts"_s);
    setWindowIcon(scriptWindowIcon());
    setFont(smallTextFont(12));

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(u"Text1"_s);
    Text1->setAccessibleName(tr("Snippet"));
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette palette = Text1->palette();
    palette.setColor(QPalette::Text, QColor(0, 0, 192));
    palette.setColor(QPalette::Base, Qt::white);
    Text1->setPalette(palette);
    // Snippets are indented with tabs; four blanks per level reads well.
    Text1->setTabStopDistance(4 * Text1->fontMetrics().horizontalAdvance(QLatin1Char(' ')));

    setKeyboardTarget(Text1);

    resize(designClientSize);
    coverClientArea();
}

void Form2::setScriptText(const QString& text)
{
    // The text box tells screen readers of the new text itself.
    Text1->setPlainText(text);
}

void Form2::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    coverClientArea();
}

void Form2::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        coverClientArea();
}

void Form2::coverClientArea()
{
    if (isMinimized())
        return;
    Text1->setGeometry(0, 0, width(), height());
}

} // namespace talpora
