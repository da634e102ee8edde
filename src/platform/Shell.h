#pragma once

#include <QString>

// Opens a web page, a mail address or a written document with the desktop's default program.
// Returns false when nothing could open it; never blocks and never ends the program.
bool ShellOpen(const QString &target);
