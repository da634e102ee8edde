#pragma once

#include "core/WindowRegistry.h"

#include <QByteArray>
#include <QDialog>
#include <QScopedPointer>
#include <QString>
#include <QStringList>

namespace Ui {
class frmTip;
}

// The tips file, as the user may write it: Windows-1252, or UTF-8 when it starts with a
// byte-order mark. Every line is one tip, empty lines included; a line ends at CR LF, at CR alone
// or at LF alone (a file written on Linux), and a line end after the last line adds no tip.
QString TestoSuggerimenti(const QByteArray &bytes);
QStringList RigheSuggerimenti(const QString &text);

// Tip of the day: one hint at a time from the tips file in the program's folder, read once when
// the window loads. "Successivo" goes on and comes back to the first after the last; "Precedente"
// goes back and stops at the first. A missing or unreadable file is reported inside the window.
class frmTip : public QDialog, public FormLifecycle
{
    Q_OBJECT

public:
    static inline const QString NomeFileSuggerimenti = QStringLiteral("Vantegra-suggerimenti.TXT");
    // The text shown when the tips cannot be read (lines end with CR LF, as the program's
    // messages do; the window shows them as line breaks).
    static QString MessaggioFileMancante();

    explicit frmTip(QWidget *parent = nullptr);
    ~frmTip() override;

    void Form_Load() override;
    // Appends every line of the file to the tips and shows the next tip. False, with nothing
    // read, when the name is empty or the file is missing, hidden, not a file or unreadable.
    bool LoadTips(const QString &sFile);
    // Shows the current tip; with no tips it leaves the label as it is.
    void DisplayCurrentTip();

    void cmdNextTip_Click();
    void cmdprecedente_Click();
    void cmdOK_Click();

    const QStringList &TipList() const { return m_tipList; }
    int TipIndex() const { return m_tipIndex; }
    // What the tip label shows.
    QString testoMostrato() const;

    // The folder the window reads its tips from: the program's, unless a test chose another.
    static QString cartella();
    static void setCartella(const QString &folder);   // empty: the program's folder again

private:
    void ShowNextTip();
    void mostra(const QString &text);

    const QScopedPointer<Ui::frmTip> m_ui;
    QStringList m_tipList;
    int m_tipIndex = 0;   // from 1; 0 until a tip was shown
};
