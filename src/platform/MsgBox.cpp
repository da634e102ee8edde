#include "platform/MsgBox.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

namespace {

MessageHandler &installedHandler()
{
    static MessageHandler handler;
    return handler;
}

QMessageBox::Icon qtIcon(int icon)
{
    switch (icon) {
    case vb::Critical: return QMessageBox::Critical;
    case vb::Question: return QMessageBox::Question;
    case vb::Exclamation: return QMessageBox::Warning;
    case vb::Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

struct BoxButton
{
    const char *text;
    QMessageBox::ButtonRole role;
    int answer;
};

// The buttons of each style, left to right, with the answer each one gives.
QList<BoxButton> buttonsOf(int buttons)
{
    switch (buttons) {
    case vb::OKCancel:
        return {{"OK", QMessageBox::AcceptRole, vb::OK}, {"Annulla", QMessageBox::RejectRole, vb::Cancel}};
    case vb::YesNoCancel:
        return {{"Sì", QMessageBox::YesRole, vb::Yes},
                {"No", QMessageBox::NoRole, vb::No},
                {"Annulla", QMessageBox::RejectRole, vb::Cancel}};
    case vb::YesNo:
        return {{"Sì", QMessageBox::YesRole, vb::Yes}, {"No", QMessageBox::NoRole, vb::No}};
    default:
        return {{"OK", QMessageBox::AcceptRole, vb::OK}};
    }
}

// What Escape and the close box answer: Cancel where there is one, No on a Yes/No box
// (so that closing the exit question never counts as Yes), OK on a box with OK alone.
int escapeAnswer(int buttons)
{
    switch (buttons) {
    case vb::OKCancel:
    case vb::YesNoCancel: return vb::Cancel;
    case vb::YesNo: return vb::No;
    default: return vb::OK;
    }
}

} // namespace

int MsgBox(const QString &text, int style, const QString &title)
{
    const MessageRecord record{text, style, title};
    if (const MessageHandler &handler = installedHandler())
        return handler(record);

    const QString caption = title.isEmpty() ? QGuiApplication::applicationDisplayName() : title;
    // Texts break their lines with Chr(13), alone or followed by Chr(10).
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(qtIcon(record.icon()), caption, shown, QMessageBox::NoButton,
                    QApplication::activeWindow());

    const QList<BoxButton> choices = buttonsOf(record.buttons());
    QList<QPushButton *> pushButtons;
    for (const BoxButton &choice : choices)
        pushButtons << box.addButton(QString::fromUtf8(choice.text), choice.role);

    const qsizetype defaultIndex =
        std::min<qsizetype>(record.defaultButton() / vb::DefaultButton2, pushButtons.size() - 1);
    box.setDefaultButton(pushButtons.at(defaultIndex));

    const int onEscape = escapeAnswer(record.buttons());
    for (qsizetype i = 0; i < choices.size(); ++i) {
        if (choices.at(i).answer == onEscape)
            box.setEscapeButton(pushButtons.at(i));
    }

    box.exec();
    const qsizetype clicked = pushButtons.indexOf(qobject_cast<QPushButton *>(box.clickedButton()));
    return clicked >= 0 ? choices.at(clicked).answer : onEscape;
}

void setMessageHandler(MessageHandler handler)
{
    installedHandler() = std::move(handler);
}
