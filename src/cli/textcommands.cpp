// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/textcommands.h"

#include "cli/contrastreport.h"
#include "core/text.h"

#include <QCoreApplication>

#include <vector>

namespace Tintora::TextCommands {

namespace {

// The longest piece of a rejected text that the message quotes.
constexpr qsizetype kQuotedTextLength = 60;

QString withProgramName(const QString &message)
{
    return QStringLiteral("tintora: ") + message + QLatin1Char('\n');
}

Outcome failure(const QString &err)
{
    return {CommandLine::kFailure, QString(), err};
}

// The colors of the texts, or the message naming every text that is not one.
Outcome readColors(const QStringList &texts, std::vector<Color::ColorValue> &colors)
{
    QString err;
    for (const QString &text : texts) {
        if (const auto color = Notation::parseColor(text))
            colors.push_back(*color);
        else
            err += notAColor(text);
    }
    return err.isEmpty() ? Outcome {} : failure(err);
}

Outcome convert(const CommandLine::Request &request)
{
    std::vector<Color::ColorValue> colors;
    if (Outcome read = readColors(request.colors, colors); read.exitCode != CommandLine::kSuccess)
        return read;
    QString out;
    for (const Color::ColorValue color : colors)
        out += Notation::format(color, request.form) + QLatin1Char('\n');
    return {CommandLine::kSuccess, out, QString()};
}

Outcome contrast(const CommandLine::Request &request)
{
    std::vector<Color::ColorValue> colors;
    if (Outcome read = readColors(request.colors, colors); read.exitCode != CommandLine::kSuccess)
        return read;
    const std::span<const Color::ColorValue> texts(colors.begin() + 1, colors.end());
    return {CommandLine::kSuccess,
            request.json ? QString::fromUtf8(ContrastReport::json(colors.front(), texts))
                         : ContrastReport::text(colors.front(), texts),
            QString()};
}

} // namespace

QString notAColor(const QString &text)
{
    return withProgramName(QCoreApplication::translate("TextCommands", "'%1' is not a color")
                                   .arg(Text::elideMiddle(text.trimmed(), kQuotedTextLength)));
}

Outcome run(const CommandLine::Request &request)
{
    using CommandLine::Mode;
    switch (request.mode) {
    case Mode::Convert:
        return convert(request);
    case Mode::Contrast:
        return contrast(request);
    case Mode::Help:
        return {CommandLine::kSuccess, CommandLine::helpText(), QString()};
    case Mode::Version:
        return {CommandLine::kSuccess, CommandLine::versionText(), QString()};
    case Mode::UsageError:
        return failure(
                withProgramName(request.error)
                + QCoreApplication::translate("TextCommands", "Try 'tintora --help' for more.")
                + QLatin1Char('\n'));
    case Mode::Window:
    case Mode::Pick:
        break;
    }
    return failure(withProgramName(QStringLiteral("needs a window system")));
}

} // namespace Tintora::TextCommands
