#pragma once

#include "runtime/Variant.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The archive files every window saves and reads: one record per line ended by CR LF, fields
// separated by commas; a text in double quotes (a quote inside it doubled), a number bare with a
// point for decimals, a value never set as nothing between its commas. The file is Windows-1252,
// or UTF-8 with a byte-order mark when a text holds a character Windows-1252 cannot. Read back,
// UTF-8 without the mark (what an editor writes when the file is saved again) is taken as UTF-8.

class ArchiveWriter
{
public:
    // Appends one field to the current record, written by the kind the value holds.
    void add(const Variant &value);
    void addText(const QString &text);
    void addNumber(double number);
    void addEmpty();
    // Ends the current record (one line).
    void endRecord();

    // The whole file as it will be written. A record left open is ended first.
    QByteArray bytes() const;
    // Writes the file through a temporary one renamed over the target, so that a failed save
    // leaves the previous file whole. On failure returns false with a short Italian message.
    bool save(const QString &path, QString *error) const;

private:
    QStringList m_records;   // finished lines, without their line end
    QStringList m_fields;    // fields of the record being built
};

// The bytes of a file that may be an archive, read whole (one byte past the largest archive, so
// that the reader can tell a file too large); nothing when it cannot be opened or read, with a
// short Italian message in `error` saying which.
std::optional<QByteArray> readArchiveFile(const QString &path, QString *error = nullptr);

class ArchiveReader
{
public:
    // Archives are small; anything larger is not one of ours.
    static constexpr qsizetype MaxSize = 8 * 1024 * 1024;

    // Every line of an archive, the last included, ends with its line end: a last line without
    // one is a file cut short. Files the program does not write may be taken as they stand.
    enum class LastLine { MustEnd, MayBeOpen };

    // Reads and checks the whole file. On failure returns false with a short Italian message
    // and holds no records, so nothing of a damaged file is applied.
    bool load(const QString &path, QString *error);
    bool parse(const QByteArray &bytes, QString *error, LastLine lastLine = LastLine::MustEnd);
    // Holds records already read (part of a larger file), as if they were a whole file.
    void setRecords(QList<QList<Variant>> records);

    // The records (lines) read, each a list of fields: a quoted field is a text, a bare one
    // a number, an empty one a value never set.
    const QList<QList<Variant>> &records() const { return m_records; }

    // Sequential cursor over the fields of all records in order, lines and commas alike
    // acting as separators (the way every window reads its layout back).
    bool next(Variant &out);
    int remaining() const;
    bool atEnd() const { return remaining() == 0; }
    void rewind();

private:
    QList<QList<Variant>> m_records;
    int m_record = 0;
    int m_field = 0;
    int m_total = 0;
    int m_taken = 0;
};

// A reason for refusing a file as it reads after a colon in a message: no final full stop, the
// first letter of a sentence in lower case ("il file è troppo grande ..."); an empty reason says
// the content does not match.
QString motivoDopoDuePunti(QString motivo);
