#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace talpora {

// The script window: one editable text box showing the last customUI snippet.
// Created from its design whenever it is needed after the user closed it.
class Form2 : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize designClientSize{520, 235};

    // A window of its own, owned by `owner` as the window system sees it: it
    // stays above it and closes with it. Showing it leaves the keyboard where it was.
    explicit Form2(QWidget* owner);

    // Replaces the whole text, edits included.
    void setScriptText(const QString& text);
    QPlainTextEdit* Text1 = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void coverClientArea();
};

} // namespace talpora
