#include "game/records.h"

#include <QStringDecoder>

RecordWriter& RecordWriter::Text(const QString& text) {
    Separate();
    QByteArray utf8 = text.toUtf8();
    utf8.replace('"', "\"\"");
    bytes_ += '"' + utf8 + '"';
    return *this;
}

RecordWriter& RecordWriter::Number(long long number) {
    Separate();
    bytes_ += QByteArray::number(number);
    return *this;
}

RecordWriter& RecordWriter::EndRecord() {
    bytes_ += "\r\n";
    recordOpen_ = false;
    return *this;
}

void RecordWriter::Separate() {
    if (recordOpen_) {
        bytes_ += ',';
    }
    recordOpen_ = true;
}

RecordReader::RecordReader(QByteArrayView bytes) : bytes_(bytes) {}

bool RecordReader::AtEnd() const {
    qsizetype p = pos_;
    while (p < bytes_.size() &&
           (bytes_[p] == ' ' || bytes_[p] == '\t' || bytes_[p] == '\r' || bytes_[p] == '\n')) {
        ++p;
    }
    return p >= bytes_.size();
}

void RecordReader::SkipBlanks() {
    while (pos_ < bytes_.size() && (bytes_[pos_] == ' ' || bytes_[pos_] == '\t')) {
        ++pos_;
    }
}

void RecordReader::SkipLineEnd() {
    if (pos_ < bytes_.size() && bytes_[pos_] == '\r') {
        ++pos_;
    }
    if (pos_ < bytes_.size() && bytes_[pos_] == '\n') {
        ++pos_;
    }
}

std::optional<QString> RecordReader::NextText() {
    // Blank lines between records hold no value.
    while (true) {
        SkipBlanks();
        if (pos_ < bytes_.size() && (bytes_[pos_] == '\r' || bytes_[pos_] == '\n')) {
            SkipLineEnd();
            continue;
        }
        break;
    }
    if (pos_ >= bytes_.size()) {
        return std::nullopt;
    }
    QByteArray value;
    if (bytes_[pos_] == '"') {
        ++pos_;
        while (pos_ < bytes_.size()) {
            const char c = bytes_[pos_++];
            if (c != '"') {
                value += c;
            } else if (pos_ < bytes_.size() && bytes_[pos_] == '"') {
                value += '"';
                ++pos_;
            } else {
                break;
            }
        }
        // Whatever follows the closing quote up to the delimiter is not part of the value.
        while (pos_ < bytes_.size() && bytes_[pos_] != ',' && bytes_[pos_] != '\r' &&
               bytes_[pos_] != '\n') {
            ++pos_;
        }
    } else {
        while (pos_ < bytes_.size() && bytes_[pos_] != ',' && bytes_[pos_] != '\r' &&
               bytes_[pos_] != '\n') {
            value += bytes_[pos_++];
        }
        value = value.trimmed();
    }
    if (pos_ < bytes_.size() && bytes_[pos_] == ',') {
        ++pos_;
    } else {
        SkipLineEnd();
    }
    return DecodeFileText(value);
}

std::optional<long long> RecordReader::NextNumber() {
    const std::optional<QString> text = NextText();
    if (!text) {
        return std::nullopt;
    }
    bool ok = false;
    const long long number = text->toLongLong(&ok);
    if (!ok) {
        return std::nullopt;
    }
    return number;
}

QString DecodeFileText(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError()) {
        return text;
    }
    return QString::fromLatin1(bytes);
}
