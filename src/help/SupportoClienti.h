#pragma once

#include "core/WindowRegistry.h"

#include <QDialog>
#include <QScopedPointer>

namespace Ui {
class supportoclienti;
}

// How to reach the maker: address, telephone and fax, e-mail, web site and the support rules.
// Every text is fixed; "OK" only hides the window.
class supportoclienti : public QDialog, public FormLifecycle
{
    Q_OBJECT

public:
    explicit supportoclienti(QWidget *parent = nullptr);
    ~supportoclienti() override;

    void Command1_Click();

private:
    const QScopedPointer<Ui::supportoclienti> m_ui;
};
