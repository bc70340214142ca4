#ifndef CLEAVEMARK_TESTS_APPTESTMAIN_H
#define CLEAVEMARK_TESTS_APPTESTMAIN_H

#include "app/Application.h"
#include "tests/support/TestEnv.h"
#include "tests/support/TestGroup.h"

#include <QtTest>

// Runs a test class inside the real Application object, with its PDF service
// made as at start-up, the translations and the worker of the build (the test programs live in another folder than
// sheafdesk).
#define CM_APPLICATION_TEST_MAIN(TestClass)                                               \
    CM_TEST_ENTRY(TestClass,                                                              \
                  Application app(argc, argv);                                            \
                  app.setTranslationsFolder(binPath(QStringLiteral("translations")));     \
                  Application::setWorkerPath(binPath(QStringLiteral("sheafrun")));        \
                  app.setAttribute(Qt::AA_Use96Dpi, true);                                \
                  app.createPdfService();                                                 \
                  TestClass test;                                                         \
                  return QTest::qExec(&test, argc, argv);)

#endif
