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
    // A failure names the file it befell and why; an old file of the chosen name stays whole.
    if (!jpeg) {
        if (const FileResult saved = pic_.Save(file, "BMP"); !saved) {
            FileFailureBox(this, QStringLiteral("Fout bij het saven naar BMP!"), file,
                           saved.failure);
        }
        return;
    }
    const QString dummy = DataPath(QStringLiteral("mydummy.bmp"));
    QString failed = dummy;
    FileResult converted = pic_.Save(dummy, "BMP");
    if (converted && FileExists(dummy)) {
        failed = file;
        converted = BmpToJpeg(dummy, file, 80);
    }
    QFile::remove(dummy);
    if (!converted) {
        FileFailureBox(this, QStringLiteral("Fout bij het saven naar JPG!"), failed,
                       converted.failure);
    }
}
