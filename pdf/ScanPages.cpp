#include "pdf/ScanPages.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFMatrix.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <set>
#include <vector>

#include <jpeglib.h>

namespace {

// Larger scans are left to the renderer, which has its own limits.
constexpr qint64 LargestPixelCount = qint64(16384) * 16384;

// A graphics state that leaves an image as it is: no transparency, no
// blending, no soft mask; line and overprint settings do not touch it.
bool leavesImagesAlone(QPDFObjectHandle state)
{
    if (!state.isDictionary())
        return false;
    static const std::set<std::string> harmless = {"/Type", "/SA", "/SM", "/OP", "/op", "/OPM", "/LW", "/LC",
                                                   "/LJ", "/ML", "/D", "/RI", "/FL"};
    for (const std::string &key : state.getKeys()) {
        QPDFObjectHandle value = state.getKey(key);
        double number = 0;
        const bool fine = harmless.count(key) > 0
                          || ((key == "/CA" || key == "/ca") && value.getValueAsNumber(number) && number == 1)
                          || (key == "/SMask" && value.isNameAndEquals("/None"))
                          || (key == "/AIS" && value.isBool() && !value.getBoolValue())
                          || (key == "/BM"
                              && (value.isNameAndEquals("/Normal") || value.isNameAndEquals("/Compatible")));
        if (!fine)
            return false;
    }
    return true;
}

// Walks the page's content: true when it only places one image, and where.
// Choosing colour spaces and graphics states that leave the image alone are
// what writers add around it.
class SingleImage : public QPDFObjectHandle::ParserCallbacks
{
public:
    explicit SingleImage(QPDFObjectHandle states) : m_states(states) {}

    bool found() const { return m_plain && !m_name.empty(); }
    const std::string &name() const { return m_name; }
    const QPDFMatrix &placement() const { return m_placement; }

    void handleObject(QPDFObjectHandle object) override
    {
        if (!object.isOperator()) {
            m_operands.push_back(object);
            return;
        }
        const std::string op = object.getOperatorValue();
        if (op == "q")
            m_saved.push_back(m_matrix);
        else if (op == "Q" && !m_saved.empty()) {
            m_matrix = m_saved.back();
            m_saved.pop_back();
        } else if (op == "cm" && m_operands.size() == 6) {
            double v[6];
            for (int i = 0; i < 6; ++i) {
                if (!m_operands.at(size_t(i)).getValueAsNumber(v[i]))
                    return stop();
            }
            m_matrix.concat(QPDFMatrix(v[0], v[1], v[2], v[3], v[4], v[5]));
        } else if ((op == "cs" || op == "CS") && m_operands.size() == 1) {
        } else if (op == "gs" && m_operands.size() == 1 && m_operands.front().isName()) {
            if (!m_states.isDictionary() || !leavesImagesAlone(m_states.getKey(m_operands.front().getName())))
                return stop();
        } else if (op == "Do" && m_operands.size() == 1 && m_operands.front().isName() && m_name.empty()) {
            m_name = m_operands.front().getName();
            m_placement = m_matrix;
        } else {
            return stop();
        }
        m_operands.clear();
    }
    void handleEOF() override {}

private:
    void stop()
    {
        m_plain = false;
        terminateParsing();
    }

    QPDFObjectHandle m_states;   // the page's /ExtGState
    std::vector<QPDFObjectHandle> m_operands;
    std::vector<QPDFMatrix> m_saved;
    QPDFMatrix m_matrix;
    QPDFMatrix m_placement;
    std::string m_name;
    bool m_plain = true;
};

bool isDct(QPDFObjectHandle filter)
{
    if (filter.isArray() && filter.getArrayNItems() == 1)
        filter = filter.getArrayItem(0);
    return filter.isNameAndEquals("/DCTDecode");
}

bool isPlainColour(QPDFObjectHandle space)
{
    if (space.isNameAndEquals("/DeviceGray") || space.isNameAndEquals("/DeviceRGB"))
        return true;
    // An ICC profile for grey or RGB: the grey of its pixels is near enough.
    if (!space.isArray() || space.getArrayNItems() != 2 || !space.getArrayItem(0).isNameAndEquals("/ICCBased"))
        return false;
    QPDFObjectHandle components = space.getArrayItem(1).isStream() ? space.getArrayItem(1).getDict().getKey("/N")
                                                                   : QPDFObjectHandle::newNull();
    return components.isInteger() && (components.getIntValue() == 1 || components.getIntValue() == 3);
}

// An image drawn as it is stored: 8 bits, JPEG, grey or RGB, no mask, no
// decode array that would turn its colours.
bool isPlainScan(QPDFObjectHandle image)
{
    if (!image.isStream())
        return false;
    QPDFObjectHandle dict = image.getDict();
    return dict.getKey("/Subtype").isNameAndEquals("/Image") && isDct(dict.getKey("/Filter"))
           && dict.getKey("/BitsPerComponent").isInteger() && dict.getKey("/BitsPerComponent").getIntValue() == 8
           && isPlainColour(dict.getKey("/ColorSpace")) && !dict.hasKey("/Decode") && !dict.hasKey("/SMask")
           && !dict.hasKey("/Mask")
           && (!dict.getKey("/ImageMask").isBool() || !dict.getKey("/ImageMask").getBoolValue());
}

// The image fills the visible page, no more and no less than a point or two.
bool fillsBox(const QPDFMatrix &placement, const QPDFObjectHandle::Rectangle &box)
{
    const QPDFObjectHandle::Rectangle drawn = placement.transformRectangle({0, 0, 1, 1});
    const double tolerance = 0.01 * std::max(box.urx - box.llx, box.ury - box.lly) + 1;
    return std::abs(drawn.llx - box.llx) <= tolerance && std::abs(drawn.lly - box.lly) <= tolerance
           && std::abs(drawn.urx - box.urx) <= tolerance && std::abs(drawn.ury - box.ury) <= tolerance;
}

struct JpegError
{
    jpeg_error_mgr manager;
    std::jmp_buf escape;
};

void leaveDecoding(j_common_ptr decoder)
{
    std::longjmp(reinterpret_cast<JpegError *>(decoder->err)->escape, 1);
}

void ignoreMessage(j_common_ptr) {}

// Only C structures live between setjmp and longjmp here: the image the
// rows go to exists before.
bool decodeGrey(const unsigned char *data, size_t size, int denominator, QImage &image)
{
    jpeg_decompress_struct decoder;
    JpegError error;
    decoder.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = leaveDecoding;
    error.manager.output_message = ignoreMessage;
    if (setjmp(error.escape)) {
        jpeg_destroy_decompress(&decoder);
        return false;
    }
    jpeg_create_decompress(&decoder);
    jpeg_mem_src(&decoder, data, static_cast<unsigned long>(size));
    jpeg_read_header(&decoder, TRUE);
    // The size the data claims, not the one the dictionary does, is what
    // would be allocated.
    if (decoder.jpeg_color_space == JCS_CMYK || decoder.jpeg_color_space == JCS_YCCK
        || qint64(decoder.image_width) * decoder.image_height > LargestPixelCount) {
        jpeg_destroy_decompress(&decoder);
        return false;
    }
    decoder.out_color_space = JCS_GRAYSCALE;
    decoder.scale_num = 1;
    decoder.scale_denom = unsigned(denominator);
    decoder.dct_method = JDCT_ISLOW;
    jpeg_start_decompress(&decoder);
    image = QImage(int(decoder.output_width), int(decoder.output_height), QImage::Format_Grayscale8);
    while (!image.isNull() && decoder.output_scanline < decoder.output_height) {
        JSAMPROW row = image.scanLine(int(decoder.output_scanline));
        jpeg_read_scanlines(&decoder, &row, 1);
    }
    jpeg_finish_decompress(&decoder);
    jpeg_destroy_decompress(&decoder);
    return !image.isNull();
}

} // namespace

ScanPages::ScanPages(const QString &path, const QByteArray &password)
{
    try {
        auto pdf = std::make_unique<QPDF>();
        pdf->setSuppressWarnings(true);
        pdf->processFile(path.toLocal8Bit().constData(), password.constData());
        m_pdf = std::move(pdf);
    } catch (const std::exception &) {
    }
}

ScanPages::~ScanPages() = default;

ScanPages::Drawn ScanPages::drawSmall(int page, double minDpi) const
{
    if (!m_pdf)
        return {};
    try {
        const std::vector<QPDFObjectHandle> &pages = m_pdf->getAllPages();
        if (page < 1 || page > int(pages.size()))
            return {};
        QPDFPageObjectHelper one(pages.at(size_t(page - 1)));
        // Notes on the page are drawn over the scan.
        QPDFObjectHandle annotations = one.getObjectHandle().getKey("/Annots");
        if (annotations.isArray() && annotations.getArrayNItems() > 0)
            return {};
        QPDFObjectHandle resources = one.getAttribute("/Resources", false);
        SingleImage content(resources.isDictionary() ? resources.getKey("/ExtGState")
                                                     : QPDFObjectHandle::newNull());
        one.parseContents(&content);
        if (!content.found() || !resources.isDictionary())
            return {};
        QPDFObjectHandle image = resources.getKey("/XObject").getKey(content.name());
        const QPDFObjectHandle::Rectangle box = one.getCropBox().getArrayAsRectangle();
        if (!isPlainScan(image) || !fillsBox(content.placement(), box))
            return {};

        QPDFObjectHandle dict = image.getDict();
        const qint64 width = dict.getKey("/Width").isInteger() ? dict.getKey("/Width").getIntValue() : 0;
        const qint64 height = dict.getKey("/Height").isInteger() ? dict.getKey("/Height").getIntValue() : 0;
        const double areaMm2 = (box.urx - box.llx) * (box.ury - box.lly) * std::pow(25.4 / 72, 2);
        if (width <= 0 || height <= 0 || width * height > LargestPixelCount || areaMm2 <= 0)
            return {};
        const double dotsPerMm = std::sqrt(double(width * height) / areaMm2);
        int denominator = 8;
        while (denominator > 1 && dotsPerMm * 25.4 / denominator < minDpi)
            denominator /= 2;

        Drawn drawn;
        const auto raw = image.getRawStreamData();
        if (raw->getSize() == 0 || !decodeGrey(raw->getBuffer(), raw->getSize(), denominator, drawn.image))
            return {};
        drawn.dotsPerMm = std::sqrt(double(drawn.image.width()) * drawn.image.height() / areaMm2);
        return drawn;
    } catch (const std::exception &) {
        return {};
    }
}
