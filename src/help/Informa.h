#pragma once

#include "core/WindowRegistry.h"

#include <QDialog>
#include <QScopedPointer>
#include <QString>

namespace Ui {
class informa;
}

// The about box: product name, the report it writes, the maker, and the edition with its version
// and years. The texts are set once, when the window loads; "OK" only hides it.
class informa : public QDialog, public FormLifecycle
{
    Q_OBJECT

public:
    // "edizione professionale - versione " & version & "  " & Str(year of the release date) &
    // "- 20" & the last two characters of the build tag (day, month, two-digit year). The release
    // date is read as day/month/year whatever the machine's settings; an unreadable date gives
    // no year.
    static QString RigaVersione(const QString &versione, const QString &dataVersione, const QString &build);

    explicit informa(QWidget *parent = nullptr);
    ~informa() override;

    void Form_Load() override;
    void cmdOK_Click();

private:
    const QScopedPointer<Ui::informa> m_ui;
};
