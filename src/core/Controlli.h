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

// The number entry rule of the main grid, the building-value boxes and the lot fields 2 to 16:
// digits and the decimal comma only (a weighting also admits blanks).
bool RegolaNumerica(const QString &testo, bool ammetteSpazi = false);
// What the rule tells the user at a character it refuses.
void MessaggioRegolaNumerica();

// Gives a control that has no click of its own (a label) one: `azione` runs when the left button
// is released over it.
void alClic(QWidget *controllo, std::function<void()> azione);
