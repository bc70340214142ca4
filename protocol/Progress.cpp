#include "protocol/Progress.h"

#include "common/Logger.h"

#include <charconv>
#include <iostream>

QString StdOutProgress::positionText(double percentage)
{
    // As printf's "%.6g" writes it, always with a "." whatever the user's
    // locale, and without building a stream and a locale for every piece.
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, percentage, std::chars_format::general, 6).ptr;
    return QString::fromLatin1(text, int(end - text));
}

void StdOutProgress::setValue(int value)
{
    const double span = double(m_maximum) - double(m_minimum);
    const double percentage = span == 0.0 ? 0.0 : value * 100.0 / span;
    std::cout << positionText(percentage).toStdString() << std::endl;
}

// UTF-8 on the same narrow stream as the positions; wide output would depend
// on the C locale and garble text that is not ASCII.
void StdOutProgress::message(const QString &text)
{
    std::cout << text.toStdString();
}

void NullProgress::setValue(int value)
{
    const int span = m_maximum - m_minimum;
    const int percentage = span == 0 ? 0 : value * 100 / span;
    Logger::instance().log(QStringLiteral("Progress: %1%").arg(percentage), LogDebug);
}

void NullProgress::message(const QString &text)
{
    Logger::instance().log(text, LogDebug);
}
