// SPDX-License-Identifier: GPL-3.0-or-later
// Absurd input, as a hostile user would try it. A list of ordinary entries with long names among
// them, as long as a list line may be (32,767 characters): one of them, or a thousand (32 MB of
// names), and every command that shows, chooses, searches or writes them, timed until Qt has
// laid out and painted what changed. And a name file of a single line of 50,000,000
// characters, which Load List refuses. No command may block the window for a second.
#include "benchsupport.h"

#include "app/application.h"
#include "lists/colorlistmodel.h"
#include "lists/listfile.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

constexpr qsizetype kAround = 10; // ordinary entries before the first long one and after each

enum Command { Load, ViewFullList, Choose, DropDown, Save, Find };

QString longName(qsizetype length)
{
    const QString words = QStringLiteral("Sky Rose ");
    return words.repeated(length / words.size() + 1).left(length);
}

// The first long name is entry kAround; each is followed by kAround ordinary ones.
QString longNameList(qsizetype length, qsizetype longNames)
{
    const Bench::ListData ordinary = Bench::makeList(kAround * (longNames + 1));
    Bench::ListData data;
    const QString name = longName(length);
    for (qsizetype i = 0; i < ordinary.names.size(); ++i) {
        if (i >= kAround && i % kAround == 0 && i / kAround <= longNames) {
            data.names.append(name);
            data.hexes.append(QStringLiteral("#000080"));
        }
        data.names.append(ordinary.names.at(i));
        data.hexes.append(ordinary.hexes.at(i));
    }
    data.hexes.append(QString()); // the blank row
    return Bench::writeList(data, QStringLiteral("long%1x%2.clr").arg(length).arg(longNames));
}

void BM_LongName(benchmark::State &state)
{
    const qsizetype length = state.range(0);
    const qsizetype longNames = state.range(1);
    const Command command = Command(state.range(2));
    const QString path = longNameList(length, longNames);
    Bench::Window window;
    window.load(path);
    auto *names = window.child<QComboBox>("ComboBox1");
    if (command == ViewFullList || command == DropDown) {
        // Scrolled so that the first long name is in sight.
        names->setCurrentIndex(int(kAround));
        window.form().ComboBox1Click();
    }
    if (command == DropDown)
        window.form().ViewLstBtnClick();
    if (command == Find) {
        // A text that no name holds: the search goes through all of them.
        window.form().Find1Click();
        static_cast<QLineEdit *>(window.child<QLineEdit>("FindText"))
                ->setText(QStringLiteral("Zebra"));
    }
    Bench::Window::settle();
    Bench::dialogs().nextFile =
            command == Save ? Bench::scratchPath(QStringLiteral("longsaved.clr")) : path;
    Bench::resetPeak();
    for (auto _ : state) {
        Bench::timeIteration(state, [&] {
            switch (command) {
            case Load:
                window.form().Open1Click();
                break;
            case ViewFullList:
                window.form().ViewLstBtnClick();
                break;
            case Choose:
                names->setCurrentIndex(int(kAround));
                window.form().ComboBox1Click();
                break;
            case DropDown:
                names->showPopup();
                break;
            case Save:
                window.form().Save1Click();
                break;
            case Find:
                window.form().FindTextChange();
                break;
            }
            Bench::Window::settle();
        });
        // Back to where the next iteration starts, outside the clock.
        if (command == ViewFullList)
            window.form().ViewLstBtnClick();
        if (command == Choose) {
            names->setCurrentIndex(0);
            window.form().ComboBox1Click();
        }
        if (command == DropDown)
            names->hidePopup();
        Bench::Window::settle();
    }
    Bench::dialogs().nextFile.clear();
    Bench::reportMemory(state);
}
BENCHMARK(BM_LongName)
        ->ArgNames({"length", "names", "command"})
        ->ArgsProduct({{Tintora::ListFile::kMaxLineLength},
                       {1, 1000},
                       {Load, ViewFullList, Choose, DropDown, Save, Find}})
        ->Iterations(5)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);

// "Load List" of a name file that is one line of the given length: refused, with an error box,
// when the line is longer than a list line may be.
void BM_LongNameLoad(benchmark::State &state)
{
    const qsizetype length = state.range(0);
    Bench::ListData data;
    data.names.append(longName(length));
    data.hexes = QStringList {QStringLiteral("#000080"), QString()};
    const QString path = Bench::writeList(data, QStringLiteral("oneline%1.clr").arg(length));
    Bench::Window window;
    Bench::dialogs().nextFile = path;
    Bench::dialogs().expectErrors = true;
    Bench::resetPeak();
    for (auto _ : state) {
        Bench::dialogs().errors = 0;
        Bench::timeIteration(state, [&] {
            // As the event loop runs it: the error ends in the error box.
            Tintora::Application::runHandler(&window.form(), [&] { window.form().Open1Click(); });
            Bench::Window::settle();
        });
        if ((Bench::dialogs().errors > 0) != (length > Tintora::ListFile::kMaxLineLength))
            qFatal("Load List took a line too long, or refused one that fits");
    }
    Bench::dialogs().expectErrors = false;
    Bench::dialogs().nextFile.clear();
    Bench::reportMemory(state);
}
BENCHMARK(BM_LongNameLoad)
        ->ArgName("length")
        ->Arg(50'000'000)
        ->Iterations(3)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);

} // namespace
