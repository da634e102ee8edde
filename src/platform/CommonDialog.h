#pragma once

#include <QString>
#include <functional>

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
    int FilterIndex = 1;
    int Flags = 0;          // 1: the colour dialog starts on Color
    unsigned int Color = 0; // Windows layout: red in the low byte, then green, then blue

    bool showOpen();
    bool showSave();
    bool showColor();

    enum class Kind { Open, Save, Color };
    // What a scripted dialog sees and answers: for files the path (empty = cancel),
    // for colours the colour (nullopt-like: a negative value = cancel).
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
    struct Reply
    {
        bool accepted = false;
        QString path;
        unsigned int color = 0;
    };
    using Handler = std::function<Reply(const Request &)>;
    static void setHandler(Handler handler);    // tests; an empty handler restores real dialogs

    // "a|b|c|d" -> Qt name filters {"a (b)", "c (d)"}, and back to the pair index.
    static QStringList qtFilters(const QString &filter);

private:
    QWidget *m_owner;
    bool showFile(Kind kind);
};
