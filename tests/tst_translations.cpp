// SPDX-License-Identifier: GPL-3.0-or-later
// The program in German, French and English: the texts a user meets in each language, and the
// behaviour, which must not depend on them. Each test runs once per language (the global data);
// the translators are installed through the function that start-up uses.

#include "app/translations.h"
#include "formfixture.h"
#include "lists/colorlistmodel.h"
#include "testfiles.h"
#include "ui/contrastchecker.h"
#include "ui/findbar.h"
#include "ui/taboutbox.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QStyle>
#include <QStyleOption>
#include <QTemporaryDir>

#include <map>

using namespace Tintora;
using namespace TestFiles;
using Answer = Dialogs::Answer;

namespace {

// The design's English text and what a user of each language reads instead. Written out here
// rather than read from the translation files, so that a lost or stale translation shows.
const std::map<QString, std::map<QString, QString>> kTexts = {
        {QStringLiteral("&File"), {{"de", "&Datei"}, {"fr", "&Fichier"}}},
        {QStringLiteral("&Load List"), {{"de", "Liste &laden"}, {"fr", "&Charger une liste"}}},
        {QStringLiteral("&Options"), {{"de", "&Optionen"}, {"fr", "&Options"}}},
        {QStringLiteral("&Roll Down"), {{"de", "Ab&rollen"}, {"fr", "Dé&rouler"}}},
        {QStringLiteral("Enable &Lists"),
         {{"de", "&Listen einschalten"}, {"fr", "Activer les &listes"}}},
        {QStringLiteral("Disable &Lists"),
         {{"de", "&Listen ausschalten"}, {"fr", "Désactiver les &listes"}}},
        {QStringLiteral("View Full List"), {{"de", "Liste ausklappen"}, {"fr", "Liste entière"}}},
        {QStringLiteral("Close Full List"),
         {{"de", "Liste einklappen"}, {"fr", "Fermer la liste"}}},
        {QStringLiteral("View &Full List"),
         {{"de", "Liste &ausklappen"}, {"fr", "Afficher la liste &entière"}}},
        {QStringLiteral("Close &Full List"),
         {{"de", "Liste &einklappen"}, {"fr", "Fermer la liste &entière"}}},
        {QStringLiteral("Set The Color"), {{"de", "Farbe wählen"}, {"fr", "Choisir la couleur"}}},
        {QStringLiteral("Set the Color of:"),
         {{"de", "Farbe setzen für:"}, {"fr", "Couleur de\u00A0:"}}},
        {QStringLiteral("Background"), {{"de", "Hintergrund"}, {"fr", "Arrière-plan"}}},
        {QStringLiteral("TRA v 1.0  Current File: %1"),
         {{"de", "TRA v 1.0  Aktuelle Datei: %1"}, {"fr", "TRA v 1.0  Fichier actuel\u00A0: %1"}}},
        {QStringLiteral("Save current color list to file?"),
         {{"de", "Aktuelle Farbliste in einer Datei speichern?"},
          {"fr", "Enregistrer la liste de couleurs actuelle dans un fichier\u00A0?"}}},
        {QStringLiteral("Save changes to current file?"),
         {{"de", "Änderungen in der aktuellen Datei speichern?"},
          {"fr", "Enregistrer les modifications dans le fichier actuel\u00A0?"}}},
        {QStringLiteral("Please enter a custom name before adding this color to the list."),
         {{"de",
           "Bitte geben Sie einen eigenen Namen ein, bevor Sie diese Farbe in die Liste "
           "aufnehmen."},
          {"fr", "Veuillez saisir un nom personnalisé avant d'ajouter cette couleur à la liste."}}},
        {QStringLiteral("Cannot open \"%1\": %2"),
         {{"de", "„%1“ kann nicht geöffnet werden: %2"},
          {"fr", "Impossible d'ouvrir «\u00A0%1\u00A0»\u00A0: %2"}}},
        {QStringLiteral("It is a folder"),
         {{"de", "Es ist ein Ordner"}, {"fr", "C'est un dossier"}}},
        {QStringLiteral("About"), {{"de", "Über"}, {"fr", "À propos"}}},
        {QStringLiteral("Release 1.0"), {{"de", "Version 1.0"}, {"fr", "Version 1.0"}}},
        {QStringLiteral("Contrast Checker"),
         {{"de", "Kontrastprüfung"}, {"fr", "Vérificateur de contraste"}}},
        {QStringLiteral("Pass"), {{"de", "Bestanden"}, {"fr", "Réussi"}}},
        {QStringLiteral("Fail"), {{"de", "Nicht bestanden"}, {"fr", "Échec"}}},
        {QStringLiteral("1.4.3 AA normal text"),
         {{"de", "1.4.3 AA normaler Text"}, {"fr", "1.4.3 AA texte normal"}}},
        {QStringLiteral("Tritanopia"), {{"de", "Tritanopie"}, {"fr", "Tritanopie"}}},
        {QStringLiteral("Find in List"),
         {{"de", "In Liste suchen"}, {"fr", "Rechercher dans la liste"}}},
        {QStringLiteral("Find &Next"), {{"de", "&Weitersuchen"}, {"fr", "&Suivant"}}},
        {QStringLiteral("GIMP palette (*.gpl)"),
         {{"de", "GIMP-Palette (*.gpl)"}, {"fr", "Palette GIMP (*.gpl)"}}},
};

} // namespace

class tst_Translations : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase_data();
    void init();
    void cleanup();
    void cleanupTestCase() { Translations::uninstall(); }

    void mainWindowCaptionsAndMenus();
    void menuItemsHaveLettersOfTheirOwn_data();
    void menuItemsHaveLettersOfTheirOwn();
    void textsFitTheirControls_data();
    void textsFitTheirControls();
    void aboutBoxContrastCheckerAndFindBar();
    void numbersFollowTheLanguage();
    void listsAndFullViewWorkByTheirFlags();
    void questionsAndSavingOnClose();
    void loadingAndErrorMessages();
    void designNamesDoNotDependOnTheLanguage();
    void qtOwnTextsFollow();
    void installFollowsTheSystemLocale();

private:
    // What the running language shows for the design's English text.
    QString text(const QString &english) const;
    QString path(const QString &name) const { return m_dir->filePath(name); }
    // The object names in the main window and its tools, the contrast checker and find bar open.
    QStringList designNames();

    FormFixture f;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_language;
};

void tst_Translations::initTestCase_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language"); // what install() reports; empty for English
    QTest::newRow("German") << "de_DE"
                            << "de";
    QTest::newRow("French") << "fr_FR"
                            << "fr";
    QTest::newRow("Swiss French") << "fr_CH"
                                  << "fr";
    QTest::newRow("English") << "en_US"
                             << "";
    QTest::newRow("C") << "C"
                       << "";
}

void tst_Translations::init()
{
    QFETCH_GLOBAL(QString, locale);
    QFETCH_GLOBAL(QString, language);
    // Before the window, as at start-up.
    QCOMPARE(Translations::install(QLocale(locale)), language);
    m_language = language;
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    f.create();
}

void tst_Translations::cleanup()
{
    f.destroy();
    Translations::uninstall();
}

QString tst_Translations::text(const QString &english) const
{
    if (m_language.isEmpty())
        return english;
    const auto found = kTexts.find(english);
    if (found == kTexts.end())
        qFatal("no translation listed for %s", qPrintable(english));
    return found->second.at(m_language);
}

void tst_Translations::mainWindowCaptionsAndMenus()
{
    QCOMPARE(f.child<QPushButton>("SetClrBtn")->text(), text(QStringLiteral("Set The Color")));
    QCOMPARE(f.child<QGroupBox>("GroupBox1")->title(), text(QStringLiteral("Set the Color of:")));
    QCOMPARE(f.child<QRadioButton>("RadioButton1")->text(), text(QStringLiteral("Background")));
    QCOMPARE(f.child<QPushButton>("ViewLstBtn")->text(), text(QStringLiteral("View Full List")));
    QCOMPARE(f.child<QMenu>("File1")->title(), text(QStringLiteral("&File")));
    QCOMPARE(f.child<QMenu>("Options1")->title(), text(QStringLiteral("&Options")));
    QCOMPARE(f.action("Open1")->text(), text(QStringLiteral("&Load List")));
    QCOMPARE(f.action("EnableLists1")->text(), text(QStringLiteral("Enable &Lists")));
    QCOMPARE(f.action("ViewFullList1")->text(), text(QStringLiteral("View &Full List")));
    // The design names stay whatever the language.
    QCOMPARE(f.action("EnableLists1")->objectName(), QStringLiteral("EnableLists1"));
}

// In every menu of the main window, its submenus and the menu bar itself, each item has a letter
// (&) that no other item of that menu has: as the window opens, and with the captions that
// change changed. Only "Enable Hints" goes without a letter, as the design has it, and is left
// in its first state here.
void tst_Translations::menuItemsHaveLettersOfTheirOwn_data()
{
    QTest::addColumn<bool>("captionsChanged");
    QTest::newRow("as the window opens") << false;
    QTest::newRow("lists on, full list open, rolled up") << true;
}

void tst_Translations::menuItemsHaveLettersOfTheirOwn()
{
    QFETCH(bool, captionsChanged);
    if (captionsChanged) {
        f.enableLists();
        f.click("ViewLstBtn");
        f.action("RollUp1")->trigger();
        QCOMPARE(f.action("RollUp1")->text(), text(QStringLiteral("&Roll Down")));
    }
    QStringList faults;
    QList<QWidget *> menus {f.form->menuBar()};
    while (!menus.isEmpty()) {
        const QWidget *menu = menus.takeFirst();
        std::map<int, QString> taken; // by the letter's key
        for (QAction *item : menu->actions()) {
            if (item->isSeparator())
                continue;
            if (item->menu())
                menus.append(item->menu());
            const QString caption = item->text();
            const QKeySequence letter = QKeySequence::mnemonic(caption);
            const QString where = menu->objectName() + QStringLiteral(": ");
            if (letter.isEmpty())
                faults << where + QStringLiteral("\"%1\" has no letter").arg(caption);
            else if (const auto [clash, added] = taken.emplace(letter[0].toCombined(), caption);
                     !added)
                faults << where + QStringLiteral("\"%1\" and \"%2\"").arg(clash->second, caption);
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
}

// Every translated text of the main window's fixed-size controls (and the caption the full
// list's button shows when it is open) is whole inside the control at the design's size and
// fonts. The menus are left out: they grow with their items.
void tst_Translations::textsFitTheirControls_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("fullListOpen");
    for (const char *name :
         {"GroupBox1", "RadioButton1", "RadioButton2", "RadioButton3", "SetClrBtn", "AddToLstBtn",
          "DelFrLstBtn", "ViewLstBtn", "Label2", "Label3"})
        QTest::newRow(name) << QString::fromLatin1(name) << false;
    QTest::newRow("ViewLstBtn, list open") << QStringLiteral("ViewLstBtn") << true;
}

void tst_Translations::textsFitTheirControls()
{
    QFETCH(QString, control);
    QFETCH(bool, fullListOpen);
    if (fullListOpen) {
        f.enableLists();
        f.click("ViewLstBtn");
        QVERIFY(f.form->fullListOpen());
    }
    auto *widget = f.child(qPrintable(control));
    const QFontMetrics metrics(widget->font());
    QStyle *style = widget->style();
    QString text;
    QSize room = widget->size();
    QSize needed;
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        // Wrapped as the label wraps it, in the rectangle it draws in.
        text = label->text();
        room = label->contentsRect().size();
        needed = metrics.boundingRect(label->contentsRect(),
                                      int(label->alignment()) | Qt::TextWordWrap, text)
                         .size();
    } else if (auto *box = qobject_cast<QGroupBox *>(widget)) {
        // The title where the style puts it.
        text = box->title();
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = text;
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect title =
                style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        needed = QSize(title.x() + title.width(), 0);
    } else if (auto *radio = qobject_cast<QRadioButton *>(widget)) {
        // Drawn twice as wide, the indicator and the whole text: its last pixel must lie
        // inside the button's own width.
        text = radio->text();
        const QSize size = radio->size();
        radio->resize(2 * size.width(), size.height());
        const QImage drawn = radio->grab().toImage();
        radio->resize(size);
        int width = drawn.width();
        const auto blank = [&drawn](int x) {
            for (int y = 0; y < drawn.height(); ++y) {
                if (drawn.pixel(x, y) != drawn.pixel(drawn.width() - 1, y))
                    return false;
            }
            return true;
        };
        while (width > 0 && blank(width - 1))
            --width;
        needed = QSize(width, 0);
    } else {
        // The caption with the style's margins around it.
        text = qobject_cast<QPushButton *>(widget)->text();
        needed = QSize(widget->sizeHint().width(), 0);
    }
    QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(),
             qPrintable(QStringLiteral("\"%1\" needs %2x%3, has %4x%5")
                                .arg(text)
                                .arg(needed.width())
                                .arg(needed.height())
                                .arg(room.width())
                                .arg(room.height())));
}

void tst_Translations::aboutBoxContrastCheckerAndFindBar()
{
    TAboutBox about;
    QCOMPARE(about.windowTitle(), text(QStringLiteral("About")));
    QCOMPARE(about.findChild<QLabel *>(QStringLiteral("Version"))->text(),
             text(QStringLiteral("Release 1.0")));
    QCOMPARE(about.findChild<QLabel *>(QStringLiteral("ProductName"))->text(),
             QStringLiteral("Tintora"));

    f.action("ContrastChecker1")->trigger();
    auto *checker = f.form->findChild<ContrastChecker *>(QStringLiteral("ContrastChecker"));
    QVERIFY(checker);
    QCOMPARE(checker->windowTitle(), text(QStringLiteral("Contrast Checker")));
    // Black on white: every rule passes.
    QCOMPARE(checker->findChild<QLabel *>(QStringLiteral("Sample1AaNormal"))->text(),
             text(QStringLiteral("Pass")));
    QCOMPARE(checker->findChild<QLabel *>(QStringLiteral("AaNormalName"))->text(),
             text(QStringLiteral("1.4.3 AA normal text")));
    // The vision previews keep their design names; only what they show is translated,
    auto *tritanopia = checker->findChild<QLabel *>(QStringLiteral("TritanopiaName"));
    QVERIFY(tritanopia);
    QCOMPARE(tritanopia->text(), text(QStringLiteral("Tritanopia")));
    // and screen readers hear the preview by its name in every language.
    auto *tritanopiaPreview = checker->findChild<QWidget *>(QStringLiteral("TritanopiaPreview"));
    QVERIFY(tritanopiaPreview);
    QVERIFY(tritanopiaPreview->accessibleName().contains(text(QStringLiteral("Tritanopia"))));
    // The report is the window's texts, one language throughout.
    QVERIFY(checker->report().startsWith(text(QStringLiteral("Contrast Checker"))
                                         + QLatin1Char('\n')));

    f.enableLists();
    f.action("Find1")->trigger();
    auto *findBar = f.form->findChild<FindBar *>(QStringLiteral("FindBar"));
    QVERIFY(findBar);
    QCOMPARE(findBar->windowTitle(), text(QStringLiteral("Find in List")));
    QCOMPARE(findBar->findChild<QPushButton *>(QStringLiteral("FindNextBtn"))->text(),
             text(QStringLiteral("Find &Next")));

    QCOMPARE(f.form->ImportDialog1().filters.at(1), text(QStringLiteral("GIMP palette (*.gpl)")));
}

// The checker writes its numbers as the language does ("21,00:1", "14,5 px" in German and French),
// its report too; the colors stay #RRGGBB there, and what Copy As writes stays CSS.
void tst_Translations::numbersFollowTheLanguage()
{
    // The number as English writes it, in the running language.
    const auto written = [this](QString english) {
        return m_language.isEmpty() ? english : english.replace(u'.', u',');
    };
    f.action("ContrastChecker1")->trigger();
    auto *checker = f.form->findChild<ContrastChecker *>(QStringLiteral("ContrastChecker"));
    QVERIFY(checker);
    const auto shown = [checker](const char *name) {
        return checker->findChild<QLabel *>(QLatin1String(name))->text();
    };
    // Black on white.
    QCOMPARE(shown("Sample1Ratio"), written(QStringLiteral("21.00:1")));
    QCOMPARE(shown("AaNormalMinimum"), written(QStringLiteral("4.5:1")));
    QCOMPARE(shown("Sample1FontSizes"), written(QStringLiteral("14.5 px, 12 px")));
    QCOMPARE(shown("Sample1Lc"), written(QStringLiteral("Lc 106.0")));
    const QString report = checker->report();
    QVERIFY(report.contains(QStringLiteral(": %1\n").arg(written(QStringLiteral("21.00:1")))));
    QVERIFY(report.contains(QStringLiteral(": #FFFFFF\n")));

    // The locale that the windows' number fields (the color adjuster's) take.
    QCOMPARE(f.form->locale().toString(0.5, 'f', 3), written(QStringLiteral("0.500")));

    f.action("CopyAsFractions1")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1.0, 1.0, 1.0"));
}

void tst_Translations::listsAndFullViewWorkByTheirFlags()
{
    f.enableLists();
    QVERIFY(f.form->listsEnabled());
    QCOMPARE(f.action("EnableLists1")->text(), text(QStringLiteral("Disable &Lists")));
    // Adding without a name warns, in the user's language.
    f.click("AddToLstBtn");
    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(f.dialogs.messages.at(0).text,
             text(QStringLiteral("Please enter a custom name before adding this color to the "
                                 "list.")));
    f.dialogs.clear();

    f.addEntry(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
    QCOMPARE(f.form->colorList()->list().names(), QStringList({"Sky"}));

    f.click("ViewLstBtn");
    QVERIFY(f.form->fullListOpen());
    QCOMPARE(f.child<QPushButton>("ViewLstBtn")->text(), text(QStringLiteral("Close Full List")));
    QCOMPARE(f.action("ViewFullList1")->text(), text(QStringLiteral("Close &Full List")));
    f.action("ViewFullList1")->trigger();
    QVERIFY(!f.form->fullListOpen());
    QCOMPARE(f.child<QPushButton>("ViewLstBtn")->text(), text(QStringLiteral("View Full List")));

    f.action("EnableLists1")->trigger();
    QVERIFY(!f.form->listsEnabled());
    QCOMPARE(f.action("EnableLists1")->text(), text(QStringLiteral("Enable &Lists")));
    VERIFY_NO_SURPRISES(f.dialogs);
}

void tst_Translations::questionsAndSavingOnClose()
{
    f.addEntry(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
    f.dialogs.clear();
    f.dialogs.answers.enqueue(Answer::Yes);
    f.dialogs.files.enqueue(path(QStringLiteral("colors.clr")));
    QVERIFY(f.form->close());
    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(f.dialogs.messages.at(0).text,
             text(QStringLiteral("Save current color list to file?")));
    QCOMPARE(f.dialogs.fileDialogs, QStringList({"SaveDialog1"}));
    QCOMPARE(bytesOf(path(QStringLiteral("colors.clr"))), QByteArray("Sky\r\n"));
    QCOMPARE(bytesOf(path(QStringLiteral("colors.hex"))), QByteArray("#87CEEB\r\n\r\n"));
    VERIFY_NO_SURPRISES(f.dialogs);
}

void tst_Translations::loadingAndErrorMessages()
{
    write(path(QStringLiteral("colors.clr")), "Sky\r\nSea\r\n");
    write(path(QStringLiteral("colors.hex")), "#87CEEB\r\n#2E8B57\r\n\r\n");
    f.dialogs.files.enqueue(path(QStringLiteral("colors.clr")));
    f.action("Open1")->trigger();
    QCOMPARE(f.form->colorList()->list().names(), QStringList({"Sky", "Sea"}));
    QCOMPARE(f.form->windowTitle(),
             text(QStringLiteral("TRA v 1.0  Current File: %1")).arg("colors.clr"));

    // A changed list that has a file: the question names it, Yes saves it there.
    f.addEntry(QStringLiteral("Sun"), QStringLiteral("#FFD700"));
    f.dialogs.clear();
    f.dialogs.answers.enqueue(Answer::Yes);
    QVERIFY(f.form->close());
    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(f.dialogs.messages.at(0).text, text(QStringLiteral("Save changes to current file?")));
    QCOMPARE(bytesOf(path(QStringLiteral("colors.clr"))), QByteArray("Sky\r\nSea\r\nSun\r\n"));
    VERIFY_NO_SURPRISES(f.dialogs);

    // A folder where a list should be: the error box says why, in the user's language.
    f.create();
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("folder.clr")));
    f.dialogs.files.enqueue(path(QStringLiteral("folder.clr")));
    f.action("Open1")->trigger();
    QCOMPARE(f.dialogs.errors.size(), 1);
    QCOMPARE(f.dialogs.errors.at(0),
             text(QStringLiteral("Cannot open \"%1\": %2"))
                             .arg(QDir::toNativeSeparators(path(QStringLiteral("folder.clr"))),
                                  text(QStringLiteral("It is a folder")))
                     + QLatin1Char('.'));
    QVERIFY(!f.form->hasFile());
}

QStringList tst_Translations::designNames()
{
    f.create();
    f.enableLists();
    f.action("ContrastChecker1")->trigger();
    f.action("Find1")->trigger();
    QStringList names;
    for (const QObject *object : f.form->findChildren<QObject *>())
        names.append(object->objectName());
    names.sort();
    return names;
}

void tst_Translations::designNamesDoNotDependOnTheLanguage()
{
    QFETCH_GLOBAL(QString, locale);
    Translations::uninstall();
    const QStringList english = designNames();
    QVERIFY(english.contains(QStringLiteral("Sample1Pick")));
    QVERIFY(english.contains(QStringLiteral("TritanopiaPreview")));
    Translations::install(QLocale(locale));
    QCOMPARE(designNames(), english);
}

void tst_Translations::qtOwnTextsFollow()
{
    // Qt's buttons and dialogs speak the language too, where Qt's translations are installed.
    const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
    if (m_language.isEmpty()) {
        QCOMPARE(cancel, QStringLiteral("Cancel"));
        return;
    }
    const QString qtFile = QLibraryInfo::path(QLibraryInfo::TranslationsPath)
            + QStringLiteral("/qtbase_%1.qm").arg(m_language);
    if (!QFile::exists(qtFile))
        QSKIP("Qt's own translations are not installed (qt6-translations-l10n)");
    QCOMPARE(cancel,
             m_language == QLatin1String("de") ? QStringLiteral("Abbrechen")
                                               : QStringLiteral("Annuler"));
}

void tst_Translations::installFollowsTheSystemLocale()
{
    // Run by ctest under LANG=de_DE.UTF-8, fr_FR.UTF-8 and C as well: the language comes from
    // the environment, whether or not the C library has that locale.
    const QByteArray lang = qgetenv("LANG");
    if (!qEnvironmentVariableIsEmpty("LC_ALL") || !qEnvironmentVariableIsEmpty("LC_MESSAGES")
        || !qEnvironmentVariableIsEmpty("LANGUAGE"))
        QSKIP("the language is set by more than LANG here");
    const QString expected = lang.startsWith("de") ? QStringLiteral("de")
            : lang.startsWith("fr")                ? QStringLiteral("fr")
                                                   : QString();
    if (expected.isEmpty() && !(lang.isEmpty() || lang.startsWith("C") || lang.startsWith("en")))
        QSKIP("LANG names a language without our translation");
    QCOMPARE(Translations::install(), expected);
    f.create();
    QCOMPARE(f.child<QMenu>("File1")->title(),
             expected.isEmpty() ? QStringLiteral("&File") : kTexts.at("&File").at(expected));
}

QTEST_MAIN(tst_Translations)
#include "tst_translations.moc"
