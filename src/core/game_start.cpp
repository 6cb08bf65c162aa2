#include "core/game_start.h"

#include <QJsonArray>
#include <QStringList>

#include <algorithm>
#include <array>

namespace {

// In the order of PuzzleSource.
constexpr std::array<const char*, 4> Sources{"drawn", "pattern", "loaded", "daily"};

struct Named {
    const char* key;
    const char* words;
};

// In the order of the bits of Help.
constexpr std::array<Named, 4> Helps{{
    {"hint", "Hint"},
    {"solution", "Oplossing"},
    {"next-step", "Volgende stap"},
    {"candidates", "Kandidaten invullen"},
}};

Help HelpAt(std::size_t i) {
    return static_cast<Help>(1 << i);
}

// The names of the help used: their keys in the files or their words.
QStringList Names(HelpUsed help, const char* Named::*name) {
    QStringList names;
    for (std::size_t i = 0; i < Helps.size(); ++i) {
        if (help.testFlag(HelpAt(i))) {
            names << QString::fromLatin1(Helps[i].*name);
        }
    }
    return names;
}

}  // namespace

GameStart BeginNow(PuzzleSource source, QDate day) {
    return {source, day, QDateTime::currentDateTimeUtc()};
}

void WriteStart(QJsonObject& object, const GameStart& start, HelpUsed help) {
    if (start.begun.isValid()) {
        object[u"puzzle"] = QString::fromLatin1(Sources[static_cast<std::size_t>(start.source)]);
        object[u"begun"] = start.begun.toUTC().toString(Qt::ISODateWithMs);
        if (start.source == PuzzleSource::Daily) {
            object[u"day"] = start.day.toString(Qt::ISODate);
        }
    }
    object[u"help"] = QJsonArray::fromStringList(Names(help, &Named::key));
}

std::optional<std::pair<GameStart, HelpUsed>> ReadStart(const QJsonObject& object) {
    GameStart start;
    if (object.contains(u"begun")) {
        const QString source = object[u"puzzle"].toString();
        const auto known = std::find_if(Sources.begin(), Sources.end(), [&source](const char* key) {
            return source == QLatin1String(key);
        });
        start.begun = QDateTime::fromString(object[u"begun"].toString(), Qt::ISODateWithMs);
        if (known == Sources.end() || !start.begun.isValid()) {
            return std::nullopt;
        }
        start.source = static_cast<PuzzleSource>(known - Sources.begin());
        if (start.source == PuzzleSource::Daily) {
            start.day = QDate::fromString(object[u"day"].toString(), Qt::ISODate);
            if (!start.day.isValid()) {
                return std::nullopt;
            }
        }
    }
    HelpUsed help;
    for (const QJsonValue& value : object[u"help"].toArray()) {
        const auto i = std::find_if(Helps.begin(), Helps.end(), [&value](const Named& named) {
            return value.toString() == QLatin1String(named.key);
        });
        if (i == Helps.end()) {
            return std::nullopt;
        }
        help |= HelpAt(static_cast<std::size_t>(i - Helps.begin()));
    }
    return std::pair(start, help);
}

QString Congratulation(HelpUsed help) {
    QStringList words = Names(help, &Named::words);
    if (words.isEmpty()) {
        return QStringLiteral("Gefeliciteerd met het oplossen van de puzzel...");
    }
    const QString last = words.takeLast();
    return QStringLiteral("Gefeliciteerd met het oplossen van de puzzel, met hulp opgelost (%1)...")
        .arg(words.isEmpty() ? last
                             : words.join(QStringLiteral(", ")) + QStringLiteral(" en ") + last);
}
