// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's outer size under a real X server and window manager, title bar included.
#include "formfixture.h"

#include <QAction>
#include <QTest>

class tst_WindowFrame : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { f.destroy(); }
    void firstShowHasTheNormalOuterSize_data();
    void firstShowHasTheNormalOuterSize();

private:
    FormFixture f;
};

void tst_WindowFrame::firstShowHasTheNormalOuterSize_data()
{
    QTest::addColumn<int>("pixelsPerInch");
    QTest::addColumn<QSize>("normal");
    QTest::addColumn<QSize>("rolledUp");
    QTest::newRow("scale 1.0") << 96 << QSize(295, 383) << QSize(220, 40);
    QTest::newRow("scale 1.25") << 120 << QSize(369, 479) << QSize(275, 50);
}

void tst_WindowFrame::firstShowHasTheNormalOuterSize()
{
    QFETCH(int, pixelsPerInch);
    QFETCH(QSize, normal);
    QFETCH(QSize, rolledUp);
    f.create(pixelsPerInch, true);
    // The window manager frames the window a moment after it maps; the size follows the frame.
    // A busy machine may take seconds.
    QTRY_VERIFY_WITH_TIMEOUT(f.form->frameGeometry().size() != f.form->size(), 30000);
    QTRY_COMPARE_WITH_TIMEOUT(f.form->outerSize(), normal, 30000);

    QAction *rollUp = f.action("RollUp1");
    rollUp->trigger();
    QTRY_COMPARE(f.form->outerSize().width(), rolledUp.width());
    rollUp->trigger();
    QTRY_COMPARE(f.form->outerSize(), normal);
    VERIFY_NO_SURPRISES(f.dialogs);
}

QTEST_MAIN(tst_WindowFrame)
#include "tst_windowframe.moc"
