#include "platform/sound.h"

#include <QFileInfo>
#include <QHash>
#include <QSoundEffect>
#include <QUrl>

namespace {

std::function<void(const QString&)>& Listener() {
    static std::function<void(const QString&)> listener;
    return listener;
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
    // One effect per file, made when it is first needed: the sound device is opened only by a
    // game that plays sounds.
    static QHash<QString, QSoundEffect*> effects;
    QSoundEffect*& effect = effects[path];
    if (!effect) {
        effect = new QSoundEffect();
        effect->setSource(QUrl::fromLocalFile(path));
    }
    effect->play();
}
