#include "tests/support/TestGroup.h"
#include "protocol/JobFiles.h"

#include "common/Logger.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QList<bool> allPermitted = {true, true, true, true, true, true, true, true};

bool writeRaw(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

bool writeEncoded(const QString &path, const QJsonObject &object)
{
    return writeRaw(path, QJsonDocument(object).toJson().toBase64());
}

QByteArray readRaw(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every key spelled out by hand, so a misspelt key in the code cannot hide
// behind a symmetric round trip.
QJsonObject handWrittenSplitRequest()
{
    return QJsonObject{
        {"mode", 1}, {"file_name", "/home/u/in put.pdf"}, {"file_password", "open-sesame"}, {"page_coount", 12},
        {"ranges", QJsonArray{QJsonObject{{"from", 5}, {"to", 9}}, QJsonObject{{"from", 1}, {"to", 6}}}},
        {"out_directory", "/home/u/out"}, {"property_author", QStringLiteral("Zoë")}, {"property_title", "T"},
        {"property_password", "out-secret"}, {"property_creator", "C"}, {"property_producer", "P"},
        {"permission_print", false}, {"permission_copy", true}, {"permission_change", false},
        {"permission_add_notes", true}, {"permission_fill_fields", false}, {"permission_copy_access", true},
        {"permission_assembly", false}, {"permission_print_full", true}, {"compress_file", true},
        {"has_security", true}, {"session_path", "/tmp/s1"}, {"session_id", "s1"}, {"out_prefix", "[PAGE]"}};
}

QJsonObject mergeTask(const QString &path, int order, const QJsonArray &ranges = {})
{
    return QJsonObject{{"task_full_path", path}, {"task_has_password", true}, {"task_password", "pw-" + path},
                       {"task_has_security", false}, {"task_page_count", 7}, {"order", order},
                       {"page_ranges", ranges}};
}

QJsonObject range(int from, int to, int order)
{
    return QJsonObject{{"range_from", from}, {"range_to", to}, {"order", order}};
}

} // namespace

class JobFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void splitRequestKeysAndRoundTrip();
    void missingOrMistypedKeysGiveDefaults();
    void mergeRequestSortsItemsAndRanges();
    void unreadableOrPlainJsonRequest();
    void responsesAreOneLineOfBase64();
    void loggedRequestMasksPasswords();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void JobFilesTest::initTestCase()
{
    QCoreApplication::setApplicationName(QStringLiteral("cleavemark-jobfilestest"));
    QVERIFY(m_dir.isValid());
}

void JobFilesTest::splitRequestKeysAndRoundTrip()
{
    QVERIFY(writeEncoded(path("keys.req"), handWrittenSplitRequest()));
    SplitRequest request;
    readSplitRequest(path("keys.req"), request);

    QCOMPARE(request.mode, 1);
    QCOMPARE(request.fileName, QStringLiteral("/home/u/in put.pdf"));
    QCOMPARE(request.filePassword, QStringLiteral("open-sesame"));
    QCOMPARE(request.pageCount, 12);
    QCOMPARE(request.ranges, PageRangeList({{5, 9}, {1, 6}}));   // file order, overlaps kept
    QCOMPARE(request.outDirectory, QStringLiteral("/home/u/out"));
    QCOMPARE(request.properties(), QStringList({QStringLiteral("Zoë"), "T", "out-secret", "C", "P"}));
    QCOMPARE(request.permissions(), QList<bool>({false, true, false, true, false, true, false, true}));
    QVERIFY(request.compressFile && request.hasSecurity);
    QCOMPARE(request.sessionPath + request.sessionId + request.outPrefix, QStringLiteral("/tmp/s1s1[PAGE]"));

    QVERIFY(writeRequestData(request.toJson(), path("again.req")));
    SplitRequest copy;
    readSplitRequest(path("again.req"), copy);
    QCOMPARE(copy.toJson(), handWrittenSplitRequest());

    // Parts and rotations, by hand as well: a part without a name has no "name".
    const QJsonArray parts{
        QJsonObject{{"pages", QJsonArray{QJsonObject{{"from", 1}, {"to", 4}}}}, {"name", "Intro"}},
        QJsonObject{{"pages", QJsonArray{QJsonObject{{"from", 5}, {"to", 5}}, QJsonObject{{"from", 7}, {"to", 9}}}}}};
    const QJsonArray rotations{QJsonObject{{"page", 2}, {"angle", 90}}, QJsonObject{{"page", 8}, {"angle", 270}}};
    QJsonObject object = handWrittenSplitRequest();
    object.insert("mode", 4);
    object.insert("parts", parts);
    object.insert("rotations", rotations);
    const SplitRequest byParts = SplitRequest::fromJson(object);
    QCOMPARE(byParts.mode, int(SplitRequest::Parts));
    QCOMPARE(byParts.parts.size(), 2);
    QCOMPARE(byParts.parts.at(1).pages, PageRangeList({{5, 5}, {7, 9}}));
    QCOMPARE(byParts.parts.at(0).name + "|" + byParts.parts.at(1).name, QStringLiteral("Intro|"));
    QCOMPARE(byParts.rotations.size(), 2);
    QCOMPARE(byParts.rotations.at(1).page * 1000 + byParts.rotations.at(1).angle, 8270);
    QCOMPARE(byParts.toJson(), object);
}

void JobFilesTest::missingOrMistypedKeysGiveDefaults()
{
    // A missing permission key means "allowed", unlike the record's own defaults.
    QCOMPARE(SplitRequest().permissions(), QList<bool>({true, true, true, true, true, false, false, false}));
    QCOMPARE(SplitRequest::fromJson({}).permissions(), allPermitted);
    QCOMPARE(MergeRequest::fromJson({}).permissions(), allPermitted);

    const SplitRequest split = SplitRequest::fromJson(
        {{"mode", "1"}, {"page_coount", 2.5}, {"file_name", 7}, {"compress_file", 1},
         {"ranges", QJsonArray{QJsonObject{{"from", "3"}}, 4}}});
    QCOMPARE(split.mode, 0);
    QCOMPARE(split.pageCount, 0);
    QVERIFY(split.fileName.isEmpty());
    QVERIFY(!split.compressFile);
    QCOMPARE(split.ranges, PageRangeList({{0, 0}, {0, 0}}));
}

void JobFilesTest::mergeRequestSortsItemsAndRanges()
{
    MergeRequest request = MergeRequest::fromJson(
        {{"tasks", QJsonArray{mergeTask("c.pdf", 3),
                              mergeTask("a.pdf", 1, {range(7, 7, 2), range(1, 2, 0), range(3, 4, 1)}),
                              mergeTask("b.pdf", 2, {range(1, 1, 0), range(5, 6, 0)})}}});
    QCOMPARE(request.tasks.size(), 3);
    QCOMPARE(request.tasks.at(0).fullPath + request.tasks.at(1).fullPath + request.tasks.at(2).fullPath,
             QStringLiteral("a.pdfb.pdfc.pdf"));
    QCOMPARE(request.tasks.at(0).pageRanges, PageRangeList({{1, 2}, {3, 4}, {7, 7}}));
    QCOMPARE(request.tasks.at(1).pageRanges, PageRangeList({{5, 6}}));   // the later of order 0
    QVERIFY(request.tasks.at(2).pageRanges.isEmpty());

    // Written back, ranges are numbered by position, so the user's order survives.
    request.tasks[0].pageRanges = {{3, 4}, {1, 1}};
    request.permissionCopyAccess = false;
    QVERIFY(writeRequestData(request.toJson(), path("merge.req")));
    MergeRequest copy;
    readMergeRequest(path("merge.req"), copy);
    QCOMPARE(copy.toJson(), request.toJson());
    QCOMPARE(copy.tasks.first().pageRanges, PageRangeList({{3, 4}, {1, 1}}));

    // Bookmarks: a missing or unknown choice keeps them; each choice survives the trip.
    QCOMPARE(request.bookmarks, MergeBookmarks::Keep);
    QCOMPARE(MergeRequest::fromJson({{"bookmarks", "all"}}).bookmarks, MergeBookmarks::Keep);
    for (MergeBookmarks choice : {MergeBookmarks::PerDocument, MergeBookmarks::None, MergeBookmarks::Keep}) {
        request.bookmarks = choice;
        QCOMPARE(MergeRequest::fromJson(request.toJson()).bookmarks, choice);
    }
    QCOMPARE(request.toJson().value("bookmarks").toString(), QString("keep"));

    // Optimising: a request without it, or with an unknown or mistyped
    // choice, writes as before and carries no key; each choice and its
    // resolution limit survive the trip; a limit no screen or printer uses
    // falls back to 150 dpi.
    QVERIFY(!request.toJson().contains("optimise"));
    QCOMPARE(MergeRequest::fromJson({{"optimise", "maximum"}}).optimise, Optimisation::None);
    QCOMPARE(SplitRequest::fromJson({{"optimise", 2}}).optimise, Optimisation::None);
    request.optimise = Optimisation::Images;
    request.imageDpiLimit = 300;
    const MergeRequest optimised = MergeRequest::fromJson(request.toJson());
    QCOMPARE(optimised.optimise, Optimisation::Images);
    QCOMPARE(optimised.imageDpiLimit, 300);
    QCOMPARE(SplitRequest::fromJson({{"optimise", "lossless"}}).optimise, Optimisation::Lossless);
    QCOMPARE(SplitRequest::fromJson({{"optimise", "images"}, {"optimise_image_dpi", 3}}).imageDpiLimit, 150);
}

void JobFilesTest::unreadableOrPlainJsonRequest()
{
    SplitRequest untouched;
    untouched.mode = 1;
    readSplitRequest(path("missing.req"), untouched);
    QCOMPARE(untouched.mode, 1);

    // Plain JSON is not Base64: it decodes to garbage and every field takes its default.
    QVERIFY(writeRaw(path("plain.req"), QJsonDocument(handWrittenSplitRequest()).toJson()));
    SplitRequest request = untouched;
    readSplitRequest(path("plain.req"), request);
    QCOMPARE(request.toJson(), SplitRequest::fromJson({}).toJson());

    // Base64 wrapped into CRLF lines, as an editor may save it, still reads.
    QByteArray wrapped = QJsonDocument(handWrittenSplitRequest()).toJson().toBase64();
    for (int at = 76; at < wrapped.size(); at += 78)
        wrapped.insert(at, "\r\n");
    QVERIFY(writeRaw(path("wrapped.req"), wrapped + "\r\n"));
    SplitRequest fromWrapped;
    readSplitRequest(path("wrapped.req"), fromWrapped);
    QCOMPARE(fromWrapped.toJson(), handWrittenSplitRequest());
}

void JobFilesTest::responsesAreOneLineOfBase64()
{
    SplitResponse split;
    split.sessionId = QStringLiteral("s3");
    split.errorCode = 4;
    split.files = QStringList({QStringLiteral("/out/a_p1.pdf"), QStringLiteral("/out/(1)a_p1.pdf")});
    QVERIFY(writeSplitResponse(split, path("s3.resp")));

    const QByteArray raw = readRaw(path("s3.resp"));
    QVERIFY(QRegularExpression(QStringLiteral("^[A-Za-z0-9+/]+=*$")).match(QString::fromLatin1(raw)).hasMatch());
    QCOMPARE(QFileInfo(path("s3.resp")).permissions() & QFileDevice::Permissions(0x0077), QFileDevice::Permissions());

    QJsonObject object;
    QVERIFY(readResponseData(path("s3.resp"), object));
    QCOMPARE(object.value("files").toArray().at(1).toObject().value("file_name").toString(),
             QStringLiteral("/out/(1)a_p1.pdf"));
    const SplitResponse splitCopy = SplitResponse::fromJson(object);
    QCOMPARE(splitCopy.sessionId + QString::number(splitCopy.errorCode), QStringLiteral("s34"));
    QCOMPARE(splitCopy.files, split.files);

    MergeResponse merge;
    merge.errorCode = 5;
    merge.errorFileName = QStringLiteral("/in/locked.pdf");
    QVERIFY(writeMergeResponse(merge, path("s4.resp")));
    QVERIFY(!readRaw(path("s4.resp")).contains('\n'));
    QVERIFY(readResponseData(path("s4.resp"), object));
    QCOMPARE(object, (QJsonObject{{"error_code", 5}, {"merged_file_name", ""}, {"error_file_name", "/in/locked.pdf"},
                                  {"error_cause", 0}}));

    QVERIFY(!readResponseData(path("none.resp"), object));
    QVERIFY(!writeSplitResponse(split, path("no/folder.resp")));
}

void JobFilesTest::loggedRequestMasksPasswords()
{
    QVERIFY(writeEncoded(path("masked-split.req"), handWrittenSplitRequest()));
    QVERIFY(writeEncoded(path("masked-merge.req"),
                         {{"tasks", QJsonArray{mergeTask("one.pdf", 1), mergeTask("two.pdf", 2)}},
                          {"property_password", "merge-out-secret"}}));
    QFile log(Logger::instance().logFilePath());
    QVERIFY(log.open(QIODevice::ReadOnly | QIODevice::Append));
    const qint64 logStart = log.size();

    SplitRequest split;
    readSplitRequest(path("masked-split.req"), split);
    MergeRequest merge;
    readMergeRequest(path("masked-merge.req"), merge);

    // The records keep the passwords; the log has one summary line per
    // request, which says a password is set but never what it is.
    QCOMPARE(split.filePassword, QStringLiteral("open-sesame"));
    QCOMPARE(merge.tasks.at(1).password, QStringLiteral("pw-two.pdf"));
    QVERIFY(log.seek(logStart));
    const QString text = QString::fromUtf8(log.readAll());
    QCOMPARE(text.count(QLatin1Char('\n')), 2);
    QVERIFY2(text.contains(QStringLiteral(
                 "DEBUG: Split request: mode 1, source '/home/u/in put.pdf', 12 pages, 2 ranges (first 5-9, last 1-6), "
                 "output folder '/home/u/out', flags: compress, password, restricted permissions, properties, "
                 "source password, source security, name template '[PAGE]'\n")),
             qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral(
                 "DEBUG: Merge request: 2 documents (first 'one.pdf', last 'two.pdf'), 14 pages, 0 ranges, "
                 "output file '', flags: password, 2 sources with password or security\n")),
             qPrintable(text));
    for (const char *secret : {"open-sesame", "out-secret", "pw-one.pdf", "pw-two.pdf"})
        QVERIFY2(!text.contains(QLatin1String(secret)), secret);
}

CM_TEST_GUILESS_MAIN(JobFilesTest)

#include "tst_JobFiles.moc"
