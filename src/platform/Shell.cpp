#include "platform/Shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

bool ShellOpen(const QString &target)
{
    const QString trimmed = target.trimmed();
    if (trimmed.isEmpty())
        return false;

    // Web pages and mail addresses go to the desktop as they are; anything else is a file
    // name, relative names being taken from the current folder.
    const bool isAddress = trimmed.startsWith(QLatin1String("http://"), Qt::CaseInsensitive)
                           || trimmed.startsWith(QLatin1String("https://"), Qt::CaseInsensitive)
                           || trimmed.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive);
    const QUrl url = isAddress ? QUrl(trimmed, QUrl::TolerantMode)
                               : QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
    if (!url.isValid())
        return false;
    return QDesktopServices::openUrl(url);
}
