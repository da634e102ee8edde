#pragma once

#include "core/WindowRegistry.h"
#include "platform/MidiPlayer.h"

#include <QScopedPointer>
#include <QWidget>

class QLabel;

namespace Ui {
class frmSplash;
}

// The opening and closing screen: product name, report title and edition over the splash tune.
// A click pauses the tune and opens the main data window; a key closes the tune and the screen.
class frmSplash : public QWidget, public FormLifecycle
{
    Q_OBJECT

public:
    explicit frmSplash(QWidget *parent = nullptr);
    ~frmSplash() override;

    MidiPlayer MMControl1;

    void Form_Load() override;
    void Form_Click();
    void label_click(int index);
    void image1_click();
    void Form_KeyPress(int keyAscii);

    // Caption of the label with this index; nothing for an index the window has no label for.
    QString caption(int index) const;
    void setCaption(int index, const QString &text);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *label(int index) const;

    const QScopedPointer<Ui::frmSplash> m_ui;
};
