#pragma once

#include <QByteArray>

class QSaveFile;

// Writes `data` into an open QSaveFile and renames it over the target. The buffered data are
// flushed and checked before the rename: a write that fails only at the flush (a full disk, a
// file-size limit) would otherwise still be committed, truncated, over the previous file. On any
// failure the temporary file is dropped, the previous file stays whole, and false is returned.
bool writeAndCommit(QSaveFile &file, const QByteArray &data);
