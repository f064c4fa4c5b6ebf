#include "qtdesktop/StartupNotice.h"

#include <QGuiApplication>
#include <QLibrary>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace StartupNotice {

namespace {

constexpr qsizetype kPiece = 20; // the data of one client message

// The few functions of libxcb this takes, from the library Qt's X11 plugin
// has loaded already: nothing is linked for a desktop that is not X11.
struct Xcb
{
    decltype(&xcb_intern_atom) internAtom = nullptr;
    decltype(&xcb_intern_atom_reply) internAtomReply = nullptr;
    decltype(&xcb_get_setup) getSetup = nullptr;
    decltype(&xcb_setup_roots_iterator) roots = nullptr;
    decltype(&xcb_send_event) sendEvent = nullptr;
    decltype(&xcb_flush) flush = nullptr;

    bool load(QLibrary &library)
    {
        return library.load() && resolve(library, internAtom, "xcb_intern_atom") &&
               resolve(library, internAtomReply, "xcb_intern_atom_reply") &&
               resolve(library, getSetup, "xcb_get_setup") &&
               resolve(library, roots, "xcb_setup_roots_iterator") &&
               resolve(library, sendEvent, "xcb_send_event") &&
               resolve(library, flush, "xcb_flush");
    }

    template <typename Function>
    static bool resolve(QLibrary &library, Function &function, const char *name)
    {
        function = reinterpret_cast<Function>(library.resolve(name));
        return function != nullptr;
    }

    xcb_atom_t atom(xcb_connection_t *connection, const char *name) const
    {
        const auto length = static_cast<uint16_t>(std::strlen(name));
        xcb_intern_atom_reply_t *reply =
            internAtomReply(connection, internAtom(connection, 0, length, name), nullptr);
        const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return found;
    }
};

} // namespace

QList<QByteArray> removeMessage(const QByteArray &id)
{
    QByteArray message("remove: ID=");
    for (const char c : id) {
        if (c == ' ' || c == '"' || c == '\\')
            message += '\\';
        message += c;
    }
    message += '\0';
    QList<QByteArray> pieces;
    for (qsizetype at = 0; at < message.size(); at += kPiece)
        pieces.append(message.mid(at, kPiece).leftJustified(kPiece, '\0'));
    return pieces;
}

void complete(const QByteArray &id)
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    QLibrary library(QStringLiteral("xcb"), 1);
    Xcb xcb;
    if (id.isEmpty() || !x11 || !xcb.load(library))
        return;
    xcb_connection_t *connection = x11->connection();
    const xcb_window_t root = xcb.roots(xcb.getSetup(connection)).data->root;
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 8;
    event.window = root;
    event.type = xcb.atom(connection, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t next = xcb.atom(connection, "_NET_STARTUP_INFO");
    for (const QByteArray &piece : removeMessage(id)) {
        std::memcpy(event.data.data8, piece.constData(), kPiece);
        xcb.sendEvent(connection, 0, root, XCB_EVENT_MASK_PROPERTY_CHANGE,
                      reinterpret_cast<const char *>(&event));
        event.type = next;
    }
    xcb.flush(connection);
}

} // namespace StartupNotice
