// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sharedmemorygrab.h"

#include <QGuiApplication>
#include <QScreen>

#ifdef TINTORA_HAVE_XCB_SHM
#    include <sys/ipc.h>
#    include <sys/shm.h>
#    include <xcb/shm.h>
#    include <xcb/xcb.h>

#    include <cstdlib>
#    include <vector>
#endif

namespace Tintora::SharedMemoryGrab {

#ifdef TINTORA_HAVE_XCB_SHM

namespace {

// A segment that the server has attached, kept from one pick to the next: a fresh segment costs
// the server more than the copy it saves (at 4K it maps, faults in and clears 32 MB each time).
struct Segment
{
    int id = -1;
    void *address = nullptr;
    size_t size = 0;
    xcb_shm_seg_t server = 0;
    bool inUse = false; // a picture lives in it
};

// One a screen size; pictures of several screens are alive at once during a pick.
std::vector<Segment> &segments()
{
    static std::vector<Segment> kept;
    return kept;
}

void segmentFreed(void *address)
{
    for (Segment &segment : segments()) {
        if (segment.address == address)
            segment.inUse = false;
    }
}

Segment *newSegment(xcb_connection_t *connection, size_t size)
{
    Segment segment;
    segment.size = size;
    segment.id = shmget(IPC_PRIVATE, size, IPC_CREAT | 0600);
    if (segment.id < 0)
        return nullptr;
    segment.address = shmat(segment.id, nullptr, 0);
    if (segment.address == reinterpret_cast<void *>(-1)) {
        shmctl(segment.id, IPC_RMID, nullptr);
        return nullptr;
    }
    segment.server = xcb_generate_id(connection);
    xcb_generic_error_t *error = xcb_request_check(
            connection,
            xcb_shm_attach_checked(connection, segment.server, uint32_t(segment.id), false));
    // The server has the segment now (or has refused it): it goes away with the last detach,
    // at the latest when this program ends.
    shmctl(segment.id, IPC_RMID, nullptr);
    if (error) {
        std::free(error);
        shmdt(segment.address);
        return nullptr;
    }
    segments().push_back(segment);
    return &segments().back();
}

Segment *freeSegment(xcb_connection_t *connection, size_t size)
{
    for (Segment &segment : segments()) {
        if (!segment.inUse && segment.size == size)
            return &segment;
    }
    return newSegment(connection, size);
}

xcb_connection_t *connection()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

struct ServerShm
{
    bool present = false;
    bool sharedPixmaps = false; // pixmaps whose pixels are a segment's
};

// The server takes shared memory only when it runs on this machine and has the extension; asked
// once, as the answer holds for the connection's life.
const ServerShm &serverShm(xcb_connection_t *connection)
{
    static const ServerShm shm = [connection] {
        ServerShm answer;
        const xcb_query_extension_reply_t *extension =
                xcb_get_extension_data(connection, &xcb_shm_id);
        if (!extension || !extension->present)
            return answer;
        xcb_shm_query_version_reply_t *version =
                xcb_shm_query_version_reply(connection, xcb_shm_query_version(connection), nullptr);
        answer.present = version != nullptr;
        answer.sharedPixmaps = version && version->shared_pixmaps
                && version->pixmap_format == XCB_IMAGE_FORMAT_Z_PIXMAP;
        std::free(version);
        return answer;
    }();
    return shm;
}

bool serverHasShm(xcb_connection_t *connection)
{
    return serverShm(connection).present;
}

// Whether the root's pixels are 0x00RRGGBB words in this machine's byte order, as
// QImage::Format_RGB32 reads them.
bool rootReadsAsRgb32(xcb_connection_t *connection, const xcb_screen_t *root)
{
    const xcb_setup_t *setup = xcb_get_setup(connection);
    const bool littleEndian = QSysInfo::ByteOrder == QSysInfo::LittleEndian;
    if ((setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST) != littleEndian)
        return false;
    if (root->root_depth != 24 && root->root_depth != 32)
        return false;
    bool thirtyTwoBits = false;
    for (auto format = xcb_setup_pixmap_formats_iterator(setup); format.rem;
         xcb_format_next(&format)) {
        if (format.data->depth == root->root_depth)
            thirtyTwoBits = format.data->bits_per_pixel == 32;
    }
    if (!thirtyTwoBits)
        return false;
    for (auto depth = xcb_screen_allowed_depths_iterator(root); depth.rem; xcb_depth_next(&depth)) {
        for (auto visual = xcb_depth_visuals_iterator(depth.data); visual.rem;
             xcb_visualtype_next(&visual)) {
            if (visual.data->visual_id == root->root_visual)
                return visual.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR
                        && visual.data->red_mask == 0xFF0000u
                        && visual.data->green_mask == 0x00FF00u
                        && visual.data->blue_mask == 0x0000FFu;
        }
    }
    return false;
}

// The screen's rectangle on the root window in device pixels: Qt keeps a screen's top left
// corner as the server gives it and divides only its size by the device pixel ratio.
QRect deviceGeometry(QScreen *screen)
{
    const QRect logical = screen->geometry();
    const qreal ratio = screen->devicePixelRatio();
    return {logical.topLeft(),
            QSize(qRound(logical.width() * ratio), qRound(logical.height() * ratio))};
}

bool s_lastWasShared = false;

QImage grabRoot(xcb_connection_t *connection, const xcb_screen_t *root, const QRect &area)
{
    const qsizetype bytesPerLine = qsizetype(area.width()) * 4;
    const size_t size = size_t(bytesPerLine) * size_t(area.height());
    Segment *segment = freeSegment(connection, size);
    if (!segment)
        return {};
    xcb_generic_error_t *error = nullptr;
    xcb_shm_get_image_reply_t *reply = xcb_shm_get_image_reply(
            connection,
            xcb_shm_get_image(connection, root->root, int16_t(area.x()), int16_t(area.y()),
                              uint16_t(area.width()), uint16_t(area.height()), ~0u,
                              XCB_IMAGE_FORMAT_Z_PIXMAP, segment->server, 0),
            &error);
    const bool whole = reply && reply->size == size; // in bytes
    std::free(reply);
    std::free(error);
    if (!whole)
        return {};
    // The picture is the segment's until its last copy goes.
    segment->inUse = true;
    return QImage(static_cast<uchar *>(segment->address), area.width(), area.height(), bytesPerLine,
                  QImage::Format_RGB32, segmentFreed, segment->address);
}

// The kept segment a picture lives in, if it is one of ours still.
const Segment *segmentOf(const QImage &picture)
{
    for (const Segment &segment : segments()) {
        if (segment.inUse && segment.address == picture.constBits()
            && segment.size == size_t(picture.sizeInBytes()))
            return &segment;
    }
    return nullptr;
}

} // namespace

bool showAsBackground(unsigned long window, const QImage &picture, Pixmap way)
{
    xcb_connection_t *x11 = connection();
    const Segment *segment = segmentOf(picture);
    if (!x11 || !segment || xcb_connection_has_error(x11))
        return false;
    const xcb_screen_t *root = xcb_setup_roots_iterator(xcb_get_setup(x11)).data;
    const auto width = uint16_t(picture.width());
    const auto height = uint16_t(picture.height());
    const xcb_pixmap_t pixmap = xcb_generate_id(x11);
    std::vector<xcb_void_cookie_t> steps;
    if (way == Pixmap::SharedWhereItCan && serverShm(x11).sharedPixmaps) {
        // The pixmap's pixels are the segment's: nothing is copied at all.
        steps.push_back(xcb_shm_create_pixmap_checked(x11, pixmap, root->root, width, height,
                                                      root->root_depth, segment->server, 0));
    } else {
        // The server copies the segment into a pixmap of its own, still nothing in the program.
        const xcb_gcontext_t gc = xcb_generate_id(x11);
        steps.push_back(xcb_create_pixmap_checked(x11, root->root_depth, pixmap, root->root, width,
                                                  height));
        steps.push_back(xcb_create_gc_checked(x11, gc, pixmap, 0, nullptr));
        steps.push_back(xcb_shm_put_image_checked(
                x11, pixmap, gc, width, height, 0, 0, width, height, 0, 0, root->root_depth,
                XCB_IMAGE_FORMAT_Z_PIXMAP, 0, segment->server, 0));
        steps.push_back(xcb_free_gc_checked(x11, gc));
    }
    const uint32_t background = pixmap;
    steps.push_back(xcb_change_window_attributes_checked(x11, xcb_window_t(window),
                                                         XCB_CW_BACK_PIXMAP, &background));
    // The window holds on to the pixmap for as long as it needs it.
    xcb_free_pixmap(x11, pixmap);
    // One round trip: once the last step is answered, the others are too.
    bool done = true;
    for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
        if (xcb_generic_error_t *error = xcb_request_check(x11, *step)) {
            std::free(error);
            done = false;
        }
    }
    return done;
}

QImage grab(QScreen *screen)
{
    s_lastWasShared = false;
    xcb_connection_t *x11 = connection();
    if (!screen || !x11 || xcb_connection_has_error(x11) || !serverHasShm(x11))
        return {};
    const xcb_screen_t *root = xcb_setup_roots_iterator(xcb_get_setup(x11)).data;
    if (!root || !rootReadsAsRgb32(x11, root))
        return {};
    // The logical size was rounded: at 1.5, 1024 device pixels are 683 logical, 1025 back.
    const QRect area =
            deviceGeometry(screen) & QRect(0, 0, root->width_in_pixels, root->height_in_pixels);
    if (area.isEmpty())
        return {};
    QImage picture = grabRoot(x11, root, area);
    if (picture.isNull())
        return {};
    picture.setDevicePixelRatio(screen->devicePixelRatio());
    s_lastWasShared = true;
    return picture;
}

bool lastGrabWasShared()
{
    return s_lastWasShared;
}

#else

bool showAsBackground(unsigned long, const QImage &, Pixmap)
{
    return false;
}

QImage grab(QScreen *)
{
    return {};
}

bool lastGrabWasShared()
{
    return false;
}

#endif

} // namespace Tintora::SharedMemoryGrab
