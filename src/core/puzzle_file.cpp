#include "core/puzzle_file.h"

#include "core/base_grids.h"
#include "solver/solver_engine.h"

#include <QFile>

namespace {

constexpr int MaxFileNameBytes = 255;

bool IsDigit(char ch) {
    return ch >= '1' && ch <= '9';
}

}  // namespace

std::optional<Grid> GridFromCellTexts(const CellTexts& texts) {
    Grid grid;
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            const QString& text = texts[solver::CellNumberAt(c, r)];
            if (text.size() != 1 || !IsDigit(text[0].toLatin1())) {
                return std::nullopt;
            }
            grid(c, r) = static_cast<std::uint8_t>(text[0].toLatin1() - '0');
        }
    }
    return grid;
}

QByteArray PuzzleFileBytes(const Grid& grid) {
    QByteArray bytes;
    bytes.reserve(PuzzleFileSize);
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            bytes += static_cast<char>('0' + grid(c, r));
        }
        bytes += "\r\n";
    }
    return bytes;
}

std::optional<Grid> ReadPuzzleFile(QByteArrayView bytes) {
    Grid grid;
    qsizetype at = 0;
    for (int r = 1; r <= 9; ++r) {
        if (at >= bytes.size()) {
            return std::nullopt;
        }
        // A line ends at LF, with or without CR before it; the last may end with the file.
        qsizetype end = bytes.indexOf('\n', at);
        if (end < 0) {
            end = bytes.size();
        }
        const QByteArrayView line = bytes.sliced(at, end - at);
        if (line.size() < 9) {
            return std::nullopt;
        }
        for (int c = 1; c <= 9; ++c) {
            const char ch = line[c - 1];
            if (!IsDigit(ch)) {
                return std::nullopt;
            }
            grid(c, r) = static_cast<std::uint8_t>(ch - '0');
        }
        at = end + 1;
    }
    if (!IsValidSolution(grid)) {
        return std::nullopt;
    }
    return grid;
}

bool IsPlainPuzzleName(const QString& name) {
    if (name.trimmed().isEmpty() || name == u"." || name == u".." || !name.isValidUtf16()) {
        return false;
    }
    for (const QChar ch : name) {
        if (ch == u'/' || ch == u'\\' || ch.category() == QChar::Other_Control) {
            return false;
        }
    }
    return QFile::encodeName(name + PuzzleExtension).size() <= MaxFileNameBytes;
}
