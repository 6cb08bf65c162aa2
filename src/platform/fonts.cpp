#include "platform/fonts.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

#include <cmath>

namespace {

// The family itself where the desktop has a font of that name, else the first of its stand-ins
// that it has. Asked for by a name it does not have, Qt would search every font on the system for
// the nearest, once for each such name.
QString InstalledFamily(const QString& family) {
    static QHash<QString, QString> installed;
    if (const auto known = installed.constFind(family); known != installed.cend()) {
        return *known;
    }
    const QStringList families = QFontDatabase::families();
    QString chosen = family;
    if (!families.contains(family, Qt::CaseInsensitive)) {
        for (const QString& standIn : QFont::substitutes(family)) {
            if (families.contains(standIn, Qt::CaseInsensitive)) {
                chosen = standIn;
                break;
            }
        }
    }
    installed.insert(family, chosen);
    return chosen;
}

}  // namespace

QFont PointFont(const QString& family, double points, bool bold) {
    QFont font(InstalledFamily(family));
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}

QFont DialogFont() {
    return PointFont(QStringLiteral("Arial"), 8.25);
}

void InstallFontSubstitutes() {
    QFont::insertSubstitutions(
        QStringLiteral("Arial"),
        QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("Comic Sans MS"),
        QStringList{QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("MS Sans Serif"),
        QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}
