#include "pdf/DocumentFacts.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFPageLabelDocumentHelper.hh>

#include <exception>

DocumentFacts readDocumentFacts(const QString &path, const QString &password)
{
    DocumentFacts facts;
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processFile(path.toLocal8Bit().constData(), password.toUtf8().constData());
        QPDFObjectHandle info = pdf.getTrailer().getKey("/Info");
        if (info.isDictionary() && info.getKey("/Author").isString())
            facts.author = QString::fromStdString(info.getKey("/Author").getUTF8Value());
        QPDFAcroFormDocumentHelper forms(pdf);
        facts.formFieldCount = int(forms.getFormFields().size());
        facts.hasPageLabels = QPDFPageLabelDocumentHelper(pdf).hasPageLabels();
        facts.opened = true;
    } catch (const std::exception &) {
        // A document the summary cannot read is reported as such by its caller.
        facts = DocumentFacts();
    }
    return facts;
}
