// Any bytes as Sudoku.ini: the values come out sound, and the program's own file of them reads
// back to the same file.
#include "core/settings_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    GameSettings settings;
    ReadSettingsFile(QByteArrayView(data, static_cast<qsizetype>(size)), settings);
    if (settings.Difficulty < MinDifficulty || settings.Difficulty > MaxDifficulty) {
        std::abort();
    }
    for (const Rgb& colour : {settings.DigitColour, settings.HighlightColour}) {
        for (int component : {colour.red, colour.green, colour.blue}) {
            if (component < 0 || component > 255) {
                std::abort();
            }
        }
    }
    for (int r = 1; r <= 9; ++r) {
        if (settings.PatternRows[r] != SoundPatternRow(settings.PatternRows[r])) {
            std::abort();
        }
    }
    const QByteArray file = FormatSettingsFile(settings);
    GameSettings again;
    ReadSettingsFile(file, again);
    if (FormatSettingsFile(again) != file) {
        std::abort();
    }
    return 0;
}
