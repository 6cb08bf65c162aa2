#include "core/preferences_file.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace {

const QByteArray WindowPlaceKey = QByteArrayLiteral("Venster");
const QString ByteArrayMark = QStringLiteral("@ByteArray(");

bool IsBlank(char ch) {
    return ch == ' ' || ch == '\t';
}

QByteArrayView Trimmed(QByteArrayView text) {
    while (!text.isEmpty() && IsBlank(text.front())) {
        text = text.sliced(1);
    }
    while (!text.isEmpty() && IsBlank(text.back())) {
        text.chop(1);
    }
    return text;
}

// Where a key's value stands in the file: its bytes, from just after the "=" to the line's end.
struct ValuePlace {
    qsizetype start = 0;
    qsizetype end = 0;
};

// The lines of the file's general section (the lines before any section and those of
// [General]): the first that sets `key`, or, when none does, where a line for it goes.
struct KeyLook {
    std::optional<ValuePlace> value;
    // Just after the [General] line; -1 when the file has none.
    qsizetype afterSection = -1;
    // The [General] line ends the file without a line break.
    bool sectionUnended = false;
};

KeyLook LookUp(QByteArrayView text, QByteArrayView key) {
    KeyLook look;
    bool general = true;
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = start;
        while (end < text.size() && text[end] != '\n' && text[end] != '\r') {
            ++end;
        }
        qsizetype next = end;
        if (next < text.size() && text[next] == '\r') {
            ++next;
        }
        if (next < text.size() && text[next] == '\n') {
            ++next;
        }
        const QByteArrayView line = Trimmed(text.sliced(start, end - start));
        if (line.startsWith('[')) {
            const qsizetype close = line.indexOf(']');
            const QByteArrayView name = line.sliced(1, (close < 0 ? line.size() : close) - 1);
            general = QString::fromUtf8(name).compare(u"General", Qt::CaseInsensitive) == 0;
            if (general && look.afterSection < 0) {
                look.afterSection = next;
                look.sectionUnended = next == end;
            }
        } else if (general) {
            const qsizetype equals = text.sliced(start, end - start).indexOf('=');
            if (equals >= 0 && Trimmed(text.sliced(start, equals)) == key) {
                look.value = ValuePlace{start + equals + 1, end};
                return look;
            }
        }
        start = next;
    }
    return look;
}

int DigitValue(char ch, int base) {
    const int digit = ch >= '0' && ch <= '9'   ? ch - '0'
                      : ch >= 'a' && ch <= 'f' ? ch - 'a' + 10
                      : ch >= 'A' && ch <= 'F' ? ch - 'A' + 10
                                               : base;
    return digit < base ? digit : -1;
}

// A value as the settings store reads it: quotes group, a backslash escapes as in C, blanks at
// either end of an unquoted value do not count. Nothing for a list of values (an unquoted comma).
std::optional<QString> Unescaped(QByteArrayView raw) {
    static constexpr std::pair<char, char16_t> Escapes[] = {
        {'a', u'\a'}, {'b', u'\b'}, {'f', u'\f'}, {'n', u'\n'},  {'r', u'\r'},  {'t', u'\t'},
        {'v', u'\v'}, {'"', u'"'},  {'?', u'?'},  {'\'', u'\''}, {'\\', u'\\'},
    };
    QString value;
    // What may be cut as trailing blanks: only what follows the last escape or quote.
    qsizetype keep = 0;
    bool quoted = false;
    bool inQuotes = false;
    qsizetype i = Trimmed(raw).data() - raw.data();
    while (i < raw.size()) {
        const char ch = raw[i];
        if (ch == '\\') {
            if (++i == raw.size()) {
                break;
            }
            const char code = raw[i++];
            const auto* escape = std::find_if(std::begin(Escapes), std::end(Escapes),
                                              [code](const auto& e) { return e.first == code; });
            const int base = code == 'x' ? 16 : DigitValue(code, 8) >= 0 ? 8 : 0;
            if (escape != std::end(Escapes)) {
                value += QChar(escape->second);
            } else if (base != 0) {
                char16_t unit = base == 8 ? static_cast<char16_t>(DigitValue(code, 8)) : 0;
                const qsizetype first = i;
                for (; i < raw.size() && DigitValue(raw[i], base) >= 0; ++i) {
                    unit = static_cast<char16_t>(unit * base + DigitValue(raw[i], base));
                }
                if (base == 8 || i > first) {
                    value += QChar(unit);
                }
            }
            keep = value.size();
        } else if (ch == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            while (!inQuotes && i < raw.size() && IsBlank(raw[i])) {
                ++i;
            }
        } else if (ch == ',' && !inQuotes) {
            return std::nullopt;
        } else {
            qsizetype j = i + 1;
            while (j < raw.size() && raw[j] != '\\' && raw[j] != '"' && raw[j] != ',') {
                ++j;
            }
            value += QString::fromUtf8(raw.sliced(i, j - i));
            i = j;
        }
    }
    if (!quoted) {
        while (value.size() > keep && (value.back() == u' ' || value.back() == u'\t')) {
            value.chop(1);
        }
    }
    return value;
}

std::optional<QString> ValueOf(QByteArrayView text, QByteArrayView key) {
    const KeyLook look = LookUp(text, key);
    if (!look.value) {
        return std::nullopt;
    }
    return Unescaped(text.sliced(look.value->start, look.value->end - look.value->start));
}

// The bytes as the settings store writes a byte array: every byte that could be read otherwise
// as a hexadecimal escape, and a hexadecimal digit right after one, so that it does not lengthen
// it.
QByteArray EscapedBytes(const QByteArray& bytes) {
    QByteArray text = ByteArrayMark.toLatin1();
    bool afterEscape = false;
    for (const char ch : bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        const bool plain = byte > ' ' && byte < 0x7f && !QByteArrayView("\\\",;=").contains(ch) &&
                           !(afterEscape && DigitValue(ch, 16) >= 0);
        text += plain ? QByteArray(1, ch) : "\\x" + QByteArray::number(byte, 16);
        afterEscape = !plain;
    }
    return text + ')';
}

QByteArray WithValue(QByteArrayView text, QByteArrayView key, const QByteArray& value) {
    const KeyLook look = LookUp(text, key);
    QByteArray file = text.toByteArray();
    if (look.value) {
        return file.replace(look.value->start, look.value->end - look.value->start, value);
    }
    const QByteArray line = key.toByteArray() + '=' + value + '\n';
    if (look.afterSection < 0) {
        return "[General]\n" + line + file;
    }
    return file.insert(look.afterSection, look.sectionUnended ? '\n' + line : line);
}

}  // namespace

void ReadPreferencesFile(QByteArrayView text, GameSettings& settings) {
    for (const SettingSwitch& setting : SettingSwitches) {
        const std::optional<QString> value = ValueOf(text, setting.key);
        // A value of another type is marked with "@".
        if (value && !value->startsWith(u'@')) {
            settings.*setting.value = !value->isEmpty() && *value != u"0" &&
                                      value->compare(u"false", Qt::CaseInsensitive) != 0;
        }
    }
}

QByteArray WindowPlaceIn(QByteArrayView text) {
    const std::optional<QString> value = ValueOf(text, WindowPlaceKey);
    if (!value || !value->startsWith(ByteArrayMark) || !value->endsWith(u')')) {
        return QByteArray();
    }
    return value->sliced(ByteArrayMark.size()).chopped(1).toLatin1();
}

QByteArray MergePreferencesFile(QByteArrayView text, const GameSettings& before,
                                const GameSettings& now) {
    QByteArray file = text.toByteArray();
    for (const SettingSwitch& setting : SettingSwitches) {
        if (before.*setting.value != now.*setting.value) {
            file = WithValue(file, setting.key, now.*setting.value ? "true" : "false");
        }
    }
    return file;
}

QByteArray WithWindowPlace(QByteArrayView text, const QByteArray& place) {
    return WithValue(text, WindowPlaceKey, EscapedBytes(place));
}
