#include "core/WindowRegistry.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QPointer>
#include <QSet>
#include <QWidget>

namespace {

struct Registration
{
    WindowRegistry::Factory factory;
    WindowRegistry::OnClose onClose = WindowRegistry::OnClose::Unload;
};

struct Loaded
{
    QString name;
    QPointer<QWidget> widget;
};

// Turns a close-box click on a window that unloads when closed into an unload.
class CloseWatcher : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

struct Registry
{
    QHash<QString, Registration> registrations;
    QList<Loaded> loaded;             // creation order
    QHash<QString, WindowState> states;
    QSet<QString> unloading;
    CloseWatcher *watcher = nullptr;

    int indexOf(const QString &name)
    {
        for (int i = 0; i < loaded.size(); ++i) {
            if (loaded[i].name == name) {
                if (loaded[i].widget)
                    return i;
                loaded.removeAt(i);   // destroyed behind our back
                return -1;
            }
        }
        return -1;
    }

    CloseWatcher *closeWatcher()
    {
        if (!watcher)
            watcher = new CloseWatcher(QCoreApplication::instance());
        return watcher;
    }
};

Registry &registry()
{
    static Registry r;
    return r;
}

bool CloseWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Close) {
        Registry &r = registry();
        QString name;
        for (const Loaded &l : std::as_const(r.loaded)) {
            if (l.widget == watched) {
                name = l.name;
                break;
            }
        }
        if (!name.isEmpty() && r.registrations.value(name).onClose == WindowRegistry::OnClose::Unload)
            WindowRegistry::unload(name);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace

void WindowRegistry::registerWindow(const QString &name, Factory factory, OnClose onClose)
{
    registry().registrations.insert(name, Registration{std::move(factory), onClose});
}

bool WindowRegistry::isRegistered(const QString &name)
{
    return registry().registrations.contains(name);
}

QWidget *WindowRegistry::instance(const QString &name)
{
    Registry &r = registry();
    const int i = r.indexOf(name);
    if (i >= 0)
        return r.loaded[i].widget;
    const auto reg = r.registrations.constFind(name);
    if (reg == r.registrations.constEnd() || !reg->factory)
        return nullptr;

    QWidget *w = reg->factory();
    if (!w)
        return nullptr;
    w->setObjectName(name);
    w->installEventFilter(r.closeWatcher());
    // Known before its load runs, so that the load (or anything it calls) finds this same window.
    r.loaded.append(Loaded{name, w});
    if (auto *lifecycle = dynamic_cast<FormLifecycle *>(w))
        lifecycle->Form_Load();
    return w;
}

QWidget *WindowRegistry::existing(const QString &name)
{
    Registry &r = registry();
    const int i = r.indexOf(name);
    return i >= 0 ? r.loaded[i].widget.data() : nullptr;
}

void WindowRegistry::show(const QString &name)
{
    QWidget *w = instance(name);
    if (!w)
        return;
    if (auto *lifecycle = dynamic_cast<FormLifecycle *>(w))
        lifecycle->Form_Activate();
    w->show();
    w->raise();
    w->activateWindow();
}

void WindowRegistry::unload(const QString &name)
{
    Registry &r = registry();
    const int i = r.indexOf(name);
    if (i < 0 || r.unloading.contains(name))
        return;
    QPointer<QWidget> w = r.loaded[i].widget;
    r.unloading.insert(name);
    if (auto *lifecycle = dynamic_cast<FormLifecycle *>(w.data()))
        lifecycle->Form_Unload();
    r.unloading.remove(name);
    if (!w)
        return;
    w->hide();
    w->removeEventFilter(r.closeWatcher());
    const int j = r.indexOf(name);
    if (j >= 0 && r.loaded[j].widget == w)
        r.loaded.removeAt(j);
    w->deleteLater();
}

QStringList WindowRegistry::loadedWindows()
{
    QStringList names;
    for (const Loaded &l : std::as_const(registry().loaded)) {
        if (l.widget)
            names << l.name;
    }
    return names;
}

WindowState &WindowRegistry::state(const QString &name)
{
    return registry().states[name];
}

void WindowRegistry::clearStates()
{
    registry().states.clear();
}
