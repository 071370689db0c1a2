// SPDX-License-Identifier: GPL-3.0-or-later
// A seeded random user: tens of thousands of actions of any kind on the headless main window,
// with the window checked after each one. The simulation is the window fuzzer's (fuzz/), here
// driven by a seeded generator so that a failure can be replayed: the report names the seed,
// the action and the actions before it. TINTORA_RANDOM_SEED and TINTORA_RANDOM_ACTIONS run
// another seed or a longer walk.
#include "usersim.h"

#include "app/combobox.h"
#include "app/edit.h"
#include "formfixture.h"
#include "lists/colorlistmodel.h"
#include "ui/tform1.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class tst_RandomUser : public QObject
{
    Q_OBJECT
private slots:
    void randomUser_data();
    void randomUser();

    // What the random user found, replayed step by step.
    void typingAnExistingNameIsNotAChoice();
};

void tst_RandomUser::randomUser_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("actions");
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("TINTORA_RANDOM_SEED").toUInt(&ok);
    int actions = qEnvironmentVariableIntValue("TINTORA_RANDOM_ACTIONS");
    if (ok) {
        QTest::newRow("chosen seed") << seed << (actions > 0 ? actions : 20000);
        return;
    }
    // Four walks of 5,000 actions: the same 20,000 actions as one long walk, but each starts
    // from a fresh folder, so that one walk's files do not steer all the rest.
    for (quint32 s = 1; s <= 4; ++s)
        QTest::addRow("seed %u", s) << s << (actions > 0 ? actions : 5000);
}

void tst_RandomUser::randomUser()
{
    QFETCH(quint32, seed);
    QFETCH(int, actions);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    RandomChoices choices(seed);
    UserSimulator user(choices, dir.path());
    user.startSession();
    QString broken = user.check();
    QVERIFY2(broken.isEmpty(), qPrintable(broken));

    for (int i = 1; i <= actions; ++i) {
        const QString what = user.act();
        broken = user.check();
        if (!broken.isEmpty()) {
            const QString report =
                    QStringLiteral("seed %1, action %2 (%3): %4\nactions before:\n  %5")
                            .arg(seed)
                            .arg(i)
                            .arg(what, broken, user.recentActions().join(QLatin1String("\n  ")));
            QFAIL(qPrintable(report));
        }
    }
    // A walk that never saved and loaded a list back would check far less than it claims.
    QVERIFY2(user.savesChecked() > 0, "no list was saved");
    QVERIFY2(user.loadsChecked() > 0, "no list was loaded");
    QVERIFY2(user.colorsChecked() > actions / 2, "the colors were seldom in a state to check");
    qInfo("%d actions: %d error boxes; colors checked after %d, %d saves and %d loads checked",
          actions, user.errorBoxes(), user.colorsChecked(), user.savesChecked(),
          user.loadsChecked());
}

void tst_RandomUser::typingAnExistingNameIsNotAChoice()
{
    using namespace Tintora;
    FormFixture f;
    f.create();
    f.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    f.form->EnableLists1Click();
    const auto setColor = [&](int red, int green, int blue) {
        for (auto [name, value] : {std::pair {"Rval", red}, {"Gval", green}, {"Bval", blue}}) {
            Edit *field = f.child<Edit>(name);
            field->selectAll();
            QTest::keyClicks(field, QString::number(value));
        }
    };
    auto *nameBox = f.child<ComboBox>("ComboBox1");
    const auto addAs = [&](const QString &name) {
        nameBox->setFocus();
        nameBox->lineEdit()->selectAll();
        QTest::keyClicks(nameBox->lineEdit(), name);
        QTest::mouseClick(f.child<QPushButton>("AddToLstBtn"), Qt::LeftButton);
    };
    setColor(135, 206, 235);
    addAs(QStringLiteral("Sky"));
    setColor(46, 139, 87);
    addAs(QStringLiteral("Sea")); // the chosen item is Sea now
    // Another color under an earlier name: leaving the name box must not pick that entry.
    setColor(255, 0, 0);
    addAs(QStringLiteral("Sky"));
    QCOMPARE(f.form->colorList()->list().hexes(), QStringList({"#87CEEB", "#2E8B57", "#FF0000"}));
    QCOMPARE(f.child<QLineEdit>("Edit1")->text(), QStringLiteral("#FF0000"));
    QVERIFY(f.dialogs.errors.isEmpty());
    f.destroy();
}

QTEST_MAIN(tst_RandomUser)
#include "tst_randomuser.moc"
