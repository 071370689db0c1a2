// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "palettes/palette.h"

// LibreOffice color tables (.soc): an XML color-table root of draw:color elements, each with a
// draw:name and a draw:color "#rrggbb". Elements and attributes are found by their namespaces,
// whatever prefixes a file gives them: the root in the office namespace of 2000 or of 2004, the
// colors in the drawing namespace of 2000 or of OpenDocument.
namespace Tintora::ColorTable {

// Throws FileError naming path, the line and the reason. A file that declares a document type
// is refused: a color table has none, and entity declarations are how XML files blow up.
Palette::Colors read(const QByteArray &bytes, const QString &path);

// read() in two parts, for the tests. readPlain() takes the plain form nearly every color table
// has (an XML declaration, the root declaring its namespaces, self-closing color elements with
// white space between) straight from the bytes, several times faster than an XML reader;
// it gives nullopt for anything else, and for every file it takes it gives what readXml()
// gives. readXml() reads any XML with Qt's reader and words the errors.
std::optional<Palette::Colors> readPlain(const QByteArray &bytes);
Palette::Colors readXml(const QByteArray &bytes, const QString &path);

// The form current LibreOffice versions write, UTF-8.
QByteArray write(const Palette::Colors &colors);

} // namespace Tintora::ColorTable
