// Any bytes as Sudoku.ini: the values come out sound, and the program's own file of them reads
// back to the same file.
#include "core/settings_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    GameState state;
    ReadSettingsFile(QByteArrayView(data, static_cast<qsizetype>(size)), state);
    if (state.Difficulty < MinDifficulty || state.Difficulty > MaxDifficulty) {
        std::abort();
    }
    for (const Rgb& colour : {state.DigitColour, state.HighlightColour}) {
        for (int component : {colour.red, colour.green, colour.blue}) {
            if (component < 0 || component > 255) {
                std::abort();
            }
        }
    }
    for (int r = 1; r <= 9; ++r) {
        if (state.PatternRows[r] != SoundPatternRow(state.PatternRows[r])) {
            std::abort();
        }
    }
    const QByteArray file = FormatSettingsFile(state);
    GameState again;
    ReadSettingsFile(file, again);
    if (FormatSettingsFile(again) != file) {
        std::abort();
    }
    return 0;
}
