#include <QApplication>
#include <cstdio>

#include "app/display_check.h"
#include "ui/application.h"
#include "ui/command_dispatcher.h"
#include "ui/qt/main_window.h"
#include "ui/qt/program_images.h"
#include "ui/qt/qt_user_interface.h"

int main(int argc, char* argv[]) {
    // Without a display Qt would stop with a message about platform plugins; say what is missing.
    if (!lorvex::displayAvailable()) {
        std::fputs(
            "lorvex: Keine grafische Anzeige gefunden (weder DISPLAY noch WAYLAND_DISPLAY "
            "ist gesetzt).\nlorvex: no display found; start it on a desktop, or under "
            "xvfb-run.\n",
            stderr);
        return 1;
    }
    QApplication qtApplication(argc, argv);
    lorvex::Application application;
    lorvex::qt::MainWindow window(lorvex::qt::decodeProgramImages());
    lorvex::qt::QtUserInterface userInterface(window);
    lorvex::CommandDispatcher dispatcher(application, userInterface);
    window.attach(dispatcher);
    window.show();
    return qtApplication.exec();
}
