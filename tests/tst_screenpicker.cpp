// SPDX-License-Identifier: GPL-3.0-or-later
// Picking a color from the screen under a real X server: the screens freeze, the loupe follows
// the pointer, and the color of the exact device pixel under the crosshair reaches the main
// window. Run at several device pixel ratios (QT_SCALE_FACTOR, see tests/CMakeLists.txt).
#include "formfixture.h"

#include "app/radiobutton.h"
#include "color/color.h"
#include "ui/pickeroverlay.h"
#include "ui/screenpicker.h"
#include "ui/sharedmemorygrab.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QWindow>

using namespace Tintora;

namespace {

// A window whose every device pixel has a color of its own that tells where the pixel is.
class PatternWindow : public QWidget
{
public:
    PatternWindow()
    {
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        // Beside the main window, and on the screen also at a ratio of 2 (640 x 512 logical).
        setGeometry(340, 60, 280, 200);
    }
    static Color::ColorValue colorAt(QPoint pixel)
    {
        return Color::pack(pixel.x() & 255, pixel.y() & 255,
                           0x40 | (pixel.x() >> 8) << 3 | (pixel.y() >> 8));
    }
    static QPoint pixelOf(Color::ColorValue color)
    {
        const int high = Color::blue(color);
        return QPoint(Color::red(color) + ((high >> 3) & 7) * 256,
                      Color::green(color) + (high & 7) * 256);
    }
    // Paints black from now on; the pattern that was on the screen is in the frozen picture only.
    void blackOut()
    {
        m_black = true;
        repaint();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        const qreal ratio = devicePixelRatioF();
        QImage image(QSize(qCeil(width() * ratio), qCeil(height() * ratio)), QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const Color::ColorValue c = m_black ? 0 : colorAt(QPoint(x, y));
                image.setPixel(x, y, qRgb(Color::red(c), Color::green(c), Color::blue(c)));
            }
        image.setDevicePixelRatio(ratio);
        QPainter(this).drawImage(QPointF(0, 0), image);
    }

private:
    bool m_black = false;
};

QString hexOf(Color::ColorValue color)
{
    return Color::buildHex(color);
}

Color::ColorValue valueOf(const QString &hex)
{
    const Color::Components c = Color::parseHex(hex);
    return Color::pack(c.red, c.green, c.blue);
}

// Where two pictures of the screen differ in their colors (the top byte is the server's and
// unread), leaving out the pixels of skip: empty where they agree.
QString firstDifference(const QImage &got, const QImage &want, const QRegion &skip = {})
{
    if (got.size() != want.size())
        return QStringLiteral("the sizes differ");
    int differing = 0;
    QString first;
    for (int y = 0; y < got.height(); ++y) {
        const auto *a = reinterpret_cast<const quint32 *>(got.constScanLine(y));
        const auto *b = reinterpret_cast<const quint32 *>(want.constScanLine(y));
        for (int x = 0; x < got.width(); ++x) {
            if (!((a[x] ^ b[x]) & 0xFFFFFFu) || skip.contains(QPoint(x, y)))
                continue;
            if (!differing++)
                first = QStringLiteral("pixel %1,%2 is %3, not %4")
                                .arg(x)
                                .arg(y)
                                .arg(a[x] & 0xFFFFFFu, 6, 16, QLatin1Char('0'))
                                .arg(b[x] & 0xFFFFFFu, 6, 16, QLatin1Char('0'));
        }
    }
    return differing ? QStringLiteral("%1 pixels differ; %2").arg(differing).arg(first) : QString();
}

QImage screenNow(QScreen *screen)
{
    return screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class tst_ScreenPicker : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void menuCommandIsInTheEditMenu();
    void picksThePixelUnderThePointer();
    void nudgesByDevicePixels();
    void clickPicksWhereTheLoupeIs();
    void readsTheFrozenPicture();
    void screenShowsTheFrozenPicture();
    void serverPaintsThePictureEitherWay_data();
    void serverPaintsThePictureEitherWay();
    void sharedMemoryPictureIsQtsPicture();
    void keptPictureOutlivesTheNextGrab();
    void cancelChangesNothing_data();
    void cancelChangesNothing();
    void zoomsBetweenFourAndThirtyTwo();
    void loupeMovesAwayFromTheEdges();
    void picksIntoTheTargetItWasMadeFor();

private:
    // Starts a pick with Ctrl+P typed into a decimal field, the pointer at a point of the pattern.
    PickerOverlay *startPick(QPoint patternPoint);
    QPoint pointerAt(QPoint patternPoint) const;
    ScreenPicker *picker() const { return f.form->findChild<ScreenPicker *>(); }
    QString hex() const { return f.child<QLineEdit>("Edit1")->text(); }
    // The device pixel of the pattern that the crosshair's pixel of the picture shows.
    QPoint patternPixelUnderCrosshair(PickerOverlay *overlay) const
    {
        return PatternWindow::pixelOf(valueOf(overlay->hexText()));
    }

    FormFixture f;
    std::unique_ptr<PatternWindow> m_pattern;
    bool m_shared = true; // whether the X server has shared memory (MIT-SHM)
};

void tst_ScreenPicker::initTestCase()
{
    // An X11 session: the screen is read directly, not through the desktop portal.
    qunsetenv("WAYLAND_DISPLAY");
    qputenv("XDG_SESSION_TYPE", "x11");
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    // The run on a server without it says so (tests/CMakeLists.txt).
    m_shared = !qEnvironmentVariableIsSet("TINTORA_TEST_NO_SHM");
}

void tst_ScreenPicker::init()
{
    f.create(96, true);
    m_pattern = std::make_unique<PatternWindow>();
    m_pattern->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pattern.get()));
    QTest::qWait(100); // the pattern reaches the screen
    activateAsTheUser(f.form.get());
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
}

void tst_ScreenPicker::cleanup()
{
    m_pattern.reset();
    f.destroy();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QPoint tst_ScreenPicker::pointerAt(QPoint patternPoint) const
{
    return m_pattern->mapToGlobal(patternPoint);
}

PickerOverlay *tst_ScreenPicker::startPick(QPoint patternPoint)
{
    // Ctrl+P comes from the main window, so it is the active one; after a pick it is again.
    if (!QTest::qWaitFor([this] { return f.form->isActiveWindow(); }, 3000))
        return nullptr;
    QCursor::setPos(pointerAt(patternPoint));
    auto *field = f.child<QLineEdit>("Gval");
    field->setFocus();
    QTest::keyClick(field, Qt::Key_P, Qt::ControlModifier);
    ScreenPicker *screenPicker = picker();
    if (!screenPicker || screenPicker->overlays().isEmpty())
        return nullptr;
    PickerOverlay *overlay = screenPicker->overlays().constFirst();
    if (!QTest::qWaitForWindowExposed(overlay))
        return nullptr;
    // The overlay takes the keyboard and the focus, so that the main window's shortcuts rest.
    if (!QTest::qWaitFor([overlay] { return overlay->isActiveWindow(); }, 3000))
        return nullptr;
    // Let the pointer's own position reach the overlay.
    QCursor::setPos(pointerAt(patternPoint) + QPoint(1, 0));
    QCursor::setPos(pointerAt(patternPoint));
    QTest::qWait(50);
    return overlay;
}

void tst_ScreenPicker::menuCommandIsInTheEditMenu()
{
    QAction *pick = f.action("PickScreen1");
    QCOMPARE(pick->text(), QStringLiteral("Pick From &Screen"));
    QCOMPARE(pick->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    auto *edit = f.form->findChild<QMenu *>(QStringLiteral("Edit2"));
    QVERIFY(edit);
    const QList<QAction *> items = edit->actions();
    const qsizetype copy = items.indexOf(f.action("Copy1"));
    QVERIFY(copy >= 0);
    QVERIFY(items.indexOf(pick) > copy); // with the Edit menu's copying and pasting
    // Nothing of the pick exists before it is asked for.
    QVERIFY(!picker());
}

void tst_ScreenPicker::picksThePixelUnderThePointer()
{
    const QRect formBefore = f.form->geometry();
    PickerOverlay *overlay = startPick(QPoint(100, 50));
    QVERIFY(overlay);
    QCOMPARE(picker()->overlays().size(), QGuiApplication::screens().size());
    QVERIFY(overlay->isVisible() && overlay->geometry() == overlay->screen()->geometry());
    // The picture has the screen's device pixels: its logical size times the ratio, less what
    // the logical size gained by rounding.
    QVERIFY(qAbs(overlay->picture().devicePixelRatio() - overlay->devicePixelRatioF()) < 1e-4);
    const QSizeF logical = QSizeF(overlay->picture().size()) / overlay->ratio();
    QVERIFY(qAbs(logical.width() - overlay->width()) < 1);
    QVERIFY(qAbs(logical.height() - overlay->height()) < 1);
    // The main window stays as it was while the screen is frozen.
    QVERIFY(f.form->isVisible());
    QCOMPARE(f.form->geometry(), formBefore);
    QCOMPARE(hex(), QStringLiteral("#FFFFFF"));

    // The loupe shows the pattern's pixel under the pointer: the pattern's point times the ratio,
    // give or take the pointer's rounding to a whole device pixel.
    QTRY_VERIFY(overlay->crosshair().has_value());
    const QPoint under = patternPixelUnderCrosshair(overlay);
    const QPointF expected = QPointF(100, 50) * overlay->ratio();
    QVERIFY2(qAbs(under.x() - expected.x()) <= 1 && qAbs(under.y() - expected.y()) <= 1,
             qPrintable(QStringLiteral("%1,%2").arg(under.x()).arg(under.y())));
    QVERIFY(!overlay->loupeBox().isEmpty());

    const QPointer<PickerOverlay> gone = overlay;
    QTest::keyClick(overlay, Qt::Key_Return);
    QVERIFY(picker()->overlays().isEmpty());
    QVERIFY(!gone->isVisible());
    QCOMPARE(hex(), hexOf(PatternWindow::colorAt(under)));
    QCOMPARE(f.form->backgroundColor(), PatternWindow::colorAt(under));
    QCOMPARE(f.child<QLineEdit>("Rval")->text(), QString::number(under.x() & 255));
    QTRY_VERIFY(f.form->isActiveWindow());
    QTRY_VERIFY(!gone); // and its picture with it
    VERIFY_NO_SURPRISES(f.dialogs);
}

void tst_ScreenPicker::nudgesByDevicePixels()
{
    PickerOverlay *overlay = startPick(QPoint(150, 100));
    QVERIFY(overlay);
    QTRY_VERIFY(overlay->crosshair().has_value());
    const QPoint start = *overlay->crosshair();
    const QPoint pattern = patternPixelUnderCrosshair(overlay);

    // The pointer follows each nudge; the server may answer with its moves only after later
    // nudges (a held key, a busy machine), and none of them may undo a nudge, at any ratio.
    QList<QPoint> sentTo;
    const auto nudge = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(overlay, key, modifiers);
        sentTo << QCursor::pos();
    };
    nudge(Qt::Key_Right);
    QCOMPARE(*overlay->crosshair(), start + QPoint(1, 0));
    nudge(Qt::Key_Down, Qt::ShiftModifier);
    nudge(Qt::Key_Left, Qt::ShiftModifier);
    nudge(Qt::Key_Up);
    QCOMPARE(*overlay->crosshair(), start + QPoint(-9, 9));
    for (const QPoint &global : std::as_const(sentTo)) {
        QMouseEvent late(QEvent::MouseMove, overlay->mapFromGlobal(QPointF(global)),
                         QPointF(global), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(overlay, &late);
        QCOMPARE(*overlay->crosshair(), start + QPoint(-9, 9));
    }
    QTest::qWait(150);
    QCOMPARE(*overlay->crosshair(), start + QPoint(-9, 9));
    QCOMPARE(patternPixelUnderCrosshair(overlay), pattern + QPoint(-9, 9));

    QTest::keyClick(overlay, Qt::Key_Space);
    QCOMPARE(hex(), hexOf(PatternWindow::colorAt(pattern + QPoint(-9, 9))));

    // A nudge stops at the screen's edge.
    overlay = startPick(QPoint(10, 10));
    QVERIFY(overlay);
    QCursor::setPos(overlay->screen()->geometry().topLeft());
    QTRY_COMPARE(*overlay->crosshair(), QPoint(0, 0));
    QTest::keyClick(overlay, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(overlay, Qt::Key_Up);
    QCOMPARE(*overlay->crosshair(), QPoint(0, 0));
    QTest::keyClick(overlay, Qt::Key_Escape);
    VERIFY_NO_SURPRISES(f.dialogs);
}

void tst_ScreenPicker::clickPicksWhereTheLoupeIs()
{
    PickerOverlay *overlay = startPick(QPoint(20, 20));
    QVERIFY(overlay);
    const QPoint target = overlay->mapFromGlobal(pointerAt(QPoint(250, 150)));
    QTest::mouseMove(overlay, target);
    QTRY_VERIFY(qAbs(patternPixelUnderCrosshair(overlay).x() - 250 * overlay->ratio()) <= 1);
    const QString shown = overlay->hexText();
    QTest::mouseClick(overlay, Qt::LeftButton, Qt::NoModifier, target);
    QVERIFY(picker()->overlays().isEmpty());
    QCOMPARE(hex(), shown);
    QVERIFY(qAbs(PatternWindow::pixelOf(valueOf(shown)).y() - 150 * overlay->ratio()) <= 1);
    VERIFY_NO_SURPRISES(f.dialogs);
}

void tst_ScreenPicker::readsTheFrozenPicture()
{
    PickerOverlay *overlay = startPick(QPoint(60, 40));
    QVERIFY(overlay);
    QTRY_VERIFY(overlay->crosshair().has_value());
    const QString frozen = overlay->hexText();
    m_pattern->blackOut();
    QTest::qWait(50);
    QTest::keyClick(overlay, Qt::Key_Enter);
    QCOMPARE(hex(), frozen);
    QVERIFY(hex() != QStringLiteral("#000000"));
}

void tst_ScreenPicker::screenShowsTheFrozenPicture()
{
    // What is on the screen during a pick is the frozen picture to the last pixel, also around
    // the lens in the loupe's window, at every ratio; and the lens shows the crosshair's pixel.
    PickerOverlay *overlay = startPick(QPoint(120, 80));
    QVERIFY(overlay);
    QTRY_VERIFY(overlay->crosshair().has_value());
    // Painted as it is exposed: what it shows is on its way to the server once it is.
    QVERIFY(QTest::qWaitForWindowExposed(overlay->loupeWindow()));
    QCOMPARE(overlay->paintedByServer(), m_shared);
    m_pattern->blackOut();
    QTest::qWait(100);
    const QImage shown = screenNow(overlay->screen());
    const QString difference = firstDifference(shown, overlay->picture(), overlay->loupeShape());
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    const QPoint cell = overlay->crosshairCell().center();
    const QRgb centre = shown.pixel(cell);
    QCOMPARE(hexOf(Color::pack(qRed(centre), qGreen(centre), qBlue(centre))), overlay->hexText());
    QTest::keyClick(overlay, Qt::Key_Escape);
}

void tst_ScreenPicker::serverPaintsThePictureEitherWay_data()
{
    QTest::addColumn<bool>("sharedPixmap");
    QTest::newRow("the segment's own pixels") << true;
    QTest::newRow("a copy the server makes") << false;
}

void tst_ScreenPicker::serverPaintsThePictureEitherWay()
{
    QFETCH(bool, sharedPixmap);
    if (!m_shared)
        QSKIP("this X server has no shared memory");
    QScreen *screen = m_pattern->screen();
    const QImage picture = SharedMemoryGrab::grab(screen);
    // A window of Qt's that nothing paints: what shows in it is the server's doing alone.
    QWindow window(screen);
    window.setFlags(Qt::Window | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
    window.setGeometry(screen->geometry());
    const auto way = sharedPixmap ? SharedMemoryGrab::Pixmap::SharedWhereItCan
                                  : SharedMemoryGrab::Pixmap::Copied;
    QVERIFY(!SharedMemoryGrab::showAsBackground(window.winId(), picture.copy(), way));
    QVERIFY(SharedMemoryGrab::showAsBackground(window.winId(), picture, way));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    m_pattern->blackOut();
    QTest::qWait(50);
    const QString difference = firstDifference(screenNow(screen), picture);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void tst_ScreenPicker::sharedMemoryPictureIsQtsPicture()
{
    PickerOverlay *overlay = startPick(QPoint(60, 40));
    QVERIFY(overlay);
    QCOMPARE(SharedMemoryGrab::lastGrabWasShared(), m_shared);
    QScreen *screen = overlay->screen();
    QTest::keyClick(overlay, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTest::qWait(100); // the overlay leaves the screen

    // The picture must be the one Qt's own grab gives, pixel for pixel and at the same ratio,
    // also at fractional ratios; without shared memory there is none, and Qt's grab is taken.
    const QImage shared = SharedMemoryGrab::grab(screen);
    if (!m_shared) {
        QVERIFY(shared.isNull());
        return;
    }
    const QPixmap pixmap = screen->grabWindow(0);
    QCOMPARE(shared.format(), QImage::Format_RGB32);
    QCOMPARE(shared.devicePixelRatio(), pixmap.devicePixelRatio());
    const QString difference =
            firstDifference(shared, pixmap.toImage().convertToFormat(QImage::Format_RGB32));
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void tst_ScreenPicker::keptPictureOutlivesTheNextGrab()
{
    // The memory of a picture is taken again by a later grab only once the picture is gone.
    if (!m_shared)
        QSKIP("this X server has no shared memory");
    QScreen *screen = m_pattern->screen();
    const QImage first = SharedMemoryGrab::grab(screen);
    QVERIFY(SharedMemoryGrab::lastGrabWasShared());
    const QImage firstCopy = first.copy();
    m_pattern->blackOut();
    QTest::qWait(50);
    const QImage second = SharedMemoryGrab::grab(screen);
    QVERIFY(SharedMemoryGrab::lastGrabWasShared());
    QVERIFY(first.constBits() != second.constBits());
    QVERIFY(first == firstCopy);
    QVERIFY(second != first); // the pattern is black in the second
}

void tst_ScreenPicker::cancelChangesNothing_data()
{
    QTest::addColumn<bool>("rightClick");
    QTest::newRow("Esc") << false;
    QTest::newRow("right click") << true;
}

void tst_ScreenPicker::cancelChangesNothing()
{
    QFETCH(bool, rightClick);
    f.setColor(QStringLiteral("#123456"));
    PickerOverlay *overlay = startPick(QPoint(100, 100));
    QVERIFY(overlay);
    // The main window's shortcuts stay quiet while the overlay has the keyboard.
    QTest::keyClick(overlay, Qt::Key_X, Qt::ControlModifier);
    QVERIFY(f.form->isVisible());
    QVERIFY(!picker()->overlays().isEmpty());

    if (rightClick)
        QTest::mouseClick(overlay, Qt::RightButton, Qt::NoModifier,
                          overlay->mapFromGlobal(QCursor::pos()));
    else
        QTest::keyClick(overlay, Qt::Key_Escape);
    QVERIFY(picker()->overlays().isEmpty());
    QCOMPARE(hex(), QStringLiteral("#123456"));
    QCOMPARE(f.form->backgroundColor(), valueOf(QStringLiteral("#123456")));
    QCOMPARE(f.form->sample1Color(), 0u);
    QTRY_VERIFY(f.form->isActiveWindow());
    VERIFY_NO_SURPRISES(f.dialogs);
}

void tst_ScreenPicker::zoomsBetweenFourAndThirtyTwo()
{
    PickerOverlay *overlay = startPick(QPoint(100, 100));
    QVERIFY(overlay);
    QTRY_VERIFY(overlay->crosshair().has_value());
    QCOMPARE(overlay->zoom(), 8);
    const QPointF at = overlay->mapFromGlobal(QCursor::pos());
    for (int i = 0; i < 12; ++i) {
        QWheelEvent up(at, overlay->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                       Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(overlay, &up);
    }
    QCOMPARE(overlay->zoom(), 32);
    // Half notches add up to a step.
    for (int i = 0; i < 2; ++i) {
        QWheelEvent down(at, overlay->mapToGlobal(at), QPoint(), QPoint(0, -60), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(overlay, &down);
    }
    QCOMPARE(overlay->zoom(), 24);
    for (int i = 0; i < 12; ++i)
        QTest::keyClick(overlay, Qt::Key_Minus);
    QCOMPARE(overlay->zoom(), 4);
    QTest::keyClick(overlay, Qt::Key_Plus);
    QCOMPARE(overlay->zoom(), 6);
    // Zooming changes what is shown, never which pixel is picked.
    const QString shown = overlay->hexText();
    QTest::keyClick(overlay, Qt::Key_Return);
    QCOMPARE(hex(), shown);
}

void tst_ScreenPicker::loupeMovesAwayFromTheEdges()
{
    PickerOverlay *overlay = startPick(QPoint(100, 100));
    QVERIFY(overlay);
    const QRect screen = overlay->rect();
    const QPoint nearTopLeft = screen.topLeft() + QPoint(5, 5);
    const QPoint nearBottomRight = screen.bottomRight() - QPoint(5, 5);

    QCursor::setPos(overlay->mapToGlobal(nearTopLeft));
    QTRY_VERIFY(overlay->loupeBox().left() > nearTopLeft.x());
    QVERIFY(overlay->loupeBox().top() > nearTopLeft.y());

    QCursor::setPos(overlay->mapToGlobal(nearBottomRight));
    QTRY_VERIFY(overlay->loupeBox().right() < nearBottomRight.x());
    QVERIFY(overlay->loupeBox().bottom() < nearBottomRight.y());
    QVERIFY(screen.contains(overlay->loupeBox()));
    QTest::keyClick(overlay, Qt::Key_Escape);
}

void tst_ScreenPicker::picksIntoTheTargetItWasMadeFor()
{
    QCursor::setPos(pointerAt(QPoint(30, 30)));
    f.form->commands().pickColorFor(TForm1::SampleTarget::TextSample2);
    QVERIFY(f.child<RadioButton>("RadioButton3")->isChecked());
    QCOMPARE(f.form->activeTarget(), TForm1::SampleTarget::TextSample2);
    QCOMPARE(hex(), QStringLiteral("#000000")); // the sample's own color, as its button shows it
    QVERIFY(picker()->overlays().size() > 0);
    PickerOverlay *overlay = picker()->overlays().constFirst();
    QVERIFY(QTest::qWaitForWindowExposed(overlay));
    QTRY_VERIFY(overlay->crosshair().has_value());
    const QString shown = overlay->hexText();
    QTest::keyClick(overlay, Qt::Key_Return);

    QCOMPARE(hex(), shown);
    QCOMPARE(f.form->sample2Color(), valueOf(shown));
    QCOMPARE(f.form->backgroundColor(), valueOf(QStringLiteral("#FFFFFF")));
    QCOMPARE(f.form->sample1Color(), 0u);
    VERIFY_NO_SURPRISES(f.dialogs);
}

QTEST_MAIN(tst_ScreenPicker)
#include "tst_screenpicker.moc"
