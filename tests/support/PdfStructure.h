#pragma once

#include "tests/support/PdfFixtures.h"

#include <QString>
#include <QStringList>

class QPDF;

// The interactive parts of generated fixtures, and readers that report them
// through qpdf's document helpers.
//
// form (2 pages): the text field "Name" ("Ada") shows on both pages; page 1
// also holds the check box "Agree" (on), page 2 the radio group "Choice"
// with the buttons "A" and "B" ("B" chosen). The form has a default appearance, resources and asks
// readers to build appearances.
//
// outline (6 pages):
//   Part A        -> page 1 (explicit)
//     A.1         -> page 2 (named "secA1" in the /Names tree)
//     A.2         -> page 3 (GoTo action)
//   Part B        -> page 4 (named /partB in the catalog's /Dests), closed
//     B.1         -> page 5
//     B.2         -> page 6 (named "secB2")
//   Website       -> a web address
// Page 1 has links to page 5, to "secA1" and to a web address.
//
// pageLabels: pages 1 and 2 are i and ii, the pages from 3 on 1, 2, 3 ...
void addStructure(QPDF &pdf, const FixtureOptions &options);

// "Name=value" of every terminal field, in the order of the form's field
// tree, with the 1-based page of its first widget: "Name=Ada@1".
QStringList formFields(const QString &path);

// Widgets of the form's fields that sit on no page.
int widgetsOffPages(const QString &path);

// The form's defaults: which of "DA", "DR", "NeedAppearances" it has.
QStringList formDefaults(const QString &path);

// Sets a text field's value through qpdf and writes the result to output.
bool fillTextField(const QString &path, const QString &fieldName, const QString &value, const QString &output);

// One line per bookmark: two spaces per level, title, " -> " and the page
// it leads to (0 for none; "uri" for a web address); "[closed]" marks a
// closed item with children.
QStringList outlineLines(const QString &path);

// Each page's label as a reader shows it ("i", "ii", "1", ...); empty when
// the document has no labels.
QStringList pageLabelTexts(const QString &path);

// Where the links of a page lead: "page N", "name X -> page N" or "uri".
QStringList linkTargets(const QString &path, int page);

// Every named destination: "name -> page N".
QStringList namedDestinations(const QString &path);
// What is wrong with the /Names /Dests tree, as viewers that search it by
// the limits its nodes state would stumble on: names out of order, or a
// node whose /Limits are not the first and last name beneath it. Empty when
// the tree is sound.
QString nameTreeProblem(const QString &path);
