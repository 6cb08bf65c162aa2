// The player of the game's sounds, a module of its own: Qt's multimedia libraries bring some
// twenty more libraries with them, and a game started without sounds need not load any of them.
#include <QCoreApplication>
#include <QHash>
#include <QSoundEffect>
#include <QString>
#include <QUrl>

extern "C" Q_DECL_EXPORT void SudokuPlayWave(const QString& path) {
    // One effect per file, kept until the application object goes.
    static QHash<QString, QSoundEffect*> effects;
    QSoundEffect*& effect = effects[path];
    if (!effect) {
        effect = new QSoundEffect(QCoreApplication::instance());
        effect->setSource(QUrl::fromLocalFile(path));
    }
    effect->play();
}
