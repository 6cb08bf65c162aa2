#include "core/settings_file.h"

#include "core/records.h"

#include <algorithm>

namespace {

const QString Separator = QStringLiteral("---------------------------");

bool ReadColour(RecordReader& reader, Rgb& colour) {
    for (int* component : {&colour.red, &colour.green, &colour.blue}) {
        const std::optional<long long> value = reader.NextNumber();
        if (!value) {
            return false;
        }
        *component = static_cast<int>(std::clamp(*value, 0LL, 255LL));
    }
    return true;
}

void WriteColour(RecordWriter& writer, const Rgb& colour) {
    writer.Number(colour.red).Number(colour.green).Number(colour.blue).EndRecord();
}

}  // namespace

QString SoundPatternRow(const QString& row) {
    QString sound = EmptyPatternRow;
    for (int c = 0; c < 9 && c < row.size(); ++c) {
        if (row[c] == u'1') {
            sound[c] = u'1';
        }
    }
    return sound;
}

void ReadSettingsFile(QByteArrayView text, GameSettings& settings) {
    RecordReader reader(text);
    for (int r = 1; r <= 9; ++r) {
        const std::optional<QString> row = reader.NextText();
        if (!row) {
            return;
        }
        settings.PatternRows[r] = SoundPatternRow(*row);
    }
    if (!reader.NextText()) {
        return;
    }
    if (!ReadColour(reader, settings.DigitColour) ||
        !ReadColour(reader, settings.HighlightColour)) {
        return;
    }
    const std::optional<long long> difficulty = reader.NextNumber();
    if (!difficulty) {
        return;
    }
    settings.Difficulty = static_cast<int>(std::clamp(
        *difficulty, static_cast<long long>(MinDifficulty), static_cast<long long>(MaxDifficulty)));
}

QByteArray FormatSettingsFile(const GameSettings& settings) {
    RecordWriter writer;
    for (int r = 1; r <= 9; ++r) {
        writer.Text(settings.PatternRows[r]).EndRecord();
    }
    writer.Text(Separator).EndRecord();
    WriteColour(writer, settings.DigitColour);
    WriteColour(writer, settings.HighlightColour);
    writer.Number(settings.Difficulty).EndRecord();
    return writer.Bytes();
}

QByteArray MergeSettingsFile(QByteArrayView file, const GameSettings& before,
                             const GameSettings& now) {
    GameSettings merged;
    ReadSettingsFile(file, merged);
    if (now.PatternRows != before.PatternRows) {
        merged.PatternRows = now.PatternRows;
    }
    if (now.DigitColour != before.DigitColour) {
        merged.DigitColour = now.DigitColour;
    }
    if (now.HighlightColour != before.HighlightColour) {
        merged.HighlightColour = now.HighlightColour;
    }
    if (now.Difficulty != before.Difficulty) {
        merged.Difficulty = now.Difficulty;
    }
    return FormatSettingsFile(merged);
}
