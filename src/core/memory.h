// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace Tintora::Memory {

// After a list of many entries was loaded or saved, the files' text and the temporary strings
// lie freed between memory still in use, where the allocator does not return them by itself:
// with a million entries the window would keep tens of megabytes it no longer uses. This hands
// those pages back to the system when the list was large (it takes a few milliseconds); after a
// small list it does nothing.
void releaseAfterList(qsizetype entries);

// A picture of a 4K screen (3840 x 2160, 32 MB) is just below the size whose memory the
// allocator returns at once, and a pick holds two (the picture and what shows it): without this,
// every pick after the first would leave the window 60 MB larger.
void releaseAfterPicture();

} // namespace Tintora::Memory
