#include "platform/CommonDialog.h"

#include <QColor>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPointer>

namespace {

CommonDialog::Handler &installedHandler()
{
    static CommonDialog::Handler handler;
    return handler;
}

QString qtPattern(const QString &pattern)
{
    QStringList parts = pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString &part : parts) {
        part = part.trimmed();
        if (part == QLatin1String("*.*"))
            part = QStringLiteral("*");
    }
    parts.removeAll(QString());
    return parts.isEmpty() ? QStringLiteral("*") : parts.join(QLatin1Char(' '));
}

} // namespace

CommonDialog::CommonDialog(QWidget *owner)
    : m_owner(owner)
    , m_lastFolder(QDir::currentPath())
{
}

QStringList CommonDialog::qtFilters(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        result << (parts.at(i) + QLatin1String(" (") + qtPattern(parts.at(i + 1)) + QLatin1Char(')')).simplified();
    return result;
}

int CommonDialog::filterIndexOf(const QString &filter, const QString &qtFilter)
{
    const QStringList filters = qtFilters(filter);
    qsizetype index = filters.indexOf(qtFilter);
    for (qsizetype i = 0; index < 0 && i < filters.size(); ++i) {
        if (filters.at(i).left(filters.at(i).lastIndexOf(QLatin1String(" ("))) == qtFilter)
            index = i;
    }
    return index < 0 ? 0 : int(index) + 1;
}

QColor CommonDialog::toQColor(unsigned int color)
{
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

unsigned int CommonDialog::fromQColor(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return unsigned(rgb.red()) | (unsigned(rgb.green()) << 8) | (unsigned(rgb.blue()) << 16);
}

void CommonDialog::setHandler(Handler handler)
{
    installedHandler() = std::move(handler);
}

bool CommonDialog::showOpen()
{
    return showFile(Kind::Open);
}

bool CommonDialog::showSave()
{
    return showFile(Kind::Save);
}

bool CommonDialog::showFile(Kind kind)
{
    if (const Handler &handler = installedHandler()) {
        const Reply reply = handler({kind, DialogTitle, FileName, Filter, FilterIndex, Flags, Color});
        if (!reply.accepted || reply.path.isEmpty())
            return false;
        FileName = reply.path;
        m_lastFolder = QFileInfo(reply.path).absolutePath();
        return true;
    }

    // On the heap and watched: the owner window, the dialog's parent, may go while it is open.
    QPointer<QFileDialog> dialog = new QFileDialog(m_owner, DialogTitle);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setOption(QFileDialog::HideNameFilterDetails);  // descriptions only, as the filter gives them
    if (kind == Kind::Open) {
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
        dialog->setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        // Replacing an existing file is asked first: a plain save proposes the last path chosen,
        // which may be another kind of archive.
        dialog->setFileMode(QFileDialog::AnyFile);
    }

    const QStringList filters = qtFilters(Filter);
    if (!filters.isEmpty()) {
        dialog->setNameFilters(filters);
        dialog->selectNameFilter(filters.at(qBound(1, FilterIndex, int(filters.size())) - 1));
    }

    // A proposed name with a folder starts there; a bare name starts where this dialog was last.
    const QFileInfo proposed(FileName);
    const bool hasFolder = FileName.contains(QLatin1Char('/')) || FileName.contains(QLatin1Char('\\'));
    dialog->setDirectory(hasFolder ? proposed.absolutePath() : m_lastFolder);
    if (!FileName.isEmpty())
        dialog->selectFile(proposed.fileName());

    const bool accepted = dialog->exec() == QDialog::Accepted;
    if (!dialog)
        return false;
    const QStringList chosen = dialog->selectedFiles();
    const QString nameFilter = dialog->selectedNameFilter();
    delete dialog;
    if (!accepted || chosen.isEmpty() || chosen.first().isEmpty())
        return false;

    FileName = QFileInfo(chosen.first()).absoluteFilePath();
    m_lastFolder = QFileInfo(FileName).absolutePath();
    if (const int index = filterIndexOf(Filter, nameFilter))
        FilterIndex = index;
    return true;
}

bool CommonDialog::showColor()
{
    const bool startOnColor = (Flags & 1) != 0;
    if (const Handler &handler = installedHandler()) {
        const Reply reply = handler({Kind::Color, DialogTitle, FileName, Filter, FilterIndex, Flags, Color});
        if (!reply.accepted)
            return false;
        Color = reply.color & 0xFFFFFF;
        return true;
    }

    QPointer<QColorDialog> dialog =
        new QColorDialog(startOnColor ? toQColor(Color) : QColor(Qt::black), m_owner);
    dialog->setOption(QColorDialog::DontUseNativeDialog);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    if (!dialog)
        return false;
    const QColor chosen = dialog->selectedColor();
    delete dialog;
    if (!accepted || !chosen.isValid())
        return false;
    Color = fromQColor(chosen);
    return true;
}
