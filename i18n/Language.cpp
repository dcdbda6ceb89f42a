// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "i18n/Language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace language {

namespace {
// "en-US", "en_GB.UTF-8", "en" all start with the language code.
QStringView LanguageCode(QStringView tag)
{
    qsizetype end = 0;
    while (end < tag.size() && tag[end].isLetter())
        ++end;
    return tag.left(end);
}
}  // namespace

bool WantsEnglish(const QStringList& uiLanguages)
{
    for (const QString& tag : uiLanguages) {
        const QStringView code = LanguageCode(tag);
        if (code.compare(u"en", Qt::CaseInsensitive) == 0)
            return true;
        if (code.compare(u"ja", Qt::CaseInsensitive) == 0)
            return false;
    }
    return false;  // no English asked for, or "C": the game's own Japanese
}

bool InstallEnglish(QCoreApplication& app)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral(":/i18n/pokurimo_en.qm")))
        return false;
    translator->setParent(&app);
    return QCoreApplication::installTranslator(translator.release());
}

void InstallForSystem(QCoreApplication& app)
{
    if (WantsEnglish(QLocale::system().uiLanguages()))
        InstallEnglish(app);
}

}  // namespace language
