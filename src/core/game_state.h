#pragma once

#include <QString>

#include <array>
#include <cstdint>

// A 9 x 9 grid of digits addressed (column, row), both 1..9; 0 is an empty cell.
// Index 0 of either axis exists but is never used.
class Grid {
  public:
    std::uint8_t& operator()(int column, int row) { return cells_[column][row]; }
    std::uint8_t operator()(int column, int row) const { return cells_[column][row]; }
    bool operator==(const Grid&) const = default;

  private:
    std::array<std::array<std::uint8_t, 10>, 10> cells_{};
};

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

// Everything the game knows about the current game and its settings, owned by the game window
// and handed by reference to whoever needs it.
struct GameState {
    Grid SolutionGrid;
    Grid BoardGrid;
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

    bool GameActive = false;
    int SelectedNumber = 0;
    int FilledCount = 0;
    long long ClockTicks = 0;
    QString FinalTime;
    // The completion of a game is celebrated once; a newly laid out puzzle clears this.
    bool Completed = false;
};
