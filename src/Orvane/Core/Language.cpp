#include "Language.h"

#include "QXUserDefaults.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

#include <memory>

namespace orvane::language {

namespace {

struct LanguageEntry {
    int type;
    const char *code;
};

constexpr LanguageEntry kLanguages[] = {
    {1, "en"}, {2, "ar"}, {3, "ja"}, {4, "de"}, {6, "ru"},
    {7, "es"}, {8, "fr"}, {9, "pt-PT"}, {10, "zh-Hans"}, {11, "zh-Hant"},
};

// The order in which a stored language is matched against the known codes by prefix.
constexpr const char *kPrefixOrder[] = {"zh-Hans", "zh-Hant", "ja", "ar", "de", "ru", "es", "fr", "pt-PT"};

const QString kAppleLanguages = QStringLiteral("AppleLanguages");

struct TranslatorState {
    QPointer<QTranslator> translator;
    QString installedCode = QStringLiteral("en");
    std::optional<QString> startupCode;
};

TranslatorState &state()
{
    static TranslatorState instance;
    return instance;
}

// The system's first user-interface language in the form the prefixes expect: Chinese with its
// script ("zh-Hans-CN", "zh-Hant-TW"), every other language with its territory ("pt-BR").
QString systemLanguageIdentifier()
{
    const QStringList languages = QLocale::system().uiLanguages();
    if (languages.isEmpty())
        return {};
    const QLocale locale(languages.first());
    const QString territory = QLocale::territoryToCode(locale.territory());
    if (locale.language() == QLocale::Chinese) {
        const bool traditional = locale.script() == QLocale::TraditionalChineseScript;
        return QStringLiteral("zh-%1-%2").arg(traditional ? QStringLiteral("Hant") : QStringLiteral("Hans"), territory);
    }
    const QString language = QLocale::languageToCode(locale.language());
    return territory.isEmpty() ? language : language + QLatin1Char('-') + territory;
}

QString preferredLanguage()
{
    const QVariant stored = QXUserDefaults::standardUserDefaults().objectForKey(kAppleLanguages);
    // A one-element list may come back from the settings file as a plain text.
    if (stored.typeId() == QMetaType::QString)
        return stored.toString();
    const QVariantList list = stored.toList();
    if (!list.isEmpty())
        return list.first().toString();
    return systemLanguageIdentifier();
}

QString reducedToKnownCode(const QString &language)
{
    for (const char *prefix : kPrefixOrder) {
        if (language.startsWith(QLatin1String(prefix)))
            return QString::fromLatin1(prefix);
    }
    return QStringLiteral("en");
}

bool install(const QString &code)
{
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (!translator->load(QStringLiteral(":/i18n/orvane_%1.qm").arg(code)))
        return false;
    TranslatorState &s = state();
    if (s.translator) {
        QCoreApplication::removeTranslator(s.translator);
        delete s.translator;
    }
    s.translator = translator.release();
    QCoreApplication::installTranslator(s.translator);
    s.installedCode = code;
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        QGuiApplication::setLayoutDirection(code == QLatin1String("ar") ? Qt::RightToLeft : Qt::LeftToRight);
    return true;
}

} // namespace

QString lanStringFromType(int type)
{
    for (const LanguageEntry &entry : kLanguages) {
        if (entry.type == type)
            return QString::fromLatin1(entry.code);
    }
    return QStringLiteral("en");
}

int lanTypeFromString(const QString &code)
{
    for (const LanguageEntry &entry : kLanguages) {
        if (code == QLatin1String(entry.code))
            return entry.type;
    }
    return 1;
}

QString currentLanguageString()
{
    return reducedToKnownCode(preferredLanguage());
}

int currentLanguage()
{
    return lanTypeFromString(currentLanguageString());
}

void setLanguage(const std::optional<QString> &code)
{
    if (code && install(*code))
        return;
    install(state().startupCode.value_or(QStringLiteral("en")));
}

void setLanguageWithType(int type)
{
    const QString code = lanStringFromType(type);
    QXUserDefaults::standardUserDefaults().setObject(QVariantList{code}, kAppleLanguages);
    setLanguage(code);
}

void applyStartupLanguage()
{
    const QString code = currentLanguageString();
    state().startupCode = code;
    install(code);
}

QString installedLanguage()
{
    return state().installedCode;
}

} // namespace orvane::language
