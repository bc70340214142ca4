#include "pdf/DocumentFacts.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFPageLabelDocumentHelper.hh>

#include <exception>
#include <set>
#include <string>

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
        // qpdf lists a field once for each of its widgets, and the widgets of
        // one field may be fields of their own name: a reader shows one field
        // per fully qualified name.
        std::set<std::string> fields;
        for (auto &field : QPDFAcroFormDocumentHelper(pdf).getFormFields())
            fields.insert(field.getFullyQualifiedName());
        facts.formFieldCount = int(fields.size());
        facts.hasPageLabels = QPDFPageLabelDocumentHelper(pdf).hasPageLabels();
        facts.opened = true;
    } catch (const std::exception &) {
        // A document the summary cannot read is reported as such by its caller.
        facts = DocumentFacts();
    }
    return facts;
}
