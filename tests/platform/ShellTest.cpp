#include "platform/Shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QObject>
#include <QUrl>

#include <gtest/gtest.h>

#include <ostream>

static void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

class ShellOpenTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char *scheme : {"http", "https", "mailto", "file"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &recorder, "open");
    }
    void TearDown() override
    {
        for (const char *scheme : {"http", "https", "mailto", "file"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    UrlRecorder recorder;
};

} // namespace

TEST_F(ShellOpenTest, WebPagesAndMailAddressesGoOutAsAddresses)
{
    EXPECT_TRUE(ShellOpen(QStringLiteral("https://www.example.it/prezzi?zona=1")));
    EXPECT_TRUE(ShellOpen(QStringLiteral("HTTP://www.example.it")));
    EXPECT_TRUE(ShellOpen(QStringLiteral("mailto:info@example.it")));
    ASSERT_EQ(recorder.opened.size(), 3);
    EXPECT_EQ(recorder.opened[0], QUrl(QStringLiteral("https://www.example.it/prezzi?zona=1")));
    EXPECT_EQ(recorder.opened[1].scheme(), QStringLiteral("http"));
    EXPECT_EQ(recorder.opened[2].scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(recorder.opened[2].path(), QStringLiteral("info@example.it"));
}

TEST_F(ShellOpenTest, FileNamesOpenAsLocalFilesFromTheCurrentFolder)
{
    EXPECT_TRUE(ShellOpen(QStringLiteral("-RelazioneVantegra-Rossi.doc")));
    EXPECT_TRUE(ShellOpen(QStringLiteral("/tmp/documento con spazi.doc")));
    ASSERT_EQ(recorder.opened.size(), 2);
    EXPECT_TRUE(recorder.opened[0].isLocalFile());
    EXPECT_EQ(recorder.opened[0].toLocalFile(), QDir::current().absoluteFilePath(QStringLiteral("-RelazioneVantegra-Rossi.doc")));
    EXPECT_EQ(recorder.opened[1].toLocalFile(), QStringLiteral("/tmp/documento con spazi.doc"));
}

TEST_F(ShellOpenTest, NothingToOpenIsRefused)
{
    EXPECT_FALSE(ShellOpen(QString()));
    EXPECT_FALSE(ShellOpen(QStringLiteral("   ")));
    EXPECT_TRUE(recorder.opened.isEmpty());
}

#include "ShellTest.moc"
