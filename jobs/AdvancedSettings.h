#ifndef CLEAVEMARK_JOBS_ADVANCEDSETTINGS_H
#define CLEAVEMARK_JOBS_ADVANCEDSETTINGS_H

#include <QString>

struct OutputOptions;
enum class MergeBookmarks;
enum class Optimisation;

// The output properties of one job: what the produced files carry (title,
// author, creator, producer, password and permissions) and how they are named.
// A job owns one record and shares it, by shared pointer, with the output
// properties page that edits it.
class AdvancedSettings
{
public:
    // defaultTemplate is the file-name template that reset() restores:
    // "[BASENAME]_p[PAGE]" for the split job, empty for the merge job.
    explicit AdvancedSettings(const QString &defaultTemplate = QString());

    // Every field back to its reset value; the author is read from the
    // settings ("meta_author") at this moment. When that drops values the
    // user had set, the record remembers it (userValuesWereReset()) until
    // the user saves the record again.
    void reset();
    // Whether any field differs from what reset() would give.
    bool hasUserValues() const;
    bool userValuesWereReset() const { return m_userValuesReset; }
    void forgetReset() { m_userValuesReset = false; }

    static QString defaultAuthor();
    static QString defaultProducer();

    bool permEditing() const { return m_permEditing; }
    bool permPrinting() const { return m_permPrinting; }
    bool permCopying() const { return m_permCopying; }
    void setPermEditing(bool on) { m_permEditing = on; }
    void setPermPrinting(bool on) { m_permPrinting = on; }
    void setPermCopying(bool on) { m_permCopying = on; }

    bool passwordEnabled() const { return m_passwordEnabled; }
    void setPasswordEnabled(bool on) { m_passwordEnabled = on; }
    QString password() const { return m_password; }
    // Trims the text; an empty result switches the password off, otherwise
    // the text is kept while the password is switched on.
    void setPassword(const QString &text);
    // The password the outputs get: empty while the password is switched off.
    QString effectivePassword() const;

    QString title() const { return m_title; }
    QString author() const { return m_author; }
    QString producer() const { return m_producer; }
    QString creator() const { return m_creator; }
    void setTitle(const QString &title) { m_title = title; }
    void setAuthor(const QString &author) { m_author = author; }
    void setProducer(const QString &producer) { m_producer = producer; }
    void setCreator(const QString &creator) { m_creator = creator; }

    // What a job request carries of this record: the properties, the
    // effective password and the permissions, plus the user's setting
    // "compress_out_files".
    void fillOutputOptions(OutputOptions &options) const;

    QString fileNamePrefix() const { return m_fileNamePrefix; }
    void setFileNamePrefix(const QString &prefix) { m_fileNamePrefix = prefix; }
    QString defaultTemplate() const { return m_defaultTemplate; }
    bool prefixEnabled() const { return m_prefixEnabled; }
    void setPrefixEnabled(bool on) { m_prefixEnabled = on; }

    // A merge takes one page of each document in turn instead of one
    // document after the other.
    bool alternatePages() const { return m_alternatePages; }
    void setAlternatePages(bool on) { m_alternatePages = on; }

    // What becomes of the documents' bookmarks; only a merge offers the choice.
    MergeBookmarks bookmarks() const { return m_bookmarks; }
    void setBookmarks(MergeBookmarks bookmarks) { m_bookmarks = bookmarks; }
    bool bookmarksEnabled() const { return m_bookmarksEnabled; }
    void setBookmarksEnabled(bool on) { m_bookmarksEnabled = on; }

    // How far the outputs are made smaller, and the resolution above which
    // photographs are redrawn. Kept when another document is loaded: it is
    // a choice about how files are written, not about one document.
    Optimisation optimisation() const { return m_optimisation; }
    void setOptimisation(Optimisation optimisation) { m_optimisation = optimisation; }
    int imageDpiLimit() const { return m_imageDpiLimit; }
    void setImageDpiLimit(int dpi) { m_imageDpiLimit = dpi; }

private:
    bool m_permEditing = true;
    bool m_permPrinting = true;
    bool m_permCopying = true;
    bool m_passwordEnabled = false;
    QString m_password;
    QString m_title;
    QString m_author;
    QString m_producer;
    QString m_creator;
    QString m_fileNamePrefix;
    QString m_defaultTemplate;
    bool m_prefixEnabled = true;
    bool m_alternatePages = false;
    MergeBookmarks m_bookmarks = MergeBookmarks(0);   // keep them
    bool m_bookmarksEnabled = false;
    Optimisation m_optimisation = Optimisation(0);   // none
    int m_imageDpiLimit = 150;
    bool m_userValuesReset = false;
};

#endif
