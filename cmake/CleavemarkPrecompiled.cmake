# Precompiled headers: every translation unit of ours reads 100,000 lines or
# more of Qt (and, in pdf/, of qpdf) before its own first line. The Qt
# headers most of our files include are compiled once per kind of target,
# in a small carrier library of that kind, and every target of the kind
# reuses the result.
#
#   core     Qt Core: the shared runtime, the protocol, the worker, the
#            renderer, the PDF layer's rendering half
#   gui      Qt Widgets: every library of the desktop program
#   test     Qt Test and Qt Widgets, built as the test programs are
#   qpdf     Qt Core and qpdf: the PDF engine, which alone includes qpdf
#
# The compiler takes a precompiled header only when every macro defined on
# the command line that made it is defined alike where it is used. So the
# carriers link nothing but the Qt modules every target of their kind has;
# a target may define more (QT_DBUS_LIB, say). A target that does not fit
# reads the headers as usual: a mismatch costs time, never correctness.
option(CLEAVEMARK_PRECOMPILE "Precompile the Qt and qpdf headers" ON)

set(CM_PCH_core
    <QByteArray> <QCoreApplication> <QDateTime> <QDir> <QFile> <QFileInfo> <QHash> <QJsonArray>
    <QJsonDocument> <QJsonObject> <QList> <QMap> <QMetaType> <QMutex> <QObject> <QPair> <QPointer>
    <QRegularExpression> <QSet> <QSettings> <QSharedPointer> <QStandardPaths> <QString> <QStringList>
    <QTextStream> <QThread> <QTimer> <QUrl> <QVariant> <QVector>
    <algorithm> <functional> <map> <memory> <string> <vector>)
set(CM_PCH_gui ${CM_PCH_core}
    <QAbstractButton> <QAbstractItemModel> <QAccessible> <QApplication> <QCheckBox> <QComboBox>
    <QDialog> <QEvent> <QFileDialog> <QFrame> <QGridLayout> <QHBoxLayout> <QHeaderView> <QKeyEvent>
    <QLabel> <QLineEdit> <QMimeData> <QPainter> <QPixmap> <QPixmapCache> <QPushButton> <QRadioButton>
    <QRegularExpressionValidator> <QScrollArea> <QScrollBar> <QStackedLayout> <QStyle>
    <QStyledItemDelegate> <QTableView> <QVBoxLayout> <QWidget>)
set(CM_PCH_test ${CM_PCH_gui} <QtTest> <QSignalSpy> <QTemporaryDir> <QProcess> <QDirIterator>)
set(CM_PCH_qpdf ${CM_PCH_core}
    <qpdf/QPDF.hh> <qpdf/QPDFObjectHandle.hh> <qpdf/QPDFPageDocumentHelper.hh>
    <qpdf/QPDFPageObjectHelper.hh> <qpdf/QPDFWriter.hh> <qpdf/QPDFExc.hh>)

# AUTOMOC gathers the moc output of a target's headers into one
# mocs_compilation.cpp. In most targets no header declares a QObject (the
# tests' classes live in their .cpp files), and the file is empty; built with
# the precompiled headers, an empty file still takes a second, to load them.
# Such targets build it without: a header that declares one after all only
# makes that file slower to build, never wrong.
function(cm_moc_without_precompiled target)
    get_target_property(sources ${target} SOURCES)
    get_target_property(source_dir ${target} SOURCE_DIR)
    set(candidates "")
    foreach(source IN LISTS sources)
        if(source MATCHES "^\\$<")
            continue()
        endif()
        get_filename_component(path ${source} ABSOLUTE BASE_DIR ${source_dir})
        if(path MATCHES "\\.(h|hpp)$")
            list(APPEND candidates ${path})
        elseif(path MATCHES "\\.(cpp|cxx|cc)$")
            # AUTOMOC also reads the header beside a source of the same name.
            string(REGEX REPLACE "\\.[a-z]+$" ".h" header ${path})
            list(APPEND candidates ${header})
        endif()
    endforeach()
    foreach(header IN LISTS candidates)
        if(EXISTS ${header})
            file(STRINGS ${header} declares REGEX "Q_(OBJECT|GADGET|NAMESPACE)")
            if(declares)
                return()
            endif()
        endif()
    endforeach()
    get_target_property(binary_dir ${target} BINARY_DIR)
    set_source_files_properties(${binary_dir}/${target}_autogen/mocs_compilation.cpp
        TARGET_DIRECTORY ${target} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
endfunction()

if(CLEAVEMARK_PRECOMPILE)
    set(anchor ${CMAKE_BINARY_DIR}/precompiled/anchor.cpp)
    file(WRITE ${anchor} "// The precompiled headers' carriers need one source of their own.\n")
    add_library(cm_pch_core STATIC ${anchor})
    target_link_libraries(cm_pch_core PRIVATE Qt5::Core)
    target_precompile_headers(cm_pch_core PRIVATE ${CM_PCH_core})
    add_library(cm_pch_gui STATIC ${anchor})
    target_link_libraries(cm_pch_gui PRIVATE Qt5::Widgets)
    target_precompile_headers(cm_pch_gui PRIVATE ${CM_PCH_gui})
    cm_moc_without_precompiled(cm_pch_core)
    cm_moc_without_precompiled(cm_pch_gui)
endif()
if(CLEAVEMARK_PRECOMPILE AND BUILD_TESTING)
    # As cm_add_qt_test builds the test programs.
    add_library(cm_pch_test STATIC ${anchor})
    target_link_libraries(cm_pch_test PRIVATE Qt5::Test Qt5::Widgets Qt5::Network)
    target_compile_options(cm_pch_test PRIVATE -O1 -g0)
    target_precompile_headers(cm_pch_test PRIVATE ${CM_PCH_test})
    cm_moc_without_precompiled(cm_pch_test)
endif()

# cm_precompile(<target> <kind>)
function(cm_precompile target kind)
    if(NOT CLEAVEMARK_PRECOMPILE)
        return()
    endif()
    cm_moc_without_precompiled(${target})
    if(kind STREQUAL "qpdf")
        # One target of the kind: it keeps its own.
        target_precompile_headers(${target} PRIVATE ${CM_PCH_qpdf})
    else()
        target_precompile_headers(${target} REUSE_FROM cm_pch_${kind})
    endif()
endfunction()
