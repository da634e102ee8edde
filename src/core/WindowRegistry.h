#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <functional>

class QWidget;

// What a window does when it is loaded, shown and unloaded. The registry runs Form_Load right after
// constructing the window (hidden), Form_Activate each time it shows it, and Form_Unload before it
// hides and destroys it.
class FormLifecycle
{
public:
    virtual ~FormLifecycle() = default;
    virtual void Form_Load() {}
    // Runs each time the program shows the window, also when it is on screen already and only
    // comes to the front.
    virtual void Form_Activate() {}
    virtual void Form_Unload() {}
};

// A window's data that outlive its widget: an unloaded window loaded again finds them as it
// left them (its current archive name, for one).
struct WindowState
{
    QString NomeFile;
    QVariantMap valori;   // further per-window data, by name
};

// One instance per window, found by the window's object name. A window is created on first use,
// hidden, with its load run; it is destroyed when unloaded (by the program or by its close box)
// and created afresh at its next use. Names that were never registered are passed over silently.
class WindowRegistry
{
public:
    using Factory = std::function<QWidget *()>;
    // What the window's close box does: unload the window, or only hide it.
    enum class OnClose { Unload, Hide };

    static void registerWindow(const QString &name, Factory factory, OnClose onClose = OnClose::Unload);
    static bool isRegistered(const QString &name);

    // The window, created (hidden, its load run) when it does not exist; nullptr when unknown.
    static QWidget *instance(const QString &name);
    // The window when it exists; never creates it.
    static QWidget *existing(const QString &name);
    // Creates the window when needed and shows it modeless, raised and active.
    static void show(const QString &name);
    // Runs the window's unload, hides it, forgets it and destroys it once control returns to the
    // event loop (the caller may be one of the window's own handlers).
    static void unload(const QString &name);
    // Every window that exists, in the order they were created.
    static QStringList loadedWindows();

    static WindowState &state(const QString &name);
    static void clearStates();

    template<class W>
    static W *get(const QString &name)
    {
        return dynamic_cast<W *>(instance(name));
    }
    template<class W>
    static W *getExisting(const QString &name)
    {
        return dynamic_cast<W *>(existing(name));
    }
};
