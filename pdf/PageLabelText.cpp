#include "pdf/PageLabelText.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageLabelDocumentHelper.hh>

namespace {

QString roman(long long number)
{
    // Readers count on past 3999 with more M's; so do we.
    static const struct { int value; const char *digits; } steps[] = {
        {1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"}, {100, "c"}, {90, "xc"},
        {50, "l"},   {40, "xl"},  {10, "x"},  {9, "ix"},   {5, "v"},   {4, "iv"}, {1, "i"}};
    QString text;
    for (const auto &step : steps) {
        for (; number >= step.value; number -= step.value)
            text += QLatin1String(step.digits);
    }
    return text;
}

// a..z, then aa..zz, aaa..: the letter repeated, as the PDF reference has it.
QString letters(long long number)
{
    const int repeat = int((number - 1) / 26) + 1;
    return QString(qMin(repeat, 1000), QChar('a' + int((number - 1) % 26)));
}

QString textOf(QPDFObjectHandle object)
{
    return object.isString() ? QString::fromStdString(object.getUTF8Value()) : QString();
}

} // namespace

QString pageLabelText(const QString &prefix, const QString &style, long long number)
{
    if (number < 1)
        return prefix + (style == QLatin1String("D") ? QString::number(number) : QString());
    if (style == QLatin1String("D"))
        return prefix + QString::number(number);
    if (style == QLatin1String("r"))
        return prefix + roman(number);
    if (style == QLatin1String("R"))
        return prefix + roman(number).toUpper();
    if (style == QLatin1String("a"))
        return prefix + letters(number);
    if (style == QLatin1String("A"))
        return prefix + letters(number).toUpper();
    return prefix;
}

QStringList pageLabelTexts(QPDF &pdf)
{
    QPDFPageLabelDocumentHelper labels(pdf);
    if (!labels.hasPageLabels())
        return {};
    const long long count = static_cast<long long>(pdf.getAllPages().size());
    QStringList texts;
    texts.reserve(int(count));
    for (long long index = 0; index < count; ++index) {
        QPDFObjectHandle label = labels.getLabelForPage(index);
        if (!label.isDictionary()) {
            texts.append(QString::number(index + 1));
            continue;
        }
        QPDFObjectHandle style = label.getKey("/S");
        QPDFObjectHandle start = label.getKey("/St");
        texts.append(pageLabelText(textOf(label.getKey("/P")),
                                   style.isName() ? QString::fromStdString(style.getName()).mid(1) : QString(),
                                   start.isInteger() ? start.getIntValue() : 1));
    }
    return texts;
}
