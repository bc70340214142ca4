#include "worker/Progress.h"

#include "common/Logger.h"

#include <iostream>
#include <locale>
#include <sstream>

QString StdOutProgress::positionText(double percentage)
{
    // The classic locale keeps the decimal point a "." whatever the user's locale.
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text.precision(6);
    text << percentage;
    return QString::fromStdString(text.str());
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
