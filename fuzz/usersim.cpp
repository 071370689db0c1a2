// SPDX-License-Identifier: GPL-3.0-or-later
#include "usersim.h"

#include "app/combobox.h"
#include "app/edit.h"
#include "app/scrollbar.h"
#include "app/shape.h"
#include "core/convert.h"
#include "core/error.h"
#include "lists/colorlistmodel.h"
#include "lists/listfile.h"
#include "ui/stringgrid.h"
#include "ui/tform1.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace Tintora;

namespace {

// Files the program may write: the save dialog offers them, and they change only by a save.
const char *const kWritable[] = {"a.clr", "b.clr", "LIST.CLR", "two words.clr",
                                 "\u00fcn\u00ef.clr"};

// Files and places the program must never change. The save dialog offers those a save must
// refuse; the open dialog offers them all.
const char *const kRefusedForSaving[] = {"folder.clr", "hexfolder.clr", "missing/folder/x.clr",
                                         "device.clr", "pipe.clr"};
const char *const kOnlyForLoading[] = {"good.clr",   "short.clr", "mixed.clr", "cp1252.clr",
                                       "odd.clr",    "empty.clr", "bom.clr",   "binary.clr",
                                       "binhex.clr", "nohex.clr", "huge.clr",  "loop.clr"};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QColor qColor(Color::ColorValue c)
{
    return QColor(Color::red(c), Color::green(c), Color::blue(c));
}

bool isConversionError(const QString &text)
{
    return text.startsWith(QLatin1Char('\''))
            && text.endsWith(QLatin1String("' is not a valid integer value."));
}

} // namespace

UserSimulator::UserSimulator(Choices &choices, const QString &folder)
    : m_choices(choices), m_folder(folder)
{
    m_previousDialogs = Dialogs::install(this);
    resetFolder();
}

UserSimulator::~UserSimulator()
{
    if (m_form) {
        m_form->hide();
        m_form.reset();
    }
    Dialogs::install(m_previousDialogs);
}

QString UserSimulator::path(const QString &name) const
{
    return m_folder + QLatin1Char('/') + name;
}

void UserSimulator::resetFolder()
{
    QDir dir(m_folder);
    // Take back anything a run left, special files included.
    QDirIterator it(m_folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
    while (it.hasNext()) {
        const QString entry = it.next();
        struct stat st;
        if (::lstat(QFile::encodeName(entry).constData(), &st) == 0 && S_ISDIR(st.st_mode))
            QDir(entry).removeRecursively();
        else
            ::unlink(QFile::encodeName(entry).constData());
    }

    writeFile(path("a.clr"), "Old\r\n");
    writeFile(path("a.hex"), "#123456\r\n\r\n");
    writeFile(path("good.clr"), "Sky\r\nSea\r\nsky again\r\n");
    writeFile(path("good.hex"), "#87CEEB\r\n#2e8b57\r\n#87ceeb\r\n\r\n");
    writeFile(path("short.clr"), "One\r\nTwo\r\nThree\r\n");
    writeFile(path("short.hex"), "#010101\r\n");
    writeFile(path("mixed.clr"), "One\nTwo\rThree\r\n\nFive");
    writeFile(path("mixed.hex"), "#010101\n\r#030303\r\n#040404\n#050505\n#EXTRA1\n#EXTRA2");
    writeFile(path("cp1252.clr"), "Caf\xe9\r\n\x80uro\r\n");
    writeFile(path("cp1252.hex"), "#FFFFFF\r\n#000000\r\n\r\n");
    writeFile(path("odd.clr"), "Bad\r\nShort\r\nSpaced\r\nNone\r\n");
    writeFile(path("odd.hex"), "#GGGGGG\r\n#12\r\n # 1 2\r\n\r\n#ABCDEF\r\n");
    writeFile(path("empty.clr"), "");
    writeFile(path("empty.hex"), "");
    writeFile(path("bom.clr"),
              "\xef\xbb\xbf"
              "Marked\r\n");
    writeFile(path("bom.hex"), "\xef\xbb\xbf#00FF00\r\n\r\n");
    writeFile(path("binary.clr"),
              QByteArray("\x7f"
                         "ELF\x02\x01\x01\0\0\0",
                         10));
    writeFile(path("binary.hex"), "\r\n");
    writeFile(path("binhex.clr"), "Fine\r\n");
    writeFile(path("binhex.hex"), QByteArray("#00\0\0\0\r\n", 9));
    writeFile(path("nohex.clr"), "Alone\r\n");
    dir.mkpath(QStringLiteral("folder.clr"));
    writeFile(path("hexfolder.clr"), "Name\r\n");
    dir.mkpath(QStringLiteral("hexfolder.hex"));
    {
        QFile huge(path("huge.clr"));
        if (huge.open(QIODevice::WriteOnly))
            huge.resize(qint64(300) << 20); // sparse: no room taken on disk
    }
    writeFile(path("huge.hex"), "\r\n");
    ::mkfifo(QFile::encodeName(path("pipe.clr")).constData(), 0600);
    writeFile(path("pipe.hex"), "\r\n");
    // A node of its own that acts as /dev/full, so no mistake can touch the system's; where
    // devices cannot be made, a second pipe stands in (neither is a regular file).
    const QByteArray device = QFile::encodeName(path("device.clr"));
    if (::mknod(device.constData(), S_IFCHR | 0666, makedev(1, 7)) != 0)
        ::mkfifo(device.constData(), 0600);
    QFile::link(path("loop.clr"), path("loop.clr"));
    m_tree = tree();
}

UserSimulator::Tree UserSimulator::tree() const
{
    Tree result;
    QDirIterator it(m_folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString entry = it.next();
        const QString key = entry.mid(m_folder.size() + 1);
        struct stat st;
        if (::lstat(QFile::encodeName(entry).constData(), &st) != 0)
            continue;
        if (S_ISREG(st.st_mode) && st.st_size < (1 << 20)) {
            QFile file(entry);
            result[key] = file.open(QIODevice::ReadOnly) ? file.readAll() : "<unreadable>";
        } else {
            result[key] = "<" + QByteArray::number(st.st_mode, 8) + " "
                    + QByteArray::number(qint64(st.st_size)) + ">";
        }
    }
    return result;
}

template<typename T>
T *UserSimulator::child(const char *name) const
{
    T *object = m_form->findChild<T *>(QLatin1String(name));
    if (!object)
        qFatal("the main window has no %s", name);
    return object;
}

void UserSimulator::startSession()
{
    if (m_form) {
        m_form->hide();
        m_form.reset();
    }
    m_form = std::make_unique<TForm1>(nullptr, m_choices.oneIn(3) ? 120 : 96);
    connect(&m_form->samples(), &Samples::changed, this, [this] { m_updated = true; });
    m_form->show();
    activate();
    m_consistent = true;
    m_currentColorSet = false;
    m_recent.append(QStringLiteral("new window"));
}

void UserSimulator::activate()
{
    // Menu shortcuts (Ctrl+C, Ctrl+X) reach only the active window. Offscreen, activation is
    // one posted event away; waiting for it the usual way would cost a poll of ten milliseconds.
    m_form->activateWindow();
    QCoreApplication::processEvents();
    if (!m_form->isActiveWindow())
        (void)QTest::qWaitForWindowActive(m_form.get());
}

bool UserSimulator::sessionOpen() const
{
    return m_form && m_form->isVisible();
}

// Dialogs --------------------------------------------------------------------------------------

Dialogs::Answer UserSimulator::message(QWidget *, const QString &, Type, Buttons buttons)
{
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    if (buttons == Buttons::RestoreDiscardLater)
        return m_choices.oneIn(3) ? Answer::Restore
                                  : (m_choices.oneIn(2) ? Answer::Discard : Answer::Later);
    if (buttons == Buttons::YesNoCancel && m_choices.oneIn(3))
        return Answer::Cancel;
    return m_choices.oneIn(2) ? Answer::Yes : Answer::No;
}

void UserSimulator::error(QWidget *, const QString &text)
{
    m_errors.append(text);
    ++m_errorBoxes;
}

std::optional<Color::ColorValue> UserSimulator::chooseColor(QWidget *, const ColorRequest &request)
{
    if (request.initial != m_form->currentColor())
        m_errors.append(QStringLiteral("<the color dialog did not open on the current color>"));
    if (m_choices.oneIn(4))
        return std::nullopt;
    const ColorList &list = m_form->colorList()->list();
    if (list.count() > 0 && m_choices.oneIn(3)) {
        try {
            const Color::Components c =
                    Color::parseHex(list.hex(m_choices.below(quint32(list.count()))));
            return Color::pack(c.red, c.green, c.blue);
        } catch (const Error &) { }
    }
    return Color::ColorValue(m_choices.below(1u << 24));
}

std::optional<int> UserSimulator::chooseNumber(QWidget *, const NumberRequest &request)
{
    if (m_choices.oneIn(4))
        return std::nullopt;
    return request.minimum + int(m_choices.below(quint32(request.maximum - request.minimum + 1)));
}

void UserSimulator::about(QWidget *) { }

std::optional<FileChoice> UserSimulator::chooseFile(QWidget *, const FileRequest &request)
{
    if (m_choices.oneIn(6))
        return std::nullopt;
    QStringList candidates;
    for (const char *name : kWritable)
        candidates.append(QString::fromUtf8(name));
    for (const char *name : kRefusedForSaving)
        candidates.append(QString::fromUtf8(name));
    const bool opening = request.mode == FileRequest::Mode::Open;
    if (opening) {
        for (const char *name : kOnlyForLoading)
            candidates.append(QString::fromUtf8(name));
    }
    const QString chosen =
            path(candidates.at(qsizetype(m_choices.below(quint32(candidates.size())))));
    m_filesChosen.append(chosen);
    if (opening) {
        m_openedPath = chosen;
        m_errorsBeforeOpen = int(m_errors.size());
    }
    return FileChoice {chosen, 0};
}

// Actions --------------------------------------------------------------------------------------

QString UserSimulator::act()
{
    m_errors.clear();
    m_filesChosen.clear();
    m_openedPath.clear();
    m_updated = false;
    m_fileAction = false;
    m_copied = false;
    if (!sessionOpen()) {
        startSession();
        return m_recent.constLast();
    }
    m_before = snapshot();
    m_fileBefore = m_form->currentListFile();
    m_change = ListChange::None;
    auto *box = child<ComboBox>("ComboBox1");
    m_nameBefore = box->text();
    m_selectedBefore = box->currentIndex();
    m_hexBefore = child<QLineEdit>("Edit1")->text();
    m_listsEnabledBefore = m_form->listsEnabled();

    const QString what = doAction();
    m_recent.append(what);
    if (m_recent.size() > 40)
        m_recent.removeFirst();
    return what;
}

QString UserSimulator::doAction()
{
    TForm1 *form = m_form.get();
    switch (m_choices.below(40)) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
        return typeIntoField();
    case 6:
    case 7:
    case 8:
    case 9:
        return moveScrollBar();
    case 10:
    case 11:
    case 12:
        return chooseTarget();
    case 13:
    case 14:
        QTest::mouseClick(child<QPushButton>("SetClrBtn"), Qt::LeftButton);
        return QStringLiteral("Set The Color");
    case 15:
        child<QAction>("EnableLists1")->trigger();
        return QStringLiteral("Options > ") + child<QAction>("EnableLists1")->text();
    case 16:
    case 17:
    case 18:
        return editNameBox();
    case 19:
    case 20:
        return chooseFromNameBox();
    case 21:
    case 22:
    case 23:
        m_change = ListChange::Add;
        QTest::mouseClick(child<QPushButton>("AddToLstBtn"), Qt::LeftButton);
        return QStringLiteral("Add To List");
    case 24:
    case 25:
        m_change = ListChange::Delete;
        QTest::mouseClick(child<QPushButton>("DelFrLstBtn"), Qt::LeftButton);
        return QStringLiteral("Delete From List");
    case 26:
    case 27:
        return doubleClickGrid();
    case 28:
    case 29:
        return editGridCell();
    case 30:
    case 31:
        m_fileAction = true;
        m_change = ListChange::Load;
        child<QAction>("Open1")->trigger();
        return QStringLiteral("Load List ") + m_filesChosen.join(QLatin1Char(' '));
    case 32:
    case 33:
        m_fileAction = true;
        child<QAction>("Save1")->trigger(); // a disabled menu item does nothing
        return QStringLiteral("Save List ") + m_filesChosen.join(QLatin1Char(' '));
    case 34:
        if (m_choices.oneIn(3)) {
            m_fileAction = true;
            switch (m_choices.below(3)) {
            case 0:
                form->close();
                break;
            case 1:
                child<QAction>("Exit1")->trigger();
                break;
            default:
                QTest::keyClick(form, Qt::Key_X, Qt::ControlModifier);
                break;
            }
            return QStringLiteral("close ") + m_filesChosen.join(QLatin1Char(' '));
        }
        Q_FALLTHROUGH();
    default:
        return windowCommand();
    }
}

QString UserSimulator::typeIntoField()
{
    static const char *const names[] = {"Rval", "Gval", "Bval", "Rval", "Gval", "Bval", "Edit1"};
    const char *name = names[m_choices.below(std::size(names))];
    auto *field = child<Edit>(name);
    const QString where = QString::fromLatin1(name);
    switch (m_choices.below(8)) {
    case 0:
    case 1:
    case 2: {
        // Mostly a number, as users mostly type; now and then anything a number is made of.
        const QString keys = m_choices.oneIn(3)
                ? m_choices.numberText(4)
                : QString::number(m_choices.below(m_choices.oneIn(8) ? 100000 : 256));
        field->selectAll();
        QTest::keyClicks(field, keys);
        return QStringLiteral("type '%1' over %2").arg(keys, where);
    }
    case 3: {
        const QString keys = m_choices.numberText(3);
        field->setCursorPosition(m_choices.between(0, int(field->text().size())));
        QTest::keyClicks(field, keys);
        return QStringLiteral("type '%1' into %2").arg(keys, where);
    }
    case 4:
    case 5: {
        // Paste: the clipboard may hold anything at all.
        const QString text = m_choices.oneIn(2) ? m_choices.text(12) : m_choices.numberText(8);
        QGuiApplication::clipboard()->setText(text);
        if (m_choices.oneIn(2))
            field->selectAll();
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        return QStringLiteral("paste %1 into %2")
                .arg(QString::fromLatin1(text.toUtf8().toHex()), where);
    }
    case 6: {
        static const Qt::Key keys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Z};
        const Qt::Key key = keys[m_choices.below(3)];
        QTest::keyClick(field, key, key == Qt::Key_Z ? Qt::ControlModifier : Qt::NoModifier);
        return QStringLiteral("key %1 in %2").arg(int(key)).arg(where);
    }
    default:
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        return QStringLiteral("empty %1").arg(where);
    }
}

QString UserSimulator::moveScrollBar()
{
    static const char *const names[] = {"RScrollBar1", "gScrollBar1", "bScrollBar1"};
    const char *name = names[m_choices.below(3)];
    auto *bar = child<ScrollBar>(name);
    switch (m_choices.below(3)) {
    case 0: {
        // A drag passes several positions on its way.
        const int steps = m_choices.between(1, 4);
        QStringList positions;
        bar->setSliderDown(true);
        for (int i = 0; i < steps; ++i) {
            const int position = int(m_choices.below(256));
            bar->setSliderPosition(position);
            positions.append(QString::number(position));
        }
        bar->setSliderDown(false);
        return QStringLiteral("drag %1 to %2").arg(QLatin1String(name), positions.join(u','));
    }
    case 1: {
        static const QAbstractSlider::SliderAction actions[] = {
                QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
                QAbstractSlider::SliderPageStepAdd,   QAbstractSlider::SliderPageStepSub,
                QAbstractSlider::SliderToMinimum,     QAbstractSlider::SliderToMaximum};
        const auto action = actions[m_choices.below(std::size(actions))];
        bar->triggerAction(action);
        return QStringLiteral("step %1 (%2)").arg(QLatin1String(name)).arg(int(action));
    }
    default: {
        const QPoint at(m_choices.between(0, bar->width() - 1), bar->height() / 2);
        QTest::mouseClick(bar, Qt::LeftButton, {}, at);
        return QStringLiteral("click %1 at %2").arg(QLatin1String(name)).arg(at.x());
    }
    }
}

QString UserSimulator::chooseTarget()
{
    static const char *const names[] = {"RadioButton1", "RadioButton2", "RadioButton3",
                                        "Shape1",       "Label2",       "Label3"};
    const char *name = names[m_choices.below(std::size(names))];
    QWidget *widget = child<QWidget>(name);
    QTest::mouseClick(widget, Qt::LeftButton);
    return QStringLiteral("click %1").arg(QLatin1String(name));
}

QString UserSimulator::editNameBox()
{
    auto *box = child<ComboBox>("ComboBox1");
    if (!box->isVisible())
        return QStringLiteral("(name box hidden)");
    QLineEdit *line = box->lineEdit();
    const ColorList &list = m_form->colorList()->list();
    switch (m_choices.below(5)) {
    case 0:
        line->selectAll();
        QTest::keyClick(line, Qt::Key_Backspace);
        return QStringLiteral("empty the name box");
    case 1: {
        const QString keys = m_choices.numberText(5);
        line->selectAll();
        QTest::keyClicks(line, keys.isEmpty() ? QStringLiteral("Name") : keys);
        return QStringLiteral("type name '%1'").arg(keys);
    }
    default: {
        QString text = m_choices.text(10);
        if (list.count() > 0 && m_choices.oneIn(2)) {
            text = list.name(m_choices.below(quint32(list.count()))); // a name in the list
            if (m_choices.oneIn(4))
                text = text.toUpper();
        }
        QGuiApplication::clipboard()->setText(text);
        line->selectAll();
        QTest::keyClick(line, Qt::Key_V, Qt::ControlModifier);
        return QStringLiteral("paste name %1").arg(QString::fromLatin1(text.toUtf8().toHex()));
    }
    }
}

QString UserSimulator::chooseFromNameBox()
{
    auto *box = child<ComboBox>("ComboBox1");
    if (!box->isVisible() || box->count() == 0)
        return QStringLiteral("(nothing to choose)");
    if (m_choices.oneIn(2)) {
        static const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_PageUp};
        const Qt::Key key = keys[m_choices.below(4)];
        QTest::keyClick(box, key);
        return QStringLiteral("name box key %1").arg(int(key));
    }
    // Picked from the drop-down list.
    const int index = int(m_choices.below(quint32(box->count())));
    box->setCurrentIndex(index);
    emit box->activated(index);
    return QStringLiteral("choose item %1").arg(index);
}

QString UserSimulator::doubleClickGrid()
{
    auto *grid = child<StringGrid>("StringGrid1");
    ColorListModel *model = m_form->colorList();
    const QModelIndex index =
            model->index(int(m_choices.below(quint32(model->rowCount()))), int(m_choices.below(2)));
    grid->scrollTo(index);
    const QRect cell = grid->visualRect(index);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    return QStringLiteral("double click row %1").arg(index.row());
}

QString UserSimulator::editGridCell()
{
    // The table can be edited where the user sees it.
    if (!m_form->fullListOpen())
        return doubleClickGrid();
    ColorListModel *model = m_form->colorList();
    const int row = int(m_choices.below(quint32(model->rowCount())));
    const int column = int(m_choices.below(2));
    const QString text =
            column == 1 && !m_choices.oneIn(4) ? m_choices.hexText() : m_choices.text(10);
    m_change = ListChange::Edit;
    m_editRow = row;
    m_editColumn = column;
    m_editText = text;
    model->setData(model->index(row, column), text, Qt::EditRole);
    return QStringLiteral("edit cell (%1, %2) to %3")
            .arg(column)
            .arg(row)
            .arg(QString::fromLatin1(text.toUtf8().toHex()));
}

QString UserSimulator::windowCommand()
{
    switch (m_choices.below(8)) {
    case 0:
    case 1:
        QTest::mouseClick(child<QPushButton>("ViewLstBtn"), Qt::LeftButton);
        return QStringLiteral("View/Close Full List");
    case 2:
        child<QAction>("RollUp1")->trigger();
        return QStringLiteral("Roll Up/Down");
    case 3:
        if (m_choices.oneIn(4)) {
            child<QAction>("StayonTop1")->trigger(); // shows the window anew
            activate();
            return QStringLiteral("Stay on Top");
        }
        child<QAction>("DisableHints1")->trigger();
        return QStringLiteral("Disable/Enable Hints");
    case 4:
    case 5:
        m_copied = true;
        if (m_choices.oneIn(2))
            child<QAction>("Copy1")->trigger();
        else
            QTest::keyClick(m_form.get(), Qt::Key_C, Qt::ControlModifier);
        return QStringLiteral("Copy to Clipboard");
    default:
        // Let the window paint and handle what it has posted to itself.
        QCoreApplication::processEvents();
        return QStringLiteral("process events");
    }
}

// Checks ---------------------------------------------------------------------------------------

UserSimulator::ListSnapshot UserSimulator::snapshot() const
{
    const ColorList &list = m_form->colorList()->list();
    ListSnapshot s;
    s.names = list.names();
    s.hexes = list.hexes();
    s.hexes.append(list.blankHex);
    return s;
}

QString UserSimulator::check()
{
    for (const auto &part :
         {&UserSimulator::checkErrors, &UserSimulator::checkList, &UserSimulator::checkListChange,
          &UserSimulator::checkFiles, &UserSimulator::checkColors}) {
        const QString broken = (this->*part)();
        if (!broken.isEmpty())
            return broken;
    }
    return {};
}

QString UserSimulator::checkErrors()
{
    bool conversionError = false;
    QStringList fileNames;
    for (const QString &p : m_filesChosen + QStringList {m_fileBefore}) {
        if (p.isEmpty())
            continue;
        fileNames.append(QFileInfo(p).fileName());
        fileNames.append(QFileInfo(ListFile::hexPathFor(p)).fileName());
    }
    static const QRegularExpression fileError(
            QStringLiteral("^Cannot (open|read|write) \"([^\"]+)\": (.+)\\.$"),
            QRegularExpression::DotMatchesEverythingOption);
    for (const QString &text : std::as_const(m_errors)) {
        if (isConversionError(text)) {
            conversionError = true;
            continue;
        }
        const QRegularExpressionMatch match = fileError.match(text);
        if (!match.hasMatch() || !m_fileAction)
            return QStringLiteral("an error box that is neither a conversion nor a file error: ")
                    + text;
        const QString named = QFileInfo(match.captured(2)).fileName();
        if (!fileNames.contains(named))
            return QStringLiteral("a file error that names no file of this action: ") + text;
        const QString reason = match.captured(3);
        if (reason.contains(QLatin1String("Unknown error")))
            return QStringLiteral("a file error without a reason: ") + text;
    }
    if (conversionError)
        m_consistent = false;
    else if (m_updated)
        m_consistent = true;
    if (m_updated)
        m_currentColorSet = true;
    return {};
}

QString UserSimulator::checkColors()
{
    TForm1 *form = m_form.get();
    if (!form)
        return {};
    if (child<Shape>("Shape1")->brushColor() != qColor(form->backgroundColor()))
        return QStringLiteral("the sample area does not show the background color");
    if (child<QLabel>("Label2")->palette().color(QPalette::WindowText)
        != qColor(form->sample1Color()))
        return QStringLiteral("sample 1 does not show its color");
    if (child<QLabel>("Label3")->palette().color(QPalette::WindowText)
        != qColor(form->sample2Color()))
        return QStringLiteral("sample 2 does not show its color");
    static const char *const radios[] = {"RadioButton1", "RadioButton2", "RadioButton3"};
    const int active = int(form->activeTarget()) - 1;
    for (int i = 0; i < 3; ++i) {
        if (child<QRadioButton>(radios[i])->isChecked() != (i == active))
            return QStringLiteral("the checked radio button is not the active target");
    }
    if (m_copied && QGuiApplication::clipboard()->text() != child<QLineEdit>("Edit1")->text())
        return QStringLiteral("the clipboard does not hold the hex text");
    if (!m_consistent)
        return {};

    const QString hex = child<QLineEdit>("Edit1")->text();
    Color::Components c;
    try {
        c = Color::parseHex(hex);
    } catch (const Error &e) {
        return QStringLiteral("the hex text '%1' does not parse after an action without an error")
                .arg(hex);
    }
    const int values[] = {c.red, c.green, c.blue};
    static const char *const fields[] = {"Rval", "Gval", "Bval"};
    static const char *const bars[] = {"RScrollBar1", "gScrollBar1", "bScrollBar1"};
    for (int i = 0; i < 3; ++i) {
        const QString text = child<QLineEdit>(fields[i])->text();
        if (text != QString::number(values[i]))
            return QStringLiteral("%1 shows '%2' but the hex text %3 says %4")
                    .arg(QLatin1String(fields[i]), text, hex)
                    .arg(values[i]);
        const int position = child<ScrollBar>(bars[i])->position();
        if (position != values[i])
            return QStringLiteral("%1 stands at %2 but the hex text %3 says %4")
                    .arg(QLatin1String(bars[i]))
                    .arg(position)
                    .arg(hex)
                    .arg(values[i]);
    }
    ++m_colorsChecked;
    if (!m_currentColorSet)
        return {};
    if (form->currentColor() != Color::pack(c.red, c.green, c.blue))
        return QStringLiteral("the current color is not the hex text's");
    if (form->getActiveSampleColor() != form->currentColor())
        return QStringLiteral("the active sample's color is not the current color");
    return {};
}

QString UserSimulator::checkList()
{
    if (!m_form)
        return {};
    ColorListModel *model = m_form->colorList();
    const ColorList &list = model->list();
    auto *box = child<ComboBox>("ComboBox1");
    if (model->rowCount() != box->count() + 1 || box->count() != list.count())
        return QStringLiteral("%1 table rows for %2 name box items")
                .arg(model->rowCount())
                .arg(box->count());
    for (int i = 0; i < box->count(); ++i) {
        if (box->itemText(i) != model->data(model->index(i, 0), Qt::DisplayRole).toString())
            return QStringLiteral("name box item %1 is not table row %1's name").arg(i);
    }
    if (box->currentIndex() < -1 || box->currentIndex() >= box->count())
        return QStringLiteral("the name box selects item %1 of %2")
                .arg(box->currentIndex())
                .arg(box->count());

    if (!sessionOpen())
        return {};
    const bool enabled = m_form->listsEnabled();
    if (box->isVisible() != enabled || child<QLabel>("Label1")->isVisible() != enabled
        || child<QPushButton>("AddToLstBtn")->isEnabled() != enabled
        || child<QPushButton>("DelFrLstBtn")->isEnabled() != enabled
        || child<QPushButton>("ViewLstBtn")->isEnabled() != enabled)
        return QStringLiteral("the list controls do not match the Options menu");
    if (!enabled && child<QAction>("Save1")->isEnabled())
        return QStringLiteral("Save List is enabled with lists disabled");
    const bool fullView = m_form->outerSize().width() >= m_form->scaled(320);
    if (fullView != (child<QPushButton>("ViewLstBtn")->text() == QLatin1String("Close Full List")))
        return QStringLiteral("the full list button says '%1' at width %2")
                .arg(child<QPushButton>("ViewLstBtn")->text())
                .arg(m_form->outerSize().width());
    return {};
}

namespace {

// A name as a one-line editor shows it: each line break (CR LF, CR or LF) and each NUL as one
// space.
QString asShown(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    for (const QChar c : {QChar(u'\r'), QChar(u'\n'), QChar(u'\0')})
        text.replace(c, u' ');
    return text;
}

} // namespace

QString UserSimulator::checkListChange()
{
    if (!m_form || m_change == ListChange::Load || m_recent.isEmpty()
        || m_recent.constLast() == QLatin1String("new window"))
        return {}; // loads are checked with the files
    ListSnapshot expected = m_before;
    switch (m_change) {
    case ListChange::None:
    case ListChange::Load:
        break;
    case ListChange::Add:
        // The name box's text and the hex field's text take the blank row, and a new blank row
        // follows; with no name there is only the warning.
        if (m_listsEnabledBefore && !m_nameBefore.isEmpty()) {
            expected.names.append(asShown(m_nameBefore));
            expected.hexes.last() = m_hexBefore;
            expected.hexes.append(QString());
        }
        break;
    case ListChange::Delete: {
        // The chosen entry goes; a typed name that is not the chosen item means the first entry
        // of exactly that name; a name in no entry deletes nothing.
        if (!m_listsEnabledBefore || m_nameBefore.isEmpty())
            break;
        qsizetype row = m_selectedBefore;
        if (row < 0 || row >= m_before.names.size() || m_before.names.at(row) != m_nameBefore)
            row = m_before.names.indexOf(m_nameBefore);
        if (row >= 0) {
            expected.names.removeAt(row);
            expected.hexes.removeAt(row);
        }
        break;
    }
    case ListChange::Edit: {
        // Only entries are edited in place, not the blank row; a line break typed or pasted
        // into a cell is kept as one space, as the editor shows it.
        const QString text = asShown(m_editText);
        if (m_editRow >= expected.names.size())
            break;
        if (m_editColumn == 1)
            expected.hexes[m_editRow] = text;
        else
            expected.names[m_editRow] = text;
        break;
    }
    }
    const ListSnapshot now = snapshot();
    if (now != expected) {
        const auto show = [](const ListSnapshot &list) {
            QStringList rows;
            for (qsizetype i = 0; i < list.hexes.size(); ++i)
                rows.append(QString::fromLatin1(list.names.value(i).toUtf8().toHex()) + u'='
                            + QString::fromLatin1(list.hexes.at(i).toUtf8().toHex()));
            return rows.join(u' ');
        };
        return QStringLiteral("the list is not what the action should have left:\n  %1\n"
                              "expected\n  %2")
                .arg(show(now), show(expected));
    }
    return {};
}

QString UserSimulator::checkFiles()
{
    if (!m_fileAction)
        return {};
    const Tree now = tree();
    QStringList writable;
    for (const char *name : kWritable)
        writable.append(QString::fromUtf8(name));
    // A loaded list is saved back to its own file when the user says so.
    if (m_fileBefore.startsWith(m_folder + QLatin1Char('/')))
        writable.append(m_fileBefore.mid(m_folder.size() + 1));

    // Every file that changed must belong to a pair the program may write, and the pair must
    // hold the list as it was when the action began.
    QSet<QString> pairs;
    QStringList keys = now.keys() + m_tree.keys();
    keys.removeDuplicates();
    for (const QString &key : std::as_const(keys)) {
        if (now.value(key, "<none>") == m_tree.value(key, "<none>"))
            continue;
        QString pair;
        for (const QString &name : std::as_const(writable)) {
            if (key == name || path(key) == ListFile::hexPathFor(path(name)))
                pair = name;
        }
        if (pair.isEmpty() || !now.contains(key))
            return QStringLiteral("the file %1 changed, or came or went, and it is not a list "
                                  "the program saved")
                    .arg(key);
        pairs.insert(pair);
    }
    for (const QString &name : std::as_const(pairs)) {
        const QString namePath = path(name);
        const QString hexKey = ListFile::hexPathFor(namePath).mid(m_folder.size() + 1);
        if (now.value(name) != ListFile::encode(m_before.names)
            || now.value(hexKey) != ListFile::encode(m_before.hexes))
            return QStringLiteral("the saved pair %1 does not hold the list as it was").arg(name);
        try {
            const ListFile::Contents back = ListFile::load(namePath);
            if (back.names != m_before.names || back.hexes != m_before.hexes)
                return QStringLiteral("the list saved as %1 loads back as another list").arg(name);
        } catch (const Error &e) {
            return QStringLiteral("the list saved as %1 does not load: %2").arg(name, e.message());
        }
        ++m_savesChecked;
    }
    m_tree = now;

    // A load that showed no error after its dialog must show that file's list; a failed one
    // must leave the list as it was.
    if (m_openedPath.isEmpty())
        return {};
    if (m_errors.size() > m_errorsBeforeOpen) {
        if (m_form && snapshot() != m_before)
            return QStringLiteral("a failed load of %1 changed the list").arg(m_openedPath);
        return {};
    }
    if (!m_form)
        return {};
    ListFile::Contents contents;
    try {
        contents = ListFile::load(m_openedPath);
    } catch (const Error &e) {
        return QStringLiteral("%1 loaded without an error box, but does not load: %2")
                .arg(m_openedPath, e.message());
    }
    ListSnapshot expected;
    expected.names = contents.names;
    for (qsizetype i = 0; i <= contents.names.size(); ++i)
        expected.hexes.append(contents.hexes.value(i));
    if (snapshot() != expected)
        return QStringLiteral("the list loaded from %1 is not the file's list").arg(m_openedPath);
    if (m_form->currentListFile() != m_openedPath || !m_form->hasFile() || m_form->listModified()
        || !m_form->listsEnabled())
        return QStringLiteral("after loading %1 the window does not hold it as its current file")
                .arg(m_openedPath);
    if (m_form->windowTitle()
        != QStringLiteral("TRA v 1.0  Current File: ") + Convert::extractFileName(m_openedPath))
        return QStringLiteral("the caption after loading %1 is '%2'")
                .arg(m_openedPath, m_form->windowTitle());
    ++m_loadsChecked;
    return {};
}
