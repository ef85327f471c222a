// Times what a user waits for in the real window: "Öffnen..." of a 9,999-row system (read,
// sort, fill the system list) and "Komplett" on it (analysis and filling the hit list). Runs on
// any Qt platform: QT_QPA_PLATFORM=offscreen, or under Xvfb to include real painting.
//
//   lorvex-window-timing [SYSTEM [NEXT]]
//
// With SYSTEM it times that file once instead of a synthetic system; with NEXT it then loads
// NEXT and prints the memory the program held at its peak and holds afterwards.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <vector>

#include "bench/synthetic_systems.h"
#include "core/text/conversions.h"
#include "report/report_content.h"
#include "ui/application.h"
#include "ui/command_dispatcher.h"
#include "ui/object_numbers.h"
#include "ui/qt/main_window.h"
#include "ui/qt/program_images.h"
#include "ui/qt/qt_user_interface.h"

namespace {

class AnsweredUserInterface final : public lorvex::qt::QtUserInterface {
public:
    using QtUserInterface::QtUserInterface;
    std::string openAnswer;
    std::string openFileDialog(std::string_view, std::string_view, const std::string&) override {
        return openAnswer;
    }
};

double medianMs(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

double timeCommand(lorvex::CommandDispatcher& dispatcher, lorvex::Command command) {
    QElapsedTimer timer;
    timer.start();
    dispatcher.dispatch(command);
    QApplication::processEvents();  // the repaint that shows the result
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// "VmHWM" (the peak) or "VmRSS" (now) of this process, in KB as /proc reports them.
std::string memoryFigure(const std::string& name) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with(name + ":")) return line.substr(name.size() + 1);
    }
    return " ?";
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication qtApplication(argc, argv);
    const QTemporaryDir folder;
    const bool givenSystem = argc > 1;
    const std::string path =
        givenSystem ? std::string(argv[1]) : folder.filePath("system.txt").toStdString();
    if (!givenSystem) {
        std::ofstream file(path);
        const auto system = lorvex::bench::syntheticSystem(lorvex::MAX_SYSTEM_ROWS,
                                                           lorvex::bench::RowKind::DistinctNumbers);
        for (const auto& row : system.rows()) file << lorvex::systemRowText(row) << '\n';
    }
    lorvex::Application application;
    lorvex::qt::MainWindow window(lorvex::qt::decodeProgramImages());
    AnsweredUserInterface ui(window);
    ui.openAnswer = path;
    lorvex::CommandDispatcher dispatcher(application, ui);
    window.attach(dispatcher);
    window.show();
    QApplication::processEvents();

    std::vector<double> load, analyse;
    for (int run = 0; run < (givenSystem ? 1 : 5); ++run) {
        load.push_back(timeCommand(dispatcher, lorvex::Command::CMD_OPEN));
        analyse.push_back(timeCommand(dispatcher, lorvex::Command::CMD_ANALYSE_ALL));
    }
    std::printf("platform %s, %d rows, highest number %d, %d hit rows\n",
                qPrintable(QApplication::platformName()), application.system.rowCount(),
                application.system.highestNumber(), application.hits.rowCount());
    // Qt has set the locale from the environment; the figures keep their decimal point.
    std::printf("Oeffnen (load and show)  median %s ms\n",
                lorvex::FormatDecimal(static_cast<float>(medianMs(load)), 1).c_str());
    std::printf("Komplett (analyse, show) median %s ms\n",
                lorvex::FormatDecimal(static_cast<float>(medianMs(analyse)), 1).c_str());
    if (argc > 2) {
        const std::string peak = memoryFigure("VmHWM");
        ui.openAnswer = argv[2];
        timeCommand(dispatcher, lorvex::Command::CMD_OPEN);
        std::printf("memory at the peak%s, after loading %s%s\n", peak.c_str(), argv[2],
                    memoryFigure("VmRSS").c_str());
    }
    return 0;
}
