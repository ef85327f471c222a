// The real window on Qt's offscreen platform, driven through its actions and buttons.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <QtTest>
#include <clocale>
#include <functional>
#include <optional>

#include "ui/application.h"
#include "ui/command_dispatcher.h"
#include "ui/external_commands.h"
#include "ui/qt/main_window.h"
#include "ui/qt/program_images.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_user_interface.h"

namespace lorvex::qt {
namespace {

// The Qt user interface with its dialogs answered by the test instead of a person.
class ScriptedUserInterface final : public QtUserInterface {
public:
    using QtUserInterface::QtUserInterface;

    std::string openAnswer;
    std::string saveAnswer;
    QStringList messages;  // "title|text"
    std::function<void()> duringMessage;
    int exitRequests = 0;
    bool reallyExit = false;  // a process can end its event loops only once

    std::string openFileDialog(std::string_view, std::string_view, const std::string&) override {
        return openAnswer;
    }
    std::string saveFileDialog(std::string_view, std::string_view, const std::string&,
                               const std::string&) override {
        return saveAnswer;
    }
    void ShowMessageBox(std::string_view title, std::string_view text) override {
        messages.append(fromUtf8(title) + u'|' + fromUtf8(text));
        if (duringMessage) duringMessage();
    }
    void exitProgram() override {
        ++exitRequests;
        if (reallyExit) QtUserInterface::exitProgram();
    }
};

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// A menu as "caption" lines, submenus as "caption>" followed by their items indented.
QStringList menuTree(const QMenu& menu, const QString& indent = {}) {
    QStringList lines;
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator()) {
            lines.append(indent + u'-');
        } else if (action->menu() != nullptr) {
            lines.append(indent + action->text() + u'>');
            lines.append(menuTree(*action->menu(), indent + u' '));
        } else {
            lines.append(indent + action->text());
        }
    }
    return lines;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowHasItsTitleFixedSizeAndNoMaximiseButton();
    void contentAreaLiesBetweenMenuBarAndStatusBar();
    void menusHaveTheirCaptionsSeparatorsAndSubmenus();
    void menuItemsHaveNoShortcutsAndNoChecks();
    void toolbarHasSevenFlatButtonsWithTooltipsInsideTheContentArea();
    void listsHaveTheirPlacesColumnsAndStyles();
    void progressBarsHaveTheirPlacesAndRange();
    void statusBarHasTwoCentredFieldsWithTheirInitialTexts();
    void waitWindowIsHiddenOwnedAndHasATitleBarOnly();
    void openActionLoadsTheChosenFile();
    void komplettButtonFillsTheHitListWithGreyFirstRows();
    void pasteTakesClipboardTextAsUtf8();
    void droppedFileLoadsLikeTheOpenDialogsChoice();
    void ofSeveralDroppedFilesTheFirstLoads();
    void droppedFolderIsAnsweredWithTheOpenMessage();
    void fileNameOutsideLatin1IsShownWhole();
    void webAddressesAndTextAreRefused();
    void dropWhileACommandRunsIsRefused();
    void tabMovesTheFocusBetweenTheTwoLists();
    void closeRequestWhileACommandRunsIsDropped();
    void beendenAndCloseButtonEndTheProgramTheSameWay();
    void aboutBoxNamesTheQtVersion();
    void percentagesAndReportsKeepTheDecimalPointInAGermanLocale();
    void messageBoxKeepsEachLineWhole();
    void toolbarButtonIsNotLeftRaisedByAMessageBox();
    void eachListShowsWhenItHasTheFocus();
    void exitEndsTheEventLoopWithStatusZero();

private:
    QAction& action(Command command) { return *window->commandAction(command); }
    bool dropOntoSystemList(const QMimeData& data);
    QString statusText();

    std::optional<Application> app;
    std::optional<MainWindow> window;
    std::optional<ScriptedUserInterface> ui;
    std::optional<CommandDispatcher> dispatcher;
};

void MainWindowTest::init() {
    app.emplace();
    window.emplace(decodeProgramImages());
    ui.emplace(*window);
    dispatcher.emplace(*app, *ui);
    window->attach(*dispatcher);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(&*window));
}

void MainWindowTest::cleanup() {
    dispatcher.reset();
    ui.reset();
    window.reset();
    app.reset();
}

void MainWindowTest::windowHasItsTitleFixedSizeAndNoMaximiseButton() {
    QCOMPARE(window->windowTitle(), QStringLiteral("Lorvex 1.3.3"));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QCOMPARE(window->width(), 416);
}

void MainWindowTest::contentAreaLiesBetweenMenuBarAndStatusBar() {
    const QWidget& content = *window->centralWidget();
    QCOMPARE(content.size(), QSize(416, 496));
    QCOMPARE(content.y(), window->menuBar()->geometry().bottom() + 1);
    QCOMPARE(window->statusBar()->y(), content.geometry().bottom() + 1);
    QVERIFY(window->statusBar()->height() >= 18);
    QCOMPARE(window->height(), window->menuBar()->height() + 496 + window->statusBar()->height());
}

void MainWindowTest::menusHaveTheirCaptionsSeparatorsAndSubmenus() {
    QStringList titles;
    for (const QAction* title : window->menuBar()->actions()) titles.append(title->text());
    QCOMPARE(titles, (QStringList{"System", "Analyse", "?"}));

    const QList<QAction*> menus = window->menuBar()->actions();
    QCOMPARE(menuTree(*menus[0]->menu()),
             (QStringList{utf8("Öffnen..."), utf8("Einfügen"), "-", "Speichern>", " *.txt  (Text)",
                          " *.html  (Internet)", "-", "Beenden"}));
    QCOMPARE(menuTree(*menus[1]->menu()),
             (QStringList{"Komplett", "-", "6 Treffer", "5 Treffer", "4 Treffer", "3 Treffer"}));
    QCOMPARE(menuTree(*menus[2]->menu()),
             (QStringList{"Systemseiten>", " Velmor's Lotto-Wheels page",
                          " La Jolla Covering Repository Tables", " Dranek Lotto-Systeme", "-",
                          "Hilfe", "Homepage", "Info"}));
}

void MainWindowTest::menuItemsHaveNoShortcutsAndNoChecks() {
    for (int index = 0; index < COMMAND_COUNT; ++index) {
        const QAction& item = action(static_cast<Command>(int(FIRST_COMMAND) + index));
        QVERIFY(item.shortcut().isEmpty());
        QVERIFY(!item.text().contains(u'&'));
        QVERIFY(!item.isCheckable());
        QVERIFY(item.isEnabled());
        QVERIFY(!item.isIconVisibleInMenu());
    }
}

void MainWindowTest::toolbarHasSevenFlatButtonsWithTooltipsInsideTheContentArea() {
    const QToolBar& toolbar = window->toolbar();
    QCOMPARE(toolbar.parentWidget(), window->centralWidget());
    QCOMPARE(toolbar.pos(), QPoint(0, 0));
    QCOMPARE(toolbar.width(), 416);
    QVERIFY(toolbar.height() <= 32);

    QStringList tooltips;
    for (QAction* button : toolbar.actions()) {
        if (button->isSeparator()) {
            tooltips.append("-");
            continue;
        }
        tooltips.append(button->toolTip());
        const auto* toolButton = qobject_cast<QToolButton*>(toolbar.widgetForAction(button));
        QVERIFY(toolButton != nullptr);
        QVERIFY(toolButton->autoRaise());
        QCOMPARE(toolButton->toolTip(), button->toolTip());
        QCOMPARE(toolButton->toolButtonStyle(), Qt::ToolButtonIconOnly);
    }
    QCOMPARE(tooltips, (QStringList{utf8(" Öffnen "), utf8(" Einfügen "), "-", " Speichern *.txt ",
                                    " Speichern *.html ", "-", " Analyse Komplett ", "-", " Hilfe ",
                                    " Info "}));
    QCOMPARE(toolbar.iconSize(), QSize(16, 16));
    QVERIFY(window->testAttribute(Qt::WA_AlwaysShowToolTips));
}

void MainWindowTest::listsHaveTheirPlacesColumnsAndStyles() {
    struct Expected {
        ListId list;
        QRect geometry;
        QStringList titles;
    };
    const Expected lists[] = {
        {ListId::SystemList,
         QRect(8, 32, 400, 192),
         {"Reihe", "Zahl 1", "Zahl 2", "Zahl 3", "Zahl 4", "Zahl 5", "Zahl 6"}},
        {ListId::HitList,
         QRect(8, 296, 400, 192),
         {"Treffer", "6er", "5er", "4er", "3er", utf8("Fälle"), "%"}},
    };
    for (const Expected& expected : lists) {
        QTableView& view = window->listView(expected.list);
        QCOMPARE(view.geometry(), expected.geometry);
        const QHeaderView& header = *view.horizontalHeader();
        QCOMPARE(header.count(), 7);
        for (int column = 0; column < 7; ++column) {
            QCOMPARE(view.model()->headerData(column, Qt::Horizontal).toString(),
                     expected.titles[column]);
            QCOMPARE(header.sectionSize(column), 52);
        }
        QVERIFY(!header.sectionsClickable());
        QVERIFY(!view.isSortingEnabled());
        QVERIFY(!view.verticalHeader()->isVisible());
        QVERIFY(view.showGrid());
        QCOMPARE(view.selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(view.selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(view.palette().color(QPalette::Inactive, QPalette::Highlight),
                 view.palette().color(QPalette::Active, QPalette::Highlight));
        QCOMPARE(view.model()->rowCount(), 0);
        // A percentage fits its column: 52 pixels less the grid line and the text margins.
        QVERIFY(QFontMetricsF(view.font()).horizontalAdvance(QStringLiteral("100.000")) <=
                52 - 1 - 2 * RowListDelegate::TEXT_MARGIN);
    }
}

void MainWindowTest::progressBarsHaveTheirPlacesAndRange() {
    const std::pair<ProgressBarId, int> bars[] = {
        {ProgressBarId::Top, 232}, {ProgressBarId::Middle, 252}, {ProgressBarId::Bottom, 272}};
    for (const auto& [id, top] : bars) {
        const QProgressBar& bar = window->progressBar(id);
        QCOMPARE(bar.geometry(), QRect(8, top, 400, 16));
        QCOMPARE(bar.minimum(), 1);
        QCOMPARE(bar.maximum(), 49);
        QCOMPARE(bar.value(), 1);
        QVERIFY(!bar.isTextVisible());
    }
}

void MainWindowTest::statusBarHasTwoCentredFieldsWithTheirInitialTexts() {
    QVERIFY(!window->statusBar()->isSizeGripEnabled());
    QLabel& rows = window->statusField(StatusField::Rows);
    QLabel& numbers = window->statusField(StatusField::Numbers);
    QCOMPARE(rows.text(), QStringLiteral("0 Systemreihen"));
    QCOMPARE(numbers.text(), QStringLiteral("0 Systemzahlen"));
    for (const QLabel* field : {&rows, &numbers}) {
        QCOMPARE(field->width(), 120);
        QCOMPARE(field->alignment(), Qt::AlignCenter);
    }
    QCOMPARE(numbers.x() - rows.x(), 120);
    // In the window: field 0 from 0 to 120, field 1 from 120 to 240.
    QCOMPARE(rows.mapTo(&*window, QPoint(0, 0)).x(), 0);
    QCOMPARE(numbers.mapTo(&*window, QPoint(0, 0)).x(), 120);
    QVERIFY(rows.mapTo(&*window, QPoint(0, 0)).y() >= window->statusBar()->y());
}

void MainWindowTest::waitWindowIsHiddenOwnedAndHasATitleBarOnly() {
    WaitWindow& wait = window->waitWindow();
    QVERIFY(!wait.isVisible());
    QCOMPARE(wait.windowTitle(), QStringLiteral("Information"));
    QCOMPARE(wait.size(), QSize(240, 64));
    const Qt::WindowFlags flags = wait.windowFlags();
    QVERIFY(flags & Qt::WindowTitleHint);
    QVERIFY(!(flags & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                       Qt::WindowMaximizeButtonHint | Qt::WindowSystemMenuHint)));
    QCOMPARE(wait.label().text(), QStringLiteral("Bitte warten..."));
    QCOMPARE(wait.label().geometry(), QRect(8, 24, 224, 16));
    QVERIFY(wait.label().alignment() & Qt::AlignHCenter);
    QCOMPARE(wait.windowHandle()->transientParent(), window->windowHandle());
    // Centred over the main window as start-up placed it.
    QCOMPARE(wait.pos(),
             window->pos() + QPoint((window->width() - 240) / 2, (window->height() - 64) / 2));
    // The window system cannot close it.
    QVERIFY(!wait.close());
}

void MainWindowTest::openActionLoadsTheChosenFile() {
    ui->openAnswer = LORVEX_EXAMPLES_DIR "/Beispiel_7_2.txt";
    action(Command::CMD_OPEN).trigger();

    const RowListModel& rows = window->listModel(ListId::SystemList);
    QCOMPARE(rows.rowCount(), 2);
    QCOMPARE(rows.data(rows.index(1, 0), Qt::DisplayRole).toString(), QStringLiteral("2"));
    QCOMPARE(rows.data(rows.index(1, 6), Qt::DisplayRole).toString(), QStringLiteral("7"));
    QCOMPARE(window->statusField(StatusField::Rows).text(), QStringLiteral("2 Systemreihen"));
    QCOMPARE(window->statusField(StatusField::Numbers).text(), QStringLiteral("7 Systemzahlen"));
    for (const ProgressBarId bar :
         {ProgressBarId::Top, ProgressBarId::Middle, ProgressBarId::Bottom}) {
        QCOMPARE(window->progressBar(bar).maximum(), 7);
    }
    QVERIFY(window->isEnabled());
    QVERIFY(!window->waitWindow().isVisible());
    QVERIFY(ui->messages.isEmpty());
}

void MainWindowTest::komplettButtonFillsTheHitListWithGreyFirstRows() {
    ui->openAnswer = LORVEX_EXAMPLES_DIR "/Beispiel_7_2.txt";
    action(Command::CMD_OPEN).trigger();
    auto* button = qobject_cast<QToolButton*>(
        window->toolbar().widgetForAction(&action(Command::CMD_ANALYSE_ALL)));
    QVERIFY(button != nullptr);
    QTest::mouseClick(button, Qt::LeftButton);

    const RowListModel& hits = window->listModel(ListId::HitList);
    QCOMPARE(hits.rowCount(), 11);
    const QStringList firstRow = {"6", "1", "1", "", "", "2", "28.571"};
    for (int column = 0; column < 7; ++column) {
        QCOMPARE(hits.data(hits.index(0, column), Qt::DisplayRole).toString(), firstRow[column]);
    }
    for (int row = 0; row < hits.rowCount(); ++row) {
        const bool opensBlock = row == 0 || row == 2 || row == 5 || row == 8;
        for (int column = 0; column < 7; ++column) {
            const QVariant background = hits.data(hits.index(row, column), Qt::BackgroundRole);
            QCOMPARE(background.isValid(), opensBlock);
            if (opensBlock) QCOMPARE(background.value<QColor>(), QColor(0xEE, 0xEE, 0xEE));
            QCOMPARE(hits.data(hits.index(row, column), Qt::TextAlignmentRole).toInt(),
                     int(Qt::AlignLeft | Qt::AlignVCenter));
        }
    }
    for (const ProgressBarId bar :
         {ProgressBarId::Top, ProgressBarId::Middle, ProgressBarId::Bottom}) {
        QCOMPARE(window->progressBar(bar).value(), 1);
    }
    QVERIFY(window->isEnabled());
    QCOMPARE(window->statusField(StatusField::Rows).text(), QStringLiteral("2 Systemreihen"));
}

void MainWindowTest::pasteTakesClipboardTextAsUtf8() {
    QGuiApplication::clipboard()->setText(QStringLiteral("1 2 3 4 5 6 \u20AC \u00FC\n11 12"));
    QCOMPARE(ui->clipboardText(), std::string("1 2 3 4 5 6 € ü\n11 12"));

    QGuiApplication::clipboard()->setText(QStringLiteral("5 4 3 2 1 49\n"));
    action(Command::CMD_PASTE).trigger();
    QCOMPARE(window->listModel(ListId::SystemList).rowCount(), 1);
    QCOMPARE(window->statusField(StatusField::Numbers).text(), QStringLiteral("49 Systemzahlen"));
}

// Drags `data` over the system list and drops it there, as the window system delivers a drop
// from a file manager; true when the window took the drop.
bool MainWindowTest::dropOntoSystemList(const QMimeData& data) {
    QWidget& target = *window->listView(ListId::SystemList).viewport();
    const QPoint where(40, 40);
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    QDragEnterEvent enter(where, offered, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(where, offered, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &drop);
    QCoreApplication::processEvents();  // the load runs once the drop has ended
    return drop.isAccepted();
}

QString MainWindowTest::statusText() {
    return window->statusField(StatusField::Rows).text() + u'|' +
           window->statusField(StatusField::Numbers).text();
}

void MainWindowTest::droppedFileLoadsLikeTheOpenDialogsChoice() {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(LORVEX_EXAMPLES_DIR "/C12_6_5_132.txt")});
    QVERIFY(dropOntoSystemList(data));

    QCOMPARE(window->listModel(ListId::SystemList).rowCount(), 132);
    QCOMPARE(statusText(), QStringLiteral("132 Systemreihen|12 Systemzahlen"));
    QCOMPARE(window->progressBar(ProgressBarId::Top).maximum(), 12);
    QVERIFY(window->isEnabled());
    QVERIFY(!window->waitWindow().isVisible());
    QVERIFY(ui->messages.isEmpty());
}

void MainWindowTest::ofSeveralDroppedFilesTheFirstLoads() {
    QMimeData data;
    data.setUrls({QUrl(QStringLiteral("https://example.org/system.txt")),
                  QUrl::fromLocalFile(LORVEX_EXAMPLES_DIR "/Beispiel_7_2.txt"),
                  QUrl::fromLocalFile(LORVEX_EXAMPLES_DIR "/C12_6_5_132.txt")});
    QVERIFY(dropOntoSystemList(data));
    QCOMPARE(window->listModel(ListId::SystemList).rowCount(), 2);
    QCOMPARE(statusText(), QStringLiteral("2 Systemreihen|7 Systemzahlen"));
}

void MainWindowTest::droppedFolderIsAnsweredWithTheOpenMessage() {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(LORVEX_EXAMPLES_DIR)});
    QVERIFY(dropOntoSystemList(data));
    QCOMPARE(ui->messages,
             QStringList{utf8("Öffnen|Datei kann nicht geöffnet werden:\n") +
                         QStringLiteral(LORVEX_EXAMPLES_DIR) +
                         utf8("\nDas ist ein Ordner, keine Datei. Bitte eine Textdatei mit "
                              "einem System wählen.")});
    QCOMPARE(window->listModel(ListId::SystemList).rowCount(), 0);
    QVERIFY(window->isEnabled());
}

// The path goes from Qt to the commands as the file system's bytes and back into the box as
// UTF-8; nothing on the way may narrow it to ISO 8859-1.
void MainWindowTest::fileNameOutsideLatin1IsShownWhole() {
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Prüfung_系统.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("kein System\n");
    file.close();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QVERIFY(dropOntoSystemList(data));
    QCOMPARE(ui->messages, QStringList{utf8("Öffnen|Keine gültige Systemreihe gefunden in ") +
                                       path + utf8(" (je Zeile sechs Zahlen von 1 bis 49).")});
}

void MainWindowTest::webAddressesAndTextAreRefused() {
    QMimeData web;
    web.setUrls({QUrl(QStringLiteral("https://example.org/system.txt"))});
    QMimeData text;
    text.setText(QStringLiteral("1 2 3 4 5 6\n"));
    for (const QMimeData* data : {&web, &text}) QVERIFY(!dropOntoSystemList(*data));
    QCOMPARE(window->listModel(ListId::SystemList).rowCount(), 0);
    QCOMPARE(statusText(), QStringLiteral("0 Systemreihen|0 Systemzahlen"));
    QVERIFY(ui->messages.isEmpty());
}

void MainWindowTest::dropWhileACommandRunsIsRefused() {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(LORVEX_EXAMPLES_DIR "/Beispiel_7_2.txt")});
    std::optional<bool> taken;
    ui->duringMessage = [&] { taken = dropOntoSystemList(data); };
    action(Command::CMD_INFO).trigger();
    QCOMPARE(taken, std::optional<bool>(false));
    QCoreApplication::processEvents();
    QCOMPARE(window->listModel(ListId::SystemList).rowCount(), 0);
}

void MainWindowTest::tabMovesTheFocusBetweenTheTwoLists() {
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&*window));
    QTableView& systemList = window->listView(ListId::SystemList);
    QTableView& hitList = window->listView(ListId::HitList);
    systemList.setFocus();
    QVERIFY(systemList.hasFocus());
    QTest::keyClick(&systemList, Qt::Key_Tab);
    QVERIFY(hitList.hasFocus());
    QTest::keyClick(&hitList, Qt::Key_Tab);
    QVERIFY(systemList.hasFocus());
    QTest::keyClick(&systemList, Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(hitList.hasFocus());
}

void MainWindowTest::closeRequestWhileACommandRunsIsDropped() {
    std::optional<bool> closed;
    ui->duringMessage = [this, &closed] { closed = window->close(); };
    action(Command::CMD_INFO).trigger();
    QCOMPARE(closed, std::optional<bool>(false));
    QVERIFY(window->isVisible());
}

void MainWindowTest::beendenAndCloseButtonEndTheProgramTheSameWay() {
    action(Command::CMD_EXIT).trigger();
    QCOMPARE(ui->exitRequests, 1);
    QVERIFY(window->close());
    QCOMPARE(ui->exitRequests, 2);
}

void MainWindowTest::aboutBoxNamesTheQtVersion() {
    action(Command::CMD_INFO).trigger();
    QCOMPARE(ui->messages.size(), 1);
    QVERIFY(ui->messages[0].startsWith(QStringLiteral("Info|Lorvex 1.3.3\n")));
    QVERIFY(
        ui->messages[0].endsWith(QStringLiteral("\nErstellt mit C++20 und Qt " QT_VERSION_STR)));
}

// Qt sets the process locale from the environment; a German one writes "28,571" with printf.
void MainWindowTest::percentagesAndReportsKeepTheDecimalPointInAGermanLocale() {
    const QByteArray previous = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "de_DE.UTF-8");  // where installed; the environment's otherwise
    QGuiApplication::clipboard()->setText(QStringLiteral("1 2 3 4 5 6\r\n1 2 3 4 5 7\r\n"));
    action(Command::CMD_PASTE).trigger();
    action(Command::CMD_ANALYSE_ALL).trigger();

    const RowListModel& hits = window->listModel(ListId::HitList);
    QStringList percentages;
    for (int row = 0; row < hits.rowCount(); ++row) {
        percentages.append(hits.data(hits.index(row, 6), Qt::DisplayRole).toString());
    }
    QCOMPARE(percentages, (QStringList{"28.571", "71.429", "4.762", "47.619", "47.619", "14.286",
                                       "57.143", "28.571", "28.571", "57.143", "14.286"}));
    const QTemporaryDir folder;
    for (const auto& [command, golden] :
         {std::pair{Command::CMD_SAVE_TXT, "beispiel_7_2_komplett.txt"},
          std::pair{Command::CMD_SAVE_HTML, "beispiel_7_2_komplett.html"}}) {
        const QString saved = folder.filePath(QString::fromLatin1(golden));
        ui->saveAnswer = toPath(saved);
        action(command).trigger();
        QCOMPARE(fileBytes(saved), fileBytes(QStringLiteral(LORVEX_TEST_DATA_DIR "/reports/") +
                                             QString::fromLatin1(golden)));
    }
    std::setlocale(LC_ALL, previous.constData());
    QVERIFY(ui->messages.isEmpty());
}

// The text box of the real message box, while it is open.
QLabel* openMessageLabel() {
    QWidget* box = QApplication::activeModalWidget();
    return box != nullptr ? box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")) : nullptr;
}

void MainWindowTest::messageBoxKeepsEachLineWhole() {
    const std::string text = aboutText("Qt " QT_VERSION_STR);
    std::optional<int> labelWidth;
    QTimer::singleShot(0, &*window, [&labelWidth] {
        if (QLabel* label = openMessageLabel()) labelWidth = label->contentsRect().width();
        QApplication::activeModalWidget()->close();
    });
    ui->QtUserInterface::ShowMessageBox("Info", text);
    QVERIFY(labelWidth.has_value());
    const QFontMetrics metrics(QApplication::font("QMessageBox"));
    for (const QString& line : QString::fromLatin1(text.c_str()).split(u'\n')) {
        QVERIFY2(metrics.horizontalAdvance(line) <= *labelWidth, qPrintable(line));
    }
}

void MainWindowTest::toolbarButtonIsNotLeftRaisedByAMessageBox() {
    auto* button =
        qobject_cast<QToolButton*>(window->toolbar().widgetForAction(&action(Command::CMD_INFO)));
    QVERIFY(button != nullptr);
    // The button was under the mouse when it was clicked; the box then took the mouse, which
    // is elsewhere once the box has closed.
    button->setAttribute(Qt::WA_UnderMouse, true);
    QCursor::setPos(window->mapToGlobal(QPoint(200, 400)));
    QTimer::singleShot(0, &*window, [] { QApplication::activeModalWidget()->close(); });
    ui->QtUserInterface::ShowMessageBox("Info", "Text");
    QVERIFY(!button->underMouse());
}

void MainWindowTest::eachListShowsWhenItHasTheFocus() {
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&*window));
    QGuiApplication::clipboard()->setText(QStringLiteral("1 2 3 4 5 6\r\n1 2 3 4 5 7\r\n"));
    action(Command::CMD_PASTE).trigger();
    for (const ListId list : {ListId::SystemList, ListId::HitList}) {
        QTableView& view = window->listView(list);
        QTableView& other =
            window->listView(list == ListId::SystemList ? ListId::HitList : ListId::SystemList);
        // The focus arrives with the events, later on a loaded machine.
        other.setFocus();
        QTRY_VERIFY(other.hasFocus());
        const QImage unfocused = view.viewport()->grab().toImage();
        QTest::keyClick(&other, Qt::Key_Tab);
        QTRY_VERIFY(view.hasFocus());
        QVERIFY2(view.viewport()->grab().toImage() != unfocused,
                 qPrintable(QStringLiteral("list %1").arg(int(list))));
    }
}

// Last, since once the event loops have been told to end, no later one runs in this process.
void MainWindowTest::exitEndsTheEventLoopWithStatusZero() {
    ui->reallyExit = true;
    QEventLoop loop;
    QTimer::singleShot(0, &*window, [this] { action(Command::CMD_EXIT).trigger(); });
    QTimer::singleShot(5000, &loop, [&loop] { loop.exit(99); });
    QCOMPARE(loop.exec(), 0);
}

}  // namespace lorvex::qt

QTEST_MAIN(lorvex::qt::MainWindowTest)
#include "main_window_test.moc"
