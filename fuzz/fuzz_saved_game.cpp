// Any bytes as Spel.json: what is taken up is a game the model can play, whose moves can all be
// taken back and done again, and the program's own file of it reads back to the same file.
#include "core/saved_game.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<GameRecord> record =
        ReadSavedGame(QByteArrayView(data, static_cast<qsizetype>(size)));
    if (!record) {
        return 0;
    }
    const QByteArray file = SavedGameText(*record);
    const std::optional<GameRecord> again = ReadSavedGame(file);
    if (!again || SavedGameText(*again) != file) {
        std::abort();
    }
    GameModel model;
    const Stopwatch::Clock::time_point now{};
    model.TakeUp(*record, now);
    model.Resume(now);
    while (model.CanUndo()) {
        model.Undo();
    }
    while (model.CanRedo()) {
        model.Redo();
    }
    return 0;
}
