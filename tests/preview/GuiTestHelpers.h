#ifndef CLEAVEMARK_TESTS_GUITESTHELPERS_H
#define CLEAVEMARK_TESTS_GUITESTHELPERS_H

#include "app/Application.h"
#include "jobs/Merge.h"
#include "jobs/MergeModel.h"
#include "pdf/InformationReader.h"
#include "preview/DocumentViewer.h"
#include "preview/PageView.h"
#include "widgets/FramelessDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <functional>

// Waits until the documents handed to the program have been read in the
// background, those of the merge list included; false when that takes longer
// than the readers' time limit.
inline bool waitForReading()
{
    const auto mergeListReading = [] {
        const Application *app = Application::instance();
        return app && app->merge() && app->merge()->model()->isReading();
    };
    return QTest::qWaitFor([&] { return InformationReader::readingCount() == 0 && !mergeListReading(); },
                           2 * InformationReader::DefaultTimeLimitMs + 2000);
}

// Opens a document in the view (or the viewer holding it) and waits until
// it is shown; false when it cannot be.
template<typename Opener>
bool openAndWait(PageView *view, Opener &&open)
{
    QSignalSpy opened(view, &PageView::opened);
    open();
    if (opened.isEmpty() && !opened.wait(InformationReader::DefaultTimeLimitMs + 2000))
        return false;
    return opened.last().at(0).toBool();
}

inline bool openAndWait(PageView *view, const QString &path, const QString &password = QString())
{
    return openAndWait(view, [&] { view->open(path, password); });
}

inline bool openAndWait(DocumentViewer &viewer, const QString &path, const QString &password = QString())
{
    return openAndWait(viewer.pageView(), [&] { viewer.open(path, password); });
}

// Drops files on a widget the way a file manager does: enter, then drop;
// then waits until what was dropped has been read.
inline void dropFiles(QWidget *target, const QStringList &files)
{
    QMimeData mime;
    QList<QUrl> urls;
    for (const QString &file : files)
        urls.append(QUrl::fromLocalFile(file));
    mime.setUrls(urls);
    const QPoint position = target->rect().center();
    QDragEnterEvent enter(position, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(position, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    waitForReading();
}

// The visible button below parent with this text.
inline QAbstractButton *buttonWithText(QWidget *parent, const QString &text)
{
    for (QAbstractButton *button : parent->findChildren<QAbstractButton *>()) {
        if (button->text() == text && button->isVisible())
            return button;
    }
    return nullptr;
}

// Answers the next modal dialog of type T as soon as it is up: the test
// schedules the answer, then clicks what opens the dialog (which blocks in
// the dialog's own event loop until the answer closes it).
template<typename T>
void answerNext(std::function<void(T *)> answer)
{
    auto *timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answer]() {
        auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        answer(dialog);
    });
    timer->start();
}

// What a modal dialog of ours said before it was answered.
struct SeenDialog
{
    QString title;
    QString text;
};

// Answers the modal dialogs that open from now on, one action each, in
// order; the program's own code runs them with exec(), so the answers are
// given from inside their event loops.
class DialogAnswers : public QObject
{
public:
    using Action = std::function<void(QDialog *)>;

    explicit DialogAnswers(QList<Action> actions)
        : m_actions(std::move(actions))
    {
        connect(&m_timer, &QTimer::timeout, this, &DialogAnswers::look);
        m_timer.start(10);
    }

    bool allAnswered() const { return m_actions.isEmpty(); }
    QList<SeenDialog> seen() const { return m_seen; }

    // Clicks the visible button with this text.
    static Action click(const QString &text)
    {
        return [text](QDialog *dialog) {
            if (QAbstractButton *button = buttonWithText(dialog, text))
                button->click();
        };
    }
    // Types into the dialog's line edit, then clicks the button.
    static Action type(const QString &input, const QString &buttonText)
    {
        return [input, buttonText](QDialog *dialog) {
            if (auto *edit = dialog->findChild<QLineEdit *>())
                edit->setText(input);
            click(buttonText)(dialog);
        };
    }

private:
    void look()
    {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || m_actions.isEmpty() || !dialog->isVisible() || dialog->property("answered").toBool())
            return;
        dialog->setProperty("answered", true);
        SeenDialog seen{dialog->windowTitle(), QString()};
        if (auto *frameless = qobject_cast<FramelessDialog *>(dialog))
            seen.text = frameless->messageLabel()->text();
        // A question asked below a long message.
        if (auto *closing = dialog->findChild<QLabel *>(QStringLiteral("messageClosing")); closing && !closing->text().isEmpty())
            seen.text += QStringLiteral("\n\n") + closing->text();
        m_seen.append(seen);
        m_actions.takeFirst()(dialog);
    }

    QTimer m_timer;
    QList<Action> m_actions;
    QList<SeenDialog> m_seen;
};

// Buttons below root, shown or hidden, that a screen reader would announce
// as nothing but "button": neither a text nor an accessible name.
inline QStringList unnamedButtons(const QWidget *root)
{
    QStringList unnamed;
    for (const QAbstractButton *button : root->findChildren<QAbstractButton *>()) {
        if (button->text().isEmpty() && button->accessibleName().isEmpty())
            unnamed.append(button->objectName().isEmpty() ? QString(button->metaObject()->className())
                                                          : button->objectName());
    }
    return unnamed;
}

// A key pressed where the focus is, as a person at the keyboard does. With
// a fallback window: after a dialog the offscreen platform may leave no
// window active, so that one is activated first, and it takes the key when
// nothing has the focus.
inline void keyOnFocus(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, QWidget *fallback = nullptr)
{
    if (fallback && !QApplication::activeWindow() && !QApplication::activeModalWidget()) {
        fallback->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fallback));
    }
    QWidget *target = QApplication::focusWidget();
    if (!target)
        target = fallback;
    QVERIFY(target);
    QTest::keyClick(target, Qt::Key(key), modifiers);
    QCoreApplication::processEvents();
}

// True when every pixel has one and the same colour: a grab of a widget
// that painted nothing.
inline bool isBlank(const QImage &image)
{
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb first = pixels.pixel(0, 0);
    for (int y = 0; y < pixels.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(pixels.constScanLine(y));
        if (!std::all_of(line, line + pixels.width(), [first](QRgb pixel) { return pixel == first; }))
            return false;
    }
    return true;
}

// Tab until the focus is on target, at most limit times.
inline bool tabFocusTo(QWidget *target, int limit = 40, QWidget *fallback = nullptr)
{
    for (int i = 0; i < limit && QApplication::focusWidget() != target && !QTest::currentTestFailed(); ++i)
        keyOnFocus(Qt::Key_Tab, Qt::NoModifier, fallback);
    return QApplication::focusWidget() == target;
}

#endif
