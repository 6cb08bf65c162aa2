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
    // The file, in the code page of EncodeFileText.
    QByteArray Bytes() const;

  private:
    void Separate();
    QString text_;
    bool recordOpen_ = false;
};

// Reads the values back one after the other, whatever records they stand in: a quoted value is
// taken without its quotes and may hold commas; an unquoted value ends at a comma or a line end
// and loses its surrounding blanks.
class RecordReader {
  public:
    // The whole file is decoded at once, by DecodeFileText.
    explicit RecordReader(QByteArrayView bytes);
    bool AtEnd() const;
    // The next value, or nothing at the end of the input.
    std::optional<QString> NextText();
    // The next value as a whole number, or nothing at the end or when it is not one.
    std::optional<long long> NextNumber();

  private:
    void SkipBlanks();
    void SkipLineEnd();
    QString text_;
    qsizetype pos_ = 0;
};

// The program's text files are in the Windows code page (Windows-1252), as they have always been
// written. A text with a character that has no byte there is written in UTF-8 instead, so that no
// name is lost, and so is one whose Windows-1252 bytes would read as other letters in UTF-8.
QByteArray EncodeFileText(const QString& text);
// A file that is valid UTF-8 is read as UTF-8, any other as Windows-1252.
QString DecodeFileText(QByteArrayView bytes);
