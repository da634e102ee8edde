#include "WordTestBase.h"
#include "support/LimiteFile.h"

#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QUrl>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

// Root writes into any folder: for the length of a test, the process gives up the capability
// that lets it ignore permission bits, so that a read-only folder refuses it as it refuses a user.
class WithoutPermissionOverride
{
public:
    WithoutPermissionOverride()
    {
        if (geteuid() != 0) {
            m_active = true;   // permission bits already apply
            return;
        }
        if (syscall(SYS_capget, &m_header, m_saved) != 0)
            return;
        __user_cap_data_struct reduced[2] = {m_saved[0], m_saved[1]};
        reduced[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
        reduced[0].effective &= ~(1u << CAP_DAC_READ_SEARCH);
        m_active = syscall(SYS_capset, &m_header, reduced) == 0;
        m_restore = m_active;
    }
    ~WithoutPermissionOverride()
    {
        if (m_restore)
            syscall(SYS_capset, &m_header, m_saved);
    }
    bool active() const { return m_active; }

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
    bool m_active = false;
    bool m_restore = false;
};

class WordSaveTest : public WordTest
{
protected:
    void SetUp() override
    {
        WordTest::SetUp();
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "open");
    }
    void TearDown() override
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        WordTest::TearDown();
    }

    static void write(WordApplication &app, const QString &text)
    {
        if (!app.ActiveDocument())
            app.Documents().Add();
        app.Selection().TypeText(text);
    }

    UrlRecorder recorder;
};

}   // namespace

TEST_F(WordSaveTest, SavesUnderTheGivenDocNameAndReplacesAnEarlierFile)
{
    const QString name = path(QStringLiteral("-DatiVantegra-Rossi.doc"));
    {
        WordApplication app;
        write(app, QStringLiteral("prima versione, più lunga della seconda\r"));
        ASSERT_TRUE(app.Documents().Item(app.Documents().Count())->SaveAs(name));
    }
    WordApplication app;
    write(app, QStringLiteral("seconda\r"));
    WordDocument &doc = *app.ActiveDocument();
    ASSERT_TRUE(doc.SaveAs(name));

    EXPECT_EQ(doc.FullName(), name);
    EXPECT_EQ(WordApplication::lastSavedPath(), name);
    const docx::Document read = docx::read(name);
    EXPECT_EQ(read.error, QString());
    EXPECT_EQ(read.texts(), QStringList({QStringLiteral("seconda"), QString()}));
    // Nothing but the document is left in the folder (no temporary files).
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({QStringLiteral("-DatiVantegra-Rossi.doc")}));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(WordSaveTest, AFailedSaveTellsTheUserOnceAndReturnsFalse)
{
    QFile blocker(path(QStringLiteral("archivio")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.write("non una cartella");
    blocker.close();
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("cartella.doc")));

    WordApplication::setOpenAfterSave(true);
    WordApplication app;
    app.setVisible(true);
    write(app, QStringLiteral("testo\r"));
    WordDocument &doc = *app.ActiveDocument();

    // The parent of the name is a file: even root cannot write there.
    const QString underFile = path(QStringLiteral("archivio/-DatiVantegra-Rossi.doc"));
    EXPECT_FALSE(doc.SaveAs(underFile));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].icon(), vb::Critical);
    EXPECT_EQ(messages[0].buttons(), vb::OKOnly);
    EXPECT_FALSE(messages[0].title.isEmpty());
    EXPECT_TRUE(messages[0].text.contains(QDir::toNativeSeparators(underFile)));
    EXPECT_EQ(WordApplication::lastSavedPath(), QString());
    EXPECT_EQ(doc.FullName(), QString());

    // The name is a folder; and a folder that does not exist.
    EXPECT_FALSE(doc.SaveAs(path(QStringLiteral("cartella.doc"))));
    EXPECT_FALSE(doc.SaveAs(path(QStringLiteral("manca/documento.doc"))));
    EXPECT_EQ(messages.size(), 3);
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("cartella.doc"))).isDir());
    EXPECT_TRUE(recorder.opened.isEmpty());

    // The document is intact and can still be saved.
    EXPECT_TRUE(doc.SaveAs(path(QStringLiteral("ok.doc"))));
    EXPECT_EQ(messages.size(), 3);
}

TEST_F(WordSaveTest, AFullDiskKeepsAnEarlierDocumentAndIsReported)
{
    const QString target = path(QStringLiteral("-DatiVantegra-Rossi.doc"));
    QFile earlier(target);
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("documento precedente");
    earlier.close();

    WordApplication app;
    QString text;
    for (int i = 0; i < 300; ++i)
        text += QString::fromLatin1(QCryptographicHash::hash(QByteArray::number(i), QCryptographicHash::Sha256).toHex())
                + QLatin1Char('\r');   // text that does not compress below the limit
    write(app, text);
    WordDocument &doc = *app.ActiveDocument();
    const int esito = inFiglioConLimite(1024, [&] { return !doc.SaveAs(target) && messages.size() == 1; });
    EXPECT_EQ(esito, 0) << "the save must fail and say so once";
    QFile after(target);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), QByteArray("documento precedente"));
}

TEST_F(WordSaveTest, AReadOnlyFolderSendsTheDocumentToTheUsersDocuments)
{
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));
    const QString folder = path(QStringLiteral("programma"));
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);

    WordApplication app;
    write(app, QStringLiteral("relazione\r"));
    bool saved = false;
    {
        WithoutPermissionOverride restricted;
        if (!restricted.active()) {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            GTEST_SKIP() << "cannot drop the permission override";
        }
        saved = app.ActiveDocument()->SaveAs(folder + QStringLiteral("/-RelazioneVantegra-Rossi.doc"));
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("HOME", oldHome);
    if (oldConfig.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", oldConfig);

    const QString expected = home.filePath(QStringLiteral("Documents/-RelazioneVantegra-Rossi.doc"));
    EXPECT_TRUE(saved);
    EXPECT_EQ(WordApplication::lastSavedPath(), expected);
    EXPECT_EQ(app.ActiveDocument()->FullName(), expected);
    EXPECT_EQ(docx::read(expected).texts().value(0), QStringLiteral("relazione"));
    EXPECT_FALSE(QFile::exists(folder + QStringLiteral("/-RelazioneVantegra-Rossi.doc")));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].icon(), vb::Information);
    EXPECT_TRUE(messages[0].text.contains(expected));
}

TEST_F(WordSaveTest, AVisibleApplicationOpensWhatItSaved)
{
    WordApplication::setOpenAfterSave(true);
    WordApplication visible;
    visible.setVisible(true);
    write(visible, QStringLiteral("visibile"));
    ASSERT_TRUE(visible.ActiveDocument()->SaveAs(path(QStringLiteral("a.doc"))));
    WordApplication hidden;
    write(hidden, QStringLiteral("nascosto"));
    ASSERT_TRUE(hidden.ActiveDocument()->SaveAs(path(QStringLiteral("b.doc"))));
    ASSERT_EQ(recorder.opened.size(), 1);
    EXPECT_EQ(recorder.opened[0].toLocalFile(), path(QStringLiteral("a.doc")));

    // A document left unsaved is shown from a temporary copy.
    ASSERT_TRUE(hidden.ActiveDocument()->Show());
    ASSERT_EQ(recorder.opened.size(), 2);
    const QString shown = recorder.opened[1].toLocalFile();
    EXPECT_EQ(docx::read(shown).texts().value(0), QStringLiteral("nascosto"));
    QFile::remove(shown);

    WordApplication::setOpenAfterSave(false);
    ASSERT_TRUE(visible.ActiveDocument()->SaveAs(path(QStringLiteral("c.doc"))));
    EXPECT_EQ(recorder.opened.size(), 2);
}

#include "WordSaveTest.moc"
