// Checks the embedded style sheet and its images: every image the sheet or
// the program names is compiled in and loads, the committed PNGs still match
// their SVG sources, and the sheet's structural hooks behave as the windows
// expect.

#include "tests/support/TestGroup.h"
#include <QApplication>
#include <QCheckBox>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QStyle>
#include <QTextStream>
#include <QtTest>

namespace {

QString sourceDir()
{
    return qEnvironmentVariable("CLEAVEMARK_SOURCE_DIR");
}

QString styleSheetText()
{
    QFile file(QStringLiteral(":/style/style.css"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QStringList compiledImages()
{
    QStringList paths;
    QDirIterator it(QStringLiteral(":/style/images"), QDir::Files);
    while (it.hasNext())
        paths << it.next();
    paths.sort();
    return paths;
}

// One line of resources/rendered-images.txt.
struct RenderedImage {
    QString png;
    QString svg;
    QSize size;
    QByteArray svgMd5;
};

QList<RenderedImage> renderedImages()
{
    QList<RenderedImage> images;
    QFile file(sourceDir() + QStringLiteral("/resources/rendered-images.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return images;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (fields.size() != 5)
            continue;
        images.append({fields[0], fields[1], QSize(fields[2].toInt(), fields[3].toInt()),
                       fields[4].toLatin1()});
    }
    return images;
}

QByteArray md5Of(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Md5).toHex();
}

// Collects the warnings Qt prints while the style sheet is parsed and applied.
QStringList g_warnings;
void collectWarnings(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtWarningMsg || type == QtCriticalMsg)
        g_warnings << message;
}

} // namespace

class TestStyleResources : public QObject
{
    Q_OBJECT

private slots:
    void styleSheetIsCompiledIn();
    void everyImageTheStyleSheetNamesLoads();
    void programImagesExistAtTheSizesTheWidgetsUse();
    void everyCompiledImageLoads();
    void compiledImagesMatchTheirSvgSources();
    void styleSheetParsesWithoutWarnings();
    void tabBarIsFoldedUntilRenamed();
    void checkBoxIndicatorIsDrawnFromTheSheet();

private:
    void applyStyleSheet();
};

void TestStyleResources::applyStyleSheet()
{
    if (qApp->styleSheet().isEmpty())
        qApp->setStyleSheet(styleSheetText());
}

void TestStyleResources::styleSheetIsCompiledIn()
{
    const QString css = styleSheetText();
    QVERIFY2(!css.isEmpty(), ":/style/style.css is missing or empty");
    QCOMPARE(css.count(QLatin1Char('{')), css.count(QLatin1Char('}')));
}

void TestStyleResources::everyImageTheStyleSheetNamesLoads()
{
    const QString css = styleSheetText();
    QRegularExpression url(QStringLiteral("url\\(\\s*\"?([^\")\\s]+)\"?\\s*\\)"));
    QSet<QString> seen;
    auto it = url.globalMatch(css);
    while (it.hasNext()) {
        const QString path = it.next().captured(1);
        QVERIFY2(path.startsWith(QLatin1String(":/style/images/")),
                 qPrintable(QStringLiteral("not an embedded image: ") + path));
        seen.insert(path);
        QVERIFY2(!QPixmap(path).isNull(), qPrintable(QStringLiteral("does not load: ") + path));
    }
    QVERIFY2(seen.size() > 40, "the sheet should draw its icons from the embedded images");
}

void TestStyleResources::programImagesExistAtTheSizesTheWidgetsUse()
{
    // Images the program loads by name; a zero size means any size will do.
    const QList<QPair<QString, QSize>> images = {
        {QStringLiteral("logo.png"), QSize()},
        {QStringLiteral("splash.png"), QSize()},
        {QStringLiteral("icon16.png"), QSize(16, 16)},
        {QStringLiteral("AppIconPdf256.png"), QSize(256, 256)},
        {QStringLiteral("lock.png"), QSize(30, 39)},     // shown unscaled in a 30 x 39 label
        {QStringLiteral("locked.png"), QSize(35, 35)},
        {QStringLiteral("helplabel.png"), QSize()},
        {QStringLiteral("Sort.png"), QSize()},
        {QStringLiteral("SortUp.png"), QSize()},
        {QStringLiteral("SortDown.png"), QSize()},
        {QStringLiteral("tablesearchnormal.png"), QSize()},
        {QStringLiteral("tablesearchpressed.png"), QSize()},
        {QStringLiteral("tablesearchfocusnormal.png"), QSize()},
        {QStringLiteral("tablesearchfocuspressed.png"), QSize()},
        {QStringLiteral("tabledeletenormal.png"), QSize()},
        {QStringLiteral("tabledeletepress.png"), QSize()},
        {QStringLiteral("tabledeletefocusnormal.png"), QSize()},
        {QStringLiteral("tabledeletefocuspressed.png"), QSize()},
    };
    for (const auto &image : images) {
        const QPixmap pixmap(QStringLiteral(":/style/images/") + image.first);
        QVERIFY2(!pixmap.isNull(), qPrintable(image.first));
        if (image.second.isValid())
            QCOMPARE(pixmap.size(), image.second);
    }

    // The splash message area reaches (369, 219) and the version sits in the
    // bottom right corner 20 pixels in: the picture must hold both.
    const QSize splash = QPixmap(QStringLiteral(":/style/images/splash.png")).size();
    QVERIFY(splash.width() >= 400 && splash.height() >= 260);

    // The sort arrows of one header are drawn in the same place.
    const QSize sort = QPixmap(QStringLiteral(":/style/images/Sort.png")).size();
    QCOMPARE(QPixmap(QStringLiteral(":/style/images/SortUp.png")).size(), sort);
    QCOMPARE(QPixmap(QStringLiteral(":/style/images/SortDown.png")).size(), sort);
}

void TestStyleResources::everyCompiledImageLoads()
{
    const QStringList paths = compiledImages();
    QVERIFY(!paths.isEmpty());
    for (const QString &path : paths) {
        const QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        // The splash (and its @2x rendering) is the one opaque picture.
        const bool splash = path.endsWith(QLatin1String("/splash.png"))
                            || path.endsWith(QLatin1String("/splash@2x.png"));
        QVERIFY2(image.hasAlphaChannel() || splash,
                 qPrintable(path + QStringLiteral(" should be drawn on a transparent ground")));
    }
}

void TestStyleResources::compiledImagesMatchTheirSvgSources()
{
    const QList<RenderedImage> rendered = renderedImages();
    QVERIFY2(!rendered.isEmpty(), "resources/rendered-images.txt is missing or empty");

    QSet<QString> listed;
    QSet<QString> usedSources;
    for (const RenderedImage &image : rendered) {
        listed.insert(image.png);
        usedSources.insert(image.svg);
        const QString svgPath = sourceDir() + QStringLiteral("/resources/svg/") + image.svg;
        QVERIFY2(QFile::exists(svgPath), qPrintable(QStringLiteral("no source for ") + image.png));
        QVERIFY2(md5Of(svgPath) == image.svgMd5,
                 qPrintable(image.svg + QStringLiteral(" changed since ") + image.png
                            + QStringLiteral(" was rendered: run resources/render-images.sh")));
        const QImage png(QStringLiteral(":/style/images/") + image.png);
        QVERIFY2(!png.isNull(), qPrintable(image.png + QStringLiteral(" is not compiled in")));
        QCOMPARE(png.size(), image.size);
    }

    for (const QString &path : compiledImages()) {
        const QString name = path.section(QLatin1Char('/'), -1);
        QVERIFY2(listed.contains(name), qPrintable(name + QStringLiteral(" has no SVG source")));
    }

    QDirIterator sources(sourceDir() + QStringLiteral("/resources/svg"), {QStringLiteral("*.svg")});
    while (sources.hasNext()) {
        const QString name = sources.next().section(QLatin1Char('/'), -1);
        QVERIFY2(usedSources.contains(name), qPrintable(name + QStringLiteral(" is never rendered")));
    }
}

void TestStyleResources::styleSheetParsesWithoutWarnings()
{
    g_warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectWarnings);
    applyStyleSheet();
    QWidget window;
    auto *button = new QPushButton(QStringLiteral("SAVE SETTINGS"), &window);
    button->setObjectName(QStringLiteral("buttonSaveSettings"));
    auto *check = new QCheckBox(QStringLiteral("Compress files"), &window);
    check->move(0, 60);
    window.ensurePolished();
    button->ensurePolished();
    check->ensurePolished();
    window.grab();
    qInstallMessageHandler(previous);

    QVERIFY2(g_warnings.isEmpty(), qPrintable(g_warnings.join(QLatin1Char('\n'))));
    // The sheet reached the widget: primary buttons are the 42-pixel kind.
    QVERIFY(button->sizeHint().height() >= 40);
}

void TestStyleResources::tabBarIsFoldedUntilRenamed()
{
    applyStyleSheet();
    QLabel bar;
    bar.setObjectName(QStringLiteral("labelTabBarHide"));
    bar.ensurePolished();
    QCOMPARE(bar.maximumHeight(), 0);

    bar.setObjectName(QStringLiteral("labelTabBar"));
    bar.style()->unpolish(&bar);
    bar.style()->polish(&bar);
    QVERIFY(bar.maximumHeight() > 30);
    QCOMPARE(bar.maximumHeight(), bar.minimumHeight());
}

void TestStyleResources::checkBoxIndicatorIsDrawnFromTheSheet()
{
    applyStyleSheet();
    QCheckBox box;
    box.setChecked(true);
    box.resize(box.sizeHint());
    const QImage image = box.grab().toImage();

    // The checked indicator is a filled square in the accent colour.
    const QColor accent(QStringLiteral("#2f6fe4"));
    int accentPixels = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < qMin(image.width(), 24); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (qAbs(c.red() - accent.red()) < 6 && qAbs(c.green() - accent.green()) < 6
                && qAbs(c.blue() - accent.blue()) < 6)
                ++accentPixels;
        }
    }
    QVERIFY2(accentPixels > 100, qPrintable(QString::number(accentPixels)));
}

CM_TEST_MAIN(TestStyleResources)
#include "test_style_resources.moc"
