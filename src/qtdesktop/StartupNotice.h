#pragma once

#include <QByteArray>
#include <QList>

// The launcher's side of a start on X11: a desktop that starts the program
// from its menu or a file manager shows a busy cursor until a window of that
// start appears, and Qt ends it when one is shown. A start that hands its file
// to the running program shows none, so it ends the busy cursor itself.
namespace StartupNotice {

// The message that ends the start `id` (DESKTOP_STARTUP_ID) with its closing
// NUL, cut into the 20-byte pieces X11 client messages carry.
QList<QByteArray> removeMessage(const QByteArray &id);

// Sends that message on Qt's X11 display; nothing on another display or without an id.
void complete(const QByteArray &id);

} // namespace StartupNotice
