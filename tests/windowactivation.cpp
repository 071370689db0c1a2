// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowactivation.h"

#include <QGuiApplication>
#include <QWidget>

#ifdef TINTORA_TESTS_HAVE_XCB
#    include <xcb/xcb.h>

#    include <cstdlib>
#endif

void activateAsTheUser(QWidget *window)
{
#ifdef TINTORA_TESTS_HAVE_XCB
    auto *x11 = QGuiApplication::platformName() == QLatin1String("xcb")
            ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
            : nullptr;
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (connection && window->isWindow()) {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        const auto atom = [connection](const char *name) {
            xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
                    connection, xcb_intern_atom(connection, 0, uint16_t(qstrlen(name)), name),
                    nullptr);
            const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
            std::free(reply);
            return atom;
        };
        // Without a window manager no one takes the message, and Qt sets the focus itself.
        xcb_get_property_reply_t *check = xcb_get_property_reply(
                connection,
                xcb_get_property(connection, 0, root, atom("_NET_SUPPORTING_WM_CHECK"),
                                 XCB_ATOM_WINDOW, 0, 1),
                nullptr);
        const bool managed = check && xcb_get_property_value_length(check) > 0;
        std::free(check);
        if (managed) {
            xcb_client_message_event_t event {};
            event.response_type = XCB_CLIENT_MESSAGE;
            event.format = 32;
            event.window = xcb_window_t(window->winId());
            event.type = atom("_NET_ACTIVE_WINDOW");
            event.data.data32[0] = 2; // from a pager or taskbar, on the user's behalf
            event.data.data32[1] = XCB_CURRENT_TIME;
            xcb_send_event(connection, 0, root,
                           XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT
                                   | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                           reinterpret_cast<const char *>(&event));
            xcb_flush(connection);
            return;
        }
    }
#endif
    window->activateWindow();
}
