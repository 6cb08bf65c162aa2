#include "platform/bmp_to_jpeg.h"

#include "platform/surface.h"

#include <QImage>

FileResult BmpToJpeg(const QString& source, const QString& target, int quality) {
    QImage picture;
    if (!picture.load(source, "BMP")) {
        return {QStringLiteral("De tijdelijke bitmap kon niet worden gelezen.")};
    }
    return WriteImageFile(target, picture, "jpeg", quality);
}
