// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace Tintora::Translations {

namespace {

// Ours and Qt's, owned here so that a later call can replace them.
std::unique_ptr<QTranslator> g_ours;
std::unique_ptr<QTranslator> g_qt;

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
        if (language.isEmpty() || language == QLatin1String("en"))
            return {};
        auto ours = std::make_unique<QTranslator>();
        if (!ours->load(QStringLiteral(":/i18n/tintora_%1.qm").arg(language)))
            continue;
        g_ours = std::move(ours);
        QCoreApplication::installTranslator(g_ours.get());
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
}

} // namespace Tintora::Translations
