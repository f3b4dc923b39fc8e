#pragma once

#include "app/check/CheckedDisc.h"
#include "app/check/DiscFindings.h"

#include <QImage>
#include <QSize>

#include <optional>

namespace vistrel {

struct PictureFile;

// Reads the pictures of one skin folder as the skin loader does and collects what is wrong.
class SkinPictures {
  public:
    SkinPictures(const CheckedDisc& disc, QString folder, Findings& findings);

    // The picture, or nothing (a missing required picture is an error, as it ends the program).
    std::optional<QImage> read(const QString& name, bool required = true);
    // Reads a picture shown unscaled from its place's top-left corner and compares the sizes.
    void readPlaced(const QString& name, QSize place);
    bool exists(const QString& name) const;
    QString relative(const QString& name) const;
    // A warning when the picture will be cut or leave part of its place empty.
    void compareSize(const QString& name, QSize size, QSize place);
    // The picture's doubled one, judged against the size the skin needs of the picture (a 1x
    // picture of the wrong size has been reported already).
    void checkHighDensity(const QString& name, QSize size, QSize needed);

    // A picture as read from any path (the disc's own title picture).
    static std::optional<QImage> readFile(const CheckedDisc& disc, const QString& path,
                                          Findings& findings);

  private:
    QString path(const QString& name) const;
    static std::optional<QImage> checked(const CheckedDisc& disc, const QString& path,
                                         const PictureFile& file, Findings& findings);
    static void checkHighDensity(const CheckedDisc& disc, const QString& path, QSize size,
                                 QSize needed, Findings& findings);

    const CheckedDisc& disc_;
    QString folder_;
    Findings& findings_;
};

} // namespace vistrel
