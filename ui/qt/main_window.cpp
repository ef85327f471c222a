#include "ui/qt/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLayout>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QToolButton>
#include <QWindow>
#include <vector>

#include "core/system/system_row.h"
#include "ui/program_title.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/x11_window_type.h"
#include "ui/window_placement.h"

namespace lorvex::qt {

namespace {

constexpr int kContentWidth = 416;
constexpr int kContentHeight = 496;
constexpr int kMargin = 8;
constexpr int kControlWidth = 400;
constexpr int kToolbarHeightLimit = 32;
constexpr int kListHeight = 192;
constexpr int kSystemListTop = 32;
constexpr int kHitListTop = 296;
constexpr std::array<int, 3> kProgressBarTops = {232, 252, 272};
constexpr int kProgressBarHeight = 16;
constexpr int kColumnWidth = 52;
constexpr int kStatusFieldWidth = 120;
constexpr Size kWaitWindowSize = {240, 64};

QStringList utf8List(std::initializer_list<std::string_view> texts) {
    QStringList list;
    for (const std::string_view text : texts) list.append(fromUtf8(text));
    return list;
}

// The columns keep their 52 pixels. Where the default font is too wide to show a percentage
// such as "100.000" in one, the lists use it a little smaller, so that no figure is cut short.
QFont fittingListFont(const QFont& font) {
    if (font.pointSizeF() <= 0) return font;
    const qreal available = kColumnWidth - 1 - 2 * RowListDelegate::TEXT_MARGIN;  // less the grid
    QFont fitted = font;
    while (QFontMetricsF(fitted).horizontalAdvance(QStringLiteral("100.000")) > available &&
           fitted.pointSizeF() > font.pointSizeF() * 0.75) {
        fitted.setPointSizeF(fitted.pointSizeF() - 0.5);
    }
    return fitted;
}

void setUpList(QTableView& view, RowListModel& model, RowListDelegate& delegate, int top) {
    view.setModel(&model);
    view.setItemDelegate(&delegate);
    view.setFont(fittingListFont(view.font()));
    view.setGeometry(kMargin, top, kControlWidth, kListHeight);
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    view.setSelectionMode(QAbstractItemView::SingleSelection);
    view.setEditTriggers(QAbstractItemView::NoEditTriggers);
    view.setShowGrid(true);
    view.setSortingEnabled(false);
    view.setWordWrap(false);
    view.setCornerButtonEnabled(false);
    // Tab leaves the list instead of moving between its cells.
    view.setTabKeyNavigation(false);

    QHeaderView& header = *view.horizontalHeader();
    header.setSectionsClickable(false);
    header.setHighlightSections(false);
    header.setMinimumSectionSize(1);
    header.setDefaultSectionSize(kColumnWidth);
    header.setSectionResizeMode(QHeaderView::Fixed);
    header.setStretchLastSection(false);
    header.setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    QHeaderView& rows = *view.verticalHeader();
    rows.hide();
    rows.setMinimumSectionSize(1);
    rows.setSectionResizeMode(QHeaderView::Fixed);
    rows.setDefaultSectionSize(view.fontMetrics().height() + 4);

    // The selected row stays marked when the list loses the focus.
    QPalette palette = view.palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    }
    view.setPalette(palette);
}

// The dropped URLs that name local files, as file system paths; web addresses are left out.
std::vector<std::string> localFilePaths(const QMimeData* data) {
    std::vector<std::string> paths;
    if (data == nullptr || !data->hasUrls()) return paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) paths.push_back(toPath(url.toLocalFile()));
    }
    return paths;
}

}  // namespace

MainWindow::MainWindow(const ProgramImages& images)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint),
      systemModel_(utf8List({"Reihe", "Zahl 1", "Zahl 2", "Zahl 3", "Zahl 4", "Zahl 5", "Zahl 6"})),
      hitModel_(utf8List({"Treffer", "6er", "5er", "4er", "3er", "Fälle", "%"})) {
    setWindowTitle(fromUtf8(PROGRAM_TITLE));
    setWindowIcon(images.application);
    setAttribute(Qt::WA_AlwaysShowToolTips);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setAcceptDrops(true);

    setMenuBar(&menuBar_);
    content_.setFixedSize(kContentWidth, kContentHeight);
    setCentralWidget(&content_);
    buildMenu();
    buildToolbar(images);
    buildLists();
    buildProgressBars();
    buildStatusBar();
    placeWindows();
}

void MainWindow::attach(CommandDispatcher& dispatcher) {
    dispatcher_ = &dispatcher;
}

QAction* MainWindow::commandAction(Command command) const {
    const int index = commandIndex(command);
    if (index < 0 || index >= COMMAND_COUNT) return nullptr;
    return actions_[static_cast<std::size_t>(index)];
}

QTableView& MainWindow::listView(ListId list) {
    return list == ListId::SystemList ? systemList_ : hitList_;
}

RowListModel& MainWindow::listModel(ListId list) {
    return list == ListId::SystemList ? systemModel_ : hitModel_;
}

QProgressBar& MainWindow::progressBar(ProgressBarId bar) {
    return progressBars_[static_cast<std::size_t>(static_cast<int>(bar) - PROGRESS_BAR_TOP)];
}

QLabel& MainWindow::statusField(StatusField field) {
    return statusLabels_[static_cast<std::size_t>(field)];
}

void MainWindow::forgetStaleToolbarHover() {
    for (QToolButton* button : toolbar_.findChildren<QToolButton*>()) {
        if (!button->testAttribute(Qt::WA_UnderMouse)) continue;
        if (button->rect().contains(button->mapFromGlobal(QCursor::pos()))) continue;
        button->setAttribute(Qt::WA_UnderMouse, false);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(button, &leave);
        button->update();
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // While a command runs, the windows are only kept painted; a close request then is dropped.
    // Otherwise it ends the program just as "Beenden" does.
    if (dispatcher_ != nullptr && dispatcher_->busy()) {
        event->ignore();
        return;
    }
    event->accept();
    if (dispatcher_ != nullptr) dispatcher_->dispatch(Command::CMD_EXIT);
}

std::vector<std::string> MainWindow::droppableFiles(const QMimeData* data) const {
    if (dispatcher_ == nullptr || dispatcher_->busy()) return {};
    return localFilePaths(data);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (droppableFiles(event->mimeData()).empty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    std::vector<std::string> paths = droppableFiles(event->mimeData());
    if (paths.empty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // The load runs once the drop has ended: the program the file came from is not kept
    // waiting, and no message box opens inside the window system's drag handling.
    QMetaObject::invokeMethod(
        this, [this, paths = std::move(paths)] { dispatcher_->dropFiles(paths); },
        Qt::QueuedConnection);
}

void MainWindow::addCommand(QMenu& menu, Command command, std::string_view caption) {
    QAction* action = menu.addAction(fromUtf8(caption));
    action->setIconVisibleInMenu(false);
    connect(action, &QAction::triggered, this, [this, command] {
        if (dispatcher_ != nullptr) dispatcher_->dispatch(command);
    });
    actions_[static_cast<std::size_t>(commandIndex(command))] = action;
}

void MainWindow::buildMenu() {
    using enum Command;
    QMenu& system = *menuBar_.addMenu(QStringLiteral("System"));
    addCommand(system, CMD_OPEN, "Öffnen...");
    addCommand(system, CMD_PASTE, "Einfügen");
    system.addSeparator();
    QMenu& save = *system.addMenu(QStringLiteral("Speichern"));
    addCommand(save, CMD_SAVE_TXT, "*.txt  (Text)");
    addCommand(save, CMD_SAVE_HTML, "*.html  (Internet)");
    system.addSeparator();
    addCommand(system, CMD_EXIT, "Beenden");

    QMenu& analysis = *menuBar_.addMenu(QStringLiteral("Analyse"));
    addCommand(analysis, CMD_ANALYSE_ALL, "Komplett");
    analysis.addSeparator();
    addCommand(analysis, CMD_ANALYSE_6, "6 Treffer");
    addCommand(analysis, CMD_ANALYSE_5, "5 Treffer");
    addCommand(analysis, CMD_ANALYSE_4, "4 Treffer");
    addCommand(analysis, CMD_ANALYSE_3, "3 Treffer");

    QMenu& helpMenu = *menuBar_.addMenu(QStringLiteral("?"));
    QMenu& links = *helpMenu.addMenu(QStringLiteral("Systemseiten"));
    addCommand(links, CMD_LINK_1, "Velmor's Lotto-Wheels page");
    addCommand(links, CMD_LINK_2, "La Jolla Covering Repository Tables");
    addCommand(links, CMD_LINK_3, "Dranek Lotto-Systeme");
    helpMenu.addSeparator();
    addCommand(helpMenu, CMD_HELP, "Hilfe");
    addCommand(helpMenu, CMD_HOMEPAGE, "Homepage");
    addCommand(helpMenu, CMD_INFO, "Info");
}

void MainWindow::buildToolbar(const ProgramImages& images) {
    struct Button {
        std::optional<Command> command;  // none for a separator
        std::size_t image;
        std::string_view tooltip;
    };
    using enum Command;
    constexpr std::nullopt_t kSeparator = std::nullopt;
    const std::array<Button, 10> buttons = {{
        {CMD_OPEN, 0, " Öffnen "},
        {CMD_PASTE, 1, " Einfügen "},
        {kSeparator, 0, {}},
        {CMD_SAVE_TXT, 2, " Speichern *.txt "},
        {CMD_SAVE_HTML, 3, " Speichern *.html "},
        {kSeparator, 0, {}},
        {CMD_ANALYSE_ALL, 4, " Analyse Komplett "},
        {kSeparator, 0, {}},
        {CMD_HELP, 5, " Hilfe "},
        {CMD_INFO, 6, " Info "},
    }};

    toolbar_.setParent(&content_);
    toolbar_.setMovable(false);
    toolbar_.setFloatable(false);
    toolbar_.setIconSize(QSize(16, 16));
    toolbar_.setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolbar_.setContextMenuPolicy(Qt::PreventContextMenu);
    for (const Button& button : buttons) {
        if (!button.command) {
            toolbar_.addSeparator();
            continue;
        }
        QAction* action = commandAction(*button.command);
        action->setIcon(images.toolbar[button.image]);
        action->setToolTip(fromUtf8(button.tooltip));
        toolbar_.addAction(action);
    }
    const int height = std::min(toolbar_.sizeHint().height(), kToolbarHeightLimit);
    toolbar_.setGeometry(0, 0, kContentWidth, height);
}

void MainWindow::buildLists() {
    systemList_.setParent(&content_);
    setUpList(systemList_, systemModel_, listDelegate_, kSystemListTop);
    hitList_.setParent(&content_);
    setUpList(hitList_, hitModel_, listDelegate_, kHitListTop);
    setTabOrder(&systemList_, &hitList_);
}

void MainWindow::buildProgressBars() {
    for (std::size_t i = 0; i < progressBars_.size(); ++i) {
        QProgressBar& bar = progressBars_[i];
        bar.setParent(&content_);
        bar.setGeometry(kMargin, kProgressBarTops[i], kControlWidth, kProgressBarHeight);
        bar.setRange(1, MAX_SYSTEM_NUMBER);
        bar.setValue(1);
        bar.setTextVisible(false);
    }
}

// The fields are a plain child of the status bar, not one of its items: the bar sets its items
// two pixels in from the left edge, and the fields belong at 0 and 120.
void MainWindow::buildStatusBar() {
    setStatusBar(&statusBar_);
    statusBar_.setSizeGripEnabled(false);
    statusFields_.setParent(&statusBar_);
    statusFields_.setFixedWidth(2 * kStatusFieldWidth);
    const std::array<std::string_view, 2> initialTexts = {"0 Systemreihen", "0 Systemzahlen"};
    for (std::size_t i = 0; i < statusLabels_.size(); ++i) {
        QLabel& label = statusLabels_[i];
        label.setParent(&statusFields_);
        label.setAlignment(Qt::AlignCenter);
        label.setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label.setText(fromUtf8(initialTexts[i]));
    }
    const int height = statusLabels_[0].sizeHint().height();
    statusFields_.setFixedHeight(height);
    for (std::size_t i = 0; i < statusLabels_.size(); ++i) {
        statusLabels_[i].setGeometry(static_cast<int>(i) * kStatusFieldWidth, 0, kStatusFieldWidth,
                                     height);
    }
    // The bar keeps the height it had with the fields as its item: its spacing above and below.
    constexpr int kStatusBarTopSpacing = 3;
    constexpr int kStatusBarBottomSpacing = 2;
    statusFields_.move(0, kStatusBarTopSpacing);
    statusBar_.setFixedHeight(kStatusBarTopSpacing + height + kStatusBarBottomSpacing);
}

// The window gets the size its parts need, is centred on the screen, and the wait window's
// place is fixed once, centred over it.
void MainWindow::placeWindows() {
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const Point windowCorner =
        centredOver({screen.x(), screen.y(), screen.width(), screen.height()}, {width(), height()},
                    {screen.x(), screen.y()});
    move(windowCorner.x, windowCorner.y);

    waitWindow_.setWindowIcon(windowIcon());
    // Owned by the main window: kept in front of it, minimised and restored with it.
    waitWindow_.winId();
    winId();
    waitWindow_.windowHandle()->setTransientParent(windowHandle());
    markAsHelperWindow(waitWindow_);
    const Point waitCorner =
        centredOver({windowCorner.x, windowCorner.y, width(), height()}, kWaitWindowSize, {0, 0});
    waitWindow_.move(waitCorner.x, waitCorner.y);
}

}  // namespace lorvex::qt
