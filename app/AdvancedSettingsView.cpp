#include "app/AdvancedSettingsView.h"

#include "widgets/Button.h"
#include "widgets/ComboBoxDelegate.h"
#include "protocol/JobFiles.h"
#include "widgets/CheckBox.h"
#include "widgets/FlowLayout.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

namespace {

const int fieldHeight = 37;
const int fieldWidth = 380;
const int passwordFieldWidth = 349;
const int tagButtonHeight = 29;
const int footerButtonHeight = 42;

// One or more words without space, slash, colon, asterisk, question mark,
// angle brackets or vertical bar, separated by spaces, none at either end.
const QString fileNamePattern = QStringLiteral("^[^ \\/:*?<>|]+([ ]+[^ \\/:*?<>|]+)*$");

// The naming tags, in the order of their buttons. Each button shows its tag
// without the brackets and inserts it with them.
const char *const tagNames[] = {
    QT_TRANSLATE_NOOP("AdvancedSettingsView", "BASENAME"),
    QT_TRANSLATE_NOOP("AdvancedSettingsView", "COUNTER"),
    QT_TRANSLATE_NOOP("AdvancedSettingsView", "PAGE"),
    QT_TRANSLATE_NOOP("AdvancedSettingsView", "DATENOW"),
    QT_TRANSLATE_NOOP("AdvancedSettingsView", "TIMENOW"),
    QT_TRANSLATE_NOOP("AdvancedSettingsView", "BOOKMARK"),
    QT_TRANSLATE_NOOP("AdvancedSettingsView", "FIRSTLINE"),
    QT_TRANSLATE_NOOP("AdvancedSettingsView", "CODE"),
};

const char tagValueProperty[] = "tag_value";

// The bookmark choices of a merge, in the order of the list.
const struct {
    MergeBookmarks value;
    const char *text;
} bookmarkChoices[] = {
    {MergeBookmarks::Keep, QT_TRANSLATE_NOOP("AdvancedSettingsView", "Keep each document's bookmarks")},
    {MergeBookmarks::PerDocument,
     QT_TRANSLATE_NOOP("AdvancedSettingsView", "One per document, with its bookmarks beneath")},
    {MergeBookmarks::None, QT_TRANSLATE_NOOP("AdvancedSettingsView", "No bookmarks")},
};

// The optimising choices, in the order of the list.
const struct {
    Optimisation optimisation;
    int imageDpiLimit;
    const char *text;
} optimiseChoices[] = {
    {Optimisation::None, 150, QT_TRANSLATE_NOOP("AdvancedSettingsView", "Off")},
    {Optimisation::Lossless, 150, QT_TRANSLATE_NOOP("AdvancedSettingsView", "Lossless")},
    {Optimisation::Images, 300, QT_TRANSLATE_NOOP("AdvancedSettingsView", "Lossless, photos at 300 dpi")},
    {Optimisation::Images, 150, QT_TRANSLATE_NOOP("AdvancedSettingsView", "Lossless, photos at 150 dpi")},
};

int optimiseChoiceOf(const AdvancedSettings &settings)
{
    const int count = int(sizeof optimiseChoices / sizeof optimiseChoices[0]);
    for (int i = 0; i < count; ++i) {
        const auto &choice = optimiseChoices[i];
        if (choice.optimisation == settings.optimisation()
            && (choice.optimisation != Optimisation::Images || choice.imageDpiLimit == settings.imageDpiLimit()))
            return i;
    }
    return 0;
}

void reapplyStyle(QWidget *widget)
{
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    widget->update();
}

} // namespace

AdvancedSettingsView::AdvancedSettingsView(QWidget *parent)
    : QFrame(parent)
{
    buildLayout();
    retranslate();
    setPasswordEnabled(false);

    connect(m_save, &QPushButton::clicked, this, &AdvancedSettingsView::saveSettings);
    connect(m_cancel, &QPushButton::clicked, this, &AdvancedSettingsView::onClose);
    connect(m_close, &QPushButton::clicked, this, &AdvancedSettingsView::onClose);
    connect(m_back, &QPushButton::clicked, this, &AdvancedSettingsView::onClose);
    connect(m_passwordBox, &QCheckBox::toggled, this, &AdvancedSettingsView::setPasswordEnabled);
    for (Button *tag : qAsConst(m_tagButtons))
        connect(tag, &QPushButton::clicked, this, &AdvancedSettingsView::onAddPrefix);
}

void AdvancedSettingsView::buildLayout()
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *content = new QFrame(this);
    content->setObjectName(QStringLiteral("settingsViewContent"));
    outer->addWidget(content);

    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(20, 12, 20, 20);
    layout->setSpacing(0);
    layout->addWidget(createHeader(content));
    layout->addSpacing(12);

    auto *form = new QGridLayout;
    form->setHorizontalSpacing(10);
    // Rows as close as the split's panel, the tallest, needs them.
    form->setVerticalSpacing(8);
    form->setColumnStretch(1, 1);
    int row = 0;

    m_permissionsLabel = createLabel(content);
    auto *permissions = new QHBoxLayout;
    permissions->setSpacing(18);
    m_printing = new CheckBox(content);
    m_editing = new CheckBox(content);
    m_copying = new CheckBox(content);
    permissions->addWidget(m_printing);
    permissions->addWidget(m_editing);
    permissions->addWidget(m_copying);
    permissions->addStretch();
    form->addWidget(m_permissionsLabel, row, 0);
    form->addLayout(permissions, row++, 1);
    form->addWidget(createSeparator(content), row++, 0, 1, 2);

    m_passwordLabel = createLabel(content);
    auto *password = new QHBoxLayout;
    password->setSpacing(0);
    m_passwordBox = new CheckBox(content);
    // Box and field together are as wide as the fields below them.
    m_passwordBox->setFixedWidth(fieldWidth - passwordFieldWidth);
    password->addWidget(m_passwordBox);
    m_password = createLineEdit(content, passwordFieldWidth);
    password->addWidget(m_password);
    password->addStretch();
    form->addWidget(m_passwordLabel, row, 0);
    form->addLayout(password, row++, 1);
    form->addWidget(createSeparator(content), row++, 0, 1, 2);

    m_titleLabel = createLabel(content);
    m_titleEdit = createLineEdit(content, fieldWidth);
    form->addWidget(m_titleLabel, row, 0);
    form->addWidget(m_titleEdit, row++, 1);
    m_authorLabel = createLabel(content);
    m_author = createLineEdit(content, fieldWidth);
    form->addWidget(m_authorLabel, row, 0);
    form->addWidget(m_author, row++, 1);

    m_bookmarksSeparator = createSeparator(content);
    form->addWidget(m_bookmarksSeparator, row++, 0, 1, 2);
    m_bookmarksLabel = createLabel(content);
    m_bookmarks = createBookmarksBox(content);
    form->addWidget(m_bookmarksLabel, row, 0);
    form->addWidget(m_bookmarks, row++, 1);

    m_fileNameSeparator = createSeparator(content);
    form->addWidget(m_fileNameSeparator, row++, 0, 1, 2);
    m_fileNameLabel = createLabel(content);
    m_fileName = createLineEdit(content, fieldWidth);
    m_fileName->setValidator(
        new QRegularExpressionValidator(QRegularExpression(fileNamePattern), m_fileName));
    m_passwordLabel->setBuddy(m_password);
    m_titleLabel->setBuddy(m_titleEdit);
    m_authorLabel->setBuddy(m_author);
    m_fileNameLabel->setBuddy(m_fileName);
    m_bookmarksLabel->setBuddy(m_bookmarks);
    form->addWidget(m_fileNameLabel, row, 0);
    form->addWidget(m_fileName, row++, 1);
    m_tagRow = createTagRow(content);
    form->addWidget(m_tagRow, row++, 1);
    row = addPageOrderRows(content, form, row);
    // Last, as the last step of writing: it applies to a split and a merge
    // alike. A split's panel, the tallest, has no room left for a separator.
    m_optimiseLabel = createLabel(content);
    m_optimise = createChoiceBox(content, QStringLiteral("comboBoxOptimise"));
    for (const auto &choice : optimiseChoices)
        m_optimise->addItem(QString(), int(choice.optimisation));
    m_optimiseLabel->setBuddy(m_optimise);
    form->addWidget(m_optimiseLabel, row, 0);
    form->addWidget(m_optimise, row++, 1);
    // The fields scroll when a translation, or the note below them, needs
    // more height than the panel has: nothing is ever squeezed out of sight.
    auto *fields = new QWidget;
    fields->setObjectName(QStringLiteral("settingsFields"));
    auto *fieldsLayout = new QVBoxLayout(fields);
    fieldsLayout->setContentsMargins(0, 0, 0, 0);
    fieldsLayout->addLayout(form);
    fieldsLayout->addStretch();
    m_fieldsScroll = new QScrollArea(content);
    m_fieldsScroll->setObjectName(QStringLiteral("scrollSettingsFields"));
    m_fieldsScroll->setFrameShape(QFrame::NoFrame);
    m_fieldsScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_fieldsScroll->setWidgetResizable(true);
    m_fieldsScroll->setWidget(fields);
    layout->addWidget(m_fieldsScroll, 1);
    m_resetNote = new QLabel(content);
    m_resetNote->setObjectName(QStringLiteral("resetNote"));
    m_resetNote->setWordWrap(true);
    m_resetNote->hide();
    layout->addWidget(m_resetNote);
    layout->addSpacing(8);

    auto *footer = new QHBoxLayout;
    footer->setSpacing(10);
    footer->addStretch();
    m_cancel = new Button(content);
    m_cancel->setObjectName(QStringLiteral("buttonCancel"));
    m_cancel->setFixedHeight(footerButtonHeight);
    m_cancel->setMinimumWidth(110);
    footer->addWidget(m_cancel);
    m_save = new Button(content);
    m_save->setObjectName(QStringLiteral("buttonSaveSettings"));
    m_save->setFixedHeight(footerButtonHeight);
    m_save->setMinimumWidth(150);
    m_save->setDefault(true);
    footer->addWidget(m_save);
    layout->addLayout(footer);
}

QWidget *AdvancedSettingsView::createHeader(QWidget *content)
{
    auto *header = new QWidget(content);
    auto *layout = new QHBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 0);
    m_back = new Button(header);
    m_back->setObjectName(QStringLiteral("buttonNavigateBack"));
    m_back->setFocusPolicy(Qt::TabFocus);
    layout->addWidget(m_back);
    m_title = new QLabel(header);
    m_title->setObjectName(QStringLiteral("settingsLabel"));
    layout->addWidget(m_title);
    layout->addStretch();
    m_close = new Button(header);
    m_close->setObjectName(QStringLiteral("buttonCloseSettings"));
    m_close->setFocusPolicy(Qt::TabFocus);
    layout->addWidget(m_close, 0, Qt::AlignTop);
    return header;
}

// A merge's choice of page order, in the place a split's file names take.
int AdvancedSettingsView::addPageOrderRows(QWidget *content, QGridLayout *form, int row)
{
    m_pageOrderSeparator = createSeparator(content);
    form->addWidget(m_pageOrderSeparator, row++, 0, 1, 2);
    m_pageOrderLabel = createLabel(content);
    m_alternate = new CheckBox(content);
    m_alternate->setObjectName(QStringLiteral("alternatePagesBox"));
    form->addWidget(m_pageOrderLabel, row, 0);
    form->addWidget(m_alternate, row++, 1);
    m_alternateHint = new QLabel(content);
    m_alternateHint->setObjectName(QStringLiteral("alternatePagesHint"));
    m_alternateHint->setWordWrap(true);
    m_alternateHint->setFixedWidth(fieldWidth);
    form->addWidget(m_alternateHint, row++, 1);
    return row;
}

QWidget *AdvancedSettingsView::createTagRow(QWidget *content)
{
    // Wraps onto a second line where the tags do not fit the field's width.
    auto *row = new QWidget(content);
    row->setFixedWidth(fieldWidth);
    auto *layout = new FlowLayout(row, 5, 6);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const char *name : tagNames) {
        auto *tag = new Button(row);
        tag->setObjectName(QStringLiteral("buttonAddPrefix"));
        tag->setFixedHeight(tagButtonHeight);
        // A click leaves the focus, and with it the cursor the tag goes to, in
        // the field; Tab still reaches the tags, which insert at the cursor
        // the field kept.
        tag->setFocusPolicy(Qt::TabFocus);
        tag->setCursor(Qt::PointingHandCursor);
        tag->setProperty(tagValueProperty, QStringLiteral("[%1]").arg(QLatin1String(name)));
        layout->addWidget(tag);
        m_tagButtons.append(tag);
    }
    return row;
}

QComboBox *AdvancedSettingsView::createChoiceBox(QWidget *content, const QString &objectName)
{
    auto *box = new QComboBox(content);
    box->setObjectName(objectName);
    box->setItemDelegate(new ComboBoxDelegate(box));
    box->setFixedSize(fieldWidth, fieldHeight);
    return box;
}

QComboBox *AdvancedSettingsView::createBookmarksBox(QWidget *content)
{
    auto *box = createChoiceBox(content, QStringLiteral("comboBoxBookmarks"));
    for (const auto &choice : bookmarkChoices)
        box->addItem(QString(), int(choice.value));
    return box;
}

QLabel *AdvancedSettingsView::createLabel(QWidget *content)
{
    auto *label = new QLabel(content);
    label->setObjectName(QStringLiteral("settingsInputLabel"));
    label->setFixedWidth(110);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Longer translations take a second line beside their field.
    label->setWordWrap(true);
    return label;
}

QLineEdit *AdvancedSettingsView::createLineEdit(QWidget *content, int width)
{
    auto *edit = new QLineEdit(content);
    edit->setObjectName(QStringLiteral("settingsLineEdit"));
    edit->setFixedSize(width, fieldHeight);
    return edit;
}

QFrame *AdvancedSettingsView::createSeparator(QWidget *content)
{
    auto *line = new QFrame(content);
    line->setObjectName(QStringLiteral("underlineBox"));
    line->setFixedHeight(1);
    return line;
}

QWidget *AdvancedSettingsView::firstField() const
{
    return m_printing;
}

void AdvancedSettingsView::setSettings(const QSharedPointer<AdvancedSettings> &settings)
{
    m_settings = settings;
    fillFromSettings();
}

void AdvancedSettingsView::showEvent(QShowEvent *event)
{
    // A window coming back from the task bar keeps what is being typed.
    if (!event->spontaneous())
        fillFromSettings();
    QFrame::showEvent(event);
}

void AdvancedSettingsView::fillFromSettings()
{
    if (!m_settings)
        return;
    m_fileName->setText(m_settings->fileNamePrefix());
    m_printing->setChecked(m_settings->permPrinting());
    m_editing->setChecked(m_settings->permEditing());
    m_copying->setChecked(m_settings->permCopying());
    m_passwordBox->setChecked(m_settings->passwordEnabled());
    setPasswordEnabled(m_settings->passwordEnabled());
    m_password->setText(m_settings->effectivePassword());
    m_titleEdit->setText(m_settings->title());
    m_author->setText(m_settings->author());
    m_bookmarks->setCurrentIndex(m_bookmarks->findData(int(m_settings->bookmarks())));
    m_optimise->setCurrentIndex(optimiseChoiceOf(*m_settings));

    // Only a merge has bookmarks of several documents to file.
    const bool bookmarksEnabled = m_settings->bookmarksEnabled();
    m_bookmarksSeparator->setVisible(bookmarksEnabled);
    m_bookmarksLabel->setVisible(bookmarksEnabled);
    m_bookmarks->setVisible(bookmarksEnabled);

    // Only a split names its outputs from the template.
    const bool prefixEnabled = m_settings->prefixEnabled();
    m_fileNameSeparator->setVisible(prefixEnabled);
    m_fileNameLabel->setVisible(prefixEnabled);
    m_fileName->setVisible(prefixEnabled);
    m_tagRow->setVisible(prefixEnabled);
    for (QWidget *pageOrder : {static_cast<QWidget *>(m_pageOrderSeparator), static_cast<QWidget *>(m_pageOrderLabel),
                               static_cast<QWidget *>(m_alternate), static_cast<QWidget *>(m_alternateHint)})
        pageOrder->setVisible(!prefixEnabled);
    m_alternate->setChecked(m_settings->alternatePages());
    m_resetNote->setVisible(m_settings->userValuesWereReset());
}

void AdvancedSettingsView::setPasswordEnabled(bool enabled)
{
    m_password->setEnabled(enabled);
    reapplyStyle(m_password);
}

void AdvancedSettingsView::onAddPrefix()
{
    const QString tag = sender() ? sender()->property(tagValueProperty).toString() : QString();
    if (!tag.isEmpty())
        m_fileName->insert(tag);
}

void AdvancedSettingsView::saveSettings()
{
    if (m_settings) {
        m_settings->setFileNamePrefix(m_fileName->text());
        m_settings->setPermCopying(m_copying->isChecked());
        m_settings->setPermEditing(m_editing->isChecked());
        m_settings->setPermPrinting(m_printing->isChecked());
        m_settings->setPasswordEnabled(m_passwordBox->isChecked());
        m_settings->setPassword(m_password->text());
        m_settings->setAuthor(m_author->text());
        m_settings->setTitle(m_titleEdit->text());
        m_settings->setAlternatePages(m_alternate->isChecked());
        m_settings->setBookmarks(MergeBookmarks(m_bookmarks->currentData().toInt()));
        const auto &optimise = optimiseChoices[qMax(0, m_optimise->currentIndex())];
        m_settings->setOptimisation(optimise.optimisation);
        m_settings->setImageDpiLimit(optimise.imageDpiLimit);
        m_settings->forgetReset();   // these values are the user's choice again
    }
    emit onHideWindow();
}

void AdvancedSettingsView::onClose()
{
    emit onHideWindow();
}

void AdvancedSettingsView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        onClose();
        return;
    }
    QFrame::keyPressEvent(event);
}

void AdvancedSettingsView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}

void AdvancedSettingsView::retranslate()
{
    m_title->setText(tr("Advanced Settings"));
    setAccessibleName(m_title->text());
    m_fieldsScroll->setAccessibleName(m_title->text());
    m_close->setToolTip(tr("Close (%1)").arg(QKeySequence(Qt::Key_Escape).toString(QKeySequence::NativeText)));
    m_back->setToolTip(m_close->toolTip());
    m_back->setAccessibleName(tr("Back"));
    m_close->setAccessibleName(tr("Close"));
    m_permissionsLabel->setText(tr("Permissions:"));
    m_printing->setText(tr("Printing"));
    m_editing->setText(tr("Editing"));
    m_copying->setText(tr("Copying"));
    m_passwordLabel->setText(tr("Password:"));
    m_passwordBox->setAccessibleName(tr("Password:"));
    m_password->setAccessibleName(tr("Password:"));
    m_titleLabel->setText(tr("Title:"));
    m_titleEdit->setAccessibleName(tr("Title:"));
    m_authorLabel->setText(tr("Author:"));
    m_author->setAccessibleName(tr("Author:"));
    m_optimiseLabel->setText(tr("Optimise:"));
    m_optimise->setAccessibleName(tr("Optimise:"));
    for (int i = 0; i < m_optimise->count(); ++i)
        m_optimise->setItemText(i, tr(optimiseChoices[i].text));
    m_bookmarksLabel->setText(tr("Bookmarks:"));
    m_bookmarks->setAccessibleName(tr("Bookmarks:"));
    for (int i = 0; i < m_bookmarks->count(); ++i)
        m_bookmarks->setItemText(i, tr(bookmarkChoices[i].text));
    m_fileNameLabel->setText(tr("Filename Prefix:"));
    m_fileName->setAccessibleName(tr("Filename Prefix:"));
    m_pageOrderLabel->setText(tr("Page order:"));
    m_alternate->setText(tr("Alternate pages"));
    m_alternate->setAccessibleName(tr("Alternate pages"));
    m_alternateHint->setText(tr("One page of each document in turn, as for a stack scanned as "
                                "front sides and back sides."));
    for (int i = 0; i < m_tagButtons.size(); ++i)
        m_tagButtons.at(i)->setText(tr(tagNames[i]));
    m_save->setText(tr("SAVE SETTINGS"));
    m_cancel->setText(tr("CANCEL"));
    m_resetNote->setText(tr("The values you had set here were reset to their defaults when another "
                            "document was loaded."));
}
