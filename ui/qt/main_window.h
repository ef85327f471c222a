#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "ui/command_dispatcher.h"
#include "ui/qt/program_images.h"
#include "ui/qt/row_list_delegate.h"
#include "ui/qt/row_list_model.h"
#include "ui/qt/row_list_view.h"
#include "ui/qt/wait_window.h"
#include "ui/user_interface.h"

class QAction;
class QMenu;
class QMimeData;

namespace lorvex::qt {

// The program's window: menu, toolbar, the system list, three progress bars, the hit list and
// the status bar, each at its fixed place. It holds no logic of its own: menu items and toolbar
// buttons hand their command number to the dispatcher, and QtUserInterface fills the controls.
class MainWindow final : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(const ProgramImages& images);

    // Commands go to `dispatcher` from now on; until then menu and toolbar do nothing.
    void attach(CommandDispatcher& dispatcher);

    // The menu item (and toolbar button, where there is one) of a command number.
    QAction* commandAction(Command command) const;
    const QToolBar& toolbar() const { return toolbar_; }
    QTableView& listView(ListId list);
    RowListModel& listModel(ListId list);
    QProgressBar& progressBar(ProgressBarId bar);
    QLabel& statusField(StatusField field);
    WaitWindow& waitWindow() { return waitWindow_; }

    // After a modal box has closed: a toolbar button that was under the mouse when the box
    // opened is no longer drawn raised unless the mouse is still over it.
    void forgetStaleToolbarHover();

protected:
    void closeEvent(QCloseEvent* event) override;
    // A local file dropped onto the window is loaded as if chosen in the open dialog; other
    // drops (web addresses, plain text) are refused.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The local files among the dropped data; none while a command runs.
    std::vector<std::string> droppableFiles(const QMimeData* data) const;
    void buildMenu();
    void buildToolbar(const ProgramImages& images);
    void buildLists();
    void buildProgressBars();
    void buildStatusBar();
    void placeWindows();
    void addCommand(QMenu& menu, Command command, std::string_view caption);

    // Declared in the order of building; children are destroyed before their parents.
    QMenuBar menuBar_;
    QWidget content_;
    QToolBar toolbar_;
    RowListModel systemModel_;
    RowListModel hitModel_;
    RowListDelegate listDelegate_;
    RowListView systemList_;
    RowListView hitList_;
    std::array<QProgressBar, 3> progressBars_;  // top, middle, bottom
    QStatusBar statusBar_;
    QWidget statusFields_;
    std::array<QLabel, 2> statusLabels_;
    WaitWindow waitWindow_;

    std::array<QAction*, COMMAND_COUNT> actions_{};  // owned by their menus
    CommandDispatcher* dispatcher_ = nullptr;
};

}  // namespace lorvex::qt
