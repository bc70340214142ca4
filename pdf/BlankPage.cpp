#include "pdf/BlankPage.h"

#include <QImage>
#include <QVector>

#include <array>
#include <cmath>

namespace {

struct Area
{
    int left;
    int top;
    int width;
    int height;
};

QImage greyscale(const QImage &image)
{
    return image.format() == QImage::Format_Grayscale8 ? image : image.convertToFormat(QImage::Format_Grayscale8);
}

// The grey of most of the area: half its pixels are at least this light.
int paperGrey(const QImage &grey, const Area &area)
{
    std::array<qint64, 256> counts{};
    for (int y = area.top; y < area.top + area.height; ++y) {
        const uchar *line = grey.constScanLine(y);
        for (int x = area.left; x < area.left + area.width; ++x)
            ++counts[line[x]];
    }
    const qint64 half = qint64(area.width) * area.height / 2;
    qint64 lighter = 0;
    for (int level = 255; level > 0; --level) {
        lighter += counts[size_t(level)];
        if (lighter >= half)
            return level;
    }
    return 0;
}

// Walks the mark that holds the pixel at start, clearing it from the mask;
// true as soon as the mark reaches past the speck size either way.
bool markIsLarger(QVector<uchar> &mask, const Area &area, int start, int speckPixels, QVector<int> &stack)
{
    int left = start % area.width, right = left, top = start / area.width, bottom = top;
    stack.clear();
    stack.append(start);
    mask[start] = 0;
    while (!stack.isEmpty()) {
        const int at = stack.takeLast();
        const int x = at % area.width;
        const int y = at / area.width;
        left = qMin(left, x);
        right = qMax(right, x);
        top = qMin(top, y);
        bottom = qMax(bottom, y);
        if (right - left + 1 > speckPixels || bottom - top + 1 > speckPixels)
            return true;
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const int nx = x + dx;
                const int ny = y + dy;
                if (nx < 0 || ny < 0 || nx >= area.width || ny >= area.height)
                    continue;
                const int next = ny * area.width + nx;
                if (mask[next]) {
                    mask[next] = 0;
                    stack.append(next);
                }
            }
        }
    }
    return false;
}

} // namespace

namespace BlankPage {

bool isBlank(const QImage &image, double dotsPerMm, const BlankOptions &options)
{
    if (image.isNull())
        return false;
    const QImage grey = greyscale(image);
    const int borderX = int(std::ceil(grey.width() * BorderShare));
    const int borderY = int(std::ceil(grey.height() * BorderShare));
    const Area area{borderX, borderY, grey.width() - 2 * borderX, grey.height() - 2 * borderY};
    if (area.width <= 0 || area.height <= 0)
        return true;

    const int darkest = paperGrey(grey, area) - qBound(1, options.darkness, 255);
    if (darkest < 0)
        return true;   // paper so dark that nothing can be darker by that much
    QVector<uchar> mask(area.width * area.height, 0);
    bool anyDark = false;
    for (int y = 0; y < area.height; ++y) {
        const uchar *line = grey.constScanLine(area.top + y) + area.left;
        uchar *row = mask.data() + y * area.width;
        for (int x = 0; x < area.width; ++x) {
            if (line[x] < darkest) {
                row[x] = 1;
                anyDark = true;
            }
        }
    }
    if (!anyDark)
        return true;

    const int speckPixels = qMax(1, int(std::ceil(options.speckMm * dotsPerMm)));
    QVector<int> stack;
    for (int at = 0; at < mask.size(); ++at) {
        if (mask[at] && markIsLarger(mask, area, at, speckPixels, stack))
            return false;
    }
    return true;
}

} // namespace BlankPage
