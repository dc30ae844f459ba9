// The English translation against the code: translations/zeph_en.ts is
// exactly what lupdate makes of the sources (no marked text missing, none
// left over), and every text in it is translated: finished, not empty,
// with the source's place markers and without a Japanese character.

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include "japanese_text.h"

namespace {

struct TsMessage {
    QString context;
    QString source;
    QString translation;
    QString type;  // "unfinished", "vanished", "obsolete"; empty when finished
};

QList<TsMessage> ReadTs(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QList<TsMessage> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            messages.append({context, {}, {}, {}});
        } else if (name == QLatin1String("source") && !messages.isEmpty()) {
            messages.last().source = xml.readElementText();
        } else if (name == QLatin1String("translation") && !messages.isEmpty()) {
            messages.last().type = xml.attributes().value(QLatin1String("type")).toString();
            messages.last().translation = xml.readElementText();
        }
    }
    return xml.hasError() ? QList<TsMessage>{} : messages;
}

// The place markers %1 … %99 of a text.
QSet<QString> Markers(const QString& text) {
    static const QRegularExpression marker(QStringLiteral("%\\d+"));
    QSet<QString> found;
    for (const QRegularExpressionMatch& m : marker.globalMatch(text)) {
        found.insert(m.captured());
    }
    return found;
}

QString Describe(const TsMessage& m) {
    return m.context + QStringLiteral(": \"") + m.source + QLatin1Char('"');
}

}  // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void tsIsWhatLupdateMakesOfTheSources();
    void everyTextIsTranslated();
};

void TranslationsTest::tsIsWhatLupdateMakesOfTheSources() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString copy = dir.filePath(QStringLiteral("zeph_en.ts"));
    QVERIFY(QFile::copy(QStringLiteral(ZEPH_TS_FILE), copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);

    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    lupdate.start(QStringLiteral(ZEPH_LUPDATE),
                  QString::fromUtf8(ZEPH_LUPDATE_OPTIONS).split(QLatin1Char(' '))
                      << QStringLiteral("@" ZEPH_LUPDATE_LIST) << QStringLiteral("-ts") << copy);
    QVERIFY(lupdate.waitForFinished(120000));
    QCOMPARE(lupdate.exitStatus(), QProcess::NormalExit);
    QCOMPARE(lupdate.exitCode(), 0);

    QFile committed(QStringLiteral(ZEPH_TS_FILE));
    QFile regenerated(copy);
    QVERIFY(committed.open(QIODevice::ReadOnly) && regenerated.open(QIODevice::ReadOnly));
    if (committed.readAll() == regenerated.readAll()) {
        return;
    }
    // Name what differs: texts new to the sources, and texts gone from them.
    QStringList differences;
    const QList<TsMessage> before = ReadTs(QStringLiteral(ZEPH_TS_FILE));
    const QList<TsMessage> after = ReadTs(copy);
    QSet<QString> known;
    for (const TsMessage& m : before) {
        known.insert(Describe(m));
    }
    QSet<QString> current;
    for (const TsMessage& m : after) {
        current.insert(Describe(m));
        if (!known.contains(Describe(m))) {
            differences << QStringLiteral("not in the .ts: ") + Describe(m);
        }
    }
    for (const TsMessage& m : before) {
        if (!current.contains(Describe(m))) {
            differences << QStringLiteral("no longer in the sources: ") + Describe(m);
        }
    }
    QFAIL(qPrintable(QStringLiteral("zeph_en.ts is not up to date with the sources; run `cmake "
                                    "--build build --target update_translations` and translate "
                                    "what it adds.\n") +
                     differences.join(QLatin1Char('\n'))));
}

void TranslationsTest::everyTextIsTranslated() {
    const QList<TsMessage> messages = ReadTs(QStringLiteral(ZEPH_TS_FILE));
    QVERIFY2(!messages.isEmpty(), "zeph_en.ts cannot be read or holds no text");
    QStringList faults;
    for (const TsMessage& m : messages) {
        QString fault;
        if (!m.type.isEmpty()) {
            fault = m.type;
        } else if (m.translation.trimmed().isEmpty()) {
            fault = QStringLiteral("empty");
        } else if (Markers(m.translation) != Markers(m.source)) {
            fault = QStringLiteral("place markers differ");
        } else if (HasJapanese(m.translation)) {
            fault = QStringLiteral("Japanese in the translation");
        }
        if (!fault.isEmpty()) {
            faults << fault + QStringLiteral(": ") + Describe(m);
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TranslationsTest)
#include "translations_test.moc"
