// The game in progress kept in the data folder after every move, and taken up at the next start.
#include "core/saved_game.h"
#include "platform/background_writer.h"
#include "platform/files.h"
#include "ui/game/main_window.h"

#include <QLabel>

void Main::TakeUpKeptGame() {
    keptGame_ = std::make_unique<BackgroundWriter>(DataPath(SavedGameFileName));
    connect(keptGame_.get(), &BackgroundWriter::written, this,
            [this](const QString& failure) { files_.Written(keptGame_->Path(), failure); });
    keepTimer_.setSingleShot(true);
    keepTimer_.setInterval(0);
    connect(&keepTimer_, &QTimer::timeout, this, &Main::KeepGame);

    // An empty file is a game that was completed where its file could not be removed.
    if (const std::optional<QByteArray> text = files_.Read(keptGame_->Path());
        text && !text->isEmpty()) {
        if (const std::optional<GameRecord> record = ReadSavedGame(*text)) {
            model_.TakeUp(*record, Stopwatch::Clock::now());
            keptTicks_ = model_.ClockTicks();
            label2_->setText(ClockText(std::max(model_.ClockTicks(), 0LL)));
            stopWatch_.start();
        } else {
            board_.ShowInfo(
                QStringLiteral("Het bewaarde spel kon niet worden gelezen en is "
                               "overgeslagen."));
        }
    }
    // Whatever the game says changed is kept soon after, once for all that one step changed.
    const auto keep = [this] { keepTimer_.start(); };
    connect(&model_, &GameModel::laidOut, this, keep);
    connect(&model_, &GameModel::originChanged, this, keep);
    connect(&model_, &GameModel::cellChanged, this, keep);
    connect(&model_, &GameModel::cursorMoved, this, keep);
    connect(&model_, &GameModel::selectedNumberChanged, this, keep);
    connect(&model_, &GameModel::correctCountShown, this, keep);
    connect(&model_, &GameModel::historyChanged, this, keep);
    connect(&model_, &GameModel::pausedChanged, this, keep);
    connect(&model_, &GameModel::completed, this, keep);
}

void Main::KeepGame() {
    keepTimer_.stop();
    if (files_.LeftToAnotherCopy()) {
        return;
    }
    if (std::optional<GameRecord> record = model_.Record(Stopwatch::Clock::now())) {
        keptTicks_ = record->clockTicks;
        keptGame_->Write([record = std::move(*record)] { return SavedGameText(record); });
    } else if (model_.Completed()) {
        // A completed game is not taken up again.
        keptGame_->Remove();
    }
}

void Main::KeepGameNow() {
    // A game kept as it stands, its clock included, is not written again.
    if (keepTimer_.isActive() || model_.ClockTicks() != keptTicks_) {
        KeepGame();
    }
    keptGame_->Flush();
}
