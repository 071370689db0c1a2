// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color/color.h"
#include "color/notation.h"
#include "ui/colorcommands.h"
#include "ui/samples.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QAction;
class QFrame;
class QGroupBox;
class QMenu;
class QMimeData;
class QPushButton;

namespace Tintora {
class ColorAdjuster;
class ColorHistory;
class ColorList;
class RecoverableList;
struct ColorRequest;
struct FileRequest;
class ColorListModel;
class ComboBox;
class Edit;
class Label;
class RadioButton;
class WindowEventFilter;
class ScrollBar;
class ScreenPicker;
class Shape;
class StringGrid;
class ContrastChecker;
class FindBar;
namespace ListRules {
enum class SaveQuestion;
}
} // namespace Tintora

// The main window. Its controls and handlers carry the names of the program's design. The
// handlers live beside the window, one file for each concern:
//   ui/tform1.cpp           the layout, the menu, the wiring and the window's own events
//   ui/tform1_colors.cpp    the colors, the sample targets and Update
//   ui/tform1_lists.cpp     the color list: on and off, add, delete, choose
//   ui/tform1_files.cpp     the list files and the questions before loading and closing
//   ui/tform1_palettes.cpp  other programs' palettes: import and export
//   ui/tform1_commands.cpp  the window commands: full list, roll up, stay on top, hints,
//                           clipboard, help, About, exit; and the contrast checker
//   ui/tform1_notations.cpp colors as text: Copy As, Paste Color, drag and drop
//   ui/tform1_picker.cpp    picking a color from anywhere on the screen
//   ui/tform1_access.cpp    names for screen readers, and the colors told once they settle
//   ui/tform1_find.cpp      the find bar
// The rules they follow that need no window are in lists/listrules.h.
class TForm1 : public QMainWindow
{
    Q_OBJECT
public:
    // pixelsPerInch overrides the screen's (tests); 0 reads it from the screen.
    explicit TForm1(QWidget *parent = nullptr, int pixelsPerInch = 0);
    ~TForm1() override;

    using ColorValue = Tintora::Color::ColorValue;
    using SampleTarget = Tintora::Color::SampleTarget;

    // The colors of the samples and the active target, as the update cycle leaves them; tools
    // follow its changed() signal.
    Tintora::Samples &samples() { return m_samples; }
    const Tintora::Samples &samples() const { return m_samples; }
    // What tool windows may ask of this window.
    Tintora::ColorCommands &commands();
    // The list as the recovery keeper sees it.
    Tintora::RecoverableList &recoverableList();

    // The design's routine that brings every view into line with the hex field.
    void Update();

    // Handlers that tests and benchmarks run directly, as the event loop runs them for a click
    // but without its error box, so that an error reaches the caller. Everything else only the
    // window's own controls call; tests reach it by clicking those.
    void EnableLists1Click();
    void AddToLstBtnClick();
    void DelFrLstBtnClick();
    void ComboBox1Click();
    void ViewLstBtnClick();
    void Save1Click();
    void Open1Click();
    // The files named on the command line, in turn: a color list (.clr, or its .hex) as Load
    // List loads the file chosen, anything else as Import Palette imports it. A file that
    // cannot be read gives the error box that the command gives, and the next one is opened.
    void openFiles(const QStringList &paths);
    // Called directly it flips the check mark itself (the menu item's trigger has flipped it
    // already and flips it back first).
    void StayonTop1Click();
    // The design's close button handler; no control of the window calls it.
    void CloseBtnClick();
    void ContrastChecker1Click();
    void PickScreen1Click();
    void Find1Click();
    void FindTextChange();

    // The captions that show a state. Each is set in one place, together with the flag it
    // stands for; no decision is taken by reading a caption back.
    static constexpr const char *kEnableListsCaption = QT_TRANSLATE_NOOP("TForm1", "Enable &Lists");
    static constexpr const char *kDisableListsCaption =
            QT_TRANSLATE_NOOP("TForm1", "Disable &Lists");
    static constexpr const char *kViewFullListCaption =
            QT_TRANSLATE_NOOP("TForm1", "View Full List");
    static constexpr const char *kCloseFullListCaption =
            QT_TRANSLATE_NOOP("TForm1", "Close Full List");
    static constexpr const char *kViewFullListMenuCaption =
            QT_TRANSLATE_NOOP("TForm1", "View &Full List");
    static constexpr const char *kCloseFullListMenuCaption =
            QT_TRANSLATE_NOOP("TForm1", "Close &Full List");
    static constexpr const char *kRollUpCaption = QT_TRANSLATE_NOOP("TForm1", "&Roll Up");
    static constexpr const char *kRollDownCaption = QT_TRANSLATE_NOOP("TForm1", "&Roll Down");
    static constexpr const char *kDisableHintsCaption =
            QT_TRANSLATE_NOOP("TForm1", "Disable &Hints");
    static constexpr const char *kEnableHintsCaption = QT_TRANSLATE_NOOP("TForm1", "Enable Hints");

    // State, read by tests. The samples' colors and the active target are the shared state's.
    double scaleFactor() const { return m_scale; }
    SampleTarget activeTarget() const { return m_samples.activeTarget(); }
    ColorValue currentColor() const { return m_currentColor; }
    ColorValue backgroundColor() const { return m_samples.background(); }
    ColorValue sample1Color() const { return m_samples.sample1(); }
    ColorValue sample2Color() const { return m_samples.sample2(); }
    ColorValue getActiveSampleColor() const { return m_samples.activeColor(); }
    bool listsEnabled() const { return m_listsEnabled; }
    bool fullListOpen() const { return m_fullListOpen; }
    bool listModified() const { return m_listModified; }
    bool hasFile() const { return m_hasFile; }
    QString currentListFile() const { return m_currentListFile; }
    bool showHints() const { return m_showHints; }
    Tintora::ColorListModel *colorList() const { return m_list; }

    // What the dialogs of the design are asked for.
    Tintora::ColorRequest ColorDialog1() const;
    Tintora::FileRequest OpenDialog1() const;
    Tintora::FileRequest SaveDialog1() const;
    Tintora::FileRequest ImportDialog1() const;
    Tintora::FileRequest ExportDialog1() const;

    // The window's outer size (frame included), as the window commands set and read it.
    QSize outerSize() const;
    // round(value * scale factor), halves to even.
    int scaled(int value) const;

signals:
    // The list's unsaved-changes flag changed (the one that makes closing ask).
    void listModifiedChanged(bool modified);
    // The list was written to a list file (the flag may stay set: "Save List" saves a copy).
    void listSaved();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    class Commands;
    class Recoverable;
    // Puts a recovered list into the window as it was before the program ended: lists enabled,
    // marked changed, belonging to its list file (if it had one) as after loading that file.
    void restoreList(Tintora::ColorList &&list, const QString &listFile);

    // Colors and the update cycle.
    void FormCreate();
    void RvalChange();
    void GvalChange();
    void BvalChange();
    void RScrollBar1Change();
    void gScrollBar1Change();
    void bScrollBar1Change();
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void Shape1MouseDown();
    void Label2Click();
    void Label3Click();
    void SetClrBtnClick();
    QString buildHexStr(ColorValue color);
    int hexToInt(const QString &digits);
    // Sets a target's color as the user would: selects the target, writes the hex field and
    // runs Update (tools such as the contrast checker's Fix).
    void applyColor(SampleTarget target, ColorValue color);

    // The color list and its files.
    void StringGrid1DblClick();
    // Asked before the window closes; clears canClose to keep it open.
    void FormCloseQuery(bool &canClose);

    // Other programs' palettes.
    void Import1Click();
    void Export1Click();

    // Window commands.
    // The full list from the menu, for the keyboard: the table takes the focus when it opens.
    void ViewFullList1Click();
    void RollUp1Click();
    void DisableHints1Click();
    void Copy1Click();
    void Contents1Click();
    void About1Click();
    void Exit1Click();

    // Colors as text. Copy As puts the current color on the clipboard in one notation; Paste
    // Color and a drop on a sample set a target's color from any color text (or a color drag).
    void CopyAs1Popup();
    void CopyAsClick(Tintora::Notation::Form form);
    void PasteColor1Click();
    // Returns whether the color was taken; a text that is not a color gives the error box once
    // the drop is over.
    bool dropColor(SampleTarget target, const QMimeData *data);
    // The color that clipboard or drag data carries; throws Tintora::Error naming the text when
    // it is not a color.
    static ColorValue colorFromMimeData(const QMimeData *data);
    // Picking from the screen into a given target, which is selected first as its radio button
    // selects it. The color arrives later, through applyColor.
    void pickColorFor(SampleTarget target);
    void FindNextClick();

    void setOuterSize(int width, int height);

    // The window's rules for the events of its widgets: no tool tips while hints are off, and
    // the menu's shortcuts before any text field's own.
    bool filterEvent(QEvent *event);

private:
    void buildLayout();
    void buildMenu();
    void buildNotationMenu(QMenu *edit);
    void wireHandlers();
    void wireNotations();
    void selectTarget(SampleTarget target);
    void decimalFieldChange(Tintora::Edit *field);
    void matchListEntry();
    void saveToCurrentFile();
    // What Load List and Import Palette do with the file once it is chosen; filter is the
    // import dialog's (the first, every palette, lets the name or contents tell the format).
    void loadList(const QString &path);
    void importPalette(const QString &path, int filter);
    // The question that offers to save unsaved changes before another list replaces this one.
    // Returns whether the list may be replaced: not after Cancel or a cancelled save dialog.
    bool offerToSaveBeforeLoading();
    // Asks the question and saves on Yes; returns whether what asked may go on.
    bool offerToSave(Tintora::ListRules::SaveQuestion question, const QString &text);
    void applyOuterSize();
    void describeForScreenReaders();
    void announceColors();
    void fitToFrame();
    void setListsEnabled(bool enabled);
    void setFullListOpen(bool open);
    // Returns whether the list was saved; a cancelled dialog saves nothing. Failures throw.
    bool saveWithDialog();
    void listEditedInPlace();
    void setListModified(bool modified);
    // Shows the first entry from row on (round to the top) that matches the find bar's text.
    void findFrom(qsizetype row);

    // Controls.
    QFrame *Panel1 = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    Tintora::Label *Label1 = nullptr;
    Tintora::Label *Label2 = nullptr;
    Tintora::Label *Label3 = nullptr;
    Tintora::Label *Label6 = nullptr;
    Tintora::Label *Label8 = nullptr;
    Tintora::Label *Label9 = nullptr;
    Tintora::Label *Label10 = nullptr;
    Tintora::ScrollBar *RScrollBar1 = nullptr;
    Tintora::ScrollBar *gScrollBar1 = nullptr;
    Tintora::ScrollBar *bScrollBar1 = nullptr;
    Tintora::Shape *Shape1 = nullptr;
    Tintora::ComboBox *ComboBox1 = nullptr;
    QPushButton *SetClrBtn = nullptr;
    QPushButton *AddToLstBtn = nullptr;
    QPushButton *DelFrLstBtn = nullptr;
    QPushButton *ViewLstBtn = nullptr;
    Tintora::RadioButton *RadioButton1 = nullptr;
    Tintora::RadioButton *RadioButton2 = nullptr;
    Tintora::RadioButton *RadioButton3 = nullptr;
    Tintora::Edit *Rval = nullptr;
    Tintora::Edit *Gval = nullptr;
    Tintora::Edit *Bval = nullptr;
    Tintora::Edit *Edit1 = nullptr;
    Tintora::StringGrid *StringGrid1 = nullptr;

    // Menu items.
    QAction *Open1 = nullptr;
    QAction *Save1 = nullptr;
    QAction *Import1 = nullptr;
    QAction *Export1 = nullptr;
    QAction *Exit1 = nullptr;
    QAction *Copy1 = nullptr;
    QAction *RollUp1 = nullptr;
    QAction *StayonTop1 = nullptr;
    QAction *DisableHints1 = nullptr;
    QAction *EnableLists1 = nullptr;
    QAction *Contents1 = nullptr;
    QAction *About1 = nullptr;
    QAction *ContrastChecker1 = nullptr;
    QAction *AdjustColor1 = nullptr;
    QAction *DeleteFromList1 = nullptr;
    QAction *ViewFullList1 = nullptr;
    QMenu *CopyAs1 = nullptr;
    QAction *PasteColor1 = nullptr;
    std::vector<std::pair<QAction *, Tintora::Notation::Form>> m_copyAsItems;
    QAction *PickScreen1 = nullptr;

    QPointer<Tintora::ContrastChecker> m_contrastChecker;
    QPointer<Tintora::ColorAdjuster> m_colorAdjuster;
    // The colors that became current; read from the settings when first needed.
    std::unique_ptr<Tintora::ColorHistory> m_history;
    Tintora::ColorHistory &history();
    // A color that became current by a pick, a paste, the color dialog, a list choice or a
    // tool enters the history.
    void settleColor(ColorValue color);
    void AdjustColor1Click();
    std::unique_ptr<Tintora::WindowEventFilter> m_eventFilter;

    // Made at the first pick: start-up pays for no screen grab, overlay or D-Bus call.
    void startScreenPick(SampleTarget target);
    Tintora::ScreenPicker *m_screenPicker = nullptr;
    SampleTarget m_pickTarget = SampleTarget::Background;
    QAction *Find1 = nullptr;

    QPointer<Tintora::FindBar> m_findBar;
    qsizetype m_findRow = -1; // the entry the find bar showed last

    // Colors. The current color is the color chooser's: it opens on it.
    int m_pixelsPerInch = 0;
    double m_scale = 1.0;
    Tintora::Samples m_samples;
    std::unique_ptr<Commands> m_commands;
    std::unique_ptr<Recoverable> m_recoverable; // made when first asked for
    ColorValue m_currentColor = 0;

    // The color list and its file.
    Tintora::ColorListModel *m_list = nullptr;
    bool m_listsEnabled = false;
    bool m_fullListOpen = false;
    bool m_listModified = false;
    bool m_hasFile = false;
    QString m_currentListFile;

    bool m_showHints = true;
    // The outer size the commands asked for, and the frame it was last fitted to: when the
    // window manager frames the window (or changes the frame) the size is fitted again.
    QSize m_outerSize;
    QSize m_frameOfOuterSize;
    QTimer m_frameTimer;
    QTimer m_announceTimer; // restarted by every Update; the samples tell their colors when it ends
    int m_frameChecks = 0;
};
