#pragma once

// Small things every window does to its controls.

#include <QString>
#include <functional>

class QColor;
class QLineEdit;
class QWidget;

// Writes a box's text only when it differs: writing the text a box already holds runs no change
// handler, which the change cascades of the windows rely on.
void scriviTesto(QLineEdit *box, const QString &testo);

// Fills a control's background (a label, a panel, a window) with a colour.
void coloraSfondo(QWidget *controllo, const QColor &colore);

// Gives a control that has no click of its own (a label) one: `azione` runs when the left button
// is released over it.
void alClic(QWidget *controllo, std::function<void()> azione);
