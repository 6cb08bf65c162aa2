#pragma once

#include <QString>

#include <array>

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    // The single-number form: red + 256 x green + 65536 x blue.
    int Value() const { return red + 256 * green + 65536 * blue; }
    bool operator==(const Rgb&) const = default;
};

inline constexpr int MinDifficulty = 2;
inline constexpr int MaxDifficulty = 8;
inline const QString EmptyPatternRow = QStringLiteral("000000000");

// The player's settings, owned by the game window and handed by reference to the dialogs that
// change them.
struct GameSettings {
    // Rows 1..9 of nine characters "0"/"1": character c of row r is "1" when cell (c, r) is to be
    // given. Entry 0 is not used.
    std::array<QString, 10> PatternRows{{{},
                                         EmptyPatternRow,
                                         EmptyPatternRow,
                                         EmptyPatternRow,
                                         EmptyPatternRow,
                                         EmptyPatternRow,
                                         EmptyPatternRow,
                                         EmptyPatternRow,
                                         EmptyPatternRow,
                                         EmptyPatternRow}};
    bool UsePattern = false;
    int Difficulty = 3;
    bool CheckMoves = false;
    Rgb DigitColour{190, 0, 0};
    Rgb HighlightColour{255, 0, 0};

    // Switches beside the classic settings, kept in a file of their own.
    // New puzzles drawn by chance have one solution, found by reasoning alone.
    bool OnlyUniquePuzzles = true;
    // The givens drawn by chance are symmetric under a half turn of the board.
    bool SymmetricGivens = true;
    // Numbers that repeat in a row, column or block are marked on the screen.
    bool ShowDuplicates = true;
    // The cells holding the chosen number, or the number under the cursor, are lit on the screen.
    bool HighlightMatches = true;
};

// A switch of the settings: its key in the preferences file and its check box's caption.
struct SettingSwitch {
    const char* key;
    const char* caption;
    bool GameSettings::*value;
};

inline constexpr std::array<SettingSwitch, 4> SettingSwitches{{
    {"AlleenUniek", "Alleen puzzels met \u00e9\u00e9n oplossing", &GameSettings::OnlyUniquePuzzles},
    {"DubbeleGetallen", "Dubbele getallen tonen", &GameSettings::ShowDuplicates},
    {"ZelfdeGetallen", "Zelfde getallen oplichten", &GameSettings::HighlightMatches},
    {"Symmetrisch", "Vaste getallen symmetrisch (halve draai)", &GameSettings::SymmetricGivens},
}};
