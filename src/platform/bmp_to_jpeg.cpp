#include "platform/bmp_to_jpeg.h"

#include <QImage>
#include <QImageWriter>
#include <QSaveFile>

bool BmpToJpeg(const QString& source, const QString& target, int quality) {
    QImage picture;
    if (!picture.load(source, "BMP")) {
        return false;
    }
    QSaveFile file(target);
    // Where no file can be made beside the target, the target itself is written.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    QImageWriter writer(&file, "jpeg");
    writer.setQuality(quality);
    if (!writer.write(picture)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
