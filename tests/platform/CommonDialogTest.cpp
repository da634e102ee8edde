#include "platform/CommonDialog.h"

#include <QApplication>
#include <QColor>
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>

static void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

const QString kOpenFilter = QStringLiteral("Tutti i file (*.*)|*.*|File Vantegra-dati- | Vantegra-dati-*");
const QString kSaveFilter = QStringLiteral("File Vantegra-dati- | Vantegra-dati-*");

// Acts on the next modal dialog of type T as soon as it is on screen.
template <typename T>
class OnNextDialog
{
public:
    explicit OnNextDialog(std::function<void(T *)> act)
        : m_timer(std::make_unique<QTimer>())
    {
        m_timer->setInterval(5);
        QObject::connect(m_timer.get(), &QTimer::timeout, [this, act = std::move(act)] {
            if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget())) {
                m_timer->stop();
                act(dialog);
            }
        });
        m_timer->start();
    }

private:
    std::unique_ptr<QTimer> m_timer;
};

struct FileDialogSeen
{
    QString title;
    QStringList nameFilters;
    QString selectedNameFilter;
    QString directory;
    QString proposedName;
    QStringList modelFilters;
    QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptOpen;
    QFileDialog::FileMode fileMode = QFileDialog::AnyFile;
};

FileDialogSeen look(QFileDialog *dialog)
{
    FileDialogSeen seen;
    seen.title = dialog->windowTitle();
    seen.nameFilters = dialog->nameFilters();
    seen.selectedNameFilter = dialog->selectedNameFilter();
    seen.directory = dialog->directory().absolutePath();
    if (auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
        seen.proposedName = edit->text();
    if (auto *model = dialog->findChild<QFileSystemModel *>())
        seen.modelFilters = model->nameFilters();
    seen.acceptMode = dialog->acceptMode();
    seen.fileMode = dialog->fileMode();
    return seen;
}

class CommonDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        QFile file(folder.filePath(QStringLiteral("Vantegra-dati-prova")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("1\r\n");
    }
    void TearDown() override { CommonDialog::setHandler({}); }

    QTemporaryDir folder;
};

} // namespace

TEST(CommonDialogFilters, PairsKeepTheirBlanksAndPatternsAreTrimmedForMatching)
{
    EXPECT_EQ(CommonDialog::qtFilters(kOpenFilter),
              (QStringList{QStringLiteral("Tutti i file (*.*) (*)"),
                           QStringLiteral("File Vantegra-dati- (Vantegra-dati-*)")}));
    EXPECT_EQ(CommonDialog::qtFilters(kSaveFilter), QStringList{QStringLiteral("File Vantegra-dati- (Vantegra-dati-*)")});
    EXPECT_EQ(CommonDialog::qtFilters(QStringLiteral("Testi|*.txt;*.TXT|Resto")),
              QStringList{QStringLiteral("Testi (*.txt *.TXT)")});
    EXPECT_TRUE(CommonDialog::qtFilters(QString()).isEmpty());

    const QStringList pairs = CommonDialog::qtFilters(kOpenFilter);
    EXPECT_EQ(CommonDialog::filterIndexOf(kOpenFilter, pairs.at(0)), 1);
    EXPECT_EQ(CommonDialog::filterIndexOf(kOpenFilter, pairs.at(1)), 2);
    EXPECT_EQ(CommonDialog::filterIndexOf(kOpenFilter, QStringLiteral("Tutti i file (*.*)")), 1);
    EXPECT_EQ(CommonDialog::filterIndexOf(kOpenFilter, QStringLiteral("File Vantegra-dati-")), 2);
    EXPECT_EQ(CommonDialog::filterIndexOf(kOpenFilter, QStringLiteral("Altro (*)")), 0);
    EXPECT_EQ(CommonDialog::filterIndexOf(kOpenFilter, QStringLiteral("File")), 0);
}

TEST(CommonDialogColours, WindowsLayoutHoldsRedInTheLowByte)
{
    EXPECT_EQ(CommonDialog::toQColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(CommonDialog::toQColor(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(CommonDialog::toQColor(0x563412), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(CommonDialog::fromQColor(QColor(0x12, 0x34, 0x56)), 0x563412u);
    EXPECT_EQ(CommonDialog::fromQColor(QColor(Qt::green)), 0x00FF00u);
    for (unsigned int value : {0x000000u, 0xC0C0C0u, 0x8000FFu, 0xFFFFFFu})
        EXPECT_EQ(CommonDialog::fromQColor(CommonDialog::toQColor(value)), value);
}

TEST_F(CommonDialogTest, ScriptedDialogsSeeThePropertiesAndSetTheChoice)
{
    QList<CommonDialog::Request> requests;
    const QString chosen = folder.filePath(QStringLiteral("Vantegra-dati-prova"));
    CommonDialog::setHandler([&](const CommonDialog::Request &request) {
        requests << request;
        CommonDialog::Reply reply;
        reply.accepted = true;
        reply.path = chosen;
        reply.color = 0x00FF00;
        return reply;
    });

    CommonDialog dialog;
    dialog.DialogTitle = QStringLiteral("Apri file");
    dialog.FileName = QString();
    dialog.Filter = kOpenFilter;
    dialog.FilterIndex = 2;
    ASSERT_TRUE(dialog.showOpen());
    EXPECT_EQ(dialog.FileName, chosen);

    dialog.DialogTitle = QStringLiteral("Salva file");
    dialog.Filter = kSaveFilter;
    dialog.FilterIndex = 1;
    ASSERT_TRUE(dialog.showSave());

    dialog.Flags = 1;
    dialog.Color = 0xC0C0C0;
    ASSERT_TRUE(dialog.showColor());
    EXPECT_EQ(dialog.Color, 0x00FF00u);

    ASSERT_EQ(requests.size(), 3);
    EXPECT_EQ(requests[0].kind, CommonDialog::Kind::Open);
    EXPECT_EQ(requests[0].title, QStringLiteral("Apri file"));
    EXPECT_EQ(requests[0].fileName, QString());
    EXPECT_EQ(requests[0].filter, kOpenFilter);
    EXPECT_EQ(requests[0].filterIndex, 2);
    EXPECT_EQ(requests[1].kind, CommonDialog::Kind::Save);
    EXPECT_EQ(requests[1].fileName, chosen);    // the dialog keeps proposing the last choice
    EXPECT_EQ(requests[1].filter, kSaveFilter);
    EXPECT_EQ(requests[2].kind, CommonDialog::Kind::Color);
    EXPECT_EQ(requests[2].flags, 1);
    EXPECT_EQ(requests[2].color, 0xC0C0C0u);
}

TEST_F(CommonDialogTest, ScriptedCancelChangesNothing)
{
    CommonDialog::setHandler([](const CommonDialog::Request &) { return CommonDialog::Reply{}; });
    CommonDialog dialog;
    dialog.FileName = QStringLiteral("Vantegra-dati-");
    dialog.Color = 0x123456;
    EXPECT_FALSE(dialog.showOpen());
    EXPECT_FALSE(dialog.showSave());
    EXPECT_FALSE(dialog.showColor());
    EXPECT_EQ(dialog.FileName, QStringLiteral("Vantegra-dati-"));
    EXPECT_EQ(dialog.Color, 0x123456u);
}

TEST_F(CommonDialogTest, RealOpenDialogStartsWhereTheNameSaysWithTheChosenPair)
{
    FileDialogSeen seen;
    const QString chosen = folder.filePath(QStringLiteral("Vantegra-dati-prova"));
    OnNextDialog<QFileDialog> answer([&](QFileDialog *dialog) {
        seen = look(dialog);
        dialog->selectFile(chosen);
        QMetaObject::invokeMethod(dialog, "accept");
    });

    CommonDialog dialog;
    dialog.DialogTitle = QStringLiteral("Apri file");
    dialog.FileName = folder.filePath(QStringLiteral("Vantegra-dati-"));
    dialog.Filter = kOpenFilter;
    dialog.FilterIndex = 2;
    ASSERT_TRUE(dialog.showOpen());

    EXPECT_EQ(seen.title, QStringLiteral("Apri file"));
    EXPECT_EQ(seen.nameFilters, CommonDialog::qtFilters(kOpenFilter));
    EXPECT_EQ(CommonDialog::filterIndexOf(kOpenFilter, seen.selectedNameFilter), 2);
    EXPECT_EQ(seen.modelFilters, QStringList{QStringLiteral("Vantegra-dati-*")});
    EXPECT_EQ(seen.directory, QDir(folder.path()).absolutePath());
    EXPECT_EQ(seen.proposedName, QStringLiteral("Vantegra-dati-"));
    EXPECT_EQ(seen.acceptMode, QFileDialog::AcceptOpen);
    EXPECT_EQ(seen.fileMode, QFileDialog::ExistingFile);
    EXPECT_EQ(dialog.FileName, QFileInfo(chosen).absoluteFilePath());
    EXPECT_EQ(dialog.FilterIndex, 2);
}

TEST_F(CommonDialogTest, RealSaveDialogProposesTheBareNameInTheLastFolderUsed)
{
    CommonDialog dialog;
    dialog.Filter = kSaveFilter;
    dialog.FilterIndex = 1;
    const QString first = folder.filePath(QStringLiteral("Vantegra-dati-uno"));
    {
        OnNextDialog<QFileDialog> answer([&](QFileDialog *d) {
            d->selectFile(first);
            QMetaObject::invokeMethod(d, "accept");
        });
        dialog.DialogTitle = QStringLiteral("Salva file");
        ASSERT_TRUE(dialog.showSave());
    }
    EXPECT_EQ(dialog.FileName, QFileInfo(first).absoluteFilePath());

    FileDialogSeen seen;
    {
        OnNextDialog<QFileDialog> answer([&](QFileDialog *d) {
            seen = look(d);
            d->reject();
        });
        dialog.DialogTitle = QStringLiteral("Salva file con nome");
        dialog.FileName = QStringLiteral("Vantegra-dati-");
        EXPECT_FALSE(dialog.showSave());
    }
    EXPECT_EQ(seen.title, QStringLiteral("Salva file con nome"));
    EXPECT_EQ(seen.acceptMode, QFileDialog::AcceptSave);
    EXPECT_EQ(seen.directory, QDir(folder.path()).absolutePath());
    EXPECT_EQ(seen.proposedName, QStringLiteral("Vantegra-dati-"));
    EXPECT_EQ(CommonDialog::filterIndexOf(kSaveFilter, seen.selectedNameFilter), 1);
    EXPECT_EQ(dialog.FileName, QStringLiteral("Vantegra-dati-"));   // the cancel left it alone
}

TEST_F(CommonDialogTest, RealColourDialogStartsOnColorWithFlagOne)
{
    QColor startedOn;
    {
        OnNextDialog<QColorDialog> answer([&](QColorDialog *d) {
            startedOn = d->currentColor();
            d->setCurrentColor(QColor(0x10, 0x20, 0x30));
            QMetaObject::invokeMethod(d, "accept");
        });
        CommonDialog dialog;
        dialog.Flags = 1;
        dialog.Color = 0x0000FF;
        ASSERT_TRUE(dialog.showColor());
        EXPECT_EQ(dialog.Color, 0x302010u);
    }
    EXPECT_EQ(startedOn, QColor(255, 0, 0));

    OnNextDialog<QColorDialog> answer([](QColorDialog *d) {
        d->setCurrentColor(Qt::blue);
        d->reject();
    });
    CommonDialog dialog;
    dialog.Flags = 1;
    dialog.Color = 0x0000FF;
    EXPECT_FALSE(dialog.showColor());
    EXPECT_EQ(dialog.Color, 0x0000FFu);
}
