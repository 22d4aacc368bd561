#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace zorvel::artwork {

// A Windows icon file holding `images`, each square and at most 256 pixels wide, stored as PNG
// (which Windows reads in icon files since Vista), in the order given.
QByteArray IconFile(const QList<QImage>& images);

}  // namespace zorvel::artwork
