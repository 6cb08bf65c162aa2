#include "platform/sound.h"

#include "platform/files.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace {

std::function<void(const QString&)>& Listener() {
    static std::function<void(const QString&)> listener;
    return listener;
}

using Player = void (*)(const QString&);

// The sound module lies beside the executable; it is loaded when the first sound is played.
Player LoadPlayer() {
    for (const QString& folder : {QCoreApplication::applicationDirPath(), ProgramFolder()}) {
        QLibrary module(folder + QStringLiteral("/libsudoku_sound"));
        if (auto player = reinterpret_cast<Player>(module.resolve("SudokuPlayWave"))) {
            return player;
        }
    }
    return nullptr;
}

}  // namespace

void SetWaveListener(std::function<void(const QString&)> listener) {
    Listener() = std::move(listener);
}

void PlayWave(const QString& path) {
    if (Listener()) {
        Listener()(path);
        return;
    }
    if (!QFileInfo(path).isFile()) {
        return;
    }
    // Without the module the game goes on in silence.
    static const Player player = LoadPlayer();
    if (player) {
        player(path);
    }
}
