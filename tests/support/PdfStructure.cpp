#include "tests/support/PdfStructure.h"

#include <qpdf/QPDF.hh>

#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFNameTreeObjectHelper.hh>
#include <qpdf/QPDFOutlineDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageLabelDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <map>
#include <set>
#include <memory>

namespace {

using Handle = QPDFObjectHandle;

Handle parse(QPDF &pdf, const std::string &text)
{
    return pdf.makeIndirectObject(Handle::parse(text));
}

Handle appearance(QPDF &pdf, const std::string &content, Handle resources, double width, double height)
{
    auto stream = Handle::newStream(&pdf, content);
    auto dict = stream.getDict();
    dict.replaceKey("/Type", Handle::newName("/XObject"));
    dict.replaceKey("/Subtype", Handle::newName("/Form"));
    dict.replaceKey("/BBox", Handle::parse("[0 0 " + std::to_string(width) + " " + std::to_string(height) + "]"));
    if (!resources.isNull())
        dict.replaceKey("/Resources", resources);
    return stream;
}

void addAnnotation(Handle page, Handle annotation)
{
    if (!page.getKey("/Annots").isArray())
        page.replaceKey("/Annots", Handle::newArray());
    page.getKey("/Annots").appendItem(annotation);
}

Handle buttonAppearances(QPDF &pdf, const std::string &onState)
{
    auto states = Handle::newDictionary();
    states.replaceKey(onState, appearance(pdf, "0 g 4 4 12 12 re f", Handle::newNull(), 20, 20));
    states.replaceKey("/Off", appearance(pdf, "", Handle::newNull(), 20, 20));
    auto all = Handle::newDictionary();
    all.replaceKey("/N", states);
    return all;
}

void addForm(QPDF &pdf, bool asksForAppearances)
{
    auto pages = pdf.getAllPages();
    auto font = parse(pdf, "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>");
    auto resources = Handle::newDictionary();
    resources.replaceKey("/Font", Handle::newDictionary());
    resources.getKey("/Font").replaceKey("/Helv", font);

    // One field shown on both pages, as a name in the header of each page.
    auto name = parse(pdf, "<< /FT /Tx /T (Name) /V (Ada) /DA (/Helv 12 Tf 0 g) /Kids [] >>");
    for (int page : {0, 1}) {
        auto widget = parse(pdf, "<< /Type /Annot /Subtype /Widget /F 4 /Rect [72 700 272 720] >>");
        auto nameAppearance = Handle::newDictionary();
        nameAppearance.replaceKey("/N", appearance(pdf, "/Tx BMC BT /Helv 12 Tf 2 5 Td (Ada) Tj ET EMC", resources, 200, 20));
        widget.replaceKey("/AP", nameAppearance);
        widget.replaceKey("/P", pages[size_t(page)]);
        widget.replaceKey("/Parent", name);
        name.getKey("/Kids").appendItem(widget);
        addAnnotation(pages[size_t(page)], widget);
    }

    auto agree = parse(pdf, "<< /Type /Annot /Subtype /Widget /FT /Btn /T (Agree) /V /Yes /AS /Yes /F 4 "
                            "/Rect [72 560 92 580] >>");
    agree.replaceKey("/AP", buttonAppearances(pdf, "/Yes"));
    agree.replaceKey("/P", pages[0]);

    auto choice = parse(pdf, "<< /FT /Btn /Ff 49152 /T (Choice) /V /B /Kids [] >>");
    for (const std::string state : {"/A", "/B"}) {
        const std::string x = state == "/A" ? "72" : "112";
        auto button = parse(pdf, "<< /Type /Annot /Subtype /Widget /F 4 /Rect [" + x + " 600 " + x + " 620] >>");
        button.replaceKey("/Rect", Handle::parse("[" + x + " 600 " + std::to_string(std::stoi(x) + 20) + " 620]"));
        button.replaceKey("/AS", Handle::newName(state == "/B" ? "/B" : "/Off"));
        button.replaceKey("/AP", buttonAppearances(pdf, state));
        button.replaceKey("/Parent", choice);
        button.replaceKey("/P", pages[1]);
        choice.getKey("/Kids").appendItem(button);
        addAnnotation(pages[1], button);
    }
    addAnnotation(pages[0], agree);

    auto form = Handle::newDictionary();
    form.replaceKey("/Fields", Handle::newArray({name, agree, choice}));
    form.replaceKey("/DA", Handle::newString("/Helv 0 Tf 0 g"));
    form.replaceKey("/DR", resources);
    if (asksForAppearances)
        form.replaceKey("/NeedAppearances", Handle::newBool(true));
    pdf.getRoot().replaceKey("/AcroForm", form);
}

Handle fit(Handle page)
{
    return Handle::newArray({page, Handle::newName("/Fit")});
}

Handle outlineItem(QPDF &pdf, Handle parent, const std::string &title)
{
    auto item = pdf.makeIndirectObject(Handle::newDictionary());
    item.replaceKey("/Title", Handle::newUnicodeString(title));
    item.replaceKey("/Parent", parent);
    auto last = parent.getKey("/Last");
    if (last.isDictionary()) {
        last.replaceKey("/Next", item);
        item.replaceKey("/Prev", last);
    } else {
        parent.replaceKey("/First", item);
    }
    parent.replaceKey("/Last", item);
    return item;
}

void addOutline(QPDF &pdf)
{
    auto pages = pdf.getAllPages();
    auto root = pdf.getRoot();
    auto tree = QPDFNameTreeObjectHelper::newEmpty(pdf);
    tree.insert("secA1", fit(pages[1]));
    tree.insert("secB2", fit(pages[5]));
    auto names = Handle::newDictionary();
    names.replaceKey("/Dests", tree.getObjectHandle());
    root.replaceKey("/Names", names);
    auto dests = Handle::newDictionary();
    dests.replaceKey("/partB", Handle::parse("<< /D [] >>"));
    dests.getKey("/partB").replaceKey("/D", fit(pages[3]));
    root.replaceKey("/Dests", dests);

    auto outlines = parse(pdf, "<< /Type /Outlines >>");
    root.replaceKey("/Outlines", outlines);
    auto partA = outlineItem(pdf, outlines, "Part A");
    partA.replaceKey("/Dest", fit(pages[0]));
    outlineItem(pdf, partA, "A.1").replaceKey("/Dest", Handle::newString("secA1"));
    auto a2 = outlineItem(pdf, partA, "A.2");
    a2.replaceKey("/A", Handle::parse("<< /S /GoTo >>"));
    a2.getKey("/A").replaceKey("/D", Handle::newArray({pages[2], Handle::newName("/XYZ"), Handle::newInteger(0),
                                                       Handle::newInteger(792), Handle::newInteger(0)}));
    partA.replaceKey("/Count", Handle::newInteger(2));
    auto partB = outlineItem(pdf, outlines, "Part B");
    partB.replaceKey("/Dest", Handle::newName("/partB"));
    outlineItem(pdf, partB, "B.1").replaceKey("/Dest", fit(pages[4]));
    outlineItem(pdf, partB, "B.2").replaceKey("/Dest", Handle::newString("secB2"));
    partB.replaceKey("/Count", Handle::newInteger(-2));
    outlineItem(pdf, outlines, "Website").replaceKey("/A", Handle::parse("<< /S /URI /URI (https://example.org/) >>"));
    outlines.replaceKey("/Count", Handle::newInteger(5));

    auto link = [&](Handle target, const char *key) {
        auto annotation = parse(pdf, "<< /Type /Annot /Subtype /Link /Rect [72 100 172 120] /Border [0 0 0] >>");
        annotation.replaceKey(key, target);
        addAnnotation(pages[0], annotation);
    };
    link(fit(pages[4]), "/Dest");
    link(Handle::newString("secA1"), "/Dest");
    link(Handle::parse("<< /S /URI /URI (https://example.org/) >>"), "/A");
}

void addPageLabels(QPDF &pdf)
{
    pdf.getRoot().replaceKey("/PageLabels", Handle::parse("<< /Nums [0 << /S /r >> 2 << /S /D >>] >>"));
}

std::unique_ptr<QPDF> openDocument(const QString &path)
{
    auto pdf = std::make_unique<QPDF>();
    pdf->setSuppressWarnings(true);
    try {
        pdf->processFile(path.toLocal8Bit().constData());
    } catch (const std::exception &) {
        return nullptr;
    }
    return pdf;
}

std::map<QPDFObjGen, int> pageNumbers(QPDF &pdf)
{
    std::map<QPDFObjGen, int> numbers;
    int number = 0;
    for (const auto &page : pdf.getAllPages())
        numbers[page.getObjGen()] = ++number;
    return numbers;
}

int pageNumberOf(const std::map<QPDFObjGen, int> &numbers, Handle page)
{
    if (!page.isIndirect())
        return 0;
    const auto it = numbers.find(page.getObjGen());
    return it == numbers.end() ? 0 : it->second;
}

// Named destinations from the catalog's /Dests and the /Names tree.
std::map<std::string, Handle> namedDestinationMap(QPDF &pdf)
{
    std::map<std::string, Handle> all;
    auto explicitArray = [](Handle value) { return value.isDictionary() ? value.getKey("/D") : value; };
    auto dests = pdf.getRoot().getKey("/Dests");
    if (dests.isDictionary()) {
        for (const auto &key : dests.getKeys())
            all[key.substr(1)] = explicitArray(dests.getKey(key));
    }
    auto names = pdf.getRoot().getKey("/Names");
    if (names.isDictionary() && names.getKey("/Dests").isDictionary()) {
        for (const auto &entry : QPDFNameTreeObjectHelper(names.getKey("/Dests"), pdf))
            all[entry.first] = explicitArray(entry.second);
    }
    return all;
}

QString valueText(Handle value)
{
    if (value.isName())
        return QString::fromStdString(value.getName());
    if (value.isString())
        return QString::fromStdString(value.getUTF8Value());
    return QString();
}

QString roman(int number, bool upper)
{
    static const std::pair<int, const char *> digits[] = {{1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"},
        {100, "c"}, {90, "xc"}, {50, "l"}, {40, "xl"}, {10, "x"}, {9, "ix"}, {5, "v"}, {4, "iv"}, {1, "i"}};
    QString text;
    for (const auto &[value, letters] : digits) {
        for (; number >= value; number -= value)
            text += QLatin1String(letters);
    }
    return upper ? text.toUpper() : text;
}

QString labelText(Handle label)
{
    if (!label.isDictionary())
        return QString();
    const QString prefix = valueText(label.getKey("/P"));
    const int number = label.getKey("/St").isInteger() ? int(label.getKey("/St").getIntValue()) : 1;
    const QString style = valueText(label.getKey("/S"));
    if (style == "/D")
        return prefix + QString::number(number);
    if (style == "/r" || style == "/R")
        return prefix + roman(number, style == "/R");
    if (style == "/a" || style == "/A") {
        const QChar letter(char((style == "/a" ? 'a' : 'A') + (number - 1) % 26));
        return prefix + QString((number - 1) / 26 + 1, letter);
    }
    return prefix;
}

// qpdf resolves a named destination but leaves one given as a dictionary as it is.
Handle destinationPage(QPDFOutlineObjectHelper &item)
{
    auto destination = item.getDest();
    if (destination.isDictionary())
        destination = destination.getKey("/D");
    return destination.isArray() && destination.getArrayNItems() > 0 ? destination.getArrayItem(0) : Handle::newNull();
}

void listOutline(const std::vector<QPDFOutlineObjectHelper> &items, int level,
                 const std::map<QPDFObjGen, int> &numbers, QStringList &lines)
{
    for (auto item : items) {
        auto action = item.getObjectHandle().getKey("/A");
        const bool uri = action.isDictionary() && action.getKey("/S").isNameAndEquals("/URI");
        QString line = QString(level * 2, ' ') + QString::fromStdString(item.getTitle()) + " -> "
                       + (uri ? QStringLiteral("uri") : QString::number(pageNumberOf(numbers, destinationPage(item))));
        const auto kids = item.getKids();
        if (!kids.empty() && item.getCount() < 0)
            line += " [closed]";
        lines << line;
        listOutline(kids, level + 1, numbers, lines);
    }
}

} // namespace

void addStructure(QPDF &pdf, const FixtureOptions &options)
{
    if (!options.title.isEmpty()) {
        auto info = pdf.makeIndirectObject(Handle::newDictionary());
        info.replaceKey("/Title", Handle::newUnicodeString(options.title.toStdString()));
        pdf.getTrailer().replaceKey("/Info", info);
    }
    if (options.form)
        addForm(pdf, options.formAsksForAppearances);
    if (options.outline)
        addOutline(pdf);
    if (options.pageLabels)
        addPageLabels(pdf);
}

QStringList formFields(const QString &path)
{
    auto pdf = openDocument(path);
    if (!pdf)
        return {};
    QPDFAcroFormDocumentHelper form(*pdf);
    std::map<QPDFObjGen, int> fieldPages;
    int number = 0;
    for (auto &page : QPDFPageDocumentHelper(*pdf).getAllPages()) {
        ++number;
        for (auto &widget : form.getWidgetAnnotationsForPage(page))
            fieldPages.emplace(form.getFieldForAnnotation(widget).getObjectHandle().getObjGen(), number);
    }
    QStringList fields;
    for (auto &field : form.getFormFields()) {
        const auto it = fieldPages.find(field.getObjectHandle().getObjGen());
        fields << QStringLiteral("%1=%2@%3").arg(QString::fromStdString(field.getFullyQualifiedName()),
                                                 valueText(field.getValue()))
                      .arg(it == fieldPages.end() ? 0 : it->second);
    }
    fields.sort();
    fields.removeDuplicates();   // a radio group lists once per button
    return fields;
}

int widgetsOffPages(const QString &path)
{
    auto pdf = openDocument(path);
    if (!pdf)
        return -1;
    QPDFAcroFormDocumentHelper form(*pdf);
    std::set<QPDFObjGen> onPages;
    for (auto &page : QPDFPageDocumentHelper(*pdf).getAllPages()) {
        for (auto &widget : form.getWidgetAnnotationsForPage(page))
            onPages.insert(widget.getObjectHandle().getObjGen());
    }
    int count = 0;
    for (auto &field : form.getFormFields()) {
        for (auto &widget : form.getAnnotationsForField(field))
            count += onPages.count(widget.getObjectHandle().getObjGen()) ? 0 : 1;
    }
    return count;
}

QStringList formDefaults(const QString &path)
{
    auto pdf = openDocument(path);
    if (!pdf)
        return {};
    auto form = pdf->getRoot().getKey("/AcroForm");
    QStringList present;
    if (form.getKey("/DA").isString())
        present << "DA";
    if (form.getKey("/DR").isDictionary() && form.getKey("/DR").getKey("/Font").isDictionary())
        present << "DR";
    if (form.getKey("/NeedAppearances").isBool() && form.getKey("/NeedAppearances").getBoolValue())
        present << "NeedAppearances";
    return present;
}

bool fillTextField(const QString &path, const QString &fieldName, const QString &value, const QString &output)
{
    auto pdf = openDocument(path);
    if (!pdf)
        return false;
    try {
        QPDFAcroFormDocumentHelper form(*pdf);
        const auto fields = form.getFieldsWithQualifiedName(fieldName.toStdString());
        if (fields.empty())
            return false;
        for (const auto &objGen : fields)
            QPDFFormFieldObjectHelper(pdf->getObjectByObjGen(objGen)).setV(value.toStdString());
        QPDFWriter writer(*pdf, output.toLocal8Bit().constData());
        writer.write();
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

QStringList outlineLines(const QString &path)
{
    auto pdf = openDocument(path);
    if (!pdf)
        return {};
    QStringList lines;
    QPDFOutlineDocumentHelper outline(*pdf);
    listOutline(outline.getTopLevelOutlines(), 0, pageNumbers(*pdf), lines);
    return lines;
}

QStringList pageLabelTexts(const QString &path)
{
    auto pdf = openDocument(path);
    if (!pdf)
        return {};
    QPDFPageLabelDocumentHelper labels(*pdf);
    QStringList texts;
    if (!labels.hasPageLabels())
        return texts;
    const long long count = (long long)pdf->getAllPages().size();
    for (long long index = 0; index < count; ++index)
        texts << labelText(labels.getLabelForPage(index));
    return texts;
}

QStringList linkTargets(const QString &path, int page)
{
    auto pdf = openDocument(path);
    if (!pdf)
        return {};
    const auto numbers = pageNumbers(*pdf);
    const auto named = namedDestinationMap(*pdf);
    QStringList targets;
    Handle pageObject = pdf->getAllPages().at(size_t(page - 1));
    auto annotations = pageObject.getKey("/Annots");
    for (auto &annotation : annotations.aitems()) {
        if (!annotation.getKey("/Subtype").isNameAndEquals("/Link"))
            continue;
        auto action = annotation.getKey("/A");
        if (action.isDictionary() && action.getKey("/S").isNameAndEquals("/URI")) {
            targets << "uri";
            continue;
        }
        auto destination = annotation.hasKey("/Dest") ? annotation.getKey("/Dest") : action.getKey("/D");
        if (destination.isArray()) {
            targets << QStringLiteral("page %1").arg(pageNumberOf(numbers, destination.getArrayItem(0)));
        } else {
            const QString name = valueText(destination).remove(0, destination.isName() ? 1 : 0);
            const auto it = named.find(name.toStdString());
            Handle found = it == named.end() ? Handle::newNull() : it->second;
            const int target = found.isArray() ? pageNumberOf(numbers, found.getArrayItem(0)) : 0;
            targets << QStringLiteral("name %1 -> page %2").arg(name).arg(target);
        }
    }
    return targets;
}

namespace {

// Checks the node and what is beneath it; names holds every name seen so far.
QString nameNodeProblem(Handle node, bool isRoot, std::vector<std::string> &names, int depth)
{
    if (depth > 32 || !node.isDictionary())
        return QStringLiteral("a node is not a dictionary, or the tree loops");
    const size_t firstBelow = names.size();
    if (node.hasKey("/Kids")) {
        for (auto &kid : node.getKey("/Kids").aitems()) {
            const QString problem = nameNodeProblem(kid, false, names, depth + 1);
            if (!problem.isEmpty())
                return problem;
        }
    } else {
        auto pairs = node.getKey("/Names");
        for (int i = 0; i + 1 < pairs.getArrayNItems(); i += 2) {
            const std::string name = pairs.getArrayItem(i).getUTF8Value();
            if (!names.empty() && !(names.back() < name))
                return QStringLiteral("\"%1\" follows \"%2\"").arg(QString::fromStdString(name),
                                                                   QString::fromStdString(names.back()));
            names.push_back(name);
        }
    }
    if (isRoot)
        return QString();
    auto limits = node.getKey("/Limits");
    if (names.size() == firstBelow || !limits.isArray() || limits.getArrayNItems() != 2
        || limits.getArrayItem(0).getUTF8Value() != names[firstBelow]
        || limits.getArrayItem(1).getUTF8Value() != names.back())
        return QStringLiteral("the limits of the node holding \"%1\" are not its first and last name")
            .arg(QString::fromStdString(names.size() > firstBelow ? names[firstBelow] : std::string()));
    return QString();
}

} // namespace

QString nameTreeProblem(const QString &path)
{
    auto pdf = openDocument(path);
    if (!pdf)
        return QStringLiteral("the file does not open");
    auto names = pdf->getRoot().getKey("/Names");
    if (!names.isDictionary() || !names.getKey("/Dests").isDictionary())
        return QStringLiteral("the document has no /Names /Dests tree");
    std::vector<std::string> seen;
    return nameNodeProblem(names.getKey("/Dests"), true, seen, 0);
}

QStringList namedDestinations(const QString &path)
{
    auto pdf = openDocument(path);
    if (!pdf)
        return {};
    const auto numbers = pageNumbers(*pdf);
    QStringList lines;
    for (auto [name, destination] : namedDestinationMap(*pdf)) {
        const int page = destination.isArray() ? pageNumberOf(numbers, destination.getArrayItem(0)) : 0;
        lines << QStringLiteral("%1 -> page %2").arg(QString::fromStdString(name)).arg(page);
    }
    return lines;
}
