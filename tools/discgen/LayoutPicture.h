#pragma once

#include <QImage>
#include <QString>

namespace vistrel::discgen {

// The main window's map for skin authors: every element's rectangle outlined on the 699 x 432
// window and labelled with its name, its place and size in window pixels and the skin pictures
// it shows. Drawn at twice the window's size, with rulers, so that the labels can be read.
QImage drawLayoutPicture();

// The map as a PNG file (its folder made when missing); false (with the reason) on failure.
bool writeLayoutPicture(const QString& path, QString& error);

} // namespace vistrel::discgen
