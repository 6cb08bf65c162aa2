// Any bytes as a puzzle file: what is accepted is a complete, valid solution, and the program's
// own file of it is 99 bytes that read back to the same grid.
#include "core/base_grids.h"
#include "core/puzzle_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<Grid> grid = ReadPuzzleFile(bytes);
    // Any name made of the same bytes either passes the name check or is refused; it must not
    // crash it.
    IsPlainPuzzleName(QString::fromUtf8(bytes));
    if (!grid) {
        return 0;
    }
    if (!IsValidSolution(*grid)) {
        std::abort();
    }
    const QByteArray file = PuzzleFileBytes(*grid);
    if (file.size() != PuzzleFileSize || ReadPuzzleFile(file) != grid) {
        std::abort();
    }
    return 0;
}
