#include "viewer/ui/OneLineLabel.h"

#include "viewer/ui/ToolTipText.h"

#include <QPainter>
#include <QStyle>

namespace talpora {

OneLineLabel::OneLineLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
}

void OneLineLabel::setFullText(const QString& text)
{
    setText(text);
    setToolTip(text.isEmpty() ? QString() : toolTipText(text));
}

QSize OneLineLabel::sizeHint() const
{
    const QMargins margins = contentsMargins();
    return {1, fontMetrics().height() + margins.top() + margins.bottom()};
}

QSize OneLineLabel::minimumSizeHint() const
{
    return sizeHint();
}

void OneLineLabel::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    const QRect area = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    style()->drawItemText(&painter, area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          palette(), isEnabled(), shown, foregroundRole());
}

} // namespace talpora
