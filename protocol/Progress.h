#ifndef CLEAVEMARK_PROTOCOL_PROGRESS_H
#define CLEAVEMARK_PROTOCOL_PROGRESS_H

#include <QString>

// Where the engines report how far a job has come. The worker prints it for
// the GUI (StdOutProgress), the merge's inner split only logs it
// (NullProgress), and the GUI's progress widgets implement it too.
class IProgress
{
public:
    virtual ~IProgress() = default;

    virtual void setMinimum(int minimum) = 0;
    virtual void setMaximum(int maximum) = 0;
    virtual void setValue(int value) = 0;
    virtual void message(const QString &text) = 0;
    virtual void cancel() = 0;
    virtual void reset() = 0;   // clears the canceled and the paused flag
    virtual void pause() = 0;
    virtual void resume() = 0;
    virtual bool isCanceled() const = 0;
    virtual bool isPaused() const = 0;
};

// Bounds and flags shared by the two sinks below.
class ProgressState : public IProgress
{
public:
    void setMinimum(int minimum) override { m_minimum = minimum; }
    void setMaximum(int maximum) override { m_maximum = maximum; }
    void cancel() override { m_canceled = true; }
    void reset() override { m_canceled = false; m_paused = false; }
    void pause() override { m_paused = true; }
    void resume() override { m_paused = false; }
    bool isCanceled() const override { return m_canceled; }
    bool isPaused() const override { return m_paused; }

protected:
    int m_minimum = 0;
    int m_maximum = 0;
    bool m_canceled = false;
    bool m_paused = false;
};

// Prints each position as a percentage on its own line of standard output,
// with six significant digits ("0", "12.5", "33.3333", "100"), flushed at
// once because the reader is a pipe.
class StdOutProgress : public ProgressState
{
public:
    void setValue(int value) override;
    void message(const QString &text) override;   // as UTF-8, no line end, not flushed

    // The text setValue() prints for a position, without the line end.
    static QString positionText(double percentage);
};

// Sends the reports to the log only: "Progress: <whole percent>%".
class NullProgress : public ProgressState
{
public:
    void setValue(int value) override;
    void message(const QString &text) override;
};

#endif
