#include "tests/support/OutlineFixture.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>

#include <QFile>

#include <cstdio>

#include <exception>
#include <vector>

namespace {

using Handle = QPDFObjectHandle;

void appendChild(Handle parent, Handle item)
{
    item.replaceKey("/Parent", parent);
    auto last = parent.getKey("/Last");
    if (last.isDictionary()) {
        last.replaceKey("/Next", item);
        item.replaceKey("/Prev", last);
    } else {
        parent.replaceKey("/First", item);
    }
    parent.replaceKey("/Last", item);
    // Open items: each parent counts every item beneath it.
    for (Handle up = parent; up.isDictionary(); up = up.getKey("/Parent")) {
        auto count = up.getKey("/Count");
        up.replaceKey("/Count", Handle::newInteger(count.isInteger() ? count.getIntValue() + 1 : 1));
    }
}

} // namespace

bool writeOutline(const QString &path, const QList<FixtureBookmark> &items)
{
    try {
        const QByteArray name = QFile::encodeName(path);
        QPDF pdf;
        pdf.processFile(name.constData());
        const auto pages = pdf.getAllPages();
        auto outlines = pdf.makeIndirectObject(Handle::parse("<< /Type /Outlines >>"));
        pdf.getRoot().replaceKey("/Outlines", outlines);
        std::vector<Handle> parents{outlines};   // parents[level] takes the items of that level
        for (const FixtureBookmark &bookmark : items) {
            auto item = pdf.makeIndirectObject(Handle::newDictionary());
            item.replaceKey("/Title", Handle::newUnicodeString(bookmark.title.toStdString()));
            item.replaceKey("/Dest", Handle::newArray({pages.at(size_t(bookmark.page - 1)), Handle::newName("/Fit")}));
            appendChild(parents.at(size_t(bookmark.level)), item);
            parents.resize(size_t(bookmark.level) + 1);
            parents.push_back(item);
        }
        const QByteArray temporary = name + ".outline";
        {
            QPDFWriter writer(pdf, temporary.constData());
            writer.write();
        }
        return ::rename(temporary.constData(), name.constData()) == 0;
    } catch (const std::exception &) {
        return false;
    }
}
