#include "ui/qt/desktop_program.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>

#include "ui/application.h"
#include "ui/command_dispatcher.h"
#include "ui/qt/main_window.h"
#include "ui/qt/program_images.h"
#include "ui/qt/qt_user_interface.h"

namespace lorvex::qt {

int runDesktopProgram(int argc, char* argv[]) {
    QApplication qtApplication(argc, argv);
    QGuiApplication::setDesktopFileName("io.github.lorvex.Lorvex");
    // The program speaks German, so Qt's own dialogs and buttons should too.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::German), "qtbase", "_",
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }
    // Lorvex keeps no settings. Qt's own file dialog would remember its history in the user's
    // configuration; give it a folder that disappears with the program.
    const QTemporaryDir forgottenSettings;
    if (forgottenSettings.isValid()) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, forgottenSettings.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, forgottenSettings.path());
    }
    Application application;
    MainWindow window(decodeProgramImages());
    QtUserInterface userInterface(window);
    CommandDispatcher dispatcher(application, userInterface);
    window.attach(dispatcher);
    window.show();
    return qtApplication.exec();
}

}  // namespace lorvex::qt
