#include "runtime/SaveFile.h"

#include <QSaveFile>

bool writeAndCommit(QSaveFile &file, const QByteArray &data)
{
    if (file.write(data) != data.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        file.cancelWriting();
        return false;
    }
    return true;
}
