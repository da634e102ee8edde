#pragma once

#include "core/WindowRegistry.h"
#include "platform/CommonDialog.h"
#include "platform/MsgBox.h"

#include <QAction>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>
#include <QWidget>
#include <deque>
#include <gtest/gtest.h>
#include <ostream>
#include <stdexcept>

class QLineEdit;

// Failing comparisons of texts print the texts.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

// A file's bytes ("<missing>" when it cannot be read), and a file written whole.
QByteArray contenuto(const QString &path);
bool scrivi(const QString &path, const QByteArray &bytes);

// Puts every datum of the shared module back as it is when the program starts.
void resetModuleData();

// Takes the place of the desktop for web pages, mail addresses and documents: records them.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls << url; }
};

// Base of the tests that drive real windows: the program's state as at start, every message box
// and dialog answered from a script and recorded, nothing launched on the desktop.
class WindowTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // --- message boxes: every one shown, in order; the next answers to give
    QList<MessageRecord> messages;
    void answerNext(int answer) { m_answers.push_back(answer); }

    // --- file and colour dialogs: every request shown, in order; the next replies to give
    //     (with none scripted, a dialog is cancelled)
    QList<CommonDialog::Request> dialogs;
    void answerDialog(const QString &path) { m_replies.push_back({true, path, 0}); }
    void answerColor(unsigned int color) { m_replies.push_back({true, QString(), color}); }
    void cancelDialog() { m_replies.push_back({false, QString(), 0}); }

    // --- web pages, mail addresses and documents the program asked the desktop to open
    UrlRecorder desktop;
    // --- set when the program asked to end
    bool quitRequested = false;

    // The window by its name, created hidden when needed (nullptr fails the test).
    template<class W>
    W *window(const QString &name)
    {
        W *w = WindowRegistry::get<W>(name);
        if (!w)
            fail(QStringLiteral("no window named %1").arg(name));
        return w;
    }
    // The window shown as the program shows it.
    template<class W>
    W *show(const QString &name)
    {
        WindowRegistry::show(name);
        return window<W>(name);
    }

    // A control of a window by its object name; fails the test when there is none.
    template<class T>
    T *find(QWidget *window, const QString &objectName)
    {
        if (!window)
            fail(QStringLiteral("no window to look for %1 in").arg(objectName));
        T *found = window->objectName() == objectName ? qobject_cast<T *>(window) : nullptr;
        if (!found)
            found = window->findChild<T *>(objectName);
        if (!found)
            fail(QStringLiteral("no %1 named %2 in window %3")
                     .arg(QString::fromLatin1(T::staticMetaObject.className()), objectName, window->objectName()));
        return found;
    }

    void trigger(QWidget *window, const QString &actionName);   // a menu entry or toolbar button
    void type(QLineEdit *box, const QString &text);             // keystrokes at the cursor
    void click(QWidget *widget);                                // left click in the middle
    void pressKey(QWidget *widget, Qt::Key key);

    // Runs what is waiting: destroys unloaded windows.
    static void processEvents();

    // Registers a plain window under `name` in place of the program's own (a help window, say),
    // for a test about what shows it; the next test's SetUp registers the program's windows again.
    static void standIn(const QString &name);
    // Whether the window exists and is visible.
    static bool isShown(const QString &name);

    [[noreturn]] static void fail(const QString &what)
    {
        ADD_FAILURE() << what.toStdString();
        throw std::runtime_error(what.toStdString());
    }

private:
    std::deque<int> m_answers;
    std::deque<CommonDialog::Reply> m_replies;
};
