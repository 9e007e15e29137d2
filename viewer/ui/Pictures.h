#pragma once

#include <QIcon>
#include <QString>
#include <array>

namespace talpora {

// Icons drawn from the SVG pictures compiled into the program, rendered at
// 16, 32 and 48 pixels so that every size is crisp.
QIcon pictureIcon(const QString& svgResource);

// Pictures 1..4 of the tree's image list: globe, closed folder, open folder, books.
std::array<QIcon, 4> treePictures();
QIcon programIcon();
QIcon scriptWindowIcon();

} // namespace talpora
