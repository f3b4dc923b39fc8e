#pragma once

#include <QString>
#include <QStringList>

namespace vistrel {

// A kind of media file as the framework tells it by its content, with the extensions files of
// that kind go by (the usual one first).
struct MediaContainer {
    QString type; // as MediaFacts::container names it
    QString name; // as an author knows it
    QStringList extensions;
};

// The container a media type names; null for one not known here.
const MediaContainer* findMediaContainer(const QString& type);

// Whether the file's name ends in one of the container's extensions (letter case ignored).
bool isNamedAs(const QString& fileName, const MediaContainer& container);

} // namespace vistrel
