#ifndef CLEAVEMARK_TESTS_TESTGROUP_H
#define CLEAVEMARK_TESTS_TESTGROUP_H

#include <QtTest>

// The test classes of one folder share one program, so that the folder's
// tests link once; CTest still runs each class in a process of its own:
//
//     <program> <TestClass> [Qt Test options and functions]
//
// A program of one class runs it without the name. Each class ends its file
// with one of the CM_TEST_*MAIN macros instead of Qt's QTEST_*MAIN; they make
// the same application object Qt's would.
namespace TestGroup {

using Entry = int (*)(int argc, char *argv[]);

// Called by the macros before main(); the name is the class's.
bool add(const char *name, Entry entry);

} // namespace TestGroup

#define CM_TEST_ENTRY(TestClass, ...)                                           \
    static int cmRun##TestClass(int argc, char *argv[]) { __VA_ARGS__ }         \
    static const bool cmAdded##TestClass = TestGroup::add(#TestClass, cmRun##TestClass);

#define CM_TEST_MAIN(TestClass) CM_TEST_ENTRY(TestClass, QTEST_MAIN_IMPL(TestClass))

#define CM_TEST_GUILESS_MAIN(TestClass)                                         \
    CM_TEST_ENTRY(TestClass,                                                    \
                  QCoreApplication app(argc, argv);                             \
                  app.setAttribute(Qt::AA_Use96Dpi, true);                      \
                  TestClass tc;                                                 \
                  QTEST_SET_MAIN_SOURCE_PATH                                    \
                  return QTest::qExec(&tc, argc, argv);)

#define CM_TEST_APPLESS_MAIN(TestClass)                                         \
    CM_TEST_ENTRY(TestClass,                                                    \
                  TestClass tc;                                                 \
                  QTEST_SET_MAIN_SOURCE_PATH                                    \
                  return QTest::qExec(&tc, argc, argv);)

#endif
