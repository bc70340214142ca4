#include <QCoreApplication>
#include <QTextStream>

// The desktop window is not built yet; say so plainly instead of pretending.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream(stdout) << "sheafdesk: the desktop window is not built yet; "
                           "the worker sheafrun and the tests are.\n";
    return 0;
}
