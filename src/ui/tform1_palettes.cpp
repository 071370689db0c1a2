// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's palettes of other programs: "Import Palette..." replaces the list with the
// colors of a palette file, or with the dominant colors of an image, "Export Palette..." writes
// the list as one. The formats themselves are in palettes/palettefile.h, images in
// app/imagepalette.h.
#include "ui/tform1.h"

#include "app/combobox.h"
#include "app/dialogs.h"
#include "app/imagepalette.h"
#include "app/waitcursor.h"
#include "color/dominantcolors.h"
#include "core/memory.h"
#include "lists/colorlistmodel.h"
#include "palettes/palettefile.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

using namespace Tintora;

namespace {

// The image's dominant colors, as many as the user asks for; nothing when they cancel. A file
// that is no image is refused before the question, a damaged one once it is decoded.
std::optional<Palette::Colors> imagePalette(QWidget *parent, const QString &path)
{
    ImagePalette::check(path);
    NumberRequest request;
    request.name = QStringLiteral("ImageColorsBox");
    request.caption = TForm1::tr("Import Palette");
    request.label = TForm1::tr("Number of colors to take from \"%1\":")
                            .arg(QDir::toNativeSeparators(QFileInfo(path).fileName()));
    request.value = DominantColors::kDefaultCount;
    request.minimum = DominantColors::kMinimumCount;
    request.maximum = DominantColors::kMaximumCount;
    const std::optional<int> count = Dialogs::instance().chooseNumber(parent, request);
    if (!count)
        return std::nullopt;
    const WaitCursor wait;
    return ImagePalette::colors(ImagePalette::read(path), path, *count);
}

} // namespace

FileRequest TForm1::ImportDialog1() const
{
    FileRequest request;
    request.name = QStringLiteral("ImportDialog1");
    request.mode = FileRequest::Mode::Open;
    request.caption = tr("Import Palette");
    request.filters = PaletteFile::importFilters();
    return request;
}

FileRequest TForm1::ExportDialog1() const
{
    FileRequest request;
    request.name = QStringLiteral("ExportDialog1");
    request.mode = FileRequest::Mode::Save;
    request.caption = tr("Export Palette");
    request.filters = PaletteFile::exportFilters();
    // No default suffix: the dialog would add the same one whatever filter is chosen. The
    // chosen filter's extension is added below.
    return request;
}

void TForm1::Import1Click()
{
    if (!offerToSaveBeforeLoading())
        return;

    const auto choice = Dialogs::instance().chooseFile(this, ImportDialog1());
    if (!choice)
        return;
    importPalette(choice->path, choice->filter);
}

void TForm1::importPalette(const QString &path, int filter)
{
    // The file is read in full before anything changes: a failed import changes nothing.
    Palette::Colors colors;
    if (PaletteFile::importsImage(path, filter)) {
        std::optional<Palette::Colors> image = imagePalette(this, path);
        if (!image)
            return;
        colors = std::move(*image);
    } else {
        colors = PaletteFile::read(path, PaletteFile::importFormat(filter));
    }

    Save1->setEnabled(true);
    setListsEnabled(true);

    m_list->assign(colors.names, Palette::hexes(colors.values));
    colors = {};
    Memory::releaseAfterList(m_list->list().count());
    ComboBox1->setCurrentIndex(-1);
    // The list belongs to no list file yet: saving it asks for a name, closing offers to.
    setListModified(true);
    m_hasFile = false;
    m_currentListFile.clear();
    setWindowTitle(tr("TRA v 1.0"));
}

void TForm1::Export1Click()
{
    const auto choice = Dialogs::instance().chooseFile(this, ExportDialog1());
    if (!choice)
        return;
    // An extension the user typed that names a format decides it; any other name is the chosen
    // filter's format and gets its extension.
    QString path = choice->path;
    std::optional<PaletteFile::Format> format = PaletteFile::formatOfName(path);
    if (!format) {
        format = PaletteFile::exportFormat(choice->filter);
        if (!path.endsWith(u'.'))
            path += u'.';
        path += PaletteFile::suffix(*format);
        // The dialog asked about replacing the name as typed, not about this one.
        if (QFileInfo::exists(path)
            && Dialogs::instance().message(
                       this,
                       tr("\"%1\" already exists. Replace it?")
                               .arg(QDir::toNativeSeparators(QFileInfo(path).fileName())),
                       Dialogs::Type::Confirmation, Dialogs::Buttons::YesNo)
                    != Dialogs::Answer::Yes)
            return;
    }
    const ColorList &list = m_list->list();
    PaletteFile::write(path, *format, list.names(), list.hexes());
    Memory::releaseAfterList(list.count());
}
