// The real windows under a real window manager: openbox on a virtual X display, started by
// with_openbox.sh. What the window manager offers is read back from the X properties it sets.
#include <QAction>
#include <QApplication>
#include <QProcess>
#include <QWindow>
#include <QtTest>
#include <functional>
#include <optional>

#include "ui/application.h"
#include "ui/command_dispatcher.h"
#include "ui/qt/main_window.h"
#include "ui/qt/program_images.h"
#include "ui/qt/qt_user_interface.h"

namespace lorvex::qt {
namespace {

// What xprop prints, or "" if it cannot run.
QString xprop(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral("xprop"), arguments);
    if (!process.waitForFinished(5000)) return {};
    return QString::fromLatin1(process.readAllStandardOutput());
}

QString xprop(const QWidget& window, const char* property) {
    return xprop(
        {QStringLiteral("-id"), QString::number(window.winId()), QString::fromLatin1(property)});
}

// The ICCCM state the window manager gives the window: "Normal", "Iconic" or "Withdrawn".
QString windowManagerState(const QWidget& window) {
    const QString text = xprop(window, "WM_STATE");
    const qsizetype at = text.indexOf(QStringLiteral("window state: "));
    return at < 0 ? QStringLiteral("Withdrawn") : text.mid(at + 14).section(u'\n', 0, 0);
}

// The Qt user interface with the open dialog answered, and a hook into the moment the wait
// window has just been shown, where the user may do to it whatever the frame allows.
class ScriptedUserInterface final : public QtUserInterface {
public:
    using QtUserInterface::QtUserInterface;

    std::string openAnswer;
    std::function<void(WaitWindow&)> whileWaiting;

    std::string openFileDialog(std::string_view, std::string_view, const std::string&) override {
        return openAnswer;
    }
    void showWaitWindow() override {
        QtUserInterface::showWaitWindow();
        if (whileWaiting) whileWaiting(window().waitWindow());
    }
};

}  // namespace

class WindowManagerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void waitWindowOffersNoMinimiseMaximiseOrClose();
    void fixedSizeMainWindowOffersNoMaximise();
    void mainWindowIsShownNormallyAfterALoadWhateverHappenedToTheWaitWindow();

private:
    void loadTwoRows();

    std::optional<Application> app;
    std::optional<MainWindow> window;
    std::optional<ScriptedUserInterface> ui;
    std::optional<CommandDispatcher> dispatcher;
};

void WindowManagerTest::initTestCase() {
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QVERIFY2(xprop({QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
                 .contains("window id"),
             "no window manager runs on this display");
}

void WindowManagerTest::init() {
    app.emplace();
    window.emplace(decodeProgramImages());
    ui.emplace(*window);
    dispatcher.emplace(*app, *ui);
    window->attach(*dispatcher);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(&*window));
    QTRY_COMPARE(windowManagerState(*window), QStringLiteral("Normal"));
}

void WindowManagerTest::cleanup() {
    dispatcher.reset();
    ui.reset();
    window.reset();
    app.reset();
}

void WindowManagerTest::loadTwoRows() {
    ui->openAnswer = LORVEX_EXAMPLES_DIR "/Beispiel_7_2.txt";
    window->commandAction(Command::CMD_OPEN)->trigger();
    QCOMPARE(window->listModel(ListId::SystemList).rowCount(), 2);
}

void WindowManagerTest::waitWindowOffersNoMinimiseMaximiseOrClose() {
    WaitWindow& wait = window->waitWindow();
    ui->showWaitWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&wait));
    QTRY_VERIFY(xprop(wait, "_NET_WM_ALLOWED_ACTIONS").contains("_NET_WM_ACTION_MOVE"));
    const QString allowed = xprop(wait, "_NET_WM_ALLOWED_ACTIONS");
    QVERIFY2(!allowed.contains("_NET_WM_ACTION_MINIMIZE"), qPrintable(allowed));
    QVERIFY2(!allowed.contains("_NET_WM_ACTION_MAXIMIZE"), qPrintable(allowed));
    QVERIFY2(!allowed.contains("_NET_WM_ACTION_RESIZE"), qPrintable(allowed));
    // Window managers that follow the Motif hints draw no close button either; openbox always
    // draws one, and a close request through it is refused.
    QVERIFY(!xprop(wait, "_MOTIF_WM_HINTS").isEmpty());
    QProcess::execute(QStringLiteral("wmctrl"),
                      {QStringLiteral("-i"), QStringLiteral("-c"), QString::number(wait.winId())});
    QTest::qWait(300);
    QVERIFY(wait.isVisible());
    QCOMPARE(windowManagerState(wait), QStringLiteral("Normal"));
    ui->hideWaitWindow();
}

void WindowManagerTest::fixedSizeMainWindowOffersNoMaximise() {
    const QString allowed = xprop(*window, "_NET_WM_ALLOWED_ACTIONS");
    QVERIFY2(allowed.contains("_NET_WM_ACTION_MINIMIZE"), qPrintable(allowed));
    QVERIFY2(!allowed.contains("_NET_WM_ACTION_MAXIMIZE"), qPrintable(allowed));
}

void WindowManagerTest::mainWindowIsShownNormallyAfterALoadWhateverHappenedToTheWaitWindow() {
    // The window manager is asked to minimise the wait window, as a task bar would (openbox
    // refuses for a helper window, and minimises a dialog's owner with it), and the main window.
    ui->whileWaiting = [this](WaitWindow& wait) {
        QVERIFY(QTest::qWaitForWindowExposed(&wait));
        wait.windowHandle()->showMinimized();
        window->showMinimized();
        QTRY_COMPARE(windowManagerState(*window), QStringLiteral("Iconic"));
    };
    loadTwoRows();
    QTRY_COMPARE(windowManagerState(*window), QStringLiteral("Normal"));
    QVERIFY(!window->isMinimized());
    QVERIFY(!window->waitWindow().isVisible());

    // The next load, left alone, shows the wait window normally and the main window too.
    std::optional<QString> waitState;
    ui->whileWaiting = [&waitState](WaitWindow& wait) {
        QVERIFY(QTest::qWaitForWindowExposed(&wait));
        waitState = windowManagerState(wait);
    };
    loadTwoRows();
    QCOMPARE(waitState, std::optional<QString>(QStringLiteral("Normal")));
    QTRY_COMPARE(windowManagerState(*window), QStringLiteral("Normal"));
    QVERIFY(!window->isMinimized());
}

}  // namespace lorvex::qt

QTEST_MAIN(lorvex::qt::WindowManagerTest)
#include "window_manager_test.moc"
