#pragma once

#include "platform/files.h"

#include <QString>

// Converts the bitmap file `source` into the JPEG file `target`, at `quality` on a scale of 0 to
// 100. The target is replaced only when the whole picture could be written.
FileResult BmpToJpeg(const QString& source, const QString& target, int quality);
