// SPDX-License-Identifier: GPL-3.0-or-later
// The MIME types the program installs, compiled by update-mime-database as a package's
// triggers compile them, and read back by the shared MIME database as file managers read it:
// each list and palette file is known by its name or, where another type has the extension,
// by its contents; and the desktop file opens exactly these types.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kPackage = QStringLiteral(TINTORA_RESOURCES "/mime/org.tintora.Tintora.xml");
const QString kDesktopFile =
        QStringLiteral(TINTORA_RESOURCES "/desktop/org.tintora.Tintora.desktop");

// The database's folders, made before the first QMimeDatabase reads the environment.
QTemporaryDir &dataFolder()
{
    static QTemporaryDir folder;
    return folder;
}

} // namespace

class tst_MimeTypes : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void filesAreKnown_data();
    void filesAreKnown();
    void desktopFileOpensEveryType();

private:
    QTemporaryDir m_files;
};

void tst_MimeTypes::initTestCase()
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    if (tool.isEmpty())
        QSKIP("update-mime-database (shared-mime-info) is not installed");
    // One database of the system's packages and ours, as an installed package has it: the
    // database reads the globs of the first folder that has any, so a folder of our own types
    // in front of the system's would hide the system's.
    const QString mime = dataFolder().filePath(QStringLiteral("share/mime"));
    QVERIFY(QDir().mkpath(mime + QStringLiteral("/packages")));
    const QDir system(QStringLiteral("/usr/share/mime/packages"));
    const QStringList packages = system.entryList({QStringLiteral("*.xml")}, QDir::Files);
    if (!packages.contains(QStringLiteral("freedesktop.org.xml")))
        QSKIP("the freedesktop.org database (shared-mime-info) is not installed");
    for (const QString &name : packages)
        QVERIFY(QFile::copy(system.filePath(name), mime + QStringLiteral("/packages/") + name));
    QVERIFY(QFile::copy(kPackage, mime + QStringLiteral("/packages/org.tintora.Tintora.xml")));
    QProcess update;
    update.start(tool, {QStringLiteral("-V"), mime});
    QVERIFY(update.waitForFinished(60000));
    QVERIFY2(update.exitCode() == 0, update.readAllStandardError().constData());
    // Nothing the package says may be ignored as invalid.
    QVERIFY2(!update.readAllStandardError().contains("nvalid"), "update-mime-database warned");
}

void tst_MimeTypes::filesAreKnown_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("type");

    QTest::newRow("color list") << "list.clr" << QByteArray("Sea green\r\nSky\r\n")
                                << "application/x-tintora-color-list";
    QTest::newRow("its values") << "list.hex" << QByteArray("#2E8B57\r\n#87CEEB\r\n")
                                << "application/x-tintora-color-values";
    QTest::newRow("values with LF")
            << "list.hex" << QByteArray("#2e8b57\n") << "application/x-tintora-color-values";
    QTest::newRow("a firmware .hex is not ours")
            << "boot.hex" << QByteArray(":10010000214601360121470136007EFE09D2190140\r\n")
            << "text/plain";
    QTest::newRow("GIMP palette") << "sea.gpl" << QByteArray("GIMP Palette\nName: Sea\n")
                                  << "application/x-gimp-palette";
    QTest::newRow("GIMP palette without extension")
            << "sea" << QByteArray("GIMP Palette\nName: Sea\n") << "application/x-gimp-palette";
    QTest::newRow("LibreOffice")
            << "sea.soc"
            << QByteArray("<?xml version=\"1.0\"?>\n<office:color-table xmlns:office=\"x\">")
            << "application/x-libreoffice-color-table";
    QTest::newRow("Adobe") << "sea.ase" << QByteArray("ASEF\0\1\0\0\0\0\0\0", 12)
                           << "application/x-adobe-swatch-exchange";
    QTest::newRow("Paint.NET") << "sea.txt" << QByteArray(";paint.net Palette File\r\nFF2E8B57\r\n")
                               << "application/x-paintnet-palette";
    QTest::newRow("Paint.NET, ours")
            << "sea.txt" << QByteArray("; Palette written by Tintora\r\nFF2E8B57\r\n")
            << "application/x-paintnet-palette";
    QTest::newRow("a text is text")
            << "notes.txt" << QByteArray("; just a note\r\n") << "text/plain";
    QTest::newRow("JSON palette") << "sea.json"
                                  << QByteArray(
                                             "[\n  {\"name\": \"Sea\", \"hex\": \"#2E8B57\"}\n]\n")
                                  << "application/x-tintora-palette+json";
    QTest::newRow("other JSON is JSON")
            << "data.json" << QByteArray("{\"a\": 1}\n") << "application/json";
}

void tst_MimeTypes::filesAreKnown()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, contents);
    const QString path = m_files.filePath(name);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
    file.close();
    QTEST(QMimeDatabase().mimeTypeForFile(path).name(), "type");
}

void tst_MimeTypes::desktopFileOpensEveryType()
{
    QFile package(kPackage);
    QVERIFY(package.open(QIODevice::ReadOnly));
    QStringList defined;
    const QRegularExpression type(QStringLiteral("<mime-type type=\"([^\"]+)\""));
    for (auto it = type.globalMatch(QString::fromUtf8(package.readAll())); it.hasNext();)
        defined << it.next().captured(1);
    QFile desktop(kDesktopFile);
    QVERIFY(desktop.open(QIODevice::ReadOnly));
    QStringList opened;
    for (const QByteArray &line : desktop.readAll().split('\n')) {
        if (line.startsWith("MimeType="))
            opened = QString::fromUtf8(line.mid(9)).split(u';', Qt::SkipEmptyParts);
    }
    QCOMPARE(opened, defined);
    for (const QString &name : std::as_const(defined))
        QVERIFY2(QMimeDatabase().mimeTypeForName(name).isValid(), qPrintable(name));
}

int main(int argc, char **argv)
{
    // Before anything reads the database: ours first, then the system's.
    qputenv("XDG_DATA_HOME", dataFolder().filePath(QStringLiteral("home")).toUtf8());
    qputenv("XDG_DATA_DIRS",
            (dataFolder().filePath(QStringLiteral("share"))
             + QStringLiteral(":/usr/local/share:/usr/share"))
                    .toUtf8());
    QCoreApplication app(argc, argv);
    tst_MimeTypes test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mimetypes.moc"
