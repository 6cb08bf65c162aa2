#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// Text files of records in the quoted, comma-separated style: a string is enclosed in double
// quotes (a quote inside it is doubled), a number is plain decimal, the values of one record are
// separated by commas and every record ends with CR LF.
class RecordWriter {
  public:
    RecordWriter& Text(const QString& text);
    RecordWriter& Number(long long number);
    RecordWriter& EndRecord();
    const QByteArray& Bytes() const { return bytes_; }

  private:
    void Separate();
    QByteArray bytes_;
    bool recordOpen_ = false;
};

// Reads the values back one after the other, whatever records they stand in: a quoted value is
// taken without its quotes and may hold commas; an unquoted value ends at a comma or a line end
// and loses its surrounding blanks.
class RecordReader {
  public:
    explicit RecordReader(QByteArrayView bytes);
    bool AtEnd() const;
    // The next value, or nothing at the end of the input.
    std::optional<QString> NextText();
    // The next value as a whole number, or nothing at the end or when it is not one.
    std::optional<long long> NextNumber();

  private:
    void SkipBlanks();
    void SkipLineEnd();
    QByteArrayView bytes_;
    qsizetype pos_ = 0;
};

// File text is UTF-8; text that is not valid UTF-8 is taken as Latin-1, so older files written in
// an 8-bit code page keep their names.
QString DecodeFileText(QByteArrayView bytes);
