#include "tests/support/TestGroup.h"
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

// The translation files must cover every user text of the sources, each
// entry translated, none left over from texts that are gone.
class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void everyEntryIsTranslated_data();
    void everyEntryIsTranslated();
    void filesAreUpToDateWithSources_data();
    void filesAreUpToDateWithSources();
    void compiledFilesNameTheirOwnLanguage();

private:
    struct Entry
    {
        QString context, source, translation, type;
    };
    static QList<Entry> readEntries(const QString &path, QString *error);
    static void addFileRows();
};

QList<TestTranslations::Entry> TestTranslations::readEntries(const QString &path, QString *error)
{
    QList<Entry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = "cannot open " + path;
        return entries;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Entry entry;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            entry = Entry{context, {}, {}, {}};
        } else if (xml.name() == QLatin1String("source")) {
            entry.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            entry.type = xml.attributes().value("type").toString();
            entry.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            entries.append(entry);
        }
    }
    if (xml.hasError())
        *error = path + ": " + xml.errorString();
    return entries;
}

void TestTranslations::addFileRows()
{
    QTest::addColumn<QString>("path");
    for (const QString &path : QString(CM_TS_FILES).split('|'))
        QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
}

void TestTranslations::everyEntryIsTranslated_data()
{
    addFileRows();
}

void TestTranslations::everyEntryIsTranslated()
{
    QFETCH(QString, path);
    QString error;
    const QList<Entry> entries = readEntries(path, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(!entries.isEmpty());
    for (const Entry &entry : entries) {
        const QString where = entry.context + " / \"" + entry.source + "\"";
        QVERIFY2(entry.type.isEmpty(),
                 qPrintable(where + " is " + entry.type + " in " + QFileInfo(path).fileName()));
        QVERIFY2(!entry.translation.isEmpty(), qPrintable(where + " has no translation"));
        // A lost placeholder would drop the number or name from the text.
        for (const QString &marker : {QStringLiteral("%1"), QStringLiteral("%2")}) {
            if (entry.source.contains(marker))
                QVERIFY2(entry.translation.contains(marker),
                         qPrintable(where + " loses " + marker));
        }
    }
}

void TestTranslations::filesAreUpToDateWithSources_data()
{
    addFileRows();
}

void TestTranslations::filesAreUpToDateWithSources()
{
    QFETCH(QString, path);
    QTemporaryDir dir;
    const QString copy = dir.filePath(QFileInfo(path).fileName());
    QVERIFY(QFile::copy(path, copy));

    QStringList arguments = QString(CM_LUPDATE_OPTIONS).split('|');
    arguments += QString(CM_TRANSLATED_FOLDERS).split('|');
    arguments << "-ts" << copy;
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(CM_LUPDATE, arguments);
    QVERIFY(lupdate.waitForFinished(60000));
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());

    QString error;
    const QList<Entry> refreshed = readEntries(copy, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QStringList problems;
    for (const Entry &entry : refreshed) {
        if (entry.type == QLatin1String("unfinished"))
            problems << "new text not in the file: " + entry.context + " / " + entry.source;
        else if (!entry.type.isEmpty())
            problems << "text no longer in the sources: " + entry.context + " / " + entry.source;
    }
    QVERIFY2(problems.isEmpty(),
             qPrintable("run the update_translations target and translate:\n"
                        + problems.join('\n')));
}

void TestTranslations::compiledFilesNameTheirOwnLanguage()
{
    const QString folder = qEnvironmentVariable("CLEAVEMARK_BIN_DIR") + "/translations";
    const QMap<QString, QString> names = {{"en", "English"}, {"de", "Deutsch"}, {"fr", "Français"}};
    for (auto it = names.cbegin(); it != names.cend(); ++it) {
        QTranslator translator;
        QVERIFY2(translator.load("sheafdesk_" + it.key(), folder), qPrintable(it.key()));
        QCOMPARE(translator.translate("SettingsView", "English"), it.value());
    }
}

CM_TEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"
