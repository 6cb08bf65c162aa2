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

void ReadSettingsFile(QByteArrayView text, GameState& state) {
    RecordReader reader(text);
    for (int r = 1; r <= 9; ++r) {
        const std::optional<QString> row = reader.NextText();
        if (!row) {
            return;
        }
        state.PatternRows[r] = SoundPatternRow(*row);
    }
    if (!reader.NextText()) {
        return;
    }
    if (!ReadColour(reader, state.DigitColour) || !ReadColour(reader, state.HighlightColour)) {
        return;
    }
    const std::optional<long long> difficulty = reader.NextNumber();
    if (!difficulty) {
        return;
    }
    state.Difficulty = static_cast<int>(std::clamp(
        *difficulty, static_cast<long long>(MinDifficulty), static_cast<long long>(MaxDifficulty)));
}

QByteArray FormatSettingsFile(const GameState& state) {
    RecordWriter writer;
    for (int r = 1; r <= 9; ++r) {
        writer.Text(state.PatternRows[r]).EndRecord();
    }
    writer.Text(Separator).EndRecord();
    WriteColour(writer, state.DigitColour);
    WriteColour(writer, state.HighlightColour);
    writer.Number(state.Difficulty).EndRecord();
    return writer.Bytes();
}

QByteArray MergeSettingsFile(QByteArrayView file, const GameState& before, const GameState& now) {
    GameState merged;
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
