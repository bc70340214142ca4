#ifndef CLEAVEMARK_DIALOGS_MESSAGEUPDATE_H
#define CLEAVEMARK_DIALOGS_MESSAGEUPDATE_H

#include "widgets/FramelessDialog.h"

class Button;
class QLabel;

// Tells the user that a newer version exists. "DOWNLOAD" accepts the dialog;
// "CANCEL", the title bar's close and Escape reject it; "new features" asks
// for the change log while the dialog stays open.
class MessageUpdate : public FramelessDialog
{
    Q_OBJECT

public:
    explicit MessageUpdate(const QString &version, QWidget *parent = nullptr);

    QString version() const { return m_version; }

public slots:
    void onCloseWindow();

signals:
    void requestNewFeatures();

protected:
    void showEvent(QShowEvent *event) override;
    void retranslate() override;

private:
    QString m_version;
    QLabel *m_readAbout = nullptr;
    Button *m_newFeatures = nullptr;
    Button *m_cancel = nullptr;
    Button *m_download = nullptr;
};

#endif
