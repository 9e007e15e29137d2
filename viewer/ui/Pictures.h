#pragma once

#include <QIcon>
#include <QString>
#include <array>

namespace talpora {

// Icons drawn from the SVG pictures compiled into the program at the size and
// device pixel ratio they are shown at; one picture serves every mode and state.
QIcon pictureIcon(const QString& svgResource);

// Pictures 1..4 of the tree's image list: globe, closed folder, open folder, books.
std::array<QIcon, 4> treePictures();
QIcon programIcon();
QIcon scriptWindowIcon();

} // namespace talpora
