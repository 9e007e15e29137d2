#pragma once

#include "viewer/ui/OwnedWindow.h"

class QPlainTextEdit;

namespace talpora {

// The script window: one editable text box showing the last customUI snippet.
// Created from its design whenever it is needed after the user closed it.
class Form2 : public OwnedWindow
{
    Q_OBJECT

public:
    static constexpr QSize designClientSize{520, 235};

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
