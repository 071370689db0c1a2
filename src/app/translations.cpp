// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>
#include <optional>

namespace Tintora::Translations {

namespace {

// Ours and Qt's, owned here so that a later call can replace them.
std::unique_ptr<QTranslator> g_ours;
std::unique_ptr<QTranslator> g_qt;
// The default locale before install() set the language's.
std::optional<QLocale> g_defaultBefore;

// Numbers and dates as the texts' language writes them: the user's own locale where it is of
// that language, else the language's.
void followLanguage(const QLocale &locale, QLocale::Language language)
{
    if (!g_defaultBefore)
        g_defaultBefore = QLocale();
    QLocale::setDefault(locale.language() == language ? locale : QLocale(language));
}

// The language of a uiLanguages() entry ("de-DE", "fr", "en-GB", "C"), as our files name it.
QString languageCode(const QString &uiLanguage)
{
    const QLocale locale(uiLanguage);
    if (locale.language() == QLocale::C || locale.language() == QLocale::AnyLanguage)
        return {};
    return QLocale::languageToCode(locale.language());
}

} // namespace

QString install(const QLocale &locale)
{
    uninstall();
    // The first language of the user's list that we speak wins, English included; the locale
    // "C" lists "C" and nothing else.
    for (const QString &uiLanguage : locale.uiLanguages()) {
        const QString language = languageCode(uiLanguage);
        if (language.isEmpty()) {
            followLanguage(locale, QLocale::C);
            return {};
        }
        if (language == QLatin1String("en")) {
            followLanguage(locale, QLocale::English);
            return {};
        }
        auto ours = std::make_unique<QTranslator>();
        if (!ours->load(QStringLiteral(":/i18n/tintora_%1.qm").arg(language)))
            continue;
        g_ours = std::move(ours);
        QCoreApplication::installTranslator(g_ours.get());
        followLanguage(locale, QLocale(uiLanguage).language());
        // Without Qt's own texts the file dialogs and the color dialog stay in English; the
        // program's texts are translated all the same.
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QStringLiteral("qtbase_%1").arg(language),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            g_qt = std::move(qt);
            QCoreApplication::installTranslator(g_qt.get());
        }
        return language;
    }
    followLanguage(locale, QLocale::English);
    return {};
}

void uninstall()
{
    for (std::unique_ptr<QTranslator> *translator : {&g_ours, &g_qt}) {
        if (*translator) {
            QCoreApplication::removeTranslator(translator->get());
            translator->reset();
        }
    }
    if (g_defaultBefore) {
        QLocale::setDefault(*g_defaultBefore);
        g_defaultBefore.reset();
    }
}

} // namespace Tintora::Translations
