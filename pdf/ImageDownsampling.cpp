#include "pdf/ImageDownsampling.h"

#include <qpdf/Pl_Buffer.hh>
#include <qpdf/Pl_DCT.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <set>
#include <vector>

namespace ImageDownsampling {

namespace {

constexpr int JpegQuality = 85;
// Forms drawn within forms deeper than this are not followed: real
// documents nest a few levels, damaged ones may loop.
constexpr int DeepestForm = 12;

// A PDF transformation matrix [a b c d e f], applied to row vectors.
struct Matrix
{
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;

    // This matrix first, then other: the PDF order of "m cm" on a CTM.
    Matrix then(const Matrix &o) const
    {
        return {a * o.a + b * o.c, a * o.b + b * o.d, c * o.a + d * o.c, c * o.b + d * o.d,
                e * o.a + f * o.c + o.e, e * o.b + f * o.d + o.f};
    }

    static Matrix of(std::vector<QPDFObjectHandle> numbers)
    {
        Matrix m;
        if (numbers.size() != 6)
            return m;
        for (auto &n : numbers) {
            if (!n.isNumber())
                return m;
        }
        return {numbers[0].getNumericValue(), numbers[1].getNumericValue(), numbers[2].getNumericValue(),
                numbers[3].getNumericValue(), numbers[4].getNumericValue(), numbers[5].getNumericValue()};
    }
};

// The lowest resolution, per axis, at which an image appears anywhere.
struct ImageUse
{
    QPDFObjectHandle image;
    double dpiX = std::numeric_limits<double>::infinity();
    double dpiY = std::numeric_limits<double>::infinity();
};

using ImageUses = std::map<QPDFObjGen, ImageUse>;

void collectUses(QPDFObjectHandle contents, QPDFObjectHandle resources, const Matrix &start, int depth,
                 ImageUses &uses);

// Follows the graphics state through one content stream, enough to know the
// matrix at each image or form drawn with "Do".
class DrawingWalker : public QPDFObjectHandle::ParserCallbacks
{
public:
    DrawingWalker(QPDFObjectHandle resources, const Matrix &start, int depth, ImageUses &uses)
        : m_resources(resources), m_matrix(start), m_depth(depth), m_uses(uses)
    {
    }

    void handleObject(QPDFObjectHandle object) override
    {
        if (!object.isOperator()) {
            m_operands.push_back(object);
            return;
        }
        const std::string op = object.getOperatorValue();
        if (op == "q") {
            m_saved.push_back(m_matrix);
        } else if (op == "Q") {
            if (!m_saved.empty()) {
                m_matrix = m_saved.back();
                m_saved.pop_back();
            }
        } else if (op == "cm") {
            m_matrix = Matrix::of(m_operands).then(m_matrix);
        } else if (op == "Do" && m_operands.size() == 1 && m_operands.front().isName()) {
            draw(m_operands.front().getName());
        }
        m_operands.clear();
    }

    void handleEOF() override {}

private:
    void draw(const std::string &name)
    {
        QPDFObjectHandle xobjects = m_resources.isDictionary() ? m_resources.getKey("/XObject")
                                                               : QPDFObjectHandle::newNull();
        if (!xobjects.isDictionary())
            return;
        QPDFObjectHandle xobject = xobjects.getKey(name);
        if (!xobject.isStream() || !xobject.isIndirect())
            return;
        QPDFObjectHandle dict = xobject.getDict();
        QPDFObjectHandle subtype = dict.getKey("/Subtype");
        if (subtype.isNameAndEquals("/Image"))
            noteImage(xobject);
        else if (subtype.isNameAndEquals("/Form") && m_depth < DeepestForm)
            drawForm(xobject);
    }

    void noteImage(QPDFObjectHandle image)
    {
        QPDFObjectHandle dict = image.getDict();
        ImageUse &use = m_uses[image.getObjGen()];
        use.image = image;
        QPDFObjectHandle width = dict.getKey("/Width");
        QPDFObjectHandle height = dict.getKey("/Height");
        // The image's unit square is drawn with the current matrix.
        const double drawnWidth = std::hypot(m_matrix.a, m_matrix.b) / 72.0;
        const double drawnHeight = std::hypot(m_matrix.c, m_matrix.d) / 72.0;
        if (!width.isInteger() || !height.isInteger() || drawnWidth <= 0 || drawnHeight <= 0) {
            use.dpiX = use.dpiY = 0;   // cannot tell: leave it alone
            return;
        }
        use.dpiX = std::min(use.dpiX, double(width.getIntValue()) / drawnWidth);
        use.dpiY = std::min(use.dpiY, double(height.getIntValue()) / drawnHeight);
    }

    void drawForm(QPDFObjectHandle form)
    {
        QPDFObjectHandle dict = form.getDict();
        QPDFObjectHandle formMatrix = dict.getKey("/Matrix");
        const Matrix start = formMatrix.isArray() ? Matrix::of(formMatrix.getArrayAsVector()).then(m_matrix)
                                                  : m_matrix;
        QPDFObjectHandle resources = dict.getKey("/Resources");
        collectUses(form, resources.isDictionary() ? resources : m_resources, start, m_depth + 1, m_uses);
    }

    QPDFObjectHandle m_resources;
    Matrix m_matrix;
    int m_depth;
    ImageUses &m_uses;
    std::vector<QPDFObjectHandle> m_operands;
    std::vector<Matrix> m_saved;
};

void collectUses(QPDFObjectHandle contents, QPDFObjectHandle resources, const Matrix &start, int depth,
                 ImageUses &uses)
{
    DrawingWalker walker(resources, start, depth, uses);
    try {
        QPDFPageObjectHelper(contents).parseContents(&walker);
    } catch (const std::exception &) {
        // What could not be read draws nothing this needs to know about.
    }
}

// Colour or grey, eight bits a sample, no mask of any kind, stored in a way
// qpdf can decode: the images whose samples are only a picture.
int pictureComponents(QPDFObjectHandle image)
{
    QPDFObjectHandle dict = image.getDict();
    if (dict.getKey("/ImageMask").isBool() && dict.getKey("/ImageMask").getBoolValue())
        return 0;
    if (dict.hasKey("/SMask") || dict.hasKey("/Mask") || dict.hasKey("/Decode") || dict.hasKey("/SMaskInData"))
        return 0;
    QPDFObjectHandle bits = dict.getKey("/BitsPerComponent");
    if (!bits.isInteger() || bits.getIntValue() != 8)
        return 0;
    QPDFObjectHandle filters = dict.getKey("/Filter");
    std::vector<QPDFObjectHandle> filterList = filters.isArray() ? filters.getArrayAsVector()
                                                                       : std::vector<QPDFObjectHandle>{filters};
    for (auto filter : filterList) {
        if (filter.isNull())
            continue;
        if (!filter.isName())
            return 0;
        const std::string name = filter.getName();
        if (name == "/JBIG2Decode" || name == "/JPXDecode" || name == "/CCITTFaxDecode" || name == "/Crypt")
            return 0;
    }
    QPDFObjectHandle space = dict.getKey("/ColorSpace");
    if (space.isNameAndEquals("/DeviceRGB"))
        return 3;
    if (space.isNameAndEquals("/DeviceGray"))
        return 1;
    if (space.isArray() && space.getArrayNItems() == 2 && space.getArrayItem(0).isNameAndEquals("/ICCBased")) {
        QPDFObjectHandle profile = space.getArrayItem(1);
        QPDFObjectHandle n = profile.isStream() ? profile.getDict().getKey("/N") : QPDFObjectHandle();
        if (n.isInteger() && (n.getIntValue() == 1 || n.getIntValue() == 3))
            return int(n.getIntValue());
    }
    return 0;
}

// Each new pixel is the mean of the source pixels whose area it covers.
std::string resampled(const unsigned char *pixels, int width, int height, int components, int newWidth,
                      int newHeight)
{
    std::string out(size_t(newWidth) * size_t(newHeight) * size_t(components), '\0');
    std::vector<double> sums(static_cast<size_t>(components));
    for (int y = 0; y < newHeight; ++y) {
        const int y0 = int(static_cast<long long>(y) * height / newHeight);
        const int y1 = std::max(y0 + 1, int(static_cast<long long>(y + 1) * height / newHeight));
        for (int x = 0; x < newWidth; ++x) {
            const int x0 = int(static_cast<long long>(x) * width / newWidth);
            const int x1 = std::max(x0 + 1, int(static_cast<long long>(x + 1) * width / newWidth));
            std::fill(sums.begin(), sums.end(), 0.0);
            for (int sy = y0; sy < y1; ++sy) {
                const unsigned char *row = pixels + (size_t(sy) * size_t(width) + size_t(x0)) * size_t(components);
                for (int sx = x0; sx < x1; ++sx, row += components) {
                    for (int k = 0; k < components; ++k)
                        sums[size_t(k)] += row[k];
                }
            }
            const double area = double(y1 - y0) * double(x1 - x0);
            char *target = &out[(size_t(y) * size_t(newWidth) + size_t(x)) * size_t(components)];
            for (int k = 0; k < components; ++k)
                target[k] = char(static_cast<unsigned char>(std::lround(sums[size_t(k)] / area)));
        }
    }
    return out;
}

class JpegQualitySetting : public Pl_DCT::CompressConfig
{
public:
    void apply(jpeg_compress_struct *settings) override { jpeg_set_quality(settings, JpegQuality, TRUE); }
};

std::string jpegOf(const std::string &pixels, int width, int height, int components)
{
    Pl_Buffer output("jpeg");
    JpegQualitySetting quality;
    Pl_DCT encoder("jpeg encoder", &output, JDIMENSION(width), JDIMENSION(height), components,
                   components == 3 ? JCS_RGB : JCS_GRAYSCALE, &quality);
    encoder.write(reinterpret_cast<const unsigned char *>(pixels.data()), pixels.size());
    encoder.finish();
    auto buffer = output.getBufferSharedPointer();
    return std::string(reinterpret_cast<const char *>(buffer->getBuffer()), buffer->getSize());
}

int targetSize(int pixels, double dpi, int dpiLimit)
{
    if (dpi <= dpiLimit)
        return pixels;
    return std::max(1, int(std::lround(pixels * dpiLimit / dpi)));
}

// True when the image is now stored at the limit, smaller than it was.
bool downsample(const ImageUse &use, int dpiLimit)
{
    QPDFObjectHandle image = use.image;
    const int components = pictureComponents(image);
    if (components == 0)
        return false;
    QPDFObjectHandle dict = image.getDict();
    const int width = int(dict.getKey("/Width").getIntValue());
    const int height = int(dict.getKey("/Height").getIntValue());
    const int newWidth = targetSize(width, use.dpiX, dpiLimit);
    const int newHeight = targetSize(height, use.dpiY, dpiLimit);
    if (width <= 0 || height <= 0 || (newWidth == width && newHeight == height))
        return false;

    std::shared_ptr<Buffer> stored;
    std::shared_ptr<Buffer> pixels;
    try {
        stored = image.getRawStreamData();
        pixels = image.getStreamData(qpdf_dl_all);
    } catch (const std::exception &) {
        return false;
    }
    if (pixels->getSize() < size_t(width) * size_t(height) * size_t(components))
        return false;
    const std::string jpeg = jpegOf(resampled(pixels->getBuffer(), width, height, components, newWidth, newHeight),
                                    newWidth, newHeight, components);
    if (jpeg.size() >= stored->getSize())
        return false;
    image.replaceStreamData(jpeg, QPDFObjectHandle::newName("/DCTDecode"), QPDFObjectHandle::newNull());
    dict.replaceKey("/Width", QPDFObjectHandle::newInteger(newWidth));
    dict.replaceKey("/Height", QPDFObjectHandle::newInteger(newHeight));
    return true;
}

} // namespace

Counts downsampleImages(QPDF &pdf, int dpiLimit)
{
    ImageUses uses;
    for (auto &page : QPDFPageDocumentHelper(pdf).getAllPages())
        collectUses(page.getObjectHandle(), page.getAttribute("/Resources", false), Matrix(), 0, uses);

    Counts counts;
    for (const auto &entry : uses) {
        if (downsample(entry.second, dpiLimit))
            ++counts.changed;
        else
            ++counts.left;
    }
    return counts;
}

} // namespace ImageDownsampling
