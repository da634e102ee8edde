#include "platform/MsgBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <ostream>

static void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

#include <functional>
#include <memory>

namespace {

// Acts on the next modal window as soon as it is on screen; stops at its end of scope.
class OnNextModal
{
public:
    explicit OnNextModal(std::function<void(QMessageBox *)> act)
        : m_timer(std::make_unique<QTimer>())
    {
        m_timer->setInterval(5);
        QObject::connect(m_timer.get(), &QTimer::timeout, [this, act = std::move(act)] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                m_timer->stop();
                seen = true;
                act(box);
            }
        });
        m_timer->start();
    }
    bool seen = false;

private:
    std::unique_ptr<QTimer> m_timer;
};

QStringList buttonTexts(QMessageBox *box)
{
    QStringList texts;
    for (QAbstractButton *button : box->buttons())
        texts << button->text();
    texts.sort();
    return texts;
}

QPushButton *buttonWithText(QMessageBox *box, const QString &text)
{
    for (QAbstractButton *button : box->buttons()) {
        if (button->text() == text)
            return qobject_cast<QPushButton *>(button);
    }
    return nullptr;
}

} // namespace

TEST(MsgBoxHandler, SeesEveryMessageAndAnswersForTheBox)
{
    QList<MessageRecord> seen;
    setMessageHandler([&seen](const MessageRecord &record) {
        seen << record;
        return seen.size() == 1 ? int(vb::No) : int(vb::OK);
    });

    const int exitAnswer = MsgBox(QStringLiteral("Vuoi uscire da Vantegra?"),
                                  vb::YesNo | vb::Question | vb::DefaultButton2,
                                  QStringLiteral("Attenzione: i dati non archiviati andranno persi !"));
    const int infoAnswer = MsgBox(QStringLiteral("Dati salvati."));
    setMessageHandler({});

    EXPECT_EQ(exitAnswer, vb::No);
    EXPECT_EQ(infoAnswer, vb::OK);
    ASSERT_EQ(seen.size(), 2);
    EXPECT_EQ(seen[0].text, QStringLiteral("Vuoi uscire da Vantegra?"));
    EXPECT_EQ(seen[0].title, QStringLiteral("Attenzione: i dati non archiviati andranno persi !"));
    EXPECT_EQ(seen[0].style, 292);
    EXPECT_EQ(seen[0].buttons(), vb::YesNo);
    EXPECT_EQ(seen[0].icon(), vb::Question);
    EXPECT_EQ(seen[0].defaultButton(), vb::DefaultButton2);
    EXPECT_EQ(seen[1].style, vb::OKOnly);
    EXPECT_EQ(seen[1].icon(), 0);
}

TEST(MsgBoxReal, ShowsTextTitleIconAndItalianButtons)
{
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList yesNoCancel, okCancel;
    {
        OnNextModal answer([&](QMessageBox *box) {
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            yesNoCancel = buttonTexts(box);
            box->reject();
        });
        MsgBox(QStringLiteral("Salvare?"), vb::YesNoCancel | vb::Exclamation, QStringLiteral("Vantegra"));
    }
    {
        OnNextModal answer([&](QMessageBox *box) {
            okCancel = buttonTexts(box);
            box->reject();
        });
        MsgBox(QStringLiteral("Procedere?"), vb::OKCancel | vb::Critical);
    }
    QString lines;
    {
        OnNextModal answer([&](QMessageBox *box) {
            lines = box->text();
            box->accept();
        });
        MsgBox(QStringLiteral("- uno;\r- due;\r\n- tre."), vb::Information);
    }
    EXPECT_EQ(lines, QStringLiteral("- uno;\n- due;\n- tre.")) << "Chr(13) breaks the line";
    EXPECT_EQ(text, QStringLiteral("Salvare?"));
    EXPECT_EQ(title, QStringLiteral("Vantegra"));
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(yesNoCancel, (QStringList{QStringLiteral("Annulla"), QStringLiteral("No"), QStringLiteral("Sì")}));
    EXPECT_EQ(okCancel, (QStringList{QStringLiteral("Annulla"), QStringLiteral("OK")}));
}

TEST(MsgBoxReal, EscapeAndCloseBoxNeverCountAsYes)
{
    int escapeYesNo = 0, closeYesNo = 0, escapeYesNoCancel = 0, escapeOkCancel = 0, escapeOk = 0;
    {
        OnNextModal answer([](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Escape); });
        escapeYesNo = MsgBox(QStringLiteral("Uscire?"), vb::YesNo | vb::Question);
        EXPECT_TRUE(answer.seen);
    }
    {
        OnNextModal answer([](QMessageBox *box) { box->close(); });
        closeYesNo = MsgBox(QStringLiteral("Uscire?"), vb::YesNo | vb::Question);
    }
    {
        OnNextModal answer([](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Escape); });
        escapeYesNoCancel = MsgBox(QStringLiteral("Salvare?"), vb::YesNoCancel);
    }
    {
        OnNextModal answer([](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Escape); });
        escapeOkCancel = MsgBox(QStringLiteral("Procedere?"), vb::OKCancel);
    }
    {
        OnNextModal answer([](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Escape); });
        escapeOk = MsgBox(QStringLiteral("Fatto."), vb::OKOnly | vb::Information);
    }
    EXPECT_EQ(escapeYesNo, vb::No);
    EXPECT_EQ(closeYesNo, vb::No);
    EXPECT_EQ(escapeYesNoCancel, vb::Cancel);
    EXPECT_EQ(escapeOkCancel, vb::Cancel);
    EXPECT_EQ(escapeOk, vb::OK);
}

TEST(MsgBoxReal, EnterPressesTheDefaultButton)
{
    int secondDefault = 0, firstDefault = 0, thirdDefault = 0;
    {
        OnNextModal answer([](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Return); });
        secondDefault = MsgBox(QStringLiteral("Uscire?"), vb::YesNo | vb::Question | vb::DefaultButton2);
    }
    {
        OnNextModal answer([](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Return); });
        firstDefault = MsgBox(QStringLiteral("Cancellare?"), vb::YesNo | vb::Question);
    }
    {
        OnNextModal answer([](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Enter); });
        thirdDefault = MsgBox(QStringLiteral("Salvare?"), vb::YesNoCancel | vb::DefaultButton3);
    }
    EXPECT_EQ(secondDefault, vb::No);
    EXPECT_EQ(firstDefault, vb::Yes);
    EXPECT_EQ(thirdDefault, vb::Cancel);
}

TEST(MsgBoxReal, EachButtonGivesItsAnswer)
{
    const QList<std::pair<QString, int>> cases = {
        {QStringLiteral("Sì"), vb::Yes}, {QStringLiteral("No"), vb::No}, {QStringLiteral("Annulla"), vb::Cancel}};
    for (const auto &[text, expected] : cases) {
        OnNextModal answer([text = text](QMessageBox *box) {
            if (QPushButton *button = buttonWithText(box, text))
                button->click();
            else
                box->reject();
        });
        EXPECT_EQ(MsgBox(QStringLiteral("Salvare?"), vb::YesNoCancel), expected) << text.toStdString();
    }
}
