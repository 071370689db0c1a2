// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

class QScreen;

namespace Tintora::SharedMemoryGrab {

// A picture of the whole screen at its device resolution, taken through the X server's shared
// memory (MIT-SHM): the server writes the pixels straight into memory that the returned image
// owns, with no copy through the X connection and none in the program. The image is
// Format_RGB32 with the screen's device pixel ratio set; its top byte is whatever the server
// keeps there, which nothing reads. A null image where this way is not open: not X11, a remote
// server, a depth or byte order the image cannot take as it is. The caller then grabs the
// ordinary way.
QImage grab(QScreen *screen);

enum class Pixmap {
    SharedWhereItCan, // the segment's own memory, where the server shares pixmaps
    Copied,           // a copy the server makes (tests take this way too; Xvfb shares)
};

// Makes a picture that grab() gave the background of an X window, so that the server paints
// it there itself and the program copies none of its pixels. False where that cannot be done
// (not X11, the picture not one of grab()'s, the window's depth not the screen's); the window
// is then as it was.
bool showAsBackground(unsigned long window, const QImage &picture,
                      Pixmap way = Pixmap::SharedWhereItCan);

// Whether the last grab went through shared memory (for tests and benchmarks).
bool lastGrabWasShared();

} // namespace Tintora::SharedMemoryGrab
