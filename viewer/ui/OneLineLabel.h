#pragma once

#include <QLabel>

namespace talpora {

// A label that always stays one line: a text wider than the label is cut at
// its end with "…", and the whole text is the label's tooltip, wrapped to a
// readable width. text() is the whole text.
class OneLineLabel : public QLabel
{
    Q_OBJECT

public:
    explicit OneLineLabel(QWidget* parent = nullptr);

    void setFullText(const QString& text);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace talpora
