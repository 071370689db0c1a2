// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/textrun.h"

#include "app/translations.h"
#include "cli/textcommands.h"

#include <QCoreApplication>

#include <cstdio>

namespace Tintora::TextRun {

namespace {

void print(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

} // namespace

int run(int &argc, char **argv, const CommandLine::Request &request)
{
    QCoreApplication app(argc, argv);
    Translations::install();
    const TextCommands::Outcome outcome = TextCommands::run(request);
    print(stdout, outcome.out);
    print(stderr, outcome.err);
    Translations::uninstall();
    // Output that never arrived (a full disk, a closed pipe) is a failure too.
    return std::fflush(stdout) == 0 ? outcome.exitCode : CommandLine::kFailure;
}

CommandLine::Request checked(const CommandLine::Request &request)
{
    if (request.mode != CommandLine::Mode::Pick)
        return request;
    const QString missing = CommandLine::missingWindowSystem(
            qEnvironmentVariable("QT_QPA_PLATFORM"), qEnvironmentVariable("DISPLAY"),
            qEnvironmentVariable("WAYLAND_DISPLAY"));
    if (missing.isEmpty())
        return request;
    CommandLine::Request failure;
    failure.mode = CommandLine::Mode::UsageError;
    failure.error = missing;
    return failure;
}

} // namespace Tintora::TextRun
