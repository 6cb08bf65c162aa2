#include "core/records.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace {

const char* const Windows1252 = "windows-1252";

bool IsLineEnd(QChar c) {
    return c == u'\r' || c == u'\n';
}

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

}  // namespace

RecordWriter& RecordWriter::Text(const QString& text) {
    Separate();
    text_ += u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
    return *this;
}

RecordWriter& RecordWriter::Number(long long number) {
    Separate();
    text_ += QString::number(number);
    return *this;
}

RecordWriter& RecordWriter::EndRecord() {
    text_ += QStringLiteral("\r\n");
    recordOpen_ = false;
    return *this;
}

QByteArray RecordWriter::Bytes() const {
    return EncodeFileText(text_);
}

void RecordWriter::Separate() {
    if (recordOpen_) {
        text_ += u',';
    }
    recordOpen_ = true;
}

RecordReader::RecordReader(QByteArrayView bytes) : text_(DecodeFileText(bytes)) {}

bool RecordReader::AtEnd() const {
    qsizetype p = pos_;
    while (p < text_.size() && (IsBlank(text_[p]) || IsLineEnd(text_[p]))) {
        ++p;
    }
    return p >= text_.size();
}

void RecordReader::SkipBlanks() {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) {
        ++pos_;
    }
}

void RecordReader::SkipLineEnd() {
    if (pos_ < text_.size() && text_[pos_] == u'\r') {
        ++pos_;
    }
    if (pos_ < text_.size() && text_[pos_] == u'\n') {
        ++pos_;
    }
}

std::optional<QString> RecordReader::NextText() {
    // Blank lines between records hold no value.
    while (true) {
        SkipBlanks();
        if (pos_ < text_.size() && IsLineEnd(text_[pos_])) {
            SkipLineEnd();
            continue;
        }
        break;
    }
    if (pos_ >= text_.size()) {
        return std::nullopt;
    }
    QString value;
    const auto atDelimiter = [this] { return text_[pos_] == u',' || IsLineEnd(text_[pos_]); };
    if (text_[pos_] == u'"') {
        // Taken in pieces between the quotes: a doubled quote stands for one.
        ++pos_;
        while (pos_ < text_.size()) {
            qsizetype quote = text_.indexOf(u'"', pos_);
            if (quote < 0) {
                quote = text_.size();
            }
            value += QStringView(text_).mid(pos_, quote - pos_);
            pos_ = quote + 1;
            if (pos_ < text_.size() && text_[pos_] == u'"') {
                value += u'"';
                ++pos_;
            } else {
                break;
            }
        }
        pos_ = std::min(pos_, text_.size());
        // Whatever follows the closing quote up to the delimiter is not part of the value.
        while (pos_ < text_.size() && !atDelimiter()) {
            ++pos_;
        }
    } else {
        const qsizetype start = pos_;
        while (pos_ < text_.size() && !atDelimiter()) {
            ++pos_;
        }
        value = QStringView(text_).mid(start, pos_ - start).trimmed().toString();
    }
    if (pos_ < text_.size() && text_[pos_] == u',') {
        ++pos_;
    } else {
        SkipLineEnd();
    }
    return value;
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

QByteArray EncodeFileText(const QString& text) {
    QStringEncoder windows(Windows1252, QStringEncoder::Flag::Stateless);
    const QByteArray bytes = windows.encode(text);
    if (!windows.hasError() && DecodeFileText(bytes) == text) {
        return bytes;
    }
    return text.toUtf8();
}

QString DecodeFileText(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        return text;
    }
    return QStringDecoder(Windows1252, QStringDecoder::Flag::Stateless).decode(bytes);
}
