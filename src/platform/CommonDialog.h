#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>

class QColor;
class QWidget;

// One file-and-colour dialog object per window, driven through properties like the classic
// common dialog: set the title, file name, filter ("description|pattern|description|pattern",
// kept exactly, blanks included) and filter index (from 1), then show a dialog.
// showOpen/showSave/showColor return false when the user cancels; nothing else changes then.
class CommonDialog
{
public:
    explicit CommonDialog(QWidget *owner = nullptr);

    QString DialogTitle;
    QString FileName;       // proposed name before a dialog, the full path chosen after it
    QString Filter;
    int FilterIndex = 1;    // the pair shown first; after a file dialog, the pair the user left selected
    int Flags = 0;          // 1: the colour dialog starts on Color
    unsigned int Color = 0; // Windows layout 0x00BBGGRR: red in the low byte, then green, then blue

    bool showOpen();        // an existing file
    bool showSave();        // any name; the dialog never asks before overwriting
    bool showColor();

    enum class Kind { Open, Save, Color };
    // What a scripted dialog sees: the properties at the moment the dialog is shown.
    struct Request
    {
        Kind kind;
        QString title;
        QString fileName;
        QString filter;
        int filterIndex;
        int flags;
        unsigned int color;
    };
    // What it answers: accepted false is a cancel; otherwise the path (file dialogs)
    // or the colour in the Windows layout (colour dialog).
    struct Reply
    {
        bool accepted = false;
        QString path;
        unsigned int color = 0;
    };
    using Handler = std::function<Reply(const Request &)>;
    static void setHandler(Handler handler);    // tests; an empty handler restores real dialogs

    // "a|b|c|d" -> Qt name filters {"a (b)", "c (d)"}: the pattern trimmed, ";" between patterns
    // turned into a blank and "*.*" into "*" (every file, as on the classic dialog); runs of
    // blanks made single, as Qt's dialog keeps its filters. The Filter property itself stays as
    // written. A lone trailing description without a pattern is dropped.
    static QStringList qtFilters(const QString &filter);
    // The 1-based pair of `filter` that a Qt name filter came from, given whole or as the dialog
    // shows it with its pattern hidden; 0 when none.
    static int filterIndexOf(const QString &filter, const QString &qtFilter);

    // Colour value conversions between the Windows layout and QColor.
    static QColor toQColor(unsigned int color);
    static unsigned int fromQColor(const QColor &color);

private:
    bool showFile(Kind kind);

    QPointer<QWidget> m_owner;
    QString m_lastFolder;   // where the next dialog starts when FileName names no folder
};
