// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tform1.h"

#include "app/application.h"
#include "app/combobox.h"
#include "app/desktop.h"
#include "app/dialogs.h"
#include "app/edit.h"
#include "app/handler.h"
#include "app/label.h"
#include "app/radiobutton.h"
#include "app/scrollbar.h"
#include "app/shape.h"
#include "app/windoweventfilter.h"
#include "color/colorhistory.h"
#include "lists/colorlistmodel.h"
#include "ui/coloradjuster.h"
#include "ui/contrastchecker.h"
#include "ui/findbar.h"
#include "ui/lookandfeel.h"
#include "ui/recoverablelist.h"
#include "ui/recoverykeeper.h"
#include "ui/stringgrid.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QWindow>

#include <cmath>

using namespace Tintora;
using namespace Tintora::LookAndFeel;

namespace {

// The table's dark blue (color value 8404992: red 0, green 64, blue 128).
const QColor kGridColor(0, 64, 128);

} // namespace

// What tools may ask of the window, and nothing more: they hold this and the shared Samples.
class TForm1::Commands : public ColorCommands
{
public:
    explicit Commands(TForm1 *form) : m_form(form) { }
    void applyColor(SampleTarget target, ColorValue color) override
    {
        m_form->applyColor(target, color);
    }
    void pickColorFor(SampleTarget target) override { m_form->pickColorFor(target); }
    bool showHints() const override { return m_form->showHints(); }
    QWidget *window() override { return m_form; }
    void colorSettled(ColorValue color) override { m_form->settleColor(color); }

private:
    TForm1 *m_form;
};

class TForm1::Recoverable : public RecoverableList
{
public:
    explicit Recoverable(TForm1 *form) : m_form(form) { }
    QWidget *window() override { return m_form; }
    ColorListModel *colorList() override { return m_form->m_list; }
    bool listModified() const override { return m_form->m_listModified; }
    QString listFile() const override
    {
        return m_form->m_hasFile ? m_form->m_currentListFile : QString();
    }
    void restoreList(ColorList &&list, const QString &listFile) override
    {
        m_form->restoreList(std::move(list), listFile);
    }
    void watch(RecoveryKeeper &keeper) override
    {
        QObject::connect(m_form, &TForm1::listModifiedChanged, &keeper,
                         &RecoveryKeeper::modifiedChanged);
        QObject::connect(m_form, &TForm1::listSaved, &keeper, &RecoveryKeeper::listSaved);
    }

private:
    TForm1 *m_form;
};

RecoverableList &TForm1::recoverableList()
{
    if (!m_recoverable)
        m_recoverable = std::make_unique<Recoverable>(this);
    return *m_recoverable;
}

TForm1::TForm1(QWidget *parent, int pixelsPerInch)
    : QMainWindow(parent),
      m_commands(std::make_unique<Commands>(this)),
      m_list(new ColorListModel(this))
{
    setObjectName(QStringLiteral("Form1"));
    m_pixelsPerInch = pixelsPerInch > 0 ? pixelsPerInch : logicalDpiY();
    setWindowTitle(tr("Tintora - Release 1.0"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(systemFont(13));
    setToolTipDuration(-1);
    buildLayout();
    buildMenu();
    setListsEnabled(false);
    wireHandlers();
    m_eventFilter = std::make_unique<WindowEventFilter>(
            this, [this](QWidget *, QEvent *event) { return filterEvent(event); });

    m_frameTimer.setInterval(50);
    connect(&m_frameTimer, &QTimer::timeout, this, [this] { fitToFrame(); });

    move(20, 14);
    SetClrBtn->setFocus();
    Application::runHandler(this, [this] { FormCreate(); });
    describeForScreenReaders();
    setOuterSize(scaled(295), scaled(383));
}

TForm1::~TForm1()
{
    // The tools go first, while the window they follow is still whole.
    delete m_contrastChecker;
    delete m_colorAdjuster;
}

ColorCommands &TForm1::commands()
{
    return *m_commands;
}

void TForm1::buildLayout()
{
    // The design places controls in pixels at 96 pixels per inch; scale them like the fonts.
    const double dpiScale = m_pixelsPerInch / 96.0;
    const auto place = [dpiScale](QWidget *widget, int x, int y, int w, int h) {
        widget->setGeometry(int(std::lround(x * dpiScale)), int(std::lround(y * dpiScale)),
                            int(std::lround(w * dpiScale)), int(std::lround(h * dpiScale)));
    };

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("ClientArea"));
    central->setAutoFillBackground(true);
    QPalette workspace = central->palette();
    workspace.setColor(QPalette::Window, LookAndFeel::workspaceColor);
    workspace.setColor(QPalette::WindowText, Qt::black);
    central->setPalette(workspace);
    setCentralWidget(central);

    Panel1 = named(new QFrame(central), "Panel1");
    Panel1->setAutoFillBackground(true);
    place(Panel1, 0, 0, 289, 337);

    GroupBox1 = named(new QGroupBox(tr("Set the Color of:"), Panel1), "GroupBox1");
    place(GroupBox1, 8, 7, 129, 81);
    Label8 = named(new Label(tr("R:"), Panel1), "Label8");
    place(Label8, 11, 96, 11, 13);
    Label9 = named(new Label(tr("G:"), Panel1), "Label9");
    place(Label9, 11, 120, 11, 13);
    Label10 = named(new Label(tr("B:"), Panel1), "Label10");
    place(Label10, 11, 144, 11, 13);

    const auto makeBar = [&](const char *name, int top) {
        auto *bar = named(new ScrollBar(0, 255, 255, Panel1), name);
        bar->setPageStep(10);
        bar->setFocusPolicy(Qt::NoFocus);
        place(bar, 88, top, 193, 17);
        return bar;
    };
    RScrollBar1 = makeBar("RScrollBar1", 98);
    gScrollBar1 = makeBar("gScrollBar1", 121);
    bScrollBar1 = makeBar("bScrollBar1", 144);

    Label6 = named(new Label(tr("Hex Value:"), Panel1), "Label6");
    place(Label6, 12, 171, 69, 13);

    Shape1 = named(new Shape(Panel1), "Shape1");
    place(Shape1, 5, 191, 278, 82);

    const auto makeSample = [&](const char *name, const QString &text, int pixelSize) {
        auto *label = named(new Label(text, Panel1), name);
        label->setFont(sampleFont(pixelSize));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(palette);
        return label;
    };
    Label2 = makeSample("Label2", tr("Sample 1: Our ingnorance of  history..."), 15);
    place(Label2, 22, 197, 263, 19);
    Label3 = makeSample("Label3", tr("Sample 2: ...makes us vilify our own age.    -Marlowen"), 19);
    place(Label3, 23, 222, 225, 45);

    Label1 = named(new Label(tr("Custom Color Name:"), Panel1), "Label1");
    place(Label1, 17, 273, 147, 13);
    Label1->hide();

    ComboBox1 = named(new ComboBox(Panel1), "ComboBox1");
    place(ComboBox1, 8, 291, 273, 24);
    ComboBox1->setToolTip(tr("Enter or select custom color by name here."));
    ComboBox1->setModel(m_list->namesModel());
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->hide();

    // Controls on the window itself, above the panel.
    const auto makeButton = [&](const char *name, const QString &text, int top) {
        auto *button = named(new QPushButton(text, central), name);
        place(button, 149, top, 126, 22);
        return button;
    };
    SetClrBtn = makeButton("SetClrBtn", tr("Set The Color"), 6);
    SetClrBtn->setToolTip(tr("Click her to use the color dialog to set sample color."));
    AddToLstBtn = makeButton("AddToLstBtn", tr("Add To List"), 28);
    AddToLstBtn->setToolTip(tr("Add the color displayed in the sample to custom color list."));
    DelFrLstBtn = makeButton("DelFrLstBtn", tr("Delete From List"), 50);
    DelFrLstBtn->setToolTip(tr("Delete the currently displayed name from the custom color list."));
    DelFrLstBtn->setFocusPolicy(Qt::ClickFocus);
    ViewLstBtn = makeButton("ViewLstBtn", tr(kViewFullListCaption), 72);
    ViewLstBtn->setFocusPolicy(Qt::ClickFocus);

    RadioButton1 = named(new RadioButton(tr("Background"), true, central), "RadioButton1");
    place(RadioButton1, 16, 24, 97, 17);
    RadioButton2 = named(new RadioButton(tr("Text Sample 1"), false, central), "RadioButton2");
    place(RadioButton2, 16, 42, 113, 17);
    RadioButton3 = named(new RadioButton(tr("Text Sample 2"), false, central), "RadioButton3");
    place(RadioButton3, 16, 60, 113, 17);

    const auto makeField = [&](const char *name, const QString &text, int left, int top,
                               int width) {
        auto *field = named(new Edit(text, central), name);
        place(field, left, top, width, 22);
        return field;
    };
    Rval = makeField("Rval", QStringLiteral("255"), 32, 93, 49);
    Gval = makeField("Gval", QStringLiteral("255"), 32, 117, 49);
    Bval = makeField("Bval", QStringLiteral("255"), 32, 141, 49);
    Edit1 = makeField("Edit1", QStringLiteral("#FFFFFF"), 102, 166, 89);
    Edit1->setReadOnly(true);
    Edit1->setFocusPolicy(Qt::ClickFocus);
    Edit1->setToolTip(tr("This is the string that gets copied to the clipboard.when "
                         "you click Edit/Copy to Clipboard"));

    StringGrid1 = named(new StringGrid(central), "StringGrid1");
    place(StringGrid1, 296, 0, 249, 329);
    StringGrid1->setModel(m_list);
    StringGrid1->setFocusPolicy(Qt::ClickFocus);
    StringGrid1->horizontalHeader()->setDefaultSectionSize(int(std::lround(145 * dpiScale)));
    StringGrid1->verticalHeader()->setDefaultSectionSize(int(std::lround(22 * dpiScale)));
    StringGrid1->setFont(systemFont(13, true));
    QPalette gridPalette = StringGrid1->palette();
    gridPalette.setColor(QPalette::Base, kGridColor);
    gridPalette.setColor(QPalette::Text, Qt::white);
    StringGrid1->setPalette(gridPalette);

    // Plain labels size themselves to their text, so no font cuts them off.
    for (Label *label : {Label1, Label6, Label8, Label9, Label10})
        label->adjustSize();

    // Buttons and radio buttons are drawn above the panel, as in the design.
    for (QWidget *w : {static_cast<QWidget *>(RadioButton1), static_cast<QWidget *>(RadioButton2),
                       static_cast<QWidget *>(RadioButton3)})
        w->raise();

    setTabOrder(SetClrBtn, Rval);
    setTabOrder(Rval, Gval);
    setTabOrder(Gval, Bval);
    setTabOrder(Bval, ComboBox1);
    setTabOrder(ComboBox1, AddToLstBtn);
    setTabOrder(AddToLstBtn, RadioButton1);
    setTabOrder(RadioButton1, RadioButton2);
    setTabOrder(RadioButton2, RadioButton3);
}

void TForm1::buildMenu()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    const auto makeItem = [this](QMenu *menu, const char *name, const QString &caption,
                                 const QKeySequence &shortcut = {}) {
        auto *action = named(new QAction(caption, this), name);
        action->setShortcut(shortcut);
        menu->addAction(action);
        return action;
    };

    QMenu *file = bar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("File1"));
    Open1 = makeItem(file, "Open1", tr("&Load List"));
    Save1 = makeItem(file, "Save1", tr("&Save List"));
    Save1->setEnabled(false);
    Import1 = makeItem(file, "Import1", tr("&Import Palette..."));
    Export1 = makeItem(file, "Export1", tr("&Export Palette..."));
    file->addSeparator();
    Exit1 = makeItem(file, "Exit1", tr("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_X));

    QMenu *edit = bar->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("Edit2"));
    Copy1 = makeItem(edit, "Copy1", tr("&Copy to Clipboard"), QKeySequence(Qt::CTRL | Qt::Key_C));
    buildNotationMenu(edit);
    PickScreen1 = makeItem(edit, "PickScreen1", tr("Pick From &Screen"),
                           QKeySequence(Qt::CTRL | Qt::Key_P));
    Find1 = makeItem(edit, "Find1", tr("&Find in List"), QKeySequence(Qt::CTRL | Qt::Key_F));
    // The list buttons that the tab order passes by, for the keyboard.
    edit->addSeparator();
    DeleteFromList1 = makeItem(edit, "DeleteFromList1", tr("&Delete From List"));

    QMenu *options = bar->addMenu(tr("&Options"));
    options->setObjectName(QStringLiteral("Options1"));
    RollUp1 = makeItem(options, "RollUp1", tr(kRollUpCaption));
    StayonTop1 = makeItem(options, "StayonTop1", tr("Stay on &Top"));
    StayonTop1->setCheckable(true);
    if (!Desktop::canKeepAbove()) {
        // Said where the user looks for it: as the item's hint in the menu.
        StayonTop1->setEnabled(false);
        StayonTop1->setToolTip(Desktop::keepAboveUnavailableHint());
        StayonTop1->setStatusTip(Desktop::keepAboveUnavailableHint());
        options->setToolTipsVisible(true);
    }
    DisableHints1 = makeItem(options, "DisableHints1", tr(kDisableHintsCaption));
    EnableLists1 = makeItem(options, "EnableLists1", tr(kEnableListsCaption));
    ViewFullList1 = makeItem(options, "ViewFullList1", tr(kViewFullListMenuCaption));
    ContrastChecker1 = makeItem(options, "ContrastChecker1", tr("Contrast &Checker"),
                                QKeySequence(Qt::CTRL | Qt::Key_K));
    AdjustColor1 = makeItem(options, "AdjustColor1", tr("&Adjust Color"),
                            QKeySequence(Qt::CTRL | Qt::Key_J));

    QMenu *help = bar->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("Help1"));
    Contents1 = makeItem(help, "Contents1", tr("&Contents"), QKeySequence(Qt::Key_F1));
    About1 = makeItem(help, "About1", tr("&About"));
}

void TForm1::wireHandlers()
{
    Rval->onChange = [this] { RvalChange(); };
    Gval->onChange = [this] { GvalChange(); };
    Bval->onChange = [this] { BvalChange(); };
    RScrollBar1->onChange = [this] { RScrollBar1Change(); };
    gScrollBar1->onChange = [this] { gScrollBar1Change(); };
    bScrollBar1->onChange = [this] { bScrollBar1Change(); };
    RadioButton1->onClick = [this] { RadioButton1Click(); };
    RadioButton2->onClick = [this] { RadioButton2Click(); };
    RadioButton3->onClick = [this] { RadioButton3Click(); };
    Shape1->onMouseDown = [this] { Shape1MouseDown(); };
    Label2->onClick = [this] { Label2Click(); };
    Label3->onClick = [this] { Label3Click(); };
    ComboBox1->onClick = [this] { ComboBox1Click(); };
    connect(m_list, &ColorListModel::editedInPlace, this, [this] { listEditedInPlace(); });
    StringGrid1->onDblClick = [this] { StringGrid1DblClick(); };

    onClick(SetClrBtn, [this] { SetClrBtnClick(); });
    onClick(AddToLstBtn, [this] { AddToLstBtnClick(); });
    onClick(DelFrLstBtn, [this] { DelFrLstBtnClick(); });
    onClick(ViewLstBtn, [this] { ViewLstBtnClick(); });

    onTrigger(Open1, [this] { Open1Click(); });
    onTrigger(Save1, [this] { Save1Click(); });
    onTrigger(Import1, [this] { Import1Click(); });
    onTrigger(Export1, [this] { Export1Click(); });
    onTrigger(Exit1, [this] { Exit1Click(); });
    onTrigger(Copy1, [this] { Copy1Click(); });
    onTrigger(RollUp1, [this] { RollUp1Click(); });
    onTrigger(StayonTop1, [this] {
        // Qt has already flipped the check mark; the handler flips it itself.
        StayonTop1->setChecked(!StayonTop1->isChecked());
        StayonTop1Click();
    });
    onTrigger(DisableHints1, [this] { DisableHints1Click(); });
    onTrigger(EnableLists1, [this] { EnableLists1Click(); });
    onTrigger(Contents1, [this] { Contents1Click(); });
    onTrigger(DeleteFromList1, [this] { DelFrLstBtnClick(); });
    onTrigger(ViewFullList1, [this] { ViewFullList1Click(); });
    onTrigger(About1, [this] { About1Click(); });
    onTrigger(ContrastChecker1, [this] { ContrastChecker1Click(); });
    onTrigger(AdjustColor1, [this] { AdjustColor1Click(); });
    onTrigger(PickScreen1, [this] { PickScreen1Click(); });
    wireNotations();
    onTrigger(Find1, [this] { Find1Click(); });
}

ColorRequest TForm1::ColorDialog1() const
{
    // The chooser opens on the current color.
    return ColorRequest {QStringLiteral("ColorDialog1"), m_currentColor};
}

FileRequest TForm1::OpenDialog1() const
{
    FileRequest request;
    request.name = QStringLiteral("OpenDialog1");
    request.mode = FileRequest::Mode::Open;
    request.filters = QStringList {tr("TRA Color lists (*.clr)")};
    request.defaultSuffix = QStringLiteral("clr");
    if (m_hasFile)
        request.folder = QFileInfo(m_currentListFile).absolutePath();
    return request;
}

FileRequest TForm1::SaveDialog1() const
{
    FileRequest request = OpenDialog1();
    request.name = QStringLiteral("SaveDialog1");
    request.mode = FileRequest::Mode::Save;
    request.filters = QStringList {tr("TRA Color Lists (*.clr)")};
    return request;
}

int TForm1::scaled(int value) const
{
    return int(std::lrint(value * m_scale)); // the default rounding mode sends halves to even
}

QSize TForm1::outerSize() const
{
    return frameGeometry().size();
}

void TForm1::setOuterSize(int width, int height)
{
    m_outerSize = QSize(width, height);
    applyOuterSize();
}

void TForm1::applyOuterSize()
{
    // The frame is known only once the window manager has framed the shown window; until then
    // it counts as nothing, and the size is set again when the frame arrives (moveEvent).
    const QSize frame = isVisible() ? frameGeometry().size() - size() : QSize();
    m_frameOfOuterSize = frame;
    // A fixed size keeps the border fixed: the user cannot resize the window.
    // However short the window, its menu bar stays whole: the rolled-up strip must still offer
    // "Roll Down" under window managers with tall title bars.
    const int minimumHeight = menuBar()->sizeHint().height();
    const QSize client(qMax(1, m_outerSize.width() - frame.width()),
                       qMax(minimumHeight, m_outerSize.height() - frame.height()));
    if (client != minimumSize() || client != maximumSize() || client != size())
        setFixedSize(client);
}

void TForm1::setListsEnabled(bool enabled)
{
    m_listsEnabled = enabled;
    EnableLists1->setText(tr(enabled ? kDisableListsCaption : kEnableListsCaption));
    Label1->setVisible(enabled);
    ComboBox1->setVisible(enabled);
    AddToLstBtn->setEnabled(enabled);
    DelFrLstBtn->setEnabled(enabled);
    ViewLstBtn->setEnabled(enabled);
    DeleteFromList1->setEnabled(enabled);
    ViewFullList1->setEnabled(enabled);
    Find1->setEnabled(enabled);
    if (!enabled && m_findBar)
        m_findBar->close();
    if (m_colorAdjuster)
        m_colorAdjuster->setAddToListEnabled(enabled);
}

void TForm1::setFullListOpen(bool open)
{
    m_fullListOpen = open;
    ViewLstBtn->setText(tr(open ? kCloseFullListCaption : kViewFullListCaption));
    ViewFullList1->setText(tr(open ? kCloseFullListMenuCaption : kViewFullListMenuCaption));
}

void TForm1::showEvent(QShowEvent *event)
{
    // The program's icon is every window's, set just before this one first shows; a window
    // shown without it (the tests') takes it itself.
    if (windowIcon().isNull())
        setWindowIcon(Desktop::icon());
    QMainWindow::showEvent(event);
    applyOuterSize();
    // The window manager puts its frame around the window a moment after it shows, and tells
    // the window only by a property; look for the frame for a short while.
    m_frameChecks = 0;
    m_frameTimer.start();
}

void TForm1::fitToFrame()
{
    // Looked for until a frame has been fitted, for ten seconds at most (a busy machine is slow
    // to frame a window; without a window manager no frame ever comes).
    if (!isVisible() || ++m_frameChecks >= 200) {
        m_frameTimer.stop();
        return;
    }
    if (frameGeometry().size() - size() != m_frameOfOuterSize)
        applyOuterSize();
    else if (!m_frameOfOuterSize.isEmpty())
        m_frameTimer.stop();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    bool canClose = false; // an error while asking keeps the window, and the list, open
    Application::runHandler(this, [this, &canClose] {
        bool answer = true;
        FormCloseQuery(answer);
        canClose = answer;
    });
    if (canClose)
        event->accept();
    else
        event->ignore();
}

bool TForm1::filterEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && !m_showHints)
        return true;

    if (event->type() == QEvent::ShortcutOverride) {
        // The menu's shortcuts work from anywhere in the window: a text field must not take
        // Ctrl+C, Ctrl+X, Ctrl+P or Ctrl+Shift+V for itself. Leaving the override unaccepted lets
        // the menu have it.
        const auto *key = static_cast<QKeyEvent *>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QAction *action : {Copy1, Exit1, PickScreen1, PasteColor1}) {
            if (action->isEnabled() && action->shortcut() == pressed)
                return true;
        }
    }
    return false;
}
