// Saving the board as a picture.
#include "ui/game/main_window.h"

#include "platform/bmp_to_jpeg.h"
#include "platform/file_dialog.h"
#include "platform/files.h"
#include "platform/message_box.h"

#include <QFile>

void Main::Save_Click(int index) {
    const bool jpeg = index == 1;
    const QString file = SaveFileDialog(this, jpeg ? QStringLiteral("Jpg format (*.jpg)")
                                                   : QStringLiteral("Bitmap format (*.bmp)"));
    if (file.isEmpty()) {
        return;
    }
    // The picture is the drawn image of the play board: the solution board, the highlight square
    // and the hint lie beside it or on top of it and are never part of it.
    if (!jpeg) {
        if (!pic_.Save(file, "BMP")) {
            MessageBox(this, QStringLiteral("Fout bij het saven naar BMP!"));
        }
        return;
    }
    const QString dummy = DataPath(QStringLiteral("mydummy.bmp"));
    const bool converted =
        pic_.Save(dummy, "BMP") && FileExists(dummy) && BmpToJpeg(dummy, file, 80);
    QFile::remove(dummy);
    if (!converted) {
        MessageBox(this, QStringLiteral("Fout bij het saven naar JPG!"));
    }
}
