// Every localisation key the program uses has a finished translation in every language, and the
// compiled translations answer for it.
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

const QStringList kLanguageCodes = {QStringLiteral("en"),    QStringLiteral("zh-Hans"), QStringLiteral("zh-Hant"),
                                    QStringLiteral("ja"),    QStringLiteral("ar"),      QStringLiteral("de"),
                                    QStringLiteral("ru"),    QStringLiteral("es"),      QStringLiteral("fr"),
                                    QStringLiteral("pt-PT")};

QString sourceDir()
{
    return QStringLiteral(ORVANE_SOURCE_DIR);
}

QString translationsDir()
{
    return sourceDir() + QStringLiteral("/src/Orvane/resources/translations");
}

// Keys named in code: the argument of every qxLocalized("…"), every "ov_…" literal (keys handed
// to setInternationalKey and tables of keys), and the titles of the union operation table.
QSet<QString> keysUsedInSources()
{
    static const QRegularExpression lookup(QStringLiteral(R"(qxLocalized\(\s*"([^"]+)\")"));
    static const QRegularExpression ovLiteral(QStringLiteral(R"re("(ov_[A-Za-z0-9_]+)")re"));
    QSet<QString> keys;
    QDirIterator it(sourceDir() + QStringLiteral("/src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(file.readAll());
        for (const QRegularExpression *pattern : {&lookup, &ovLiteral}) {
            for (auto match = pattern->globalMatch(text); match.hasNext();)
                keys.insert(match.next().captured(1));
        }
    }
    QFile operations(sourceDir() + QStringLiteral("/src/Orvane/resources/UnionOperationList.json"));
    if (operations.open(QIODevice::ReadOnly)) {
        for (const QJsonValue &group : QJsonDocument::fromJson(operations.readAll()).array()) {
            for (const QJsonValue &entry : group.toArray())
                keys.insert(entry.toObject().value(QStringLiteral("title")).toString());
        }
    }
    return keys;
}

struct TsMessage {
    QString translation;
    bool finished = false;
};

QMap<QString, TsMessage> readTsFile(const QString &path)
{
    QMap<QString, TsMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString id;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("message")) {
            id = xml.attributes().value(QStringLiteral("id")).toString();
        } else if (xml.name() == QLatin1String("translation") && !id.isEmpty()) {
            TsMessage message;
            message.finished = xml.attributes().value(QStringLiteral("type")).isEmpty();
            message.translation = xml.readElementText();
            messages.insert(id, message);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

} // namespace

TEST(Translations, EveryLanguageHasItsFileAndNoOther)
{
    QStringList expected;
    for (const QString &code : kLanguageCodes)
        expected << QStringLiteral("orvane_%1.ts").arg(code);
    QStringList present = QDir(translationsDir()).entryList({QStringLiteral("*.ts")}, QDir::Files);
    expected.sort();
    present.sort();
    EXPECT_EQ(present, expected);
}

TEST(Translations, EveryKeyInUseHasAFinishedTranslationInEveryLanguage)
{
    const QSet<QString> keys = keysUsedInSources();
    // The menu's keys at least must have been found, or the scan itself is broken.
    ASSERT_TRUE(keys.contains(QStringLiteral("ov_conn_fail_tip")));
    ASSERT_TRUE(keys.contains(QStringLiteral("ov_union")));
    for (const QString &code : kLanguageCodes) {
        const auto messages = readTsFile(QStringLiteral("%1/orvane_%2.ts").arg(translationsDir(), code));
        QStringList missing;
        for (const QString &key : keys) {
            const auto it = messages.constFind(key);
            if (it == messages.cend() || !it->finished || it->translation.trimmed().isEmpty())
                missing << key;
        }
        missing.sort();
        EXPECT_TRUE(missing.isEmpty()) << code.toStdString() << " lacks: " << missing.join(u' ').toStdString();
    }
}

TEST(Translations, CompiledTranslationsAnswerEveryKeyAndDifferFromEnglish)
{
    const QSet<QString> keys = keysUsedInSources();
    QTranslator english;
    ASSERT_TRUE(english.load(QStringLiteral(":/i18n/orvane_en.qm")));
    for (const QString &code : kLanguageCodes) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(QStringLiteral(":/i18n/orvane_%1.qm").arg(code))) << code.toStdString();
        for (const QString &key : keys) {
            const QByteArray id = key.toUtf8();
            EXPECT_FALSE(translator.translate(nullptr, id.constData()).isEmpty())
                << code.toStdString() << " " << id.constData();
        }
        // A whole sentence is never left in English by mistake.
        if (code != QLatin1String("en")) {
            EXPECT_NE(translator.translate(nullptr, "ov_conn_fail_tip"), english.translate(nullptr, "ov_conn_fail_tip"))
                << code.toStdString();
        }
    }
}

TEST(Translations, TextsJoinedWithPunctuationDoNotEndInTheirOwn)
{
    // These texts are shown with ":" "," or "?" appended, so they carry no final punctuation.
    const QStringList joined = {QStringLiteral("ov_password"), QStringLiteral("ov_username"),
                                QStringLiteral("ov_service_tip"), QStringLiteral("ov_connect_device"),
                                QStringLiteral("ov_psd"), QStringLiteral("ov_confirm_delete"),
                                QStringLiteral("ov_fail"), QStringLiteral("ov_refresh_wifi_sync"),
                                QStringLiteral("ov_unsupport_tip"), QStringLiteral("ov_file_name_duplicate"),
                                QStringLiteral("ov_invalid_file")};
    static const QRegularExpression finalPunctuation(QStringLiteral(R"([.:,?!。：，？！؟]\s*$)"));
    for (const QString &code : kLanguageCodes) {
        const auto messages = readTsFile(QStringLiteral("%1/orvane_%2.ts").arg(translationsDir(), code));
        for (const QString &key : joined) {
            EXPECT_FALSE(finalPunctuation.match(messages.value(key).translation).hasMatch())
                << code.toStdString() << " " << key.toStdString();
        }
    }
}
