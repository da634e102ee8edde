#include "runtime/ArchiveRecord.h"
#include "support/LimiteFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QList<QList<Variant>> parsed(const QByteArray &bytes)
{
    ArchiveReader reader;
    QString error;
    EXPECT_TRUE(reader.parse(bytes, &error)) << error.toStdString();
    return reader.records();
}

QString parseError(const QByteArray &bytes)
{
    ArchiveReader reader;
    QString error;
    EXPECT_FALSE(reader.parse(bytes, &error)) << bytes.toStdString();
    EXPECT_TRUE(reader.records().isEmpty());
    return error;
}

TEST(ArchiveWriter, ExactBytesOfASmallRecord)
{
    ArchiveWriter w;
    w.add(Variant("1500,5"));
    w.add(Variant(2.5));
    w.add(Variant());
    w.add(Variant("x"));
    w.endRecord();
    EXPECT_EQ(w.bytes(), QByteArray("\"1500,5\",2.5,,\"x\"\r\n"));
}

TEST(ArchiveWriter, NumberForms)
{
    auto one = [](const Variant &v) {
        ArchiveWriter w;
        w.add(v);
        w.endRecord();
        return w.bytes();
    };
    EXPECT_EQ(one(0.1), "0.1\r\n");
    EXPECT_EQ(one(1500.5), "1500.5\r\n");
    EXPECT_EQ(one(-4.5), "-4.5\r\n");
    EXPECT_EQ(one(3), "3\r\n");
    EXPECT_EQ(one(-0.0), "0\r\n");
    EXPECT_EQ(one(123456789012.5), "123456789012.5\r\n");
    EXPECT_EQ(one(0.1 + 0.2), "0.30000000000000004\r\n");
    EXPECT_EQ(one(1e20), "1E+20\r\n");
    // A single keeps its own short form rather than the binary tail of its double.
    EXPECT_EQ(one(Variant::single(0.1f)), "0.1\r\n");
    // No readable form for NaN: the field is left empty rather than damaging the file.
    EXPECT_EQ(one(std::nan("")), "\r\n");
    // Texts: quotes doubled, commas kept inside the quotes.
    EXPECT_EQ(one("a \"b\", c"), "\"a \"\"b\"\", c\"\r\n");
    EXPECT_EQ(one(""), "\"\"\r\n");
}

TEST(ArchiveRoundTrip, EveryKindComesBackAsWritten)
{
    const QList<QList<Variant>> records = {
        {Variant(3)},
        {Variant("1500,5"), Variant(0.1), Variant(), Variant(1e-7), Variant(123456789012.5)},
        {Variant(QString::fromUtf8("è à ò ù €")), Variant("say \"hi\""), Variant("a,b"), Variant("")},
        {Variant(-4.5), Variant(1e20), Variant(0.1 + 0.2), Variant(5e-324), Variant(1.7976931348623157e308)},
        {Variant(), Variant()},
        {Variant("  spaced  "), Variant(QString::fromUtf8("riga\r\ndue")), Variant("\"")},
    };
    ArchiveWriter w;
    for (const auto &record : records) {
        for (const auto &v : record)
            w.add(v);
        w.endRecord();
    }
    const auto back = parsed(w.bytes());
    ASSERT_EQ(back.size(), records.size());
    for (int r = 0; r < records.size(); ++r) {
        ASSERT_EQ(back[r].size(), records[r].size()) << r;
        for (int f = 0; f < records[r].size(); ++f) {
            EXPECT_EQ(back[r][f].kind(), records[r][f].kind()) << r << "," << f;
            EXPECT_TRUE(back[r][f] == records[r][f])
                << r << "," << f << ": " << back[r][f].text().toStdString();
        }
    }
    // The typed text keeps its comma and stays a text.
    EXPECT_TRUE(back[1][0].isText());
    EXPECT_EQ(back[1][0].rawText(), "1500,5");
}

TEST(ArchiveRoundTrip, RandomDoublesReadBackIdentical)
{
    std::mt19937_64 gen(7);
    ArchiveWriter w;
    QList<double> values;
    for (int i = 0; i < 2000; ++i) {
        double v;
        do {
            const quint64 bits = gen();
            std::memcpy(&v, &bits, sizeof v);
        } while (!std::isfinite(v));
        values.append(v);
        w.addNumber(v);
        if (i % 7 == 6)
            w.endRecord();
    }
    ArchiveReader r;
    QString error;
    ASSERT_TRUE(r.parse(w.bytes(), &error)) << error.toStdString();
    ASSERT_EQ(r.remaining(), values.size());
    for (double expected : values) {
        Variant v;
        ASSERT_TRUE(r.next(v));
        ASSERT_TRUE(v.isNumber());
        EXPECT_EQ(v.rawNumber(), expected == 0 ? 0.0 : expected);
    }
}

TEST(ArchiveEncoding, Windows1252UnlessATextNeedsMore)
{
    ArchiveWriter plain;
    plain.addText(QString::fromUtf8("città €"));
    plain.endRecord();
    // à is 0xE0 and € is 0x80 in Windows-1252: no BOM needed.
    EXPECT_EQ(plain.bytes(), QByteArray("\"citt\xE0 \x80\"\r\n"));

    ArchiveWriter wide;
    wide.addNumber(1);
    wide.endRecord();
    wide.addText(QString::fromUtf8("Łódź è"));
    wide.endRecord();
    const QByteArray bytes = wide.bytes();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(bytes.mid(3), QString::fromUtf8("1\r\n\"Łódź è\"\r\n").toUtf8());
    const auto back = parsed(bytes);
    ASSERT_EQ(back.size(), 2);
    EXPECT_EQ(back[1][0].rawText(), QString::fromUtf8("Łódź è"));
}

TEST(ArchiveEncoding, ReadsWindows1252AndUtf8WithBom)
{
    auto back = parsed(QByteArray("\"citt\xE0\",\"\x80 5\",\"\x9C\x8A\x81\"\r\n"));
    ASSERT_EQ(back.size(), 1);
    EXPECT_EQ(back[0][0].rawText(), QString::fromUtf8("città"));
    EXPECT_EQ(back[0][1].rawText(), QString::fromUtf8("€ 5"));
    EXPECT_EQ(back[0][2].rawText(), QString::fromUtf8("œŠ\xC2\x81"));

    back = parsed(QByteArray("\xEF\xBB\xBF\"citt\xC3\xA0\",2\r\n"));
    ASSERT_EQ(back.size(), 1);
    EXPECT_EQ(back[0][0].rawText(), QString::fromUtf8("città"));
    EXPECT_EQ(back[0][1].rawNumber(), 2.0);

    // Every Windows-1252 byte that a text can hold comes back as the same byte.
    QByteArray raw = "\"";
    for (int b = 0x20; b < 0x100; ++b) {
        if (b != '"')
            raw += char(b);
    }
    raw += "\"\r\n";
    back = parsed(raw);
    ArchiveWriter w;
    w.add(back[0][0]);
    w.endRecord();
    EXPECT_EQ(w.bytes(), raw);
}

// Saved again by an editor, a file is often UTF-8 without the mark; Windows-1252 with accented
// letters is not valid UTF-8 and, like any other invalid sequence, reads as before.
TEST(ArchiveEncoding, Utf8WithoutAMarkReadsAsUtf8)
{
    const std::pair<QByteArray, const char *> casi[] = {
        {"\"luned\xC3\xAC \xE2\x82\xAC \xC5\x81\"\r\n", "lunedì € Ł"},
        {"\"luned\xEC\"\r\n", "lunedì"},
        {"\"\xC3\x28 \xED\xA0\x80 \xC0\xAF\"\r\n", "Ã( í\xC2\xA0€ À¯"},   // broken, surrogate, overlong
    };
    for (const auto &[bytes, testo] : casi)
        EXPECT_EQ(parsed(bytes).value(0).value(0).rawText(), QString::fromUtf8(testo)) << bytes.toStdString();
}

// A last line without its line end is a file cut short, refused with the line where it stops;
// the price list is still read as it stands.
TEST(ArchiveReader, ALastLineWithoutItsLineEndIsAFileCutShort)
{
    const std::pair<QByteArray, int> tronchi[] = {{"1\r\n\"a\",", 2}, {"1\r\n\"a\r\nb\"\r\n\"c", 4}, {"1\n2\r3\r\n4", 4}, {"\xEF\xBB", 1}};
    for (const auto &[bytes, riga] : tronchi)
        EXPECT_TRUE(parseError(bytes).contains(QStringLiteral("incompleto, si interrompe a metà della riga %1.").arg(riga)));
    EXPECT_EQ(parsed("1\r\n2\r").size(), 2);   // cut between CR and LF: every line is whole
    ArchiveReader listino;
    ASSERT_TRUE(listino.parse("1\r\n2,", nullptr, ArchiveReader::LastLine::MayBeOpen));
    EXPECT_EQ(listino.records().value(1).size(), 2);
}

TEST(ArchiveReader, SeparatorsAndTolerance)
{
    // Line ends of every kind, blanks around bare numbers and quotes.
    const auto back = parsed(QByteArray("1, 2 ,\t3\n\"a\" , \"b\"\r4\r\n5\r\n"));
    ASSERT_EQ(back.size(), 4);
    EXPECT_EQ(back[0].size(), 3);
    EXPECT_EQ(back[0][1].rawNumber(), 2.0);
    EXPECT_EQ(back[1][1].rawText(), "b");
    EXPECT_EQ(back[2][0].rawNumber(), 4.0);
    EXPECT_EQ(back[3][0].rawNumber(), 5.0);

    // A trailing comma leaves a value never set, and an empty line is one such value.
    const auto empties = parsed(QByteArray("1,\r\n\r\n,\r\n"));
    ASSERT_EQ(empties.size(), 3);
    EXPECT_EQ(empties[0].size(), 2);
    EXPECT_TRUE(empties[0][1].isEmpty());
    EXPECT_EQ(empties[1].size(), 1);
    EXPECT_TRUE(empties[1][0].isEmpty());
    EXPECT_EQ(empties[2].size(), 2);

    EXPECT_TRUE(parsed(QByteArray()).isEmpty());
    EXPECT_TRUE(parsed(QByteArray("\xEF\xBB\xBF")).isEmpty());
    // Numbers in the forms other writers use.
    const auto forms = parsed(QByteArray("1E+20,-1.5e-7,+3,.5,5.\r\n"));
    ASSERT_EQ(forms[0].size(), 5);
    EXPECT_EQ(forms[0][0].rawNumber(), 1e20);
    EXPECT_EQ(forms[0][1].rawNumber(), -1.5e-7);
    EXPECT_EQ(forms[0][2].rawNumber(), 3.0);
    EXPECT_EQ(forms[0][3].rawNumber(), 0.5);
    EXPECT_EQ(forms[0][4].rawNumber(), 5.0);
}

TEST(ArchiveReader, CursorWalksFieldsAcrossLines)
{
    ArchiveReader r;
    QString error;
    ASSERT_TRUE(r.parse("2\r\n\"a\",3,\r\n\"b\"\r\n", &error));
    EXPECT_EQ(r.remaining(), 5);
    Variant v;
    ASSERT_TRUE(r.next(v));
    EXPECT_EQ(v, Variant(2));
    ASSERT_TRUE(r.next(v));
    EXPECT_EQ(v, Variant("a"));
    ASSERT_TRUE(r.next(v));
    EXPECT_EQ(v, Variant(3));
    ASSERT_TRUE(r.next(v));
    EXPECT_TRUE(v.isEmpty());
    EXPECT_EQ(r.remaining(), 1);
    ASSERT_TRUE(r.next(v));
    EXPECT_EQ(v, Variant("b"));
    EXPECT_TRUE(r.atEnd());
    EXPECT_FALSE(r.next(v));
    r.rewind();
    EXPECT_EQ(r.remaining(), 5);
    // A new parse starts the cursor again and a failed one leaves nothing to read.
    ASSERT_FALSE(r.parse("\"x", &error));
    EXPECT_TRUE(r.atEnd());
    EXPECT_FALSE(r.next(v));
}

TEST(ArchiveReader, RejectsDamagedFilesWithAMessage)
{
    EXPECT_TRUE(parseError("1\r\n\"abc,2\r\n").contains(QStringLiteral("virgolette non chiuse")));
    EXPECT_TRUE(parseError("1\r\n\"abc,2\r\n").contains(QStringLiteral("riga 2")));
    EXPECT_TRUE(parseError("\"ab\"c,1\r\n").contains(QStringLiteral("dopo le virgolette")));
    EXPECT_TRUE(parseError("\"ab\" \"c\"\r\n").contains(QStringLiteral("dopo le virgolette")));
    EXPECT_TRUE(parseError("1\r\n2\r\n1500;5\r\n").contains(QStringLiteral("riga 3")));
    // A typed number written bare by some other program splits at its comma: two numbers.
    EXPECT_EQ(parsed("1500,5\r\n")[0].size(), 2);
}

TEST(ArchiveReader, BareFieldsMustBeNumbers)
{
    for (const char *bad : {"abc", "1 2", "inf", "-inf", "nan", "NaN", "1e999", "0x10", "1..2",
                            "--1", "1e", "-", "+", ".", "1a", "\x80", "1,2 3"}) {
        EXPECT_FALSE(parseError(QByteArray(bad) + "\r\n").isEmpty()) << bad;
    }
    EXPECT_FALSE(parseError("\xEF\xBB\xBF\"\xC3\x28\"\r\n").isEmpty());   // invalid UTF-8
    EXPECT_FALSE(parseError("\xEF\xBB\xBF\"\xED\xA0\x80\"\r\n").isEmpty());   // encoded surrogate
    EXPECT_FALSE(parseError(QByteArray("\"a\0b\"\r\n", 7)).isEmpty());
    EXPECT_FALSE(parseError(QByteArray("\xFF\xFE\"\0a\0\"\0", 8)).isEmpty());   // UTF-16
    EXPECT_FALSE(parseError(QByteArray(ArchiveReader::MaxSize + 1, '1')).isEmpty());
    EXPECT_FALSE(parseError(QByteArray(2000000, ',')).isEmpty());
}

TEST(ArchiveReader, GarbageNeverCrashes)
{
    std::mt19937 gen(20240601);
    const char alphabet[] = "\"\",,\r\n0123456789.-eE abc\x80\xE0\xEF\xBB\xBF";
    int accepted = 0;
    for (int k = 0; k < 4000; ++k) {
        QByteArray buf(int(gen() % 200), Qt::Uninitialized);
        const bool binary = k % 2 == 0;
        for (char &c : buf)
            c = binary ? char(gen()) : alphabet[gen() % (sizeof alphabet - 1)];
        if (k % 5 == 0)
            buf.prepend("\xEF\xBB\xBF");
        ArchiveReader r;
        QString error;
        const bool ok = r.parse(buf, &error);
        if (ok) {
            ++accepted;
            // What was accepted is consistent: the cursor hands out every field.
            int count = 0;
            Variant v;
            while (r.next(v))
                ++count;
            int total = 0;
            for (const auto &rec : r.records())
                total += int(rec.size());
            EXPECT_EQ(count, total);
        } else {
            EXPECT_FALSE(error.isEmpty());
            EXPECT_TRUE(r.records().isEmpty());
        }
    }
    EXPECT_GT(accepted, 0);
    EXPECT_LT(accepted, 4000);
}

TEST(ArchiveFiles, SaveLoadAndFailedSaveKeepsThePreviousFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Vantegra-dati-prova"));
    ArchiveWriter w;
    w.addNumber(1);
    w.endRecord();
    w.add(Variant("1500,5"));
    w.add(Variant(QString::fromUtf8("città")));
    w.endRecord();
    QString error;
    ASSERT_TRUE(w.save(path, &error)) << error.toStdString();
    EXPECT_EQ(readAll(path), w.bytes());

    ArchiveReader r;
    ASSERT_TRUE(r.load(path, &error)) << error.toStdString();
    ASSERT_EQ(r.records().size(), 2);
    EXPECT_EQ(r.records()[1][1].rawText(), QString::fromUtf8("città"));

    // Saving over an existing file replaces its whole content.
    ArchiveWriter shorter;
    shorter.addNumber(0);
    shorter.endRecord();
    ASSERT_TRUE(shorter.save(path, &error));
    EXPECT_EQ(readAll(path), QByteArray("0\r\n"));

    // A target that is a directory, or inside a folder that does not exist: false, a message,
    // nothing else touched.
    const QString folder = dir.filePath(QStringLiteral("cartella"));
    ASSERT_TRUE(QDir().mkdir(folder));
    error.clear();
    EXPECT_FALSE(w.save(folder, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Impossibile scrivere il file"))) << error.toStdString();
    EXPECT_TRUE(QFileInfo(folder).isDir());
    error.clear();
    EXPECT_FALSE(w.save(dir.filePath(QStringLiteral("manca/file")), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readAll(path), QByteArray("0\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Vantegra-dati-prova")});
}

TEST(ArchiveFiles, AFullDiskKeepsThePreviousFileAndIsReported)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Vantegra-dati-prova"));
    const QByteArray previous("1\r\n\"100\",\"50\",\"2\",\"300\",\"5\",\"1\"\r\n");
    ASSERT_TRUE(writeAll(path, previous));

    // 5 KB against a limit of 1 KB: the buffered write "succeeds", the flush does not.
    ArchiveWriter big;
    for (int i = 0; i < 100; ++i) {
        big.add(Variant(QString(40, QLatin1Char('x'))));
        big.endRecord();
    }
    ASSERT_GT(big.bytes().size(), 4000);
    const int esito = inFiglioConLimite(1024, [&] {
        QString error;
        return !big.save(path, &error) && error.contains(QDir::toNativeSeparators(path));
    });
    EXPECT_EQ(esito, 0) << "the save must fail with a message naming the file";
    EXPECT_EQ(readAll(path), previous);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Vantegra-dati-prova")});
}

TEST(ArchiveFiles, ReadOnlyFolderKeepsThePreviousFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("archivio"));
    ASSERT_TRUE(writeAll(path, "\"vecchio\"\r\n"));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    const bool enforced = !QFileInfo(dir.path()).isWritable() || !QFile(dir.filePath("t")).open(QIODevice::WriteOnly);
    QFile::remove(dir.filePath("t"));
    if (enforced) {
        ArchiveWriter w;
        w.addText(QStringLiteral("nuovo"));
        w.endRecord();
        QString error;
        EXPECT_FALSE(w.save(path, &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(readAll(path), QByteArray("\"vecchio\"\r\n"));
    }
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!enforced)
        GTEST_SKIP() << "folder permissions are not enforced for this user";
}

TEST(ArchiveFiles, LoadFailures)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ArchiveReader r;
    QString error;
    EXPECT_FALSE(r.load(dir.filePath(QStringLiteral("manca")), &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Impossibile aprire il file"))) << error.toStdString();
    EXPECT_FALSE(r.load(dir.path(), &error));
    EXPECT_FALSE(error.isEmpty());

    const QString big = dir.filePath(QStringLiteral("grande"));
    ASSERT_TRUE(writeAll(big, QByteArray(ArchiveReader::MaxSize + 10, '1')));
    EXPECT_FALSE(r.load(big, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("troppo grande")));

    const QString truncated = dir.filePath(QStringLiteral("troncato"));
    ASSERT_TRUE(writeAll(truncated, "3\r\n\"1500,5\",\"2"));
    EXPECT_FALSE(r.load(truncated, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("incompleto")));
    EXPECT_TRUE(r.records().isEmpty());
}

} // namespace
