// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commandline.h"

#include "cli/notationname.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <array>

namespace Tintora::CommandLine {

namespace {

// Qt's own texts in the help, for the translators of this program; Qt's translations have them
// too where they are installed.
[[maybe_unused]] constexpr const char *kParserTexts[] = {
        QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1"),
        QT_TRANSLATE_NOOP("QCommandLineParser", "[options]"),
        QT_TRANSLATE_NOOP("QCommandLineParser", "Options:"),
        QT_TRANSLATE_NOOP("QCommandLineParser", "Arguments:"),
        QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown option '%1'."),
        QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown options: %1."),
        QT_TRANSLATE_NOOP("QCommandLineParser", "Missing value after '%1'."),
};

enum class Key { Help, Version, Pick, Copy, Convert, Contrast, Format, Json };

struct OptionRow
{
    Key key;
    const char *shortName; // empty for none
    const char *name;
    const char *valueName; // empty for a switch
    const char *description;
};

inline constexpr std::array<OptionRow, 8> kOptions {{
        {Key::Help, "h", "help", "", QT_TRANSLATE_NOOP("CommandLine", "Shows this help.")},
        {Key::Version, "v", "version", "", QT_TRANSLATE_NOOP("CommandLine", "Shows the version.")},
        {Key::Pick, "", "pick", "",
         QT_TRANSLATE_NOOP("CommandLine",
                           "Picks one color from the screen, without the main window, and "
                           "prints it. Exits with 1 when the pick is cancelled.")},
        {Key::Copy, "", "copy", "",
         QT_TRANSLATE_NOOP("CommandLine",
                           "With --pick: puts the color on the clipboard too, and keeps it there "
                           "in the background until another program takes the clipboard.")},
        {Key::Convert, "", "convert", "",
         QT_TRANSLATE_NOOP("CommandLine",
                           "Prints the color given as the arguments (any color Paste Color "
                           "reads) in the notation of --format.")},
        {Key::Contrast, "", "contrast", "",
         QT_TRANSLATE_NOOP("CommandLine",
                           "Prints the contrast of one or two text colors on a background, "
                           "given as the arguments BACKGROUND TEXT [TEXT]: the ratio, every "
                           "WCAG 2.2 verdict, text against text, and APCA as advice.")},
        {Key::Format, "", "format", QT_TRANSLATE_NOOP("CommandLine", "name"),
         QT_TRANSLATE_NOOP("CommandLine",
                           "The notation --pick and --convert print: hex (the default) or one "
                           "of the others listed below.")},
        {Key::Json, "", "json", "",
         QT_TRANSLATE_NOOP("CommandLine", "With --contrast: prints JSON, for programs.")},
}};

// The options of Qt itself, which QGuiApplication and QApplication take out of the arguments;
// known here so that they are not mistaken for ours, and hidden from the help.
struct QtOptionRow
{
    const char *name;
    bool takesValue;
};
inline constexpr QtOptionRow kQtOptions[] = {
        {"platform", true},        {"platformpluginpath", true},
        {"platformtheme", true},   {"plugin", true},
        {"qwindowgeometry", true}, {"qwindowicon", true},
        {"qwindowtitle", true},    {"display", true},
        {"geometry", true},        {"name", true},
        {"title", true},           {"visual", true},
        {"style", true},           {"stylesheet", true},
        {"session", true},         {"fontengine", true},
        {"qmljsdebugger", true},   {"reverse", false},
        {"widgetcount", false},    {"nograb", false},
        {"dograb", false},         {"sync", false},
        {"testability", false},
};

QString translated(const char *text)
{
    return QCoreApplication::translate("CommandLine", text);
}

QCommandLineOption optionOf(const OptionRow &row)
{
    QStringList names;
    if (*row.shortName)
        names << QLatin1String(row.shortName);
    names << QLatin1String(row.name);
    return *row.valueName
            ? QCommandLineOption(names, translated(row.description), translated(row.valueName))
            : QCommandLineOption(names, translated(row.description));
}

// Qt's options are long options with one dash (-platform), so ours take one dash or two.
void addOptions(QCommandLineParser &parser)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const OptionRow &row : kOptions)
        parser.addOption(optionOf(row));
    for (const QtOptionRow &row : kQtOptions) {
        QCommandLineOption option(QLatin1String(row.name));
        if (row.takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

const OptionRow &rowOf(Key key)
{
    return kOptions[size_t(key)];
}

bool isSet(const QCommandLineParser &parser, Key key)
{
    return parser.isSet(QLatin1String(rowOf(key).name));
}

QString dashed(Key key)
{
    return QStringLiteral("--") + QLatin1String(rowOf(key).name);
}

Request usageError(const QString &message)
{
    Request request;
    request.mode = Mode::UsageError;
    request.error = message;
    return request;
}

QString onlyWith(Key option, const QString &modes)
{
    return QCoreApplication::translate("CommandLine", "%1 goes only with %2")
            .arg(dashed(option), modes);
}

} // namespace

Request parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    addOptions(parser);
    const bool parsed = parser.parse(arguments.isEmpty() ? QStringList {QString()} : arguments);
    // Asked for help, the user gets it whatever else is wrong.
    if (isSet(parser, Key::Help)) {
        Request request;
        request.mode = Mode::Help;
        return request;
    }
    if (isSet(parser, Key::Version)) {
        Request request;
        request.mode = Mode::Version;
        return request;
    }
    if (!parsed)
        return usageError(parser.errorText());

    Request request;
    int modes = 0;
    for (const auto &[key, mode] :
         {std::pair {Key::Pick, Mode::Pick}, std::pair {Key::Convert, Mode::Convert},
          std::pair {Key::Contrast, Mode::Contrast}}) {
        if (isSet(parser, key)) {
            request.mode = mode;
            ++modes;
        }
    }
    if (modes > 1) {
        return usageError(
                QCoreApplication::translate("CommandLine", "Choose one of %1, %2 and %3")
                        .arg(dashed(Key::Pick), dashed(Key::Convert), dashed(Key::Contrast)));
    }

    if (isSet(parser, Key::Format)) {
        if (request.mode != Mode::Pick && request.mode != Mode::Convert)
            return usageError(onlyWith(
                    Key::Format, dashed(Key::Pick) + QStringLiteral(", ") + dashed(Key::Convert)));
        const QString name = parser.value(QLatin1String(rowOf(Key::Format).name));
        const std::optional<Notation::Form> form = NotationName::formNamed(name);
        if (!form) {
            return usageError(QCoreApplication::translate("CommandLine",
                                                          "'%1' is not a notation; use one of %2")
                                      .arg(name, NotationName::names().join(QStringLiteral(", "))));
        }
        request.form = *form;
    }
    request.copy = isSet(parser, Key::Copy);
    if (request.copy && request.mode != Mode::Pick)
        return usageError(onlyWith(Key::Copy, dashed(Key::Pick)));
    request.json = isSet(parser, Key::Json);
    if (request.json && request.mode != Mode::Contrast)
        return usageError(onlyWith(Key::Json, dashed(Key::Contrast)));

    const QStringList positional = parser.positionalArguments();
    switch (request.mode) {
    case Mode::Window:
        request.files = positional;
        break;
    case Mode::Pick:
        if (!positional.isEmpty())
            return usageError(
                    QCoreApplication::translate("CommandLine", "%1 takes no arguments: '%2'")
                            .arg(dashed(Key::Pick), positional.constFirst()));
        break;
    case Mode::Convert:
        if (positional.isEmpty())
            return usageError(QCoreApplication::translate("CommandLine", "%1 needs a color")
                                      .arg(dashed(Key::Convert)));
        // Unquoted, a color with spaces (255 128 0) comes as several words.
        request.colors = {positional.join(QLatin1Char(' '))};
        break;
    case Mode::Contrast:
        if (positional.size() < 2 || positional.size() > 3)
            return usageError(QCoreApplication::translate(
                                      "CommandLine",
                                      "%1 needs a background and one or two text colors, and "
                                      "%2 were given; quote a color that has spaces")
                                      .arg(dashed(Key::Contrast))
                                      .arg(positional.size()));
        request.colors = positional;
        break;
    case Mode::Help:
    case Mode::Version:
    case Mode::UsageError:
        break;
    }
    return request;
}

bool needsWindowSystem(Mode mode)
{
    return mode == Mode::Window || mode == Mode::Pick;
}

QString missingWindowSystem(const QString &platform, const QString &display,
                            const QString &waylandDisplay)
{
    if (!platform.isEmpty() || !display.isEmpty() || !waylandDisplay.isEmpty())
        return {};
    return QCoreApplication::translate("CommandLine",
                                       "%1 needs a display: neither DISPLAY nor WAYLAND_DISPLAY "
                                       "is set")
            .arg(dashed(Key::Pick));
}

QString helpText()
{
    QCommandLineParser parser;
    addOptions(parser);
    parser.setApplicationDescription(QCoreApplication::translate(
            "CommandLine",
            "Tintora picks #RRGGBB colors and tries text colors on a background.\n"
            "Without options it opens its window and loads the files named: color lists\n"
            "(.clr with its .hex) as Load List does, palettes (.gpl, .soc, .ase, .css,\n"
            ".json and Paint.NET .txt) as Import Palette does."));
    parser.addPositionalArgument(
            QCoreApplication::translate("CommandLine", "files"),
            QCoreApplication::translate("CommandLine", "Color lists and palettes to open."),
            QCoreApplication::translate("CommandLine", "[files...]"));
    QString text = parser.helpText();

    text += QLatin1Char('\n') + QCoreApplication::translate("CommandLine", "Notations:")
            + QLatin1Char('\n');
    for (const NotationName::Row &row : NotationName::rows)
        text += QStringLiteral("  %1%2\n")
                        .arg(QLatin1String(row.name), -14)
                        .arg(QLatin1String(row.example));

    text += QLatin1Char('\n') + QCoreApplication::translate("CommandLine", "Examples:")
            + QLatin1Char('\n');
    const QString examples[] = {
            QStringLiteral("tintora --convert --format oklch tomato"),
            QStringLiteral("tintora --contrast white '#767676'"),
            QStringLiteral("tintora --contrast --json '#FFFFFF' '#1A1A1A' '#0055CC'"),
            QStringLiteral("c=$(tintora --pick --format rgb) && echo \"$c\""),
            QStringLiteral("tintora --pick --copy"),
            QStringLiteral("tintora colors.clr"),
    };
    for (const QString &example : examples)
        text += QStringLiteral("  ") + example + QLatin1Char('\n');
    text += QLatin1Char('\n')
            + QCoreApplication::translate("CommandLine",
                                          "Exit status: 0 done, 1 pick cancelled, 2 text that "
                                          "is not a color, a usage error or a failure.")
            + QLatin1Char('\n');
    return text;
}

QString versionText()
{
    return QStringLiteral("tintora " TINTORA_VERSION "\n");
}

} // namespace Tintora::CommandLine
