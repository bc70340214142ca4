#include "tests/support/TestGroup.h"
#include "pdf/PageRangeText.h"
#include "pdf/PdfDocument.h"
#include "pdf/PdfService.h"
#include "tests/support/PdfFixtures.h"
#include "tests/support/TestEnv.h"

#include <QFileInfo>
#include <QSet>
#include <QtTest>

namespace {

QStringList pageNames(std::initializer_list<int> numbers)
{
    QStringList names;
    for (int number : numbers)
        names << QStringLiteral("Page %1").arg(number);
    return names;
}

} // namespace

// Operations that move pages between files and documents: extraction by
// range text or span, merging, deleting and decrypting. Page identity is
// checked by the "Page k" text each fixture page carries.
class PdfPagesTest : public QObject
{
    Q_OBJECT

private:
    ScratchFolder m_scratch;
    QSharedPointer<PdfService> m_service;
    QString m_sixPages;

    QString fixture(const QString &name, const FixtureOptions &options = {})
    {
        const QString path = m_scratch.filePath(name);
        if (!writePdfFixture(path, options))
            qFatal("cannot write fixture %s", qPrintable(path));
        return path;
    }

    QString out(const QString &name) const { return m_scratch.filePath(name); }

private slots:
    void initTestCase()
    {
        FixtureOptions options;
        options.pageCount = 6;
        m_sixPages = fixture("six.pdf", options);
    }

    void init() { m_service.reset(new PdfService); }
    void cleanup() { m_service.reset(); }

    void rangeTextsNamePages_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("pages");
        QTest::addColumn<int>("error");
        const int none = int(RangeTextError::None);
        const int syntax = int(RangeTextError::Syntax);
        const int outside = int(RangeTextError::OutOfRange);
        QTest::newRow("single") << "4" << QList<int>{4} << none;
        QTest::newRow("ascending") << "3-5" << QList<int>{3, 4, 5} << none;
        QTest::newRow("descending") << "5-3" << QList<int>{5, 4, 3} << none;
        QTest::newRow("list") << "1,2,4,5" << QList<int>{1, 2, 4, 5} << none;
        QTest::newRow("mixed with spaces") << " 6 , 2 - 3,1" << QList<int>{6, 2, 3, 1} << none;
        QTest::newRow("repeated") << "2,2" << QList<int>{2, 2} << none;
        QTest::newRow("zero") << "0" << QList<int>{} << outside;
        QTest::newRow("past the end") << "5-7" << QList<int>{} << outside;
        QTest::newRow("huge") << "1-99999999999999999999" << QList<int>{} << outside;
        QTest::newRow("empty") << "" << QList<int>{} << syntax;
        QTest::newRow("empty item") << "1,,2" << QList<int>{} << syntax;
        QTest::newRow("negative") << "-2" << QList<int>{} << syntax;
        QTest::newRow("open range") << "3-" << QList<int>{} << syntax;
        QTest::newRow("words") << "all" << QList<int>{} << syntax;
    }

    void rangeTextsNamePages()
    {
        QFETCH(QString, text);
        QFETCH(QList<int>, pages);
        QFETCH(int, error);
        RangeTextError reason = RangeTextError::None;
        QCOMPARE(pagesFromRangeText(text, 6, &reason), pages);
        QCOMPARE(int(reason), error);
    }

    // What a person types into the window's page fields, on 6 pages.
    void typedRangesMayBeOpenAtEitherEnd()
    {
        RangeTextError reason = RangeTextError::None;
        QCOMPARE(typedPageRanges(" 3-5, 2 ,4-", 6, &reason), PageRangeList({{3, 5}, {2, 2}, {4, 6}}));
        QCOMPARE(int(reason), int(RangeTextError::None));
        QCOMPARE(typedPageRanges("-4", 6), PageRangeList({{1, 4}}));
        QCOMPARE(typedPageRanges("-", 6, &reason), PageRangeList());
        QCOMPARE(int(reason), int(RangeTextError::Syntax));
        for (const QString &wrong : {"", "3 5", "5-3", "1,,2", "1-2-3", "a"}) {
            QVERIFY2(typedPageRanges(wrong, 6, &reason).isEmpty(), qPrintable(wrong));
            QCOMPARE(int(reason), int(RangeTextError::Syntax));
        }
        QVERIFY(typedPageRanges("0-", 6, &reason).isEmpty());
        QCOMPARE(int(reason), int(RangeTextError::OutOfRange));
        QVERIFY(typedPageRanges("-7", 6, &reason).isEmpty());
        QCOMPARE(int(reason), int(RangeTextError::OutOfRange));
    }

    void extractFilePagesWritesTheRange_data()
    {
        QTest::addColumn<QString>("ranges");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("3-5") << "3-5" << pageNames({3, 4, 5});
        QTest::newRow("5-3") << "5-3" << pageNames({5, 4, 3});
        QTest::newRow("list") << "1,2,4,5" << pageNames({1, 2, 4, 5});
        QTest::newRow("ranges and pages") << "6,1-2,4-3" << pageNames({6, 1, 2, 4, 3});
        QTest::newRow("repeated page") << "2,2" << pageNames({2, 2});
        QTest::newRow("all") << "1-6" << pageNames({1, 2, 3, 4, 5, 6});
    }

    void extractFilePagesWritesTheRange()
    {
        QFETCH(QString, ranges);
        QFETCH(QStringList, expected);
        const QString target = out("range.pdf");
        QCOMPARE(m_service->extractFilePages(m_sixPages, QString(), target, ranges), 1);
        QCOMPARE(m_service->lastErrorCode(), 0);
        QCOMPARE(pageTexts(target), expected);
    }

    // Pieces written within the same second share time and information, the
    // seed of a generated identifier; each must still name a file of its own.
    void piecesGetFileIdentifiersOfTheirOwn()
    {
        QSet<QString> ids;
        for (int page = 1; page <= 4; ++page) {
            const QString target = out(QStringLiteral("piece%1.pdf").arg(page));
            QCOMPARE(m_service->extractFilePages(m_sixPages, QString(), target, QString::number(page)), 1);
            const QString id = fixtureFileId(target);
            QVERIFY2(!id.isEmpty(), qPrintable(target));
            ids.insert(id.section(QLatin1Char('-'), 0, 0));
        }
        QCOMPARE(ids.size(), 4);
    }

    void extractFilePagesRefusesBadRanges()
    {
        const QString target = out("refused.pdf");
        QCOMPARE(m_service->extractFilePages(m_sixPages, QString(), target, "5-7"), 0);
        QCOMPARE(m_service->lastErrorCode(), int(PdfEngine::PageOutOfRange));
        QCOMPARE(m_service->extractFilePages(m_sixPages, QString(), target, "0"), 0);
        QCOMPARE(m_service->lastErrorCode(), int(PdfEngine::PageOutOfRange));
        QCOMPARE(m_service->extractFilePages(m_sixPages, QString(), target, "2;3"), 0);
        QCOMPARE(m_service->lastErrorCode(), int(PdfEngine::BadArgument));
        QVERIFY(!QFileInfo::exists(target));
    }

    void extractionFromEncryptedSourceNeedsItsPassword()
    {
        FixtureOptions options;
        options.pageCount = 3;
        options.userPassword = "pw";
        const QString locked = fixture("locked.pdf", options);
        const QString target = out("fromlocked.pdf");
        QCOMPARE(m_service->extractFilePages(locked, QString(), target, "2"), 0);
        QCOMPARE(m_service->lastErrorCode(), int(PdfEngine::PasswordError));
        QCOMPARE(m_service->extractFilePages(locked, "pw", target, "3-2"), 1);
        QCOMPARE(pageTexts(target), pageNames({3, 2}));
    }

    void extractionNoticesAChangedSource()
    {
        // The parsed source is kept between calls; a rewritten file must not be served from it.
        const QString source = out("changing.pdf");
        FixtureOptions options;
        options.pageCount = 3;
        QVERIFY(writePdfFixture(source, options));
        QCOMPARE(m_service->extractFilePages(source, QString(), out("a.pdf"), "3"), 1);
        options.pageCount = 5;
        QVERIFY(writePdfFixture(source, options));
        QCOMPARE(m_service->extractFilePages(source, QString(), out("b.pdf"), "5-4"), 1);
        QCOMPARE(pageTexts(out("b.pdf")), pageNames({5, 4}));
    }

    // A split opens each extracted piece right away and saves it, with or
    // without changes; whatever was changed in memory must reach the saved
    // file, and an unchanged piece must save as a complete copy.
    void savedPieceFollowsItsChanges()
    {
        const QString piece = out("piece.pdf");
        const QList<bool> allPermitted{true, true, true, true, true, true, true, true};
        const auto extract = [&](const QString &ranges) {
            QCOMPARE(m_service->extractFilePages(m_sixPages, QString(), piece, ranges), 1);
        };

        extract("2");
        {
            PdfDocument document(m_service, piece, QString());
            QVERIFY(document.setProperties({"", "", "", "", ""}, allPermitted));
            QVERIFY(document.saveToFile(out("plain.pdf")));
        }
        QCOMPARE(pageTexts(out("plain.pdf")), pageNames({2}));
        QVERIFY(inspectSecurity(out("plain.pdf")).opened);
        QVERIFY(fixtureInfo(out("plain.pdf"), "/Title").isNull());

        extract("3");
        {
            PdfDocument document(m_service, piece, QString());
            QVERIFY(document.setProperties({"Ann", "Report", "", "", ""}, allPermitted));
            QVERIFY(document.saveToFile(out("titled.pdf")));
        }
        QCOMPARE(pageTexts(out("titled.pdf")), pageNames({3}));
        QCOMPARE(fixtureInfo(out("titled.pdf"), "/Title"), QStringLiteral("Report"));
        QCOMPARE(fixtureInfo(out("titled.pdf"), "/Author"), QStringLiteral("Ann"));

        extract("4");
        {
            PdfDocument document(m_service, piece, QString());
            QVERIFY(document.setProperties({"", "", "secret", "", ""}, allPermitted));
            QVERIFY(document.saveToFile(out("locked.pdf")));
        }
        QVERIFY(inspectSecurity(out("locked.pdf")).encrypted);
        QCOMPARE(pageTexts(out("locked.pdf"), "secret"), pageNames({4}));

        extract("5-6");
        {
            PdfDocument document(m_service, piece, QString());
            QCOMPARE(document.deletePages(1, 1), 1);
            QVERIFY(document.saveToFile(out("shortened.pdf")));
        }
        QCOMPARE(pageTexts(out("shortened.pdf")), pageNames({6}));

        // A piece rewritten on disk after extraction is read from the file.
        extract("1");
        QVERIFY(QFile::remove(piece));
        QVERIFY(QFile::copy(out("titled.pdf"), piece));
        {
            PdfDocument document(m_service, piece, QString());
            QVERIFY(document.saveToFile(out("reread.pdf")));
        }
        QCOMPARE(pageTexts(out("reread.pdf")), pageNames({3}));
    }

    // Output is gathered in memory and written in large pieces; a file
    // larger than one piece must still arrive whole, both as the extracted
    // piece and saved from it.
    void largePieceIsWrittenWhole()
    {
        // Images that no compression shrinks, so that the saved file is as
        // large as the piece.
        FixtureOptions options;
        options.pageCount = 2;
        options.pageImageBytes = 5 * 1024 * 1024;
        const QString large = fixture("large.pdf", options);

        QCOMPARE(m_service->extractFilePages(large, QString(), out("large-piece.pdf"), "1-2"), 1);
        QVERIFY(QFileInfo(out("large-piece.pdf")).size() > 2 * options.pageImageBytes);
        QCOMPARE(pageTexts(out("large-piece.pdf")), pageNames({1, 2}));
        {
            PdfDocument document(m_service, out("large-piece.pdf"), QString());
            QVERIFY(document.saveToFile(out("large-saved.pdf")));
        }
        QVERIFY(QFileInfo(out("large-saved.pdf")).size() > 2 * options.pageImageBytes);
        QCOMPARE(pageTexts(out("large-saved.pdf")), pageNames({1, 2}));
        QCOMPARE(pageImageChecksums(out("large-saved.pdf")), pageImageChecksums(large));
    }

    void extractedFilesCarryOnlyTheResourcesTheyUse()
    {
        FixtureOptions options;
        options.pageCount = 4;
        options.paddingBytes = 400000;   // an image in the shared resources, drawn on page 1 only
        options.compressStreams = false;
        const QString bulky = fixture("bulky.pdf", options);
        QVERIFY(QFileInfo(bulky).size() > 400000);

        QCOMPARE(m_service->extractFilePages(bulky, QString(), out("p2.pdf"), "2"), 1);
        QVERIFY2(QFileInfo(out("p2.pdf")).size() < 20000, qPrintable(QString::number(QFileInfo(out("p2.pdf")).size())));
        QCOMPARE(pageTexts(out("p2.pdf")), pageNames({2}));

        QCOMPARE(m_service->extractFilePages(bulky, QString(), out("p1.pdf"), "1"), 1);
        QVERIFY(QFileInfo(out("p1.pdf")).size() > 400000);   // the page that draws the image keeps it

        QCOMPARE(m_service->extractPages(bulky, QString(), out("p3.pdf"), 3, 2), 1);
        QVERIFY(QFileInfo(out("p3.pdf")).size() < 20000);
        QCOMPARE(pageTexts(out("p3.pdf")), pageNames({3, 4}));
    }

    void extractPagesWritesASpanAndClosesEverything()
    {
        QCOMPARE(m_service->extractPages(m_sixPages, QString(), out("span.pdf"), 2, 3), 1);
        QCOMPARE(pageTexts(out("span.pdf")), pageNames({2, 3, 4}));
        QCOMPARE(m_service->openDocumentCount(), 0);

        QCOMPARE(m_service->extractPages(m_sixPages, QString(), out("none.pdf"), 5, 3), 0);
        QCOMPARE(m_service->lastErrorCode(), int(PdfEngine::PageOutOfRange));
        QCOMPARE(m_service->extractPages(m_sixPages, QString(), out("none.pdf"), 1, 0), 0);
        QCOMPARE(m_service->extractPages(m_sixPages, QString(), m_scratch.filePath("no/folder/x.pdf"), 1, 1), 0);
        QCOMPARE(m_service->lastErrorCode(), int(PdfEngine::WriteFailed));
        QCOMPARE(m_service->openDocumentCount(), 0);
        QVERIFY(!QFileInfo::exists(out("none.pdf")));
    }

    void mergeAppendsEveryPage()
    {
        FixtureOptions two;
        two.pageCount = 2;
        two.pageRotations = {{2, 270}};
        const QString second = fixture("two.pdf", two);
        {
            PdfDocument merged(m_service);
            PdfDocument first(m_service, m_sixPages, QString());
            QCOMPARE(m_service->mergeDocument(merged.documentId(), first.documentId()), 1);
            {
                PdfDocument other(m_service, second, QString());
                QCOMPARE(m_service->mergeDocument(merged.documentId(), other.documentId()), 1);
            }   // the source closes before the merged document is saved
            QCOMPARE(merged.pageCount(), 9);
            QCOMPARE(merged.deletePages(1, 1), 1);   // the blank page a new document starts with
            QCOMPARE(merged.pageSize(8), QSize(792, 612));
            QVERIFY(merged.saveToFile(out("merged.pdf")));
        }
        QCOMPARE(pageTexts(out("merged.pdf")), pageNames({1, 2, 3, 4, 5, 6, 1, 2}));
        QCOMPARE(fixturePageRotation(out("merged.pdf"), 8), 270);
        QCOMPARE(m_service->openDocumentCount(), 0);
    }

    // A merged document reads its sources' streams only when written; by
    // then the sources are closed and their files may be gone or replaced.
    void mergedDocumentIsWrittenFromTheFilesItsSourcesWereReadFrom()
    {
        // Streams larger and smaller than one read of a file, each file's
        // images its own: identical ones would be written once.
        FixtureOptions options;
        options.pageCount = 3;
        options.pageImageBytes = 150000;
        const QString scans = fixture("scans.pdf", options);
        options.pageImageBytes = 160000;
        const QString replaced = fixture("replaced.pdf", options);
        options.pageImageBytes = 170000;
        const QString removed = fixture("removed.pdf", options);
        const QStringList images = pageImageChecksums(scans) + pageImageChecksums(replaced)
                                   + pageImageChecksums(removed);
        QCOMPARE(images.size(), 9);
        QCOMPARE(QSet<QString>(images.begin(), images.end()).size(), 9);
        {
            PdfDocument merged(m_service);
            for (const QString &file : {scans, replaced, removed}) {
                PdfDocument source(m_service, file, QString());
                QCOMPARE(m_service->mergeDocument(merged.documentId(), source.documentId()), 1);
            }
            QVERIFY(QFile::remove(removed));
            QVERIFY(QFile::remove(replaced));
            QVERIFY(QFile::copy(m_sixPages, replaced));
            QCOMPARE(merged.deletePages(1, 1), 1);
            QVERIFY(merged.saveToFile(out("scans-merged.pdf")));
        }
        QCOMPARE(pageTexts(out("scans-merged.pdf")), pageNames({1, 2, 3, 1, 2, 3, 1, 2, 3}));
        QVERIFY(QFileInfo(out("scans-merged.pdf")).size() > 9 * 150000);
        QCOMPARE(pageImageChecksums(out("scans-merged.pdf")), images);
        QCOMPARE(m_service->openDocumentCount(), 0);
    }

    // Damaged files name a stream where a resource dictionary belongs. The
    // pages keep what they name, as qpdf's own page extraction keeps it.
    void streamsInPlaceOfResourcesAreKept_data()
    {
        QTest::addColumn<int>("where");
        QTest::newRow("on the pages") << int(FixtureOptions::StreamResources::OnPages);
        QTest::newRow("inherited from the page tree") << int(FixtureOptions::StreamResources::OnPageTree);
        QTest::newRow("on form XObjects") << int(FixtureOptions::StreamResources::OnFormXObjects);
    }

    void streamsInPlaceOfResourcesAreKept()
    {
        QFETCH(int, where);
        FixtureOptions options;
        options.pageCount = 3;
        options.streamResources = FixtureOptions::StreamResources(where);
        const QString damaged = fixture("stream-resources.pdf", options);

        QCOMPARE(m_service->extractFilePages(damaged, QString(), out("sr-piece.pdf"), "2-3"), 1);
        QCOMPARE(pageTexts(out("sr-piece.pdf")), pageNames({2, 3}));
        QCOMPARE(m_service->extractPages(damaged, QString(), out("sr-span.pdf"), 1, 2), 1);
        QCOMPARE(pageTexts(out("sr-span.pdf")), pageNames({1, 2}));
        {
            PdfDocument merged(m_service);
            PdfDocument source(m_service, damaged, QString());
            QCOMPARE(m_service->mergeDocument(merged.documentId(), source.documentId()), 1);
            QVERIFY(merged.compressContent());   // compressing prunes resources, too
            QVERIFY(merged.saveToFile(out("sr-merged.pdf")));
        }
        QCOMPARE(pageTexts(out("sr-merged.pdf")), QStringList({QString()}) + pageNames({1, 2, 3}));
    }

    void mergeOfADocumentThatDidNotOpenFails()
    {
        PdfDocument merged(m_service);
        PdfDocument missing(m_service, out("missing.pdf"), QString());
        QCOMPARE(m_service->mergeDocument(merged.documentId(), missing.documentId()), 0);
        QCOMPARE(m_service->lastErrorCode(), int(PdfEngine::NoSuchDocument));
        QCOMPARE(merged.pageCount(), 1);
    }

    void deletePagesRemovesTheSpan()
    {
        PdfDocument document(m_service, m_sixPages, QString());
        QCOMPARE(document.deletePages(2, 2), 1);
        QCOMPARE(document.pageCount(), 4);
        QCOMPARE(document.deletePages(4, 2), 0);
        QCOMPARE(m_service->lastErrorCode(), int(PdfEngine::PageOutOfRange));
        QCOMPARE(document.deletePages(0, 1), 0);
        QCOMPARE(document.deletePages(1, -1), 0);
        QCOMPARE(document.pageCount(), 4);
        QVERIFY(document.saveToFile(out("deleted.pdf")));
        QCOMPARE(pageTexts(out("deleted.pdf")), pageNames({1, 4, 5, 6}));
        QCOMPARE(pageTexts(m_sixPages).size(), 6);   // the source file is untouched
    }

    void decryptWritesAnUnencryptedCopy()
    {
        FixtureOptions options;
        options.pageCount = 2;
        options.userPassword = "right";
        const QString locked = fixture("secret.pdf", options);

        QCOMPARE(m_service->decryptFile(locked, out("wrong.pdf"), "wrong"), 0);
        QCOMPARE(m_service->lastErrorCode(), int(PdfEngine::PasswordError));
        QVERIFY(!QFileInfo::exists(out("wrong.pdf")));
        QCOMPARE(m_service->decryptFile(locked, out("plain.pdf"), QString()), 0);
        QCOMPARE(m_service->lastErrorCode(), int(PdfEngine::PasswordError));

        QCOMPARE(m_service->decryptFile(locked, out("plain.pdf"), "right"), 1);
        QVERIFY(!inspectSecurity(out("plain.pdf")).encrypted);
        QCOMPARE(pageTexts(out("plain.pdf")), pageNames({1, 2}));

        FixtureOptions restricted;
        restricted.ownerPassword = "owner";
        restricted.restrictPermissions = true;
        const QString limited = fixture("limited.pdf", restricted);
        PdfDocument document(m_service, limited, QString());
        QVERIFY(document.isLoaded() && !document.needsPassword());
        QVERIFY(document.hasSecurity());
        QVERIFY(!document.securityItem5());
        PdfDocument asOwner(m_service, limited, "owner");
        QVERIFY(asOwner.securityItem5());
    }
};

CM_TEST_MAIN(PdfPagesTest)
#include "tst_pdfpages.moc"
