#include "viewer/ui/MenuSkin.h"

using namespace Qt::StringLiterals;

namespace talpora {

QString menuSkinStyleSheet()
{
    // Bar: white to light blue, black text (a style's own menu bar text may
    // be grey); hot item orange with a blue border; the item
    // whose menu is open paler blue. Drop-downs: navy border with a blue side
    // bar, highlighted item pale yellow with a blue border and dark-green
    // text, check marks on light orange with a blue border.
    return uR"(
QMenuBar {
    background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1,
                                stop: 0 rgb(255, 255, 255), stop: 1 rgb(165, 195, 255));
    border-bottom: 1px solid rgb(165, 195, 255);
}
QMenuBar::item {
    color: rgb(0, 0, 0);
    background: transparent;
    border: 1px solid transparent;
    padding: 3px 9px;
    margin: 1px 0px;
}
QMenuBar::item:selected {
    background: rgb(255, 128, 0);
    border: 1px solid rgb(0, 0, 255);
}
QMenuBar::item:pressed {
    background: rgb(198, 227, 255);
    border: 1px solid rgb(0, 0, 128);
}
QMenu {
    background: rgb(255, 255, 255);
    border: 1px solid rgb(0, 0, 128);
    border-left: 7px solid rgb(0, 0, 255);
    padding: 2px;
}
QMenu::item {
    color: rgb(0, 0, 0);
    background: transparent;
    border: 1px solid transparent;
    padding: 4px 28px 4px 26px;
}
QMenu::item:selected {
    background: rgb(255, 251, 198);
    border: 1px solid rgb(0, 0, 255);
    color: rgb(0, 64, 0);
}
QMenu::indicator {
    width: 14px;
    height: 14px;
    left: 5px;
}
QMenu::indicator:checked {
    background: rgb(239, 186, 123);
    border: 1px solid rgb(0, 0, 255);
    image: url(:/icons/check.svg);
}
)"_s;
}

} // namespace talpora
