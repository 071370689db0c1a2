// SPDX-License-Identifier: GPL-3.0-or-later
// File > Import Palette... and Export Palette... in the main window: the questions before an
// import, what the imported list is afterwards (changed, without a list file), images whose
// dominant colors become the list, failures that change nothing, and exports in the format that
// the typed extension or the chosen filter names.
#include "app/combobox.h"
#include "formfixture.h"
#include "lists/colorlistmodel.h"
#include "palettes/palettefile.h"
#include "testfiles.h"

#include <QAction>
#include <QBuffer>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>

using namespace Tintora;
using namespace TestFiles;
using Answer = Dialogs::Answer;

namespace {

const QByteArray kGimp("GIMP Palette\nName: Sea\n#\n 46 139  87\tSea green\n  0   0 128\n"
                       " 46 139  87\tSea green\n");

// The index of a filter in a dialog's list, found by what it names.
int filterIndex(const QStringList &filters, const char *part)
{
    for (qsizetype i = 0; i < filters.size(); ++i) {
        if (filters.at(i).contains(QLatin1String(part)))
            return int(i);
    }
    qFatal("no filter naming %s", part);
}

// Test pictures of 160 x 100 pixels: vertical bands of flat colors, each a multiple of 16 pixels
// wide, so that a JPEG's 16 x 16 blocks are flat too.
QImage picture(const QString &kind)
{
    QImage image(160, 100, QImage::Format_ARGB32);
    const auto band = [&](int from, int width, QRgb color) {
        for (int y = 0; y < image.height(); ++y) {
            for (int x = from; x < from + width; ++x)
                image.setPixel(x, y, color);
        }
    };
    if (kind == u"half transparent") {
        band(0, 48, 0xFF2255AA);
        band(48, 32, 0xFFEEDD44);
        band(80, 80, 0x40CC3322); // a quarter opaque: counts for nothing
        return image;
    }
    band(0, 48, 0xFF2255AA);   // 30%
    band(48, 16, 0xFF202020);  // 10%
    band(64, 64, 0xFFCC3322);  // 40%
    band(128, 32, 0xFFEEDD44); // 20%
    if (kind == u"four bands and a dot")
        image.setPixel(100, 50, 0xFFFFFFFF); // 1 of 16,000 pixels
    else if (kind == u"transparent")
        image.fill(0x10FFFFFF);
    return image;
}

// A GIF of an image of at most 128 colors, left uncompressed: each pixel an 8-bit code of its
// own, and a clear code often enough that the codes never grow wider.
QByteArray gif(const QImage &image)
{
    QList<QRgb> colors;
    QByteArray codes;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((y * image.width() + x) % 100 == 0)
                codes.append(char(128)); // clear
            const QRgb pixel = image.pixel(x, y);
            if (!colors.contains(pixel))
                colors.append(pixel);
            codes.append(char(colors.indexOf(pixel)));
        }
    }
    codes.append(char(129)); // end
    QByteArray out("GIF89a");
    const auto word = [&](int value) {
        out.append(char(value & 255));
        out.append(char(value >> 8));
    };
    word(image.width());
    word(image.height());
    out.append("\xF6\0\0", 3); // a global table of 128 colors of 8 bits a channel
    for (int i = 0; i < 128; ++i) {
        const QRgb color = colors.value(i);
        out.append(char(qRed(color)));
        out.append(char(qGreen(color)));
        out.append(char(qBlue(color)));
    }
    out.append(',');
    word(0);
    word(0);
    word(image.width());
    word(image.height());
    out.append('\0');
    out.append(char(7)); // codes of 7 + 1 bits
    for (qsizetype i = 0; i < codes.size(); i += 255) {
        const qsizetype n = qMin<qsizetype>(255, codes.size() - i);
        out.append(char(n));
        out.append(codes.mid(i, n));
    }
    out.append("\0;", 2);
    return out;
}

QByteArray encoded(const QImage &image, const char *format)
{
    if (qstrcmp(format, "GIF") == 0)
        return gif(image);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format, 100))
        qFatal("cannot write a %s image", format);
    return bytes;
}

} // namespace

class tst_PaletteHandlers : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup() { f.destroy(); }

    void fileMenuOffersImportAndExportAfterSave();
    void importReplacesTheListAsAChangedListWithoutFile();
    void importedListIsSavedUnderANewName();
    void importAsksTheQuestionsOfLoadList_data();
    void importAsksTheQuestionsOfLoadList();
    void failedImportChangesNothing_data();
    void failedImportChangesNothing();
    void importReadsTheChosenFiltersFormat();
    void importTakesAnImagesDominantColors_data();
    void importTakesAnImagesDominantColors();
    void cancelledColorCountChangesNothing();
    void exportWritesTheChosenFormat_data();
    void exportWritesTheChosenFormat();
    void exportAsksBeforeReplacingTheNameItAdded();
    void failedExportKeepsTheOldFile_data();
    void failedExportKeepsTheOldFile();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    QStringList listEntries() const
    {
        const ColorList &list = f.form->colorList()->list();
        QStringList out;
        for (qsizetype i = 0; i < list.count(); ++i)
            out.append(list.name(i) + u'=' + list.hex(i));
        return out;
    }
    QStringList questions() const
    {
        QStringList texts;
        for (const auto &m : f.dialogs.messages)
            texts.append(m.text);
        return texts;
    }
    // Everything an import or an export may change, one line each.
    QStringList windowState() const
    {
        return listEntries() << QStringLiteral(
                                        "modified %1, file %2 \"%3\", lists %4, save %5, title %6")
                                        .arg(f.form->listModified())
                                        .arg(f.form->hasFile())
                                        .arg(f.form->currentListFile())
                                        .arg(f.form->listsEnabled())
                                        .arg(f.action("Save1")->isEnabled())
                                        .arg(f.form->windowTitle());
    }
    void loadPair(const QString &name, const QByteArray &names, const QByteArray &hexes)
    {
        write(path(name + QStringLiteral(".clr")), names);
        write(path(name + QStringLiteral(".hex")), hexes);
        f.dialogs.files.enqueue(path(name + QStringLiteral(".clr")));
        f.action("Open1")->trigger();
    }
    void import(const QString &file, int filter = 0)
    {
        f.dialogs.files.enqueue(file);
        f.dialogs.fileFilters.enqueue(filter);
        f.action("Import1")->trigger();
    }

    FormFixture f;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_PaletteHandlers::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    f.create();
}

void tst_PaletteHandlers::fileMenuOffersImportAndExportAfterSave()
{
    auto *file = f.form->menuBar()->findChild<QMenu *>(QStringLiteral("File1"));
    QVERIFY(file);
    QStringList items;
    for (const QAction *action : file->actions())
        items.append(action->isSeparator() ? QStringLiteral("-") : action->objectName());
    QCOMPARE(items, QStringList({"Open1", "Save1", "Import1", "Export1", "-", "Exit1"}));
    QCOMPARE(f.action("Import1")->text(), QStringLiteral("&Import Palette..."));
    QCOMPARE(f.action("Export1")->text(), QStringLiteral("&Export Palette..."));
    // Both work with lists off and an empty list, as Load List does.
    QVERIFY(f.action("Import1")->isEnabled());
    QVERIFY(f.action("Export1")->isEnabled());
}

void tst_PaletteHandlers::importReplacesTheListAsAChangedListWithoutFile()
{
    loadPair(QStringLiteral("colors"), "Sky\r\n", "#87CEEB\r\n\r\n");
    f.dialogs.clear();
    write(path(QStringLiteral("sea.gpl")), kGimp);
    import(path(QStringLiteral("sea.gpl")));
    VERIFY_NO_SURPRISES(f.dialogs);

    const FileRequest request = f.dialogs.fileRequests.constFirst();
    QCOMPARE(request.name, QStringLiteral("ImportDialog1"));
    QCOMPARE(request.mode, FileRequest::Mode::Open);
    for (const char *format : {"*.gpl", "*.soc", "*.ase", "*.css", "*.json", "*.txt"})
        QVERIFY2(request.filters.filter(QLatin1String(format)).size() == 2, format);

    // The whole list is replaced, duplicates in order and the unnamed color named by its value.
    QCOMPARE(windowState(),
             QStringList({"Sea green=#2E8B57", "#000080=#000080", "Sea green=#2E8B57",
                          "modified 1, file 0 \"\", lists 1, save 1, title TRA v 1.0"}));
    QCOMPARE(f.child<ComboBox>("ComboBox1")->count(), 3);
    QCOMPARE(f.child<ComboBox>("ComboBox1")->currentIndex(), -1);

    // Closing offers to save the list to a file, as for any list that has none.
    f.dialogs.answers.enqueue(Answer::No);
    f.form->close();
    QCOMPARE(questions(), QStringList {"Save current color list to file?"});
}

void tst_PaletteHandlers::importedListIsSavedUnderANewName()
{
    write(path(QStringLiteral("sea.gpl")), kGimp);
    import(path(QStringLiteral("sea.gpl")));
    f.dialogs.files.enqueue(path(QStringLiteral("sea.clr")));
    f.action("Save1")->trigger();
    VERIFY_NO_SURPRISES(f.dialogs);
    QCOMPARE(f.dialogs.fileDialogs, QStringList({"ImportDialog1", "SaveDialog1"}));
    QCOMPARE(bytesOf(path(QStringLiteral("sea.clr"))),
             QByteArray("Sea green\r\n#000080\r\nSea green\r\n"));
    QCOMPARE(bytesOf(path(QStringLiteral("sea.hex"))),
             QByteArray("#2E8B57\r\n#000080\r\n#2E8B57\r\n\r\n"));
}

void tst_PaletteHandlers::importAsksTheQuestionsOfLoadList_data()
{
    QTest::addColumn<QString>("before"); // "new", "loaded" or "disabled"
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("saveAs"); // the save dialog's answer: "" none, "-" cancelled
    QTest::addColumn<QString>("question");
    QTest::addColumn<bool>("imports");
    const QString toNewFile = QStringLiteral("Save current color list to new file?");
    const QString changes = QStringLiteral("Save changes to current file?");
    QTest::newRow("new list, No") << "new" << int(Answer::No) << "" << toNewFile << true;
    QTest::newRow("new list, Yes") << "new" << int(Answer::Yes) << "saved.clr" << toNewFile << true;
    QTest::newRow("new list, Cancel") << "new" << int(Answer::Cancel) << "" << toNewFile << false;
    QTest::newRow("new list, Yes, save dialog cancelled")
            << "new" << int(Answer::Yes) << "-" << toNewFile << false;
    QTest::newRow("changed file, No") << "loaded" << int(Answer::No) << "" << changes << true;
    QTest::newRow("changed file, Yes") << "loaded" << int(Answer::Yes) << "" << changes << true;
    QTest::newRow("changed file, Cancel")
            << "loaded" << int(Answer::Cancel) << "" << changes << false;
    QTest::newRow("new list, lists off") << "disabled" << int(Answer::No) << ""
                                         << "" << true;
}

void tst_PaletteHandlers::importAsksTheQuestionsOfLoadList()
{
    QFETCH(QString, before);
    QFETCH(int, answer);
    QFETCH(QString, saveAs);
    QFETCH(QString, question);
    QFETCH(bool, imports);
    if (before == QLatin1String("loaded"))
        loadPair(QStringLiteral("colors"), "Sky\r\n", "#87CEEB\r\n\r\n");
    f.addEntry(QStringLiteral("Sand"), QStringLiteral("#F4A460"));
    if (before == QLatin1String("disabled"))
        f.action("EnableLists1")->trigger();
    const QStringList state = windowState();
    f.dialogs.clear();
    if (!question.isEmpty())
        f.dialogs.answers.enqueue(Answer(answer));
    if (!saveAs.isEmpty())
        f.dialogs.files.enqueue(saveAs == u"-" ? std::nullopt
                                               : std::optional<QString>(path(saveAs)));
    write(path(QStringLiteral("sea.gpl")), kGimp);
    if (imports) {
        import(path(QStringLiteral("sea.gpl")));
    } else {
        f.action("Import1")->trigger();
        QVERIFY(!f.dialogs.fileDialogs.contains(QStringLiteral("ImportDialog1")));
        QCOMPARE(windowState(), state);
    }

    VERIFY_NO_SURPRISES(f.dialogs);
    QCOMPARE(questions(), question.isEmpty() ? QStringList() : QStringList {question});
    if (!question.isEmpty())
        QCOMPARE(f.dialogs.messages.constFirst().buttons, Dialogs::Buttons::YesNoCancel);
    const QString saved = before == QLatin1String("loaded") ? QStringLiteral("colors.clr")
                                                            : QStringLiteral("saved.clr");
    if (answer == int(Answer::Yes) && saveAs != u"-")
        QVERIFY(bytesOf(path(saved)).endsWith("Sand\r\n"));
    else
        QVERIFY(!bytesOf(path(saved)).contains("Sand"));
    if (imports) {
        QCOMPARE(listEntries().size(), 3);
        QVERIFY(f.form->listModified());
        QVERIFY(!f.form->hasFile());
    }
}

void tst_PaletteHandlers::failedImportChangesNothing_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QTest::newRow("broken on its last line") << "broken.gpl" << kGimp + "300 0 0 Too red\n"
                                             << "line 7: the red value 300 is outside 0 to 255";
    QTest::newRow("lying length") << "lies.ase"
                                  << QByteArray("ASEF\0\1\0\0\0\0\0\1\0\1\xff\xff\0\0", 18)
                                  << "byte 14: block 1 claims 4294901760 bytes, but only 0 follow";
    QTest::newRow("garbage") << "noise.json" << QByteArray("\x7f\x45\x4c\x46\x02\x01\x01", 7)
                             << "line 1: a JSON palette is an array of colors";
    QTest::newRow("missing") << "gone.soc" << QByteArray() << "No such file or directory";
    const QByteArray png = encoded(picture(QStringLiteral("four bands")), "PNG");
    QTest::newRow("PNG cut short")
            << "cut.png" << png.left(png.size() / 2) << "The image's data is damaged or cut short";
    QTest::newRow("PNG cut in its header")
            << "header.png" << png.left(20) << "The image's data is damaged or cut short";
    QTest::newRow("text named .png") << "text.png" << QByteArray("Sky #87CEEB\n")
                                     << "It is not a PNG, JPEG, BMP or GIF image";
    QTest::newRow("missing image") << "gone.jpg" << QByteArray() << "No such file or directory";
    QTest::newRow("no opaque pixel")
            << "clear.png" << encoded(picture(QStringLiteral("transparent")), "PNG")
            << "Every pixel of the image is transparent or nearly so";
}

void tst_PaletteHandlers::failedImportChangesNothing()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    loadPair(QStringLiteral("colors"), "Sky\r\n", "#87CEEB\r\n\r\n");
    f.addEntry(QStringLiteral("Sand"), QStringLiteral("#F4A460"));
    if (!bytes.isEmpty())
        write(path(file), bytes);
    const QStringList before = windowState();
    f.dialogs.clear();
    f.dialogs.answers.enqueue(Answer::No); // "Save changes to current file?"
    f.dialogs.numbers.enqueue(8);          // for an image that is only found damaged once decoded
    import(path(file));

    QCOMPARE(f.dialogs.errors.size(), 1);
    const QString error = f.dialogs.errors.constFirst();
    QVERIFY2(error.contains(path(file)), qPrintable(error));
    QVERIFY2(error.contains(reason), qPrintable(error));
    QCOMPARE(windowState(), before);
}

void tst_PaletteHandlers::importReadsTheChosenFiltersFormat()
{
    const QStringList filters = PaletteFile::importFilters();
    // A JSON palette kept under another extension, read as the filter says.
    write(path(QStringLiteral("colors.txt")), "[{\"name\": \"Sky\", \"hex\": \"#87CEEB\"}]");
    import(path(QStringLiteral("colors.txt")), filterIndex(filters, "JSON"));
    QCOMPARE(listEntries(), QStringList {"Sky=#87CEEB"});
    // An imported list is a changed list without a file: the next import offers to save it.
    f.dialogs.answers.enqueue(Answer::No);
    f.dialogs.answers.enqueue(Answer::No);
    // With every palette or every file, the extension decides, and then the contents.
    write(path(QStringLiteral("colors.gpl")), kGimp);
    import(path(QStringLiteral("colors.gpl")), 0);
    QCOMPARE(listEntries().size(), 3);
    write(path(QStringLiteral("colors")), "; no extension\nFF010203\n");
    import(path(QStringLiteral("colors")), filterIndex(filters, "All files"));
    QCOMPARE(listEntries(), QStringList {"#010203=#010203"});
    VERIFY_NO_SURPRISES(f.dialogs);
    QCOMPARE(questions(), QStringList(2, QStringLiteral("Save current color list to new file?")));
}

void tst_PaletteHandlers::importTakesAnImagesDominantColors_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("format"); // as QImage names it
    QTest::addColumn<QString>("filter"); // a part of the filter's name
    QTest::addColumn<QString>("image");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("tolerance");        // in each channel, for JPEG
    QTest::addColumn<QStringList>("expected"); // names after the file's, and values
    const QStringList bands {"40%=#CC3322", "30%=#2255AA", "20%=#EEDD44", "10%=#202020"};
    QTest::newRow("PNG, every palette") << "sunset.png"
                                        << "PNG"
                                        << "All palettes"
                                        << "four bands" << 8 << 0 << bands;
    QTest::newRow("PNG, a share under 1%")
            << "dot.PNG"
            << "PNG"
            << "All palettes"
            << "four bands and a dot" << 8 << 0 << (QStringList(bands) << "<1%=#FFFFFF");
    QTest::newRow("BMP, the image filter") << "bands.bmp"
                                           << "BMP"
                                           << "Images"
                                           << "four bands" << 8 << 0 << bands;
    QTest::newRow("GIF, every file") << "bands.gif"
                                     << "GIF"
                                     << "All files"
                                     << "four bands" << 64 << 0 << bands;
    QTest::newRow("JPEG") << "photo.jpg"
                          << "JPG"
                          << "All palettes"
                          << "four bands" << 4 << 3 << bands;
    QTest::newRow("JPEG named .jpeg") << "photo.jpeg"
                                      << "JPG"
                                      << "Images"
                                      << "four bands" << 4 << 3 << bands;
    QTest::newRow("JPEG named .png, read as what it is") << "photo.png"
                                                         << "JPG"
                                                         << "All palettes"
                                                         << "four bands" << 4 << 3 << bands;
    QTest::newRow("PNG with no extension, by its signature") << "bands"
                                                             << "PNG"
                                                             << "All files"
                                                             << "four bands" << 8 << 0 << bands;
    QTest::newRow("transparent pixels count for nothing")
            << "clear.png"
            << "PNG"
            << "All palettes"
            << "half transparent" << 8 << 0 << QStringList {"60%=#2255AA", "40%=#EEDD44"};
}

void tst_PaletteHandlers::importTakesAnImagesDominantColors()
{
    QFETCH(QString, file);
    QFETCH(QString, format);
    QFETCH(QString, filter);
    QFETCH(QString, image);
    QFETCH(int, count);
    QFETCH(int, tolerance);
    QFETCH(QStringList, expected);
    write(path(file), encoded(picture(image), qPrintable(format)));
    f.dialogs.numbers.enqueue(count);
    const QStringList filters = PaletteFile::importFilters();
    import(path(file), filterIndex(filters, qPrintable(filter)));
    VERIFY_NO_SURPRISES(f.dialogs);

    QVERIFY(filters.constFirst().contains(QStringLiteral("*.png *.jpg *.jpeg *.bmp *.gif")));
    QVERIFY(filters.contains(QStringLiteral("Images (*.png *.jpg *.jpeg *.bmp *.gif)")));
    QCOMPARE(f.dialogs.numberRequests.size(), 1);
    const NumberRequest request = f.dialogs.numberRequests.constFirst();
    QCOMPARE(request.name, QStringLiteral("ImageColorsBox"));
    QCOMPARE(request.caption, QStringLiteral("Import Palette"));
    QCOMPARE(request.label, QStringLiteral("Number of colors to take from \"%1\":").arg(file));
    QCOMPARE(QList<int>({request.value, request.minimum, request.maximum}), QList<int>({8, 2, 64}));

    // Largest share first, named after the file; JPEG's colors come back near.
    const QStringList entries = listEntries();
    QCOMPARE(entries.size(), expected.size());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString want = file + u' ' + expected.at(i);
        const QString name = entries.at(i).section(u'=', 0, 0);
        const auto got = Palette::parseHex(entries.at(i).section(u'=', 1));
        const auto wanted = Palette::parseHex(want.section(u'=', 1));
        QVERIFY2(got && wanted, qPrintable(entries.at(i)));
        const bool near = std::abs(Color::red(*got) - Color::red(*wanted)) <= tolerance
                && std::abs(Color::green(*got) - Color::green(*wanted)) <= tolerance
                && std::abs(Color::blue(*got) - Color::blue(*wanted)) <= tolerance;
        QVERIFY2(name == want.section(u'=', 0, 0) && near,
                 qPrintable(entries.join(u' ') + QStringLiteral(" against ") + want));
    }
    // As any import leaves the list: changed, belonging to no file.
    QCOMPARE(windowState().constLast(),
             QStringLiteral("modified 1, file 0 \"\", lists 1, save 1, title TRA v 1.0"));

    // The same image gives the same list.
    f.dialogs.answers.enqueue(Answer::No); // "Save current color list to new file?"
    f.dialogs.numbers.enqueue(count);
    import(path(file), filterIndex(filters, qPrintable(filter)));
    VERIFY_NO_SURPRISES(f.dialogs);
    QCOMPARE(listEntries(), entries);
}

void tst_PaletteHandlers::cancelledColorCountChangesNothing()
{
    f.addEntry(QStringLiteral("Sand"), QStringLiteral("#F4A460"));
    write(path(QStringLiteral("bands.png")), encoded(picture(QStringLiteral("four bands")), "PNG"));
    const QStringList before = windowState();
    f.dialogs.clear();
    f.dialogs.answers.enqueue(Answer::No); // "Save current color list to new file?"
    f.dialogs.numbers.enqueue(std::nullopt);
    import(path(QStringLiteral("bands.png")));
    VERIFY_NO_SURPRISES(f.dialogs);
    QCOMPARE(f.dialogs.numberRequests.size(), 1);
    QCOMPARE(windowState(), before);
}

void tst_PaletteHandlers::exportWritesTheChosenFormat_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("format"); // the filter of the format written
    QTest::newRow("GIMP, extension added") << "GIMP"
                                           << "out"
                                           << "out.gpl"
                                           << "GIMP";
    QTest::newRow("LibreOffice") << "LibreOffice"
                                 << "out"
                                 << "out.soc"
                                 << "LibreOffice";
    QTest::newRow("Adobe") << "Adobe"
                           << "out"
                           << "out.ase"
                           << "Adobe";
    QTest::newRow("CSS") << "CSS"
                         << "out."
                         << "out.css"
                         << "CSS";
    QTest::newRow("JSON") << "JSON"
                          << "out"
                          << "out.json"
                          << "JSON";
    QTest::newRow("Paint.NET") << "Paint.NET"
                               << "out"
                               << "out.txt"
                               << "Paint.NET";
    // A known extension that the user typed names the format, whatever the filter.
    QTest::newRow("typed .soc under GIMP") << "GIMP"
                                           << "out.soc"
                                           << "out.soc"
                                           << "LibreOffice";
    QTest::newRow("typed .GPL under JSON") << "JSON"
                                           << "out.GPL"
                                           << "out.GPL"
                                           << "GIMP";
    QTest::newRow("typed unknown extension") << "JSON"
                                             << "out.palette"
                                             << "out.palette.json"
                                             << "JSON";
}

void tst_PaletteHandlers::exportWritesTheChosenFormat()
{
    QFETCH(QString, filter);
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QFETCH(QString, format);
    loadPair(QStringLiteral("colors"), "Sky\r\n", "#87CEEB\r\n\r\n");
    f.addEntry(QStringLiteral("Café <&>"), QStringLiteral("#2E8B57"));
    const QStringList before = windowState();
    const QStringList filters = PaletteFile::exportFilters();
    f.dialogs.clear();
    f.dialogs.files.enqueue(path(typed));
    f.dialogs.fileFilters.enqueue(filterIndex(filters, qPrintable(filter)));
    f.action("Export1")->trigger();

    VERIFY_NO_SURPRISES(f.dialogs);
    QCOMPARE(f.dialogs.fileRequests.constFirst().name, QStringLiteral("ExportDialog1"));
    QCOMPARE(f.dialogs.fileRequests.constFirst().mode, FileRequest::Mode::Save);
    QCOMPARE(f.dialogs.fileRequests.constFirst().filters, filters);
    QCOMPARE(QDir(m_dir->path()).entryList({QStringLiteral("out*")}), QStringList {written});
    const QByteArray bytes = bytesOf(path(written));
    const auto inFormat = PaletteFile::exportFormat(filterIndex(filters, qPrintable(format)));
    QCOMPARE(PaletteFile::formatOfContents(bytes), std::optional(inFormat));
    const Palette::Colors colors = PaletteFile::decode(inFormat, bytes, path(written));
    QCOMPARE(Palette::hexes(colors.values), QStringList({"#87CEEB", "#2E8B57"}));
    // Exporting is not saving: flags, caption and list stay as they were.
    QCOMPARE(windowState(), before);
}

void tst_PaletteHandlers::exportAsksBeforeReplacingTheNameItAdded()
{
    f.addEntry(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
    write(path(QStringLiteral("out.gpl")), "kept");
    f.dialogs.clear();
    f.dialogs.files.enqueue(path(QStringLiteral("out")));
    f.dialogs.answers.enqueue(Answer::No);
    f.action("Export1")->trigger();
    QCOMPARE(questions(), QStringList {"\"out.gpl\" already exists. Replace it?"});
    QCOMPARE(bytesOf(path(QStringLiteral("out.gpl"))), QByteArray("kept"));

    f.dialogs.clear();
    f.dialogs.files.enqueue(path(QStringLiteral("out")));
    f.dialogs.answers.enqueue(Answer::Yes);
    f.action("Export1")->trigger();
    VERIFY_NO_SURPRISES(f.dialogs);
    QVERIFY(bytesOf(path(QStringLiteral("out.gpl"))).endsWith("135 206 235\tSky\n"));
}

void tst_PaletteHandlers::failedExportKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a value edited into no color")
            << "edit"
            << "Color 2 (\"Sea\") has the value \"#2E8B5\", which is not a #RRGGBB color";
    QTest::newRow("full disk") << "disk"
                               << "File too large";
}

void tst_PaletteHandlers::failedExportKeepsTheOldFile()
{
    QFETCH(QString, how);
    QFETCH(QString, reason);
    f.addEntry(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
    f.addEntry(QStringLiteral("Sea"), QStringLiteral("#2E8B57"));
    if (how == QLatin1String("edit"))
        f.form->colorList()->setCell(1, 1, QStringLiteral("#2E8B5"));
    const QString target = path(QStringLiteral("old.json"));
    write(target, "[]\n");
    const QStringList before = windowState();
    f.dialogs.clear();
    f.dialogs.files.enqueue(target);
    f.dialogs.fileFilters.enqueue(filterIndex(PaletteFile::exportFilters(), "JSON"));
    {
        TestFiles::FileSizeLimit limit(how == QLatin1String("disk") ? 16 : RLIM_INFINITY);
        QVERIFY(limit.ok());
        f.action("Export1")->trigger();
    }
    QCOMPARE(f.dialogs.errors.size(), 1);
    const QString error = f.dialogs.errors.constFirst();
    QVERIFY2(error.startsWith(QStringLiteral("Cannot write \"%1\"").arg(target)),
             qPrintable(error));
    QVERIFY2(error.contains(reason), qPrintable(error));
    QCOMPARE(bytesOf(target), QByteArray("[]\n"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList {"old.json"});
    QCOMPARE(windowState(), before);
}

QTEST_MAIN(tst_PaletteHandlers)
#include "tst_palettehandlers.moc"
