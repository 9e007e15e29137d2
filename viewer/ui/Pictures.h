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

// The marks of an error and of a warning, on their own.
QIcon errorMark();
QIcon warningMark();
// `picture` with `mark` over its lower right quarter, drawn at any size.
QIcon markedPicture(const QIcon& picture, const QIcon& mark);

} // namespace talpora
